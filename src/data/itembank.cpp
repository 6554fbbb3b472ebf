// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/itembank.h"

#include "data/schema.h"
#include "data/sqlitedb.h"
#include "data/storeerror.h"
#include "data/itemfingerprint.h"
#include "data/itemview.h"
#include "data/topics.h"

#include <QFile>
#include <QSet>
#include <QTextStream>

#include <map>

namespace lexora {

namespace {

enum Column { Sorszam, Sorrend, Sorrend2, Szint, Mondat, A, B, C, D, Felelet1, Felelet2, Kulcs1, Kulcs2, ColumnCount };

// The rule an item breaks, as the item bank tool reports it.
QString english(const ItemFault& fault) {
    const QStringList parts = fault.detail.split(QLatin1Char('\t'));
    switch (fault.kind) {
    case ItemFault::Kind::BadLevel:
        return QStringLiteral("szint must be 1, 2 or 3, not \"%1\"").arg(fault.detail);
    case ItemFault::Kind::NoTopic:
        return QStringLiteral("kulcs1 \"%1\" and kulcs2 \"%2\" name no topic").arg(parts.value(0), parts.value(1));
    case ItemFault::Kind::BadKey:
        return QStringLiteral("felelet2 must be one of A, B, C, D, not \"%1\"").arg(fault.detail);
    case ItemFault::Kind::EmptyAnswer:
        return QStringLiteral("answer %1 is empty").arg(fault.detail);
    case ItemFault::Kind::EqualAnswers:
        return QStringLiteral("the four answers are not all different");
    case ItemFault::Kind::NoGap:
        return QStringLiteral("the sentence has no gap (%1)").arg(kGap);
    case ItemFault::Kind::SeveralGaps:
        return QStringLiteral("the sentence has more than one gap");
    case ItemFault::Kind::SolutionDiffers:
        return QStringLiteral("felelet1 is not the sentence with answer %1 filled in").arg(fault.detail);
    case ItemFault::Kind::NotANumber:
        return QStringLiteral("%1 must be a whole number, not \"%2\"").arg(parts.value(0), parts.value(1));
    case ItemFault::Kind::OrderOutOfRange:
        return QStringLiteral("sorrend2 must lie in 1 to 3000, not %1").arg(fault.detail);
    }
    return QString();
}

void checkItem(const QStringList& item, int line, std::vector<BankProblem>& out) {
    for (const ItemFault& fault : itemFaults(item))
        out.push_back({line, english(fault)});
}

// The right answer as its option reads, or nothing when the key names no answer.
QString rightAnswer(const QStringList& item) {
    static const QStringList letters{"A", "B", "C", "D"};
    const qsizetype right = letters.indexOf(item[Felelet2]);
    return right < 0 ? QString() : item[A + int(right)];
}

void checkReason(const QStringList& item, const Reason& reason, bool required, int line,
                 std::vector<BankProblem>& out) {
    const QString answer = rightAnswer(item);
    const std::pair<const char*, QString> texts[] = {{"reason_en", reason.english}, {"reason_hu", reason.hungarian}};
    for (const auto& [name, text] : texts) {
        if (text.trimmed().isEmpty()) {
            if (required)
                out.push_back({line, QStringLiteral("%1 is missing").arg(name)});
            continue;
        }
        if (text.size() > kReasonMaxLength)
            out.push_back(
                {line,
                 QStringLiteral("%1 has %2 characters; at most %3").arg(name).arg(text.size()).arg(kReasonMaxLength)});
        if (!answer.isEmpty() && !text.contains(answer))
            out.push_back({line, QStringLiteral("%1 does not quote the right answer \"%2\"").arg(name, answer)});
    }
}

// A note quotes its wrong answer as the language quotes: “answer” in English, „answer” in Hungarian.
QString quoted(const QString& answer, bool hungarian) {
    return (hungarian ? QStringLiteral("\u201e") : QStringLiteral("\u201c")) + answer + QStringLiteral("\u201d");
}

void checkNotes(const QStringList& item, const BankNotes& notes, bool required, int line,
                std::vector<BankProblem>& out) {
    const std::vector<QString> wrong =
        wrongAnswers(ItemContent{item[Mondat], item[A], item[B], item[C], item[D], item[Felelet2]});
    for (size_t k = 0; k < notes.size(); ++k) {
        for (const bool hungarian : {false, true}) {
            const QString name =
                QStringLiteral("note%1_%2").arg(k + 1).arg(hungarian ? QStringLiteral("hu") : QStringLiteral("en"));
            const QString text = notes[k].inLanguage(hungarian);
            if (text.trimmed().isEmpty()) {
                if (required)
                    out.push_back({line, QStringLiteral("%1 is missing").arg(name)});
                continue;
            }
            if (text.size() > kAnswerNoteMaxLength)
                out.push_back({line, QStringLiteral("%1 has %2 characters; at most %3")
                                         .arg(name)
                                         .arg(text.size())
                                         .arg(kAnswerNoteMaxLength)});
            if (k < wrong.size() && !text.contains(quoted(wrong[k], hungarian)))
                out.push_back(
                    {line,
                     QStringLiteral("%1 does not quote its answer as %2").arg(name, quoted(wrong[k], hungarian))});
        }
    }
}

void checkUnique(const std::vector<QStringList>& items, int column, std::vector<BankProblem>& out) {
    std::map<QString, int> seen;
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].size() != ColumnCount)
            continue;
        const QString key = column == Mondat ? items[i][column].simplified().toLower() : items[i][column];
        const auto [it, inserted] = seen.emplace(key, int(i) + 2);
        if (!inserted)
            out.push_back({int(i) + 2, QStringLiteral("%1 \"%2\" is already used on line %3")
                                           .arg(itemTable().fields[column].name, items[i][column])
                                           .arg(it->second)});
    }
}

void checkProfile(const std::vector<QStringList>& items, const BankProfile& profile, std::vector<BankProblem>& out) {
    const double n = double(items.size());
    auto share = [&](int count) { return n > 0 ? count / n : 0.0; };
    if (profile.letterSpread) {
        for (const QString letter : {"A", "B", "C", "D"}) {
            int count = 0;
            for (const auto& item : items)
                count += item[Felelet2] == letter;
            if (share(count) < 0.20 || share(count) > 0.30)
                out.push_back({0, QStringLiteral("%1 is right in %2 of %3 items; each letter should be right in "
                                                 "20% to 30%")
                                      .arg(letter)
                                      .arg(count)
                                      .arg(items.size())});
        }
    }
    std::map<int, std::map<int, int>> levelsByTopic;
    for (const auto& item : items) {
        for (int t = 0; t < TopicCatalogue::count; ++t) {
            if (TopicCatalogue::nameKey(item[Kulcs1], item[Kulcs2]) == TopicCatalogue::topic(t).captionKey) {
                levelsByTopic[t][item[Szint].toInt()]++;
                break;
            }
        }
    }
    for (int t = 0; t < TopicCatalogue::count; ++t) {
        int total = 0;
        for (const auto& [level, count] : levelsByTopic[t])
            total += count;
        if (total < profile.minPerTopic)
            out.push_back({0, QStringLiteral("topic %1 has %2 items; it needs at least %3")
                                  .arg(t)
                                  .arg(total)
                                  .arg(profile.minPerTopic)});
        if (profile.levelSpread && total > 0 && levelsByTopic[t].size() < 2)
            out.push_back({0, QStringLiteral("all items of topic %1 are of one level").arg(t)});
    }
    if (profile.levelSpread) {
        const double targets[] = {0.40, 0.35, 0.25};
        for (int level = 1; level <= 3; ++level) {
            int count = 0;
            for (const auto& item : items)
                count += item[Szint].toInt() == level;
            if (std::abs(share(count) - targets[level - 1]) > 0.08)
                out.push_back({0, QStringLiteral("level %1 has %2 of %3 items, far from %4%")
                                      .arg(level)
                                      .arg(count)
                                      .arg(items.size())
                                      .arg(int(targets[level - 1] * 100))});
        }
    }
    if (profile.freshNumbering) {
        for (int column : {Sorszam, Sorrend}) {
            QSet<int> numbers;
            for (const auto& item : items)
                numbers.insert(item[column].toInt());
            for (int i = 1; i <= int(items.size()); ++i) {
                if (!numbers.contains(i)) {
                    out.push_back({0, QStringLiteral("%1 does not run from 1 to %2 without gaps (%3 is missing)")
                                          .arg(itemTable().fields[column].name)
                                          .arg(items.size())
                                          .arg(i)});
                    break;
                }
            }
        }
    }
}

// A reason cell of the text form holds no tab or line break.
QString oneLine(QString text) {
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

ItemContent contentOf(const QStringList& item) {
    return ItemContent{item[Mondat], item[A], item[B], item[C], item[D], item[Felelet2]};
}

void writeReasons(const std::shared_ptr<SqliteDb>& db, const ItemBank& bank, bool byTeacher) {
    std::vector<std::pair<QString, Reason>> rows;
    for (size_t i = 0; i < bank.items.size(); ++i) {
        Reason reason = bank.reasonOf(i);
        if (reason.isEmpty())
            continue;
        reason.byTeacher = byTeacher;
        rows.emplace_back(itemFingerprint(contentOf(bank.items[i])), reason);
    }
    if (!rows.empty())
        ReasonTable(db).writeAll(rows);
}

// The notes of the bank, by item content and answer: note K of an item belongs to its K-th
// wrong answer in letter order.
void writeNotes(const std::shared_ptr<SqliteDb>& db, const ItemBank& bank, bool byTeacher) {
    std::vector<AnswerNoteRow> rows;
    for (size_t i = 0; i < bank.items.size(); ++i) {
        const ItemContent content = contentOf(bank.items[i]);
        const std::vector<QString> wrong = wrongAnswers(content);
        const BankNotes notes = bank.notesOf(i);
        for (size_t k = 0; k < wrong.size(); ++k) {
            if (notes[k].isEmpty())
                continue;
            AnswerNote note = notes[k];
            note.byTeacher = byTeacher;
            rows.push_back({itemFingerprint(content), wrong[k], note});
        }
    }
    if (!rows.empty())
        AnswerNoteTable(db).writeAll(rows);
}

void insertItems(SqliteDb& db, const std::vector<QStringList>& items) {
    const TableDef& table = itemTable();
    std::string marks;
    for (size_t i = 0; i < table.fields.size(); ++i)
        marks += i ? ", ?" : "?";
    for (const QStringList& item : items) {
        Statement insert = db.prepare("INSERT INTO test1 VALUES (" + marks + ")");
        for (size_t i = 0; i < table.fields.size(); ++i)
            insert.bind(int(i) + 1, storedValue(table.fields[i], item[int(i)]));
        insert.step();
    }
}

} // namespace

QStringList ItemBank::header() {
    QStringList names;
    for (const FieldDef& field : itemTable().fields)
        names << field.name;
    return names;
}

QStringList ItemBank::headerWithReasons() {
    return header() << QStringLiteral("reason_en") << QStringLiteral("reason_hu");
}

QStringList ItemBank::headerWithNotes() {
    return headerWithReasons() << QStringLiteral("note1_en") << QStringLiteral("note2_en") << QStringLiteral("note3_en")
                               << QStringLiteral("note1_hu") << QStringLiteral("note2_hu")
                               << QStringLiteral("note3_hu");
}

ItemBank ItemBank::readText(const QString& path, std::vector<BankProblem>& problems) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw StoreError(StoreError::Kind::NotFound, StoreError::Reason::BankUnreadable, {path});
    ItemBank bank;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    int line = 0;
    int width = ColumnCount;
    while (!in.atEnd()) {
        const QString text = in.readLine();
        ++line;
        if (line == 1) {
            const QStringList names = text.split('\t');
            if (names == headerWithNotes())
                width = ColumnCount + 8;
            else if (names == headerWithReasons())
                width = ColumnCount + 2;
            else if (names != header())
                problems.push_back(
                    {1, QStringLiteral("the header must name the fields: %1").arg(headerWithNotes().join(' '))});
            continue;
        }
        if (text.trimmed().isEmpty())
            continue;
        QStringList cells = text.split('\t');
        if (cells.size() != width) {
            problems.push_back({line, QStringLiteral("%1 fields instead of %2").arg(cells.size()).arg(width)});
            bank.items.push_back({});
            bank.reasons.push_back({});
            bank.notes.push_back({});
            continue;
        }
        BankNotes notes;
        if (width == ColumnCount + 8) {
            for (int k = 0; k < 3; ++k) {
                notes[size_t(k)].english = cells[ColumnCount + 2 + k];
                notes[size_t(k)].hungarian = cells[ColumnCount + 5 + k];
            }
        }
        Reason reason;
        if (width > ColumnCount) {
            reason.english = cells[ColumnCount];
            reason.hungarian = cells[ColumnCount + 1];
        }
        cells = cells.mid(0, ColumnCount);
        bank.items.push_back(cells);
        bank.reasons.push_back(reason);
        bank.notes.push_back(notes);
    }
    return bank;
}

void ItemBank::writeText(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        throw StoreError(StoreError::Kind::ReadOnly, StoreError::Reason::CannotWrite, {path});
    QTextStream out(&file);
    out.setEncoding(QStringConverter::Utf8);
    out << headerWithNotes().join('\t') << '\n';
    for (size_t i = 0; i < items.size(); ++i) {
        const Reason reason = reasonOf(i);
        const BankNotes notes = notesOf(i);
        out << items[i].join('\t') << '\t' << oneLine(reason.english) << '\t' << oneLine(reason.hungarian);
        for (const bool hungarian : {false, true}) {
            for (const AnswerNote& note : notes)
                out << '\t' << oneLine(note.inLanguage(hungarian));
        }
        out << '\n';
    }
}

std::vector<BankProblem> ItemBank::check(const BankProfile& profile) const {
    std::vector<BankProblem> problems;
    std::vector<QStringList> whole;
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].size() != ColumnCount)
            continue; // already reported when the line was read
        checkItem(items[i], int(i) + 2, problems);
        checkReason(items[i], reasonOf(i), profile.reasonsRequired, int(i) + 2, problems);
        checkNotes(items[i], notesOf(i), profile.answerNotesRequired, int(i) + 2, problems);
        whole.push_back(items[i]);
    }
    checkUnique(items, Sorszam, problems);
    checkUnique(items, Sorrend2, problems);
    checkUnique(items, Mondat, problems);
    checkProfile(whole, profile, problems);
    return problems;
}

void ItemBank::createDatabase(const QString& path) const {
    QFile::remove(path);
    auto db = SqliteDb::open(path, true);
    db->exec("BEGIN");
    db->exec(schemaSql());
    db->exec(ReasonTable::createSql());
    db->exec(AnswerNoteTable::createSql());
    insertItems(*db, items);
    // The failed-items table always starts with its placeholder row, which no screen shows.
    db->exec("INSERT INTO hiba1 (hiba) VALUES ('0')");
    db->exec("COMMIT");
    writeReasons(db, *this, false);
    writeNotes(db, *this, false);
}

void ItemBank::replaceItemsIn(const QString& path) const {
    auto db = SqliteDb::open(path);
    SnapshotView::completeCopiesOf(path);
    Transaction transaction(db);
    db->exec("DELETE FROM test1");
    insertItems(*db, items);
    transaction.commit();
    writeReasons(db, *this, true);
    writeNotes(db, *this, true);
}

ItemBank ItemBank::readDatabase(const QString& path) {
    auto db = SqliteDb::open(path);
    ItemBank bank;
    std::string columns;
    for (const QString& name : header())
        columns += (columns.empty() ? "\"" : ", \"") + name.toStdString() + '"';
    Statement rows = db->prepare("SELECT " + columns + " FROM test1 ORDER BY sorszam, rowid");
    while (rows.step()) {
        QStringList item;
        for (int i = 0; i < ColumnCount; ++i) {
            const QVariant value = rows.column(i);
            item << (value.isNull() ? QString() : value.toString());
        }
        bank.items.push_back(item);
    }
    const ReasonTable reasons(db);
    const AnswerNoteTable noteTable(db);
    for (const QStringList& item : bank.items) {
        const ItemContent content = contentOf(item);
        const QString fingerprint = itemFingerprint(content);
        bank.reasons.push_back(reasons.find(fingerprint).value_or(Reason{}));
        const AnswerNotes found = noteTable.find(fingerprint);
        const std::vector<QString> wrong = wrongAnswers(content);
        BankNotes notes;
        for (size_t k = 0; k < wrong.size(); ++k) {
            if (const auto it = found.find(wrong[k]); it != found.end())
                notes[k] = it->second;
        }
        bank.notes.push_back(notes);
    }
    return bank;
}

} // namespace lexora
