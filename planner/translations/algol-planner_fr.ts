<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AlgolPlanner</name>
    <message>
        <source>±%1 min</source>
        <translation>±%1 min</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Watchable at its minimum</source>
        <translation>Observable à son minimum</translation>
    </message>
    <message>
        <source>Algol&apos;s altitude at the minimum</source>
        <translation>Hauteur d&apos;Algol au minimum</translation>
    </message>
    <message>
        <source>Algol&apos;s azimuth, from north through east</source>
        <translation>Azimut d&apos;Algol, compté du nord vers l&apos;est</translation>
    </message>
    <message>
        <source>The Sun&apos;s altitude at the minimum</source>
        <translation>Hauteur du Soleil au minimum</translation>
    </message>
    <message>
        <source>The Moon&apos;s altitude at the minimum</source>
        <translation>Hauteur de la Lune au minimum</translation>
    </message>
    <message>
        <source>The lit fraction of the Moon</source>
        <translation>Fraction éclairée de la Lune</translation>
    </message>
    <message>
        <source>Hours of the 6 around the minimum with Algol high enough and the sky dark</source>
        <translation>Heures, sur les 6 autour du minimum, où Algol est assez haute et le ciel assez noir</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Algol</source>
        <translation>Algol</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Lit</source>
        <translation>Éclairée</translation>
    </message>
    <message>
        <source>Uncertainty</source>
        <translation>Incertitude</translation>
    </message>
    <message>
        <source>Watchable</source>
        <translation>Observable</translation>
    </message>
    <message>
        <source>Night chart</source>
        <translation>Graphique de la nuit</translation>
    </message>
    <message>
        <source>No night to show</source>
        <translation>Aucune nuit à montrer</translation>
    </message>
    <message>
        <source>now</source>
        <translation>maintenant</translation>
    </message>
    <message>
        <source>Algol&apos;s altitude</source>
        <translation>Hauteur d&apos;Algol</translation>
    </message>
    <message>
        <source>Moon&apos;s altitude (%1 % lit)</source>
        <translation>Hauteur de la Lune (éclairée à %1 %)</translation>
    </message>
    <message>
        <source>Algol&apos;s magnitude</source>
        <translation>Magnitude d&apos;Algol</translation>
    </message>
    <message>
        <source>watchable</source>
        <translation>observable</translation>
    </message>
    <message>
        <source>%1: Algol %2° high, magnitude %3; Moon %4°; Sun %5°</source>
        <translation>%1 : Algol à %2° de hauteur, magnitude %3 ; Lune %4° ; Soleil %5°</translation>
    </message>
    <message>
        <source>Night of %1</source>
        <translation>Nuit du %1</translation>
    </message>
    <message>
        <source>Night of %1, %2</source>
        <translation>Nuit du %1, %2</translation>
    </message>
    <message>
        <source>minimum ≈ %1</source>
        <translation>minimum ≈ %1</translation>
    </message>
    <message>
        <source>minimum %1</source>
        <translation>minimum %1</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <translation>%1 j %2 h</translation>
    </message>
    <message>
        <source>Algol is fading: magnitude %1 now</source>
        <translation>Algol faiblit : magnitude %1 en ce moment</translation>
    </message>
    <message>
        <source>Algol is brightening: magnitude %1 now</source>
        <translation>Algol remonte : magnitude %1 en ce moment</translation>
    </message>
    <message>
        <source>Algol shines steadily at magnitude %1 now</source>
        <translation>Algol brille d&apos;un éclat constant, magnitude %1 en ce moment</translation>
    </message>
    <message>
        <source>%1; the next minimum is on %2 at %3 (in %4).</source>
        <translation>%1 ; le prochain minimum aura lieu le %2 à %3 (dans %4).</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Algol planner</source>
        <translation>Planificateur Algol</translation>
    </message>
    <message>
        <source>Your site was taken from your time zone %1: %2, %3. Change it to where you observe.</source>
        <translation>Votre site a été déduit de votre fuseau horaire %1 : %2, %3. Remplacez-le par votre lieu d&apos;observation.</translation>
    </message>
    <message>
        <source>Your time zone %1 names no city: the site is Greenwich, %2. Change it to where you observe.</source>
        <translation>Votre fuseau horaire %1 ne désigne aucune ville : le site est Greenwich, %2. Remplacez-le par votre lieu d&apos;observation.</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Place name</source>
        <translation>Nom du lieu</translation>
    </message>
    <message>
        <source>Latitude in degrees, north positive</source>
        <translation>Latitude en degrés, positive au nord</translation>
    </message>
    <message>
        <source>Longitude in degrees, east positive</source>
        <translation>Longitude en degrés, positive à l&apos;est</translation>
    </message>
    <message>
        <source>Height in metres</source>
        <translation>Altitude en mètres</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>&amp;Lieu :</translation>
    </message>
    <message>
        <source>&amp;Latitude (°N):</source>
        <translation>L&amp;atitude (°N) :</translation>
    </message>
    <message>
        <source>L&amp;ongitude (°E):</source>
        <translation>L&amp;ongitude (°E) :</translation>
    </message>
    <message>
        <source>&amp;Height (m):</source>
        <translation>Al&amp;titude (m) :</translation>
    </message>
    <message>
        <source>Time &amp;zone:</source>
        <translation>&amp;Fuseau horaire :</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>Current (O-C gateway)</source>
        <translation>Actuels (passerelle O-C)</translation>
    </message>
    <message>
        <source>Classic (1972)</source>
        <translation>Classiques (1972)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnels</translation>
    </message>
    <message>
        <source>Epoch of the custom elements</source>
        <translation>Époque des éléments personnels</translation>
    </message>
    <message>
        <source>Period of the custom elements in days</source>
        <translation>Période des éléments personnels en jours</translation>
    </message>
    <message>
        <source>Time reference of the custom elements</source>
        <translation>Référence de temps des éléments personnels</translation>
    </message>
    <message>
        <source>heliocentric (HJD)</source>
        <translation>héliocentrique (HJD)</translation>
    </message>
    <message>
        <source>geocentric (JD)</source>
        <translation>géocentrique (JD)</translation>
    </message>
    <message>
        <source>&amp;Set:</source>
        <translation>&amp;Jeu :</translation>
    </message>
    <message>
        <source>&amp;Epoch:</source>
        <translation>É&amp;poque :</translation>
    </message>
    <message>
        <source>P&amp;eriod (days):</source>
        <translation>Pé&amp;riode (jours) :</translation>
    </message>
    <message>
        <source>&amp;Counted in:</source>
        <translation>&amp;Comptés en :</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>Lowest altitude of Algol in degrees</source>
        <translation>Hauteur minimale d&apos;Algol en degrés</translation>
    </message>
    <message>
        <source>Highest altitude of the Sun in degrees</source>
        <translation>Hauteur maximale du Soleil en degrés</translation>
    </message>
    <message>
        <source>Algol at least (°):</source>
        <translation>Algol au moins à (°) :</translation>
    </message>
    <message>
        <source>Sun at most (°):</source>
        <translation>Soleil au plus à (°) :</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Period of the list</source>
        <translation>Durée de la liste</translation>
    </message>
    <message>
        <source>next %1 days</source>
        <translation>%1 prochains jours</translation>
    </message>
    <message>
        <source>Only &amp;watchable minima</source>
        <translation>Seulement les minima &amp;observables</translation>
    </message>
    <message>
        <source>Only watchable minima</source>
        <translation>Seulement les minima observables</translation>
    </message>
    <message>
        <source>&amp;Round times to the half hour</source>
        <translation>&amp;Arrondir les heures à la demi-heure</translation>
    </message>
    <message>
        <source>Round times to the half hour</source>
        <translation>Arrondir les heures à la demi-heure</translation>
    </message>
    <message>
        <source>For visual estimates made without knowing the exact predicted time</source>
        <translation>Pour des estimations visuelles faites sans connaître l&apos;heure prévue exacte</translation>
    </message>
    <message>
        <source>&amp;Minima of the:</source>
        <translation>&amp;Minima des :</translation>
    </message>
    <message>
        <source>Algol now</source>
        <translation>Algol en ce moment</translation>
    </message>
    <message>
        <source>Summary of the list</source>
        <translation>Résumé de la liste</translation>
    </message>
    <message>
        <source>Minima</source>
        <translation>Minima</translation>
    </message>
    <message>
        <source>Chart read-out</source>
        <translation>Lecture du graphique</translation>
    </message>
    <message>
        <source>Point at the chart to read the time, the altitudes and the magnitude.</source>
        <translation>Pointez le graphique pour lire l&apos;heure, les hauteurs et la magnitude.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Export the list as &amp;CSV…</source>
        <translation>Exporter la liste en &amp;CSV…</translation>
    </message>
    <message>
        <source>Export the list as &amp;JSON…</source>
        <translation>Exporter la liste en &amp;JSON…</translation>
    </message>
    <message>
        <source>Export the list as i&amp;Calendar…</source>
        <translation>Exporter la liste en i&amp;Calendar…</translation>
    </message>
    <message>
        <source>Save the chart as &amp;PNG…</source>
        <translation>Enregistrer le graphique en &amp;PNG…</translation>
    </message>
    <message>
        <source>Save the chart as &amp;SVG…</source>
        <translation>Enregistrer le graphique en &amp;SVG…</translation>
    </message>
    <message>
        <source>P&amp;rint the chart…</source>
        <translation>&amp;Imprimer le graphique…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>The latitude is a number of degrees from %1 to %2, not “%3”.</source>
        <translation>La latitude est un nombre de degrés de %1 à %2, pas « %3 ».</translation>
    </message>
    <message>
        <source>The longitude is a number of degrees from %1 to %2, not “%3”.</source>
        <translation>La longitude est un nombre de degrés de %1 à %2, pas « %3 ».</translation>
    </message>
    <message>
        <source>The height is a number of metres from %1 to %2, not “%3”.</source>
        <translation>L&apos;altitude est un nombre de mètres de %1 à %2, pas « %3 ».</translation>
    </message>
    <message>
        <source>Unknown time zone “%1”: an IANA name such as Europe/Paris.</source>
        <translation>Fuseau horaire inconnu « %1 » : un nom IANA tel que Europe/Paris.</translation>
    </message>
    <message>
        <source>The epoch is a Julian Day from %1 to %2, not “%3”.</source>
        <translation>L&apos;époque est un jour julien de %1 à %2, pas « %3 ».</translation>
    </message>
    <message>
        <source>The period is a number of days from %1 to %2, not “%3”.</source>
        <translation>La période est un nombre de jours de %1 à %2, pas « %3 ».</translation>
    </message>
    <message>
        <source>The altitude is a number of degrees from %1 to %2, not “%3”.</source>
        <translation>La hauteur est un nombre de degrés de %1 à %2, pas « %3 ».</translation>
    </message>
    <message>
        <source>The list is that of the last inputs that were right.</source>
        <translation>La liste est celle des dernières saisies correctes.</translation>
    </message>
    <message>
        <source>%1 of the %2 minima of the next %3 days can be watched from %4.</source>
        <translation>%1 des %2 minima des %3 prochains jours sont observables depuis %4.</translation>
    </message>
    <message>
        <source>The settings could not be saved (%1); the last saved ones are kept.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés (%1) ; les derniers enregistrés sont conservés.</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Écrit : %1</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Algol planner: the night of a minimum of Algol</source>
        <translation>Planificateur Algol : la nuit d&apos;un minimum d&apos;Algol</translation>
    </message>
    <message>
        <source>Export the list</source>
        <translation>Exporter la liste</translation>
    </message>
    <message>
        <source>%1 files (*.%2)</source>
        <translation>Fichiers %1 (*.%2)</translation>
    </message>
    <message>
        <source>Save the chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>±%1 min, scatter ±%2 min</source>
        <translation>±%1 min, dispersion ±%2 min</translation>
    </message>
    <message>
        <source>%1:00</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Fitted to my timings</source>
        <translation>Ajustés sur mes instants</translation>
    </message>
    <message>
        <source>An elements file that algol-minima fit wrote from your times of minimum</source>
        <translation>Un fichier d&apos;éléments écrit par algol-minima fit à partir de vos instants de minimum</translation>
    </message>
    <message>
        <source>Elements file</source>
        <translation>Fichier d&apos;éléments</translation>
    </message>
    <message>
        <source>elements.txt</source>
        <translation>elements.txt</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Parcourir…</translation>
    </message>
    <message>
        <source>Choose the elements file</source>
        <translation>Choisir le fichier d&apos;éléments</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier :</translation>
    </message>
    <message>
        <source>Choose the elements file that algol-minima fit wrote.</source>
        <translation>Choisissez le fichier d&apos;éléments qu&apos;a écrit algol-minima fit.</translation>
    </message>
    <message>
        <source>Elements files (*.txt *.elements);;All files (*)</source>
        <translation>Fichiers d&apos;éléments (*.txt *.elements);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>sky is bright: moon, twilight, light pollution, aurorae</source>
        <translation>ciel clair : Lune, crépuscule, pollution lumineuse, aurores</translation>
    </message>
    <message>
        <source>clouds, dust, smoke, haze</source>
        <translation>nuages, poussière, fumée, brume</translation>
    </message>
    <message>
        <source>poor seeing</source>
        <translation>mauvaise turbulence</translation>
    </message>
    <message>
        <source>low in the sky, near the horizon, in trees, view obstructed</source>
        <translation>bas sur l&apos;horizon, dans les arbres, vue gênée</translation>
    </message>
    <message>
        <source>unusual activity: fading, flare, bizarre behaviour</source>
        <translation>activité inhabituelle : baisse, sursaut, comportement étrange</translation>
    </message>
    <message>
        <source>outburst</source>
        <translation>éruption</translation>
    </message>
    <message>
        <source>non-AAVSO chart</source>
        <translation>carte non AAVSO</translation>
    </message>
    <message>
        <source>comparison sequence problem</source>
        <translation>problème de séquence de comparaison</translation>
    </message>
    <message>
        <source>magnitude of the star uncertain</source>
        <translation>magnitude de l&apos;étoile incertaine</translation>
    </message>
    <message>
        <source>identification of the star uncertain</source>
        <translation>identification de l&apos;étoile incertaine</translation>
    </message>
    <message>
        <source>faint star, near the observing limit, only glimpsed</source>
        <translation>étoile faible, près de la limite, à peine entrevue</translation>
    </message>
    <message>
        <source>Observing log</source>
        <translation>Journal d&apos;observation</translation>
    </message>
    <message>
        <source>Time of the estimate</source>
        <translation>Heure de l&apos;estimation</translation>
    </message>
    <message>
        <source>The site&apos;s time, such as 23:14:05; left empty, the moment Enter is pressed. Ctrl+T stamps the present time.</source>
        <translation>L&apos;heure du site, par exemple 23:14:05 ; laissée vide, l&apos;instant où l&apos;on appuie sur Entrée. Ctrl+T inscrit l&apos;heure présente.</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Stamp the present time</source>
        <translation>Inscrire l&apos;heure présente</translation>
    </message>
    <message>
        <source>Stamps the present time into the time field (Ctrl+T)</source>
        <translation>Inscrit l&apos;heure présente dans le champ de l&apos;heure (Ctrl+T)</translation>
    </message>
    <message>
        <source>Estimate</source>
        <translation>Estimation</translation>
    </message>
    <message>
        <source>2.9, a 2 V 3 b or &lt;3.5</source>
        <translation>2.9, a 2 V 3 b ou &lt;3.5</translation>
    </message>
    <message>
        <source>AAVSO comment codes</source>
        <translation>Codes de commentaire AAVSO</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add the estimate</source>
        <translation>Ajouter l&apos;estimation</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Heure :</translation>
    </message>
    <message>
        <source>Estimate:</source>
        <translation>Estimation :</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Codes :</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Note :</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Comparison stars</source>
        <translation>Étoiles de comparaison</translation>
    </message>
    <message>
        <source>Estimates of the night</source>
        <translation>Estimations de la nuit</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>Codes</source>
        <translation>Codes</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit the chosen estimate</source>
        <translation>Modifier l&apos;estimation choisie</translation>
    </message>
    <message>
        <source>Loads the chosen estimate into the fields (F2 or a double click); Enter stores it, Esc cancels</source>
        <translation>Reprend l&apos;estimation choisie dans les champs (F2 ou double clic) ; Entrée l&apos;enregistre, Échap annule</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete the chosen entries</source>
        <translation>Supprimer les entrées choisies</translation>
    </message>
    <message>
        <source>Deletes the chosen entries (Delete key); Undo brings them back</source>
        <translation>Supprime les entrées choisies (touche Suppr) ; Annuler les rétablit</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo the last change of the log</source>
        <translation>Annuler la dernière modification du journal</translation>
    </message>
    <message>
        <source>Undoes the last change of the log (Ctrl+Z)</source>
        <translation>Annule la dernière modification du journal (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Import a file of observations</source>
        <translation>Importer un fichier d&apos;observations</translation>
    </message>
    <message>
        <source>Adds the night&apos;s points of an AAVSO file, a file of JD and magnitude columns or an exported log</source>
        <translation>Ajoute les points de la nuit d&apos;un fichier AAVSO, d&apos;un fichier en colonnes de JD et de magnitude ou d&apos;un journal exporté</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Export the night&apos;s log</source>
        <translation>Exporter le journal de la nuit</translation>
    </message>
    <message>
        <source>AAVSO file…</source>
        <translation>Fichier AAVSO…</translation>
    </message>
    <message>
        <source>Write the night&apos;s AAVSO Visual file</source>
        <translation>Écrire le fichier AAVSO Visual de la nuit</translation>
    </message>
    <message>
        <source>Writes your estimates of the night as an AAVSO Visual file, ready to submit</source>
        <translation>Écrit vos estimations de la nuit en fichier AAVSO Visual, prêt à soumettre</translation>
    </message>
    <message>
        <source>Comparison stars: %1</source>
        <translation>Étoiles de comparaison : %1</translation>
    </message>
    <message>
        <source>A magnitude (2.9), fainter than a magnitude (&lt;3.5), or a step estimate between two comparison stars, the brighter first: a 2 V 3 b. %1</source>
        <translation>Une magnitude (2.9), plus faible qu&apos;une magnitude (&lt;3.5), ou une estimation par degrés entre deux étoiles de comparaison, la plus brillante d&apos;abord : a 2 V 3 b. %1</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Now is not in the night of %1 (%2): type the time of the estimate.</source>
        <translation>Maintenant n&apos;est pas dans la nuit du %1 (%2) : tapez l&apos;heure de l&apos;estimation.</translation>
    </message>
    <message>
        <source>The time is hours, minutes and seconds of the site&apos;s clock, such as 23:14:05, not “%1”.</source>
        <translation>L&apos;heure s&apos;écrit en heures, minutes et secondes de l&apos;heure du site, par exemple 23:14:05, et non « %1 ».</translation>
    </message>
    <message>
        <source>%1 is not in the night of %2 (%3).</source>
        <translation>%1 n&apos;est pas dans la nuit du %2 (%3).</translation>
    </message>
    <message>
        <source>Choose a night first.</source>
        <translation>Choisissez d&apos;abord une nuit.</translation>
    </message>
    <message>
        <source>Type an estimate: a magnitude (2.9), a step estimate (a 2 V 3 b) or fainter than (&lt;3.5).</source>
        <translation>Tapez une estimation : une magnitude (2.9), une estimation par degrés (a 2 V 3 b) ou plus faible que (&lt;3.5).</translation>
    </message>
    <message>
        <source>“%1” is no estimate: type a magnitude (2.9), a step estimate between two comparison stars (a 2 V 3 b) or fainter than (&lt;3.5).</source>
        <translation>« %1 » n&apos;est pas une estimation : tapez une magnitude (2.9), une estimation par degrés entre deux étoiles de comparaison (a 2 V 3 b) ou plus faible que (&lt;3.5).</translation>
    </message>
    <message>
        <source>“%1” is no comparison star of the chart: name one of those below, or its label.</source>
        <translation>« %1 » n&apos;est pas une étoile de comparaison de la carte : nommez l&apos;une de celles ci-dessous, ou son étiquette.</translation>
    </message>
    <message>
        <source>Both sides name the same star: compare Algol with two different stars.</source>
        <translation>Les deux côtés nomment la même étoile : comparez Algol à deux étoiles différentes.</translation>
    </message>
    <message>
        <source>Steps are counted from 0 up; none can be negative.</source>
        <translation>Les degrés se comptent à partir de 0 ; aucun ne peut être négatif.</translation>
    </message>
    <message>
        <source>More than %1 steps: compare Algol with nearer stars.</source>
        <translation>Plus de %1 degrés : comparez Algol à des étoiles plus proches en éclat.</translation>
    </message>
    <message>
        <source>0 V 0 says nothing: at least one of the steps is above 0.</source>
        <translation>0 V 0 ne dit rien : au moins l&apos;un des degrés dépasse 0.</translation>
    </message>
    <message>
        <source>The magnitude of Algol lies between %1 and %2: “%3” cannot be one.</source>
        <translation>La magnitude d&apos;Algol est comprise entre %1 et %2 : « %3 » ne peut pas en être une.</translation>
    </message>
    <message>
        <source>The comment codes are letters of B U W L D Y K S Z I V:
%1</source>
        <translation>Les codes de commentaire sont des lettres parmi B U W L D Y K S Z I V :
%1</translation>
    </message>
    <message>
        <source>Not stored: %1. The estimate is still in the field.</source>
        <translation>Non enregistrée : %1. L&apos;estimation reste dans le champ.</translation>
    </message>
    <message>
        <source>Stored: %1 at %2.</source>
        <translation>Enregistrée : %1 à %2.</translation>
    </message>
    <message>
        <source>Choose the estimate to edit in the table.</source>
        <translation>Choisissez dans le tableau l&apos;estimation à modifier.</translation>
    </message>
    <message>
        <source>An imported point is edited in its own file: delete it, then import the file again.</source>
        <translation>Un point importé se modifie dans son propre fichier : supprimez-le, puis importez de nouveau le fichier.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Editing the estimate of %1: Enter stores the change, Esc cancels.</source>
        <translation>Modification de l&apos;estimation de %1 : Entrée enregistre la modification, Échap annule.</translation>
    </message>
    <message>
        <source>Choose the entries to delete in the table.</source>
        <translation>Choisissez dans le tableau les entrées à supprimer.</translation>
    </message>
    <message>
        <source>Nothing was deleted: %1.</source>
        <translation>Rien n&apos;a été supprimé : %1.</translation>
    </message>
    <message>
        <source>Nothing was undone: %1.</source>
        <translation>Rien n&apos;a été annulé : %1.</translation>
    </message>
    <message>
        <source>The last change was undone.</source>
        <translation>La dernière modification a été annulée.</translation>
    </message>
    <message>
        <source>%1: points added: %2; outside this night: %3; already in the log: %4</source>
        <translation>%1 : points ajoutés : %2 ; hors de cette nuit : %3 ; déjà dans le journal : %4</translation>
    </message>
    <message>
        <source>; lines skipped: %1</source>
        <translation> ; lignes ignorées : %1</translation>
    </message>
    <message>
        <source>; fainter-than estimates skipped: %1</source>
        <translation> ; estimations « plus faible que » ignorées : %1</translation>
    </message>
    <message>
        <source>; rows of other stars left out: %1</source>
        <translation> ; lignes d&apos;autres étoiles écartées : %1</translation>
    </message>
    <message>
        <source>The AAVSO file needs your observer code: set it in the settings first.</source>
        <translation>Le fichier AAVSO demande votre code d&apos;observateur : indiquez-le d&apos;abord dans les réglages.</translation>
    </message>
    <message>
        <source>The night&apos;s log holds no estimate of yours to submit.</source>
        <translation>Le journal de la nuit ne contient aucune estimation de vous à soumettre.</translation>
    </message>
    <message>
        <source>Import observations</source>
        <translation>Importer des observations</translation>
    </message>
    <message>
        <source>Observation files (*.txt *.csv *.tsv *.dat);;All files (*)</source>
        <translation>Fichiers d&apos;observations (*.txt *.csv *.tsv *.dat);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>AAVSO Visual file</source>
        <translation>Fichier AAVSO Visual</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>%1; nothing will be written to it.</source>
        <translation>%1 ; rien n&apos;y sera écrit.</translation>
    </message>
    <message>
        <source>%1 has lines that cannot be read and could not be copied to %2 (%3); nothing will be written to it.</source>
        <translation>%1 a des lignes illisibles et n&apos;a pas pu être copié dans %2 (%3) ; rien n&apos;y sera écrit.</translation>
    </message>
    <message>
        <source>%1 has lines that cannot be read; the file as it was is kept in %2.</source>
        <translation>%1 a des lignes illisibles ; le fichier tel qu&apos;il était est conservé dans %2.</translation>
    </message>
    <message>
        <source>no night is open</source>
        <translation>aucune nuit n&apos;est ouverte</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>no such entry</source>
        <translation>cette entrée n&apos;existe pas</translation>
    </message>
    <message>
        <source>nothing to undo</source>
        <translation>rien à annuler</translation>
    </message>
    <message>
        <source>the night&apos;s log could not be written: %1</source>
        <translation>le journal de la nuit n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message numerus="yes">
        <source>Entries deleted: %n. Ctrl+Z brings them back.</source>
        <translation>
            <numerusform>%n entrée supprimée. Ctrl+Z la rétablit.</numerusform>
            <numerusform>%n entrées supprimées. Ctrl+Z les rétablit.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Other lines that cannot be read: %n.</source>
        <translation>
            <numerusform>Autre ligne illisible : %n.</numerusform>
            <numerusform>Autres lignes illisibles : %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OcDiagram</name>
    <message>
        <source>Algol: O−C of the times of minimum (timings: %1)</source>
        <translation>Algol : O−C des instants de minimum (instants : %1)</translation>
    </message>
    <message>
        <source>fitted: Min I = %1 %2 + %3 E</source>
        <translation>ajustés : Min I = %1 %2 + %3 E</translation>
    </message>
    <message>
        <source>O−C diagram</source>
        <translation>Diagramme O−C</translation>
    </message>
    <message>
        <source>No timings to show</source>
        <translation>Aucun instant de minimum à montrer</translation>
    </message>
    <message>
        <source>O−C (minutes)</source>
        <translation>O−C (minutes)</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>timing, with its error</source>
        <translation>instant de minimum, avec son erreur</translation>
    </message>
    <message>
        <source>beyond 3 sigma of the fit</source>
        <translation>au-delà de 3 sigma de l&apos;ajustement</translation>
    </message>
    <message>
        <source>left out of the fit</source>
        <translation>écarté de l&apos;ajustement</translation>
    </message>
    <message>
        <source>zero: %1</source>
        <translation>zéro : %1</translation>
    </message>
    <message>
        <source>%1 %2 UTC, E %3: O−C %4 min (%5 d) ± %6 min</source>
        <translation>%1 %2 UTC, E %3 : O−C %4 min (%5 j) ± %6 min</translation>
    </message>
    <message>
        <source>; beyond 3 sigma of the fit</source>
        <translation> ; au-delà de 3 sigma de l&apos;ajustement</translation>
    </message>
    <message>
        <source>; left out of the fit</source>
        <translation> ; écarté de l&apos;ajustement</translation>
    </message>
    <message>
        <source>Algol planner: the O−C diagram of the times of minimum</source>
        <translation>Planificateur Algol : le diagramme O−C des instants de minimum</translation>
    </message>
    <message>
        <source>Algol planner: the O−C diagram of the times of minimum, from %1</source>
        <translation>Planificateur Algol : le diagramme O−C des instants de minimum, d&apos;après %1</translation>
    </message>
</context>
<context>
    <name>LightCurveSheet</name>
    <message>
        <source>Kwee and van Woerden</source>
        <translation>Kwee et van Woerden</translation>
    </message>
    <message>
        <source>fit of the eclipse template</source>
        <translation>ajustement du modèle d&apos;éclipse</translation>
    </message>
    <message>
        <source>%1: light curve of the night of %2</source>
        <translation>%1 : courbe de lumière de la nuit du %2</translation>
    </message>
    <message>
        <source>Local time (%1)</source>
        <translation>Heure locale (%1)</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>non précisé</translation>
    </message>
    <message>
        <source>Site: %1, %2; observer: %3; instrument: %4</source>
        <translation>Lieu : %1, %2 ; observateur : %3 ; instrument : %4</translation>
    </message>
    <message>
        <source>Elements: %1</source>
        <translation>Éléments : %1</translation>
    </message>
    <message>
        <source>Minimum: %1 %2, %3 UT, %4 %5 ± %6 d (± %7 min)</source>
        <translation>Minimum : %1 %2, %3 TU, %4 %5 ± %6 j (± %7 min)</translation>
    </message>
    <message>
        <source>E %1, O−C %2 d (%3 min); method: %4; N = %5</source>
        <translation>E %1, O−C %2 j (%3 min) ; méthode : %4 ; N = %5</translation>
    </message>
    <message>
        <source>Not timed: %1</source>
        <translation>Non chronométré : %1</translation>
    </message>
    <message>
        <source>Not timed</source>
        <translation>Non chronométré</translation>
    </message>
    <message>
        <source>No estimates</source>
        <translation>Aucune estimation</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>estimate</source>
        <translation>estimation</translation>
    </message>
    <message>
        <source>fainter than</source>
        <translation>plus faible que</translation>
    </message>
    <message>
        <source>eclipse template fitted</source>
        <translation>modèle d&apos;éclipse ajusté</translation>
    </message>
    <message>
        <source>time of minimum and its error</source>
        <translation>instant du minimum et son erreur</translation>
    </message>
    <message>
        <source>comparison star (AAVSO label)</source>
        <translation>étoile de comparaison (étiquette AAVSO)</translation>
    </message>
    <message>
        <source>%1: light curve</source>
        <translation>%1 : courbe de lumière</translation>
    </message>
</context>
<context>
    <name>ObservingSheet</name>
    <message>
        <source>%1: observing sheet for the night of %2</source>
        <translation>%1 : fiche d&apos;observation de la nuit du %2</translation>
    </message>
    <message>
        <source>Time (%1)</source>
        <translation>Heure (%1)</translation>
    </message>
    <message>
        <source>unnamed site</source>
        <translation>lieu sans nom</translation>
    </message>
    <message>
        <source>Site: %1, %2; time zone %3</source>
        <translation>Lieu : %1, %2 ; fuseau horaire %3</translation>
    </message>
    <message>
        <source>Site: %1; time zone %2</source>
        <translation>Lieu : %1 ; fuseau horaire %2</translation>
    </message>
    <message>
        <source>Predicted minimum: about %1 %2 (times rounded to the half hour)</source>
        <translation>Minimum prévu : vers %1 %2 (heures arrondies à la demi-heure)</translation>
    </message>
    <message>
        <source>Predicted minimum: %1 %2 (%3 UT)</source>
        <translation>Minimum prévu : %1 %2 (%3 TU)</translation>
    </message>
    <message>
        <source>Elements: %1</source>
        <translation>Éléments : %1</translation>
    </message>
    <message>
        <source>Uncertainty of the prediction: ±%1 min</source>
        <translation>Incertitude de la prévision : ±%1 min</translation>
    </message>
    <message>
        <source>Predicted magnitude of Algol (grey: too low or sky too bright)</source>
        <translation>Magnitude prévue d&apos;Algol (en gris : trop basse ou ciel trop clair)</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>Comparison stars (AAVSO label, star, magnitude)</source>
        <translation>Étoiles de comparaison (étiquette AAVSO, étoile, magnitude)</translation>
    </message>
    <message>
        <source>Your estimates</source>
        <translation>Vos estimations</translation>
    </message>
    <message>
        <source>Observer: ____________________    Instrument: ____________________</source>
        <translation>Observateur : ____________________    Instrument : ____________________</translation>
    </message>
    <message>
        <source>Estimate (e.g. 30 (2) V (1) 26)</source>
        <translation>Estimation (p. ex. 30 (2) V (1) 26)</translation>
    </message>
    <message>
        <source>Sky, Moon, notes</source>
        <translation>Ciel, Lune, notes</translation>
    </message>
</context>
</TS>
