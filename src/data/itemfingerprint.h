// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace lexora {

class ItemView;

// What an item says: its sentence, four answers and key. Explanations and the learner's
// progress belong to this content, not to the item's number, so an item a teacher edits
// (sentence, an answer or the key) gets a new fingerprint and starts afresh.
struct ItemContent {
    QString sentence; // mondat
    QString a, b, c, d;
    QString key;      // felelet2, the right letter

    static ItemContent fromCurrentRow(const ItemView& view);
};

// 16 lowercase hex digits (64 bits of SHA-256 over the content, each field trimmed); equal
// contents give equal fingerprints in every run and on every machine.
QString itemFingerprint(const ItemContent& content);

} // namespace lexora
