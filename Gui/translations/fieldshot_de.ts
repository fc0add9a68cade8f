<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
