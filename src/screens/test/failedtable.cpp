// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/test/failedtable.h"

#include "data/itemview.h"

namespace lexora::FailedTable {

bool startsWithPlaceholder(ItemView& view) {
    return view.count() > 0;
}

bool emptyExceptPlaceholder(LiveView& view) {
    // Rows may have been stored through another view since this one was opened.
    view.refresh();
    if (!startsWithPlaceholder(view))
        return false;
    view.moveFirst();
    while (!view.eof()) {
        view.moveNext();
        if (!view.eof())
            view.deleteCurrent();
    }
    return true;
}

} // namespace lexora::FailedTable
