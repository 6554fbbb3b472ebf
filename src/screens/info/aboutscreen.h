// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/screen.h"

class QFrame;
class QLabel;
class QTimer;

namespace lexora {

class ClickableLabel;

// The About window. At start-up it is the splash that covers the loading of the hub:
// busy pointer, no OK button, gone at the first tick of its 30 ms timer. Opened from the
// hub's menu it is a dialog with an OK button. Its picture is animated in both roles.
class AboutScreen : public Screen {
    Q_OBJECT

public:
    explicit AboutScreen(AppContext& context);

    void formLoad() override;
    void formUnload() override;

    // What the hub's About entry does after showing the window: the OK button appears and
    // the splash hand-over is called off.
    void becomeDialog();

protected:
    void closeBoxPressed() override;

private slots:
    void Timer1_Timer();
    void Timer2_Timer();
    void Image2_Click();
    void Command1_Click();

private:
    void buildControls();
    void language();

    QFrame* m_panel = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_version = nullptr; // the program's version, below the credits
    ClickableLabel* m_image2 = nullptr;
    QLabel* m_image1 = nullptr;
    QLabel* m_image3 = nullptr;
    QLabel* m_image4 = nullptr;
    QLabel* m_image5 = nullptr;
    QPushButton* m_command1 = nullptr;
    QTimer* m_timer1 = nullptr;
    QTimer* m_timer2 = nullptr;
};

} // namespace lexora
