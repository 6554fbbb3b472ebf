// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "text/translated.h"

// Why a question file cannot be read or written, or its items stored, in the four working
// languages. %1, %2 ... are filled in from the failure's details, numbers as the language writes
// them. An item is the word the caption catalogue uses for it: "mondat", "oración", "fiche".
// French puts a no-break space (U+00A0) before : ; ? ! and inside « ».
namespace lexora::exchangetext {

inline constexpr Translated cannotRead{"%1 cannot be read: %2.", u8"A(z) %1 fájl nem olvasható: %2.",
                                       u8"No se puede leer %1: %2.", u8"%1 ne peut pas être lu\u00a0: %2."};
inline constexpr Translated tooLarge{
    "%1 is %2 MB; question files of up to %3 MB can be read.",
    u8"A(z) %1 fájl mérete %2 MB; legfeljebb %3 MB-os kérdésfájl olvasható be.",
    u8"%1 ocupa %2 MB; se pueden leer archivos de preguntas de hasta %3 MB.",
    u8"%1 fait %2\u00a0Mo\u00a0; les fichiers de questions peuvent faire au plus %3\u00a0Mo."};
inline constexpr Translated badUtf16{"%1 is not well-formed UTF-16 text.", u8"A(z) %1 fájl nem szabályos UTF-16 szöveg.",
                                     u8"%1 no es un texto UTF-16 bien formado.",
                                     u8"%1 n'est pas un texte UTF-16 bien formé."};
inline constexpr Translated notUtf8{
    "%1 is not UTF-8 text (line %2 holds a byte that is not); save it as UTF-8 and try again.",
    u8"A(z) %1 fájl nem UTF-8 szöveg (a(z) %2. sorban nem UTF-8 bájt áll); mentse UTF-8 kódolással, és próbálja újra.",
    u8"%1 no es un texto UTF-8 (la línea %2 contiene un byte que no lo es); guárdelo como UTF-8 e inténtelo de nuevo.",
    u8"%1 n'est pas un texte UTF-8 (la ligne %2 contient un octet qui ne l'est pas)\u00a0; enregistrez-le en UTF-8 et "
    u8"réessayez."};
inline constexpr Translated cannotWrite{"%1 cannot be written: %2.", u8"A(z) %1 fájl nem írható: %2.",
                                        u8"No se puede escribir %1: %2.", u8"%1 ne peut pas être écrit\u00a0: %2."};
inline constexpr Translated notQuiz{
    "%1 is not a question file: its outermost element is <%2>, not <quiz>.",
    u8"A(z) %1 fájl nem kérdésfájl: a legkülső eleme <%2>, nem <quiz>.",
    u8"%1 no es un archivo de preguntas: su elemento exterior es <%2>, no <quiz>.",
    u8"%1 n'est pas un fichier de questions\u00a0: son élément extérieur est <%2>, et non <quiz>."};
inline constexpr Translated badXml{
    "%1 cannot be read as XML: %2 (line %3, column %4).",
    u8"A(z) %1 fájl nem olvasható XML-ként: %2 (%3. sor, %4. oszlop).",
    u8"No se puede leer %1 como XML: %2 (línea %3, columna %4).",
    u8"%1 ne peut pas être lu comme du XML\u00a0: %2 (ligne %3, colonne %4)."};
inline constexpr Translated noQuiz{"%1 holds no <quiz> element.", u8"A(z) %1 fájlban nincs <quiz> elem.",
                                   u8"%1 no contiene ningún elemento <quiz>.", u8"%1 ne contient aucun élément <quiz>."};
inline constexpr Translated tooFewPlaces{
    "The database has only %1 free order numbers (sorrend2) for %2 items; nothing was imported.",
    u8"Az adatbázisban csak %1 szabad sorrendi szám (sorrend2) van %2 mondathoz; semmi sem került be.",
    u8"La base de datos solo tiene %1 números de orden (sorrend2) libres para %2 oraciones; no se importó nada.",
    u8"La base de données n'a que %1 numéros d'ordre (sorrend2) libres pour %2 fiches\u00a0; rien n'a été importé."};
inline constexpr Translated nothingToReplaceWith{
    "The file holds no question that can be an item, so the items of %1 were not replaced.",
    u8"A fájlban nincs mondattá alakítható kérdés, ezért a(z) %1 mondatait a program nem cserélte le.",
    u8"El archivo no contiene ninguna pregunta que pueda ser una oración, así que las oraciones de %1 no se "
    u8"sustituyeron.",
    u8"Le fichier ne contient aucune question qui puisse devenir une fiche\u00a0; les fiches de %1 n'ont donc pas été "
    u8"remplacées."};
inline constexpr Translated noRoomForNumbers{
    "The file holds %1 items, but item numbers end at %2 and the highest in the database is %3, which leaves room for "
    "%4. Nothing was imported.",
    u8"A fájlban %1 mondat van, de a sorszámok %2-ig tartanak, és az adatbázis legnagyobb sorszáma %3, így csak %4 "
    u8"mondatnak van hely. Semmi sem került be.",
    u8"El archivo contiene %1 oraciones, pero los números terminan en %2 y el mayor de la base de datos es %3, lo que "
    u8"deja sitio para %4. No se importó nada.",
    u8"Le fichier contient %1 fiches, mais les numéros s'arrêtent à %2 et le plus haut de la base de données est %3, "
    u8"ce qui laisse de la place pour %4. Rien n'a été importé."};

} // namespace lexora::exchangetext
