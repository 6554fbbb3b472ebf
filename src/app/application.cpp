// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"

#include "text/captions.h"
#include "text/messages.h"

#include <QMessageBox>

#include <exception>

namespace lexora {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Lexora English"));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        report(Messages::text(Messages::Id::UnexpectedError, workingLanguage(), {QString::fromUtf8(e.what())}));
    } catch (...) {
        report(Messages::text(Messages::Id::UnexpectedErrorBare, workingLanguage()));
    }
    return false;
}

int Application::workingLanguage() const {
    try {
        return m_langcode ? m_langcode() : LangCode::English;
    } catch (...) {
        return LangCode::English;
    }
}

void Application::report(const QString& text) {
    try {
        if (m_reporter)
            m_reporter(text);
        else
            QMessageBox::critical(nullptr, applicationName(), text);
    } catch (...) {
        // Telling the failure failed as well; the program still goes on.
    }
}

} // namespace lexora
