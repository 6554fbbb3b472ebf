// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/screenid.h"

#include <QMainWindow>
#include <QSize>
#include <QString>

#include <functional>

class QKeyEvent;
class QPushButton;

namespace lexora {

struct AppContext;

// A window of the program. The registry creates it, runs its load handler, shows it,
// and at Unload runs its close handler before the window is destroyed. The screen's
// own variables live in a state struct kept by the registry, not in the window.
//
// A screen sees every key typed in it before its controls do (formKeyPress), and Enter
// presses the focused button, or else the screen's default button.
class Screen : public QMainWindow {
    Q_OBJECT

public:
    Screen(AppContext& context, ScreenId id, const QString& systemName);
    ~Screen() override;

    ScreenId id() const { return m_id; }

    virtual void formLoad() {}
    virtual void formUnload() {}

    // The button Enter presses when no button has the focus; nullptr for none.
    void setDefaultButton(QPushButton* button) { m_defaultButton = button; }
    QPushButton* defaultButton() const { return m_defaultButton; }

    // The client area below the menu bar, where the controls stand.
    QWidget* canvas() const { return m_canvas; }

protected:
    AppContext& ctx() { return m_ctx; }
    // Sizes the client area (below the menu bar) in twips.
    void setClientSizeTwips(int width, int height);
    void fitToClientArea();

    // Keys seen before any control; return true to swallow the key.
    virtual bool formKeyPress(QKeyEvent* event);
    // The frame's close box; by default it does nothing (the screens' own buttons lead out).
    virtual void closeBoxPressed() {}

    // Runs a handler body. An ordinary store outcome ends it silently, as most handlers
    // do; a fault of the database file and any other failure are reported in a message
    // box. Nothing escapes to end the program.
    void handler(const std::function<void()>& body);
    // Runs a handler body and reports every failure, store errors included, in a message box.
    void reportingHandler(const std::function<void()>& body);

    void closeEvent(QCloseEvent* event) override;
    void setVisible(bool visible) override;

private:
    friend class KeyPreviewFilter;
    bool previewKey(QKeyEvent* event);
    void runTrapped(const std::function<void()>& body, bool reportEveryStoreError);
    void reportFailure(const QString& text);

    AppContext& m_ctx;
    ScreenId m_id;
    QWidget* m_canvas;
    QSize m_clientSize; // fixed size of the client area, once set
    QPushButton* m_defaultButton = nullptr;
    QObject* m_keyFilter = nullptr;
};

} // namespace lexora
