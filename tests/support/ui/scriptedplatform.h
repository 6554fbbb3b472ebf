// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/platform.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <deque>
#include <vector>

namespace lexora::testing {

// A platform whose boxes and random numbers a test scripts. Every box shown is recorded;
// an input box, font dialog or random draw with no scripted answer stops the test at
// once instead of hanging it.
class ScriptedPlatform : public Platform {
public:
    struct Message {
        QString text;
        QString title;
        MessageIcon icon;
    };
    struct Input {
        QString title;
        QString prompt;
        QString defaultText;
    };

    // Scripting
    void answerInput(const QString& text) { m_inputs.push_back(text); }
    void cancelInput() { m_inputs.push_back(QString()); }
    void answerFont(const std::optional<FontChoice>& choice) { m_fonts.push_back(choice); }
    void answerConfirm(bool yes) { m_confirms.push_back(yes); }
    // The index to choose, or nothing for Cancel.
    void answerChoice(std::optional<int> index) { m_choices.push_back(index); }
    // The path a file box gives back; the empty text stands for Cancel.
    void answerFileName(const QString& path) { m_fileNames.push_back(path); }
    // The worksheet dialog's answer, nothing for Cancel.
    void answerWorksheet(const std::optional<WorksheetDialogAnswer>& answer) { m_worksheets.push_back(answer); }
    // The reason dialog's answer, nothing for Cancel.
    void answerReason(const std::optional<ReasonDialogAnswer>& answer) { m_reasons.push_back(answer); }
    // Whether the print dialog is confirmed; a confirmed one paints into a PDF kept in printedPdf.
    void answerPrint(bool confirmed) { m_prints.push_back(confirmed); }
    // Draws given as numbers in [0, 1); drawValue(n, max) gives the draw that yields n in 1..max.
    void queueDraws(std::initializer_list<double> draws) { m_draws.insert(m_draws.end(), draws); }
    static double drawFor(int value, int max) { return (value - 1 + 0.5) / max; }
    // Called when a message box is shown, while it is "open" (e.g. to fire a timer).
    std::function<void(const Message&)> onMessage;
    // Makes the next call of one service throw, as a failing desktop service would; the
    // calls after it behave normally again.
    enum class Service { Message, Input, Random, EndProcess };
    void failNext(Service service) { m_failing.push_back(service); }

    // What happened
    std::vector<Message> messages;
    std::vector<Input> inputs;
    std::vector<FontChoice> fontDialogOpenedWith;
    struct Question {
        QString title;
        QString text;
        QStringList choices; // empty for a Yes/No question
    };
    std::vector<Question> questions;
    struct FileBox {
        QString title;
        QString filter;
        QString suggestedName; // empty for an open box
        bool save = false;
    };
    std::vector<FileBox> fileBoxes;
    std::vector<WorksheetDialogSetup> worksheetDialogs;
    std::vector<ReasonDialogSetup> reasonDialogs;
    QStringList printTitles;
    QByteArray printedPdf;
    int beeps = 0;
    QStringList announcements;
    QStringList spoken; // what speak was given, in order
    int reseeds = 0;
    int endProcessCalls = 0;
    size_t drawsLeft() const { return m_draws.size(); }
    QStringList messageTexts() const;

    void message(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) override;
    QString input(QWidget* parent, const QString& title, const QString& prompt, const QString& defaultText) override;
    std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& current) override;
    void beep() override { ++beeps; }
    // Records "objectName: accessible name" of each control announced to screen readers.
    void announce(QWidget* control) override;
    void speak(QWidget*, const QString& text) override { spoken << text; }
    bool confirm(QWidget* parent, const QString& text, const QString& title) override;
    std::optional<int> chooseOne(QWidget* parent, const QString& title, const QString& prompt,
                                 const QStringList& choices) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& suggestedName) override;
    std::optional<WorksheetDialogAnswer> chooseWorksheet(QWidget* parent, const WorksheetDialogSetup& setup) override;
    std::optional<ReasonDialogAnswer> editReason(QWidget* parent, const ReasonDialogSetup& setup) override;
    bool print(QWidget* parent, const QString& title, const std::function<void(QPagedPaintDevice&)>& paint) override;
    void reseedRandom() override { ++reseeds; }
    double random() override;
    void endProcess() override;
    // A clock the test sets and moves; it starts at noon (UTC) of a fixed day.
    QDateTime clock = QDateTime(QDate(2024, 3, 4), QTime(12, 0), QTimeZone::utc());
    QDateTime now() override { return clock; }

private:
    void failIfScripted(Service service);

    std::vector<Service> m_failing;
    std::deque<QString> m_inputs;
    std::deque<std::optional<FontChoice>> m_fonts;
    std::deque<bool> m_confirms;
    std::deque<std::optional<int>> m_choices;
    std::deque<QString> m_fileNames;
    std::deque<double> m_draws;
    std::deque<std::optional<WorksheetDialogAnswer>> m_worksheets;
    std::deque<std::optional<ReasonDialogAnswer>> m_reasons;
    std::deque<bool> m_prints;
};

} // namespace lexora::testing
