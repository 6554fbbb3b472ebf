// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptedplatform.h"

#include <QAccessible>
#include <QBuffer>
#include <QPdfWriter>
#include <QWidget>

#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <stdexcept>

namespace lexora::testing {

QStringList ScriptedPlatform::messageTexts() const {
    QStringList texts;
    for (const Message& m : messages)
        texts << m.text;
    return texts;
}

void ScriptedPlatform::failIfScripted(Service service) {
    const auto it = std::find(m_failing.begin(), m_failing.end(), service);
    if (it == m_failing.end())
        return;
    m_failing.erase(it);
    throw std::runtime_error("the desktop service failed");
}

void ScriptedPlatform::message(QWidget*, const QString& text, const QString& title, MessageIcon icon) {
    failIfScripted(Service::Message);
    messages.push_back({text, title, icon});
    if (onMessage)
        onMessage(messages.back());
}

QString ScriptedPlatform::input(QWidget*, const QString& title, const QString& prompt, const QString& defaultText) {
    failIfScripted(Service::Input);
    inputs.push_back({title, prompt, defaultText});
    if (m_inputs.empty())
        qFatal("An input box \"%s\" was shown with no scripted answer", qPrintable(title));
    const QString answer = m_inputs.front();
    m_inputs.pop_front();
    return answer;
}

std::optional<FontChoice> ScriptedPlatform::chooseFont(QWidget*, const FontChoice& current) {
    fontDialogOpenedWith.push_back(current);
    if (m_fonts.empty())
        qFatal("The font dialog was shown with no scripted answer");
    const auto answer = m_fonts.front();
    m_fonts.pop_front();
    return answer;
}

bool ScriptedPlatform::confirm(QWidget*, const QString& text, const QString& title) {
    questions.push_back({title, text, {}});
    if (m_confirms.empty())
        qFatal("A question \"%s\" was asked with no scripted answer", qPrintable(text));
    const bool answer = m_confirms.front();
    m_confirms.pop_front();
    return answer;
}

std::optional<int> ScriptedPlatform::chooseOne(QWidget*, const QString& title, const QString& prompt,
                                               const QStringList& choices) {
    questions.push_back({title, prompt, choices});
    if (m_choices.empty())
        qFatal("A choice \"%s\" was offered with no scripted answer", qPrintable(prompt));
    const auto answer = m_choices.front();
    m_choices.pop_front();
    return answer;
}

QString ScriptedPlatform::openFileName(QWidget*, const QString& title, const QString& filter) {
    fileBoxes.push_back({title, filter, QString(), false});
    if (m_fileNames.empty())
        qFatal("A file box \"%s\" was shown with no scripted answer", qPrintable(title));
    const QString answer = m_fileNames.front();
    m_fileNames.pop_front();
    return answer;
}

QString ScriptedPlatform::saveFileName(QWidget*, const QString& title, const QString& filter,
                                       const QString& suggestedName) {
    fileBoxes.push_back({title, filter, suggestedName, true});
    if (m_fileNames.empty())
        qFatal("A file box \"%s\" was shown with no scripted answer", qPrintable(title));
    const QString answer = m_fileNames.front();
    m_fileNames.pop_front();
    return answer;
}

std::optional<WorksheetDialogAnswer> ScriptedPlatform::chooseWorksheet(QWidget*, const WorksheetDialogSetup& setup) {
    worksheetDialogs.push_back(setup);
    if (m_worksheets.empty())
        qFatal("The worksheet dialog \"%s\" was shown with no scripted answer", qPrintable(setup.title));
    const auto answer = m_worksheets.front();
    m_worksheets.pop_front();
    return answer;
}

std::optional<ReasonDialogAnswer> ScriptedPlatform::editReason(QWidget*, const ReasonDialogSetup& setup) {
    reasonDialogs.push_back(setup);
    if (m_reasons.empty())
        qFatal("The reason dialog \"%s\" was shown with no scripted answer", qPrintable(setup.title));
    const auto answer = m_reasons.front();
    m_reasons.pop_front();
    return answer;
}

bool ScriptedPlatform::print(QWidget*, const QString& title, const std::function<void(QPagedPaintDevice&)>& paint) {
    printTitles << title;
    if (m_prints.empty())
        qFatal("The print dialog \"%s\" was shown with no scripted answer", qPrintable(title));
    const bool confirmed = m_prints.front();
    m_prints.pop_front();
    if (confirmed) {
        // A PDF stands in for the printer, so a test can read what would have been printed.
        QBuffer buffer(&printedPdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        paint(writer);
    }
    return confirmed;
}

double ScriptedPlatform::random() {
    failIfScripted(Service::Random);
    if (m_draws.empty())
        qFatal("A random number was drawn with none scripted");
    const double draw = m_draws.front();
    m_draws.pop_front();
    return draw;
}

void ScriptedPlatform::endProcess() {
    failIfScripted(Service::EndProcess);
    ++endProcessCalls;
}

} // namespace lexora::testing

namespace lexora::testing {

void ScriptedPlatform::announce(QWidget* control) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    announcements << control->objectName() + QStringLiteral(": ") + (face ? face->text(QAccessible::Name) : QString());
}

} // namespace lexora::testing
