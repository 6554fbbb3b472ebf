// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "text/translated.h"

namespace lexora::grammartexts {

// The Grammar window's title word, as the other windows' titles carry theirs.
inline constexpr Translated titleWord{u8"Grammar", u8"Nyelvtan", u8"Gramática", u8"Grammaire"};
inline constexpr Translated topicsLabel{u8"&Topics:", u8"&Témák:", u8"&Temas:", u8"&Sujets\u00a0:"};
inline constexpr Translated noteName{u8"Grammar note", u8"Nyelvtani összefoglaló", u8"Nota de gramática",
                                     u8"Note de grammaire"};
inline constexpr Translated noNote{u8"There is no grammar note for this topic yet.",
                                   u8"Ehhez a témához még nincs nyelvtani összefoglaló.",
                                   u8"Este tema aún no tiene nota de gramática.",
                                   u8"Ce sujet n'a pas encore de note de grammaire."};
// The hub's Help menu entry that opens the window.
inline constexpr Translated hubEntry{u8"&Grammar notes...", u8"Nyelv&tani összefoglalók...", u8"&Notas de gramática...",
                                     u8"&Notes de grammaire..."};
// The entry of Practice and the review that opens the note of the item's topic (key F1).
inline constexpr Translated itemEntry{u8"&Grammar note for this topic", u8"A téma &nyelvtani összefoglalója",
                                      u8"Nota de &gramática de este tema", u8"Note de &grammaire de ce sujet"};
}  // namespace lexora::grammartexts
