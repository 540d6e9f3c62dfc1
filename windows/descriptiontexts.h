#pragma once

// The long texts of the information window's labels, as the window shows them. Several end with
// one blank, and the odd spellings are the window's own.

namespace descriptiontexts {

// Label2(0)
inline constexpr char16_t T1[] =
    u"Algol (beta Persée) est la plus célèbre des étoiles variables, car ses "
    u"variations rapides sont facilement détectables à l'oeil nu. ";

// Label2(1)
inline constexpr char16_t T2[] =
    u"En fait, elles sont dues aux éclipses mutuelles, vues depuis la terre, de "
    u"deux étoiles très proches d'éclat différent et tournant l'une autour de "
    u"l'autre en 2 jours 20 heures et 49 minutes précisément. ";

// Label2(2)
inline constexpr char16_t T3[] =
    u"C'est ce qu'on appelle une binaire à éclipses. ";

// Label2(3)
inline constexpr char16_t T4[] =
    u"Inutile de vouloir résoudre ce couple depuis la terre, puisqu'à cette "
    u"distance, 93 années-lumière, aucun télescope ne permet de les dissocier l'une "
    u"de l'autre. ";

// Label2(4)
inline constexpr char16_t T5[] =
    u"Le plan des deux étoiles est pratiquement dirigé vers la terre, d'où le fait "
    u"que lorsque le compagnon plus sombre éclipse (presque totalement, à 80%) la "
    u"plus brilllante, la chute d'éclat est très sensible (de magnitude 2,1 à 3,4). ";

// Label2(5)
inline constexpr char16_t T6[] =
    u"La chute puis la remontée d'éclat ne durent qu'environ 10 heures, et sur une "
    u"nuit l'éclat varie très rapidement. Il est très facile de noter ces "
    u"variations en comparant Algol à d'autres étoiles voisines et non variables, "
    u"comme par exemple: (Aidez-vous en agrandissant la carte ci-contre)";

// Label8
inline constexpr char16_t T7[] =
    u"Le programme suivant donne les moments des minima primaires d'Algol "
    u"(correspondant à 0 T). Quand un tel minimum se produit à la fin de la soirée "
    u"ou au milieu de la nuit, il est possible de voir l'étoile diminuer "
    u"d'intensité jusqu'à l'heure du minimum, puis ensuite revenir à sa pleine "
    u"intensité. Les calculs sont basés sur une période de 2,867315 jours.";

// Label6(0)
inline constexpr char16_t T8[] =
    u"Pour Localiser Algol. (L'oeil du démon, en Arabe). Dirigez vous face au nord "
    u"et repérez la constellation de Cassiopée (En forme de ''W'') Il vous sera "
    u"aisé de trouver ensuite Almach et Mirfak... Puis Algol...";

// Label6(1)
inline constexpr char16_t T9[] =
    u"Algol est Circumpolaire, c'est à dire qu'elle ne se couche jamais sous "
    u"l'horizon aux latitudes de la France. Cependant, en début de soirée, c'est en "
    u"hiver qu'elle culmine au zenith.";

} // namespace descriptiontexts
