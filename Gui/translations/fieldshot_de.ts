<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AnalysisWindow</name>
    <message>
        <source>Trefferbild</source>
        <translation>Trefferbild</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Wertung</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Zehntelwertung</source>
        <translation>Zehntelwertung</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Breite des Ziels</source>
        <translation>Breite des Ziels</translation>
    </message>
    <message>
        <source>Wie PDF-Bogen</source>
        <translation>Wie PDF-Bogen</translation>
    </message>
    <message>
        <source>Der Durchmesser des äußeren Rings der Scheiben, die das PDF-Tool druckt</source>
        <translation>Der Durchmesser des äußeren Rings der Scheiben, die das PDF-Tool druckt</translation>
    </message>
    <message>
        <source>Laser-Nullpunkt</source>
        <translation>Laser-Nullpunkt</translation>
    </message>
    <message>
        <source>Nullen</source>
        <translation>Nullen</translation>
    </message>
    <message>
        <source>Die Schüsse dieser Serie, auf die Mitte gezielt, ergeben den Versatz jeder Kamera.</source>
        <translation>Die Schüsse dieser Serie, auf die Mitte gezielt, ergeben den Versatz jeder Kamera.</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Bericht speichern ...</source>
        <translation>Bericht speichern ...</translation>
    </message>
    <message>
        <source>Kamera %1: %2, %3</source>
        <translation>Kamera %1: %2, %3</translation>
    </message>
    <message>
        <source>Nicht gesetzt</source>
        <translation>Nicht gesetzt</translation>
    </message>
    <message>
        <source>Summe: %1</source>
        <translation>Summe: %1</translation>
    </message>
    <message>
        <source>Bericht speichern</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;PNG-Bild (*.png)</source>
        <translation>PDF (*.pdf);;PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>Camera</name>
    <message>
        <source>Gerät nicht vorhanden</source>
        <translation>Gerät nicht vorhanden</translation>
    </message>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Datei nicht lesbar</source>
        <translation>Datei nicht lesbar</translation>
    </message>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Keine Videodatei</source>
        <translation>Keine Videodatei</translation>
    </message>
    <message>
        <source>Keine Bilder in der Datei</source>
        <translation>Keine Bilder in der Datei</translation>
    </message>
    <message>
        <source>Szenario nicht lesbar</source>
        <translation>Szenario nicht lesbar</translation>
    </message>
    <message>
        <source>Gerät belegt</source>
        <translation>Gerät belegt</translation>
    </message>
    <message>
        <source>Gerät lässt sich nicht öffnen</source>
        <translation>Gerät lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Gerät liefert keine Bilder mehr</source>
        <translation>Gerät liefert keine Bilder mehr</translation>
    </message>
    <message>
        <source>Eine andere Kamera ist geöffnet</source>
        <translation>Eine andere Kamera ist geöffnet</translation>
    </message>
</context>
<context>
    <name>DialogCameraCheck</name>
    <message>
        <source>Kamera-Check: %1</source>
        <translation>Kamera-Check: %1</translation>
    </message>
    <message>
        <source>Bildrate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Bild</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Neu messen</source>
        <translation>Neu messen</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Schusstest</source>
        <translation>Schusstest</translation>
    </message>
    <message>
        <source>Schüsse auf die Bildmitte:</source>
        <translation>Schüsse auf die Bildmitte:</translation>
    </message>
    <message>
        <source>Die Kamera ist nicht geöffnet.</source>
        <translation>Die Kamera ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>%1 Bilder/s gemessen, %2 Bilder/s eingestellt</source>
        <translation>%1 Bilder/s gemessen, %2 Bilder/s eingestellt</translation>
    </message>
    <message>
        <source>%1 Bilder/s gemessen</source>
        <translation>%1 Bilder/s gemessen</translation>
    </message>
    <message>
        <source>Verloren: %1 von %2 (%3 %), laut Treiber</source>
        <translation>Verloren: %1 von %2 (%3 %), laut Treiber</translation>
    </message>
    <message>
        <source>Verloren: %1 von %2 (%3 %), laut Bildzeiten</source>
        <translation>Verloren: %1 von %2 (%3 %), laut Bildzeiten</translation>
    </message>
    <message>
        <source>Beschädigt angekommen: %1</source>
        <translation>Beschädigt angekommen: %1</translation>
    </message>
    <message>
        <source>Noch kein Bild.</source>
        <translation>Noch kein Bild.</translation>
    </message>
    <message>
        <source>Helligkeit des Hintergrunds: %1 von 255</source>
        <translation>Helligkeit des Hintergrunds: %1 von 255</translation>
    </message>
    <message>
        <source>Übersteuerte Pixel: %1 %</source>
        <translation>Übersteuerte Pixel: %1 %</translation>
    </message>
    <message>
        <source>Rauschen: %1 Graustufen</source>
        <translation>Rauschen: %1 Graustufen</translation>
    </message>
    <message>
        <source>Rauschen: wird gemessen</source>
        <translation>Rauschen: wird gemessen</translation>
    </message>
    <message>
        <source>Die Kamera liefert keine Bilder. Kabel und Anschluss prüfen, oder die Kamera auf der Kameraseite neu wählen.</source>
        <translation>Die Kamera liefert keine Bilder. Kabel und Anschluss prüfen, oder die Kamera auf der Kameraseite neu wählen.</translation>
    </message>
    <message>
        <source>Die Kamera liefert weniger Bilder als eingestellt. Meist belichtet sie länger, weil es zu dunkel ist: den Raum heller machen oder die Belichtung von Hand kürzer stellen.</source>
        <translation>Die Kamera liefert weniger Bilder als eingestellt. Meist belichtet sie länger, weil es zu dunkel ist: den Raum heller machen oder die Belichtung von Hand kürzer stellen.</translation>
    </message>
    <message>
        <source>Bilder gehen verloren. Die Kamera an einen eigenen USB-Anschluss stecken und andere Kameras am selben Verteiler abziehen.</source>
        <translation>Bilder gehen verloren. Die Kamera an einen eigenen USB-Anschluss stecken und andere Kameras am selben Verteiler abziehen.</translation>
    </message>
    <message>
        <source>Es kommen beschädigte Bilder an. Ein anderes USB-Kabel oder einen anderen Anschluss versuchen.</source>
        <translation>Es kommen beschädigte Bilder an. Ein anderes USB-Kabel oder einen anderen Anschluss versuchen.</translation>
    </message>
    <message>
        <source>Der Hintergrund ist fast weiß: ein Laserpunkt hebt sich davon nicht ab. Die Belichtung verringern.</source>
        <translation>Der Hintergrund ist fast weiß: ein Laserpunkt hebt sich davon nicht ab. Die Belichtung verringern.</translation>
    </message>
    <message>
        <source>Ein großer Teil des Bildes ist übersteuert: Schüsse dort sind nicht zu sehen. Die Belichtung verringern oder die helle Fläche aus dem Bild nehmen.</source>
        <translation>Ein großer Teil des Bildes ist übersteuert: Schüsse dort sind nicht zu sehen. Die Belichtung verringern oder die helle Fläche aus dem Bild nehmen.</translation>
    </message>
    <message>
        <source>Das Bild rauscht stark: schwache Schüsse gehen darin unter. Mehr Licht in den Raum bringen oder die Verstärkung senken.</source>
        <translation>Das Bild rauscht stark: schwache Schüsse gehen darin unter. Mehr Licht in den Raum bringen oder die Verstärkung senken.</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten.</source>
        <translation>Keine Auffälligkeiten.</translation>
    </message>
    <message>
        <source>Test beenden</source>
        <translation>Test beenden</translation>
    </message>
    <message>
        <source>Test starten</source>
        <translation>Test starten</translation>
    </message>
    <message>
        <source>Den Test starten, dann die gewählte Zahl Schüsse auf das Kreuz in der Bildmitte abgeben.</source>
        <translation>Den Test starten, dann die gewählte Zahl Schüsse auf das Kreuz in der Bildmitte abgeben.</translation>
    </message>
    <message>
        <source>Gesehen: %1 von %2</source>
        <translation>Gesehen: %1 von %2</translation>
    </message>
    <message>
        <source>Gesehen: %1 von %2, nicht gesehen: %3</source>
        <translation>Gesehen: %1 von %2, nicht gesehen: %3</translation>
    </message>
    <message>
        <source>Außerhalb der Mitte gemeldet: %1</source>
        <translation>Außerhalb der Mitte gemeldet: %1</translation>
    </message>
    <message>
        <source>Streuung: größter Abstand %1 px, mittlerer Abstand zum Trefferbild-Mittelpunkt %2 px; Mittelpunkt %3 px neben der Bildmitte</source>
        <translation>Streuung: größter Abstand %1 px, mittlerer Abstand zum Trefferbild-Mittelpunkt %2 px; Mittelpunkt %3 px neben der Bildmitte</translation>
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
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>S/W</source>
        <translation>S/W</translation>
    </message>
    <message>
        <source>Laser</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>Helligkeitsschwelle</source>
        <translation>Helligkeitsschwelle</translation>
    </message>
    <message>
        <source>Schusserkennung</source>
        <translation>Schusserkennung</translation>
    </message>
    <message>
        <source>min Size</source>
        <translation>min Size</translation>
    </message>
    <message>
        <source>max Size</source>
        <translation>max Size</translation>
    </message>
    <message>
        <source>min Dist.</source>
        <translation>min Dist.</translation>
    </message>
    <message>
        <source>Defaultwerte</source>
        <translation>Defaultwerte</translation>
    </message>
    <message>
        <source>Treiber</source>
        <translation>Treiber</translation>
    </message>
    <message>
        <source>Treiberfenster</source>
        <translation>Treiberfenster</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Belichtung</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Kamera-Check</source>
        <translation>Kamera-Check</translation>
    </message>
</context>
<context>
    <name>DialogDriverControls</name>
    <message>
        <source>Treiber: %1</source>
        <translation>Treiber: %1</translation>
    </message>
    <message>
        <source>Diese Kamera bietet keine Treibereinstellungen.</source>
        <translation>Diese Kamera bietet keine Treibereinstellungen.</translation>
    </message>
    <message>
        <source>Alle auf Standard</source>
        <translation>Alle auf Standard</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Belichtungsautomatik</source>
        <translation>Belichtungsautomatik</translation>
    </message>
    <message>
        <source>Weißabgleich automatisch</source>
        <translation>Weißabgleich automatisch</translation>
    </message>
    <message>
        <source>Netzfrequenz</source>
        <translation>Netzfrequenz</translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Manuell</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Zeitautomatik</source>
        <translation>Zeitautomatik</translation>
    </message>
    <message>
        <source>Blendenautomatik</source>
        <translation>Blendenautomatik</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Aus</translation>
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
        <translation>Kein Drill (Spiel wie gewohnt)</translation>
    </message>
    <message>
        <source>eigener</source>
        <translation>eigener</translation>
    </message>
    <message>
        <source>Serie %1/%2</source>
        <translation>Serie %1/%2</translation>
    </message>
    <message>
        <source>Kein Drill gewählt</source>
        <translation>Kein Drill gewählt</translation>
    </message>
    <message>
        <source>Bereit: Start, Leertaste oder Startfeld</source>
        <translation>Bereit: Start, Leertaste oder Startfeld</translation>
    </message>
    <message>
        <source>Achtung … %1</source>
        <translation>Achtung … %1</translation>
    </message>
    <message>
        <source>Los! %1</source>
        <translation>Los! %1</translation>
    </message>
    <message>
        <source>Pause, dann %1</source>
        <translation>Pause, dann %1</translation>
    </message>
    <message>
        <source>%1 s   %2/%3 Schüsse</source>
        <translation>%1 s   %2/%3 Schüsse</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <translation>Fehlstart</translation>
    </message>
    <message>
        <source>Signal nach %1 s · erster Schuss %2 s · Splits %3 · Gesamt %4 s · %5</source>
        <translation>Signal nach %1 s · erster Schuss %2 s · Splits %3 · Gesamt %4 s · %5</translation>
    </message>
    <message>
        <source>Bestanden</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Nicht bestanden</source>
        <translation>Nicht bestanden</translation>
    </message>
    <message>
        <source>Ergebnisse speichern</source>
        <translation>Ergebnisse speichern</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>%1: kann nicht gespeichert werden</source>
        <translation>%1: kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Drills und Schusstimer</source>
        <translation>Drills und Schusstimer</translation>
    </message>
    <message>
        <source>Neu laden</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Liest die Drills erneut, auch die eigenen aus %1</source>
        <translation>Liest die Drills erneut, auch die eigenen aus %1</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Als CSV speichern…</source>
        <translation>Als CSV speichern…</translation>
    </message>
    <message>
        <source>Ergebnisse löschen</source>
        <translation>Ergebnisse löschen</translation>
    </message>
</context>
<context>
    <name>DrillReader</name>
    <message>
        <source>kein gültiges JSON (%1 bei Zeichen %2)</source>
        <translation>kein gültiges JSON (%1 bei Zeichen %2)</translation>
    </message>
    <message>
        <source>kein JSON-Objekt</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>unbekanntes Feld &quot;%1&quot;</source>
        <translation>unbekanntes Feld &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;fieldshot_drill&quot; fehlt: keine Drill-Datei</source>
        <translation>&quot;fieldshot_drill&quot; fehlt: keine Drill-Datei</translation>
    </message>
    <message>
        <source>Formatversion %1 wird nicht unterstützt (nur %2)</source>
        <translation>Formatversion %1 wird nicht unterstützt (nur %2)</translation>
    </message>
    <message>
        <source>&quot;name&quot; fehlt oder ist leer</source>
        <translation>&quot;name&quot; fehlt oder ist leer</translation>
    </message>
    <message>
        <source>&quot;description&quot; ist kein Text</source>
        <translation>&quot;description&quot; ist kein Text</translation>
    </message>
    <message>
        <source>&quot;start&quot; braucht genau eines von &quot;fixed&quot; (Sekunden) oder &quot;random&quot; ([von, bis])</source>
        <translation>&quot;start&quot; braucht genau eines von &quot;fixed&quot; (Sekunden) oder &quot;random&quot; ([von, bis])</translation>
    </message>
    <message>
        <source>Startverzögerung muss zwischen 0 und %1 s liegen</source>
        <translation>Startverzögerung muss zwischen 0 und %1 s liegen</translation>
    </message>
    <message>
        <source>&quot;random&quot; braucht zwei Sekundenwerte zwischen 0 und %1</source>
        <translation>&quot;random&quot; braucht zwei Sekundenwerte zwischen 0 und %1</translation>
    </message>
    <message>
        <source>&quot;random&quot;: der erste Wert ist größer als der zweite</source>
        <translation>&quot;random&quot;: der erste Wert ist größer als der zweite</translation>
    </message>
    <message>
        <source>&quot;pause&quot; muss zwischen 0 und %1 s liegen</source>
        <translation>&quot;pause&quot; muss zwischen 0 und %1 s liegen</translation>
    </message>
    <message>
        <source>&quot;strings&quot; fehlt oder ist leer</source>
        <translation>&quot;strings&quot; fehlt oder ist leer</translation>
    </message>
    <message>
        <source>Serie %1 ist kein Objekt</source>
        <translation>Serie %1 ist kein Objekt</translation>
    </message>
    <message>
        <source>Serie %1: unbekanntes Feld &quot;%2&quot;</source>
        <translation>Serie %1: unbekanntes Feld &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Serie %1: &quot;shots&quot; muss eine ganze Zahl von 1 bis %2 sein</source>
        <translation>Serie %1: &quot;shots&quot; muss eine ganze Zahl von 1 bis %2 sein</translation>
    </message>
    <message>
        <source>Serie %1: &quot;par&quot; muss zwischen 0 und %2 s liegen</source>
        <translation>Serie %1: &quot;par&quot; muss zwischen 0 und %2 s liegen</translation>
    </message>
    <message>
        <source>Serie %1: &quot;targets&quot; ist leer</source>
        <translation>Serie %1: &quot;targets&quot; ist leer</translation>
    </message>
    <message>
        <source>Serie %1: jedes Ziel braucht einen Namen</source>
        <translation>Serie %1: jedes Ziel braucht einen Namen</translation>
    </message>
    <message>
        <source>Serie %1: %2 Ziele für %3 Schüsse (eines für alle oder eines je Schuss)</source>
        <translation>Serie %1: %2 Ziele für %3 Schüsse (eines für alle oder eines je Schuss)</translation>
    </message>
    <message>
        <source>Serie %1: &quot;reload_after&quot; braucht Schussnummern von 1 bis %2</source>
        <translation>Serie %1: &quot;reload_after&quot; braucht Schussnummern von 1 bis %2</translation>
    </message>
    <message>
        <source>Serie %1: &quot;repeat&quot; muss eine ganze Zahl von 1 bis %2 sein</source>
        <translation>Serie %1: &quot;repeat&quot; muss eine ganze Zahl von 1 bis %2 sein</translation>
    </message>
    <message>
        <source>mehr als %1 Serien</source>
        <translation>mehr als %1 Serien</translation>
    </message>
    <message>
        <source>&quot;score&quot; muss &quot;hits&quot;, &quot;points&quot; oder &quot;hitfactor&quot; sein</source>
        <translation>&quot;score&quot; muss &quot;hits&quot;, &quot;points&quot; oder &quot;hitfactor&quot; sein</translation>
    </message>
    <message>
        <source>&quot;pass&quot; ist kein Objekt</source>
        <translation>&quot;pass&quot; ist kein Objekt</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: unbekanntes Feld &quot;%1&quot;</source>
        <translation>&quot;pass&quot;: unbekanntes Feld &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: &quot;par&quot; muss true oder false sein</source>
        <translation>&quot;pass&quot;: &quot;par&quot; muss true oder false sein</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: &quot;min_hits&quot; muss eine ganze Zahl von 0 bis %1 sein</source>
        <translation>&quot;pass&quot;: &quot;min_hits&quot; muss eine ganze Zahl von 0 bis %1 sein</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: &quot;min_points&quot; muss eine ganze Zahl sein</source>
        <translation>&quot;pass&quot;: &quot;min_points&quot; muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: &quot;min_hit_factor&quot; muss zwischen 0 und 1000 liegen</source>
        <translation>&quot;pass&quot;: &quot;min_hit_factor&quot; muss zwischen 0 und 1000 liegen</translation>
    </message>
    <message>
        <source>kann nicht gelesen werden (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>größer als %1 KiB</source>
        <translation>größer als %1 KiB</translation>
    </message>
    <message>
        <source>braucht %1 Ziele, das Projekt hat %2</source>
        <translation>braucht %1 Ziele, das Projekt hat %2</translation>
    </message>
    <message>
        <source>braucht das Ziel &quot;%1&quot;, das im Projekt fehlt</source>
        <translation>braucht das Ziel &quot;%1&quot;, das im Projekt fehlt</translation>
    </message>
</context>
<context>
    <name>DrillSession</name>
    <message>
        <source>%1 Treffer</source>
        <translation>%1 Treffer</translation>
    </message>
    <message>
        <source>%1 Punkte</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>HF %1</source>
        <translation>HF %1</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Drill</translation>
    </message>
    <message>
        <source>Serie</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Lauf</source>
        <translation>Lauf</translation>
    </message>
    <message>
        <source>Startsignal nach</source>
        <translation>Startsignal nach</translation>
    </message>
    <message>
        <source>Erster Schuss</source>
        <translation>Erster Schuss</translation>
    </message>
    <message>
        <source>Splits</source>
        <translation>Splits</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Par</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Treffer</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Hit-Faktor</source>
        <translation>Hit-Faktor</translation>
    </message>
    <message>
        <source>Ziele (Treffer/Fehler)</source>
        <translation>Ziele (Treffer/Fehler)</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Wertung</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <translation>Fehlstart</translation>
    </message>
    <message>
        <source>Abgebrochen</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Bestanden</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Nicht bestanden</source>
        <translation>Nicht bestanden</translation>
    </message>
    <message>
        <source>Par überschritten</source>
        <translation>Par überschritten</translation>
    </message>
    <message>
        <source>Bester</source>
        <translation>Bester</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Mittel</translation>
    </message>
</context>
<context>
    <name>FormTargetPDFTool</name>
    <message>
        <source>Zielscheibengenerator</source>
        <translation>Zielscheibengenerator</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Schriftart</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Scheiben X</source>
        <translation>Scheiben X</translation>
    </message>
    <message>
        <source>Scheiben Y</source>
        <translation>Scheiben Y</translation>
    </message>
    <message>
        <source>Abstand X</source>
        <translation>Abstand X</translation>
    </message>
    <message>
        <source>Abstand Y</source>
        <translation>Abstand Y</translation>
    </message>
    <message>
        <source>Positionskreuze</source>
        <translation>Positionskreuze</translation>
    </message>
    <message>
        <source>Wasserzeichen</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Anzahl Kreise</source>
        <translation>Anzahl Kreise</translation>
    </message>
    <message>
        <source>Anzahl Innere Kreise</source>
        <translation>Anzahl Innere Kreise</translation>
    </message>
    <message>
        <source>Durchmesser Außenkreis</source>
        <translation>Durchmesser Außenkreis</translation>
    </message>
    <message>
        <source>Linienstärke</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>Bullseye</source>
        <translation>Bullseye</translation>
    </message>
    <message>
        <source>Nummern</source>
        <translation>Nummern</translation>
    </message>
    <message>
        <source>PDF Erzeugen</source>
        <translation>PDF Erzeugen</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>die Druckausgabe lässt sich nicht öffnen</source>
        <translation>die Druckausgabe lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>PDF gespeichert: %1</source>
        <translation>PDF gespeichert: %1</translation>
    </message>
    <message>
        <source>Nichts gespeichert: %1 (%2)</source>
        <translation>Nichts gespeichert: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>GroupFigures</name>
    <message>
        <source>n/a</source>
        <translation>n/a</translation>
    </message>
    <message>
        <source>Schüsse</source>
        <translation>Schüsse</translation>
    </message>
    <message>
        <source>links</source>
        <translation>links</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>hoch</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>tief</source>
        <translation>tief</translation>
    </message>
    <message>
        <source>Mittlerer Treffpunkt</source>
        <translation>Mittlerer Treffpunkt</translation>
    </message>
    <message>
        <source>Größte Streuung</source>
        <translation>Größte Streuung</translation>
    </message>
    <message>
        <source>Mittlerer Radius</source>
        <translation>Mittlerer Radius</translation>
    </message>
    <message>
        <source>Standardabweichung waagerecht</source>
        <translation>Standardabweichung waagerecht</translation>
    </message>
    <message>
        <source>Standardabweichung senkrecht</source>
        <translation>Standardabweichung senkrecht</translation>
    </message>
</context>
<context>
    <name>HistoryButton</name>
    <message>
        <source>Verlauf</source>
        <translation>Verlauf</translation>
    </message>
</context>
<context>
    <name>HistorySessionsModel</name>
    <message>
        <source>n/a</source>
        <translation>n/a</translation>
    </message>
    <message>
        <source>Spiel</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>%1, Serie %2</source>
        <translation>%1, Serie %2</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Übung</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Schüsse</source>
        <translation>Schüsse</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Hit-Faktor</source>
        <translation>Hit-Faktor</translation>
    </message>
    <message>
        <source>Erster Schuss (s)</source>
        <translation>Erster Schuss (s)</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Gruppe</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Trainingsverlauf</source>
        <translation>Trainingsverlauf</translation>
    </message>
    <message>
        <source>Aktualisieren</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Schussbild</source>
        <translation>Schussbild</translation>
    </message>
    <message>
        <source>CSV exportieren</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Übung:</source>
        <translation>Übung:</translation>
    </message>
    <message>
        <source>Ziel:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Hit-Faktor</source>
        <translation>Hit-Faktor</translation>
    </message>
    <message>
        <source>Erster Schuss (s)</source>
        <translation>Erster Schuss (s)</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Verlauf als CSV speichern</source>
        <translation>Verlauf als CSV speichern</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Der Trainingsverlauf ist nicht verfügbar: %1</source>
        <translation>Der Trainingsverlauf ist nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>Alle</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Nur Spiele</source>
        <translation>Nur Spiele</translation>
    </message>
    <message>
        <source>Serien: %1 (%2)</source>
        <translation>Serien: %1 (%2)</translation>
    </message>
    <message>
        <source>Gruppe (%1)</source>
        <translation>Gruppe (%1)</translation>
    </message>
    <message>
        <source>Die Serie kann nicht geladen werden.</source>
        <translation>Die Serie kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>%1 kann nicht gespeichert werden: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Serien gespeichert: %1 (%2)</source>
        <translation>Serien gespeichert: %1 (%2)</translation>
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
        <translation>New</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>PDF-Tool</source>
        <translation>PDF-Tool</translation>
    </message>
    <message>
        <source>Fullscr.</source>
        <translation>Fullscr.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Targets</source>
        <translation>Targets</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Camera 1</source>
        <translation>Camera 1</translation>
    </message>
    <message>
        <source>Cam 1 Settings</source>
        <translation>Cam 1 Settings</translation>
    </message>
    <message>
        <source>Camera 2</source>
        <translation>Camera 2</translation>
    </message>
    <message>
        <source>Cam 2 Settings</source>
        <translation>Cam 2 Settings</translation>
    </message>
    <message>
        <source>Camera 3</source>
        <translation>Camera 3</translation>
    </message>
    <message>
        <source>Cam 3 Settings</source>
        <translation>Cam 3 Settings</translation>
    </message>
    <message>
        <source>Camera 4</source>
        <translation>Camera 4</translation>
    </message>
    <message>
        <source>Cam 4 Settings</source>
        <translation>Cam 4 Settings</translation>
    </message>
    <message>
        <source>Add RectTarget</source>
        <translation>Add RectTarget</translation>
    </message>
    <message>
        <source>Add Circle Target</source>
        <translation>Add Circle Target</translation>
    </message>
    <message>
        <source>Add Polygon Target</source>
        <translation>Add Polygon Target</translation>
    </message>
    <message>
        <source>Corrected Rings</source>
        <translation>Corrected Rings</translation>
    </message>
    <message>
        <source>Generate Target</source>
        <translation>Generate Target</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Start Button</source>
        <translation>Start Button</translation>
    </message>
    <message>
        <source>Ignore Area</source>
        <translation>Ignore Area</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Kamera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Scheibe</source>
        <translation>Scheibe</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Kreisziel</source>
        <translation>Kreisziel</translation>
    </message>
    <message>
        <source>Bildziel</source>
        <translation>Bildziel</translation>
    </message>
    <message>
        <source>Anzeigebild:</source>
        <translation>Anzeigebild:</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Punktebild:</source>
        <translation>Punktebild:</translation>
    </message>
    <message>
        <source>Anzeigebild Auswählen</source>
        <translation>Anzeigebild Auswählen</translation>
    </message>
    <message>
        <source>Punktebild Auswählen</source>
        <translation>Punktebild Auswählen</translation>
    </message>
    <message>
        <source>Kreise</source>
        <translation>Kreise</translation>
    </message>
    <message>
        <source>Innenkreise</source>
        <translation>Innenkreise</translation>
    </message>
    <message>
        <source>Bullseye</source>
        <translation>Bullseye</translation>
    </message>
    <message>
        <source>Zahlen</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Bearbeiten Beenden</source>
        <translation>Bearbeiten Beenden</translation>
    </message>
    <message>
        <source>Zielscheibe</source>
        <translation>Zielscheibe</translation>
    </message>
    <message>
        <source>Zeitspiel</source>
        <translation>Zeitspiel</translation>
    </message>
    <message>
        <source>Shot Count</source>
        <translation>Shot Count</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
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
        <translation>Start</translation>
    </message>
    <message>
        <source>Windowed</source>
        <translation>Windowed</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Fullscreen</translation>
    </message>
    <message>
        <source>Es darf nur ein Korrekturziel geben.</source>
        <translation>Es darf nur ein Korrekturziel geben.</translation>
    </message>
    <message>
        <source>Entzerrte Ziele</source>
        <translation>Entzerrte Ziele</translation>
    </message>
    <message>
        <source>Target No. %1</source>
        <translation>Target No. %1</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Missed</translation>
    </message>
    <message>
        <source>Treffer</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>-No Camera-</source>
        <translation>-No Camera-</translation>
    </message>
    <message>
        <source>Bild zu groß, nicht geladen: %1 (%2 x %3 Pixel)</source>
        <translation>Bild zu groß, nicht geladen: %1 (%2 x %3 Pixel)</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Als CSV speichern…</source>
        <translation>Als CSV speichern…</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Nicht gespeichert: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation>Image Files (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Ringscheibe</source>
        <translation>Ringscheibe</translation>
    </message>
    <message>
        <source>Wie viele Ringe soll die Scheibe haben?</source>
        <translation>Wie viele Ringe soll die Scheibe haben?</translation>
    </message>
    <message>
        <source>Ring </source>
        <translation>Ring </translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Open Image</translation>
    </message>
    <message>
        <source>Als CSV speichern</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Zeit (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>Fehlschuss</source>
        <translation>Fehlschuss</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <translation>Fehlstart</translation>
    </message>
    <message>
        <source>Projekt gespeichert: %1</source>
        <translation>Projekt gespeichert: %1</translation>
    </message>
    <message>
        <source>Nichts gespeichert: %1 (%2)</source>
        <translation>Nichts gespeichert: %1 (%2)</translation>
    </message>
    <message>
        <source>Neues Projekt.</source>
        <translation>Neues Projekt.</translation>
    </message>
    <message>
        <source>%1 kann nicht geöffnet werden; nichts geändert.</source>
        <translation>%1 kann nicht geöffnet werden; nichts geändert.</translation>
    </message>
    <message>
        <source>Projekt %1 geöffnet.</source>
        <translation>Projekt %1 geöffnet.</translation>
    </message>
    <message>
        <source>%1 enthält kein Projekt: Ziele gelöscht, alles auf den Vorgaben.</source>
        <translation>%1 enthält kein Projekt: Ziele gelöscht, alles auf den Vorgaben.</translation>
    </message>
    <message>
        <source>Das vorige Projekt konnte nicht gesichert werden (%1).</source>
        <translation>Das vorige Projekt konnte nicht gesichert werden (%1).</translation>
    </message>
    <message>
        <source>Das vorige liegt in %1.</source>
        <translation>Das vorige liegt in %1.</translation>
    </message>
    <message>
        <source>Voriges Projekt wiederhergestellt.</source>
        <translation>Voriges Projekt wiederhergestellt.</translation>
    </message>
    <message>
        <source>Das Punktebild bestimmt die Punkte eines Treffers: Es wird über das angezeigte Anzeigebild gestreckt, und der Pixel an der Trefferstelle zählt seinen Rotanteil (0 bis 255) geteilt durch 10, ohne Rest: 0 bis 25 Punkte. Grün, Blau und Transparenz zählen nicht; 0 Punkte ist ein Fehlschuss.</source>
        <translation>Das Punktebild bestimmt die Punkte eines Treffers: Es wird über das angezeigte Anzeigebild gestreckt, und der Pixel an der Trefferstelle zählt seinen Rotanteil (0 bis 255) geteilt durch 10, ohne Rest: 0 bis 25 Punkte. Grün, Blau und Transparenz zählen nicht; 0 Punkte ist ein Fehlschuss.</translation>
    </message>
    <message>
        <source>Trefferbild ...</source>
        <translation>Trefferbild ...</translation>
    </message>
    <message>
        <source>Anzeigescheibe</source>
        <translation>Anzeigescheibe</translation>
    </message>
    <message>
        <source>Kamera %1: nur %2 Bilder/s</source>
        <translation>Kamera %1: nur %2 Bilder/s</translation>
    </message>
    <message>
        <source>Kamera %1: seit %2 s keine Bilder</source>
        <translation>Kamera %1: seit %2 s keine Bilder</translation>
    </message>
    <message>
        <source>Drills und Schusstimer…</source>
        <translation>Drills und Schusstimer…</translation>
    </message>
    <message>
        <source>Die Schusszahl des Spiels (%1) ist kleiner als die längste Serie (%2): das Spiel endet vor der Serie.</source>
        <translation>Die Schusszahl des Spiels (%1) ist kleiner als die längste Serie (%2): das Spiel endet vor der Serie.</translation>
    </message>
    <message>
        <source>Trainingsverlauf nicht verfügbar: %1</source>
        <translation>Trainingsverlauf nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>Die Verbindungsangabe ist ungültig</source>
        <translation>Die Verbindungsangabe ist ungültig</translation>
    </message>
</context>
<context>
    <name>RecoveryFolder</name>
    <message>
        <source>Ordner %1 kann nicht angelegt werden</source>
        <translation>Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>RejectedSpotPainter</name>
    <message>
        <source>zu groß</source>
        <translation>zu groß</translation>
    </message>
    <message>
        <source>zu lang</source>
        <translation>zu lang</translation>
    </message>
    <message>
        <source>zu schwach</source>
        <translation>zu schwach</translation>
    </message>
    <message>
        <source>nicht rund</source>
        <translation>nicht rund</translation>
    </message>
    <message>
        <source>bewegt</source>
        <translation>bewegt</translation>
    </message>
    <message>
        <source>am Rand</source>
        <translation>am Rand</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>Datenträger voll</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>die Datei ließ sich nicht vollständig schreiben</source>
        <translation>die Datei ließ sich nicht vollständig schreiben</translation>
    </message>
</context>
<context>
    <name>UndoNotice</name>
    <message>
        <source>Rückgängig</source>
        <translation>Rückgängig</translation>
    </message>
</context>
<context>
    <name>dialogSettings</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Lautstärke</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Französisch</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Verschiedenes</source>
        <translation>Verschiedenes</translation>
    </message>
    <message>
        <source>4 Kameras (experimentell)</source>
        <translation>4 Kameras (experimentell)</translation>
    </message>
    <message>
        <source>Treffergröße</source>
        <translation>Treffergröße</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Treffer</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Ziel (getroffen)</source>
        <translation>Ziel (getroffen)</translation>
    </message>
    <message>
        <source>Startbutton</source>
        <translation>Startbutton</translation>
    </message>
    <message>
        <source>Ignorierter Bereich</source>
        <translation>Ignorierter Bereich</translation>
    </message>
    <message>
        <source>Entzerrte Ringscheibe</source>
        <translation>Entzerrte Ringscheibe</translation>
    </message>
    <message>
        <source>Standardwerte</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
</context>
</TS>
