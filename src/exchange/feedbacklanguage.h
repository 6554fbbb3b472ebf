// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace lexora {

// The language an import gives the feedback of a file's questions (reasons and notes): the
// teacher's choice, or decided for each text from the text itself.
enum class FeedbackLanguage { FromText, English, Hungarian };

// "auto", "en" and "hu", as the item tool's --feedback-lang takes them.
std::optional<FeedbackLanguage> feedbackLanguageNamed(const QString& name);

// Whether a feedback text is Hungarian. A file does not say its language, so the text tells:
// Hungarian quotation marks („…”), the letters ő and ű, other accented vowels and common
// Hungarian words outside quotations weigh for Hungarian, common English words for English.
// A text that says nothing either way (a bare word, a number) takes `otherwise`: what the
// question's category suggests.
bool looksHungarian(const QString& text, bool otherwise);

// The language of a text under a teacher's choice.
bool isHungarian(FeedbackLanguage choice, const QString& text, bool otherwise);

} // namespace lexora
