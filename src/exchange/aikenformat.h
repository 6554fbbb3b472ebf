#pragma once

#include "exchange/exchangeitem.h"

#include <QString>

#include <vector>

namespace lexora {

// The Aiken question format: the question on one line, the answers on lines "A." to "D.", then
// "ANSWER: X". It has no place for a category, so items read from it get level 1 and no topic.
class AikenFormat {
public:
    static QString write(const std::vector<ExchangeItem>& items);
    static ReadResult read(const QString& text);
};

} // namespace lexora
