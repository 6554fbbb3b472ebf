// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exchange/categorypath.h"

#include <QString>

#include <optional>

namespace lexora {

struct ExchangeItem;
struct ReadResult;

// Steps every reader takes with the text of a question.
namespace QuestionText {

// The plain text of an HTML fragment: tags dropped, character references decoded, blanks simplified.
QString fromHtml(const QString& html);
// HTML for a plain text: the characters HTML gives a meaning to are escaped.
QString toHtml(const QString& text);
// The sentence with a blank written by a learning platform ("_____") turned into the program's gap.
QString withGap(const QString& sentence);
// Why a question with `options` answers of which `rights` are right cannot be an item; nothing when it can.
std::optional<QString> choiceProblem(int options, int rights);
// Adds the item read from line `line` under `category` to `result`, with a remark when its
// sentence has no gap.
void take(ReadResult& result, int line, ExchangeItem item, const CategoryPath::Meaning& category = {});

} // namespace QuestionText

} // namespace lexora
