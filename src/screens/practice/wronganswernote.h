// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/itemfingerprint.h"

#include <QString>

namespace lexora {

struct AppContext;

// The note on one wrong answer of an item (why that answer is wrong), found by the item's content
// and the wrong answer's text, in the working language `langcode`; empty where the item has none.
// Practice shows it after the reason when the learner writes that wrong answer.
QString wrongAnswerNote(AppContext& context, const ItemContent& item, const QString& wrongAnswer, int langcode);

} // namespace lexora
