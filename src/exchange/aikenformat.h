// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exchange/exchangeitem.h"

#include <QString>

#include <optional>
#include <vector>

namespace lexora {

// The Aiken question format: the question on one line, the answers on lines "A." to "D.", then
// "ANSWER: X". It has no place for a category, so items read from it get the topic and level the
// teacher chooses (TopicChoice).
class AikenFormat {
public:
    static QString write(const std::vector<ExchangeItem>& items);
    // Why `item` cannot be written without breaking the file, or nothing. Every part of a question
    // stands on a line of its own, and the format's readers tell the kind of a line by how it
    // begins: a sentence that begins as an answer line ("A." or "A)") or the ANSWER line does
    // would be read as one. An answer stands after its own letter, so only an empty one harms.
    static std::optional<QString> problem(const ExchangeItem& item);
    static ReadResult read(const QString& text);
};

} // namespace lexora
