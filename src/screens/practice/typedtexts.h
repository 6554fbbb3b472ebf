// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "text/translated.h"

// The texts of Practice's typed answers ("Write the answer"). Access keys are chosen to clash
// with none of the screen's buttons, menus and Help in the same language.
namespace lexora::TypedTexts {

// The Settings entry that switches the mode.
inline const Translated kEntry{"&Write the answer", "&Válasz beírása", "&Escribir la respuesta", "É&crire la réponse"};
// The caption before the text box, and the box's name and help for screen readers.
inline const Translated kCaption{"Your &answer:", "Vá&lasz:", "Su respu&esta:", "Votre &réponse\u00a0:"};
inline const Translated kBoxName{"Your answer", "Válasz", "Su respuesta", "Votre réponse"};
inline const Translated kBoxHelp{"Write the missing words and press Enter; F5 reads the item again.",
                                 "Írja be a hiányzó szavakat, és nyomja meg az Entert; az F5 újra felolvassa a "
                                 "mondatot.",
                                 "Escriba las palabras que faltan y pulse Intro; F5 vuelve a leer la oración.",
                                 "Écrivez les mots manquants et appuyez sur Entrée\u00a0; F5 relit la fiche."};
inline const Translated kCheck{"Ch&eck", "Elle&nőrzés", "&Comprobar", "Vér&ifier"};
// What the learner is asked, said after the sentence.
inline const Translated kPrompt{"Write the missing words.", "Írja be a hiányzó szavakat.",
                                "Escriba las palabras que faltan.", "Écrivez les mots manquants."};
// The verdict on a written answer that is right but for one slip of spelling.
inline const Translated kNearly{"Nearly: check your spelling", "Majdnem: ellenőrizze a helyesírást",
                                "Casi: revise la ortografía", "Presque\u00a0: vérifiez l'orthographe"};
inline const Translated kRightAnswer{"Right answer: %1", "Helyes válasz: %1", "Respuesta correcta: %1",
                                     "Bonne réponse\u00a0: %1"};

} // namespace lexora::TypedTexts
