// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace lexora {

struct ExchangeItem;

// The question category that carries an item's topic and level through a question file:
// "Lexora English/<topic name>/<level>", with the topic's menu name and the level word of one
// working language ("Lexora English/Level 1" for an item without a topic).
class CategoryPath {
public:
    static QString of(const ExchangeItem& item, int langcode);

    // Reads a category written in any of the working languages, or by a learning platform that
    // keeps the same names somewhere in its path; parts it does not know are passed over.
    struct Meaning {
        std::optional<int> topic; // index in the topic catalogue
        std::optional<int> level;
        // The path names its topic or level in Hungarian: the file was written in Hungarian.
        bool hungarian = false;
    };
    static Meaning read(const QString& path);
    // Topic keys and level of `meaning` given to `item`; level 1 and no topic where it names none.
    static void apply(const Meaning& meaning, ExchangeItem& item);

    // The name of topic n in the language with offset langcode, without its access-key mark.
    static QString topicName(int n, int langcode);
    // The name of a level (1 to 3) in that language, as a category writes it: "Level 2", "2. szint".
    static QString levelName(int level, int langcode);
};

} // namespace lexora
