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
        <source>%1: Algol %2° high, magnitude %3; Moon %4°; Sun %5°</source>
        <translation>%1 : Algol à %2° de hauteur, magnitude %3 ; Lune %4° ; Soleil %5°</translation>
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
        <translation>Lie&amp;u :</translation>
    </message>
    <message>
        <source>&amp;Latitude (°N):</source>
        <translation>&amp;Latitude (°N) :</translation>
    </message>
    <message>
        <source>L&amp;ongitude (°E):</source>
        <translation>Lon&amp;gitude (°E) :</translation>
    </message>
    <message>
        <source>Time &amp;zone:</source>
        <translation>Fuseau &amp;horaire :</translation>
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
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Period of the list</source>
        <translation>Durée de la liste</translation>
    </message>
    <message>
        <source>Only &amp;watchable minima</source>
        <translation>Seulement les minima o&amp;bservables</translation>
    </message>
    <message>
        <source>Only watchable minima</source>
        <translation>Seulement les minima observables</translation>
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
        <source>Save the chart as &amp;PNG…</source>
        <translation>Enregistrer le graphique en &amp;PNG…</translation>
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
        <translation>Parc&amp;ourir…</translation>
    </message>
    <message>
        <source>Choose the elements file</source>
        <translation>Choisir le fichier d&apos;éléments</translation>
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
        <source>Add the estimate</source>
        <translation>Ajouter l&apos;estimation</translation>
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
        <source>Edit the chosen estimate</source>
        <translation>Modifier l&apos;estimation choisie</translation>
    </message>
    <message>
        <source>Loads the chosen estimate into the fields (F2 or a double click); Enter stores it, Esc cancels</source>
        <translation>Reprend l&apos;estimation choisie dans les champs (F2 ou double clic) ; Entrée l&apos;enregistre, Échap annule</translation>
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
        <source>Undo the last change of the log</source>
        <translation>Annuler la dernière modification du journal</translation>
    </message>
    <message>
        <source>Undoes the last change of the log (Ctrl+Z)</source>
        <translation>Annule la dernière modification du journal (Ctrl+Z)</translation>
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
        <source>Export the night&apos;s log</source>
        <translation>Exporter le journal de la nuit</translation>
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
        <source>Both sides name the same star: compare %1 with two different stars.</source>
        <translation>Les deux côtés nomment la même étoile : comparez %1 à deux étoiles différentes.</translation>
    </message>
    <message>
        <source>Steps are counted from 0 up; none can be negative.</source>
        <translation>Les degrés se comptent à partir de 0 ; aucun ne peut être négatif.</translation>
    </message>
    <message>
        <source>More than %1 steps: compare %2 with nearer stars.</source>
        <translation>Plus de %1 degrés : comparez %2 à des étoiles plus proches en éclat.</translation>
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
    <message>
        <source>Night</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>Watchable of 6 h</source>
        <translation>Observable sur 6 h</translation>
    </message>
    <message>
        <source>watchable, of the 6 h around the minimum</source>
        <translation>observable, sur les 6 h autour du minimum</translation>
    </message>
    <message>
        <source>Night of %1 %2/%3 %4 %5</source>
        <translation>Nuit du %1 %2 au %3 %4 %5</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>H&amp;eight (m):</source>
        <translation>Al&amp;titude (m) :</translation>
    </message>
    <message>
        <source>Epoch of the elements</source>
        <translation>Époque des éléments</translation>
    </message>
    <message>
        <source>Period of the elements in days</source>
        <translation>Période des éléments en jours</translation>
    </message>
    <message>
        <source>Time reference of the elements</source>
        <translation>Référence de temps des éléments</translation>
    </message>
    <message>
        <source>Epo&amp;ch:</source>
        <translation>Épo&amp;que :</translation>
    </message>
    <message>
        <source>Pe&amp;riod (days):</source>
        <translation>Pé&amp;riode (jours) :</translation>
    </message>
    <message>
        <source>Co&amp;unted in:</source>
        <translation>&amp;Comptés en :</translation>
    </message>
    <message>
        <source>&amp;Algol at least (°):</source>
        <translation>Algol au &amp;moins à (°) :</translation>
    </message>
    <message>
        <source>Sun at &amp;most (°):</source>
        <translation>Soleil au &amp;plus à (°) :</translation>
    </message>
    <message>
        <source>%1 nights</source>
        <translation>%1 nuits</translation>
    </message>
    <message>
        <source>Round &amp;times to the half hour</source>
        <translation>Arrondir les heure&amp;s à la demi-heure</translation>
    </message>
    <message>
        <source>&amp;During:</source>
        <translation>&amp;Durée :</translation>
    </message>
    <message>
        <source>Point at the chart, or give it the focus and use the arrow keys, to read the time, the altitudes and the magnitude.</source>
        <translation>Pointez le graphique, ou donnez-lui le focus et servez-vous des flèches, pour lire l&apos;heure, les hauteurs et la magnitude.</translation>
    </message>
    <message>
        <source>Export the list as &amp;iCalendar…</source>
        <translation>Exporter la liste en &amp;iCalendar…</translation>
    </message>
    <message>
        <source>Save the chart as S&amp;VG…</source>
        <translation>Enregistrer le graphique en S&amp;VG…</translation>
    </message>
    <message>
        <source>P&amp;rint the night…</source>
        <translation>Imp&amp;rimer la nuit…</translation>
    </message>
    <message>
        <source>%1 of the %2 minima of the %3 nights from the %4 can be watched from %5.</source>
        <translation>%1 des %2 minima des %3 nuits à partir de la %4 sont observables depuis %5.</translation>
    </message>
    <message>
        <source>F&amp;ile:</source>
        <translation>F&amp;ichier :</translation>
    </message>
    <message>
        <source>night of %1 %2/%3 %4</source>
        <translation>nuit du %1 %2 au %3 %4</translation>
    </message>
    <message>
        <source>night of %1 %2 %3/%4 %5</source>
        <translation>nuit du %1 %2 %3 au %4 %5</translation>
    </message>
    <message>
        <source>Night of %1 %2 %3/%4 %5 %6</source>
        <translation>Nuit du %1 %2 %3 au %4 %5 %6</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du Soleil</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du Soleil</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Fin du crépuscule civil</translation>
    </message>
    <message>
        <source>Civil twilight begins</source>
        <translation>Début de l&apos;aube civile</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Fin du crépuscule nautique</translation>
    </message>
    <message>
        <source>Nautical twilight begins</source>
        <translation>Début de l&apos;aube nautique</translation>
    </message>
    <message>
        <source>Astronomical twilight ends: full night</source>
        <translation>Fin du crépuscule astronomique : nuit noire</translation>
    </message>
    <message>
        <source>Astronomical twilight begins</source>
        <translation>Début de l&apos;aube astronomique</translation>
    </message>
    <message>
        <source>Algol rises</source>
        <translation>Lever d&apos;Algol</translation>
    </message>
    <message>
        <source>Algol sets</source>
        <translation>Coucher d&apos;Algol</translation>
    </message>
    <message>
        <source>Minimum of Algol</source>
        <translation>Minimum d&apos;Algol</translation>
    </message>
    <message>
        <source>The night&apos;s times (%1)</source>
        <translation>Les heures de la nuit (%1)</translation>
    </message>
    <message>
        <source>The O−C gateway&apos;s linear elements for Algol, in heliocentric Julian Days (HJD).</source>
        <translation>Les éléments linéaires de la passerelle O−C pour Algol, en jours juliens héliocentriques (HJD).</translation>
    </message>
    <message>
        <source>The 1972 elements of the Algol window, in geocentric Julian Days and without the light-time correction, as that window uses them.</source>
        <translation>Les éléments de 1972 de la fenêtre Algol, en jours juliens géocentriques et sans la correction du temps de lumière, comme cette fenêtre s&apos;en sert.</translation>
    </message>
    <message>
        <source>Fitted to %1 of your timings, from %2 to %3; their scatter ±%4 min.</source>
        <translation>Ajustés sur %1 de vos instants, du %2 au %3 ; leur dispersion ±%4 min.</translation>
    </message>
    <message>
        <source>Fitted to your timings.</source>
        <translation>Ajustés sur vos instants.</translation>
    </message>
    <message>
        <source>Your own elements: Min I = epoch + period × E.</source>
        <translation>Vos propres éléments : Min I = époque + période × E.</translation>
    </message>
    <message>
        <source>The settings file could not be read (%1) nor kept aside (%2): the settings start afresh and will not be saved over it.</source>
        <translation>Le fichier de réglages n&apos;a pu être lu (%1) ni mis de côté (%2) : les réglages repartent de zéro et ne seront pas enregistrés par-dessus.</translation>
    </message>
    <message>
        <source>The settings file could not be read (%1): it is kept as %2, and the settings start afresh.</source>
        <translation>Le fichier de réglages n&apos;a pu être lu (%1) : il est conservé sous le nom %2, et les réglages repartent de zéro.</translation>
    </message>
    <message>
        <source>First night of the list</source>
        <translation>Première nuit de la liste</translation>
    </message>
    <message>
        <source>The list starts at noon of this day: its night is the first listed</source>
        <translation>La liste commence à midi de ce jour : sa nuit est la première listée</translation>
    </message>
    <message>
        <source>To&amp;night</source>
        <translation>Cett&amp;e nuit</translation>
    </message>
    <message>
        <source>List from tonight</source>
        <translation>Lister à partir de cette nuit</translation>
    </message>
    <message>
        <source>The night in progress, or the coming one</source>
        <translation>La nuit en cours, ou la prochaine</translation>
    </message>
    <message>
        <source>From the ni&amp;ght of:</source>
        <translation>À partir de la &amp;nuit du :</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Terms used in this window</source>
        <translation>&amp;Termes employés dans cette fenêtre</translation>
    </message>
    <message>
        <source>&amp;About Algol planner</source>
        <translation>À &amp;propos du Planificateur Algol</translation>
    </message>
    <message>
        <source>About Algol planner</source>
        <translation>À propos du Planificateur Algol</translation>
    </message>
    <message>
        <source>Terms used in this window</source>
        <translation>Termes employés dans cette fenêtre</translation>
    </message>
    <message>
        <source>Latitude in use: %1, the last one that was right.</source>
        <translation>Latitude utilisée : %1, la dernière qui était juste.</translation>
    </message>
    <message>
        <source>Longitude in use: %1, the last one that was right.</source>
        <translation>Longitude utilisée : %1, la dernière qui était juste.</translation>
    </message>
    <message>
        <source>Height in use: %1 m, the last one that was right.</source>
        <translation>Altitude utilisée : %1 m, la dernière qui était juste.</translation>
    </message>
    <message>
        <source>Time zone in use: %1, the last one that was right.</source>
        <translation>Fuseau horaire utilisé : %1, le dernier qui était juste.</translation>
    </message>
    <message>
        <source>Elements in use: %1, the last ones that were right.</source>
        <translation>Éléments utilisés : %1, les derniers qui étaient justes.</translation>
    </message>
    <message>
        <source>Lowest altitude of Algol in use: %1°, the last one that was right.</source>
        <translation>Hauteur minimale d&apos;Algol utilisée : %1°, la dernière qui était juste.</translation>
    </message>
    <message>
        <source>Highest altitude of the Sun in use: %1°, the last one that was right.</source>
        <translation>Hauteur maximale du Soleil utilisée : %1°, la dernière qui était juste.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Written: %1 (minima: %2)</source>
        <translation>Écrit : %1 (minima : %2)</translation>
    </message>
    <message>
        <source>The list shows all %1 minima, of which %2 can be watched. Which shall the calendar hold?</source>
        <translation>La liste montre les %1 minima, dont %2 sont observables. Lesquels mettre dans le calendrier ?</translation>
    </message>
    <message>
        <source>The %1 &amp;watchable ones</source>
        <translation>Les %1 &amp;observables</translation>
    </message>
    <message>
        <source>&amp;All %1</source>
        <translation>&amp;Tous les %1</translation>
    </message>
    <message>
        <source>%1, time zone %2; elements: %3</source>
        <translation>%1, fuseau horaire %2 ; éléments : %3</translation>
    </message>
    <message>
        <source>The printer could not be opened.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>Sent to the printer.</source>
        <translation>Envoyé à l&apos;imprimante.</translation>
    </message>
    <message>
        <source>The printing failed.</source>
        <translation>L&apos;impression a échoué.</translation>
    </message>
    <message>
        <source>%1 is larger than 64 KB</source>
        <translation>%1 dépasse 64 Ko</translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation>%1:%2 : %3</translation>
    </message>
    <message>
        <source>%1 holds no JSON object</source>
        <translation>%1 ne contient aucun objet JSON</translation>
    </message>
    <message>
        <source>%1 damaged copies are already kept</source>
        <translation>%1 copies endommagées sont déjà conservées</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Algol planner %1&lt;/h3&gt;&lt;p&gt;Plans the nights to watch the minima of Algol (β Persei) from your site.&lt;/p&gt;&lt;p&gt;Licence: MIT.&lt;/p&gt;&lt;p&gt;Data: the comparison stars from the Yale Bright Star Catalogue, 5th revised edition (Hoffleit and Warren); the elements of Algol&apos;s minima from the O−C gateway&apos;s linear elements for Algol, and the 1972 elements of the Algol window; the eclipse model&apos;s radii and inclination from Baron et al. (2012, ApJ 752, 20); the site of a first start from tzdata&apos;s zone tables.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Planificateur Algol %1&lt;/h3&gt;&lt;p&gt;Prépare les nuits d&apos;observation des minima d&apos;Algol (β Persée) depuis votre site.&lt;/p&gt;&lt;p&gt;Licence : MIT.&lt;/p&gt;&lt;p&gt;Données : les étoiles de comparaison, du Yale Bright Star Catalogue, 5e édition révisée (Hoffleit et Warren) ; les éléments des minima d&apos;Algol, des éléments linéaires de la passerelle O−C pour Algol, et des éléments de 1972 de la fenêtre Algol ; les rayons et l&apos;inclinaison du modèle d&apos;éclipse, de Baron et al. (2012, ApJ 752, 20) ; le site d&apos;un premier démarrage, des tables de fuseaux horaires de tzdata.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Terms used in this window&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Minimum.&lt;/b&gt; Algol fades from magnitude 2.1 to 3.4 for about ten hours every 2.867 days, when its fainter companion passes in front of it; the minimum is the faintest moment, the middle of the eclipse.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Night of 19/20 Dec.&lt;/b&gt; A night runs from noon to noon and is named by its evening and its morning: a minimum at 04:35 on the 20th belongs to the night of 19/20, the night you go out on the 19th.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Elements.&lt;/b&gt; Two numbers that predict every minimum: an epoch (the instant of one minimum, as a Julian Day) and a period (the days between two minima); minimum number E falls at epoch + E × period. &lt;b&gt;Current (O−C gateway)&lt;/b&gt;: the linear elements for Algol that the O−C gateway, the database of observed times of minimum of eclipsing binaries, gives from recent timings. &lt;b&gt;Classic (1972)&lt;/b&gt;: the elements of the Algol window, older. &lt;b&gt;Custom&lt;/b&gt;: numbers of your own. &lt;b&gt;Fitted to my timings&lt;/b&gt;: the elements file that &lt;tt&gt;algol-minima fit&lt;/tt&gt; writes from your own times of minimum.&lt;/p&gt;&lt;p&gt;&lt;b&gt;HJD and JD.&lt;/b&gt; A Julian Day counts days without months or years. The light of Algol reaches the Earth up to about 8 minutes before or after it reaches the Sun, depending on where the Earth is on its orbit; heliocentric Julian Days (HJD) count the instant as seen from the Sun, so that minima fall at regular intervals. The list and the chart give the times as seen from the Earth, in your time zone.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Watchable hours.&lt;/b&gt; A timing needs the fading and the brightening on both sides of the minimum: the list counts how many of the 6 hours centred on the minimum have Algol at least as high as “Algol at least” and the Sun no higher than “Sun at most”. The chart shows these 6 hours as a grey strip along its bottom, and their watchable part in green.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Uncertainty.&lt;/b&gt; How far the real minimum may be from the predicted one: 15 minutes for the current elements between 2015 and 2030, more outside those years; for fitted elements, the error of the fit carried to each minimum. &lt;b&gt;Scatter&lt;/b&gt;: how far your timings stray from the fitted line, typically; one timing of yours may be off by that much.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Why the classic window&apos;s minima differ.&lt;/b&gt; The Algol window uses its 1972 elements as they are, in geocentric days and without the light-time correction. Algol&apos;s period changes slowly and the 1972 period is a little short, so that its minima now come more than two hours before those of the current elements; with the classic set, the Uncertainty column says how far for each one.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Twilights.&lt;/b&gt; Civil, nautical and astronomical twilight end when the Sun is 6, 12 and 18 degrees below the horizon; the chart shows them as bands, from day (light) to night (dark).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Termes employés dans cette fenêtre&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Minimum.&lt;/b&gt; Algol faiblit de la magnitude 2,1 à 3,4 pendant une dizaine d&apos;heures tous les 2,867 jours, quand sa compagne moins brillante passe devant elle ; le minimum est l&apos;instant le plus faible, le milieu de l&apos;éclipse.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Nuit du 19 au 20 déc.&lt;/b&gt; Une nuit va de midi à midi et porte le nom de son soir et de son matin : un minimum à 04:35 le 20 appartient à la nuit du 19 au 20, celle où vous sortez le 19.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Éléments.&lt;/b&gt; Deux nombres qui prédisent chaque minimum : une époque (l&apos;instant d&apos;un minimum, en jour julien) et une période (les jours entre deux minima) ; le minimum numéro E tombe à époque + E × période. &lt;b&gt;Actuels (passerelle O−C)&lt;/b&gt; : les éléments linéaires d&apos;Algol que donne la passerelle O−C, la base des instants de minimum observés des binaires à éclipses, d&apos;après des mesures récentes. &lt;b&gt;Classiques (1972)&lt;/b&gt; : les éléments de la fenêtre Algol, plus anciens. &lt;b&gt;Personnels&lt;/b&gt; : des nombres à vous. &lt;b&gt;Ajustés sur mes instants&lt;/b&gt; : le fichier d&apos;éléments qu&apos;écrit &lt;tt&gt;algol-minima fit&lt;/tt&gt; à partir de vos propres instants de minimum.&lt;/p&gt;&lt;p&gt;&lt;b&gt;HJD et JD.&lt;/b&gt; Le jour julien compte les jours sans mois ni années. La lumière d&apos;Algol atteint la Terre jusqu&apos;à 8 minutes environ avant ou après le Soleil, selon la place de la Terre sur son orbite ; les jours juliens héliocentriques (HJD) comptent l&apos;instant vu du Soleil, pour que les minima tombent à intervalles réguliers. La liste et le graphique donnent les heures vues de la Terre, dans votre fuseau horaire.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Heures observables.&lt;/b&gt; Une mesure demande la baisse et la remontée de part et d&apos;autre du minimum : la liste compte combien des 6 heures centrées sur le minimum ont Algol au moins aussi haute que « Algol au moins à » et le Soleil pas plus haut que « Soleil au plus à ». Le graphique montre ces 6 heures par une bande grise en bas, et leur part observable en vert.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Incertitude.&lt;/b&gt; L&apos;écart possible entre le vrai minimum et le minimum prévu : 15 minutes pour les éléments actuels entre 2015 et 2030, davantage hors de ces années ; pour des éléments ajustés, l&apos;erreur de l&apos;ajustement reportée sur chaque minimum. &lt;b&gt;Dispersion&lt;/b&gt; : l&apos;écart typique de vos instants à la droite ajustée ; une de vos mesures peut s&apos;en écarter d&apos;autant.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Pourquoi les minima de la fenêtre classique diffèrent.&lt;/b&gt; La fenêtre Algol emploie ses éléments de 1972 tels quels, en jours géocentriques et sans la correction du temps de lumière. La période d&apos;Algol change lentement et celle de 1972 est un peu courte : ses minima tombent maintenant plus de deux heures avant ceux des éléments actuels ; avec le jeu classique, la colonne Incertitude dit de combien pour chacun.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Crépuscules.&lt;/b&gt; Les crépuscules civil, nautique et astronomique finissent quand le Soleil est à 6, 12 et 18 degrés sous l&apos;horizon ; le graphique les montre en bandes, du jour (clair) à la nuit (sombre).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The night of the minimum, from noon to noon: a minimum after midnight belongs to the night before</source>
        <translation>La nuit du minimum, de midi à midi : un minimum après minuit appartient à la nuit d&apos;avant</translation>
    </message>
    <message numerus="yes">
        <source>Resting on only %n of your timings, from %1 to %2: too few to know their scatter.</source>
        <translation>
            <numerusform>Reposent sur %n seul de vos instants, du %1 au %2 : trop peu pour connaître leur dispersion.</numerusform>
            <numerusform>Reposent sur seulement %n de vos instants, du %1 au %2 : trop peu pour connaître leur dispersion.</numerusform>
        </translation>
    </message>
    <message>
        <source>your estimates</source>
        <translation>vos estimations</translation>
    </message>
    <message>
        <source>fainter than</source>
        <translation>plus faible que</translation>
    </message>
    <message>
        <source>timed minimum</source>
        <translation>minimum daté</translation>
    </message>
    <message>
        <source>timed %1 ± %2 min</source>
        <translation>daté %1 ± %2 min</translation>
    </message>
    <message>
        <source>Kwee and van Woerden</source>
        <translation>Kwee et van Woerden</translation>
    </message>
    <message>
        <source>fit of the eclipse template</source>
        <translation>ajustement du modèle d&apos;éclipse</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points: not timed: %2.</source>
        <translation>
            <numerusform>%1, %n point : non daté : %2.</numerusform>
            <numerusform>%1, %n points : non daté : %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: minimum at %2 %3 (%4 UT), %5 %6 ± %7 d (± %8 min); %9, N = %10; E %11, O−C %12 min (%13 d).</source>
        <translation>%1 : minimum à %2 %3 (%4 TU), %5 %6 ± %7 j (± %8 min) ; %9, N = %10 ; E %11, O−C %12 min (%13 j).</translation>
    </message>
    <message>
        <source>%1 (chosen by the points)</source>
        <translation>%1 (choisi d&apos;après les points)</translation>
    </message>
    <message>
        <source>Not timed: no point of the log lies within %1 h of the predicted minimum.</source>
        <translation>Non daté : aucun point du journal n&apos;est à moins de %1 h du minimum prévu.</translation>
    </message>
    <message>
        <source>No&amp;w</source>
        <translation>&amp;Maintenant</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Ajoute&amp;r</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Heure :</translation>
    </message>
    <message>
        <source>&amp;Estimate:</source>
        <translation>&amp;Estimation :</translation>
    </message>
    <message>
        <source>&amp;Codes:</source>
        <translation>&amp;Codes :</translation>
    </message>
    <message>
        <source>N&amp;ote:</source>
        <translation>&amp;Note :</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>M&amp;odifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Im&amp;port…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>AA&amp;VSO file…</source>
        <translation>Fichier AA&amp;VSO…</translation>
    </message>
    <message>
        <source>Repl&amp;ace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>Time of minimum</source>
        <translation>Instant du minimum</translation>
    </message>
    <message>
        <source>Time the &amp;minimum</source>
        <translation>&amp;Dater le minimum</translation>
    </message>
    <message>
        <source>Time the minimum of the night</source>
        <translation>Dater le minimum de la nuit</translation>
    </message>
    <message>
        <source>Times the night&apos;s points as algol-minima time does (Ctrl+M)</source>
        <translation>Date les points de la nuit comme le fait algol-minima time (Ctrl+M)</translation>
    </message>
    <message>
        <source>O&amp;ptions…</source>
        <translation>O&amp;ptions…</translation>
    </message>
    <message>
        <source>Timing options</source>
        <translation>Options du datage</translation>
    </message>
    <message>
        <source>Add to my timing&amp;s</source>
        <translation>A&amp;jouter à mes instants</translation>
    </message>
    <message>
        <source>Add the timing to my timings</source>
        <translation>Ajouter l&apos;instant à mes instants</translation>
    </message>
    <message>
        <source>Adds the night&apos;s timing to your timings file, %1, unless it is there already</source>
        <translation>Ajoute l&apos;instant de la nuit à votre fichier d&apos;instants, %1, s&apos;il n&apos;y est pas déjà</translation>
    </message>
    <message>
        <source>Timing of the night</source>
        <translation>Datage de la nuit</translation>
    </message>
    <message>
        <source>Observer</source>
        <translation>Observateur</translation>
    </message>
    <message>
        <source>AAVSO observer code</source>
        <translation>Code d&apos;observateur AAVSO</translation>
    </message>
    <message>
        <source>Your observer code at the AAVSO, which its Visual file needs</source>
        <translation>Votre code d&apos;observateur à l&apos;AAVSO, que demande son fichier Visual</translation>
    </message>
    <message>
        <source>AAVSO chart ID</source>
        <translation>Identifiant de la carte AAVSO</translation>
    </message>
    <message>
        <source>The ID of the AAVSO chart whose comparison stars you use, such as X28471BN</source>
        <translation>L&apos;identifiant de la carte AAVSO dont vous employez les étoiles de comparaison, par exemple X28471BN</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>naked eye, 10×50 binoculars…</source>
        <translation>œil nu, jumelles 10×50…</translation>
    </message>
    <message>
        <source>O&amp;bserver code:</source>
        <translation>Code d&apos;o&amp;bservateur :</translation>
    </message>
    <message>
        <source>Cha&amp;rt ID:</source>
        <translation>Carte (&amp;ID) :</translation>
    </message>
    <message>
        <source>I&amp;nstrument:</source>
        <translation>Ins&amp;trument :</translation>
    </message>
    <message>
        <source>O−C read-out</source>
        <translation>Lecture du diagramme O−C</translation>
    </message>
    <message>
        <source>I&amp;mport observations…</source>
        <translation>I&amp;mporter des observations…</translation>
    </message>
    <message>
        <source>Export the night&apos;s &amp;log…</source>
        <translation>Exporter &amp;le journal de la nuit…</translation>
    </message>
    <message>
        <source>&amp;AAVSO Visual file…</source>
        <translation>Fichier &amp;AAVSO Visual…</translation>
    </message>
    <message>
        <source>Minimum r&amp;eport…</source>
        <translation>Rapport du mi&amp;nimum…</translation>
    </message>
    <message>
        <source>Lig&amp;ht-curve sheet</source>
        <translation>Fic&amp;he de courbe de lumière</translation>
    </message>
    <message>
        <source>Save as &amp;PNG…</source>
        <translation>Enregistrer en &amp;PNG…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Enregistrer en P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Observing sheet</source>
        <translation>Fiche d&apos;o&amp;bservation</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>O−C &amp;diagram</source>
        <translation>&amp;Diagramme O−C</translation>
    </message>
    <message>
        <source>Save as &amp;SVG…</source>
        <translation>Enregistrer en &amp;SVG…</translation>
    </message>
    <message>
        <source>Save as &amp;CSV…</source>
        <translation>Enregistrer en &amp;CSV…</translation>
    </message>
    <message>
        <source>&amp;Log an estimate</source>
        <translation>&amp;Noter une estimation</translation>
    </message>
    <message>
        <source>&amp;Stamp the time</source>
        <translation>&amp;Inscrire l&apos;heure</translation>
    </message>
    <message>
        <source>&amp;Time the minimum</source>
        <translation>&amp;Dater le minimum</translation>
    </message>
    <message>
        <source>Timing &amp;options…</source>
        <translation>&amp;Options du datage…</translation>
    </message>
    <message>
        <source>&amp;Add to my timings</source>
        <translation>&amp;Ajouter à mes instants</translation>
    </message>
    <message>
        <source>&amp;Refit the elements to my timings</source>
        <translation>&amp;Réajuster les éléments sur mes instants</translation>
    </message>
    <message>
        <source>Show the settin&amp;gs</source>
        <translation>Afficher les ré&amp;glages</translation>
    </message>
    <message>
        <source>Show the night &amp;chart</source>
        <translation>Afficher le gra&amp;phique de la nuit</translation>
    </message>
    <message>
        <source>Show the O−C &amp;diagram</source>
        <translation>Afficher le diagramme O−&amp;C</translation>
    </message>
    <message>
        <source>The night is timed: see under the log.</source>
        <translation>La nuit est datée : voir sous le journal.</translation>
    </message>
    <message>
        <source>The night could not be timed: see under the log.</source>
        <translation>La nuit n&apos;a pas pu être datée : voir sous le journal.</translation>
    </message>
    <message>
        <source>Add estimates or import a file, then time the minimum (Ctrl+M).</source>
        <translation>Ajoutez des estimations ou importez un fichier, puis datez le minimum (Ctrl+M).</translation>
    </message>
    <message>
        <source>Time the minimum (Ctrl+M) when the eclipse is observed.</source>
        <translation>Datez le minimum (Ctrl+M) une fois l&apos;éclipse observée.</translation>
    </message>
    <message>
        <source>Nothing to add: the night could not be timed.</source>
        <translation>Rien à ajouter : la nuit n&apos;a pas pu être datée.</translation>
    </message>
    <message>
        <source>Nothing to add yet: time the minimum first (Ctrl+M).</source>
        <translation>Rien à ajouter encore : datez d&apos;abord le minimum (Ctrl+M).</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Non ajouté : %1</translation>
    </message>
    <message numerus="yes">
        <source>Timings added to yours (%1): %n.</source>
        <translation>
            <numerusform>Instant ajouté aux vôtres (%1) : %n.</numerusform>
            <numerusform>Instants ajoutés aux vôtres (%1) : %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Already in your timings (%1): nothing was added.</source>
        <translation>Déjà parmi vos instants (%1) : rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>No timings yet in %1: time a night and add it to your timings.</source>
        <translation>Aucun instant encore dans %1 : datez une nuit et ajoutez-la à vos instants.</translation>
    </message>
    <message>
        <source>Point at a timing, or give the diagram the focus and use the arrow keys, to read it; a click or Enter opens its night.</source>
        <translation>Pointez un instant, ou donnez le focus au diagramme et utilisez les flèches, pour le lire ; un clic ou Entrée ouvre sa nuit.</translation>
    </message>
    <message>
        <source>Lines left out: %1</source>
        <translation>Lignes écartées : %1</translation>
    </message>
    <message>
        <source>No timings to fit in %1: time a night and add it to your timings first.</source>
        <translation>Aucun instant à ajuster dans %1 : datez d&apos;abord une nuit et ajoutez-la à vos instants.</translation>
    </message>
    <message>
        <source>No elements can be fitted to your timings (%1: %2); nothing was changed.</source>
        <translation>Aucun élément ne peut être ajusté sur vos instants (%1 : %2) ; rien n&apos;a été changé.</translation>
    </message>
    <message>
        <source>Could not write %1: %2; nothing was changed.</source>
        <translation>Impossible d&apos;écrire %1 : %2 ; rien n&apos;a été changé.</translation>
    </message>
    <message numerus="yes">
        <source>Elements fitted to %n of your timings and written to %1: the list now predicts with them.</source>
        <translation>
            <numerusform>Éléments ajustés sur %n de vos instants et écrits dans %1 : la liste prédit désormais avec eux.</numerusform>
            <numerusform>Éléments ajustés sur %n de vos instants et écrits dans %1 : la liste prédit désormais avec eux.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out, beyond 3 sigma: %n.</source>
        <translation>
            <numerusform>Écarté, au-delà de 3 sigma : %n.</numerusform>
            <numerusform>Écartés, au-delà de 3 sigma : %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>The minimum of the %1 is not in the list: only the watchable minima are shown.</source>
        <translation>Le minimum de la %1 n&apos;est pas dans la liste : seuls les minima observables sont montrés.</translation>
    </message>
    <message>
        <source>Type your AAVSO observer code first (Observer code, under the log): the AAVSO file is signed with it.</source>
        <translation>Tapez d&apos;abord votre code d&apos;observateur AAVSO (Code d&apos;observateur, sous le journal) : le fichier AAVSO est signé de ce code.</translation>
    </message>
    <message>
        <source>The AAVSO file was not written: see under the log.</source>
        <translation>Le fichier AAVSO n&apos;a pas été écrit : voir sous le journal.</translation>
    </message>
    <message>
        <source>No minimum to report: time the night first (Ctrl+M).</source>
        <translation>Aucun minimum à rapporter : datez d&apos;abord la nuit (Ctrl+M).</translation>
    </message>
    <message>
        <source>No minimum to report: the night could not be timed.</source>
        <translation>Aucun minimum à rapporter : la nuit n&apos;a pas pu être datée.</translation>
    </message>
    <message>
        <source>Minimum report</source>
        <translation>Rapport du minimum</translation>
    </message>
    <message>
        <source>The night&apos;s time of minimum as one line, the form in which the associations that collect timings receive them:</source>
        <translation>L&apos;instant du minimum de la nuit en une ligne, sous la forme où le reçoivent les associations qui recueillent les instants de minimum :</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>The minimum report is copied.</source>
        <translation>Le rapport du minimum est copié.</translation>
    </message>
    <message>
        <source>Save the minimum report</source>
        <translation>Enregistrer le rapport du minimum</translation>
    </message>
    <message>
        <source>The night&apos;s log is empty: there is no light curve to draw.</source>
        <translation>Le journal de la nuit est vide : il n&apos;y a pas de courbe de lumière à tracer.</translation>
    </message>
    <message>
        <source>Save the light-curve sheet</source>
        <translation>Enregistrer la fiche de courbe de lumière</translation>
    </message>
    <message>
        <source>Choose a minimum in the list first.</source>
        <translation>Choisissez d&apos;abord un minimum dans la liste.</translation>
    </message>
    <message>
        <source>Save the observing sheet</source>
        <translation>Enregistrer la fiche d&apos;observation</translation>
    </message>
    <message>
        <source>No timings to draw yet: time a night and add it to your timings.</source>
        <translation>Aucun instant à tracer encore : datez une nuit et ajoutez-la à vos instants.</translation>
    </message>
    <message>
        <source>Save the O−C diagram</source>
        <translation>Enregistrer le diagramme O−C</translation>
    </message>
    <message>
        <source>Settings and observing log</source>
        <translation>Réglages et journal d&apos;observation</translation>
    </message>
    <message>
        <source>Settings or observing log</source>
        <translation>Réglages ou journal d&apos;observation</translation>
    </message>
    <message>
        <source>Night chart, O−C diagram and every star tonight</source>
        <translation>Graphique de la nuit, diagramme O−C et toutes les étoiles cette nuit</translation>
    </message>
    <message>
        <source>O−C diagram</source>
        <translation>Diagramme O−C</translation>
    </message>
    <message>
        <source>Night chart, O−C diagram or every star tonight</source>
        <translation>Graphique de la nuit, diagramme O−C ou toutes les étoiles cette nuit</translation>
    </message>
    <message>
        <source>Obser&amp;ving</source>
        <translation>Obser&amp;vation</translation>
    </message>
    <message>
        <source>Timing method</source>
        <translation>Méthode de datage</translation>
    </message>
    <message>
        <source>auto: Kwee and van Woerden when the points allow it, else the template</source>
        <translation>auto : Kwee et van Woerden quand les points le permettent, sinon le modèle</translation>
    </message>
    <message>
        <source>Kwee and van Woerden&apos;s trial times</source>
        <translation>Instants d&apos;essai de Kwee et van Woerden</translation>
    </message>
    <message>
        <source>Noise of one point in magnitudes</source>
        <translation>Bruit d&apos;un point en magnitudes</translation>
    </message>
    <message>
        <source>estimated from the points</source>
        <translation>estimé d&apos;après les points</translation>
    </message>
    <message>
        <source>Window about the predicted minimum in hours</source>
        <translation>Fenêtre autour du minimum prévu en heures</translation>
    </message>
    <message>
        <source> h</source>
        <translation> h</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Méthode :</translation>
    </message>
    <message>
        <source>&amp;Trial times:</source>
        <translation>&amp;Instants d&apos;essai :</translation>
    </message>
    <message>
        <source>&amp;Noise (mag):</source>
        <translation>&amp;Bruit (mag) :</translation>
    </message>
    <message>
        <source>&amp;Window (±):</source>
        <translation>&amp;Fenêtre (±) :</translation>
    </message>
    <message>
        <source>The noise is a number of magnitudes above 0, or nothing to have it estimated, not “%1”.</source>
        <translation>Le bruit est un nombre de magnitudes supérieur à 0, ou rien pour qu&apos;il soit estimé, pas « %1 ».</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Step estimate.&lt;/b&gt; “a 2 V 3 b”: Algol (V) two steps fainter than the comparison star a and three steps brighter than b, which puts its magnitude two fifths of the way from a&apos;s to b&apos;s. The stars are named as the log lists them, or by their AAVSO label, the magnitude times ten (δ Per, 3.01, is 30). “&amp;lt;3.5”: Algol fainter than 3.5.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Time of minimum.&lt;/b&gt; The night&apos;s points timed as &lt;tt&gt;algol-minima time&lt;/tt&gt; times a file: by Kwee and van Woerden&apos;s method (the light curve folded onto itself) when the points are many and even, otherwise by fitting Algol&apos;s eclipse (the template, drawn on the chart); the error is one standard deviation. &lt;b&gt;O−C&lt;/b&gt;: the observed minimum less the one the elements in use predict, E the number of that minimum.&lt;/p&gt;&lt;p&gt;&lt;b&gt;My timings, the O−C diagram and Refit.&lt;/b&gt; Add to my timings keeps the night&apos;s timing in your timings file, %1, where &lt;tt&gt;algol-minima time --append&lt;/tt&gt; keeps its own, never twice. The O−C diagram shows them against the elements in use, with the line that a fit of them gives: a flat offset means a wrong epoch, a slope a wrong period. Refit fits them (leaving out those beyond 3 sigma, as &lt;tt&gt;algol-minima fit --reject&lt;/tt&gt; does), writes the elements file %2 and predicts with it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Estimation par degrés.&lt;/b&gt; « a 2 V 3 b » : Algol (V) plus faible de deux degrés que l&apos;étoile de comparaison a et plus brillante de trois degrés que b, ce qui place sa magnitude aux deux cinquièmes du chemin de celle de a à celle de b. Les étoiles se nomment comme le journal les donne, ou par leur étiquette AAVSO, la magnitude multipliée par dix (δ Per, 3,01, est 30). « &amp;lt;3.5 » : Algol plus faible que 3,5.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Instant du minimum.&lt;/b&gt; Les points de la nuit datés comme &lt;tt&gt;algol-minima time&lt;/tt&gt; date un fichier : par la méthode de Kwee et van Woerden (la courbe de lumière repliée sur elle-même) quand les points sont nombreux et réguliers, sinon par l&apos;ajustement de l&apos;éclipse d&apos;Algol (le modèle, tracé sur le graphique) ; l&apos;erreur est d&apos;un écart type. &lt;b&gt;O−C&lt;/b&gt; : le minimum observé moins celui que prédisent les éléments employés, E le numéro de ce minimum.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Mes instants, le diagramme O−C et le réajustement.&lt;/b&gt; Ajouter à mes instants garde l&apos;instant de la nuit dans votre fichier d&apos;instants, %1, où &lt;tt&gt;algol-minima time --append&lt;/tt&gt; garde les siens, jamais deux fois. Le diagramme O−C les montre par rapport aux éléments employés, avec la droite qu&apos;en donne un ajustement : un décalage constant trahit une époque fausse, une pente une période fausse. Réajuster les ajuste (en écartant ceux au-delà de 3 sigma, comme &lt;tt&gt;algol-minima fit --reject&lt;/tt&gt;), écrit le fichier d&apos;éléments %2 et prédit avec lui.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>The eclipsing binary whose minima are listed, charted and logged</source>
        <translation>La binaire à éclipses dont les minima sont listés, tracés et notés</translation>
    </message>
    <message>
        <source>Eclipsing binar&amp;y:</source>
        <translation>Binaire à &amp;éclipses :</translation>
    </message>
    <message>
        <source>The catalogue&apos;s elements for %1: %2.</source>
        <translation>Les éléments du catalogue pour %1 : %2.</translation>
    </message>
    <message>
        <source>Every star tonight</source>
        <translation>Toutes les étoiles cette nuit</translation>
    </message>
    <message>
        <source>%1 — Algol planner</source>
        <translation>%1 — Planificateur Algol</translation>
    </message>
    <message>
        <source>Current (catalogue)</source>
        <translation>Actuels (catalogue)</translation>
    </message>
    <message>
        <source>Algol&apos;s elements only</source>
        <translation>Éléments d&apos;Algol seulement</translation>
    </message>
    <message>
        <source>%1 at le&amp;ast (°):</source>
        <translation>%1 au &amp;moins à (°) :</translation>
    </message>
    <message>
        <source>Lowest altitude of %1 in degrees</source>
        <translation>Altitude minimale de %1 en degrés</translation>
    </message>
    <message>
        <source>That minimum of %1 is not in the list: only the watchable minima are shown.</source>
        <translation>Ce minimum de %1 n&apos;est pas dans la liste : seuls les minima observables y sont montrés.</translation>
    </message>
    <message>
        <source>Elements in use: the catalogue&apos;s, %1, until those chosen are right.</source>
        <translation>Éléments employés : ceux du catalogue, %1, jusqu&apos;à ce que ceux choisis soient justes.</translation>
    </message>
    <message>
        <source>Lowest altitude of %1 in use: %2°, the last one that was right.</source>
        <translation>Altitude minimale de %1 employée : %2°, la dernière qui était juste.</translation>
    </message>
    <message>
        <source>Algol planner: the night of a minimum of %1</source>
        <translation>Planificateur Algol : la nuit d&apos;un minimum de %1</translation>
    </message>
    <message>
        <source>%1 holds elements of %2, not of %3: refit the elements to your timings of %3 (Observing menu), or choose other elements.</source>
        <translation>%1 contient des éléments de %2, pas de %3 : réajustez les éléments sur vos instants de %3 (menu Observation), ou choisissez d&apos;autres éléments.</translation>
    </message>
    <message>
        <source>Show &amp;every star tonight</source>
        <translation>Afficher &amp;toutes les étoiles cette nuit</translation>
    </message>
    <message>
        <source>No timings of %1 to fit in %2: time a night and add it to your timings first.</source>
        <translation>Aucun instant de %1 à ajuster dans %2 : datez d&apos;abord une nuit et ajoutez-la à vos instants.</translation>
    </message>
    <message>
        <source>An estimate of %4 is taken from %1 to %2: “%3” cannot be one.</source>
        <translation>Une estimation de %4 est admise de %1 à %2 : « %3 » ne peut pas en être une.</translation>
    </message>
    <message>
        <source>%1 of %2 h</source>
        <translation>%1 sur %2 h</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>From the star&apos;s maximum to this minimum, in V magnitudes</source>
        <translation>Du maximum de l&apos;étoile à ce minimum, en magnitudes V</translation>
    </message>
    <message>
        <source>P/S</source>
        <translation>P/S</translation>
    </message>
    <message>
        <source>P: primary minimum, S: secondary minimum</source>
        <translation>P : minimum primaire, S : minimum secondaire</translation>
    </message>
    <message>
        <source>Primary minimum</source>
        <translation>Minimum primaire</translation>
    </message>
    <message>
        <source>Secondary minimum</source>
        <translation>Minimum secondaire</translation>
    </message>
    <message>
        <source>The star&apos;s altitude at the minimum</source>
        <translation>L&apos;altitude de l&apos;étoile au minimum</translation>
    </message>
    <message>
        <source>Hours of the star&apos;s watch window around the minimum (five eighths of its eclipse) with the star high enough and the sky dark</source>
        <translation>Heures de la fenêtre d&apos;observation de l&apos;étoile autour du minimum (cinq huitièmes de son éclipse) où l&apos;étoile est assez haute et le ciel noir</translation>
    </message>
    <message>
        <source>How far the minimum may be from its prediction; the year of the elements where no uncertainty is published</source>
        <translation>De combien le minimum peut s&apos;écarter de sa prédiction ; l&apos;année des éléments là où aucune incertitude n&apos;est publiée</translation>
    </message>
    <message>
        <source>Watchable</source>
        <translation>Observable</translation>
    </message>
    <message>
        <source>Every star&apos;s minima, %1: %2 watchable of %3</source>
        <translation>Les minima de toutes les étoiles, %1 : %2 observables sur %3</translation>
    </message>
    <message>
        <source>Minima of every star tonight</source>
        <translation>Minima de toutes les étoiles cette nuit</translation>
    </message>
    <message>
        <source>%1 is brightening: magnitude %2 now</source>
        <translation>%1 remonte : magnitude %2 en ce moment</translation>
    </message>
    <message>
        <source>%1 is fading: magnitude %2 now</source>
        <translation>%1 faiblit : magnitude %2 en ce moment</translation>
    </message>
    <message>
        <source>%1 shines steadily at magnitude %2 now</source>
        <translation>%1 brille d&apos;un éclat constant, magnitude %2 en ce moment</translation>
    </message>
    <message>
        <source>%1; the next minimum, a secondary one, is on %2 at %3 (in %4).</source>
        <translation>%1 ; le prochain minimum, un secondaire, aura lieu le %2 à %3 (dans %4).</translation>
    </message>
    <message>
        <source>%1 rises</source>
        <translation>Lever de %1</translation>
    </message>
    <message>
        <source>%1 sets</source>
        <translation>Coucher de %1</translation>
    </message>
    <message>
        <source>%1&apos;s altitude</source>
        <translation>Hauteur de %1</translation>
    </message>
    <message>
        <source>%1&apos;s magnitude</source>
        <translation>Magnitude de %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Minimum of %1</source>
        <translation>Minimum de %1</translation>
    </message>
    <message>
        <source>Secondary minimum of %1</source>
        <translation>Minimum secondaire de %1</translation>
    </message>
    <message>
        <source>secondary minimum %1</source>
        <translation>minimum secondaire %1</translation>
    </message>
    <message>
        <source>watchable, of the %1 h around the minimum</source>
        <translation>observable, sur les %1 h autour du minimum</translation>
    </message>
    <message>
        <source>%1&apos;s altitude at the minimum</source>
        <translation>Hauteur de %1 au minimum</translation>
    </message>
    <message>
        <source>%1&apos;s azimuth, from north through east</source>
        <translation>Azimut de %1, du nord vers l&apos;est</translation>
    </message>
    <message>
        <source>Hours of the %1 around the minimum with %2 high enough and the sky dark</source>
        <translation>Heures, sur les %1 autour du minimum, où %2 est assez haute et le ciel noir</translation>
    </message>
    <message>
        <source>Watchable of %1 h</source>
        <translation>Observable sur %1 h</translation>
    </message>
    <message>
        <source>%1 now</source>
        <translation>%1 en ce moment</translation>
    </message>
    <message>
        <source>%1: %2 %3° high, magnitude %4; Moon %5°; Sun %6°</source>
        <translation>%1 : %2 à %3° de hauteur, magnitude %4 ; Lune %5° ; Soleil %6°</translation>
    </message>
    <message>
        <source>No comparison stars for %1 among the bright stars the program carries (to magnitude 5.0): see an AAVSO chart</source>
        <translation>Pas d&apos;étoile de comparaison pour %1 parmi les étoiles brillantes du programme (magnitude 5,0 au plus) : voyez une carte de l&apos;AAVSO</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Other eclipsing binaries.&lt;/b&gt; The star chosen at the top of the settings replaces Algol everywhere above: its list, chart, comparison stars, log, timings and elements (another star&apos;s Refit writes its own file beside Algol&apos;s). Its elements are the catalogue&apos;s, without a published uncertainty: the list says whose elements they are (“elements of 2018”) rather than a number. Its watch window is the central five eighths of its eclipse (Algol&apos;s 6 hours of 9.6). A secondary minimum (S) is listed where it is deeper than a tenth of a magnitude. &lt;b&gt;Every star tonight&lt;/b&gt; lists the minima of every star of the catalogue in the selected night.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Autres binaires à éclipses.&lt;/b&gt; L&apos;étoile choisie en haut des réglages remplace Algol partout ci-dessus : sa liste, son graphique, ses étoiles de comparaison, son journal, ses instants et ses éléments (le réajustement d&apos;une autre étoile écrit son propre fichier à côté de celui d&apos;Algol). Ses éléments sont ceux du catalogue, sans incertitude publiée : la liste dit de quand ils datent (« éléments de 2018 ») plutôt qu&apos;un nombre. Sa fenêtre d&apos;observation est la partie centrale de son éclipse, sur les cinq huitièmes de sa durée (6 heures sur 9,6 pour Algol). Un minimum secondaire (S) est listé quand il est plus profond qu&apos;un dixième de magnitude. &lt;b&gt;Toutes les étoiles cette nuit&lt;/b&gt; liste les minima de toutes les étoiles du catalogue dans la nuit choisie.&lt;/p&gt;</translation>
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
    <message>
        <source>%1: O−C of the times of minimum (timings: %2)</source>
        <translation>%1 : O−C des instants de minimum (instants : %2)</translation>
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
    <message>
        <source>Predicted magnitude of %1 (grey: too low or sky too bright)</source>
        <translation>Magnitude prévue de %1 (en gris : trop basse ou ciel trop clair)</translation>
    </message>
    <message>
        <source>Predicted secondary minimum: %1 %2 (%3 UT)</source>
        <translation>Minimum secondaire prévu : %1 %2 (%3 TU)</translation>
    </message>
    <message>
        <source>Predicted secondary minimum: about %1 %2 (times rounded to the half hour)</source>
        <translation>Minimum secondaire prévu : vers %1 %2 (heures arrondies à la demi-heure)</translation>
    </message>
</context>
</TS>
