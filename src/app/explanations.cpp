// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/explanations.h"

#include "app/programfolder.h"
#include "data/storeerror.h"
#include "text/captions.h"

#include <QDir>
#include <QFileInfo>

namespace lexora {

QString Explanations::reasonFor(const ReasonTable& own, const ItemContent& content, int langcode) {
    return find(own, itemFingerprint(content)).inLanguage(langcode == LangCode::Hungarian);
}

Reason Explanations::find(const ReasonTable& own, const QString& fingerprint) {
    try {
        if (std::optional<Reason> reason = own.find(fingerprint))
            return *reason;
        if (const ItemStore* installed = installedCopyOf(own.filePath())) {
            if (std::optional<Reason> shipped = installed->reasons().find(fingerprint))
                return *shipped;
        }
    } catch (const StoreError&) {
        // A locked or failing file shows no reason this time; the screen goes on as before.
    }
    return {};
}

QString Explanations::noteFor(const ReasonTable& own, const ItemContent& content, const QString& answer, int langcode) {
    const QString wanted = answer.simplified();
    if (wanted.isEmpty())
        return QString();
    for (const QString& wrong : wrongAnswers(content)) {
        if (wrong.simplified().compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        const AnswerNotes notes = notesOf(own, itemFingerprint(content));
        const auto it = notes.find(wrong);
        return it == notes.end() ? QString() : it->second.inLanguage(langcode == LangCode::Hungarian).trimmed();
    }
    return QString();
}

AnswerNotes Explanations::notesOf(const ReasonTable& own, const QString& fingerprint) {
    AnswerNotes notes;
    try {
        notes = own.answerNotes().find(fingerprint);
        // A note of the item's own file stands; the installed copy fills in the answers it lacks.
        if (const ItemStore* installed = installedCopyOf(own.filePath()))
            notes.merge(installed->reasons().answerNotes().find(fingerprint));
    } catch (const StoreError&) {
        // A locked or failing file shows what was found so far; the screen goes on as before.
    }
    return notes;
}

const ItemStore* Explanations::installedCopyOf(const QString& itemFile) {
    if (m_shippedDir.isEmpty())
        return nullptr;
    const QFileInfo own(itemFile);
    if (!shippedDatabases().contains(own.fileName()))
        return nullptr;
    const QString installedPath = QDir(m_shippedDir).filePath(own.fileName());
    if (QFileInfo(installedPath).canonicalFilePath() == own.canonicalFilePath())
        return nullptr;
    auto [it, added] = m_installed.try_emplace(installedPath);
    if (added) {
        try {
            it->second = ItemStore::open(installedPath);
        } catch (const StoreError&) {
            // No installed copy (or an unreadable one): no fallback for this bank in this run.
        }
    }
    return it->second ? &*it->second : nullptr;
}

} // namespace lexora
