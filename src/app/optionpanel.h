// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class QAbstractButton;
class QWidget;

namespace lexora {

// Lets a click anywhere on a panel of option buttons choose an option, not only a click on
// its circle and caption: a click beside the caption, on the letter next to an option or in
// the space between goes to the option whose place (with its letter) is nearest. The click
// is a real one, so the option's click handler runs as it does for a click on the circle.
class OptionPanel : public QObject {
public:
    struct Option {
        QAbstractButton* button;
        QWidget* companion; // a letter that stands beside the option, or nullptr
    };

    // Watches `panel`; the options and their companions are children of it.
    static OptionPanel* attach(QWidget* panel, std::vector<Option> options);

    // The arrow keys move the focus from option to option (A, B, C, D and round again)
    // without choosing any: an answer is chosen only by Space, a click or its letter key.
    void letArrowsMoveFocus();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    OptionPanel(QWidget* panel, std::vector<Option> options);
    QAbstractButton* nearest(const QPoint& point) const;
    bool moveFocus(QObject* from, int key);

    QWidget* m_panel;
    std::vector<Option> m_options;
    QPointer<QAbstractButton> m_pressed;
};

} // namespace lexora
