<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Listing</name>
    <message>
        <source>Elements: %1.</source>
        <translation>Éléments : %1.</translation>
    </message>
    <message>
        <source>Minimum of Algol (cycle %1) at %2 %3 (%4 UTC)</source>
        <translation>Minimum d'Algol (cycle %1) à %2 %3 (%4 UTC)</translation>
    </message>
    <message>
        <source>, within ±%1 minutes</source>
        <translation>, à ±%1 minutes près</translation>
    </message>
    <message>
        <source>Algol %1° high, azimuth %2°. Sun %3°. Moon %4°, %5% lit.</source>
        <translation>Algol à %1° de hauteur, azimut %2°. Soleil %3°. Lune %4°, éclairée à %5 %.</translation>
    </message>
    <message>
        <source>Observable from %1.</source>
        <translation>Observable depuis %1.</translation>
    </message>
    <message>
        <source>Not observable from %1: %2.</source>
        <translation>Non observable depuis %1 : %2.</translation>
    </message>
    <message>
        <source>Algol minimum at %1 %2</source>
        <translation>Minimum d'Algol à %1 %2</translation>
    </message>
    <message>
        <source> (not observable)</source>
        <translation> (non observable)</translation>
    </message>
    <message>
        <source>EN</source>
        <translation>FR</translation>
    </message>
    <message>
        <source>Minima of Algol</source>
        <translation>Minima d'Algol</translation>
    </message>
    <message>
        <source>Minima of Algol seen from %1, time zone %2</source>
        <translation>Minima d'Algol vus depuis %1, fuseau horaire %2</translation>
    </message>
    <message>
        <source>Minima of Algol, time zone %1</source>
        <translation>Minima d'Algol, fuseau horaire %1</translation>
    </message>
    <message>
        <source>From %1 %2 to %3 %4</source>
        <translation>Du %1 %2 au %3 %4</translation>
    </message>
    <message>
        <source>Elements: %1</source>
        <translation>Éléments : %1</translation>
    </message>
    <message>
        <source>; uncertainty ±15 minutes in 2015-2030</source>
        <translation> ; incertitude ±15 minutes en 2015-2030</translation>
    </message>
    <message numerus="yes">
        <source>Observable when Algol stands at least %1 high and the Sun at most %2: %3 of %n minima</source>
        <translation><numerusform>Observable quand Algol est à au moins %1 de hauteur et le Soleil à au plus %2 : %3 sur %n minimum</numerusform><numerusform>Observable quand Algol est à au moins %1 de hauteur et le Soleil à au plus %2 : %3 sur %n minima</numerusform></translation>
    </message>
    <message>
        <source>No site given (--lat and --lon): the minima are listed without their altitudes and visibility.</source>
        <translation>Aucun lieu donné (--lat et --lon) : les minima sont listés sans leurs hauteurs ni leur visibilité.</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Heure locale</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
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
        <source>Observable</source>
        <translation>Observable</translation>
    </message>
    <message>
        <source>±%1 min</source>
        <translation>±%1 min</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no: %1</source>
        <translation>non : %1</translation>
    </message>
    <message>
        <source>current (O-C gateway), %1</source>
        <translation>actuels (O-C gateway), %1</translation>
    </message>
    <message>
        <source>classic (the Algol window's), %1, no light-time correction</source>
        <translation>classiques (ceux de la fenêtre Algol), %1, sans correction du temps de lumière</translation>
    </message>
    <message>
        <source>your own, %1</source>
        <translation>les vôtres, %1</translation>
    </message>
    <message>
        <source>%1° %2, %3° %4, %5 m</source>
        <translation>%1° %2, %3° %4, %5 m</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Algol too low</source>
        <translation>Algol trop basse</translation>
    </message>
    <message>
        <source>sky too bright</source>
        <translation>ciel trop clair</translation>
    </message>
    <message>
        <source>There is no minimum of Algol in this period.</source>
        <translation>Il n'y a aucun minimum d'Algol dans cette période.</translation>
    </message>
    <message>
        <source>Algol never climbs %1° above the horizon at latitude %2°: no minimum can be seen from this site.</source>
        <translation>Algol ne monte jamais à %1° au-dessus de l'horizon à la latitude %2° : aucun minimum n'est visible depuis ce lieu.</translation>
    </message>
    <message>
        <source>The Sun never goes below %1° on the days of these minima: the sky is never dark enough here.</source>
        <translation>Le Soleil ne descend jamais sous %1° les jours de ces minima : le ciel n'est jamais assez noir ici.</translation>
    </message>
    <message numerus="yes">
        <source>None of the %n minima of this period can be seen: at each of them Algol is too low or the sky too bright.</source>
        <translation><numerusform>Le minimum de cette période n'est pas visible : Algol y est trop basse ou le ciel trop clair.</numerusform><numerusform>Aucun des %n minima de cette période n'est visible : à chacun, Algol est trop basse ou le ciel trop clair.</numerusform></translation>
    </message>
    <message>
        <source>warning: the current elements are extrapolated outside 2000-2040; the times may be off by more than the uncertainty shown</source>
        <translation>attention : les éléments actuels sont extrapolés hors de 2000-2040 ; les heures peuvent s'écarter de plus que l'incertitude indiquée</translation>
    </message>
    <message>
        <source>, within ±%1 minutes by the fit, the timings scattering by ±%2 minutes</source>
        <translation>, à ±%1 minutes près selon l'ajustement, les instants se dispersant de ±%2 minutes</translation>
    </message>
    <message>
        <source>; uncertainty propagated from the fit, scatter of the timings about it (rms)</source>
        <translation> ; incertitude propagée depuis l'ajustement, dispersion des instants autour de lui (écart quadratique moyen)</translation>
    </message>
    <message>
        <source>Scatter</source>
        <translation>Dispersion</translation>
    </message>
    <message>
        <source>fitted, %1 (timings: %2, from %3 to %4)</source>
        <translation>ajustés, %1 (instants : %2, du %3 au %4)</translation>
    </message>
    <message>
        <source>fitted, %1</source>
        <translation>ajustés, %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n'est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 %2%3 (not an elements file that fit writes)</source>
        <translation>%1 %2%3 (pas un fichier d'éléments écrit par fit)</translation>
    </message>
    <message>
        <source>Minima of Algol seen from your planner's site, %1, time zone %2</source>
        <translation>Minima d'Algol vus depuis le lieu de votre planificateur, %1, fuseau horaire %2</translation>
    </message>
    <message>
        <source>Minima of Algol seen from %1 (your planner's site), %2, time zone %3</source>
        <translation>Minima d'Algol vus depuis %1 (le lieu de votre planificateur), %2, fuseau horaire %3</translation>
    </message>
    <message>
        <source>Minima of Algol seen from %1, the city of your time zone %2, %3 (--lat and --lon give your own site)</source>
        <translation>Minima d'Algol vus depuis %1, la ville de votre fuseau horaire %2, %3 (--lat et --lon donnent votre propre lieu)</translation>
    </message>
    <message>
        <source>No site: none typed (--lat and --lon) or saved by the planner, and the time zone %1 names no city; the minima are listed without their altitudes and visibility.</source>
        <translation>Aucun lieu : ni saisi (--lat et --lon) ni enregistré par le planificateur, et le fuseau horaire %1 ne nomme aucune ville ; les minima sont listés sans leurs hauteurs ni leur visibilité.</translation>
    </message>
    <message>
        <source>Watchable</source>
        <translation>Heures utiles</translation>
    </message>
    <message>
        <source>%1 of %2 h</source>
        <translation>%1 sur %2 h</translation>
    </message>
    <message>
        <source>Watchable: %1 of the %2 hours around the minimum.</source>
        <translation>Heures utiles : %1 sur les %2 heures autour du minimum.</translation>
    </message>
    <message>
        <source>larger than 64 MiB (%1 bytes)</source>
        <translation>plus de 64 Mio (%1 octets)</translation>
    </message>
    <message>
        <source>little-endian</source>
        <translation>petit-boutiste</translation>
    </message>
    <message>
        <source>big-endian</source>
        <translation>gros-boutiste</translation>
    </message>
    <message>
        <source>the text is in UTF-16 (%1); save it as UTF-8</source>
        <translation>le texte est en UTF-16 (%1) ; enregistrez-le en UTF-8</translation>
    </message>
    <message>
        <source>fitted, %1 (resting on one timing, of %2: the scatter of Algol's timings is unknown)</source>
        <translation>ajustés, %1 (sur un seul instant, du %2 : la dispersion des instants d'Algol est inconnue)</translation>
    </message>
    <message>
        <source>fitted, %1 (resting on two timings, of %2 and %3: the scatter of Algol's timings is unknown)</source>
        <translation>ajustés, %1 (sur deux instants, du %2 et du %3 : la dispersion des instants d'Algol est inconnue)</translation>
    </message>
    <message>
        <source>fitted, %1 (resting on one or two timings: the scatter of Algol's timings is unknown)</source>
        <translation>ajustés, %1 (sur un ou deux instants : la dispersion des instants d'Algol est inconnue)</translation>
    </message>
    <message>
        <source>, within ±%1 minutes by the fit, the scatter of the timings unknown</source>
        <translation>, à ±%1 minutes près selon l'ajustement, la dispersion des instants inconnue</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d'écrire %1 : %2</translation>
    </message>
    <message>
        <source>%1: in use by another program, which holds %2: left as it was</source>
        <translation>%1 : utilisé par un autre programme, qui détient %2 : laissé tel quel</translation>
    </message>
    <message>
        <source>%1: not a timings file that algol-minima writes: left as it was</source>
        <translation>%1 : pas un fichier d'instants écrit par algol-minima : laissé tel quel</translation>
    </message>
    <message>
        <source>Minima of %1, time zone %2</source>
        <translation>Minima de %1, fuseau horaire %2</translation>
    </message>
    <message>
        <source>Minima of %1 seen from your planner's site, %2, time zone %3</source>
        <translation>Minima de %1 vus depuis le lieu de votre planificateur, %2, fuseau horaire %3</translation>
    </message>
    <message>
        <source>Minima of %1 seen from %2 (your planner's site), %3, time zone %4</source>
        <translation>Minima de %1 vus depuis %2 (le lieu de votre planificateur), %3, fuseau horaire %4</translation>
    </message>
    <message>
        <source>Minima of %1 seen from %2, the city of your time zone %3, %4 (--lat and --lon give your own site)</source>
        <translation>Minima de %1 vus depuis %2, la ville de votre fuseau horaire %3, %4 (--lat et --lon donnent votre propre lieu)</translation>
    </message>
    <message>
        <source>Minima of %1 seen from %2, time zone %3</source>
        <translation>Minima de %1 vus depuis %2, fuseau horaire %3</translation>
    </message>
    <message>
        <source>Elements: each star's in the catalogue (algol-minima --stars); Algol's uncertain by ±15 minutes in 2015-2030, the others' without a published uncertainty</source>
        <translation>Éléments : ceux de chaque étoile dans le catalogue (algol-minima --stars) ; ceux d'Algol incertains de ±15 minutes en 2015-2030, ceux des autres sans incertitude publiée</translation>
    </message>
    <message>
        <source>; no uncertainty published</source>
        <translation> ; aucune incertitude publiée</translation>
    </message>
    <message numerus="yes">
        <source>Observable when %1 stands at least %2 high and the Sun at most %3: %4 of %n minima</source>
        <translation><numerusform>Observable quand %1 est à au moins %2 de hauteur et le Soleil à au plus %3 : %4 sur %n minimum</numerusform><numerusform>Observable quand %1 est à au moins %2 de hauteur et le Soleil à au plus %3 : %4 sur %n minima</numerusform></translation>
    </message>
    <message>
        <source>the star</source>
        <translation>l'étoile</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>P/S</source>
        <translation>P/S</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>S</source>
        <comment>secondary minimum</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>P</source>
        <comment>primary minimum</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>catalogue (%1), %2</source>
        <translation>du catalogue (%1), %2</translation>
    </message>
    <message numerus="yes">
        <source>%n eclipsing binaries</source>
        <translation><numerusform>%n binaire à éclipses</numerusform><numerusform>%n binaires à éclipses</numerusform></translation>
    </message>
    <message>
        <source>elements of %1</source>
        <translation>éléments de %1</translation>
    </message>
    <message>
        <source>%1 too low</source>
        <translation>%1 trop basse</translation>
    </message>
    <message>
        <source>There is no minimum of %1 in this period.</source>
        <translation>Il n'y a aucun minimum de %1 dans cette période.</translation>
    </message>
    <message>
        <source>No star of the catalogue climbs %1° above the horizon at latitude %2°: no minimum can be seen from this site.</source>
        <translation>Aucune étoile du catalogue ne monte à %1° au-dessus de l'horizon à la latitude %2° : aucun minimum n'est visible depuis ce lieu.</translation>
    </message>
    <message>
        <source>%1 never climbs %2° above the horizon at latitude %3°: no minimum can be seen from this site.</source>
        <translation>%1 ne monte jamais à %2° au-dessus de l'horizon à la latitude %3° : aucun minimum n'est visible depuis ce lieu.</translation>
    </message>
    <message numerus="yes">
        <source>None of the %n minima of this period can be seen: at each of them %1 is too low or the sky too bright.</source>
        <translation><numerusform>Le minimum de cette période n'est pas visible : %1 y est trop basse ou le ciel trop clair.</numerusform><numerusform>Aucun des %n minima de cette période n'est visible : à chacun, %1 est trop basse ou le ciel trop clair.</numerusform></translation>
    </message>
    <message>
        <source>its star</source>
        <translation>son étoile</translation>
    </message>
    <message>
        <source>Secondary minimum of %1 (cycle %2) at %3 %4 (%5 UTC)</source>
        <translation>Minimum secondaire de %1 (cycle %2) à %3 %4 (%5 UTC)</translation>
    </message>
    <message>
        <source>Minimum of %1 (cycle %2) at %3 %4 (%5 UTC)</source>
        <translation>Minimum de %1 (cycle %2) à %3 %4 (%5 UTC)</translation>
    </message>
    <message>
        <source>, %1 (no uncertainty published)</source>
        <translation>, %1 (aucune incertitude publiée)</translation>
    </message>
    <message>
        <source>%1 %2° high, azimuth %3°. Sun %4°. Moon %5°, %6% lit.</source>
        <translation>%1 à %2° de hauteur, azimut %3°. Soleil %4°. Lune %5°, éclairée à %6 %.</translation>
    </message>
    <message>
        <source>%1 secondary minimum at %2 %3</source>
        <translation>Minimum secondaire de %1 à %2 %3</translation>
    </message>
    <message>
        <source>%1 minimum at %2 %3</source>
        <translation>Minimum de %1 à %2 %3</translation>
    </message>
    <message>
        <source>Minima of %1</source>
        <translation>Minima de %1</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>not a regular file</source>
        <translation>ce n'est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>Timing</name>
    <message>
        <source>too few fields</source>
        <translation>trop peu de champs</translation>
    </message>
    <message>
        <source>the time is not a number</source>
        <translation>la date n'est pas un nombre</translation>
    </message>
    <message>
        <source>the time is not between JD 2000000 and 2600000</source>
        <translation>la date n'est pas entre JD 2000000 et 2600000</translation>
    </message>
    <message>
        <source>the measurement is not a number</source>
        <translation>la mesure n'est pas un nombre</translation>
    </message>
    <message>
        <source>the measurement is out of range</source>
        <translation>la mesure est hors limites</translation>
    </message>
    <message>
        <source>the error is negative or not a number</source>
        <translation>l'erreur est négative ou n'est pas un nombre</translation>
    </message>
    <message>
        <source>the date type is not JD, HJD, BJD or EXCEL</source>
        <translation>le type de date n'est pas JD, HJD, BJD ou EXCEL</translation>
    </message>
    <message>
        <source>the delimiter is not one character, comma or tab</source>
        <translation>le délimiteur n'est pas un caractère, comma ou tab</translation>
    </message>
    <message>
        <source>the scale is not JD_UTC, HJD_UTC or BJD_TDB</source>
        <translation>l'échelle n'est pas JD_UTC, HJD_UTC ou BJD_TDB</translation>
    </message>
    <message>
        <source>the error is zero</source>
        <translation>l'erreur est nulle</translation>
    </message>
    <message>
        <source>no column for the time of minimum, its error or its scale</source>
        <translation>pas de colonne pour l'instant du minimum, son erreur ou son échelle</translation>
    </message>
    <message>
        <source>one side of the eclipse is missing</source>
        <translation>un côté de l'éclipse manque</translation>
    </message>
    <message>
        <source>too few points</source>
        <translation>trop peu de points</translation>
    </message>
    <message>
        <source>a gap across the minimum</source>
        <translation>une lacune au minimum</translation>
    </message>
    <message>
        <source>no dip deeper than the noise</source>
        <translation>pas de baisse plus profonde que le bruit</translation>
    </message>
    <message>
        <source>not a comment or key = value</source>
        <translation>ni un commentaire ni clé = valeur</translation>
    </message>
    <message>
        <source>given twice</source>
        <translation>donnée deux fois</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absente</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>pas un nombre</translation>
    </message>
    <message>
        <source>not JD_UTC or HJD_UTC</source>
        <translation>ni JD_UTC ni HJD_UTC</translation>
    </message>
    <message>
        <source>not between JD 2000000 and 2600000</source>
        <translation>pas entre JD 2000000 et 2600000</translation>
    </message>
    <message>
        <source>not between 0.5 and 20 days</source>
        <translation>pas entre 0.5 et 20 jours</translation>
    </message>
    <message>
        <source>negative</source>
        <translation>négative</translation>
    </message>
    <message>
        <source>not between -1 and 1</source>
        <translation>pas entre -1 et 1</translation>
    </message>
    <message>
        <source>not a count</source>
        <translation>pas un nombre entier</translation>
    </message>
    <message>
        <source>a quarter of the period or more, which no longer tells one cycle from the next</source>
        <translation>un quart de période ou plus, qui ne distingue plus un cycle du suivant</translation>
    </message>
    <message>
        <source>not a whole number from -1200000 to 1200000</source>
        <translation>pas un nombre entier de -1200000 à 1200000</translation>
    </message>
    <message>
        <source>the star is not one of the catalogue's (algol-minima --stars)</source>
        <translation>l'étoile n'est pas l'une de celles du catalogue (algol-minima --stars)</translation>
    </message>
    <message>
        <source>the star has no eclipse template to fit</source>
        <translation>l'étoile n'a pas de modèle d'éclipse à ajuster</translation>
    </message>
    <message>
        <source>not a star of the catalogue (algol-minima --stars)</source>
        <translation>pas une étoile du catalogue (algol-minima --stars)</translation>
    </message>
</context>
</TS>