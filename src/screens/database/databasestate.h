// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace lexora {

// The Database screen's own variables: they outlive the window, so a later visit finds them as the last one
// left them.
struct DatabaseState {
    QString titleword;  // the screen's name in the working language; title of its window and of its boxes
    QString searchcrit; // the criterion typed at the last Find first
    QString findtext;   // the text typed at the last Find text
    int newpending = 0; // 1 from New until the new item has been saved by a move, search, Delete or Topic entry
};

} // namespace lexora
