<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
