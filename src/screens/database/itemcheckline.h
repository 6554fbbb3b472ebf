// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace lexora::ItemCheckLine {

// What the item bank tool would refuse in `item` (the fields of the item table as texts, in its
// column order), as sentences in the working language `langcode`; empty when all is well. Only
// the fields the Database screen shows or sets are judged: the sequence numbers are the
// program's own business.
QString describe(const QStringList& item, int langcode);

} // namespace lexora::ItemCheckLine
