<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DialogCameraSettings</name>
    <message>
        <source>FPS:</source>
        <translation>IPS:</translation>
    </message>
    <message>
        <source>Darstellung</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>S/W</source>
        <translation>N/B</translation>
    </message>
    <message>
        <source>Laser</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>Helligkeitsschwelle</source>
        <translation>Seuil de luminosité</translation>
    </message>
    <message>
        <source>Schusserkennung</source>
        <translation>Détection des tirs</translation>
    </message>
    <message>
        <source>min Size</source>
        <translation>Taille min.</translation>
    </message>
    <message>
        <source>max Size</source>
        <translation>Taille max.</translation>
    </message>
    <message>
        <source>min Dist.</source>
        <translation>Dist. min.</translation>
    </message>
    <message>
        <source>Defaultwerte</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Treiber</source>
        <translation>Pilote</translation>
    </message>
    <message>
        <source>Treiberfenster</source>
        <translation>Fenêtre du pilote</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Belichtung</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DialogDriverControls</name>
    <message>
        <source>Treiber: %1</source>
        <translation>Pilote : %1</translation>
    </message>
    <message>
        <source>Diese Kamera bietet keine Treibereinstellungen.</source>
        <translation>Cette caméra n&apos;offre aucun réglage de pilote.</translation>
    </message>
    <message>
        <source>Alle auf Standard</source>
        <translation>Tout par défaut</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Belichtungsautomatik</source>
        <translation>Exposition automatique</translation>
    </message>
    <message>
        <source>Weißabgleich automatisch</source>
        <translation>Balance des blancs auto</translation>
    </message>
    <message>
        <source>Netzfrequenz</source>
        <translation>Fréquence secteur</translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Manuell</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Zeitautomatik</source>
        <translation>Priorité vitesse</translation>
    </message>
    <message>
        <source>Blendenautomatik</source>
        <translation>Priorité ouverture</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Désactivé</translation>
    </message>
</context>
<context>
    <name>FormTargetPDFTool</name>
    <message>
        <source>Zielscheibengenerator</source>
        <translation>Générateur de cibles</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Schriftart</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Scheiben X</source>
        <translation>Cibles X</translation>
    </message>
    <message>
        <source>Scheiben Y</source>
        <translation>Cibles Y</translation>
    </message>
    <message>
        <source>Abstand X</source>
        <translation>Écart X</translation>
    </message>
    <message>
        <source>Abstand Y</source>
        <translation>Écart Y</translation>
    </message>
    <message>
        <source>Positionskreuze</source>
        <translation>Croix de repère</translation>
    </message>
    <message>
        <source>Wasserzeichen</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Anzahl Kreise</source>
        <translation>Nombre de cercles</translation>
    </message>
    <message>
        <source>Anzahl Innere Kreise</source>
        <translation>Cercles intérieurs</translation>
    </message>
    <message>
        <source>Durchmesser Außenkreis</source>
        <translation>Diamètre extérieur</translation>
    </message>
    <message>
        <source>Linienstärke</source>
        <translation>Épaisseur de trait</translation>
    </message>
    <message>
        <source>Bullseye</source>
        <translation>Mouche</translation>
    </message>
    <message>
        <source>Nummern</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>PDF Erzeugen</source>
        <translation>Créer le PDF</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
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
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enreg.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>PDF-Tool</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Fullscr.</source>
        <translation>Plein écr.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Targets</source>
        <translation>Cibles</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Camera 1</source>
        <translation>Caméra 1</translation>
    </message>
    <message>
        <source>Cam 1 Settings</source>
        <translation>Réglages caméra</translation>
    </message>
    <message>
        <source>Camera 2</source>
        <translation>Caméra 2</translation>
    </message>
    <message>
        <source>Cam 2 Settings</source>
        <translation>Réglages caméra</translation>
    </message>
    <message>
        <source>Camera 3</source>
        <translation>Caméra 3</translation>
    </message>
    <message>
        <source>Cam 3 Settings</source>
        <translation>Réglages caméra</translation>
    </message>
    <message>
        <source>Camera 4</source>
        <translation>Caméra 4</translation>
    </message>
    <message>
        <source>Cam 4 Settings</source>
        <translation>Réglages caméra</translation>
    </message>
    <message>
        <source>Add RectTarget</source>
        <translation>Ajouter rectangle</translation>
    </message>
    <message>
        <source>Add Circle Target</source>
        <translation>Ajouter cercle</translation>
    </message>
    <message>
        <source>Add Polygon Target</source>
        <translation>Ajouter polygone</translation>
    </message>
    <message>
        <source>Corrected Rings</source>
        <translation>Cible redressée</translation>
    </message>
    <message>
        <source>Generate Target</source>
        <translation>Générer une cible</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Start Button</source>
        <translation>Bouton départ</translation>
    </message>
    <message>
        <source>Ignore Area</source>
        <translation>Zone ignorée</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Kamera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Scheibe</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Kreisziel</source>
        <translation>Cible ronde</translation>
    </message>
    <message>
        <source>Bildziel</source>
        <translation>Cible image</translation>
    </message>
    <message>
        <source>Anzeigebild:</source>
        <translation>Image affichée&#xa0;:</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Punktebild:</source>
        <translation>Image des points&#xa0;:</translation>
    </message>
    <message>
        <source>Anzeigebild Auswählen</source>
        <translation>Choisir l&apos;image affichée</translation>
    </message>
    <message>
        <source>Punktebild Auswählen</source>
        <translation>Choisir l&apos;image des points</translation>
    </message>
    <message>
        <source>Kreise</source>
        <translation>Cercles</translation>
    </message>
    <message>
        <source>Innenkreise</source>
        <translation>Cercles intérieurs</translation>
    </message>
    <message>
        <source>Bullseye</source>
        <translation>Mouche</translation>
    </message>
    <message>
        <source>Zahlen</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>Bearbeiten Beenden</source>
        <translation>Terminer l&apos;édition</translation>
    </message>
    <message>
        <source>Zielscheibe</source>
        <translation>Cibles</translation>
    </message>
    <message>
        <source>Zeitspiel</source>
        <translation>Tir chrono</translation>
    </message>
    <message>
        <source>Shot Count</source>
        <translation>Nombre de tirs</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
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
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Windowed</source>
        <translation>Fenêtré</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Es darf nur ein Korrekturziel geben.</source>
        <translation>Il ne peut y avoir qu&apos;une seule cible redressée.</translation>
    </message>
    <message>
        <source>Entzerrte Ziele</source>
        <translation>Cible redressée</translation>
    </message>
    <message>
        <source>Target No. %1</source>
        <translation>Cible n°&#xa0;%1</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Attendez</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Manqué</translation>
    </message>
    <message>
        <source>Treffer</source>
        <translation>Touché</translation>
    </message>
    <message>
        <source>-No Camera-</source>
        <translation>-Aucune caméra-</translation>
    </message>
    <message>
        <source>Bild zu groß, nicht geladen: %1 (%2 x %3 Pixel)</source>
        <translation>Image trop grande, non chargée : %1 (%2 x %3 pixels)</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Als CSV speichern…</source>
        <translation>Enregistrer en CSV…</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Nicht gespeichert: %1</source>
        <translation>Non enregistré : %1</translation>
    </message>
    <message>
        <source>Image Files (*.png *.jpg *.bmp)</source>
        <translation>Fichiers image (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Ringscheibe</source>
        <translation>Cible à anneaux</translation>
    </message>
    <message>
        <source>Wie viele Ringe soll die Scheibe haben?</source>
        <translation>Combien d&apos;anneaux la cible doit-elle avoir ?</translation>
    </message>
    <message>
        <source>Ring </source>
        <translation>Anneau </translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Als CSV speichern</source>
        <translation>Enregistrer en CSV</translation>
    </message>
</context>
<context>
    <name>RejectedSpotPainter</name>
    <message>
        <source>zu groß</source>
        <translation>trop grand</translation>
    </message>
    <message>
        <source>zu lang</source>
        <translation>trop long</translation>
    </message>
    <message>
        <source>zu schwach</source>
        <translation>trop faible</translation>
    </message>
    <message>
        <source>nicht rund</source>
        <translation>pas rond</translation>
    </message>
    <message>
        <source>bewegt</source>
        <translation>en mouvement</translation>
    </message>
    <message>
        <source>am Rand</source>
        <translation>au bord</translation>
    </message>
</context>
<context>
    <name>dialogSettings</name>
    <message>
        <source>Settings</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Lautstärke</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Französisch</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Verschiedenes</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>4 Kameras (experimentell)</source>
        <translation>4 caméras (expérimental)</translation>
    </message>
    <message>
        <source>Treffergröße</source>
        <translation>Taille de l&apos;impact</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Treffer</source>
        <translation>Touché</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Ziel (getroffen)</source>
        <translation>Cible (touchée)</translation>
    </message>
    <message>
        <source>Startbutton</source>
        <translation>Bouton de départ</translation>
    </message>
    <message>
        <source>Ignorierter Bereich</source>
        <translation>Zone ignorée</translation>
    </message>
    <message>
        <source>Entzerrte Ringscheibe</source>
        <translation>Cible redressée</translation>
    </message>
    <message>
        <source>Standardwerte</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
