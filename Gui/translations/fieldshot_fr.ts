<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AnalysisWindow</name>
    <message>
        <source>Trefferbild</source>
        <translation>Groupement</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Wertung</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Zehntelwertung</source>
        <translation>Score décimal</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>Breite des Ziels</source>
        <translation>Largeur de la cible</translation>
    </message>
    <message>
        <source>Wie PDF-Bogen</source>
        <translation>Comme la feuille PDF</translation>
    </message>
    <message>
        <source>Der Durchmesser des äußeren Rings der Scheiben, die das PDF-Tool druckt</source>
        <translation>Le diamètre de l&apos;anneau extérieur des cibles que l&apos;outil PDF imprime</translation>
    </message>
    <message>
        <source>Laser-Nullpunkt</source>
        <translation>Zéro du laser</translation>
    </message>
    <message>
        <source>Nullen</source>
        <translation>Mettre à zéro</translation>
    </message>
    <message>
        <source>Die Schüsse dieser Serie, auf die Mitte gezielt, ergeben den Versatz jeder Kamera.</source>
        <translation>Les tirs de cette série, visant le centre, donnent le décalage de chaque caméra.</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Bericht speichern ...</source>
        <translation>Enregistrer le rapport ...</translation>
    </message>
    <message>
        <source>Kamera %1: %2, %3</source>
        <translation>Caméra %1 : %2, %3</translation>
    </message>
    <message>
        <source>Nicht gesetzt</source>
        <translation>Non défini</translation>
    </message>
    <message>
        <source>Summe: %1</source>
        <translation>Total : %1</translation>
    </message>
    <message>
        <source>Bericht speichern</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;PNG-Bild (*.png)</source>
        <translation>PDF (*.pdf);;Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
</context>
<context>
    <name>Camera</name>
    <message>
        <source>Gerät nicht vorhanden</source>
        <translation>Périphérique absent</translation>
    </message>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Datei nicht lesbar</source>
        <translation>Fichier illisible</translation>
    </message>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>Keine Videodatei</source>
        <translation>Pas un fichier vidéo</translation>
    </message>
    <message>
        <source>Keine Bilder in der Datei</source>
        <translation>Aucune image dans le fichier</translation>
    </message>
    <message>
        <source>Szenario nicht lesbar</source>
        <translation>Scénario illisible</translation>
    </message>
    <message>
        <source>Gerät belegt</source>
        <translation>Périphérique occupé</translation>
    </message>
    <message>
        <source>Gerät lässt sich nicht öffnen</source>
        <translation>Impossible d&apos;ouvrir le périphérique</translation>
    </message>
    <message>
        <source>Gerät liefert keine Bilder mehr</source>
        <translation>Le périphérique ne fournit plus d&apos;images</translation>
    </message>
    <message>
        <source>Eine andere Kamera ist geöffnet</source>
        <translation>Une autre caméra est ouverte</translation>
    </message>
</context>
<context>
    <name>DialogCameraCheck</name>
    <message>
        <source>Kamera-Check: %1</source>
        <translation>Contrôle caméra : %1</translation>
    </message>
    <message>
        <source>Bildrate</source>
        <translation>Cadence d&apos;images</translation>
    </message>
    <message>
        <source>Bild</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Conseils</translation>
    </message>
    <message>
        <source>Neu messen</source>
        <translation>Mesurer à nouveau</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Schusstest</source>
        <translation>Test de tir</translation>
    </message>
    <message>
        <source>Schüsse auf die Bildmitte:</source>
        <translation>Tirs au centre :</translation>
    </message>
    <message>
        <source>Die Kamera ist nicht geöffnet.</source>
        <translation>La caméra n&apos;est pas ouverte.</translation>
    </message>
    <message>
        <source>%1 Bilder/s gemessen, %2 Bilder/s eingestellt</source>
        <translation>%1 images/s mesurées, %2 images/s réglées</translation>
    </message>
    <message>
        <source>%1 Bilder/s gemessen</source>
        <translation>%1 images/s mesurées</translation>
    </message>
    <message>
        <source>Verloren: %1 von %2 (%3 %), laut Treiber</source>
        <translation>Perdues : %1 sur %2 (%3 %), d&apos;après le pilote</translation>
    </message>
    <message>
        <source>Verloren: %1 von %2 (%3 %), laut Bildzeiten</source>
        <translation>Perdues : %1 sur %2 (%3 %), d&apos;après les horodatages</translation>
    </message>
    <message>
        <source>Beschädigt angekommen: %1</source>
        <translation>Arrivées endommagées : %1</translation>
    </message>
    <message>
        <source>Noch kein Bild.</source>
        <translation>Pas encore d&apos;image.</translation>
    </message>
    <message>
        <source>Helligkeit des Hintergrunds: %1 von 255</source>
        <translation>Luminosité du fond : %1 sur 255</translation>
    </message>
    <message>
        <source>Übersteuerte Pixel: %1 %</source>
        <translation>Pixels saturés : %1 %</translation>
    </message>
    <message>
        <source>Rauschen: %1 Graustufen</source>
        <translation>Bruit : %1 niveaux de gris</translation>
    </message>
    <message>
        <source>Rauschen: wird gemessen</source>
        <translation>Bruit : mesure en cours</translation>
    </message>
    <message>
        <source>Die Kamera liefert keine Bilder. Kabel und Anschluss prüfen, oder die Kamera auf der Kameraseite neu wählen.</source>
        <translation>La caméra ne fournit pas d&apos;images. Vérifiez le câble et le port, ou choisissez à nouveau la caméra sur la page Caméra.</translation>
    </message>
    <message>
        <source>Die Kamera liefert weniger Bilder als eingestellt. Meist belichtet sie länger, weil es zu dunkel ist: den Raum heller machen oder die Belichtung von Hand kürzer stellen.</source>
        <translation>La caméra fournit moins d&apos;images que réglé. Le plus souvent elle expose plus longtemps parce qu&apos;il fait trop sombre : éclairez davantage la pièce ou réglez à la main une exposition plus courte.</translation>
    </message>
    <message>
        <source>Bilder gehen verloren. Die Kamera an einen eigenen USB-Anschluss stecken und andere Kameras am selben Verteiler abziehen.</source>
        <translation>Des images se perdent. Branchez la caméra sur un port USB à elle seule et débranchez les autres caméras du même concentrateur.</translation>
    </message>
    <message>
        <source>Es kommen beschädigte Bilder an. Ein anderes USB-Kabel oder einen anderen Anschluss versuchen.</source>
        <translation>Des images endommagées arrivent. Essayez un autre câble USB ou un autre port.</translation>
    </message>
    <message>
        <source>Der Hintergrund ist fast weiß: ein Laserpunkt hebt sich davon nicht ab. Die Belichtung verringern.</source>
        <translation>Le fond est presque blanc : un point laser ne s&apos;en détache pas. Réduisez l&apos;exposition.</translation>
    </message>
    <message>
        <source>Ein großer Teil des Bildes ist übersteuert: Schüsse dort sind nicht zu sehen. Die Belichtung verringern oder die helle Fläche aus dem Bild nehmen.</source>
        <translation>Une grande partie de l&apos;image est saturée : les tirs n&apos;y sont pas visibles. Réduisez l&apos;exposition ou sortez la zone claire de l&apos;image.</translation>
    </message>
    <message>
        <source>Das Bild rauscht stark: schwache Schüsse gehen darin unter. Mehr Licht in den Raum bringen oder die Verstärkung senken.</source>
        <translation>L&apos;image est très bruitée : les tirs faibles s&apos;y perdent. Éclairez davantage la pièce ou baissez le gain.</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten.</source>
        <translation>Rien d&apos;anormal.</translation>
    </message>
    <message>
        <source>Test beenden</source>
        <translation>Terminer le test</translation>
    </message>
    <message>
        <source>Test starten</source>
        <translation>Démarrer le test</translation>
    </message>
    <message>
        <source>Den Test starten, dann die gewählte Zahl Schüsse auf das Kreuz in der Bildmitte abgeben.</source>
        <translation>Démarrez le test, puis tirez le nombre choisi de coups sur la croix au centre de l&apos;image.</translation>
    </message>
    <message>
        <source>Gesehen: %1 von %2</source>
        <translation>Vus : %1 sur %2</translation>
    </message>
    <message>
        <source>Gesehen: %1 von %2, nicht gesehen: %3</source>
        <translation>Vus : %1 sur %2, non vus : %3</translation>
    </message>
    <message>
        <source>Außerhalb der Mitte gemeldet: %1</source>
        <translation>Signalés hors du centre : %1</translation>
    </message>
    <message>
        <source>Streuung: größter Abstand %1 px, mittlerer Abstand zum Trefferbild-Mittelpunkt %2 px; Mittelpunkt %3 px neben der Bildmitte</source>
        <translation>Dispersion : plus grand écart %1 px, écart moyen au centre du groupement %2 px ; centre du groupement à %3 px du centre de l&apos;image</translation>
    </message>
</context>
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
    <message>
        <source>Kamera-Check</source>
        <translation>Contrôle caméra</translation>
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
    <name>DrillCatalog</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>DrillPanel</name>
    <message>
        <source>Kein Drill (Spiel wie gewohnt)</source>
        <translation>Aucun exercice (jeu habituel)</translation>
    </message>
    <message>
        <source>eigener</source>
        <translation>personnel</translation>
    </message>
    <message>
        <source>Serie %1/%2</source>
        <translation>Série %1/%2</translation>
    </message>
    <message>
        <source>Kein Drill gewählt</source>
        <translation>Aucun exercice choisi</translation>
    </message>
    <message>
        <source>Bereit: Start, Leertaste oder Startfeld</source>
        <translation>Prêt : Démarrer, Espace ou cible de départ</translation>
    </message>
    <message>
        <source>Achtung … %1</source>
        <translation>Attention … %1</translation>
    </message>
    <message>
        <source>Los! %1</source>
        <translation>Feu ! %1</translation>
    </message>
    <message>
        <source>Pause, dann %1</source>
        <translation>Pause, puis %1</translation>
    </message>
    <message>
        <source>%1 s   %2/%3 Schüsse</source>
        <translation>%1 s   %2/%3 tirs</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <translation>Faux départ</translation>
    </message>
    <message>
        <source>Signal nach %1 s · erster Schuss %2 s · Splits %3 · Gesamt %4 s · %5</source>
        <translation>Signal après %1 s · premier tir %2 s · intervalles %3 · total %4 s · %5</translation>
    </message>
    <message>
        <source>Bestanden</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Nicht bestanden</source>
        <translation>Échoué</translation>
    </message>
    <message>
        <source>Ergebnisse speichern</source>
        <translation>Enregistrer les résultats</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1: kann nicht gespeichert werden</source>
        <translation>%1 : enregistrement impossible</translation>
    </message>
    <message>
        <source>Drills und Schusstimer</source>
        <translation>Exercices et chronomètre de tir</translation>
    </message>
    <message>
        <source>Neu laden</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Liest die Drills erneut, auch die eigenen aus %1</source>
        <translation>Relit les exercices, y compris les vôtres dans %1</translation>
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
        <source>Ergebnisse löschen</source>
        <translation>Effacer les résultats</translation>
    </message>
</context>
<context>
    <name>DrillReader</name>
    <message>
        <source>kein gültiges JSON (%1 bei Zeichen %2)</source>
        <translation>JSON non valide (%1 au caractère %2)</translation>
    </message>
    <message>
        <source>kein JSON-Objekt</source>
        <translation>pas un objet JSON</translation>
    </message>
    <message>
        <source>unbekanntes Feld &quot;%1&quot;</source>
        <translation>champ inconnu « %1 »</translation>
    </message>
    <message>
        <source>&quot;fieldshot_drill&quot; fehlt: keine Drill-Datei</source>
        <translation>« fieldshot_drill » manquant : pas un fichier d’exercice</translation>
    </message>
    <message>
        <source>Formatversion %1 wird nicht unterstützt (nur %2)</source>
        <translation>version de format %1 non prise en charge (seulement %2)</translation>
    </message>
    <message>
        <source>&quot;name&quot; fehlt oder ist leer</source>
        <translation>« name » manquant ou vide</translation>
    </message>
    <message>
        <source>&quot;description&quot; ist kein Text</source>
        <translation>« description » n’est pas un texte</translation>
    </message>
    <message>
        <source>&quot;start&quot; braucht genau eines von &quot;fixed&quot; (Sekunden) oder &quot;random&quot; ([von, bis])</source>
        <translation>« start » demande exactement « fixed » (secondes) ou « random » ([de, à])</translation>
    </message>
    <message>
        <source>Startverzögerung muss zwischen 0 und %1 s liegen</source>
        <translation>le délai de départ doit être entre 0 et %1 s</translation>
    </message>
    <message>
        <source>&quot;random&quot; braucht zwei Sekundenwerte zwischen 0 und %1</source>
        <translation>« random » demande deux valeurs en secondes entre 0 et %1</translation>
    </message>
    <message>
        <source>&quot;random&quot;: der erste Wert ist größer als der zweite</source>
        <translation>« random » : la première valeur dépasse la seconde</translation>
    </message>
    <message>
        <source>&quot;pause&quot; muss zwischen 0 und %1 s liegen</source>
        <translation>« pause » doit être entre 0 et %1 s</translation>
    </message>
    <message>
        <source>&quot;strings&quot; fehlt oder ist leer</source>
        <translation>« strings » manquant ou vide</translation>
    </message>
    <message>
        <source>Serie %1 ist kein Objekt</source>
        <translation>la série %1 n’est pas un objet</translation>
    </message>
    <message>
        <source>Serie %1: unbekanntes Feld &quot;%2&quot;</source>
        <translation>série %1 : champ inconnu « %2 »</translation>
    </message>
    <message>
        <source>Serie %1: &quot;shots&quot; muss eine ganze Zahl von 1 bis %2 sein</source>
        <translation>série %1 : « shots » doit être un entier de 1 à %2</translation>
    </message>
    <message>
        <source>Serie %1: &quot;par&quot; muss zwischen 0 und %2 s liegen</source>
        <translation>série %1 : « par » doit être entre 0 et %2 s</translation>
    </message>
    <message>
        <source>Serie %1: &quot;targets&quot; ist leer</source>
        <translation>série %1 : « targets » est vide</translation>
    </message>
    <message>
        <source>Serie %1: jedes Ziel braucht einen Namen</source>
        <translation>série %1 : chaque cible a besoin d’un nom</translation>
    </message>
    <message>
        <source>Serie %1: %2 Ziele für %3 Schüsse (eines für alle oder eines je Schuss)</source>
        <translation>série %1 : %2 cibles pour %3 tirs (une pour tous ou une par tir)</translation>
    </message>
    <message>
        <source>Serie %1: &quot;reload_after&quot; braucht Schussnummern von 1 bis %2</source>
        <translation>série %1 : « reload_after » demande des numéros de tir de 1 à %2</translation>
    </message>
    <message>
        <source>Serie %1: &quot;repeat&quot; muss eine ganze Zahl von 1 bis %2 sein</source>
        <translation>série %1 : « repeat » doit être un entier de 1 à %2</translation>
    </message>
    <message>
        <source>mehr als %1 Serien</source>
        <translation>plus de %1 séries</translation>
    </message>
    <message>
        <source>&quot;score&quot; muss &quot;hits&quot;, &quot;points&quot; oder &quot;hitfactor&quot; sein</source>
        <translation>« score » doit être « hits », « points » ou « hitfactor »</translation>
    </message>
    <message>
        <source>&quot;pass&quot; ist kein Objekt</source>
        <translation>« pass » n’est pas un objet</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: unbekanntes Feld &quot;%1&quot;</source>
        <translation>« pass » : champ inconnu « %1 »</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: &quot;par&quot; muss true oder false sein</source>
        <translation>« pass » : « par » doit être true ou false</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: &quot;min_hits&quot; muss eine ganze Zahl von 0 bis %1 sein</source>
        <translation>« pass » : « min_hits » doit être un entier de 0 à %1</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: &quot;min_points&quot; muss eine ganze Zahl sein</source>
        <translation>« pass » : « min_points » doit être un entier</translation>
    </message>
    <message>
        <source>&quot;pass&quot;: &quot;min_hit_factor&quot; muss zwischen 0 und 1000 liegen</source>
        <translation>« pass » : « min_hit_factor » doit être entre 0 et 1000</translation>
    </message>
    <message>
        <source>kann nicht gelesen werden (%1)</source>
        <translation>illisible (%1)</translation>
    </message>
    <message>
        <source>größer als %1 KiB</source>
        <translation>plus de %1 Kio</translation>
    </message>
    <message>
        <source>braucht %1 Ziele, das Projekt hat %2</source>
        <translation>demande %1 cibles, le projet en a %2</translation>
    </message>
    <message>
        <source>braucht das Ziel &quot;%1&quot;, das im Projekt fehlt</source>
        <translation>demande la cible « %1 », absente du projet</translation>
    </message>
</context>
<context>
    <name>DrillSession</name>
    <message>
        <source>%1 Treffer</source>
        <translation>%1 touchés</translation>
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
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Serie</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Lauf</source>
        <translation>Passage</translation>
    </message>
    <message>
        <source>Startsignal nach</source>
        <translation>Signal après</translation>
    </message>
    <message>
        <source>Erster Schuss</source>
        <translation>Premier tir</translation>
    </message>
    <message>
        <source>Splits</source>
        <translation>Intervalles</translation>
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
        <translation>Touchés</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Manqués</translation>
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
        <translation>Cibles (touchés/manqués)</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Wertung</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <translation>Faux départ</translation>
    </message>
    <message>
        <source>Abgebrochen</source>
        <translation>Interrompu</translation>
    </message>
    <message>
        <source>Bestanden</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Nicht bestanden</source>
        <translation>Échoué</translation>
    </message>
    <message>
        <source>Par überschritten</source>
        <translation>par dépassé</translation>
    </message>
    <message>
        <source>Bester</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Moyenne</translation>
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
    <message>
        <source>die Druckausgabe lässt sich nicht öffnen</source>
        <translation>impossible d&apos;ouvrir la sortie d&apos;impression</translation>
    </message>
    <message>
        <source>PDF gespeichert: %1</source>
        <translation>PDF enregistré : %1</translation>
    </message>
    <message>
        <source>Nichts gespeichert: %1 (%2)</source>
        <translation>Rien n&apos;a été enregistré : %1 (%2)</translation>
    </message>
</context>
<context>
    <name>GroupFigures</name>
    <message>
        <source>n/a</source>
        <translation>n.d.</translation>
    </message>
    <message>
        <source>Schüsse</source>
        <translation>Tirs</translation>
    </message>
    <message>
        <source>links</source>
        <translation>à gauche</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>à droite</translation>
    </message>
    <message>
        <source>hoch</source>
        <translation>haut</translation>
    </message>
    <message>
        <source>tief</source>
        <translation>bas</translation>
    </message>
    <message>
        <source>Mittlerer Treffpunkt</source>
        <translation>Point moyen d&apos;impact</translation>
    </message>
    <message>
        <source>Größte Streuung</source>
        <translation>Dispersion maximale</translation>
    </message>
    <message>
        <source>Mittlerer Radius</source>
        <translation>Rayon moyen</translation>
    </message>
    <message>
        <source>Standardabweichung waagerecht</source>
        <translation>Écart type horizontal</translation>
    </message>
    <message>
        <source>Standardabweichung senkrecht</source>
        <translation>Écart type vertical</translation>
    </message>
</context>
<context>
    <name>HistoryButton</name>
    <message>
        <source>Verlauf</source>
        <translation>Historique</translation>
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
        <translation>Partie</translation>
    </message>
    <message>
        <source>%1, Serie %2</source>
        <translation>%1, série %2</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Übung</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Schüsse</source>
        <translation>Tirs</translation>
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
        <translation>Premier tir (s)</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Groupement</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Trainingsverlauf</source>
        <translation>Historique d&apos;entraînement</translation>
    </message>
    <message>
        <source>Aktualisieren</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Schussbild</source>
        <translation>Impacts</translation>
    </message>
    <message>
        <source>CSV exportieren</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Übung:</source>
        <translation>Exercice :</translation>
    </message>
    <message>
        <source>Ziel:</source>
        <translation>Cible :</translation>
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
        <translation>Premier tir (s)</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Groupement</translation>
    </message>
    <message>
        <source>Verlauf als CSV speichern</source>
        <translation>Enregistrer l&apos;historique en CSV</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Der Trainingsverlauf ist nicht verfügbar: %1</source>
        <translation>L&apos;historique d&apos;entraînement n&apos;est pas disponible : %1</translation>
    </message>
    <message>
        <source>Alle</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Nur Spiele</source>
        <translation>Parties seulement</translation>
    </message>
    <message>
        <source>Serien: %1 (%2)</source>
        <translation>Séries : %1 (%2)</translation>
    </message>
    <message>
        <source>Gruppe (%1)</source>
        <translation>Groupement (%1)</translation>
    </message>
    <message>
        <source>Die Serie kann nicht geladen werden.</source>
        <translation>La série ne peut pas être chargée.</translation>
    </message>
    <message>
        <source>%1 kann nicht gespeichert werden: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>Serien gespeichert: %1 (%2)</source>
        <translation>Séries enregistrées : %1 (%2)</translation>
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
    <message>
        <source>Ziel</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Zeit (s)</source>
        <translation>Temps (s)</translation>
    </message>
    <message>
        <source>Fehlschuss</source>
        <translation>Manqué</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <translation>Faux départ</translation>
    </message>
    <message>
        <source>Projekt gespeichert: %1</source>
        <translation>Projet enregistré : %1</translation>
    </message>
    <message>
        <source>Nichts gespeichert: %1 (%2)</source>
        <translation>Rien n&apos;a été enregistré : %1 (%2)</translation>
    </message>
    <message>
        <source>Neues Projekt.</source>
        <translation>Nouveau projet.</translation>
    </message>
    <message>
        <source>%1 kann nicht geöffnet werden; nichts geändert.</source>
        <translation>Impossible d&apos;ouvrir %1 ; rien n&apos;a changé.</translation>
    </message>
    <message>
        <source>Projekt %1 geöffnet.</source>
        <translation>Projet %1 ouvert.</translation>
    </message>
    <message>
        <source>%1 enthält kein Projekt: Ziele gelöscht, alles auf den Vorgaben.</source>
        <translation>%1 ne contient aucun projet : cibles effacées, tout aux valeurs par défaut.</translation>
    </message>
    <message>
        <source>Das vorige Projekt konnte nicht gesichert werden (%1).</source>
        <translation>Le projet précédent n&apos;a pas pu être conservé (%1).</translation>
    </message>
    <message>
        <source>Das vorige liegt in %1.</source>
        <translation>Le précédent est conservé dans %1.</translation>
    </message>
    <message>
        <source>Voriges Projekt wiederhergestellt.</source>
        <translation>Projet précédent rétabli.</translation>
    </message>
    <message>
        <source>Das Punktebild bestimmt die Punkte eines Treffers: Es wird über das angezeigte Anzeigebild gestreckt, und der Pixel an der Trefferstelle zählt seinen Rotanteil (0 bis 255) geteilt durch 10, ohne Rest: 0 bis 25 Punkte. Grün, Blau und Transparenz zählen nicht; 0 Punkte ist ein Fehlschuss.</source>
        <translation>L&apos;image de points donne ses points à un impact : elle est étirée sur l&apos;image affichée, et le pixel touché compte sa composante rouge (0 à 255) divisée par 10, sans reste : 0 à 25 points. Le vert, le bleu et la transparence ne comptent pas ; 0 point est un tir manqué.</translation>
    </message>
    <message>
        <source>Trefferbild ...</source>
        <translation>Groupement ...</translation>
    </message>
    <message>
        <source>Anzeigescheibe</source>
        <translation>Cible affichée</translation>
    </message>
    <message>
        <source>Kamera %1: nur %2 Bilder/s</source>
        <translation>Caméra %1 : seulement %2 images/s</translation>
    </message>
    <message>
        <source>Kamera %1: seit %2 s keine Bilder</source>
        <translation>Caméra %1 : aucune image depuis %2 s</translation>
    </message>
    <message>
        <source>Drills und Schusstimer…</source>
        <translation>Exercices et chronomètre…</translation>
    </message>
    <message>
        <source>Die Schusszahl des Spiels (%1) ist kleiner als die längste Serie (%2): das Spiel endet vor der Serie.</source>
        <translation>Le nombre de tirs du jeu (%1) est inférieur à la plus longue série (%2) : le jeu finit avant la série.</translation>
    </message>
    <message>
        <source>Trainingsverlauf nicht verfügbar: %1</source>
        <translation>Historique d&apos;entraînement indisponible : %1</translation>
    </message>
    <message>
        <source>Die Verbindungsangabe ist ungültig</source>
        <translation>Le paramètre de connexion n&apos;est pas valide</translation>
    </message>
</context>
<context>
    <name>RecoveryFolder</name>
    <message>
        <source>Ordner %1 kann nicht angelegt werden</source>
        <translation>Impossible de créer le dossier %1</translation>
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
    <name>SaveFailure</name>
    <message>
        <source>Datenträger voll</source>
        <translation>disque plein</translation>
    </message>
    <message>
        <source>die Datei ließ sich nicht vollständig schreiben</source>
        <translation>le fichier n&apos;a pas pu être écrit en entier</translation>
    </message>
</context>
<context>
    <name>UndoNotice</name>
    <message>
        <source>Rückgängig</source>
        <translation>Annuler</translation>
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
