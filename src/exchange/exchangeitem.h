// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include "data/itemfingerprint.h"
#include "exchange/categorypath.h"
#include "text/captions.h"
#include "text/messages.h"
#include "text/translated.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <vector>

namespace lexora {

// The formats items can be exchanged in with a learning platform.
enum class ExchangeFormat { Gift, Aiken, MoodleXml };

// "gift", "aiken" and "moodle-xml", as the item tool's --format takes them.
std::optional<ExchangeFormat> exchangeFormatNamed(const QString& name);
QString exchangeFormatName(ExchangeFormat format);
// The usual file name ending of a format, without the dot.
QString exchangeFormatSuffix(ExchangeFormat format);

// A number as the working language with offset `langcode` writes it ("32,767", "32 767", "32.767").
QString localNumber(qint64 number, int langcode);
// With `decimals` digits after the decimal sign ("1.5", "1,5").
QString localNumber(double number, int decimals, int langcode);

// A file that cannot be read or written as a whole; nothing has been changed when it is thrown.
// It carries its text in the four working languages (exchangetexts.h) and the details to fill in:
// texts as they are, numbers (int, qint64, or a double of one decimal) as each language writes them.
class ExchangeError : public std::runtime_error {
public:
    ExchangeError(const Translated& text, QVariantList details);
    // The text in English, for the item tool.
    QString message() const { return in(LangCode::English); }
    // The text in the working language with offset `langcode`.
    QString in(int langcode) const;

private:
    Translated m_text;
    QVariantList m_details;
};

// One gapped sentence with four answers, as it travels between an item database and a question file.
struct ExchangeItem {
    int number = 0;                  // sorszam; only written out, as the question's name
    QString sentence;                // with the gap written as kGap (or no gap at all)
    std::array<QString, 4> answers;  // A to D
    int right = 0;                   // 0 to 3 for A to D
    int level = 1;                   // 1 to 3
    QString kulcs1, kulcs2;          // topic keys; empty when the item has no topic
    // Why the right answer is right, in the language of the file (see ImportedItem); empty when
    // the item has none. It travels as the question's general feedback.
    QString reason;
    // Why each answer is wrong, in the same language: the answer's own feedback in the file. Only
    // the wrong answers' feedback is kept; empty where an answer has none.
    std::array<QString, 4> feedback;

    // The item of a row in the column order of the item table; nothing when its right letter is not A to D.
    static std::optional<ExchangeItem> fromRow(const QStringList& row);
    // A row of the item table; sorszam, sorrend and sorrend2 as given.
    QStringList toRow(int sorszam, int sorrend2) const;
    // The sentence with the right answer standing in the gap (felelet1).
    QString filledIn() const;
    // The question's name in a file: the bank (the database file's name without its ending) and the
    // item's number, "en_data1 15", so that questions of two banks in one category never share a name.
    QString questionName(const QString& bank) const;
    // Sentence, answers and key, as they are stored: what the item's reason belongs to.
    ItemContent content() const;
    bool hasGap() const;
    // Whether a text of the item holds a character no question file can carry as it is: a
    // control character other than tab and line breaks, a carriage return not followed by a
    // line feed, a non-character or half a surrogate pair. A Moodle XML file cannot hold them at all, so such an item
    // would not come back the same from a round trip: it is left out on the way in and on the way out.
    bool holdsUnwritableCharacter() const;
};

// A question read from a file, with the line it starts on and what its category says.
struct ImportedItem {
    int line = 0;
    ExchangeItem item;
    CategoryPath::Meaning category;
};

// Something a reader says about one question: why it was skipped, or what it kept as it was.
struct ExchangeNote {
    int line = 0;
    QString text;                          // in English
    std::optional<Messages::Id> message{}; // the same from the message catalogue, where it has it

    // A note the message catalogue words.
    static ExchangeNote of(int line, Messages::Id message);
    // The text in the working language `langcode` where the catalogue has it, else as it came.
    QString in(int langcode) const;
};

// What a reader made of a whole file.
struct ReadResult {
    std::vector<ImportedItem> items;
    std::vector<ExchangeNote> skipped; // questions left out, each with the reason
    std::vector<ExchangeNote> notes;   // questions taken with a remark (no gap in the sentence)
};

} // namespace lexora
