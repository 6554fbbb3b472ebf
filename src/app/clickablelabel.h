// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace lexora {

// A label or picture that reacts to a click of the left mouse button, like a button
// without a frame: the hub's reorder invitation, the About window's disc, the Level
// caption of Practice and the review link of the Test screen.
//
// The keyboard reaches it too: Tab stops at it, and Enter or Space then acts as a click.
// Its resting look never changes; a dotted focus frame shows only while Tab has put the
// focus on it. A label that merely holds the focus because its window opened does not
// take Enter, which stays with the window's default button.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    // True while the keyboard has brought the focus here, so Enter and Space are this label's.
    bool takesKeys() const { return m_keyboardFocus && hasFocus(); }
    // Acts as a click does; screen readers press the label through it.
    void press() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
    bool m_keyboardFocus = false;
    bool m_keyboardFocusBeforeLeaving = false; // the window lost the activation while the label had it
};

} // namespace lexora
