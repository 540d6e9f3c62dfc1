<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AlgolMinima</name>
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
        <source>Elements: %1.</source>
        <translation>Éléments : %1.</translation>
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
        <source>Uncertainty</source>
        <translation>Incertitude</translation>
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
        <source>Elements: current (default), classic, or EPOCH:PERIOD[:hjd|jd].</source>
        <translation>Éléments : current (par défaut), classic ou EPOQUE:PERIODE[:hjd|jd].</translation>
    </message>
    <message>
        <source>Lowest altitude of Algol in degrees (default: 20).</source>
        <translation>Hauteur minimale d'Algol en degrés (par défaut : 20).</translation>
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
        <source>Lists the primary minima of Algol (beta Persei) that can be seen from a site: Algol high enough and the sky dark, in the observer's time zone. Dates are ISO 8601 (2026-12-24 or 2026-12-24T21:30), read in the chosen time zone unless they end in Z or carry an offset (+01:00).</source>
        <translation>Liste les minima principaux d'Algol (bêta Persée) visibles depuis un lieu : Algol assez haute et le ciel noir, à l'heure du fuseau de l'observateur. Les dates sont au format ISO 8601 (2026-12-24 ou 2026-12-24T21:30), lues dans le fuseau choisi sauf si elles finissent par Z ou portent un décalage (+01:00).</translation>
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
        <source>unexpected argument "%1"</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>"%1" is not current, classic or EPOCH:PERIOD[:hjd|jd] (an epoch between JD 2000000 and 2600000, a period between 0.5 and 10 days)</source>
        <translation>« %1 » n'est ni current, ni classic, ni EPOQUE:PERIODE[:hjd|jd] (une époque entre JD 2000000 et 2600000, une période entre 0.5 et 10 jours)</translation>
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
    <message numerus="yes">
        <source>None of the %n minima of this period can be seen: at each of them Algol is too low or the sky too bright.</source>
        <translation><numerusform>Le minimum de cette période n'est pas visible : Algol y est trop basse ou le ciel trop clair.</numerusform><numerusform>Aucun des %n minima de cette période n'est visible : à chacun, Algol est trop basse ou le ciel trop clair.</numerusform></translation>
    </message>
    <message>
        <source>warning: the current elements are extrapolated outside 2000-2040; the times may be off by more than the uncertainty shown</source>
        <translation>attention : les éléments actuels sont extrapolés hors de 2000-2040 ; les heures peuvent s'écarter de plus que l'incertitude indiquée</translation>
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
        <source>The Sun never goes below %1° on the days of these minima: the sky is never dark enough here.</source>
        <translation>Le Soleil ne descend jamais sous %1° les jours de ces minima : le ciel n'est jamais assez noir ici.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Highest altitude of the Sun in degrees (default: -12).</source>
        <translation>Hauteur maximale du Soleil en degrés (par défaut : -12).</translation>
    </message>
</context>
</TS>