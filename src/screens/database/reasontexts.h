// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "text/translated.h"

namespace lexora::reasontext {

// The Options menu entry and the dialog where a teacher reads and writes an item's reason and
// the notes on its wrong answers.
inline constexpr Translated menuEntry{u8"&Explanations...", u8"&Magyarázatok...", u8"&Explicaciones...",
                                      u8"&Explications..."};
inline constexpr Translated title{u8"Explanations", u8"Magyarázatok", u8"Explicaciones", u8"Explications"};
inline constexpr Translated reasonRow{u8"Why the right answer is right:", u8"A helyes válasz indoklása:",
                                      u8"Explicación de la respuesta correcta:",
                                      u8"Explication de la bonne réponse\u00a0:"};
// %1 the number of the wrong answer (its access key), %2 its text.
inline constexpr Translated noteRow{u8"&%1. Why not “%2”?", u8"&%1. Miért nem „%2”?", u8"&%1. ¿Por qué no «%2»?",
                                    u8"&%1. Pourquoi pas «\u00a0%2\u00a0»\u00a0?"};
inline constexpr Translated englishLabel{u8"In &English:", u8"&Angolul:", u8"En &inglés:", u8"En &anglais\u00a0:"};
inline constexpr Translated hungarianLabel{u8"In &Hungarian:", u8"&Magyarul:", u8"En &húngaro:",
                                           u8"En &hongrois\u00a0:"};
inline constexpr Translated okButton{u8"OK", u8"OK", u8"Aceptar", u8"OK"};
inline constexpr Translated cancelButton{u8"Cancel", u8"Mégse", u8"Cancelar", u8"Annuler"};
inline constexpr Translated noItem{
    u8"There is no item on display to explain.", u8"Nincs megjelenített mondat, amelyet indokolni lehetne.",
    u8"No se muestra ninguna oración que explicar.", u8"Aucune fiche n'est affichée\u00a0: il n'y a rien à expliquer."};

} // namespace lexora::reasontext
