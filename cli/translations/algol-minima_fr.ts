<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AlgolMinima</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Start of the period (default: now).</source>
        <translation>Début de la période (par défaut : maintenant).</translation>
    </message>
    <message>
        <source>End of the period.</source>
        <translation>Fin de la période.</translation>
    </message>
    <message>
        <source>Length of the period in days (default: 30).</source>
        <translation>Durée de la période en jours (par défaut : 30).</translation>
    </message>
    <message>
        <source>Latitude of the site in degrees, north positive.</source>
        <translation>Latitude du lieu en degrés, positive au nord.</translation>
    </message>
    <message>
        <source>Longitude of the site in degrees, east positive.</source>
        <translation>Longitude du lieu en degrés, positive à l'est.</translation>
    </message>
    <message>
        <source>Height of the site in metres (default: 0).</source>
        <translation>Altitude du lieu en mètres (par défaut : 0).</translation>
    </message>
    <message>
        <source>Time zone, an IANA name such as Europe/Paris (default: the system's).</source>
        <translation>Fuseau horaire, un nom IANA comme Europe/Paris (par défaut : celui du système).</translation>
    </message>
    <message>
        <source>Lowest altitude of the star in degrees (default: 20).</source>
        <translation>Hauteur minimale de l'étoile en degrés (par défaut : 20).</translation>
    </message>
    <message>
        <source>Highest altitude of the Sun in degrees (default: -12).</source>
        <translation>Hauteur maximale du Soleil en degrés (par défaut : -12).</translation>
    </message>
    <message>
        <source>List also the minima that cannot be seen.</source>
        <translation>Lister aussi les minima qu'on ne peut pas voir.</translation>
    </message>
    <message>
        <source>Output format: table (default), csv, json or ics.</source>
        <translation>Format de sortie : table (par défaut), csv, json ou ics.</translation>
    </message>
    <message>
        <source>Write to FILE instead of the standard output.</source>
        <translation>Écrire dans FICHIER au lieu de la sortie standard.</translation>
    </message>
    <message>
        <source>"%1" is not a date (YYYY-MM-DD or YYYY-MM-DDTHH:MM)</source>
        <translation>« %1 » n'est pas une date (AAAA-MM-JJ ou AAAA-MM-JJTHH:MM)</translation>
    </message>
    <message>
        <source>%1 is not a day of the calendar</source>
        <translation>le %1 n'existe pas dans le calendrier</translation>
    </message>
    <message>
        <source>%1: the year must lie between 1000 and 2999</source>
        <translation>%1 : l'année doit être comprise entre 1000 et 2999</translation>
    </message>
    <message>
        <source>%1 is not a time of day</source>
        <translation>%1 n'est pas une heure de la journée</translation>
    </message>
    <message>
        <source>%1 is not an offset from UTC</source>
        <translation>%1 n'est pas un décalage par rapport à UTC</translation>
    </message>
    <message>
        <source>unknown time zone "%1" (an IANA name such as Europe/Paris)</source>
        <translation>fuseau horaire inconnu « %1 » (un nom IANA comme Europe/Paris)</translation>
    </message>
    <message>
        <source>unknown format "%1" (table, csv, json or ics)</source>
        <translation>format inconnu « %1 » (table, csv, json ou ics)</translation>
    </message>
    <message>
        <source>unexpected argument "%1" (see algol-minima --help)</source>
        <translation>argument inattendu « %1 » (voir algol-minima --help)</translation>
    </message>
    <message>
        <source>a site needs both --lat and --lon</source>
        <translation>un lieu demande à la fois --lat et --lon</translation>
    </message>
    <message>
        <source>the latitude is a number of degrees from %1 to %2, not "%3"</source>
        <translation>la latitude est un nombre de degrés de %1 à %2, pas « %3 »</translation>
    </message>
    <message>
        <source>the longitude is a number of degrees from %1 to %2, not "%3"</source>
        <translation>la longitude est un nombre de degrés de %1 à %2, pas « %3 »</translation>
    </message>
    <message>
        <source>the height is a number of metres from %1 to %2, not "%3"</source>
        <translation>l'altitude est un nombre de mètres de %1 à %2, pas « %3 »</translation>
    </message>
    <message>
        <source>a height needs a site (--lat and --lon)</source>
        <translation>une altitude demande un lieu (--lat et --lon)</translation>
    </message>
    <message>
        <source>the altitude is a number of degrees from %1 to %2, not "%3"</source>
        <translation>la hauteur est un nombre de degrés de %1 à %2, pas « %3 »</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>le nom de fichier est vide</translation>
    </message>
    <message>
        <source>give either --to or --days, not both</source>
        <translation>donnez --to ou --days, pas les deux</translation>
    </message>
    <message>
        <source>the end of the period must come after its start</source>
        <translation>la fin de la période doit venir après son début</translation>
    </message>
    <message>
        <source>the period is longer than 100 years</source>
        <translation>la période dépasse 100 ans</translation>
    </message>
    <message>
        <source>the number of days is a whole number from 1 to 36525 (100 years), not "%1"</source>
        <translation>le nombre de jours est un entier de 1 à 36525 (100 ans), pas « %1 »</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d'écrire %1 : %2</translation>
    </message>
    <message>
        <source>the standard output</source>
        <translation>la sortie standard</translation>
    </message>
    <message>
        <source>the system's time zone "%1" (TZ) is not an IANA name such as Europe/Paris: give one with --tz</source>
        <translation>le fuseau horaire du système « %1 » (TZ) n'est pas un nom IANA comme Europe/Paris : donnez-en un avec --tz</translation>
    </message>
    <message>
        <source>the period reaches %1: its years must lie between 1000 and 2999</source>
        <translation>la période atteint le %1 : ses années doivent être comprises entre 1000 et 2999</translation>
    </message>
    <message>
        <source>warning: SOURCE_DATE_EPOCH "%1" is not a number of seconds from 1970 to the end of 2999; the calendar is stamped with the current time</source>
        <translation>attention : SOURCE_DATE_EPOCH « %1 » n'est pas un nombre de secondes de 1970 à la fin de 2999 ; le calendrier est daté de l'heure actuelle</translation>
    </message>
    <message>
        <source>it is closed</source>
        <translation>elle est fermée</translation>
    </message>
    <message>
        <source>Output format: table (default), csv or json.</source>
        <translation>Format de sortie : table (par défaut), csv ou json.</translation>
    </message>
    <message>
        <source>Elements that predict the minima and give the O-C: current (default), classic, EPOCH:PERIOD[:hjd|jd], or an elements file written by fit.</source>
        <translation>Éléments qui prédisent les minima et donnent le O-C : current (par défaut), classic, EPOQUE:PERIODE[:hjd|jd] ou un fichier d'éléments écrit par fit.</translation>
    </message>
    <message>
        <source>Time the points within this many hours of a predicted minimum (default: half the star's eclipse, rounded up: 5 for Algol).</source>
        <translation>Utiliser les points situés au plus à ce nombre d'heures d'un minimum prédit (par défaut : la moitié de l'éclipse de l'étoile, arrondie à l'heure supérieure : 5 pour Algol).</translation>
    </message>
    <message>
        <source>kvw (Kwee and van Woerden), template (the star's eclipse fitted) or auto (default: kvw for evenly sampled photometry, template otherwise).</source>
        <translation>kvw (Kwee et van Woerden), template (ajustement de l'éclipse de l'étoile) ou auto (par défaut : kvw pour une photométrie régulièrement échantillonnée, template sinon).</translation>
    </message>
    <message>
        <source>Kwee and van Woerden's trial times: 3, 5 (default) or 7.</source>
        <translation>Instants d'essai de Kwee et van Woerden : 3, 5 (par défaut) ou 7.</translation>
    </message>
    <message>
        <source>One point's noise in the values' unit, for Kwee and van Woerden (default: estimated).</source>
        <translation>Bruit d'un point dans l'unité des valeurs, pour Kwee et van Woerden (par défaut : estimé).</translation>
    </message>
    <message>
        <source>Times of plain columns: jd (default, on UTC), hjd (on UTC) or bjd (on TDB).</source>
        <translation>Dates des colonnes simples : jd (par défaut, en UTC), hjd (en UTC) ou bjd (en TDB).</translation>
    </message>
    <message>
        <source>The values of plain columns are fluxes, not magnitudes.</source>
        <translation>Les valeurs des colonnes simples sont des flux, non des magnitudes.</translation>
    </message>
    <message>
        <source>Add the timings to this timings file, made when missing.</source>
        <translation>Ajouter les instants de minimum à ce fichier d'instants, créé s'il n'existe pas.</translation>
    </message>
    <message>
        <source>Times the minima of Algol, or of another star of the catalogue, observed in files of observations (AAVSO Extended or Visual files, the AAVSO data download, or plain columns of time, value and error): the points of each predicted minimum are timed by Kwee and van Woerden's method or by fitting the star's eclipse, with the error, and compared with the elements (O-C).</source>
        <translation>Date les minima d'Algol, ou d'une autre étoile du catalogue, observés dans des fichiers d'observations (fichiers AAVSO Extended ou Visual, téléchargement de données de l'AAVSO, ou colonnes simples de date, valeur et erreur) : l'instant de chaque minimum prédit est déterminé par la méthode de Kwee et van Woerden ou par l'ajustement de l'éclipse de l'étoile, avec son erreur, et comparé aux éléments (O-C).</translation>
    </message>
    <message>
        <source>Files of observations.</source>
        <translation>Fichiers d'observations.</translation>
    </message>
    <message>
        <source>Elements to start from, which count the cycles: current (default), classic, EPOCH:PERIOD[:hjd|jd], or an elements file.</source>
        <translation>Éléments de départ, qui comptent les cycles : current (par défaut), classic, EPOQUE:PERIODE[:hjd|jd] ou un fichier d'éléments.</translation>
    </message>
    <message>
        <source>Leave out the timings beyond 3 sigma, and name them.</source>
        <translation>Écarter les instants au-delà de 3 sigma, en les nommant.</translation>
    </message>
    <message>
        <source>Write the fitted elements to this elements file.</source>
        <translation>Écrire les éléments ajustés dans ce fichier d'éléments.</translation>
    </message>
    <message>
        <source>Fits linear elements (Min I = epoch + period E) to the times of minimum of a timings file by weighted least squares, shows their errors and the residuals, and writes them to an elements file that --elements then uses.</source>
        <translation>Ajuste des éléments linéaires (Min I = époque + période E) aux instants de minimum d'un fichier d'instants par moindres carrés pondérés, affiche leurs erreurs et les résidus, et les écrit dans un fichier d'éléments que --elements utilise ensuite.</translation>
    </message>
    <message>
        <source>The timings file, as time --append writes it, or any CSV file of times of minimum (default: %1).</source>
        <translation>Le fichier d'instants, tel que time --append l'écrit, ou tout fichier CSV d'instants de minimum (par défaut : %1).</translation>
    </message>
    <message>
        <source>unknown method "%1" (kvw, template or auto)</source>
        <translation>méthode inconnue « %1 » (kvw, template ou auto)</translation>
    </message>
    <message>
        <source>unknown time scale "%1" (jd, hjd or bjd)</source>
        <translation>échelle de temps inconnue « %1 » (jd, hjd ou bjd)</translation>
    </message>
    <message>
        <source>a file name is needed, not -</source>
        <translation>il faut un nom de fichier, pas -</translation>
    </message>
    <message>
        <source>time: no file of observations given</source>
        <translation>time : aucun fichier d'observations donné</translation>
    </message>
    <message>
        <source>time: a file name is empty</source>
        <translation>time : un nom de fichier est vide</translation>
    </message>
    <message>
        <source>the window is a number of hours from %1 to %2, not "%3"</source>
        <translation>la fenêtre est un nombre d'heures de %1 à %2, pas « %3 »</translation>
    </message>
    <message>
        <source>the trial times are 3, 5 or 7, not "%1"</source>
        <translation>les instants d'essai sont 3, 5 ou 7, pas « %1 »</translation>
    </message>
    <message>
        <source>the noise is a number above 0 in the values' unit, not "%1"</source>
        <translation>le bruit est un nombre supérieur à 0 dans l'unité des valeurs, pas « %1 »</translation>
    </message>
    <message>
        <source>fit: the timings file's name is empty</source>
        <translation>fit : le nom du fichier d'instants est vide</translation>
    </message>
    <message>
        <source>fit: one timings file, not %1</source>
        <translation>fit : un seul fichier d'instants, pas %1</translation>
    </message>
    <message>
        <source>Elements: current (default), classic, EPOCH:PERIOD[:hjd|jd], or an elements file written by fit.</source>
        <translation>Éléments : current (par défaut), classic, EPOQUE:PERIODE[:hjd|jd] ou un fichier d'éléments écrit par fit.</translation>
    </message>
    <message>
        <source>Lists the minima of Algol (beta Persei), or of another bright eclipsing binary (--star, --stars), that can be seen from a site: the star high enough and the sky dark, in the observer's time zone. Dates are ISO 8601 (2026-12-24 or 2026-12-24T21:30), read in the chosen time zone unless they end in Z or carry an offset (+01:00). The commands time FILE... and fit TIMINGS.csv time minima from observations and fit elements to the timings: algol-minima time --help, algol-minima fit --help.</source>
        <translation>Liste les minima d'Algol (bêta Persée), ou d'une autre binaire à éclipses brillante (--star, --stars), visibles depuis un lieu : l'étoile assez haute et le ciel noir, à l'heure du fuseau de l'observateur. Les dates sont au format ISO 8601 (2026-12-24 ou 2026-12-24T21:30), lues dans le fuseau choisi sauf si elles finissent par Z ou portent un décalage (+01:00). Les commandes time FICHIER... et fit INSTANTS.csv datent des minima observés et ajustent des éléments à leurs instants : algol-minima time --help, algol-minima fit --help.</translation>
    </message>
    <message>
        <source>unknown format "%1" (table, csv or json)</source>
        <translation>format inconnu « %1 » (table, csv ou json)</translation>
    </message>
    <message>
        <source>"%1" is not current, classic, EPOCH:PERIOD[:hjd|jd] (an epoch between JD 2000000 and 2600000, a period between 0.5 and 20 days) or an elements file</source>
        <translation>« %1 » n'est ni current, ni classic, ni EPOQUE:PERIODE[:hjd|jd] (une époque entre JD 2000000 et 2600000, une période entre 0.5 et 20 jours), ni un fichier d'éléments</translation>
    </message>
    <message>
        <source>%1 is also read (as %2): it would be written over</source>
        <translation>%1 est aussi lu (comme %2) : il serait écrasé</translation>
    </message>
    <message>
        <source>%1: timings added: %2, already there: %3</source>
        <translation>%1 : instants ajoutés : %2, déjà présents : %3</translation>
    </message>
    <message>
        <source>%1: no timing could be read</source>
        <translation>%1 : aucun instant de minimum n'a pu être lu</translation>
    </message>
    <message>
        <source>beyond 3 sigma</source>
        <translation>au-delà de 3 sigma</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>écarté</translation>
    </message>
    <message>
        <source>Elements fitted to the timings of %1, in %2 on UTC</source>
        <translation>Éléments ajustés aux instants de %1, en %2 UTC</translation>
    </message>
    <message>
        <source>Start: %1</source>
        <translation>Départ : %1</translation>
    </message>
    <message>
        <source>Min I = %1 %2 + %3 %4</source>
        <translation>Min I = %1 %2 + %3 %4</translation>
    </message>
    <message>
        <source>Epoch: ± %1 d (%2 min); period: ± %3 d; correlation: %4</source>
        <translation>Époque : ± %1 j (%2 min) ; période : ± %3 j ; corrélation : %4</translation>
    </message>
    <message>
        <source>Timings: %1 of %2, from %3 to %4; reduced chi-square: %5; rms of the residuals: %6</source>
        <translation>Instants : %1 sur %2, du %3 au %4 ; khi-deux réduit : %5 ; écart quadratique moyen des résidus : %6</translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>indéfini</translation>
    </message>
    <message>
        <source>The errors are scaled by the square root of the reduced chi-square (%1): the timings scatter more than their errors say.</source>
        <translation>Les erreurs sont multipliées par la racine carrée du khi-deux réduit (%1) : les instants sont plus dispersés que leurs erreurs ne le disent.</translation>
    </message>
    <message>
        <source>Only the epoch is fitted (one timing, or timings of less than a season): the period is the start's, its error from the start's stated uncertainty.</source>
        <translation>Seule l'époque est ajustée (un seul instant, ou des instants de moins d'une saison) : la période est celle du départ, son erreur tirée de l'incertitude annoncée pour le départ.</translation>
    </message>
    <message>
        <source>cycle %1 (%2)</source>
        <translation>cycle %1 (%2)</translation>
    </message>
    <message>
        <source>Left out beyond 3 sigma: %1</source>
        <translation>Écartés au-delà de 3 sigma : %1</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>Minimum (%1)</source>
        <translation>Minimum (%1)</translation>
    </message>
    <message>
        <source>O-C (d)</source>
        <translation>O-C (j)</translation>
    </message>
    <message>
        <source>(min)</source>
        <translation>(min)</translation>
    </message>
    <message>
        <source>Error (d)</source>
        <translation>Erreur (j)</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Marque</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>%1: lines skipped: %2</source>
        <translation>%1 : lignes ignorées : %2</translation>
    </message>
    <message>
        <source>AAVSO Extended file</source>
        <translation>fichier AAVSO Extended</translation>
    </message>
    <message>
        <source>AAVSO Visual file</source>
        <translation>fichier AAVSO Visual</translation>
    </message>
    <message>
        <source>AAVSO data download</source>
        <translation>téléchargement de données de l'AAVSO</translation>
    </message>
    <message>
        <source>plain columns</source>
        <translation>colonnes simples</translation>
    </message>
    <message>
        <source>%1: %2, observations of Algol: %3</source>
        <translation>%1 : %2, observations d'Algol : %3</translation>
    </message>
    <message>
        <source>; fainter-than estimates skipped: %1</source>
        <translation> ; estimations « plus faible que » ignorées : %1</translation>
    </message>
    <message>
        <source>; rows of other stars left out: %1</source>
        <translation> ; lignes d'autres étoiles écartées : %1</translation>
    </message>
    <message>
        <source>not timed: %1</source>
        <translation>non daté : %1</translation>
    </message>
    <message>
        <source>KvW's own error %1 min</source>
        <translation>erreur propre de KvW %1 min</translation>
    </message>
    <message>
        <source>KvW's own error undefined</source>
        <translation>erreur propre de KvW indéfinie</translation>
    </message>
    <message>
        <source>noise %1 (estimated)</source>
        <translation>bruit %1 (estimé)</translation>
    </message>
    <message>
        <source>noise %1</source>
        <translation>bruit %1</translation>
    </message>
    <message>
        <source>resampled to equal steps</source>
        <translation>rééchantillonné à pas égaux</translation>
    </message>
    <message>
        <source>Times of minimum of Algol, in %1 on UTC (%2)</source>
        <translation>Instants de minimum d'Algol, en %1 UTC (%2)</translation>
    </message>
    <message>
        <source>Elements: %1</source>
        <translation>Éléments : %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Observers</source>
        <translation>Observateurs</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>%1 (auto)</source>
        <translation>%1 (auto)</translation>
    </message>
    <message>
        <source>No observation lies within %1 hours of a minimum that the elements predict.</source>
        <translation>Aucune observation ne se trouve à moins de %1 heures d'un minimum que prédisent les éléments.</translation>
    </message>
    <message>
        <source>Observations farther than %1 hours from a predicted minimum, left out: %2</source>
        <translation>Observations à plus de %1 heures d'un minimum prédit, écartées : %2</translation>
    </message>
    <message>
        <source>; </source>
        <translation> ; </translation>
    </message>
    <message>
        <source>unknown option %1 (see %2)</source>
        <translation>option inconnue %1 (voir %2)</translation>
    </message>
    <message>
        <source>%1: the value is missing (see %2)</source>
        <translation>%1 : la valeur manque (voir %2)</translation>
    </message>
    <message>
        <source>%1: this option takes no value (see %2)</source>
        <translation>%1 : cette option ne prend pas de valeur (voir %2)</translation>
    </message>
    <message>
        <source>the command %1 comes first, before the options (see algol-minima %1 --help)</source>
        <translation>la commande %1 vient en premier, avant les options (voir algol-minima %1 --help)</translation>
    </message>
    <message>
        <source>%1: no observation of Algol could be read (rows of other stars: %2, fainter-than estimates: %3, lines that cannot be read: %4)</source>
        <translation>%1 : aucune observation d'Algol n'a pu être lue (lignes d'autres étoiles : %2, estimations « plus faible que » : %3, lignes illisibles : %4)</translation>
    </message>
    <message>
        <source>%1 d (%2 min)</source>
        <translation>%1 j (%2 min)</translation>
    </message>
    <message>
        <source>unknown, from fewer than three timings</source>
        <translation>inconnu, faute de trois instants</translation>
    </message>
    <message>
        <source>%1: no elements can be fitted to these timings: %2: %3</source>
        <translation>%1 : aucun élément ne peut être ajusté à ces instants : %2 : %3</translation>
    </message>
    <message>
        <source>The star, by any of its names (default: Algol), or all: every star of the catalogue, merged by time.</source>
        <translation>L'étoile, sous n'importe lequel de ses noms (par défaut : Algol), ou all : toutes les étoiles du catalogue, mêlées dans l'ordre du temps.</translation>
    </message>
    <message>
        <source>List the stars of the catalogue and exit.</source>
        <translation>Lister les étoiles du catalogue et quitter.</translation>
    </message>
    <message>
        <source>Leave out the secondary minima.</source>
        <translation>Laisser de côté les minima secondaires.</translation>
    </message>
    <message>
        <source>The star observed, by any of its names (default: the first of the catalogue that the files name, else Algol).</source>
        <translation>L'étoile observée, sous n'importe lequel de ses noms (par défaut : la première du catalogue que nomment les fichiers, sinon Algol).</translation>
    </message>
    <message>
        <source>Fit this star's timings, leaving out the others' (default: the one star of the timings).</source>
        <translation>Ajuster les instants de cette étoile, en laissant de côté ceux des autres (par défaut : l'unique étoile des instants).</translation>
    </message>
    <message>
        <source>the classic elements are Algol's, not %1's</source>
        <translation>les éléments classiques sont ceux d'Algol, pas de %1</translation>
    </message>
    <message>
        <source>unknown star "%1" (algol-minima --stars lists the stars)</source>
        <translation>étoile inconnue « %1 » (algol-minima --stars liste les étoiles)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>unknown star "%1": did you mean %2?</source>
        <translation>étoile inconnue « %1 » : vouliez-vous dire %2 ?</translation>
    </message>
    <message>
        <source>with --star all, each star has its catalogue's elements</source>
        <translation>avec --star all, chaque étoile a les éléments de son catalogue</translation>
    </message>
    <message>
        <source>%1: elements of %2, not of %3</source>
        <translation>%1 : éléments de %2, pas de %3</translation>
    </message>
    <message>
        <source>%1: no observation of %2 could be read (rows of other stars: %3, fainter-than estimates: %4, lines that cannot be read: %5)</source>
        <translation>%1 : aucune observation de %2 n'a pu être lue (lignes d'autres étoiles : %3, estimations « plus faible que » : %4, lignes illisibles : %5)</translation>
    </message>
    <message>
        <source>--method template: %1 has no eclipse to fit (no eclipse duration D: its light changes all the time); it is timed by Kwee and van Woerden's method (kvw or auto)</source>
        <translation>--method template : %1 n'a pas d'éclipse à ajuster (pas de durée d'éclipse D : son éclat change sans cesse) ; ses minima sont datés par la méthode de Kwee et van Woerden (kvw ou auto)</translation>
    </message>
    <message>
        <source>%1: timings of %2 stars (%3): a fit takes one star's (--star)</source>
        <translation>%1 : instants de %2 étoiles (%3) : un ajustement prend ceux d'une seule (--star)</translation>
    </message>
    <message>
        <source>%1: timings of other stars left out: %2</source>
        <translation>%1 : instants d'autres étoiles laissés de côté : %2</translation>
    </message>
    <message>
        <source>%1: no timing of %2</source>
        <translation>%1 : aucun instant de %2</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Étoile</translation>
    </message>
    <message>
        <source>Other names</source>
        <translation>Autres noms</translation>
    </message>
    <message>
        <source>AAVSO</source>
        <translation>AAVSO</translation>
    </message>
    <message>
        <source>V range</source>
        <translation>Amplitude V</translation>
    </message>
    <message>
        <source>Min II</source>
        <translation>Min II</translation>
    </message>
    <message>
        <source>Period (d)</source>
        <translation>Période (j)</translation>
    </message>
    <message>
        <source>D (h)</source>
        <translation>D (h)</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>The stars that --star names, by any of their names (or all of them: --star all)</source>
        <translation>Les étoiles que nomme --star, sous n'importe lequel de leurs noms (ou toutes : --star all)</translation>
    </message>
    <message>
        <source>%1: %2, observations of %3: %4</source>
        <translation>%1 : %2, observations de %3 : %4</translation>
    </message>
    <message>
        <source>Times of minimum of %1, in %2 on UTC (%3)</source>
        <translation>Instants de minimum de %1, en %2 UTC (%3)</translation>
    </message>
    <message>
        <source>Elements of %1 fitted to the timings of %2, in %3 on UTC</source>
        <translation>Éléments de %1 ajustés aux instants de %2, en %3 UTC</translation>
    </message>
    <message>
        <source>%1: lines that cannot be read not shown: %2</source>
        <translation>%1 : lignes illisibles non affichées : %2</translation>
    </message>
</context>
</TS>