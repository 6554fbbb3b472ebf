// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace lexora {

// One grammar topic of the Topic menus: its caption, the keys written when an item is tagged with it,
// the filter Practice uses to select its items, and the title Practice shows while it is chosen.
struct Topic {
    int captionKey;
    QString kulcs1;                // written into kulcs1 when tagging
    std::optional<QString> kulcs2; // written into kulcs2 when tagging; none = kulcs2 left as it was
    QString practiceFilter;        // criteria text, exactly as the program uses it (spacing included)
    int titleCaptionKey;           // caption key of the Practice title, or -1 when fixedTitle applies
    QString fixedTitle;            // fixed Hungarian Practice title shown in every language, else empty
};

// The 23 topics of the Topic menus (in menu order) and the rule that names an item's topic from its keys.
// Read-only; the Practice screen selects by a topic, the Database screen tags with one and shows the name.
class TopicCatalogue {
public:
    static constexpr int count = 23;
    static const Topic& topic(int n); // n in 0..22; throws std::out_of_range otherwise
    // Caption key of the topic an item with these keys belongs to (first matching line of the naming rule), or none.
    // Null or empty keys match nothing; comparison is exact ("a" is not "A").
    static std::optional<int> nameKey(const QString& kulcs1, const QString& kulcs2);
};

} // namespace lexora
