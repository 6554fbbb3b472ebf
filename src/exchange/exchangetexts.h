#pragma once

#include "text/translated.h"

// Why a question file cannot be read or written, or its items stored, in the four working
// languages. %1, %2 ... are filled in from the failure's details.
namespace lexora::exchangetext {

inline constexpr Translated cannotRead{"%1 cannot be read: %2.", "A(z) %1 fájl nem olvasható: %2.",
                                       "No se puede leer %1: %2.", "%1 ne peut pas être lu : %2."};
inline constexpr Translated tooLarge{
    "%1 is %2 MB; question files of up to %3 MB can be read.",
    "A(z) %1 fájl mérete %2 MB; legfeljebb %3 MB-os kérdésfájl olvasható be.",
    "%1 ocupa %2 MB; se pueden leer archivos de preguntas de hasta %3 MB.",
    "%1 fait %2 Mo ; les fichiers de questions peuvent faire au plus %3 Mo."};
inline constexpr Translated badUtf16{"%1 is not well-formed UTF-16 text.", "A(z) %1 fájl nem szabályos UTF-16 szöveg.",
                                     "%1 no es un texto UTF-16 bien formado.",
                                     "%1 n'est pas un texte UTF-16 bien formé."};
inline constexpr Translated notUtf8{
    "%1 is not UTF-8 text (line %2 holds a byte that is not); save it as UTF-8 and try again.",
    "A(z) %1 fájl nem UTF-8 szöveg (a(z) %2. sorban nem UTF-8 bájt áll); mentse UTF-8 kódolással, és próbálja újra.",
    "%1 no es un texto UTF-8 (la línea %2 contiene un byte que no lo es); guárdelo como UTF-8 e inténtelo de nuevo.",
    "%1 n'est pas un texte UTF-8 (la ligne %2 contient un octet qui ne l'est pas) ; enregistrez-le en UTF-8 et "
    "réessayez."};
inline constexpr Translated cannotWrite{"%1 cannot be written: %2.", "A(z) %1 fájl nem írható: %2.",
                                        "No se puede escribir %1: %2.", "%1 ne peut pas être écrit : %2."};
inline constexpr Translated notQuiz{
    "%1 is not a question file: its outermost element is <%2>, not <quiz>.",
    "A(z) %1 fájl nem kérdésfájl: a legkülső eleme <%2>, nem <quiz>.",
    "%1 no es un archivo de preguntas: su elemento exterior es <%2>, no <quiz>.",
    "%1 n'est pas un fichier de questions : son élément extérieur est <%2>, et non <quiz>."};
inline constexpr Translated badXml{
    "%1 cannot be read as XML: %2 (line %3, column %4).",
    "A(z) %1 fájl nem olvasható XML-ként: %2 (%3. sor, %4. oszlop).",
    "No se puede leer %1 como XML: %2 (línea %3, columna %4).",
    "%1 ne peut pas être lu comme du XML : %2 (ligne %3, colonne %4)."};
inline constexpr Translated noQuiz{"%1 holds no <quiz> element.", "A(z) %1 fájlban nincs <quiz> elem.",
                                   "%1 no contiene ningún elemento <quiz>.", "%1 ne contient aucun élément <quiz>."};
inline constexpr Translated tooFewPlaces{
    "The database has only %1 free order numbers (sorrend2) for %2 items; nothing was imported.",
    "Az adatbázisban csak %1 szabad sorrendi szám (sorrend2) van %2 feladathoz; semmi sem került be.",
    "La base de datos solo tiene %1 números de orden (sorrend2) libres para %2 ejercicios; no se importó nada.",
    "La base de données n'a que %1 numéros d'ordre (sorrend2) libres pour %2 exercices ; rien n'a été importé."};
inline constexpr Translated nothingToReplaceWith{
    "The file holds no question that can be an item, so the items of %1 were not replaced.",
    "A fájlban nincs feladattá alakítható kérdés, ezért a(z) %1 feladatait a program nem cserélte le.",
    "El archivo no contiene ninguna pregunta que pueda ser un ejercicio, así que los ejercicios de %1 no se "
    "sustituyeron.",
    "Le fichier ne contient aucune question qui puisse devenir un exercice ; les exercices de %1 n'ont donc pas été "
    "remplacés."};
inline constexpr Translated noRoomForNumbers{
    "The file holds %1 items, but item numbers end at %2 and the highest in the database is %3, which leaves room for "
    "%4. Nothing was imported.",
    "A fájlban %1 feladat van, de a sorszámok %2-ig tartanak, és az adatbázis legnagyobb sorszáma %3, így csak %4 "
    "feladatnak van hely. Semmi sem került be.",
    "El archivo contiene %1 ejercicios, pero los números terminan en %2 y el mayor de la base de datos es %3, lo que "
    "deja sitio para %4. No se importó nada.",
    "Le fichier contient %1 exercices, mais les numéros s'arrêtent à %2 et le plus haut de la base de données est %3, "
    "ce qui laisse de la place pour %4. Rien n'a été importé."};

} // namespace lexora::exchangetext
