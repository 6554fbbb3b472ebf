// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/screen.h"

class QLabel;

namespace lexora {

// The "How to ..." window: how Practice and Test are used, in Hungarian whatever the
// working language.
class HelpScreen : public Screen {
    Q_OBJECT

public:
    explicit HelpScreen(AppContext& context);

    void formLoad() override;

    // The texts of the two panels, as the window shows them.
    static QString upperText();
    static QString lowerText();

protected:
    void closeBoxPressed() override;

private slots:
    void Command1_Click();

private:
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QPushButton* m_command1 = nullptr;
};

} // namespace lexora
