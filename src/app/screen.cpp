// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/screen.h"

#include "app/appcontext.h"
#include "app/clickablelabel.h"
#include "app/window.h"
#include "data/storeerror.h"
#include "text/captions.h"
#include "text/messages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

namespace lexora {

namespace {

// Failures are told in the working language; before it is chosen, in English.
int workingLanguage(const AppContext& context) {
    return context.globals.langcode.value_or(LangCode::English);
}

} // namespace

// Installed on the application, it hands the screen every key pressed in one of its
// widgets before the widget sees it.
class KeyPreviewFilter : public QObject {
public:
    explicit KeyPreviewFilter(Screen* screen) : QObject(screen), m_screen(screen) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() != m_screen)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        // A press that a control ignores travels on to its parents and passes the filter
        // again: the screen sees it once, at the first widget.
        const bool propagated = m_last == key && m_lastTimestamp == key->timestamp() && m_lastWidget &&
                                widget != m_lastWidget && widget->isAncestorOf(m_lastWidget);
        m_last = key;
        m_lastTimestamp = key->timestamp();
        m_lastWidget = widget;
        return propagated ? false : m_screen->previewKey(key);
    }

private:
    Screen* m_screen;
    QKeyEvent* m_last = nullptr;
    quint64 m_lastTimestamp = 0;
    QPointer<QWidget> m_lastWidget;
};

Screen::Screen(AppContext& context, ScreenId id, const QString& systemName)
    : m_ctx(context), m_id(id), m_canvas(new QWidget(this)) {
    setObjectName(systemName);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setCentralWidget(m_canvas);
    m_keyFilter = new KeyPreviewFilter(this);
    qApp->installEventFilter(m_keyFilter);
}

Screen::~Screen() {
    qApp->removeEventFilter(m_keyFilter);
}

void Screen::setClientSizeTwips(int width, int height) {
    m_clientSize = QSize(twips(width), twips(height));
    m_canvas->setFixedSize(m_clientSize);
    fitToClientArea();
}

// The window is the client area and the menu bar above it. Menus get their captions from the
// screen's language routine after the size was first set, and a menu bar of empty captions is
// lower than one with texts: the height is taken again whenever the window is about to show.
void Screen::fitToClientArea() {
    if (m_clientSize.isEmpty())
        return;
    const int menuHeight = menuWidget() ? menuBar()->sizeHint().height() : 0;
    const QSize whole(m_clientSize.width(), m_clientSize.height() + menuHeight);
    if (minimumSize() == whole && maximumSize() == whole)
        return;
    setFixedSize(whole);
    // A window centred before its menu bar had its height stands that much too low: centre it again.
    if (!isVisible() && property(kCentredProperty).toBool())
        center(this);
}

void Screen::setVisible(bool visible) {
    // Before the window exists on the screen, so the window system gets the size it will keep.
    if (visible)
        fitToClientArea();
    QMainWindow::setVisible(visible);
}

bool Screen::previewKey(QKeyEvent* event) {
    bool handled = false;
    handler([&] { handled = formKeyPress(event); });
    if (handled)
        return true;
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    // A clickable label the learner has tabbed to answers Enter itself.
    if (auto* label = qobject_cast<ClickableLabel*>(QApplication::focusWidget());
        label && label->window() == this && label->takesKeys())
        return false;
    if (auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        focused && focused->window() == this) {
        focused->click();
        return true;
    }
    if (m_defaultButton && m_defaultButton->isVisibleTo(this) && m_defaultButton->isEnabled()) {
        m_defaultButton->click();
        return true;
    }
    return false;
}

bool Screen::formKeyPress(QKeyEvent*) {
    return false;
}

void Screen::handler(const std::function<void()>& body) {
    runTrapped(body, false);
}

void Screen::reportingHandler(const std::function<void()>& body) {
    runTrapped(body, true);
}

// The one boundary every handler runs behind: whatever fails inside a handler is caught
// here, so that no click, key or tick can end the program.
void Screen::runTrapped(const std::function<void()>& body, bool reportEveryStoreError) {
    try {
        body();
    } catch (const StoreError& e) {
        // An ordinary store outcome (a taken key, a move past the last row) ends the
        // handler quietly; what it did so far stays done. A fault of the file is told.
        if (reportEveryStoreError || e.isFileFault())
            reportFailure(Messages::of(e, workingLanguage(m_ctx)));
    } catch (const std::exception& e) {
        reportFailure(
            Messages::text(Messages::Id::UnexpectedError, workingLanguage(m_ctx), {QString::fromUtf8(e.what())}));
    } catch (...) {
        reportFailure(Messages::text(Messages::Id::UnexpectedErrorBare, workingLanguage(m_ctx)));
    }
}

void Screen::reportFailure(const QString& text) {
    // While one failure is being told, a timer may tick and fail again behind the message
    // box; one box at a time is enough.
    static bool reporting = false;
    if (reporting)
        return;
    reporting = true;
    try {
        m_ctx.platform.message(this, text, windowTitle(), MessageIcon::Stop);
    } catch (...) {
    }
    reporting = false;
}

void Screen::closeEvent(QCloseEvent* event) {
    // Screens leave through their own buttons and menus; the frame's close box maps onto
    // one of them, and the window itself is only destroyed by the registry.
    event->ignore();
    handler([this] { closeBoxPressed(); });
}

} // namespace lexora
