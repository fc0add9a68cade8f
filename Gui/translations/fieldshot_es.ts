<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AnalysisWindow</name>
    <message>
        <source>Trefferbild</source>
        <translation>Agrupación</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Diana</translation>
    </message>
    <message>
        <source>Wertung</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Zehntelwertung</source>
        <translation>Puntuación decimal</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Breite des Ziels</source>
        <translation>Ancho de la diana</translation>
    </message>
    <message>
        <source>Wie PDF-Bogen</source>
        <translation>Como la hoja PDF</translation>
    </message>
    <message>
        <source>Der Durchmesser des äußeren Rings der Scheiben, die das PDF-Tool druckt</source>
        <translation>El diámetro del anillo exterior de las dianas que imprime la herramienta PDF</translation>
    </message>
    <message>
        <source>Laser-Nullpunkt</source>
        <translation>Cero del láser</translation>
    </message>
    <message>
        <source>Nullen</source>
        <translation>Poner a cero</translation>
    </message>
    <message>
        <source>Die Schüsse dieser Serie, auf die Mitte gezielt, ergeben den Versatz jeder Kamera.</source>
        <translation>Los disparos de esta serie, apuntados al centro, dan el desplazamiento de cada cámara.</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Bericht speichern ...</source>
        <translation>Guardar informe ...</translation>
    </message>
    <message>
        <source>Kamera %1: %2, %3</source>
        <translation>Cámara %1: %2, %3</translation>
    </message>
    <message>
        <source>Nicht gesetzt</source>
        <translation>No definido</translation>
    </message>
    <message>
        <source>Summe: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Bericht speichern</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;PNG-Bild (*.png)</source>
        <translation>PDF (*.pdf);;Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>No se puede escribir el archivo %1.</translation>
    </message>
</context>
<context>
    <name>Camera</name>
    <message>
        <source>Gerät nicht vorhanden</source>
        <translation>El dispositivo no existe</translation>
    </message>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>Datei nicht lesbar</source>
        <translation>Archivo no legible</translation>
    </message>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Acceso denegado</translation>
    </message>
    <message>
        <source>Keine Videodatei</source>
        <translation>No es un archivo de vídeo</translation>
    </message>
    <message>
        <source>Keine Bilder in der Datei</source>
        <translation>El archivo no contiene imágenes</translation>
    </message>
    <message>
        <source>Szenario nicht lesbar</source>
        <translation>Escenario no legible</translation>
    </message>
    <message>
        <source>Gerät belegt</source>
        <translation>Dispositivo ocupado</translation>
    </message>
    <message>
        <source>Gerät lässt sich nicht öffnen</source>
        <translation>No se puede abrir el dispositivo</translation>
    </message>
    <message>
        <source>Gerät liefert keine Bilder mehr</source>
        <translation>El dispositivo ya no entrega imágenes</translation>
    </message>
    <message>
        <source>Eine andere Kamera ist geöffnet</source>
        <translation>Otra cámara está abierta</translation>
    </message>
</context>
<context>
    <name>DialogCameraCheck</name>
    <message>
        <source>Kamera-Check: %1</source>
        <translation>Comprobación de cámara: %1</translation>
    </message>
    <message>
        <source>Bildrate</source>
        <translation>Velocidad de imagen</translation>
    </message>
    <message>
        <source>Bild</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Consejos</translation>
    </message>
    <message>
        <source>Neu messen</source>
        <translation>Medir de nuevo</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Schusstest</source>
        <translation>Prueba de disparo</translation>
    </message>
    <message>
        <source>Schüsse auf die Bildmitte:</source>
        <translation>Disparos al centro:</translation>
    </message>
    <message>
        <source>Die Kamera ist nicht geöffnet.</source>
        <translation>La cámara no está abierta.</translation>
    </message>
    <message>
        <source>%1 Bilder/s gemessen, %2 Bilder/s eingestellt</source>
        <translation>%1 fps medidos, %2 fps ajustados</translation>
    </message>
    <message>
        <source>%1 Bilder/s gemessen</source>
        <translation>%1 fps medidos</translation>
    </message>
    <message>
        <source>Verloren: %1 von %2 (%3 %), laut Treiber</source>
        <translation>Perdidas: %1 de %2 (%3 %), según el controlador</translation>
    </message>
    <message>
        <source>Verloren: %1 von %2 (%3 %), laut Bildzeiten</source>
        <translation>Perdidas: %1 de %2 (%3 %), según los tiempos de imagen</translation>
    </message>
    <message>
        <source>Beschädigt angekommen: %1</source>
        <translation>Llegadas dañadas: %1</translation>
    </message>
    <message>
        <source>Noch kein Bild.</source>
        <translation>Todavía no hay imagen.</translation>
    </message>
    <message>
        <source>Helligkeit des Hintergrunds: %1 von 255</source>
        <translation>Brillo del fondo: %1 de 255</translation>
    </message>
    <message>
        <source>Übersteuerte Pixel: %1 %</source>
        <translation>Píxeles saturados: %1 %</translation>
    </message>
    <message>
        <source>Rauschen: %1 Graustufen</source>
        <translation>Ruido: %1 niveles de gris</translation>
    </message>
    <message>
        <source>Rauschen: wird gemessen</source>
        <translation>Ruido: midiendo</translation>
    </message>
    <message>
        <source>Die Kamera liefert keine Bilder. Kabel und Anschluss prüfen, oder die Kamera auf der Kameraseite neu wählen.</source>
        <translation>La cámara no entrega imágenes. Compruebe el cable y el puerto, o vuelva a elegir la cámara en la página Cámara.</translation>
    </message>
    <message>
        <source>Die Kamera liefert weniger Bilder als eingestellt. Meist belichtet sie länger, weil es zu dunkel ist: den Raum heller machen oder die Belichtung von Hand kürzer stellen.</source>
        <translation>La cámara entrega menos imágenes de las ajustadas. Normalmente expone más tiempo porque está demasiado oscuro: ilumine más la sala o ajuste a mano una exposición más corta.</translation>
    </message>
    <message>
        <source>Bilder gehen verloren. Die Kamera an einen eigenen USB-Anschluss stecken und andere Kameras am selben Verteiler abziehen.</source>
        <translation>Se pierden imágenes. Conecte la cámara a un puerto USB propio y desconecte otras cámaras del mismo concentrador.</translation>
    </message>
    <message>
        <source>Es kommen beschädigte Bilder an. Ein anderes USB-Kabel oder einen anderen Anschluss versuchen.</source>
        <translation>Llegan imágenes dañadas. Pruebe otro cable USB u otro puerto.</translation>
    </message>
    <message>
        <source>Der Hintergrund ist fast weiß: ein Laserpunkt hebt sich davon nicht ab. Die Belichtung verringern.</source>
        <translation>El fondo es casi blanco: un punto láser no se distingue de él. Reduzca la exposición.</translation>
    </message>
    <message>
        <source>Ein großer Teil des Bildes ist übersteuert: Schüsse dort sind nicht zu sehen. Die Belichtung verringern oder die helle Fläche aus dem Bild nehmen.</source>
        <translation>Una gran parte de la imagen está saturada: allí no se ven los disparos. Reduzca la exposición o saque la zona clara de la imagen.</translation>
    </message>
    <message>
        <source>Das Bild rauscht stark: schwache Schüsse gehen darin unter. Mehr Licht in den Raum bringen oder die Verstärkung senken.</source>
        <translation>La imagen tiene mucho ruido: los disparos débiles se pierden en él. Ilumine más la sala o baje la ganancia.</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten.</source>
        <translation>Nada fuera de lo normal.</translation>
    </message>
    <message>
        <source>Test beenden</source>
        <translation>Terminar prueba</translation>
    </message>
    <message>
        <source>Test starten</source>
        <translation>Iniciar prueba</translation>
    </message>
    <message>
        <source>Den Test starten, dann die gewählte Zahl Schüsse auf das Kreuz in der Bildmitte abgeben.</source>
        <translation>Inicie la prueba y dispare el número elegido de disparos a la cruz del centro de la imagen.</translation>
    </message>
    <message>
        <source>Gesehen: %1 von %2</source>
        <translation>Vistos: %1 de %2</translation>
    </message>
    <message>
        <source>Gesehen: %1 von %2, nicht gesehen: %3</source>
        <translation>Vistos: %1 de %2, no vistos: %3</translation>
    </message>
    <message>
        <source>Außerhalb der Mitte gemeldet: %1</source>
        <translation>Detectados fuera del centro: %1</translation>
    </message>
    <message>
        <source>Streuung: größter Abstand %1 px, mittlerer Abstand zum Trefferbild-Mittelpunkt %2 px; Mittelpunkt %3 px neben der Bildmitte</source>
        <translation>Dispersión: mayor distancia %1 px, distancia media al centro de la agrupación %2 px; centro de la agrupación a %3 px del centro de la imagen</translation>
    </message>
</context>
<context>
    <name>DialogCameraSettings</name>
    <message>
        <source>FPS:</source>
        <translation>FPS:</translation>
    </message>
    <message>
        <source>Darstellung</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>S/W</source>
        <translation>B/N</translation>
    </message>
    <message>
        <source>Laser</source>
        <translation>Láser</translation>
    </message>
    <message>
        <source>Helligkeitsschwelle</source>
        <translation>Umbral de brillo</translation>
    </message>
    <message>
        <source>Schusserkennung</source>
        <translation>Detección de disparos</translation>
    </message>
    <message>
        <source>min Size</source>
        <translation>Tamaño mín.</translation>
    </message>
    <message>
        <source>max Size</source>
        <translation>Tamaño máx.</translation>
    </message>
    <message>
        <source>min Dist.</source>
        <translation>Dist. mín.</translation>
    </message>
    <message>
        <source>Defaultwerte</source>
        <translation>Valores predeterminados</translation>
    </message>
    <message>
        <source>Treiber</source>
        <translation>Controlador</translation>
    </message>
    <message>
        <source>Treiberfenster</source>
        <translation>Ventana del controlador</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Belichtung</source>
        <translation>Exposición</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Kamera-Check</source>
        <translation>Comprobación de cámara</translation>
    </message>
</context>
<context>
    <name>DialogDriverControls</name>
    <message>
        <source>Treiber: %1</source>
        <translation>Controlador: %1</translation>
    </message>
    <message>
        <source>Diese Kamera bietet keine Treibereinstellungen.</source>
        <translation>Esta cámara no ofrece ajustes de controlador.</translation>
    </message>
    <message>
        <source>Alle auf Standard</source>
        <translation>Todo predeterminado</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Belichtungsautomatik</source>
        <translation>Exposición automática</translation>
    </message>
    <message>
        <source>Weißabgleich automatisch</source>
        <translation>Balance de blancos automático</translation>
    </message>
    <message>
        <source>Netzfrequenz</source>
        <translation>Frecuencia de red</translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Manuell</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Zeitautomatik</source>
        <translation>Prioridad de obturador</translation>
    </message>
    <message>
        <source>Blendenautomatik</source>
        <translation>Prioridad de apertura</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Apagado</translation>
    </message>
</context>
<context>
    <name>DrillCatalog</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>DrillPanel</name>
    <message>
        <source>Kein Drill (Spiel wie gewohnt)</source>
        <translation>Ningún ejercicio (juego normal)</translation>
    </message>
    <message>
        <source>eigener</source>
        <translation>propio</translation>
    </message>
    <message>
        <source>Serie %1/%2</source>
        <translation>Serie %1/%2</translation>
    </message>
    <message>
        <source>Kein Drill gewählt</source>
        <translation>Ningún ejercicio elegido</translation>
    </message>
    <message>
        <source>Bereit: Start, Leertaste oder Startfeld</source>
        <translation>Listo: Iniciar, Espacio o blanco de inicio</translation>
    </message>
    <message>
        <source>Achtung … %1</source>
        <translation>Atención … %1</translation>
    </message>
    <message>
        <source>Los! %1</source>
        <translation>¡Ya! %1</translation>
    </message>
    <message>
        <source>Pause, dann %1</source>
        <translation>Pausa, luego %1</translation>
    </message>
    <message>
        <source>%1 s   %2/%3 Schüsse</source>
        <translation>%1 s   %2/%3 disparos</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <translation>Salida en falso</translation>
    </message>
    <message>
        <source>Signal nach %1 s · erster Schuss %2 s · Splits %3 · Gesamt %4 s · %5</source>
        <translation>Señal tras %1 s · primer disparo %2 s · parciales %3 · total %4 s · %5</translation>
    </message>
    <message>
        <source>Bestanden</source>
        <translation>Superado</translation>
    </message>
    <message>
        <source>Nicht bestanden</source>
        <translation>No superado</translation>
    </message>
    <message>
        <source>Ergebnisse speichern</source>
        <translation>Guardar resultados</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1: kann nicht gespeichert werden</source>
        <translation>%1: no se puede guardar</translation>
    </message>
    <message>
        <source>Drills und Schusstimer</source>
        <translation>Ejercicios y cronómetro de tiro</translation>
    </message>
    <message>
        <source>Neu laden</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Liest die Drills erneut, auch die eigenen aus %1</source>
        <translation>Vuelve a leer los ejercicios, también los propios de %1</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Als CSV speichern…</source>
        <translation>Guardar como CSV…</translation>
    </message>
    <message>
        <source>Ergebnisse löschen</source>
        <translation>Borrar resultados</translation>
    </message>
</context>
<context>
    <name>DrillReader</name>
    <message>
        <source>kein gültiges JSON (%1 bei Zeichen %2)</source>
        <translation>JSON no válido (%1 en el carácter %2)</translation>
    </message>
    <message>
        <source>kein JSON-Objekt</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>unbekanntes Feld &quot;%1&quot;</source>
        <translation>campo desconocido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;fieldshot_drill&quot; fehlt: keine Drill-Datei</source>
        <translation>falta &quot;fieldshot_drill&quot;: no es un archivo de ejercicio</translation>
    </message>
    <message>
        <source>Formatversion %1 wird nicht unterstützt (nur %2)</source>
        <translation>la versión de formato %1 no es compatible (solo %2)</translation>
    </message>
    <message>
        <source>&quot;name&quot; fehlt oder ist leer</source>
        <translation>&quot;name&quot; falta o está vacío</translation>
    </message>
    <message>
        <source>&quot;description&quot; ist kein Text</source>
        <translation>&quot;description&quot; no es un texto</translation>
    </message>
    <message>
        <source>&quot;start&quot; braucht genau eines von &quot;fixed&quot; (Sekunden) oder &quot;random&quot; ([von, bis])</source>
        <translation>&quot;start&quot; necesita exactamente uno de &quot;fixed&quot; (segundos) o &quot;random&quot; ([desde, hasta])</translation>
    </message>
    <message>
        <source>Startverzögerung muss zwischen 0 und %1 s liegen</source>
        <translation>el retardo de inicio debe estar entre 0 y %1 s</translation>
    </message>
    <message>
        <source>&quot;random&quot; braucht zwei Sekundenwerte zwischen 0 und %1</source>
        <translation>&quot;random&quot; necesita dos valores en segundos entre 0 y %1</translation>
    </message>
    <message>
        <source>&quot;random&quot;: der erste Wert ist größer als der zweite</source>
        <translation>&quot;random&quot;: el primer valor es mayor que el segundo</translation>
    </message>
    <message>
        <source>&quot;pause&quot; muss zwischen 0 und %1 s liegen</source>
        <translation>&quot;pause&quot; debe estar entre 0 y %1 s</translation>
    </message>
    <message>
        <source>&quot;strings&quot; fehlt oder ist leer</source>
        <translation>&quot;strings&quot; falta o está vacío</translation>
    </message>
    <message>
        <source>Serie %1 ist kein Objekt</source>
        <translation>la serie %1 no es un objeto</translation>
    </message>
    <message>
        <source>Serie %1: unbekanntes Feld &quot;%2&quot;</source>
        <translation>serie %1: campo desconocido &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Serie %1: &quot;shots&quot; muss eine ganze Zahl von 1 bis %2 sein</source>
        <translation>serie %1: &quot;shots&quot; debe ser un número entero de 1 a %2</translation>
    </message>
    <message>
        <source>Serie %1: &quot;par&quot; muss zwischen 0 und %2 s liegen</source>
        <translation>serie %1: &quot;par&quot; debe estar entre 0 y %2 s</translation>
    </message>
    <message>
        <source>Serie %1: &quot;targets&quot; ist leer</source>
        <translation>serie %1: &quot;targets&quot; está vacío</translation>
    </message>
    <message>
        <source>Serie %1: jedes Ziel braucht einen Namen</source>
        <translation>serie %1: cada blanco necesita un nombre</translation>
    </message>
    <message>
        <source>Serie %1: %2 Ziele für %3 Schüsse (eines für alle oder eines je Schuss)</source>
        <translation>serie %1: %2 blancos para %3 disparos (uno para todos o uno por disparo)</translation>
    </message>
    <message>
        <source>Serie %1: &quot;reload_after&quot; braucht Schussnummern von 1 bis %2</source>
        <translation>serie %1: &quot;reload_after&quot; necesita números de disparo de 1 a %2</translation>
    </message>
    <message>
        <source>Serie %1: &quot;repeat&quot; muss eine ganze Zahl von 1 bis %2 sein</source>
        <translation>serie %1: &quot;repeat&quot; debe ser un número entero de 1 a %2</translation>
    </message>
    <message>
        <source>mehr als %1 Serien</source>
        <translation>más de %1 series</translation>
    </message>
    <message>
        <source>&quot;score&quot; muss &quot;hits&quot;, &quot;points&quot; oder &quot;hitfactor&quot; sein</source>
        <translation>&quot;score&quot; debe ser &quot;hits&quot;, &quot;points&quot; o &quot;hitfactor&quot;</translation>
    </message>
    <message>
        <source>&quot;pass&quot; ist kein Objekt</source>
        <translation>&quot;pass&quot; no es un objeto</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: unbekanntes Feld &quot;%1&quot;</source>
        <translation>&quot;pass&quot;: campo desconocido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: &quot;par&quot; muss true oder false sein</source>
        <translation>&quot;pass&quot;: &quot;par&quot; debe ser true o false</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: &quot;min_hits&quot; muss eine ganze Zahl von 0 bis %1 sein</source>
        <translation>&quot;pass&quot;: &quot;min_hits&quot; debe ser un número entero de 0 a %1</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: &quot;min_points&quot; muss eine ganze Zahl sein</source>
        <translation>&quot;pass&quot;: &quot;min_points&quot; debe ser un número entero</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: &quot;min_hit_factor&quot; muss zwischen 0 und 1000 liegen</source>
        <translation>&quot;pass&quot;: &quot;min_hit_factor&quot; debe estar entre 0 y 1000</translation>
    </message>
    <message>
        <source>kann nicht gelesen werden (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>größer als %1 KiB</source>
        <translation>mayor que %1 KiB</translation>
    </message>
    <message>
        <source>braucht %1 Ziele, das Projekt hat %2</source>
        <translation>necesita %1 blancos, el proyecto tiene %2</translation>
    </message>
    <message>
        <source>braucht das Ziel &quot;%1&quot;, das im Projekt fehlt</source>
        <translation>necesita el blanco &quot;%1&quot;, que falta en el proyecto</translation>
    </message>
</context>
<context>
    <name>DrillSession</name>
    <message>
        <source>%1 Treffer</source>
        <translation>%1 impactos</translation>
    </message>
    <message>
        <source>%1 Punkte</source>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>HF %1</source>
        <translation>HF %1</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Serie</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Lauf</source>
        <translation>Pasada</translation>
    </message>
    <message>
        <source>Startsignal nach</source>
        <translation>Señal tras</translation>
    </message>
    <message>
        <source>Erster Schuss</source>
        <translation>Primer disparo</translation>
    </message>
    <message>
        <source>Splits</source>
        <translation>Parciales</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Treffer</source>
        <translation>Impactos</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Hit-Faktor</source>
        <translation>Hit factor</translation>
    </message>
    <message>
        <source>Ziele (Treffer/Fehler)</source>
        <translation>Blancos (impactos/fallos)</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Wertung</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <translation>Salida en falso</translation>
    </message>
    <message>
        <source>Abgebrochen</source>
        <translation>Interrumpido</translation>
    </message>
    <message>
        <source>Bestanden</source>
        <translation>Superado</translation>
    </message>
    <message>
        <source>Nicht bestanden</source>
        <translation>No superado</translation>
    </message>
    <message>
        <source>Par überschritten</source>
        <translation>par superado</translation>
    </message>
    <message>
        <source>Bester</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Media</translation>
    </message>
</context>
<context>
    <name>FormTargetPDFTool</name>
    <message>
        <source>Zielscheibengenerator</source>
        <translation>Generador de dianas</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Schriftart</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Scheiben X</source>
        <translation>Dianas X</translation>
    </message>
    <message>
        <source>Scheiben Y</source>
        <translation>Dianas Y</translation>
    </message>
    <message>
        <source>Abstand X</source>
        <translation>Distancia X</translation>
    </message>
    <message>
        <source>Abstand Y</source>
        <translation>Distancia Y</translation>
    </message>
    <message>
        <source>Positionskreuze</source>
        <translation>Cruces de referencia</translation>
    </message>
    <message>
        <source>Wasserzeichen</source>
        <translation>Marca de agua</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Diana</translation>
    </message>
    <message>
        <source>Anzahl Kreise</source>
        <translation>Número de círculos</translation>
    </message>
    <message>
        <source>Anzahl Innere Kreise</source>
        <translation>Círculos interiores</translation>
    </message>
    <message>
        <source>Durchmesser Außenkreis</source>
        <translation>Diámetro exterior</translation>
    </message>
    <message>
        <source>Linienstärke</source>
        <translation>Grosor de línea</translation>
    </message>
    <message>
        <source>Bullseye</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Nummern</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>PDF Erzeugen</source>
        <translation>Generar PDF</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>die Druckausgabe lässt sich nicht öffnen</source>
        <translation>no se puede abrir la salida de impresión</translation>
    </message>
    <message>
        <source>PDF gespeichert: %1</source>
        <translation>PDF guardado: %1</translation>
    </message>
    <message>
        <source>Nichts gespeichert: %1 (%2)</source>
        <translation>No se guardó nada: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>GroupFigures</name>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>Schüsse</source>
        <translation>Disparos</translation>
    </message>
    <message>
        <source>links</source>
        <translation>a la izquierda</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>a la derecha</translation>
    </message>
    <message>
        <source>hoch</source>
        <translation>alto</translation>
    </message>
    <message>
        <source>tief</source>
        <translation>bajo</translation>
    </message>
    <message>
        <source>Mittlerer Treffpunkt</source>
        <translation>Punto medio de impacto</translation>
    </message>
    <message>
        <source>Größte Streuung</source>
        <translation>Dispersión máxima</translation>
    </message>
    <message>
        <source>Mittlerer Radius</source>
        <translation>Radio medio</translation>
    </message>
    <message>
        <source>Standardabweichung waagerecht</source>
        <translation>Desviación típica horizontal</translation>
    </message>
    <message>
        <source>Standardabweichung senkrecht</source>
        <translation>Desviación típica vertical</translation>
    </message>
</context>
<context>
    <name>HistoryButton</name>
    <message>
        <source>Verlauf</source>
        <translation>Historial</translation>
    </message>
</context>
<context>
    <name>HistorySessionsModel</name>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
    </message>
    <message>
        <source>Spiel</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>%1, Serie %2</source>
        <translation>%1, serie %2</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Übung</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Schüsse</source>
        <translation>Disparos</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Hit-Faktor</source>
        <translation>Hit factor</translation>
    </message>
    <message>
        <source>Erster Schuss (s)</source>
        <translation>Primer disparo (s)</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Agrupación</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Trainingsverlauf</source>
        <translation>Historial de entrenamiento</translation>
    </message>
    <message>
        <source>Aktualisieren</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Schussbild</source>
        <translation>Impactos</translation>
    </message>
    <message>
        <source>CSV exportieren</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Übung:</source>
        <translation>Ejercicio:</translation>
    </message>
    <message>
        <source>Ziel:</source>
        <translation>Blanco:</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Hit-Faktor</source>
        <translation>Hit factor</translation>
    </message>
    <message>
        <source>Erster Schuss (s)</source>
        <translation>Primer disparo (s)</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Agrupación</translation>
    </message>
    <message>
        <source>Verlauf als CSV speichern</source>
        <translation>Guardar el historial como CSV</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Der Trainingsverlauf ist nicht verfügbar: %1</source>
        <translation>El historial de entrenamiento no está disponible: %1</translation>
    </message>
    <message>
        <source>Alle</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Nur Spiele</source>
        <translation>Solo juegos</translation>
    </message>
    <message>
        <source>Serien: %1 (%2)</source>
        <translation>Series: %1 (%2)</translation>
    </message>
    <message>
        <source>Gruppe (%1)</source>
        <translation>Agrupación (%1)</translation>
    </message>
    <message>
        <source>Die Serie kann nicht geladen werden.</source>
        <translation>No se puede cargar la serie.</translation>
    </message>
    <message>
        <source>%1 kann nicht gespeichert werden: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>Serien gespeichert: %1 (%2)</source>
        <translation>Series guardadas: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Orvex Fieldshot</source>
        <translation>Orvex Fieldshot</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>PDF-Tool</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Fullscr.</source>
        <translation>Pant. compl.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Targets</source>
        <translation>Dianas</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Camera 1</source>
        <translation>Cámara 1</translation>
    </message>
    <message>
        <source>Cam 1 Settings</source>
        <translation>Ajustes de cámara</translation>
    </message>
    <message>
        <source>Camera 2</source>
        <translation>Cámara 2</translation>
    </message>
    <message>
        <source>Cam 2 Settings</source>
        <translation>Ajustes de cámara</translation>
    </message>
    <message>
        <source>Camera 3</source>
        <translation>Cámara 3</translation>
    </message>
    <message>
        <source>Cam 3 Settings</source>
        <translation>Ajustes de cámara</translation>
    </message>
    <message>
        <source>Camera 4</source>
        <translation>Cámara 4</translation>
    </message>
    <message>
        <source>Cam 4 Settings</source>
        <translation>Ajustes de cámara</translation>
    </message>
    <message>
        <source>Add RectTarget</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Add Circle Target</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Add Polygon Target</source>
        <translation>Polígono</translation>
    </message>
    <message>
        <source>Corrected Rings</source>
        <translation>Diana corregida</translation>
    </message>
    <message>
        <source>Generate Target</source>
        <translation>Generar diana</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Diana</translation>
    </message>
    <message>
        <source>Start Button</source>
        <translation>Botón de inicio</translation>
    </message>
    <message>
        <source>Ignore Area</source>
        <translation>Zona ignorada</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Kamera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Scheibe</source>
        <translation>Diana</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Kreisziel</source>
        <translation>Circular</translation>
    </message>
    <message>
        <source>Bildziel</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Anzeigebild:</source>
        <translation>Imagen mostrada:</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Punktebild:</source>
        <translation>Imagen de puntos:</translation>
    </message>
    <message>
        <source>Anzeigebild Auswählen</source>
        <translation>Elegir imagen mostrada</translation>
    </message>
    <message>
        <source>Punktebild Auswählen</source>
        <translation>Elegir imagen de puntos</translation>
    </message>
    <message>
        <source>Kreise</source>
        <translation>Círculos</translation>
    </message>
    <message>
        <source>Innenkreise</source>
        <translation>Círculos interiores</translation>
    </message>
    <message>
        <source>Bullseye</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Zahlen</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Bearbeiten Beenden</source>
        <translation>Terminar edición</translation>
    </message>
    <message>
        <source>Zielscheibe</source>
        <translation>Dianas</translation>
    </message>
    <message>
        <source>Zeitspiel</source>
        <translation>Contrarreloj</translation>
    </message>
    <message>
        <source>Shot Count</source>
        <translation>Disparos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>0:00</source>
        <translation>0:00</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Windowed</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Es darf nur ein Korrekturziel geben.</source>
        <translation>Solo puede haber una diana corregida.</translation>
    </message>
    <message>
        <source>Entzerrte Ziele</source>
        <translation>Diana corregida</translation>
    </message>
    <message>
        <source>Target No. %1</source>
        <translation>Diana n.º %1</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Espere</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>Treffer</source>
        <translation>Impacto</translation>
    </message>
    <message>
        <source>-No Camera-</source>
        <translation>-Sin cámara-</translation>
    </message>
    <message>
        <source>Bild zu groß, nicht geladen: %1 (%2 x %3 Pixel)</source>
        <translation>Imagen demasiado grande, no cargada: %1 (%2 x %3 píxeles)</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Als CSV speichern…</source>
        <translation>Guardar como CSV…</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Nicht gespeichert: %1</source>
        <translation>No guardado: %1</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation>Archivos de imagen (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Ringscheibe</source>
        <translation>Diana de anillos</translation>
    </message>
    <message>
        <source>Wie viele Ringe soll die Scheibe haben?</source>
        <translation>¿Cuántos anillos debe tener la diana?</translation>
    </message>
    <message>
        <source>Ring </source>
        <translation>Anillo </translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Als CSV speichern</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Diana</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Zeit (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
    <message>
        <source>Fehlschuss</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <translation>Salida falsa</translation>
    </message>
    <message>
        <source>Projekt gespeichert: %1</source>
        <translation>Proyecto guardado: %1</translation>
    </message>
    <message>
        <source>Nichts gespeichert: %1 (%2)</source>
        <translation>No se guardó nada: %1 (%2)</translation>
    </message>
    <message>
        <source>Neues Projekt.</source>
        <translation>Proyecto nuevo.</translation>
    </message>
    <message>
        <source>%1 kann nicht geöffnet werden; nichts geändert.</source>
        <translation>No se puede abrir %1; no ha cambiado nada.</translation>
    </message>
    <message>
        <source>Projekt %1 geöffnet.</source>
        <translation>Proyecto %1 abierto.</translation>
    </message>
    <message>
        <source>%1 enthält kein Projekt: Ziele gelöscht, alles auf den Vorgaben.</source>
        <translation>%1 no contiene ningún proyecto: blancos borrados, todo en sus valores predeterminados.</translation>
    </message>
    <message>
        <source>Das vorige Projekt konnte nicht gesichert werden (%1).</source>
        <translation>No se pudo conservar el proyecto anterior (%1).</translation>
    </message>
    <message>
        <source>Das vorige liegt in %1.</source>
        <translation>El anterior se conserva en %1.</translation>
    </message>
    <message>
        <source>Voriges Projekt wiederhergestellt.</source>
        <translation>Proyecto anterior restaurado.</translation>
    </message>
    <message>
        <source>Das Punktebild bestimmt die Punkte eines Treffers: Es wird über das angezeigte Anzeigebild gestreckt, und der Pixel an der Trefferstelle zählt seinen Rotanteil (0 bis 255) geteilt durch 10, ohne Rest: 0 bis 25 Punkte. Grün, Blau und Transparenz zählen nicht; 0 Punkte ist ein Fehlschuss.</source>
        <translation>La imagen de puntos da sus puntos a un impacto: se estira sobre la imagen mostrada, y el píxel del impacto cuenta su componente roja (0 a 255) dividida entre 10, sin resto: 0 a 25 puntos. El verde, el azul y la transparencia no cuentan; 0 puntos es un fallo.</translation>
    </message>
    <message>
        <source>Trefferbild ...</source>
        <translation>Agrupación ...</translation>
    </message>
    <message>
        <source>Anzeigescheibe</source>
        <translation>Diana mostrada</translation>
    </message>
    <message>
        <source>Kamera %1: nur %2 Bilder/s</source>
        <translation>Cámara %1: solo %2 fps</translation>
    </message>
    <message>
        <source>Kamera %1: seit %2 s keine Bilder</source>
        <translation>Cámara %1: sin imágenes desde hace %2 s</translation>
    </message>
    <message>
        <source>Drills und Schusstimer…</source>
        <translation>Ejercicios y cronómetro…</translation>
    </message>
    <message>
        <source>Die Schusszahl des Spiels (%1) ist kleiner als die längste Serie (%2): das Spiel endet vor der Serie.</source>
        <translation>El número de disparos del juego (%1) es menor que la serie más larga (%2): el juego termina antes que la serie.</translation>
    </message>
    <message>
        <source>Trainingsverlauf nicht verfügbar: %1</source>
        <translation>Historial de entrenamiento no disponible: %1</translation>
    </message>
    <message>
        <source>Die Verbindungsangabe ist ungültig</source>
        <translation>La configuración de conexión no es válida</translation>
    </message>
</context>
<context>
    <name>RecoveryFolder</name>
    <message>
        <source>Ordner %1 kann nicht angelegt werden</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>RejectedSpotPainter</name>
    <message>
        <source>zu groß</source>
        <translation>demasiado grande</translation>
    </message>
    <message>
        <source>zu lang</source>
        <translation>demasiado largo</translation>
    </message>
    <message>
        <source>zu schwach</source>
        <translation>demasiado débil</translation>
    </message>
    <message>
        <source>nicht rund</source>
        <translation>no redondo</translation>
    </message>
    <message>
        <source>bewegt</source>
        <translation>en movimiento</translation>
    </message>
    <message>
        <source>am Rand</source>
        <translation>en el borde</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>Datenträger voll</source>
        <translation>disco lleno</translation>
    </message>
    <message>
        <source>die Datei ließ sich nicht vollständig schreiben</source>
        <translation>no se pudo escribir el archivo completo</translation>
    </message>
</context>
<context>
    <name>UndoNotice</name>
    <message>
        <source>Rückgängig</source>
        <translation>Deshacer</translation>
    </message>
</context>
<context>
    <name>dialogSettings</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Lautstärke</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Französisch</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Verschiedenes</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>4 Kameras (experimentell)</source>
        <translation>4 cámaras (experimental)</translation>
    </message>
    <message>
        <source>Treffergröße</source>
        <translation>Tamaño del impacto</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Treffer</source>
        <translation>Impacto</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Diana</translation>
    </message>
    <message>
        <source>Ziel (getroffen)</source>
        <translation>Diana (alcanzada)</translation>
    </message>
    <message>
        <source>Startbutton</source>
        <translation>Botón de inicio</translation>
    </message>
    <message>
        <source>Ignorierter Bereich</source>
        <translation>Zona ignorada</translation>
    </message>
    <message>
        <source>Entzerrte Ringscheibe</source>
        <translation>Diana corregida</translation>
    </message>
    <message>
        <source>Standardwerte</source>
        <translation>Valores por defecto</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
