<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Orvex Fieldshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF-Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fullscr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Targets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cam 1 Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cam 2 Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cam 3 Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cam 4 Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add RectTarget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Circle Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Polygon Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corrected Rings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kamera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheibe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kreisziel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bildziel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzeigebild:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>---</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punktebild:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzeigebild Auswählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Punktebild Auswählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kreise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Innenkreise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bullseye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zahlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearbeiten Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zielscheibe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitspiel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shot Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
