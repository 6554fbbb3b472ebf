// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exchange/exchangeitem.h"
#include "exchange/feedbacklanguage.h"

#include <QString>

#include <optional>

class QAction;
class QMenu;
class QWidget;

namespace lexora {

struct AppContext;
struct ExportSummary;
struct ImportSummary;
struct TopicChoice;

// The Database screen's entries for question files: "Export items..." and "Import items..." in the
// Options menu. They ask for the format and the file through the platform, write or read the file,
// and tell the teacher in the working language what was written or skipped. Questions whose category
// names no topic get the topic and level the teacher chooses, or are left out. The screen saves what
// is pending in its boxes before either runs, and shows the items afresh after an import.
class ItemExchangeMenu {
public:
    ItemExchangeMenu(AppContext& context, QWidget* window, QMenu* options);

    QAction* exportEntry() const { return m_export; }
    QAction* importEntry() const { return m_import; }
    void language();

    // The bodies of the two entries; importItems is true when the database was changed.
    void exportItems(const QString& title);
    bool importItems(const QString& title);

private:
    int langcode() const;
    // A number as the working language writes it.
    QString number(qint64 n) const;
    std::optional<ExchangeFormat> chooseFormat(const QString& title);
    std::optional<bool> chooseReplace(const QString& title);
    TopicChoice chooseTopic(const ReadResult& read, const QString& title);
    // The language of the file's feedback, asked with the topic: decided from each text unless chosen.
    FeedbackLanguage chooseFeedbackLanguage(const QString& title);
    QString exportReport(const ExportSummary& summary, const QString& file) const;
    QString importReport(const ImportSummary& summary) const;
    void fail(const QString& text, const QString& title);

    AppContext& m_ctx;
    QWidget* m_window;
    QAction* m_export;
    QAction* m_import;
};

} // namespace lexora
