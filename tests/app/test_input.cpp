// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Everything the mouse does, the keyboard does too, and clicks land where a learner aims.

#include "app/clickablelabel.h"

#include "../screens/practice/practicedriver.h"
#include "ui/programfixture.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace lexora;
using namespace lexora::testing;

namespace {

constexpr int kFixtureMaxno = 13;

// Presses Tab in the window until `target` has the focus; false when it is never reached.
bool tabTo(QWidget* window, QWidget* target) {
    for (int i = 0; i < 60 && QApplication::focusWidget() != target; ++i) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused && focused->window() == window ? focused : window, Qt::Key_Tab);
    }
    return QApplication::focusWidget() == target;
}

QImage look(QWidget* widget) {
    return widget->grab().toImage();
}

Screen* activeHub(ProgramFixture& f) {
    f.startToHub();
    Screen* hub = f.screen(ScreenId::Hub);
    hub->activateWindow();
    if (!QTest::qWaitForWindowActive(hub))
        qWarning("The hub did not become active");
    return hub;
}

// Runs a one-item Test to its result, where the review link appears.
Screen* testAtResult(ProgramFixture& f) {
    f.prepare();
    Screen* test = f.show(ScreenId::Test);
    test->activateWindow();
    if (!QTest::qWaitForWindowActive(test))
        qWarning("The Test window did not become active");
    f.platform().queueDraws({ScriptedPlatform::drawFor(1, kFixtureMaxno)});
    QTest::mouseClick(f.child<QPushButton>(ScreenId::Test, "Command3"), Qt::LeftButton);
    QTest::mouseClick(f.child<QPushButton>(ScreenId::Test, "Command5"), Qt::LeftButton);
    return test;
}

} // namespace

class TestInput : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ProgramFixture::settle(); }

    // "&Database" names both a task and a menu of the hub: the first Alt+D chooses the task,
    // the next opens the menu.
    void sharedAccessKeyChoosesTheTaskThenOpensTheMenu() {
        ProgramFixture f;
        Screen* hub = activeHub(f);
        auto* database = f.child<QRadioButton>(ScreenId::Hub, "database");
        // A key no menu shares chooses its task at once.
        QTest::keyClick(hub, Qt::Key_T, Qt::AltModifier);
        QTRY_VERIFY(f.child<QRadioButton>(ScreenId::Hub, "test")->isChecked());
        QVERIFY(!database->isChecked());

        QTest::keyClick(hub, Qt::Key_D, Qt::AltModifier);
        QVERIFY(database->isChecked());
        QCOMPARE(QApplication::focusWidget(), database);
        QVERIFY(!QApplication::activePopupWidget());

        QTest::keyClick(hub, Qt::Key_D, Qt::AltModifier);
        QCOMPARE(QApplication::activePopupWidget(), f.child<QMenu>(ScreenId::Hub, "mnudatabases"));
        QApplication::activePopupWidget()->close();
        QVERIFY(database->isChecked());
    }

    void reviewLinkAnswersEnterAndSpace_data() {
        QTest::addColumn<int>("key");
        QTest::addRow("Enter") << int(Qt::Key_Return);
        QTest::addRow("Space") << int(Qt::Key_Space);
    }
    void reviewLinkAnswersEnterAndSpace() {
        QFETCH(int, key);
        ProgramFixture f;
        Screen* test = testAtResult(f);
        auto* link = f.child<ClickableLabel>(ScreenId::Test, "Label17");
        QVERIFY(shown(link));
        QVERIFY(tabTo(test, link));
        QTest::keyClick(link, Qt::Key(key));
        Screen* review = f.screen(ScreenId::FailedItems);
        QVERIFY(review && review->isVisible());
        QVERIFY(!shown(link));
    }

    // Enter goes to the focused label only once Tab has brought the focus there; a click
    // gives it no focus, so its look never changes under the mouse.
    void levelCaptionAnswersTheKeyboardAndLooksTheSameAtRest() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.level(0);
        auto* caption = f.child<ClickableLabel>(ScreenId::Practice, "Label28");
        QVERIFY(shown(caption));
        const QImage resting = look(caption);
        QSignalSpy clicks(caption, &ClickableLabel::clicked);

        QTest::mouseClick(caption, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!caption->hasFocus());
        QCOMPARE(look(caption), resting);

        QVERIFY(tabTo(p.screen, caption));
        QVERIFY(look(caption) != resting); // the focus frame shows where the keyboard is
        QTest::keyClick(caption, Qt::Key_Return);
        QTest::keyClick(caption, Qt::Key_Space);
        QCOMPARE(clicks.count(), 3);
        QTest::keyClick(caption, Qt::Key_Tab);
        QVERIFY(!caption->hasFocus());
        QCOMPARE(look(caption), resting);
    }

    // A window that opens on the label hands the focus on; a window the learner comes back
    // to gives it back to the label Tab had reached.
    void windowActivationLeavesTheLabelToTheKeyboard() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.level(0);
        auto* caption = f.child<ClickableLabel>(ScreenId::Practice, "Label28");
        QWidget elsewhere;
        const auto leaveAndComeBack = [&] {
            elsewhere.show();
            elsewhere.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
            p.screen->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(p.screen));
        };

        QApplication::focusWidget()->clearFocus();
        leaveAndComeBack();
        QVERIFY(QApplication::focusWidget() != caption);
        QVERIFY(!caption->takesKeys());

        QVERIFY(tabTo(p.screen, caption));
        leaveAndComeBack();
        QCOMPARE(QApplication::focusWidget(), caption);
        QVERIFY(caption->takesKeys());
    }

    void enterOnAFocusedButtonStillPressesIt() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.level(0);
        QVERIFY(tabTo(p.screen, p.button(3)));
        QTest::keyClick(p.button(3), Qt::Key_Return);
        QVERIFY(!shown(p.button(3))); // Start pressed: the item is on show
        QVERIFY(p.shows(13));
    }

    // A click beside an option's caption or on the panel's ground chooses the nearest option.
    void hubTaskIsChosenAnywhereOnItsRow() {
        ProgramFixture f;
        activeHub(f);
        auto* test = f.child<QRadioButton>(ScreenId::Hub, "test");
        auto* database = f.child<QRadioButton>(ScreenId::Hub, "database");
        QTest::mouseClick(test, Qt::LeftButton, {}, QPoint(test->width() - 4, test->height() / 2));
        QVERIFY(test->isChecked());
        auto* panel = f.child<QFrame>(ScreenId::Hub, "Frame3D1");
        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(panel->width() - 3, panel->height() - 3));
        QVERIFY(database->isChecked());
        // Pressed on one task and let go on another: no choice, as with a button.
        QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(3, panel->height() - 3));
        QVERIFY(database->isChecked());
    }

    void practiceAnswerIsChosenByItsLetterAndItsCell() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.level(0);
        p.click(3);
        const QString right = p.label(10)->text();
        QVERIFY(QStringLiteral("ABCD").contains(right) && right.size() == 1);
        const int rightIndex = right[0].unicode() - 'A';
        const int wrongIndex = (rightIndex + 1) % 4;

        // The letter beside the wrong option.
        QTest::mouseClick(p.label(5 + wrongIndex), Qt::LeftButton);
        QVERIFY(p.option(2 + wrongIndex)->isChecked());
        QVERIFY(p.shows(20) && !p.shows(19));

        // Just right of the right option's circle.
        QRadioButton* option = p.option(2 + rightIndex);
        auto* panel = f.child<QFrame>(ScreenId::Practice, "Frame3D1");
        const QPoint beside = option->geometry().center() + QPoint(option->width(), 0);
        QTest::mouseClick(panel, Qt::LeftButton, {}, beside);
        QVERIFY(option->isChecked());
        QVERIFY(p.shows(19) && !p.shows(20));
    }

    void testAnswerIsChosenBesideItsLetter() {
        ProgramFixture f;
        f.prepare();
        f.show(ScreenId::Test);
        f.platform().queueDraws({ScriptedPlatform::drawFor(1, kFixtureMaxno)});
        QTest::mouseClick(f.child<QPushButton>(ScreenId::Test, "Command3"), Qt::LeftButton);
        auto* panel = f.child<QFrame>(ScreenId::Test, "Frame3D1");
        auto* letterC = f.child<QLabel>(ScreenId::Test, "Label7");
        const QPoint rightOfC = letterC->geometry().center() + QPoint(letterC->width(), 0);
        QTest::mouseClick(panel, Qt::LeftButton, {}, rightOfC);
        QVERIFY(f.child<QRadioButton>(ScreenId::Test, "Option3D3")->isChecked());
        // The hidden no-answer option is never the nearest one.
        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(f.child<QRadioButton>(ScreenId::Test, "Option3D1")->isChecked());
    }
};

QTEST_MAIN(TestInput)
#include "test_input.moc"
