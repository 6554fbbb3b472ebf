#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace lexora {

// The gap in an item's sentence, written the same way in every item.
inline const QString kGap = QStringLiteral("......");

struct BankProblem {
    int line; // line of the text form (the header is line 1); 0 for the bank as a whole
    QString message;
};

// Limits for the bank as a whole; a small fixture bank checks none of them.
struct BankProfile {
    int minPerTopic = 0;       // items each of the 23 topics must have (0 = topics need not all be there)
    bool letterSpread = false; // each right letter A to D on 20% to 30% of the items
    bool levelSpread = false;  // levels roughly 40/35/25 and at least two levels in every topic
    bool freshNumbering = false; // sorszam and sorrend run 1..n without gaps
};

// An item bank: the items of one database in the column order of the item table,
// as text cells. Its text form is UTF-8, tab-separated, one item a line, with a
// header line naming the fields; an empty cell is an empty field.
class ItemBank {
public:
    static QStringList header();

    std::vector<QStringList> items;

    // Reads the text form; lines that do not fit the format are reported and skipped.
    static ItemBank readText(const QString& path, std::vector<BankProblem>& problems);
    void writeText(const QString& path) const;

    // Every rule an item must follow, and the limits of `profile` for the bank as a whole.
    std::vector<BankProblem> check(const BankProfile& profile = {}) const;

    // Creates a new database file with the items and the placeholder row of the failed-items
    // table; an existing file at `path` is replaced. Only the item bank tool and tests do this.
    void createDatabase(const QString& path) const;
    // Replaces the items of an existing database; its failed-items table stays as it is.
    void replaceItemsIn(const QString& path) const;
    static ItemBank readDatabase(const QString& path);
};

} // namespace lexora
