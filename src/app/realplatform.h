// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/foldermemory.h"
#include "app/platform.h"

#include <QtGlobal>

namespace lexora {

// The platform of the real program: Qt's boxes, the system beep, a clock-seeded
// random source and an immediate end of the process.
class RealPlatform : public Platform {
public:
    void message(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) override;
    QString input(QWidget* parent, const QString& title, const QString& prompt, const QString& defaultText) override;
    std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& current) override;
    void beep() override;
    bool confirm(QWidget* parent, const QString& text, const QString& title) override;
    std::optional<int> chooseOne(QWidget* parent, const QString& title, const QString& prompt,
                                 const QStringList& choices) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& suggestedName) override;
    std::optional<WorksheetDialogAnswer> chooseWorksheet(QWidget* parent, const WorksheetDialogSetup& setup) override;
    std::optional<ReasonDialogAnswer> editReason(QWidget* parent, const ReasonDialogSetup& setup) override;
    bool print(QWidget* parent, const QString& title,
               const std::function<void(QPagedPaintDevice&)>& paint) override;
    void reseedRandom() override;
    double random() override;
    void endProcess() override;
    QDateTime now() override;

private:
    quint64 m_state = 0x9E3779B97F4A7C15ull;
    FolderMemory m_folders{FolderMemory::defaultFile()}; // where the file boxes open
};

} // namespace lexora
