// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace lexora {

struct PracticeControls;

// The texts of the Practice screen in a working language.
class PracticeCaptions {
public:
    // Gives every translated control its caption for `langcode`, with the fixed
    // Hungarian texts where the catalogue's own do not serve.
    static void apply(const PracticeControls& controls, int langcode);
    // The screen's name: title of its window and of its message boxes.
    static QString titleWord(int langcode);
    // "Lexora English  ----  " followed by the title word.
    static QString windowTitle(int langcode);
};

} // namespace lexora
