#include "app/application.h"

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
        report(QStringLiteral("An unexpected error occurred: %1\nThe program goes on.").arg(QString::fromUtf8(e.what())));
    } catch (...) {
        report(QStringLiteral("An unexpected error occurred.\nThe program goes on."));
    }
    return false;
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
