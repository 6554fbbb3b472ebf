// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/clickablelabel.h"

#include "app/accessiblecontrols.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace lexora {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
    exposeClickableLabels();
    setCursor(Qt::PointingHandCursor);
    // Tab only: a mouse click leaves the focus where it was, so the label never looks different to the mouse.
    setFocusPolicy(Qt::TabFocus);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

// A click counts when the button is let go over the label, as with a push button.
void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool activates = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (!activates || !takesKeys() || event->isAutoRepeat() ||
        (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    emit clicked();
}

void ClickableLabel::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    // Coming back to its window, the label keeps the focus the keyboard gave it before.
    const bool returning = reason == Qt::ActiveWindowFocusReason && m_keyboardFocusBeforeLeaving;
    m_keyboardFocus = returning || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                      reason == Qt::ShortcutFocusReason;
    m_keyboardFocusBeforeLeaving = false;
    QLabel::focusInEvent(event);
    update();
    // A window that opens gives the focus to its first control; a label leaves it to the
    // controls after it, so Enter keeps pressing the button it pressed before.
    if (reason == Qt::ActiveWindowFocusReason && !returning)
        focusNextChild();
}

void ClickableLabel::focusOutEvent(QFocusEvent* event) {
    m_keyboardFocusBeforeLeaving = m_keyboardFocus && event->reason() == Qt::ActiveWindowFocusReason;
    m_keyboardFocus = false;
    QLabel::focusOutEvent(event);
    update();
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!takesKeys())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    // Styles draw the frame only for a focus the keyboard moved, which is the only kind shown here.
    option.state |= QStyle::State_KeyboardFocusChange;
    option.rect = rect().adjusted(1, 1, -1, -1);
    option.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace lexora
