// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/screen.h"

#include <array>

class QLabel;

namespace lexora {

// The first window of every run: the learner picks the working language, and the
// program moves on to the hub through the About splash.
class LanguageScreen : public Screen {
    Q_OBJECT

public:
    explicit LanguageScreen(AppContext& context);

    void formLoad() override;

protected:
    void closeBoxPressed() override;

private slots:
    void Command1_Click();
    void Command2_Click();
    void Command5_Click();
    void Command6_Click();

private:
    void buildControls();
    void choose(qint16 langcode);
    void ki();

    std::array<QPushButton*, 6> m_buttons{};
};

} // namespace lexora
