// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/itemfingerprint.h"

class QWidget;

namespace lexora {

struct AppContext;
class LiveView;

// "Explanations..." of the Database screen: the reason of the item on display and the notes on
// its wrong answers (the file's own, or those the bank shipped with) in one dialog, each in an
// English and a Hungarian box; what the teacher changes is kept in the item file as the
// teacher's, for the item's content. Store failures are thrown as StoreError for the screen's
// handler to tell.
class ReasonEditor {
public:
    ReasonEditor(AppContext& context, QWidget* window) : m_context(context), m_window(window) {}

    // `items` stands on the item whose reason is edited (saved, with no edit pending).
    void edit(LiveView& items, const QString& title);

    // Around a write of the item on display: what it said before, and after it, so a teacher's
    // reason and notes go on with the content the teacher edited.
    static ItemContent before(const LiveView& items);
    static void after(const LiveView& items, const ItemContent& before);

private:
    AppContext& m_context;
    QWidget* m_window;
};

} // namespace lexora
