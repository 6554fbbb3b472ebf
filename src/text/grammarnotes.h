// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace lexora {

// The grammar note of each topic of the Topic menu, in the four working languages: the rule,
// examples of our own, and the mistakes Hungarian speakers typically make. The notes are
// Markdown files compiled into the program (notes/<language>/topic-NN.md).
class GrammarNotes {
public:
    static constexpr int minWords = 120;
    static constexpr int maxWords = 350;
    static constexpr int minExamples = 3;

    // The note of topic `topic` (0 to 22) for working-language offset `langcode`, as Markdown;
    // empty when there is none.
    static QString note(int topic, int langcode);
    // Words a reader reads: the Markdown marks and the arrows of the mistake lines do not count.
    static int wordCount(const QString& markdown);
    // Lines of the examples section (list items under the second heading).
    static int exampleCount(const QString& markdown);
    // Every note missing or outside the limits, as "topic NN (language): problem".
    static QStringList problems();
};

} // namespace lexora
