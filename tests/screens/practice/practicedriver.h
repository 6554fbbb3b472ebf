// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screens/practice/practicestate.h"

#include "ui/programfixture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace lexora::testing {

// Opens the Practice screen of a fixture program and reaches its controls by name, as a
// learner would see them.
class PracticeDriver {
public:
    explicit PracticeDriver(ProgramFixture& fixture, int langcode = 16) : f(fixture) {
        f.prepare(langcode);
        screen = f.show(ScreenId::Practice);
        // The learner works in the window: it is the active one, so focus and Enter act in it.
        if (screen && !QTest::qWaitForWindowActive(screen))
            qWarning("The Practice window did not become active");
    }

    QPushButton* button(int n) { return f.child<QPushButton>(ScreenId::Practice, QStringLiteral("Command%1").arg(n)); }
    QLabel* label(int n) { return f.child<QLabel>(ScreenId::Practice, QStringLiteral("Label%1").arg(n)); }
    QRadioButton* option(int n) {
        return f.child<QRadioButton>(ScreenId::Practice, QStringLiteral("Option3D%1").arg(n));
    }
    QAction* action(const QString& name) { return f.child<QAction>(ScreenId::Practice, name); }
    QMenu* menu(const QString& name) { return f.child<QMenu>(ScreenId::Practice, name); }
    PracticeState& state() { return f.screens().state<PracticeState>(); }

    void click(int commandNumber) { QTest::mouseClick(button(commandNumber), Qt::LeftButton); }
    void choose(char letter) { QTest::mouseClick(option(letter - 'A' + 2), Qt::LeftButton); }
    void level(int index) { action(QStringLiteral("mnuNivelItem_%1").arg(index))->trigger(); }
    void topic(int index) { action(QStringLiteral("mnuTopicItem_%1").arg(index))->trigger(); }
    void startingPoint(int index) { action(QStringLiteral("beg_%1").arg(index))->trigger(); }
    // Start in random mode, drawing the item numbered `sorszam` out of `maxno`.
    void startRandom(int sorszam, int maxno) {
        f.platform().queueDraws({ScriptedPlatform::drawFor(sorszam, maxno)});
        click(3);
    }

    QString sentence() { return label(13)->text(); }
    bool shows(int labelNumber) { return shown(label(labelNumber)); }

    ProgramFixture& f;
    Screen* screen = nullptr;
};

} // namespace lexora::testing
