// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "text/translated.h"

// What the Database screen says about the item on display, and the Options entries that help
// the teacher write and find items.
namespace lexora::itemchecktext {

// The check line: one sentence for each rule the item breaks.
inline constexpr Translated badLevel{"The level must be 1, 2 or 3.", u8"A szint 1, 2 vagy 3 legyen.",
                                     u8"El nivel debe ser 1, 2 o 3.", u8"Le niveau doit être 1, 2 ou 3."};
inline constexpr Translated noTopic{"The item has no topic: choose one in the Topics menu.",
                                    u8"A mondatnak nincs témája: válasszon egyet a Téma menüben.",
                                    u8"La oración no tiene tema: elija uno en el menú Tema.",
                                    u8"La fiche n'a pas de sujet\u00a0: choisissez-en un dans le menu Sujet."};
inline constexpr Translated badKey{"The right letter must be A, B, C or D.",
                                   u8"A helyes válasz betűje A, B, C vagy D legyen.",
                                   u8"La letra de la respuesta correcta debe ser A, B, C o D.",
                                   u8"La lettre de la bonne réponse doit être A, B, C ou D."};
inline constexpr Translated emptyAnswer{"Answer %1 is empty.", u8"Üres válasz: %1.", u8"La respuesta %1 está vacía.",
                                        u8"La réponse %1 est vide."};
inline constexpr Translated equalAnswers{"Two answers are the same.", u8"Két válasz egyforma.",
                                         u8"Dos respuestas son iguales.", u8"Deux réponses sont identiques."};
inline constexpr Translated noGap{"The sentence has no gap (......).", u8"A mondatban nincs üres hely (......).",
                                  u8"La oración no tiene hueco (......).", u8"La phrase n'a pas de blanc (......)."};
inline constexpr Translated severalGaps{"The sentence has more than one gap.", u8"A mondatban több üres hely van.",
                                        u8"La oración tiene más de un hueco.", u8"La phrase a plus d'un blanc."};
inline constexpr Translated solutionDiffers{"The solution is not the sentence with answer %1 filled in.",
                                            u8"A megoldás nem egyezik a kitöltött mondattal (%1 válasz).",
                                            u8"La solución no es la oración completada con la respuesta %1.",
                                            u8"La solution n'est pas la phrase complétée par la réponse %1."};

// Options ▸ Fill in the solution.
inline constexpr Translated fillEntry{"Fill in the &solution", u8"Megoldás ki&töltése", u8"&Completar la solución",
                                      u8"&Compléter la solution"};
inline constexpr Translated cannotFill{
    "The solution can be filled in only when the sentence has one gap (......) and the right letter is A, B, C or D.",
    u8"A megoldás csak akkor tölthető ki, ha a mondatban egy üres hely (......) van, és a helyes válasz betűje A, B, "
    u8"C vagy D.",
    u8"La solución solo puede completarse si la oración tiene un hueco (......) y la letra de la respuesta correcta "
    u8"es A, B, C o D.",
    u8"La solution ne peut être complétée que si la phrase a un seul blanc (......) et si la lettre de la bonne "
    u8"réponse est A, B, C ou D."};

// Options ▸ Find text...
inline constexpr Translated findTextEntry{"Find &text...", u8"&Szöveg keresése...", u8"&Buscar texto...",
                                          u8"&Rechercher un texte..."};
inline constexpr Translated findTextPrompt{
    "Text to find in the sentence or the answers:", u8"A mondatban vagy a válaszokban keresett szöveg:",
    u8"Texto que buscar en la oración o en las respuestas:",
    u8"Texte à chercher dans la phrase ou les réponses\u00a0:"};
inline constexpr Translated textNotFound{"No item has “%1” in its sentence or its answers.",
                                         u8"Egyik mondat szövegében és válaszaiban sincs benne: „%1”.",
                                         u8"Ninguna oración contiene «%1» en su texto ni en sus respuestas.",
                                         u8"Aucune fiche ne contient «\u00a0%1\u00a0» dans sa phrase ou ses réponses."};

// Find first with a criterion the search cannot read.
inline constexpr Translated unreadableCriterion{
    "The search cannot read “%1”.\nWrite a field, a comparison and a value, with a text between double quotes "
    "and * for any letters, for example:\n%2",
    u8"A keresés nem tudja értelmezni: „%1”.\nÍrjon mezőnevet, összehasonlítást és értéket; a szöveget tegye "
    u8"idézőjelek közé, a * tetszőleges betűket jelent. Például:\n%2",
    u8"La búsqueda no puede interpretar «%1».\nEscriba un campo, una comparación y un valor, con el texto entre "
    u8"comillas dobles y * para cualquier letra, por ejemplo:\n%2",
    u8"La recherche ne peut pas lire «\u00a0%1\u00a0».\nÉcrivez un champ, une comparaison et une valeur, le texte "
    u8"entre guillemets droits et * pour n'importe quelles lettres, par exemple\u00a0:\n%2"};

} // namespace lexora::itemchecktext
