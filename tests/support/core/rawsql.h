// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace lexora::testing {

// Runs statements on a database file through a plain connection of the engine, as another
// program would: none of the program's own settings or checks apply. For planting objects
// and damage the program itself refuses to make. Fails the process when a statement fails.
void rawSql(const QString& path, const char* sql);
// The first column of every row a query gives, read the same way (no checks of the program's).
QStringList rawColumn(const QString& path, const char* sql);

} // namespace lexora::testing
