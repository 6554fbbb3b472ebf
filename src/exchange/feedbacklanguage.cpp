// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/feedbacklanguage.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace lexora {

namespace {

// Words that are common in explanations of grammar in each language and rare in the other.
const QSet<QString>& hungarianWords() {
    static const QSet<QString> words{
        "az",      "egy",    "és",     "nem",   "hogy",   "mert",   "ezért", "kell",    "van",     "itt",
        "ez",      "azt",    "csak",   "mint",  "vagy",   "után",   "előtt", "amikor",  "ha",      "már",
        "még",     "pedig",  "szó",    "ige",   "alak",   "mondat", "múlt",  "jelen",   "jövő",    "idő",
        "helyes",  "hibás",  "jelent", "nincs", "magyar", "angol",  "miatt", "helyett", "szerint", "sem",
        "mellett", "inkább", "olyan",  "lenne", "volna",  "vagyis", "tehát", "benne",   "hanem",   "ami",
    };
    return words;
}

const QSet<QString>& englishWords() {
    static const QSet<QString> words{
        "the",   "was",    "are",  "we",    "use",  "because", "not",    "with",  "after", "before",
        "this",  "that",   "it",   "for",   "of",   "to",      "and",    "here",  "so",    "you",
        "an",    "only",   "verb", "tense", "past", "present", "future", "needs", "takes", "means",
        "which", "would",  "been", "has",   "have", "when",    "form",   "right", "wrong", "there",
        "than",  "cannot", "goes", "does",  "no",   "must",    "they",   "one",   "what",  "instead",
    };
    return words;
}

// The text without what it quotes: a Hungarian note quotes English answers, an English one may
// quote a Hungarian word, and neither says which language the text itself is in.
QString outsideQuotes(const QString& text) {
    static const QRegularExpression quoted(QStringLiteral("[„“\"«][^„“”\"«»]*[”\"»]"));
    QString rest = text;
    rest.replace(quoted, QStringLiteral(" "));
    return rest;
}

} // namespace

std::optional<FeedbackLanguage> feedbackLanguageNamed(const QString& name) {
    if (name == QLatin1String("auto"))
        return FeedbackLanguage::FromText;
    if (name == QLatin1String("en"))
        return FeedbackLanguage::English;
    if (name == QLatin1String("hu"))
        return FeedbackLanguage::Hungarian;
    return std::nullopt;
}

bool looksHungarian(const QString& text, bool otherwise) {
    int hungarian = 0;
    int english = 0;
    // Hungarian quotation marks open low; English ones open high. A Hungarian text that explains
    // an English answer often ends in English words ("…: would like to have"), so the marks weigh
    // more than a few words.
    if (text.contains(QChar(0x201E)))
        hungarian += 8;
    const QString rest = outsideQuotes(text).toLower();
    for (const QChar c : rest) {
        if (c == QChar(0x0151) || c == QChar(0x0171)) // ő, ű: Hungarian alone writes them
            hungarian += 2;
        else if (QStringLiteral("áéíóöúü").contains(c))
            hungarian += 1;
    }
    static const QRegularExpression nonLetters(QStringLiteral("[^\\p{L}']+"));
    for (const QString& word : rest.split(nonLetters, Qt::SkipEmptyParts)) {
        if (hungarianWords().contains(word))
            hungarian += 2;
        else if (englishWords().contains(word))
            english += 2;
    }
    if (hungarian == english)
        return otherwise;
    return hungarian > english;
}

bool isHungarian(FeedbackLanguage choice, const QString& text, bool otherwise) {
    switch (choice) {
    case FeedbackLanguage::English:
        return false;
    case FeedbackLanguage::Hungarian:
        return true;
    case FeedbackLanguage::FromText:
        break;
    }
    return looksHungarian(text, otherwise);
}

} // namespace lexora
