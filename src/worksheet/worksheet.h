// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace lexora {

struct Reason;
class ReasonTable;

// What a worksheet is made of: the items Practice would bring for a level, a topic or a starting
// point, walked in sequence order (or drawn at random, reproducibly, with a seed), at most `count`
// of them, and the working language of its headings.
struct WorksheetRequest {
    std::optional<int> level; // 1 to 3; none = every level
    std::optional<int> topic; // entry of the Topic menu, 0 to 22; with a level, its items of that level
    std::optional<int> from;  // starting point: items whose sorrend2 lies above this value
    int count = 20;
    std::optional<quint32> seed; // draw the items at random from the selection
    int langcode = 16;           // English
    bool explain = false;        // each item's reason under its line of the answer key
};

struct WorksheetItem {
    int sorszam = 0;
    int sorrend2 = 0;
    QString mondat;
    QString a, b, c, d;
    QString felelet1; // the filled sentence
    QString felelet2; // the letter of the right answer
    QString reason;   // why that answer is right, in the sheet's language; empty when not asked or none
};

struct Worksheet {
    int langcode = 16;
    QString subject; // the level, topic or starting point the items come from, in the working language
    std::vector<WorksheetItem> items;
};

// The largest worksheet: more items than this make a booklet nobody prints.
constexpr int kMaxWorksheetItems = 1000;

// Finds the reason for an item's fingerprint, given the reasons of the item's own file. Without one
// a worksheet reads only the file's own table; the Database screen passes one that also asks the
// installed copy of a shipped bank, as Practice does.
using ReasonLookup = std::function<Reason(const ReasonTable& own, const QString& fingerprint)>;

// Reads the items of a worksheet from the item database at `path`, with their reasons when the
// request asks to explain. Throws StoreError when the file cannot be read, and
// std::invalid_argument for a request out of range (the message says which value). A selection
// without items gives a worksheet without items.
Worksheet makeWorksheet(const QString& path, const WorksheetRequest& request, const ReasonLookup& lookup = {});

// The selection's subject line in the working language, as the worksheet's heading shows it.
QString worksheetSubject(const WorksheetRequest& request);

} // namespace lexora
