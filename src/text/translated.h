// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace lexora {

// A text the program adds beside the caption catalogue, in the four working languages.
// Tables of these live with the module that shows them; `in` picks the working language.
struct Translated {
    const char* en;
    const char* hu;
    const char* es;
    const char* fr;

    // The text for working-language offset `langcode` (16, 116, 216 or 316); English for any other value.
    QString in(int langcode) const;
};

} // namespace lexora
