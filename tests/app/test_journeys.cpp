// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole journeys through the program, screen after screen, as a learner makes them.

#include "app/screen.h"
#include "app/window.h"

#include "ui/programfixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace lexora;
using namespace lexora::testing;

namespace {

void click(ProgramFixture& f, ScreenId id, const char* button) {
    QTest::mouseClick(f.child<QPushButton>(id, button), Qt::LeftButton);
    ProgramFixture::settle();
}

void trigger(ProgramFixture& f, ScreenId id, const char* action) {
    f.child<QAction>(id, action)->trigger();
    ProgramFixture::settle();
}

QStringList loaded(ProgramFixture& f) {
    QStringList names;
    for (ScreenId id : {ScreenId::Lang, ScreenId::Hub, ScreenId::Practice, ScreenId::Test, ScreenId::FailedItems,
                        ScreenId::Database, ScreenId::Help, ScreenId::About, ScreenId::Grammar, ScreenId::Progress})
        if (Screen* s = f.screen(id))
            names << s->objectName();
    return names;
}

} // namespace

class TestJourneys : public QObject {
    Q_OBJECT

private slots:
    // Spanish chosen on the hub reaches Practice; from there a Test, its review, and home.
    void practiceTestReviewAndHome() {
        ProgramFixture f;
        f.startToHub();
        QCOMPARE(loaded(f), QStringList({"Lexorasp"}));
        trigger(f, ScreenId::Hub, "worklang_3");
        click(f, ScreenId::Hub, "ok");
        QCOMPARE(loaded(f), QStringList({"Spgyak"}));
        QVERIFY(f.screen(ScreenId::Practice)->windowTitle().endsWith("Ejercicio"));

        f.platform().queueDraws({ScriptedPlatform::drawFor(1, 13)});
        click(f, ScreenId::Practice, "Command3");
        QCOMPARE(f.child<QLabel>(ScreenId::Practice, "Label13")->text(), QString(" She ...... to school every morning."));

        trigger(f, ScreenId::Practice, "mnuTest");
        QCOMPARE(loaded(f), QStringList({"Sptest", "Hibatst"}));
        QVERIFY(f.screen(ScreenId::FailedItems)->isHidden());
        QVERIFY(f.screen(ScreenId::Test)->windowTitle().endsWith("Test"));

        f.platform().queueDraws({ScriptedPlatform::drawFor(2, 13)});
        click(f, ScreenId::Test, "Command3");
        click(f, ScreenId::Test, "Command5"); // Evaluation with no answer chosen
        QCOMPARE(f.child<QLabel>(ScreenId::Test, "Label18")->text(), QString("0/1"));
        QCOMPARE(f.database().failedRows().size(), size_t(2));

        QTest::mouseClick(f.child<QLabel>(ScreenId::Test, "Label17"), Qt::LeftButton);
        QVERIFY(f.screen(ScreenId::FailedItems)->isVisible());
        QVERIFY(isKeptOnTop(f.screen(ScreenId::FailedItems)));
        QVERIFY(!isKeptOnTop(f.screen(ScreenId::Test)));
        click(f, ScreenId::FailedItems, "Command1");
        QCOMPARE(f.child<QLabel>(ScreenId::FailedItems, "Label23")->text(), QString("0"));
        click(f, ScreenId::FailedItems, "Command6");
        QCOMPARE(loaded(f), QStringList({"Sptest"}));
        QVERIFY(isKeptOnTop(f.screen(ScreenId::Test)));
        QCOMPARE(f.database().failedRows().size(), size_t(1)); // the placeholder

        click(f, ScreenId::Test, "Command6");
        QCOMPARE(loaded(f), QStringList({"Lexorasp"}));
        QCOMPARE(f.child<QLabel>(ScreenId::Hub, "Label2")->text(), QString("Alap"));
        QVERIFY(f.platform().messages.empty());
    }

    // The About window brings the hub back beside an open task screen; EXIT there ends the
    // program without the task screen's close handling, so the failed items stay recorded.
    void exitWithATaskScreenOpenRunsNoCloseHandler() {
        ProgramFixture f;
        f.startToHub();
        trigger(f, ScreenId::Hub, "mnuabout");
        QCOMPARE(f.child<QRadioButton>(ScreenId::Hub, "test")->isChecked(), false);
        QTest::mouseClick(f.child<QRadioButton>(ScreenId::Hub, "test"), Qt::LeftButton, {}, QPoint(8, 8));
        click(f, ScreenId::Hub, "ok");
        QCOMPARE(loaded(f), QStringList({"Sptest", "sobre"}));

        f.platform().queueDraws({ScriptedPlatform::drawFor(3, 13)});
        click(f, ScreenId::Test, "Command3");
        click(f, ScreenId::Test, "Command5");
        QCOMPARE(f.database().failedRows().size(), size_t(2));

        click(f, ScreenId::About, "Command1");
        QCOMPARE(loaded(f), QStringList({"Lexorasp", "Sptest"}));
        click(f, ScreenId::Hub, "Exi");
        QCOMPARE(f.platform().endProcessCalls, 1);
        QCOMPARE(f.database().failedRows().size(), size_t(2));
    }

    // Opened from Practice, the Test loads the review hidden; its Close still empties the
    // failed items the run recorded, though they were never shown.
    void testCloseEmptiesAReviewThatWasNeverShown() {
        ProgramFixture f;
        f.prepare();
        f.show(ScreenId::Practice);
        trigger(f, ScreenId::Practice, "mnuTest");
        f.platform().queueDraws({ScriptedPlatform::drawFor(4, 13)});
        click(f, ScreenId::Test, "Command3");
        click(f, ScreenId::Test, "Command5");
        QCOMPARE(f.database().failedRows().size(), size_t(2));
        click(f, ScreenId::Test, "Command6");
        QCOMPARE(loaded(f), QStringList({"Lexorasp"}));
        QCOMPARE(f.database().failedRows().size(), size_t(1));
    }

    // The Database screen's Tasks menu leads to Practice and back home.
    void databaseToPracticeAndHome() {
        ProgramFixture f;
        f.startToHub("Command6"); // Magyar
        QTest::mouseClick(f.child<QRadioButton>(ScreenId::Hub, "database"), Qt::LeftButton, {}, QPoint(8, 8));
        click(f, ScreenId::Hub, "ok");
        QCOMPARE(loaded(f), QStringList({"Form1"}));
        QVERIFY(f.screen(ScreenId::Database)->windowTitle().startsWith(QString::fromUtf8("Adatbázis")));
        trigger(f, ScreenId::Database, "mnuPractice");
        QCOMPARE(loaded(f), QStringList({"Spgyak"}));
        QVERIFY(f.screen(ScreenId::Practice)->windowTitle().endsWith(QString::fromUtf8("Gyakorlás")));
        click(f, ScreenId::Practice, "Command6");
        QCOMPARE(loaded(f), QStringList({"Lexorasp"}));
    }
};

QTEST_MAIN(TestJourneys)
#include "test_journeys.moc"
