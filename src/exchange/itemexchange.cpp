// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exchange/itemexchange.h"

#include "exchange/exchangetexts.h"
#include "data/itembank.h"
#include "data/itemfingerprint.h"
#include "data/itemview.h"
#include "data/reasons.h"
#include "data/schema.h"
#include "data/sqlitedb.h"
#include "exchange/aikenformat.h"
#include "exchange/giftformat.h"
#include "exchange/moodlexmlformat.h"
#include "exchange/textfile.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <map>
#include <unordered_set>

namespace lexora {

namespace {

// Values a new item's sorrend2 is usually drawn from; beyond them up to the 16-bit end when they run out.
constexpr int kUsualSorrend2 = 3000;

int highestNumber(SqliteDb& db) {
    Statement query = db.prepare("SELECT MAX(sorszam) FROM test1");
    query.step();
    return int(query.columnInt(0));
}

// `count` sorrend2 values no item has, in random order, so that imported items mix with the others.
std::vector<int> freeSorrend2(SqliteDb& db, int count) {
    std::unordered_set<int> used;
    Statement query = db.prepare("SELECT sorrend2 FROM test1 WHERE sorrend2 IS NOT NULL");
    while (query.step())
        used.insert(int(query.columnInt(0)));
    std::vector<int> free;
    for (int limit : {kUsualSorrend2, kIntegerMax}) {
        free.clear();
        for (int v = 1; v <= limit; ++v) {
            if (!used.count(v))
                free.push_back(v);
        }
        if (int(free.size()) >= count)
            break;
    }
    if (int(free.size()) < count)
        throw ExchangeError(exchangetext::tooFewPlaces, {qint64(free.size()), count});
    std::shuffle(free.begin(), free.end(), *QRandomGenerator::global());
    free.resize(size_t(count));
    return free;
}

// Puts `text` into the English or Hungarian side of `target` and counts it; with `fillOnly` a text
// the database already holds in that language stays.
template <typename Texts>
bool take(Texts& target, const QString& text, bool hungarian, bool fillOnly, FeedbackCount& count) {
    QString& side = hungarian ? target.hungarian : target.english;
    if (text.isEmpty() || (fillOnly && !side.trimmed().isEmpty()))
        return false;
    side = text;
    target.byTeacher = true;
    ++(hungarian ? count.hungarian : count.english);
    return true;
}

// The reasons and notes read with the items, as a teacher's. A question file says nothing of its
// language: the teacher's choice gives it, or else each text itself (isHungarian), with the
// category's language for a text that tells nothing. A text the database already has in the other
// language stays beside it. For the questions whose item the database already holds (`fillOnly`)
// only what it lacks is taken, so a file in the other language adds its feedback and nothing else.
void writeFeedback(const std::shared_ptr<SqliteDb>& db, const Transaction& held, const std::vector<ImportedItem>& items,
                   FeedbackLanguage language, bool fillOnly, ImportSummary& summary) {
    const ReasonTable reasons(db);
    const AnswerNoteTable noteTable = reasons.answerNotes();
    std::vector<std::pair<QString, Reason>> reasonRows;
    std::vector<AnswerNoteRow> noteRows;
    for (const ImportedItem& read : items) {
        const ExchangeItem& item = read.item;
        const QString fingerprint = itemFingerprint(item.content());
        const bool otherwise = read.category.hungarian;
        if (!item.reason.isEmpty()) {
            Reason reason = reasons.find(fingerprint).value_or(Reason{});
            if (take(reason, item.reason, isHungarian(language, item.reason, otherwise), fillOnly, summary.reasons))
                reasonRows.emplace_back(fingerprint, reason);
        }
        const AnswerNotes stored = noteTable.find(fingerprint);
        for (size_t i = 0; i < item.answers.size(); ++i) {
            const QString& text = item.feedback[i];
            if (int(i) == item.right || text.isEmpty())
                continue;
            const QString answer = item.answers[i].trimmed();
            AnswerNote note = stored.count(answer) ? stored.at(answer) : AnswerNote{};
            if (take(note, text, isHungarian(language, text, otherwise), fillOnly, summary.answerNotes))
                noteRows.push_back({fingerprint, answer, note});
        }
    }
    if (!reasonRows.empty())
        reasons.writeAll(held, reasonRows);
    if (!noteRows.empty())
        noteTable.writeAll(held, noteRows);
}

// The items with a topic: their category's, or the teacher's choice for those whose category names
// none (and its level where the category names no level either). The others are noted in `skipped`,
// which stays in the order of the lines.
std::vector<ImportedItem> placed(const std::vector<ImportedItem>& read, const TopicChoice& choice,
                                 std::vector<ExchangeNote>& skipped) {
    std::vector<ImportedItem> kept;
    for (const ImportedItem& item : read) {
        if (item.category.topic) {
            kept.push_back(item);
        } else if (choice.topic) {
            ImportedItem chosen = item;
            chosen.category.topic = choice.topic;
            if (!chosen.category.level)
                chosen.category.level = choice.level;
            CategoryPath::apply(chosen.category, chosen.item);
            kept.push_back(std::move(chosen));
        } else {
            skipped.push_back(ExchangeNote::of(item.line, Messages::Id::NoTopicForQuestion));
        }
    }
    std::stable_sort(skipped.begin(), skipped.end(),
                     [](const ExchangeNote& a, const ExchangeNote& b) { return a.line < b.line; });
    return kept;
}

// The items whose content (sentence, answers and key) neither the database nor an earlier question
// of the file has: importing a file again adds nothing. The others are noted in `duplicates`.
std::vector<ImportedItem> withoutDuplicates(SqliteDb& db, const std::vector<ImportedItem>& read,
                                            std::vector<ExchangeNote>& duplicates, std::vector<ImportedItem>& held) {
    std::map<QString, QString> seen; // fingerprint -> where that content is
    Statement query = db.prepare("SELECT sorszam, mondat, a, b, c, d, felelet2 FROM test1");
    while (query.step()) {
        const ItemContent content{query.column(1).toString(), query.column(2).toString(),
                                  query.column(3).toString(), query.column(4).toString(),
                                  query.column(5).toString(), query.column(6).toString()};
        seen.emplace(itemFingerprint(content), QStringLiteral("item %1 of the database").arg(query.column(0).toString()));
    }
    std::vector<ImportedItem> kept;
    for (const ImportedItem& item : read) {
        const auto [at, fresh] = seen.emplace(itemFingerprint(item.item.content()),
                                              QStringLiteral("the question on line %1").arg(item.line));
        if (fresh) {
            kept.push_back(item);
        } else {
            duplicates.push_back({item.line, QStringLiteral("the same as %1").arg(at->second)});
            held.push_back(item);
        }
    }
    return kept;
}

void insertRows(SqliteDb& db, const std::vector<QStringList>& rows) {
    const TableDef& table = itemTable();
    std::string marks;
    for (size_t i = 0; i < table.fields.size(); ++i)
        marks += i ? ", ?" : "?";
    const std::string sql = "INSERT INTO test1 VALUES (" + marks + ")";
    for (const QStringList& row : rows) {
        Statement insert = db.prepare(sql);
        for (size_t i = 0; i < table.fields.size(); ++i)
            insert.bind(int(i) + 1, storedValue(table.fields[i], row[int(i)]));
        insert.step();
    }
}

// Takes out of `items` those an Aiken file cannot hold, each noted in `unsafe` by its number.
void leaveOutUnsafe(std::vector<ExchangeItem>& items, std::vector<ExchangeNote>& unsafe) {
    std::vector<ExchangeItem> kept;
    for (ExchangeItem& item : items) {
        if (const std::optional<QString> problem = AikenFormat::problem(item))
            unsafe.push_back({item.number, *problem});
        else
            kept.push_back(std::move(item));
    }
    items = std::move(kept);
}

// The items numbered from `firstNumber`, at free sorrend2 places, and their reasons and notes.
void writeItems(const std::shared_ptr<SqliteDb>& db, const Transaction& held, const std::vector<ImportedItem>& items,
                int firstNumber, FeedbackLanguage language, ImportSummary& summary) {
    const std::vector<int> orders = freeSorrend2(*db, int(items.size()));
    std::vector<QStringList> rows;
    rows.reserve(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        rows.push_back(items[i].item.toRow(firstNumber + int(i), orders[i]));
    insertRows(*db, rows);
    writeFeedback(db, held, items, language, false, summary);
}

} // namespace

ExportSummary ItemExchange::exportItems(const QString& database, const QString& file, ExchangeFormat format,
                                        int langcode) {
    ExportSummary summary;
    std::vector<ExchangeItem> items;
    const ItemBank bank = ItemBank::readDatabase(database);
    for (size_t i = 0; i < bank.items.size(); ++i) {
        const QStringList& row = bank.items[i];
        if (std::optional<ExchangeItem> item = ExchangeItem::fromRow(row)) {
            // Hungarian files carry the Hungarian reasons and notes; English, Spanish and French ones the English.
            const bool hungarian = langcode == LangCode::Hungarian;
            item->reason = bank.reasonOf(i).inLanguage(hungarian);
            const BankNotes notes = bank.notesOf(i);
            size_t k = 0;
            for (int a = 0; a < 4; ++a) {
                if (a != item->right && k < notes.size())
                    item->feedback[size_t(a)] = notes[k++].inLanguage(hungarian);
            }
            if (item->holdsUnwritableCharacter())
                summary.unwritable.push_back(ExchangeNote::of(row.value(0).toInt(), Messages::Id::ControlCharacter));
            else
                items.push_back(std::move(*item));
        } else
            summary.skipped.push_back(
                {row.value(0).toInt(), QStringLiteral("its right answer \"%1\" is not one of A, B, C, D").arg(row.value(10))});
    }
    if (format == ExchangeFormat::Aiken)
        leaveOutUnsafe(items, summary.unsafe);
    const QString bankName = QFileInfo(database).completeBaseName();
    switch (format) {
    case ExchangeFormat::Gift:
        TextFile::write(file, GiftFormat::write(items, langcode, bankName));
        break;
    case ExchangeFormat::Aiken:
        TextFile::write(file, AikenFormat::write(items));
        break;
    case ExchangeFormat::MoodleXml:
        TextFile::write(file, MoodleXmlFormat::write(items, langcode, bankName));
        break;
    }
    summary.written = int(items.size());
    return summary;
}

namespace {

ReadResult readWhole(const QByteArray& bytes, const QString& file, ExchangeFormat format) {
    switch (format) {
    case ExchangeFormat::Gift:
        return GiftFormat::read(TextFile::decode(bytes, file));
    case ExchangeFormat::Aiken:
        return AikenFormat::read(TextFile::decode(bytes, file));
    case ExchangeFormat::MoodleXml:
        return MoodleXmlFormat::read(bytes, file);
    }
    return {};
}

} // namespace

ReadResult ItemExchange::readFile(const QString& file, ExchangeFormat format) {
    ReadResult read = readWhole(TextFile::readBytes(file), file, format);
    std::vector<ImportedItem> kept;
    for (ImportedItem& item : read.items) {
        if (item.item.holdsUnwritableCharacter())
            read.skipped.push_back(ExchangeNote::of(item.line, Messages::Id::ControlCharacter));
        else
            kept.push_back(std::move(item));
    }
    read.items = std::move(kept);
    std::stable_sort(read.skipped.begin(), read.skipped.end(),
                     [](const ExchangeNote& a, const ExchangeNote& b) { return a.line < b.line; });
    return read;
}

ImportSummary ItemExchange::importItems(const QString& file, const QString& database, ExchangeFormat format,
                                        bool replace, const TopicChoice& choice) {
    return store(readFile(file, format), database, replace, choice);
}

Unplaced ItemExchange::unplaced(const ReadResult& read) {
    Unplaced counts;
    for (const ImportedItem& item : read.items) {
        if (!item.category.topic) {
            ++counts.withoutTopic;
            counts.withoutLevel += item.category.level ? 0 : 1;
        }
        const auto& feedback = item.item.feedback;
        if (!item.item.reason.isEmpty() ||
            std::any_of(feedback.begin(), feedback.end(), [](const QString& text) { return !text.isEmpty(); }))
            ++counts.withFeedback;
    }
    return counts;
}

ImportSummary ItemExchange::store(const ReadResult& read, const QString& database, bool replace,
                                  const TopicChoice& choice) {
    ImportSummary summary;
    summary.skipped = read.skipped;
    summary.notes = read.notes;
    const std::vector<ImportedItem> placedItems = placed(read.items, choice, summary.skipped);
    auto db = SqliteDb::open(database);
    if (placedItems.empty()) {
        if (replace)
            throw ExchangeError(exchangetext::nothingToReplaceWith, {database});
        return summary;
    }
    SnapshotView::completeCopiesOf(database);
    Transaction transaction(db);
    if (replace)
        db->exec("DELETE FROM test1");
    std::vector<ImportedItem> held;
    const std::vector<ImportedItem> items = withoutDuplicates(*db, placedItems, summary.duplicates, held);
    const int count = int(items.size());
    if (count == 0) {
        if (replace)
            throw ExchangeError(exchangetext::nothingToReplaceWith, {database});
        writeFeedback(db, transaction, held, choice.feedback, true, summary);
        transaction.commit();
        return summary;
    }
    const int highest = highestNumber(*db);
    if (count > kIntegerMax - highest)
        throw ExchangeError(exchangetext::noRoomForNumbers, {count, kIntegerMax, highest, kIntegerMax - highest});
    writeItems(db, transaction, items, highest + 1, choice.feedback, summary);
    writeFeedback(db, transaction, held, choice.feedback, true, summary);
    transaction.commit();
    summary.imported = count;
    summary.firstNumber = highest + 1;
    summary.lastNumber = highest + count;
    summary.replaced = replace;
    return summary;
}

} // namespace lexora
