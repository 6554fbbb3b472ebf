// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QVariant>

#include <vector>

namespace lexora {

class ItemView;
class LiveView;

// The items deleted on the Database screen since the window opened, kept whole so that they can be put
// back, the most recent first.
class DeleteUndo {
public:
    using Fields = std::vector<QVariant>; // every field of the item table, in its order

    // Every field of the view's current item, read before it is deleted.
    static Fields fieldsOf(const ItemView& view);
    // `place` is the item's place in the table's stored order (LiveView::storedPlace), which the
    // Database screen browses in: the item comes back there, between its neighbours.
    void remember(Fields item, qint64 place) { m_deleted.push_back({std::move(item), place}); }
    bool empty() const { return m_deleted.empty(); }
    int size() const { return int(m_deleted.size()); }

    // Writes the most recently deleted item back through `view` (open on the item table in its
    // stored order) at the place it had, and makes it the view's current item. An item number or sequence place that
    // another item has taken since gives way to the next free value; each such change is returned as a notice in the
    // working language `langcode`. On failure (StoreError) the item stays to be restored later.
    QStringList restoreLast(LiveView& view, int langcode);

private:
    struct Deleted {
        Fields fields;
        qint64 place;
    };
    std::vector<Deleted> m_deleted;
};

} // namespace lexora
