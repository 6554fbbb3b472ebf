// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

#include <functional>

namespace lexora {

// The application object. Every screen handler catches its own failures; this is the
// last line behind them, so that a failure nobody foresaw is reported and the program
// goes on instead of ending.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Where a failure caught here is told; the program points it at its platform's
    // message box. Without one, a plain message box is shown.
    void setFailureReporter(std::function<void(const QString&)> reporter) { m_reporter = std::move(reporter); }
    // Where the working language (an offset of LangCode) is read when a failure is told; English without it.
    void setWorkingLanguage(std::function<int()> langcode) { m_langcode = std::move(langcode); }

private:
    void report(const QString& text);
    int workingLanguage() const;

    std::function<void(const QString&)> m_reporter;
    std::function<int()> m_langcode;
};

} // namespace lexora
