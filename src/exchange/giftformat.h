// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exchange/exchangeitem.h"

#include <QString>

#include <vector>

namespace lexora {

// The GIFT question format. Items are written as missing-word questions, the answer set standing in
// the gap, under a category that carries topic and level. Reading takes single-answer multiple-choice
// questions with four answers, in missing-word form or with the answers after the text.
class GiftFormat {
public:
    // Each question is named by `bank` and the item's number (see ExchangeItem::questionName).
    static QString write(const std::vector<ExchangeItem>& items, int langcode, const QString& bank);
    static ReadResult read(const QString& text);

    // The text with GIFT's special characters ~ = # { } : and the backslash escaped.
    static QString escaped(const QString& text);
};

} // namespace lexora
