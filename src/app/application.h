#pragma once

#include <QApplication>

namespace lexora {

// The application object. Every screen handler catches its own failures; this is the
// last line behind them, so that a failure nobody foresaw is reported and the program
// goes on instead of ending.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace lexora
