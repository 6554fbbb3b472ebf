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
        QMessageBox::critical(nullptr, applicationName(), QString::fromUtf8(e.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, applicationName(), tr("An unexpected error occurred."));
    }
    return false;
}

} // namespace lexora
