// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exchange/exchangeitem.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace lexora {

// The XML question format of the learning platform: a <quiz> of <question> elements. Items are
// written as single-answer multichoice questions (fractions 100 and 0) under category questions that
// carry topic and level; reading takes those and skips every other kind of question.
class MoodleXmlFormat {
public:
    // Each question is named by `bank` and the item's number (see ExchangeItem::questionName).
    static QByteArray write(const std::vector<ExchangeItem>& items, int langcode, const QString& bank);
    // ExchangeError when the bytes are not well-formed XML of that shape; `path` names the file in it.
    static ReadResult read(const QByteArray& bytes, const QString& path);
};

} // namespace lexora
