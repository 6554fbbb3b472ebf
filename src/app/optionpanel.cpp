// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/optionpanel.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace lexora {

namespace {

// How far a point lies outside a rectangle; 0 inside it.
int distance(const QRect& rect, const QPoint& point) {
    const int dx = std::max({rect.left() - point.x(), 0, point.x() - rect.right()});
    const int dy = std::max({rect.top() - point.y(), 0, point.y() - rect.bottom()});
    return dx * dx + dy * dy;
}

} // namespace

OptionPanel::OptionPanel(QWidget* panel, std::vector<Option> options)
    : QObject(panel), m_panel(panel), m_options(std::move(options)) {
    panel->installEventFilter(this);
}

OptionPanel* OptionPanel::attach(QWidget* panel, std::vector<Option> options) {
    return new OptionPanel(panel, std::move(options));
}

QAbstractButton* OptionPanel::nearest(const QPoint& point) const {
    QAbstractButton* best = nullptr;
    int bestDistance = std::numeric_limits<int>::max();
    for (const Option& option : m_options) {
        if (option.button->isHidden())
            continue;
        QRect place = option.button->geometry();
        if (option.companion && !option.companion->isHidden())
            place = place.united(option.companion->geometry());
        const int d = distance(place, point);
        if (d < bestDistance) {
            best = option.button;
            bestDistance = d;
        }
    }
    return best;
}

// The panel sees the presses and releases that no child took: those on its own ground, on
// plain labels, and those an option button refuses because they miss its circle and caption.
void OptionPanel::letArrowsMoveFocus() {
    for (const Option& option : m_options)
        option.button->installEventFilter(this);
}

bool OptionPanel::moveFocus(QObject* from, int key) {
    const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1
                     : key == Qt::Key_Up || key == Qt::Key_Left  ? -1
                                                                 : 0;
    if (step == 0)
        return false;
    const int count = int(m_options.size());
    int at = 0;
    while (at < count && m_options[size_t(at)].button != from)
        ++at;
    for (int n = 1; at < count && n < count; ++n) {
        QAbstractButton* next = m_options[size_t((at + step * n + count * n) % count)].button;
        if (!next->isHidden() && next->isEnabled()) {
            next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return at < count;
}

bool OptionPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_panel) {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        return (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && moveFocus(watched, key->key());
    }
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    const QPoint point = mouse->position().toPoint();
    if (type != QEvent::MouseButtonRelease) {
        m_pressed = nearest(point);
        return m_pressed != nullptr;
    }
    QAbstractButton* pressed = m_pressed;
    m_pressed = nullptr;
    // As with a button, the click counts when it is let go where it began.
    if (!pressed || !m_panel->rect().contains(point) || nearest(point) != pressed || !pressed->isEnabled())
        return pressed != nullptr;
    pressed->click();
    return true;
}

} // namespace lexora
