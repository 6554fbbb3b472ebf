// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/itemfingerprint.h"
#include "data/itemstore.h"

#include <QString>

#include <map>
#include <optional>

namespace lexora {

// Finds the reason for an item on display in the learner's working language. The item's own
// file comes first (a teacher's reason, or the reasons a bank shipped with). A learner's copy
// of a shipped bank made before reasons existed has none: for such a copy the installed copy
// of the same bank is asked, read-only, so the learner's file is never written to show them.
// An item whose content was edited matches neither and shows no reason.
class Explanations {
public:
    // `shippedDir`: the installed copies of the shipped banks; empty in the portable layout.
    explicit Explanations(QString shippedDir = QString()) : m_shippedDir(std::move(shippedDir)) {}

    void setShippedDir(const QString& dir) { m_shippedDir = dir; }

    // The reason's text for working-language offset `langcode` (Hungarian for Hungarian,
    // English otherwise), or an empty text. Never throws: a reason is a help, not a need.
    QString reasonFor(const ReasonTable& own, const ItemContent& content, int langcode);
    Reason find(const ReasonTable& own, const QString& fingerprint);

private:
    const ItemStore* installedCopyOf(const QString& itemFile);

    QString m_shippedDir;
    // The installed copy of each shipped bank once asked for; nothing when it cannot be opened.
    std::map<QString, std::optional<ItemStore>> m_installed;
};

} // namespace lexora
