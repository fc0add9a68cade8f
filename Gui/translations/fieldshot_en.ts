<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
        <translation>image taget</translation>
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
