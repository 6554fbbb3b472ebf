// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/topics.h"

#include <array>
#include <stdexcept>
#include <string>

namespace lexora {

namespace {

// A topic whose Practice title is a caption, so it follows the working language.
Topic captioned(int captionKey, const char* kulcs1, const char* kulcs2, const char* filter, int titleKey) {
    return Topic{captionKey,
                 QString::fromLatin1(kulcs1),
                 kulcs2 ? std::optional<QString>(QString::fromLatin1(kulcs2)) : std::nullopt,
                 QString::fromLatin1(filter),
                 titleKey,
                 QString()};
}

// A topic whose Practice title is a fixed Hungarian text, shown whatever the working language.
Topic fixed(int captionKey, const char* kulcs1, const char* kulcs2, const char* filter, const char* title) {
    Topic topic = captioned(captionKey, kulcs1, kulcs2, filter, -1);
    topic.fixedTitle = QString::fromUtf8(title);
    return topic;
}

const std::array<Topic, TopicCatalogue::count>& topics() {
    // A null kulcs2 means tagging leaves kulcs2 alone: groups 2 to 9 have no sub-topics.
    // The verb filter's double blank and trailing blank are part of its text; it leaves out relative clauses ("f").
    static const std::array<Topic, TopicCatalogue::count> table = {
        captioned(42, "1", "0", "kulcs1 = '1' And kulcs2  <> 'f' ", 42),
        fixed(43, "1", "a", "kulcs1 = '1' And kulcs2 = 'a'", u8"Igeidõk használata"),
        captioned(44, "1", "b", "kulcs1 = '1' And kulcs2 = 'b'", 44),
        captioned(45, "1", "c", "kulcs1 = '1' And kulcs2 = 'c'", 45),
        captioned(46, "1", "d", "kulcs1 = '1' And kulcs2 = 'd'", 46),
        captioned(64, "1", "e", "kulcs1 = '1' And kulcs2 = 'e'", 64),
        fixed(92, "1", "g", "kulcs1 = '1' And kulcs2 = 'g'", u8"Függõ beszéd (kérdés, válasz)"),
        fixed(91, "1", "h", "kulcs1 = '1' And kulcs2 = 'h'", u8"Szenvedõ szerkezet"),
        captioned(47, "1", "i", "kulcs1 = '1' And kulcs2 = 'i'", 47),
        captioned(48, "1", "j", "kulcs1 = '1' And kulcs2 = 'j'", 48),
        fixed(90, "1", "f", "kulcs1 = '1' And kulcs2 = 'f'", u8"Jelzõi mellékmondat"),
        fixed(50, "2", nullptr, "kulcs1 = '2'", u8"Fõnév"),
        captioned(51, "3", nullptr, "kulcs1 = '3'", 51),
        captioned(52, "4", nullptr, "kulcs1 = '4'", 52),
        captioned(55, "7", nullptr, "kulcs1 = '7'", 55),
        captioned(56, "8", nullptr, "kulcs1 = '8'", 56),
        captioned(53, "5", nullptr, "kulcs1 = '5'", 53),
        fixed(54, "6", nullptr, "kulcs1 = '6'", u8"Kötõszó"),
        captioned(57, "a", "2", "kulcs1 = 'a' And kulcs2 = '2'", 57),
        captioned(58, "9", nullptr, "kulcs1 = '9'", 58),
        captioned(49, "a", "3", "kulcs1 = 'a' And kulcs2 = '3'", 49),
        captioned(59, "a", "1", "kulcs1 = 'a' And kulcs2 = '1'", 59),
        captioned(93, "a", "4", "kulcs1 = 'a' And kulcs2 = '4'", 93),
    };
    return table;
}

// One line of the naming rule; anyKey as kulcs2 means the line does not look at kulcs2.
struct NamingLine {
    char kulcs1;
    char kulcs2;
    int captionKey;
};

constexpr char anyKey = 0;

// Lines are tried in this order and the first match wins.
constexpr NamingLine namingRule[] = {
    {'1', '0', 42},    {'1', 'a', 43},    {'1', 'b', 44},    {'1', 'c', 45},    {'1', 'd', 46},    {'1', 'e', 64},
    {'1', 'f', 90},    {'1', 'g', 92},    {'1', 'h', 91},    {'1', 'i', 47},    {'1', 'j', 48},    {'2', anyKey, 50},
    {'3', anyKey, 51}, {'4', anyKey, 52}, {'5', anyKey, 53}, {'6', anyKey, 54}, {'7', anyKey, 55}, {'8', anyKey, 56},
    {'a', '2', 57},    {'9', anyKey, 58}, {'a', '3', 49},    {'a', '1', 59},    {'a', '4', 93},
};

// A key matches a rule character only when it is exactly that one character; null and empty keys never match.
bool keyIs(const QString& key, char c) {
    return key.size() == 1 && key.at(0) == QLatin1Char(c);
}

} // namespace

const Topic& TopicCatalogue::topic(int n) {
    if (n < 0 || n >= count)
        throw std::out_of_range("no topic number " + std::to_string(n));
    return topics()[static_cast<std::size_t>(n)];
}

std::optional<int> TopicCatalogue::nameKey(const QString& kulcs1, const QString& kulcs2) {
    for (const NamingLine& line : namingRule) {
        if (keyIs(kulcs1, line.kulcs1) && (line.kulcs2 == anyKey || keyIs(kulcs2, line.kulcs2)))
            return line.captionKey;
    }
    return std::nullopt;
}

} // namespace lexora
