// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/itemfingerprint.h"
#include "data/itemstore.h"

#include <QString>

#include <map>
#include <optional>

namespace lexora {

// Finds the reason for an item on display, and the notes on its wrong answers, in the learner's
// working language. The item's own file comes first (a teacher's, or those a bank shipped with).
// A learner's copy of a shipped bank made before reasons or notes existed has none: for such a
// copy the installed copy of the same bank is asked, read-only, so the learner's file is never
// written to show them. An item whose content was edited matches neither and shows no reason;
// an edited answer shows no note.
class Explanations {
public:
    // `shippedDir`: the installed copies of the shipped banks; empty in the portable layout.
    explicit Explanations(QString shippedDir = QString()) : m_shippedDir(std::move(shippedDir)) {}

    void setShippedDir(const QString& dir) { m_shippedDir = dir; }

    // The reason's text for working-language offset `langcode` (Hungarian for Hungarian,
    // English otherwise), or an empty text. Never throws: a reason is a help, not a need.
    QString reasonFor(const ReasonTable& own, const ItemContent& content, int langcode);
    Reason find(const ReasonTable& own, const QString& fingerprint);

    // The note on `answer` of the item, in the working language with offset `langcode`, or an
    // empty text (no note, or `answer` is the right answer or none of the item's). The answer is
    // matched against the item's wrong answers with white space folded and letter case ignored,
    // so a typed answer finds its note as a chosen one does. Never throws.
    QString noteFor(const ReasonTable& own, const ItemContent& content, const QString& answer, int langcode);
    // The notes on the item's wrong answers by answer text: for each, the item's own file's note,
    // else the installed copy's.
    AnswerNotes notesOf(const ReasonTable& own, const QString& fingerprint);

private:
    const ItemStore* installedCopyOf(const QString& itemFile);

    QString m_shippedDir;
    // The installed copy of each shipped bank once asked for; nothing when it cannot be opened.
    std::map<QString, std::optional<ItemStore>> m_installed;
};

} // namespace lexora
