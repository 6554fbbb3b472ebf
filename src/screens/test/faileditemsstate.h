// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace lexora {

// The Failed-items screen's own variables, kept while the window comes and goes.
struct FailedItemsState {
    qint32 reccount = 0; // rows of the failed-items table, the placeholder included, read at Start
    QString msgtitle;    // title of the screen's message boxes
};

} // namespace lexora
