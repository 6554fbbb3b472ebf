// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace lexora {

// Working-language offsets: the text of caption key k in a language is catalogue entry k + offset.
namespace LangCode {
constexpr int English = 16;
constexpr int Hungarian = 116;
constexpr int Spanish = 216;
constexpr int French = 316;
} // namespace LangCode

// The interface texts of the program in four languages, compiled in.
// Caption keys run from 0 to 93; keys 17-24 and 69-73 have no text in any language.
class CaptionCatalogue {
public:
    static constexpr int firstKey = 0;
    static constexpr int lastKey = 93;

    // Text of catalogue entry `id` (caption key + language offset); nothing for an id in a gap or out of range.
    static std::optional<QString> entry(int id);
    // Text of caption `key` in the language with offset `langcode`; throws std::out_of_range when there is no such
    // entry. A key outside 0..93 or an offset that is not one of LangCode's is rejected too, so that a bad key can
    // never reach into the block of another language.
    static QString caption(int key, int langcode);
};

} // namespace lexora
