// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/optionaltable.h"

#include "data/sqlitedb.h"
#include "data/storeerror.h"

namespace lexora {

bool hasTable(SqliteDb& db, const char* name) {
    Statement query = db.prepare("SELECT 1 FROM sqlite_master WHERE type = 'table' AND lower(name) = lower(?)");
    query.bind(1, QString::fromLatin1(name));
    return query.step();
}

bool meansNoExplanations(const StoreError& error) {
    return error.kind() == StoreError::Kind::NotADatabase || error.kind() == StoreError::Kind::Io;
}

QString shownText(const QVariant& value, int maxLength) {
    return value.toString().left(maxLength);
}

} // namespace lexora
