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
        <source>Elements: current (default), classic, or EPOCH:PERIOD[:hjd|jd].</source>
        <translation>Éléments : current (par défaut), classic ou EPOQUE:PERIODE[:hjd|jd].</translation>
    </message>
    <message>
        <source>Lowest altitude of Algol in degrees (default: 20).</source>
        <translation>Hauteur minimale d'Algol en degrés (par défaut : 20).</translation>
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
</context>
</TS>