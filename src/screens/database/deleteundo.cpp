// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/database/deleteundo.h"

#include "data/itemview.h"
#include "data/schema.h"
#include "data/storeerror.h"
#include "screens/database/databasetexts.h"

#include <optional>

namespace lexora {

namespace {

// The value itself when no item holds it, else the next one above that is free, going round
// through the low values; nothing when every value is taken.
std::optional<int> freeValue(LiveView& byIndex, int wanted) {
    for (int step = 0; step <= kIntegerMax - kIntegerMin; ++step) {
        int candidate = wanted + step;
        if (candidate > kIntegerMax)
            candidate -= kIntegerMax; // round to 1 (item numbers start there)
        if (step > 0 && candidate == wanted)
            break;
        byIndex.seek(candidate);
        if (byIndex.noMatch())
            return candidate;
    }
    return std::nullopt;
}

} // namespace

DeleteUndo::Fields DeleteUndo::fieldsOf(const ItemView& view) {
    Fields fields;
    for (const FieldDef& field : view.table().fields)
        fields.push_back(view.field(field.name));
    return fields;
}

QStringList DeleteUndo::restoreLast(LiveView& view, int langcode) {
    if (m_deleted.empty())
        return {};
    Fields item = m_deleted.back().fields;
    const TableDef& table = view.table();
    view.requireWritable();

    // Both numbers are unique: one taken meanwhile gives way to the next free one.
    QStringList notices;
    auto byIndex = LiveView::open(view.database(), table.name);
    const struct {
        const char* field;
        const Translated& notice;
    } uniqueFields[] = {{"sorszam", databasetext::numberTaken}, {"sorrend2", databasetext::placeTaken}};
    for (const auto& unique : uniqueFields) {
        QVariant& value = item[size_t(table.fieldIndex(QString::fromLatin1(unique.field)))];
        if (value.isNull())
            continue; // an empty field clashes with nothing
        byIndex->setIndex(QString::fromLatin1(unique.field));
        const std::optional<int> free = freeValue(*byIndex, value.toInt());
        if (!free)
            throw StoreError(StoreError::Kind::DuplicateKey, StoreError::Reason::NoFreeValue,
                             {QString::fromLatin1(unique.field)});
        if (*free != value.toInt()) {
            notices << unique.notice.in(langcode).arg(value.toInt()).arg(*free);
            value = *free;
        }
    }

    view.addNew(m_deleted.back().place);
    try {
        for (size_t i = 0; i < table.fields.size(); ++i)
            view.setField(table.fields[i].name, item[i]);
        view.update();
    } catch (...) {
        view.cancelUpdate();
        throw;
    }
    m_deleted.pop_back();
    view.moveToAdded();
    return notices;
}

} // namespace lexora
