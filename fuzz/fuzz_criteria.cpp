// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for the criteria parser and evaluator.
//
// The input is a criteria text. When it parses (on the item table and on the failed-items
// table) it is evaluated on rows that hold every kind of value a field can have, and it
// filters a small item database the ways the screens do: a sorted copy made with it, a
// copy narrowed with it, and finds through a live view in stored and in index order. All
// of them must select the same rows as evaluating the criterion on each row, and
// "Not (criterion)" must select no row that the criterion selects.
//
// The input is also read as a Like pattern (up to its first line break; what follows the
// break is the text to match), and the match is compared with a plain reference matcher.

#include "fuzzsupport.h"
#include "text/messages.h"

#include "data/criteria.h"
#include "data/itemstore.h"
#include "data/sqlitedb.h"

#include <QStringList>

#include <algorithm>
#include <map>
#include <optional>

using namespace lexora;
using namespace lexora::fuzz;

namespace {

using Row = std::vector<QVariant>;

// Rows in the column order of the item table: numbers at the limits, texts in number
// fields (as an older or foreign file may hold them), a real and a blob, one-letter and
// long texts, wildcard characters inside texts, empty texts and empty (NULL) fields.
const char* const kItemRows[] = {
    "1, 1, 61, 1, 'How many students ...... there in your class?', 'have', 'do', 'is', 'are', "
    "'How many students are there in your class?', 'D', '1', '0'",
    "2, 2, 2640, 2, 'The river ...... through the town.', 'flows', 'flow', 'flowing', 'flown', "
    "'The river flows through the town.', 'A', '3', '0'",
    "32767, -32768, -1, 3, 'Él ő ...... café 😀 ÅNGSTRÖM ß ſ K ǅ', 'ünnep', 'ÜNNEP', 'ß', 'SS', 'Straße 42', "
    "'a', '7', 'f'",
    "0, 0, 0, 0, printf('%.700c', '9') || ' a ...... long one ' || printf('%.300c', 'x'), '', '', '', '', '', '', '', ''",
    "NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL",
    "'12', 'x1', 2.5, ' 3', 'it''s a \"quote\" * ? # [x]', X'00FF41', 'A', 'b', 'C', '1234', 'B', '#', '*'",
    "-5, 7, 100, 1, 'Tab\there' || char(10) || 'newline ......', 'a*b', 'a?b', '1#2', '%_', '', 'C', '2', 'a'",
};

const char* const kFailedRows[] = {
    "'0', NULL, NULL, NULL, NULL, NULL, NULL, NULL",
    "'1', 'She ...... to school every morning.', 'go', 'goes', 'going', 'gone', 'She goes to school every morning.', 'B'",
    "'', '', 'x', NULL, 'é', 'É', '', 'D'",
};

class RowReader : public CellReader {
public:
    explicit RowReader(const Row& row) : m_row(row) {}
    QVariant cell(int column) const override { return m_row[size_t(column)]; }

private:
    const Row& m_row;
};

struct Table {
    const TableDef* def;
    QString orderField;
    std::vector<Row> rows;  // as read back from the database
    QStringList rowTexts;   // the same rows as rowText gives them
};

struct Fixture {
    QString path;
    std::optional<ItemStore> store;
    std::vector<Table> tables;
    std::vector<Row> extraRows; // rows only evaluated in memory
    QStringList likeSubjects;
};

Fixture* fixture = nullptr;

std::vector<Row> readRows(ItemStore& store, const TableDef& table, QStringList& texts) {
    std::vector<Row> rows;
    auto view = store.tableView(table.name);
    if (view->count() == 0)
        return rows;
    for (view->moveFirst(); !view->eof(); view->moveNext()) {
        Row row;
        for (const FieldDef& field : table.fields)
            row.push_back(view->field(field.name));
        rows.push_back(row);
        texts << rowText(*view);
    }
    return rows;
}

void makeFixture() {
    fixture = new Fixture;
    fixture->path = scratchFolder() + QStringLiteral("/criteria.mdb");
    {
        auto db = SqliteDb::open(fixture->path, true);
        db->exec("BEGIN");
        db->exec(schemaSql());
        for (const char* row : kItemRows)
            db->exec((std::string("INSERT INTO test1 VALUES (") + row + ")").c_str());
        for (const char* row : kFailedRows)
            db->exec((std::string("INSERT INTO hiba1 (hiba, mondat, a, b, c, d, felelet1, felelet2) VALUES (") + row +
                      ")")
                         .c_str());
        db->exec("COMMIT");
    }
    fixture->store = ItemStore::open(fixture->path);
    for (const auto& [def, order] : {std::pair{&itemTable(), QStringLiteral("sorrend2")}, {&failedTable(), QString()}}) {
        Table table{def, order, {}, {}};
        table.rows = readRows(*fixture->store, *def, table.rowTexts);
        fixture->tables.push_back(table);
    }
    Row empties(itemTable().fields.size(), QVariant(QString()));
    fixture->extraRows.push_back(empties);
    Row nulls(itemTable().fields.size());
    fixture->extraRows.push_back(nulls);
    for (const Row& row : fixture->tables[0].rows)
        for (const QVariant& value : row)
            if (!value.isNull() && !fixture->likeSubjects.contains(value.toString()))
                fixture->likeSubjects << value.toString();
}

QString sorted(QStringList rows) {
    rows.sort();
    return rows.join(QStringLiteral("\n"));
}

// Rows found by walking a live view with findFirst and findNext.
QStringList found(LiveView& view, const QString& text) {
    QStringList rows;
    view.findFirst(text);
    while (!view.noMatch()) {
        FUZZ_CHECK(rows.size() < view.count(), QStringLiteral("findNext runs past the last row"));
        rows << rowText(view);
        view.findNext(text);
    }
    return rows;
}

void checkCriterion(const QString& text, Table& table) {
    std::optional<Criterion> criterion;
    try {
        criterion = Criterion::parse(text, *table.def);
    } catch (const StoreError& e) {
        FUZZ_CHECK(e.kind() == StoreError::Kind::BadCriterion || e.kind() == StoreError::Kind::UnknownField,
                   Messages::english(e));
        return;
    }
    const auto& columns = criterion->columns();
    for (size_t i = 0; i < columns.size(); ++i) {
        FUZZ_CHECK(columns[i] >= 0 && size_t(columns[i]) < table.def->fields.size(), text);
        FUZZ_CHECK(std::count(columns.begin(), columns.end(), columns[i]) == 1, text);
    }

    std::optional<Criterion> negated;
    try {
        negated = Criterion::parse(QStringLiteral("Not (") + text + QStringLiteral(")"), *table.def);
    } catch (const StoreError&) {
    }

    QStringList expected;
    auto evaluate = [&](const Row& row) {
        const bool hit = criterion->matches(row.data());
        FUZZ_CHECK(hit == criterion->matches(RowReader(row)), text);
        if (negated) {
            const bool negatedHit = negated->matches(row.data());
            FUZZ_CHECK(!(hit && negatedHit), QStringLiteral("a row satisfies both a criterion and its negation: ") + text);
            bool anyEmpty = false;
            for (int c : columns)
                anyEmpty = anyEmpty || row[size_t(c)].isNull() || row[size_t(c)].toString().isEmpty();
            FUZZ_CHECK(anyEmpty || hit != negatedHit,
                       QStringLiteral("a row without empty fields satisfies neither a criterion nor its negation: ") +
                           text);
        }
        return hit;
    };
    for (size_t i = 0; i < table.rows.size(); ++i)
        if (evaluate(table.rows[i]))
            expected << table.rowTexts[int(i)];
    if (table.def == &itemTable())
        for (const Row& row : fixture->extraRows)
            evaluate(row);

    // The same selection, made the ways the screens make it.
    const QString want = sorted(expected);
    ItemStore& store = *fixture->store;
    auto copy = store.sortedCopy(table.def->name, table.orderField, text);
    FUZZ_CHECK(sorted(walkForward(*copy)) == want, QStringLiteral("sorted copy: ") + text);
    auto all = store.sortedCopy(table.def->name, table.orderField);
    auto narrow = all->filtered(text);
    FUZZ_CHECK(sorted(walkBackward(*narrow)) == want, QStringLiteral("narrowed copy: ") + text);
    // Finds on a narrowed copy whose other fields are not read yet.
    auto fresh = store.sortedCopy(table.def->name, table.orderField);
    QStringList inCopy;
    fresh->findFirst(text);
    while (!fresh->noMatch()) {
        FUZZ_CHECK(inCopy.size() < fresh->count(), QStringLiteral("findNext runs past the last row"));
        inCopy << rowText(*fresh);
        fresh->findNext(text);
    }
    FUZZ_CHECK(sorted(inCopy) == want, QStringLiteral("finds in a copy: ") + text);

    auto live = store.tableView(table.def->name);
    FUZZ_CHECK(sorted(found(*live, text)) == want, QStringLiteral("finds in stored order: ") + text);
    if (!table.orderField.isEmpty()) {
        live->setIndex(table.orderField);
        FUZZ_CHECK(sorted(found(*live, text)) == want, QStringLiteral("finds in index order: ") + text);
    }
}

// ---------------------------------------------------------------- Like

bool digit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

bool sameLetter(char32_t a, char32_t b) {
    return QChar::toCaseFolded(a) == QChar::toCaseFolded(b);
}

// Like by its definition: * any run of characters, ? one character, # one digit, the rest
// one character each without regard to letter case; the whole text must match.
bool referenceLike(const std::vector<char32_t>& p, const std::vector<char32_t>& t) {
    size_t i = 0, j = 0, star = size_t(-1), mark = 0;
    while (j < t.size()) {
        if (i < p.size() && p[i] == U'*') {
            star = i++;
            mark = j;
        } else if (i < p.size() && (p[i] == U'?' || (p[i] == U'#' ? digit(t[j]) : sameLetter(p[i], t[j])))) {
            ++i;
            ++j;
        } else if (star != size_t(-1)) {
            i = star + 1;
            j = ++mark;
        } else {
            return false;
        }
    }
    while (i < p.size() && p[i] == U'*')
        ++i;
    return i == p.size();
}

// Characters on which the reference and the program must agree exactly: ASCII, and
// characters without letter case that are not digits. For letters with case outside
// ASCII the folding rules of the engines differ in details that do not matter here.
bool plain(char32_t c) {
    if (c < 128)
        return true;
    return QChar::toLower(c) == c && QChar::toUpper(c) == c && QChar::toTitleCase(c) == c &&
           QChar::toCaseFolded(c) == c && !QChar::isDigit(c);
}

bool allPlain(const std::vector<char32_t>& s) {
    return std::all_of(s.begin(), s.end(), plain);
}

std::vector<char32_t> codePoints(const QString& s) {
    const QList<uint> ucs4 = s.toUcs4();
    return std::vector<char32_t>(ucs4.begin(), ucs4.end());
}

void checkLike(const QString& input) {
    const qsizetype cut = input.indexOf(QChar('\n'));
    const QString pattern = cut < 0 ? input : input.left(cut);
    if (pattern.size() > 256)
        return;
    QStringList subjects = fixture->likeSubjects;
    if (cut >= 0)
        subjects = QStringList{input.mid(cut + 1)};
    QString quoted = pattern;
    quoted.replace(QChar('\''), QStringLiteral("''"));
    const Criterion like = Criterion::parse(QStringLiteral("mondat Like '%1'").arg(quoted), itemTable());
    const Criterion notLike = Criterion::parse(QStringLiteral("mondat Not Like '%1'").arg(quoted), itemTable());
    const std::vector<char32_t> p = codePoints(pattern);
    for (const QString& subject : subjects) {
        if (subject.size() > 4096)
            continue;
        Row row(itemTable().fields.size());
        row[4] = subject;
        const bool hit = like.matches(row.data());
        const bool miss = notLike.matches(row.data());
        if (subject.isEmpty()) {
            FUZZ_CHECK(!hit && !miss, QStringLiteral("Like on an empty field: ") + pattern);
            continue;
        }
        FUZZ_CHECK(hit != miss, QStringLiteral("Like and Not Like agree on \"%1\" / \"%2\"").arg(pattern, subject));
        const std::vector<char32_t> t = codePoints(subject);
        if (allPlain(p) && allPlain(t))
            FUZZ_CHECK(hit == referenceLike(p, t),
                       QStringLiteral("Like \"%1\" on \"%2\" gives %3").arg(pattern, subject).arg(hit));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    makeFixture();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    checkLike(text);
    for (Table& table : fixture->tables)
        checkCriterion(text, table);
    return 0;
}
