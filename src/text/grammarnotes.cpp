// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/grammarnotes.h"

#include "data/topics.h"
#include "text/captions.h"

#include <QFile>
#include <QRegularExpression>

namespace lexora {

namespace {

const char* languageFolder(int langcode) {
    switch (langcode) {
    case LangCode::Hungarian:
        return "hu";
    case LangCode::Spanish:
        return "es";
    case LangCode::French:
        return "fr";
    default:
        return "en";
    }
}

constexpr int allLanguages[] = {LangCode::English, LangCode::Hungarian, LangCode::Spanish, LangCode::French};

} // namespace

QString GrammarNotes::note(int topic, int langcode) {
    if (topic < 0 || topic >= TopicCatalogue::count)
        return {};
    QFile file(QStringLiteral(":/notes/%1/topic-%2.md")
                   .arg(QLatin1String(languageFolder(langcode)))
                   .arg(topic, 2, 10, QLatin1Char('0')));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

int GrammarNotes::wordCount(const QString& markdown) {
    // A word is a run of characters between spaces that holds a letter or a digit, so a French
    // colon standing alone behind its no-break space is no word.
    static const QRegularExpression word(QStringLiteral(u"[^\\s#*✗✓→]*[\\p{L}\\p{N}][^\\s#*✗✓→]*"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    int words = 0;
    for (auto it = word.globalMatch(markdown); it.hasNext(); it.next())
        ++words;
    return words;
}

int GrammarNotes::exampleCount(const QString& markdown) {
    int headings = 0;
    int examples = 0;
    for (const QString& line : markdown.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("## ")))
            ++headings;
        else if (headings == 1 && line.startsWith(QLatin1String("- ")))
            ++examples;
    }
    return examples;
}

QStringList GrammarNotes::problems() {
    QStringList found;
    for (int topic = 0; topic < TopicCatalogue::count; ++topic) {
        for (int langcode : allLanguages) {
            const QString where = QStringLiteral("topic %1 (%2)")
                                      .arg(topic, 2, 10, QLatin1Char('0'))
                                      .arg(QLatin1String(languageFolder(langcode)));
            const QString text = note(topic, langcode);
            if (text.isEmpty()) {
                found << where + QStringLiteral(": no grammar note");
                continue;
            }
            const int words = wordCount(text);
            if (words < minWords || words > maxWords)
                found << where + QStringLiteral(": %1 words, not %2 to %3").arg(words).arg(minWords).arg(maxWords);
            if (exampleCount(text) < minExamples)
                found << where + QStringLiteral(": fewer than %1 examples").arg(minExamples);
        }
    }
    return found;
}

} // namespace lexora
