<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AnalysisWindow</name>
    <message>
        <source>Trefferbild</source>
        <translation>Shot group</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Wertung</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Zehntelwertung</source>
        <translation>Decimal scoring</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>Breite des Ziels</source>
        <translation>Target width</translation>
    </message>
    <message>
        <source>Wie PDF-Bogen</source>
        <translation>As PDF sheet</translation>
    </message>
    <message>
        <source>Der Durchmesser des äußeren Rings der Scheiben, die das PDF-Tool druckt</source>
        <translation>The diameter of the outer ring of the targets the PDF tool prints</translation>
    </message>
    <message>
        <source>Laser-Nullpunkt</source>
        <translation>Laser zero</translation>
    </message>
    <message>
        <source>Nullen</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>Die Schüsse dieser Serie, auf die Mitte gezielt, ergeben den Versatz jeder Kamera.</source>
        <translation>The shots of this string, aimed at the centre, give each camera&apos;s offset.</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Bericht speichern ...</source>
        <translation>Save report ...</translation>
    </message>
    <message>
        <source>Kamera %1: %2, %3</source>
        <translation>Camera %1: %2, %3</translation>
    </message>
    <message>
        <source>Nicht gesetzt</source>
        <translation>Not set</translation>
    </message>
    <message>
        <source>Summe: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Bericht speichern</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;PNG-Bild (*.png)</source>
        <translation>PDF (*.pdf);;PNG image (*.png)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
</context>
<context>
    <name>Camera</name>
    <message>
        <source>Gerät nicht vorhanden</source>
        <translation>No such device</translation>
    </message>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Datei nicht lesbar</source>
        <translation>File not readable</translation>
    </message>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Keine Videodatei</source>
        <translation>Not a video file</translation>
    </message>
    <message>
        <source>Keine Bilder in der Datei</source>
        <translation>No pictures in the file</translation>
    </message>
    <message>
        <source>Szenario nicht lesbar</source>
        <translation>Scenario not readable</translation>
    </message>
    <message>
        <source>Gerät belegt</source>
        <translation>Device busy</translation>
    </message>
    <message>
        <source>Gerät lässt sich nicht öffnen</source>
        <translation>Device cannot be opened</translation>
    </message>
    <message>
        <source>Gerät liefert keine Bilder mehr</source>
        <translation>Device stopped delivering pictures</translation>
    </message>
    <message>
        <source>Eine andere Kamera ist geöffnet</source>
        <translation>Another camera is open</translation>
    </message>
</context>
<context>
    <name>DialogCameraCheck</name>
    <message>
        <source>Kamera-Check: %1</source>
        <translation>Camera check: %1</translation>
    </message>
    <message>
        <source>Bildrate</source>
        <translation>Frame rate</translation>
    </message>
    <message>
        <source>Bild</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Advice</translation>
    </message>
    <message>
        <source>Neu messen</source>
        <translation>Measure again</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Schusstest</source>
        <translation>Shot test</translation>
    </message>
    <message>
        <source>Schüsse auf die Bildmitte:</source>
        <translation>Shots at the centre:</translation>
    </message>
    <message>
        <source>Die Kamera ist nicht geöffnet.</source>
        <translation>The camera is not open.</translation>
    </message>
    <message>
        <source>%1 Bilder/s gemessen, %2 Bilder/s eingestellt</source>
        <translation>%1 fps measured, %2 fps set</translation>
    </message>
    <message>
        <source>%1 Bilder/s gemessen</source>
        <translation>%1 fps measured</translation>
    </message>
    <message>
        <source>Verloren: %1 von %2 (%3 %), laut Treiber</source>
        <translation>Lost: %1 of %2 (%3 %), by the driver</translation>
    </message>
    <message>
        <source>Verloren: %1 von %2 (%3 %), laut Bildzeiten</source>
        <translation>Lost: %1 of %2 (%3 %), by frame times</translation>
    </message>
    <message>
        <source>Beschädigt angekommen: %1</source>
        <translation>Arrived damaged: %1</translation>
    </message>
    <message>
        <source>Noch kein Bild.</source>
        <translation>No picture yet.</translation>
    </message>
    <message>
        <source>Helligkeit des Hintergrunds: %1 von 255</source>
        <translation>Background brightness: %1 of 255</translation>
    </message>
    <message>
        <source>Übersteuerte Pixel: %1 %</source>
        <translation>Saturated pixels: %1 %</translation>
    </message>
    <message>
        <source>Rauschen: %1 Graustufen</source>
        <translation>Noise: %1 grey levels</translation>
    </message>
    <message>
        <source>Rauschen: wird gemessen</source>
        <translation>Noise: being measured</translation>
    </message>
    <message>
        <source>Die Kamera liefert keine Bilder. Kabel und Anschluss prüfen, oder die Kamera auf der Kameraseite neu wählen.</source>
        <translation>The camera delivers no pictures. Check the cable and the port, or choose the camera again on the Camera page.</translation>
    </message>
    <message>
        <source>Die Kamera liefert weniger Bilder als eingestellt. Meist belichtet sie länger, weil es zu dunkel ist: den Raum heller machen oder die Belichtung von Hand kürzer stellen.</source>
        <translation>The camera delivers fewer pictures than set. Usually it exposes longer because the room is too dark: light the room better or set a shorter exposure by hand.</translation>
    </message>
    <message>
        <source>Bilder gehen verloren. Die Kamera an einen eigenen USB-Anschluss stecken und andere Kameras am selben Verteiler abziehen.</source>
        <translation>Pictures are being lost. Plug the camera into a USB port of its own and unplug other cameras on the same hub.</translation>
    </message>
    <message>
        <source>Es kommen beschädigte Bilder an. Ein anderes USB-Kabel oder einen anderen Anschluss versuchen.</source>
        <translation>Damaged pictures arrive. Try another USB cable or another port.</translation>
    </message>
    <message>
        <source>Der Hintergrund ist fast weiß: ein Laserpunkt hebt sich davon nicht ab. Die Belichtung verringern.</source>
        <translation>The background is almost white: a laser dot does not stand out against it. Lower the exposure.</translation>
    </message>
    <message>
        <source>Ein großer Teil des Bildes ist übersteuert: Schüsse dort sind nicht zu sehen. Die Belichtung verringern oder die helle Fläche aus dem Bild nehmen.</source>
        <translation>A large part of the picture is saturated: shots there cannot be seen. Lower the exposure or move the bright area out of the picture.</translation>
    </message>
    <message>
        <source>Das Bild rauscht stark: schwache Schüsse gehen darin unter. Mehr Licht in den Raum bringen oder die Verstärkung senken.</source>
        <translation>The picture is very noisy: faint shots drown in it. Bring more light into the room or lower the gain.</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten.</source>
        <translation>Nothing unusual.</translation>
    </message>
    <message>
        <source>Test beenden</source>
        <translation>End test</translation>
    </message>
    <message>
        <source>Test starten</source>
        <translation>Start test</translation>
    </message>
    <message>
        <source>Den Test starten, dann die gewählte Zahl Schüsse auf das Kreuz in der Bildmitte abgeben.</source>
        <translation>Start the test, then fire the chosen number of shots at the cross in the centre of the picture.</translation>
    </message>
    <message>
        <source>Gesehen: %1 von %2</source>
        <translation>Seen: %1 of %2</translation>
    </message>
    <message>
        <source>Gesehen: %1 von %2, nicht gesehen: %3</source>
        <translation>Seen: %1 of %2, not seen: %3</translation>
    </message>
    <message>
        <source>Außerhalb der Mitte gemeldet: %1</source>
        <translation>Reported away from the centre: %1</translation>
    </message>
    <message>
        <source>Streuung: größter Abstand %1 px, mittlerer Abstand zum Trefferbild-Mittelpunkt %2 px; Mittelpunkt %3 px neben der Bildmitte</source>
        <translation>Spread: largest distance %1 px, mean distance from the group&apos;s centre %2 px; group centre %3 px off the picture&apos;s centre</translation>
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
        <translation>display</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>colour</translation>
    </message>
    <message>
        <source>S/W</source>
        <translation>B/W</translation>
    </message>
    <message>
        <source>Laser</source>
        <translation>laser</translation>
    </message>
    <message>
        <source>Helligkeitsschwelle</source>
        <translation>brightness treshold</translation>
    </message>
    <message>
        <source>Schusserkennung</source>
        <translation>shot detection</translation>
    </message>
    <message>
        <source>min Size</source>
        <translation>min. size</translation>
    </message>
    <message>
        <source>max Size</source>
        <translation>max. size</translation>
    </message>
    <message>
        <source>min Dist.</source>
        <translation>min. dist.</translation>
    </message>
    <message>
        <source>Defaultwerte</source>
        <translation>default values</translation>
    </message>
    <message>
        <source>Treiber</source>
        <translation>driver</translation>
    </message>
    <message>
        <source>Treiberfenster</source>
        <translation>driver window</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>brightness</translation>
    </message>
    <message>
        <source>Belichtung</source>
        <translation>exposure</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Kamera-Check</source>
        <translation>Camera check</translation>
    </message>
</context>
<context>
    <name>DialogDriverControls</name>
    <message>
        <source>Treiber: %1</source>
        <translation>Driver: %1</translation>
    </message>
    <message>
        <source>Diese Kamera bietet keine Treibereinstellungen.</source>
        <translation>This camera offers no driver settings.</translation>
    </message>
    <message>
        <source>Alle auf Standard</source>
        <translation>All to defaults</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Belichtungsautomatik</source>
        <translation>Auto exposure</translation>
    </message>
    <message>
        <source>Weißabgleich automatisch</source>
        <translation>Auto white balance</translation>
    </message>
    <message>
        <source>Netzfrequenz</source>
        <translation>Power line frequency</translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Manuell</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Zeitautomatik</source>
        <translation>Shutter priority</translation>
    </message>
    <message>
        <source>Blendenautomatik</source>
        <translation>Aperture priority</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Off</translation>
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
        <translation>No drill (game as usual)</translation>
    </message>
    <message>
        <source>eigener</source>
        <translation>own</translation>
    </message>
    <message>
        <source>Serie %1/%2</source>
        <translation>String %1/%2</translation>
    </message>
    <message>
        <source>Kein Drill gewählt</source>
        <translation>No drill chosen</translation>
    </message>
    <message>
        <source>Bereit: Start, Leertaste oder Startfeld</source>
        <translation>Ready: Start, Space or start button target</translation>
    </message>
    <message>
        <source>Achtung … %1</source>
        <translation>Standby … %1</translation>
    </message>
    <message>
        <source>Los! %1</source>
        <translation>Go! %1</translation>
    </message>
    <message>
        <source>Pause, dann %1</source>
        <translation>Pause, then %1</translation>
    </message>
    <message>
        <source>%1 s   %2/%3 Schüsse</source>
        <translation>%1 s   %2/%3 shots</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <translation>False start</translation>
    </message>
    <message>
        <source>Signal nach %1 s · erster Schuss %2 s · Splits %3 · Gesamt %4 s · %5</source>
        <translation>Signal after %1 s · first shot %2 s · splits %3 · total %4 s · %5</translation>
    </message>
    <message>
        <source>Bestanden</source>
        <translation>Passed</translation>
    </message>
    <message>
        <source>Nicht bestanden</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Ergebnisse speichern</source>
        <translation>Save results</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>%1: kann nicht gespeichert werden</source>
        <translation>%1: cannot be saved</translation>
    </message>
    <message>
        <source>Drills und Schusstimer</source>
        <translation>Drills and shot timer</translation>
    </message>
    <message>
        <source>Neu laden</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Liest die Drills erneut, auch die eigenen aus %1</source>
        <translation>Reads the drills again, your own from %1 too</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Als CSV speichern…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>Ergebnisse löschen</source>
        <translation>Clear results</translation>
    </message>
</context>
<context>
    <name>DrillReader</name>
    <message>
        <source>kein gültiges JSON (%1 bei Zeichen %2)</source>
        <translation>not valid JSON (%1 at character %2)</translation>
    </message>
    <message>
        <source>kein JSON-Objekt</source>
        <translation>not a JSON object</translation>
    </message>
    <message>
        <source>unbekanntes Feld &quot;%1&quot;</source>
        <translation>unknown field &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;fieldshot_drill&quot; fehlt: keine Drill-Datei</source>
        <translation>&quot;fieldshot_drill&quot; missing: not a drill file</translation>
    </message>
    <message>
        <source>Formatversion %1 wird nicht unterstützt (nur %2)</source>
        <translation>format version %1 is not supported (only %2)</translation>
    </message>
    <message>
        <source>&quot;name&quot; fehlt oder ist leer</source>
        <translation>&quot;name&quot; missing or empty</translation>
    </message>
    <message>
        <source>&quot;description&quot; ist kein Text</source>
        <translation>&quot;description&quot; is not a text</translation>
    </message>
    <message>
        <source>&quot;start&quot; braucht genau eines von &quot;fixed&quot; (Sekunden) oder &quot;random&quot; ([von, bis])</source>
        <translation>&quot;start&quot; needs exactly one of &quot;fixed&quot; (seconds) or &quot;random&quot; ([from, to])</translation>
    </message>
    <message>
        <source>Startverzögerung muss zwischen 0 und %1 s liegen</source>
        <translation>start delay must be between 0 and %1 s</translation>
    </message>
    <message>
        <source>&quot;random&quot; braucht zwei Sekundenwerte zwischen 0 und %1</source>
        <translation>&quot;random&quot; needs two values in seconds between 0 and %1</translation>
    </message>
    <message>
        <source>&quot;random&quot;: der erste Wert ist größer als der zweite</source>
        <translation>&quot;random&quot;: the first value is larger than the second</translation>
    </message>
    <message>
        <source>&quot;pause&quot; muss zwischen 0 und %1 s liegen</source>
        <translation>&quot;pause&quot; must be between 0 and %1 s</translation>
    </message>
    <message>
        <source>&quot;strings&quot; fehlt oder ist leer</source>
        <translation>&quot;strings&quot; missing or empty</translation>
    </message>
    <message>
        <source>Serie %1 ist kein Objekt</source>
        <translation>string %1 is not an object</translation>
    </message>
    <message>
        <source>Serie %1: unbekanntes Feld &quot;%2&quot;</source>
        <translation>string %1: unknown field &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Serie %1: &quot;shots&quot; muss eine ganze Zahl von 1 bis %2 sein</source>
        <translation>string %1: &quot;shots&quot; must be a whole number from 1 to %2</translation>
    </message>
    <message>
        <source>Serie %1: &quot;par&quot; muss zwischen 0 und %2 s liegen</source>
        <translation>string %1: &quot;par&quot; must be between 0 and %2 s</translation>
    </message>
    <message>
        <source>Serie %1: &quot;targets&quot; ist leer</source>
        <translation>string %1: &quot;targets&quot; is empty</translation>
    </message>
    <message>
        <source>Serie %1: jedes Ziel braucht einen Namen</source>
        <translation>string %1: every target needs a name</translation>
    </message>
    <message>
        <source>Serie %1: %2 Ziele für %3 Schüsse (eines für alle oder eines je Schuss)</source>
        <translation>string %1: %2 targets for %3 shots (one for all or one per shot)</translation>
    </message>
    <message>
        <source>Serie %1: &quot;reload_after&quot; braucht Schussnummern von 1 bis %2</source>
        <translation>string %1: &quot;reload_after&quot; needs shot numbers from 1 to %2</translation>
    </message>
    <message>
        <source>Serie %1: &quot;repeat&quot; muss eine ganze Zahl von 1 bis %2 sein</source>
        <translation>string %1: &quot;repeat&quot; must be a whole number from 1 to %2</translation>
    </message>
    <message>
        <source>mehr als %1 Serien</source>
        <translation>more than %1 strings</translation>
    </message>
    <message>
        <source>&quot;score&quot; muss &quot;hits&quot;, &quot;points&quot; oder &quot;hitfactor&quot; sein</source>
        <translation>&quot;score&quot; must be &quot;hits&quot;, &quot;points&quot; or &quot;hitfactor&quot;</translation>
    </message>
    <message>
        <source>&quot;pass&quot; ist kein Objekt</source>
        <translation>&quot;pass&quot; is not an object</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: unbekanntes Feld &quot;%1&quot;</source>
        <translation>&quot;pass&quot;: unknown field &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: &quot;par&quot; muss true oder false sein</source>
        <translation>&quot;pass&quot;: &quot;par&quot; must be true or false</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: &quot;min_hits&quot; muss eine ganze Zahl von 0 bis %1 sein</source>
        <translation>&quot;pass&quot;: &quot;min_hits&quot; must be a whole number from 0 to %1</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: &quot;min_points&quot; muss eine ganze Zahl sein</source>
        <translation>&quot;pass&quot;: &quot;min_points&quot; must be a whole number</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: &quot;min_hit_factor&quot; muss zwischen 0 und 1000 liegen</source>
        <translation>&quot;pass&quot;: &quot;min_hit_factor&quot; must be between 0 and 1000</translation>
    </message>
    <message>
        <source>kann nicht gelesen werden (%1)</source>
        <translation>cannot be read (%1)</translation>
    </message>
    <message>
        <source>größer als %1 KiB</source>
        <translation>larger than %1 KiB</translation>
    </message>
    <message>
        <source>braucht %1 Ziele, das Projekt hat %2</source>
        <translation>needs %1 targets, the project has %2</translation>
    </message>
    <message>
        <source>braucht das Ziel &quot;%1&quot;, das im Projekt fehlt</source>
        <translation>needs the target &quot;%1&quot;, which the project lacks</translation>
    </message>
</context>
<context>
    <name>DrillSession</name>
    <message>
        <source>%1 Treffer</source>
        <translation>%1 hits</translation>
    </message>
    <message>
        <source>%1 Punkte</source>
        <translation>%1 points</translation>
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
        <translation>String</translation>
    </message>
    <message>
        <source>Lauf</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Startsignal nach</source>
        <translation>Start signal after</translation>
    </message>
    <message>
        <source>Erster Schuss</source>
        <translation>First shot</translation>
    </message>
    <message>
        <source>Splits</source>
        <translation>Splits</translation>
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
        <translation>Hits</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Misses</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Hit-Faktor</source>
        <translation>Hit factor</translation>
    </message>
    <message>
        <source>Ziele (Treffer/Fehler)</source>
        <translation>Targets (hits/misses)</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Wertung</source>
        <translation>Counts</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <translation>False start</translation>
    </message>
    <message>
        <source>Abgebrochen</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Bestanden</source>
        <translation>Passed</translation>
    </message>
    <message>
        <source>Nicht bestanden</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Par überschritten</source>
        <translation>over par</translation>
    </message>
    <message>
        <source>Bester</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Mean</translation>
    </message>
</context>
<context>
    <name>FormTargetPDFTool</name>
    <message>
        <source>Zielscheibengenerator</source>
        <translation>Targets generator</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>portrait</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>landscape</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Schriftart</source>
        <translation>font</translation>
    </message>
    <message>
        <source>Scheiben X</source>
        <translation>targets X</translation>
    </message>
    <message>
        <source>Scheiben Y</source>
        <translation>targets Y</translation>
    </message>
    <message>
        <source>Abstand X</source>
        <translation>distance X</translation>
    </message>
    <message>
        <source>Abstand Y</source>
        <translation>distance Y</translation>
    </message>
    <message>
        <source>Positionskreuze</source>
        <translation>fiducial markers</translation>
    </message>
    <message>
        <source>Wasserzeichen</source>
        <translation>watermark</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Anzahl Kreise</source>
        <translation>circles count</translation>
    </message>
    <message>
        <source>Anzahl Innere Kreise</source>
        <translation>inner circles count</translation>
    </message>
    <message>
        <source>Durchmesser Außenkreis</source>
        <translation>outer circle diameter</translation>
    </message>
    <message>
        <source>Linienstärke</source>
        <translation>line width</translation>
    </message>
    <message>
        <source>Bullseye</source>
        <translation>Bullseye</translation>
    </message>
    <message>
        <source>Nummern</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>PDF Erzeugen</source>
        <translation>generate PDF</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>save file</translation>
    </message>
    <message>
        <source>die Druckausgabe lässt sich nicht öffnen</source>
        <translation>the print output cannot be opened</translation>
    </message>
    <message>
        <source>PDF gespeichert: %1</source>
        <translation>PDF saved: %1</translation>
    </message>
    <message>
        <source>Nichts gespeichert: %1 (%2)</source>
        <translation>Nothing saved: %1 (%2)</translation>
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
        <translation>Shots</translation>
    </message>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>hoch</source>
        <translation>high</translation>
    </message>
    <message>
        <source>tief</source>
        <translation>low</translation>
    </message>
    <message>
        <source>Mittlerer Treffpunkt</source>
        <translation>Mean point of impact</translation>
    </message>
    <message>
        <source>Größte Streuung</source>
        <translation>Extreme spread</translation>
    </message>
    <message>
        <source>Mittlerer Radius</source>
        <translation>Mean radius</translation>
    </message>
    <message>
        <source>Standardabweichung waagerecht</source>
        <translation>Standard deviation horizontal</translation>
    </message>
    <message>
        <source>Standardabweichung senkrecht</source>
        <translation>Standard deviation vertical</translation>
    </message>
</context>
<context>
    <name>HistoryButton</name>
    <message>
        <source>Verlauf</source>
        <translation>History</translation>
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
        <translation>Game</translation>
    </message>
    <message>
        <source>%1, Serie %2</source>
        <translation>%1, string %2</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Übung</source>
        <translation>Drill</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Schüsse</source>
        <translation>Shots</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Hit-Faktor</source>
        <translation>Hit factor</translation>
    </message>
    <message>
        <source>Erster Schuss (s)</source>
        <translation>First shot (s)</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Group</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Trainingsverlauf</source>
        <translation>Training history</translation>
    </message>
    <message>
        <source>Aktualisieren</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Schussbild</source>
        <translation>Shot plot</translation>
    </message>
    <message>
        <source>CSV exportieren</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Übung:</source>
        <translation>Drill:</translation>
    </message>
    <message>
        <source>Ziel:</source>
        <translation>Target:</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Hit-Faktor</source>
        <translation>Hit factor</translation>
    </message>
    <message>
        <source>Erster Schuss (s)</source>
        <translation>First shot (s)</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Verlauf als CSV speichern</source>
        <translation>Save history as CSV</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Der Trainingsverlauf ist nicht verfügbar: %1</source>
        <translation>The training history is not available: %1</translation>
    </message>
    <message>
        <source>Alle</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Nur Spiele</source>
        <translation>Games only</translation>
    </message>
    <message>
        <source>Serien: %1 (%2)</source>
        <translation>Strings: %1 (%2)</translation>
    </message>
    <message>
        <source>Gruppe (%1)</source>
        <translation>Group (%1)</translation>
    </message>
    <message>
        <source>Die Serie kann nicht geladen werden.</source>
        <translation>The string cannot be loaded.</translation>
    </message>
    <message>
        <source>%1 kann nicht gespeichert werden: %2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
    <message>
        <source>Serien gespeichert: %1 (%2)</source>
        <translation>Strings saved: %1 (%2)</translation>
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
        <translation>full scr.</translation>
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
        <translation>camera settings</translation>
    </message>
    <message>
        <source>Camera 2</source>
        <translation>Camera 2</translation>
    </message>
    <message>
        <source>Cam 2 Settings</source>
        <translation>camera settings</translation>
    </message>
    <message>
        <source>Camera 3</source>
        <translation>Camera 3</translation>
    </message>
    <message>
        <source>Cam 3 Settings</source>
        <translation>camera settings</translation>
    </message>
    <message>
        <source>Camera 4</source>
        <translation>Camera 4</translation>
    </message>
    <message>
        <source>Cam 4 Settings</source>
        <translation>camera settings</translation>
    </message>
    <message>
        <source>Add RectTarget</source>
        <translation>Add Rect Target</translation>
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
        <translation>Corrected Targets</translation>
    </message>
    <message>
        <source>Generate Target</source>
        <translation>Generate Targets</translation>
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
        <translation>Display</translation>
    </message>
    <message>
        <source>Kamera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Scheibe</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Kreisziel</source>
        <translation>circle target</translation>
    </message>
    <message>
        <source>Bildziel</source>
        <translation>image target</translation>
    </message>
    <message>
        <source>Anzeigebild:</source>
        <translation>display target:</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Punktebild:</source>
        <translation>score image:</translation>
    </message>
    <message>
        <source>Anzeigebild Auswählen</source>
        <translation>select display target</translation>
    </message>
    <message>
        <source>Punktebild Auswählen</source>
        <translation>select score image</translation>
    </message>
    <message>
        <source>Kreise</source>
        <translation>Circles</translation>
    </message>
    <message>
        <source>Innenkreise</source>
        <translation>Inner Circles</translation>
    </message>
    <message>
        <source>Bullseye</source>
        <translation>Bullseye</translation>
    </message>
    <message>
        <source>Zahlen</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Bearbeiten Beenden</source>
        <translation>finish editing</translation>
    </message>
    <message>
        <source>Zielscheibe</source>
        <translation>Targets</translation>
    </message>
    <message>
        <source>Zeitspiel</source>
        <translation>Time Game</translation>
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
        <translation>There could be only one target for corrected rings.</translation>
    </message>
    <message>
        <source>Entzerrte Ziele</source>
        <translation>Corrected Targets</translation>
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
        <translation>Hit</translation>
    </message>
    <message>
        <source>-No Camera-</source>
        <translation>-No Camera-</translation>
    </message>
    <message>
        <source>Bild zu groß, nicht geladen: %1 (%2 x %3 Pixel)</source>
        <translation>Picture too large, not loaded: %1 (%2 x %3 pixels)</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Als CSV speichern…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Nicht gespeichert: %1</source>
        <translation>Not saved: %1</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation>Image Files (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Ringscheibe</source>
        <translation>Circle Target</translation>
    </message>
    <message>
        <source>Wie viele Ringe soll die Scheibe haben?</source>
        <translation>How many rings should the target have?</translation>
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
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Zeit (s)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>Fehlschuss</source>
        <translation>Missed</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <translation>False start</translation>
    </message>
    <message>
        <source>Projekt gespeichert: %1</source>
        <translation>Project saved: %1</translation>
    </message>
    <message>
        <source>Nichts gespeichert: %1 (%2)</source>
        <translation>Nothing saved: %1 (%2)</translation>
    </message>
    <message>
        <source>Neues Projekt.</source>
        <translation>New project.</translation>
    </message>
    <message>
        <source>%1 kann nicht geöffnet werden; nichts geändert.</source>
        <translation>%1 cannot be opened; nothing changed.</translation>
    </message>
    <message>
        <source>Projekt %1 geöffnet.</source>
        <translation>Project %1 opened.</translation>
    </message>
    <message>
        <source>%1 enthält kein Projekt: Ziele gelöscht, alles auf den Vorgaben.</source>
        <translation>%1 holds no project: targets cleared, everything at its defaults.</translation>
    </message>
    <message>
        <source>Das vorige Projekt konnte nicht gesichert werden (%1).</source>
        <translation>The previous project could not be kept (%1).</translation>
    </message>
    <message>
        <source>Das vorige liegt in %1.</source>
        <translation>The previous one is kept in %1.</translation>
    </message>
    <message>
        <source>Voriges Projekt wiederhergestellt.</source>
        <translation>Previous project restored.</translation>
    </message>
    <message>
        <source>Das Punktebild bestimmt die Punkte eines Treffers: Es wird über das angezeigte Anzeigebild gestreckt, und der Pixel an der Trefferstelle zählt seinen Rotanteil (0 bis 255) geteilt durch 10, ohne Rest: 0 bis 25 Punkte. Grün, Blau und Transparenz zählen nicht; 0 Punkte ist ein Fehlschuss.</source>
        <translation>The score image gives a hit its points: it is stretched over the display image as shown, and the pixel where the shot lands counts its red component (0 to 255) divided by 10, remainder dropped: 0 to 25 points. Green, blue and transparency do not count; 0 points is a miss.</translation>
    </message>
    <message>
        <source>Trefferbild ...</source>
        <translation>Shot group ...</translation>
    </message>
    <message>
        <source>Anzeigescheibe</source>
        <translation>Display target</translation>
    </message>
    <message>
        <source>Kamera %1: nur %2 Bilder/s</source>
        <translation>Camera %1: only %2 fps</translation>
    </message>
    <message>
        <source>Kamera %1: seit %2 s keine Bilder</source>
        <translation>Camera %1: no pictures for %2 s</translation>
    </message>
    <message>
        <source>Drills und Schusstimer…</source>
        <translation>Drills and shot timer…</translation>
    </message>
    <message>
        <source>Die Schusszahl des Spiels (%1) ist kleiner als die längste Serie (%2): das Spiel endet vor der Serie.</source>
        <translation>The game&apos;s shot count (%1) is below the longest string (%2): the game ends before the string.</translation>
    </message>
    <message>
        <source>Trainingsverlauf nicht verfügbar: %1</source>
        <translation>Training history not available: %1</translation>
    </message>
    <message>
        <source>Die Verbindungsangabe ist ungültig</source>
        <translation>The connection setting is not valid</translation>
    </message>
</context>
<context>
    <name>RecoveryFolder</name>
    <message>
        <source>Ordner %1 kann nicht angelegt werden</source>
        <translation>Folder %1 cannot be created</translation>
    </message>
</context>
<context>
    <name>RejectedSpotPainter</name>
    <message>
        <source>zu groß</source>
        <translation>too large</translation>
    </message>
    <message>
        <source>zu lang</source>
        <translation>too long</translation>
    </message>
    <message>
        <source>zu schwach</source>
        <translation>too faint</translation>
    </message>
    <message>
        <source>nicht rund</source>
        <translation>not round</translation>
    </message>
    <message>
        <source>bewegt</source>
        <translation>moving</translation>
    </message>
    <message>
        <source>am Rand</source>
        <translation>at the edge</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>Datenträger voll</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>die Datei ließ sich nicht vollständig schreiben</source>
        <translation>the file could not be written completely</translation>
    </message>
</context>
<context>
    <name>UndoNotice</name>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
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
        <translation>volume</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Französisch</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Verschiedenes</source>
        <translation>miscellaneous</translation>
    </message>
    <message>
        <source>4 Kameras (experimentell)</source>
        <translation>4 cameras (experimental)</translation>
    </message>
    <message>
        <source>Treffergröße</source>
        <translation>hit size</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Treffer</source>
        <translation>hit</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>target</translation>
    </message>
    <message>
        <source>Ziel (getroffen)</source>
        <translation>target (hit)</translation>
    </message>
    <message>
        <source>Startbutton</source>
        <translation>start button</translation>
    </message>
    <message>
        <source>Ignorierter Bereich</source>
        <translation>ignored area</translation>
    </message>
    <message>
        <source>Entzerrte Ringscheibe</source>
        <translation>Corrected Targets</translation>
    </message>
    <message>
        <source>Standardwerte</source>
        <translation>standard values</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
</context>
</TS>
