// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for question files: the GIFT, Aiken and Moodle XML readers and the import's
// storing step.
//
// The first byte of the input chooses the format (its value modulo 3: GIFT, Aiken, Moodle XML)
// and, by its next bit, whether the import adds the items or replaces those of the database;
// the rest is the file's bytes. They are decoded as the program decodes a file and read by
// the format's reader. An ExchangeError (a file that cannot be read as a whole) and a
// StoreError are expected outcomes; a crash, a sanitizer report, any other exception or a
// hang is a finding, and so is a broken invariant:
// - every item read has four non-empty answers, a right answer A to D and a level 1 to 3;
// - the items read, written again by the program in each format, read back the same (the
//   sentence, the four answers and the key; level and topic in the formats that carry them);
// - stored into a scratch copy of a real item database, the items are there afterwards under
//   the numbers the import reports, as they were read; a refused import changes nothing.

#include "fuzzsupport.h"

#include "data/itembank.h"
#include "data/quickcheck.h"
#include "exchange/aikenformat.h"
#include "exchange/giftformat.h"
#include "exchange/itemexchange.h"
#include "exchange/moodlexmlformat.h"
#include "exchange/exchangeitem.h"
#include "exchange/textfile.h"

#include <QFile>

#include <algorithm>
#include <cstdio>

using namespace lexora;
using namespace lexora::fuzz;

namespace {

QString templatePath;
QString databasePath;
const QString kInputName = QStringLiteral("questions");

// A text in quotes, with line breaks, tabs and every character outside printable ASCII as \uXXXX,
// so that two texts that differ show the difference.
QString shown(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f && c != QLatin1Char('\\'))
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out + QLatin1Char('"');
}

// An item as text, for the reports of a broken invariant.
QString describe(const ExchangeItem& item) {
    QStringList answers;
    for (const QString& answer : item.answers)
        answers << shown(answer);
    return QStringLiteral("[%1] %2 %3 key %4, level %5, topic %6 %7")
        .arg(item.number)
        .arg(shown(item.sentence), answers.join(QLatin1Char(' ')))
        .arg(item.right)
        .arg(item.level)
        .arg(shown(item.kulcs1), shown(item.kulcs2));
}

void checkWellFormed(const ExchangeItem& item) {
    for (const QString& answer : item.answers)
        FUZZ_CHECK(!answer.trimmed().isEmpty(), QStringLiteral("an empty answer: ") + describe(item));
    FUZZ_CHECK(item.right >= 0 && item.right <= 3, QStringLiteral("a key outside A to D: ") + describe(item));
    FUZZ_CHECK(item.level >= 1 && item.level <= 3, QStringLiteral("a level outside 1 to 3: ") + describe(item));
}

ReadResult readWhole(ExchangeFormat format, const QByteArray& bytes) {
    switch (format) {
    case ExchangeFormat::Gift:
        return GiftFormat::read(TextFile::decode(bytes, kInputName));
    case ExchangeFormat::Aiken:
        return AikenFormat::read(TextFile::decode(bytes, kInputName));
    case ExchangeFormat::MoodleXml:
        break;
    }
    return MoodleXmlFormat::read(bytes, kInputName);
}

// As the import reads a file: questions holding a character no question file can carry are
// left out (ItemExchange::readFile).
ReadResult readAs(ExchangeFormat format, const QByteArray& bytes) {
    ReadResult read = readWhole(format, bytes);
    std::vector<ImportedItem> kept;
    for (ImportedItem& item : read.items)
        if (!item.item.holdsUnwritableCharacter())
            kept.push_back(std::move(item));
    read.items = std::move(kept);
    return read;
}

QByteArray written(ExchangeFormat format, const std::vector<ExchangeItem>& items) {
    switch (format) {
    case ExchangeFormat::Gift:
        return GiftFormat::write(items, LangCode::English, QStringLiteral("fuzz")).toUtf8();
    case ExchangeFormat::Aiken:
        return AikenFormat::write(items).toUtf8();
    case ExchangeFormat::MoodleXml:
        break;
    }
    return MoodleXmlFormat::write(items, LangCode::Hungarian, QStringLiteral("fuzz"));
}

// A question file keeps a text's words, not its line breaks (an Aiken file holds each text on
// one line, a Moodle XML reader folds them), so texts are compared with their white space folded.
QString folded(const QString& text, bool fold) {
    return fold ? text.simplified() : text;
}

bool sameItem(const ExchangeItem& a, const ExchangeItem& b, bool withCategory, bool fold = false) {
    if (folded(a.sentence, fold) != folded(b.sentence, fold) || a.right != b.right)
        return false;
    for (size_t i = 0; i < a.answers.size(); ++i)
        if (folded(a.answers[i], fold) != folded(b.answers[i], fold))
            return false;
    return !withCategory || (a.level == b.level && a.kulcs1 == b.kulcs1 && a.kulcs2 == b.kulcs2);
}

// What the program writes, it reads back as it was.
void checkRoundTrip(const std::vector<ExchangeItem>& all) {
    for (ExchangeFormat format : {ExchangeFormat::Gift, ExchangeFormat::Aiken, ExchangeFormat::MoodleXml}) {
        // An export leaves out of an Aiken file the items that would break it, and says so.
        std::vector<ExchangeItem> items;
        for (const ExchangeItem& item : all)
            if (format != ExchangeFormat::Aiken || !AikenFormat::problem(item))
                items.push_back(item);
        const QByteArray file = written(format, items);
        ReadResult back;
        try {
            back = readAs(format, file);
        } catch (const ExchangeError& e) {
            failure("a written file reads back", __FILE__, __LINE__,
                    exchangeFormatName(format) + QStringLiteral(": ") + e.message());
        }
        const QString where = exchangeFormatName(format);
        FUZZ_CHECK(back.items.size() == items.size(),
                   QStringLiteral("%1: %2 items written, %3 read back; first written: %4")
                       .arg(where)
                       .arg(items.size())
                       .arg(back.items.size())
                       .arg(items.empty() ? QString() : describe(items.front())));
        const bool withCategory = format != ExchangeFormat::Aiken;
        for (size_t i = 0; i < items.size(); ++i)
            FUZZ_CHECK(sameItem(items[i], back.items[i].item, withCategory, true),
                       QStringLiteral("%1: written %2\n  read back %3")
                           .arg(where, describe(items[i]), describe(back.items[i].item)));
    }
}

// The import's storing step on a scratch copy of a real database.
void checkStore(const ReadResult& read, bool replace) {
    QFile::remove(databasePath);
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        QFile::remove(databasePath + QLatin1String(suffix));
    FUZZ_CHECK(QFile::copy(templatePath, databasePath), databasePath);
    QFile::setPermissions(databasePath, QFile::ReadOwner | QFile::WriteOwner);
    QuickCheck::forgetAll();
    const int before = int(ItemBank::readDatabase(databasePath).items.size());

    ImportSummary summary;
    if (!attempt([&] { summary = ItemExchange::store(read, databasePath, replace); })) {
        // A refused import changes nothing.
        FUZZ_CHECK(int(ItemBank::readDatabase(databasePath).items.size()) == before,
                   QStringLiteral("a refused import changed the database"));
        return;
    }
    FUZZ_CHECK(summary.imported <= int(read.items.size()), QStringLiteral("more items stored than read"));
    const ItemBank after = ItemBank::readDatabase(databasePath);
    const int expected = replace && summary.imported > 0 ? summary.imported : before + summary.imported;
    FUZZ_CHECK(int(after.items.size()) == expected, QStringLiteral("%1 items in the database, %2 expected")
                                                        .arg(after.items.size())
                                                        .arg(expected));
    if (summary.imported > 0)
        FUZZ_CHECK(summary.lastNumber - summary.firstNumber + 1 == summary.imported,
                   QStringLiteral("numbers %1 to %2 for %3 items")
                       .arg(summary.firstNumber)
                       .arg(summary.lastNumber)
                       .arg(summary.imported));

    // The stored items read back from the database as the items that were read.
    std::vector<ExchangeItem> stored;
    for (const QStringList& row : after.items) {
        const std::optional<ExchangeItem> item = ExchangeItem::fromRow(row);
        if (item && item->number >= summary.firstNumber && item->number <= summary.lastNumber)
            stored.push_back(*item);
    }
    std::sort(stored.begin(), stored.end(), [](const ExchangeItem& a, const ExchangeItem& b) { return a.number < b.number; });
    FUZZ_CHECK(int(stored.size()) == summary.imported,
               QStringLiteral("%1 items found in the imported numbers, %2 imported").arg(stored.size()).arg(summary.imported));
    if (summary.imported != int(read.items.size()))
        return;
    for (size_t i = 0; i < stored.size(); ++i)
        FUZZ_CHECK(sameItem(read.items[i].item, stored[i], true),
                   QStringLiteral("read %1\n  stored %2").arg(describe(read.items[i].item), describe(stored[i])));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A real item database, made once from the test fixture's bank; each input works on a copy.
    templatePath = scratchFolder() + QStringLiteral("/template.mdb");
    databasePath = scratchFolder() + QStringLiteral("/en_data1.mdb");
    std::vector<BankProblem> problems;
    const ItemBank bank = ItemBank::readText(QStringLiteral(LEXORA_FUZZ_TEMPLATE_BANK), problems);
    FUZZ_CHECK(problems.empty() && !bank.items.empty(), QStringLiteral("the fixture bank does not read"));
    bank.createDatabase(templatePath);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const ExchangeFormat format = ExchangeFormat(data[0] % 3);
    const bool replace = (data[0] & 0x80) != 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    ReadResult read;
    try {
        read = readAs(format, bytes);
    } catch (const ExchangeError&) {
        return 0;
    }
    std::vector<ExchangeItem> items;
    for (const ImportedItem& imported : read.items) {
        checkWellFormed(imported.item);
        items.push_back(imported.item);
    }
    if (items.empty())
        return 0;
    checkRoundTrip(items);
    checkStore(read, replace);
    return 0;
}
