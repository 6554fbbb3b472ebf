// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window.h"
#include "data/itemview.h"
#include "screens/test/clippinggauge.h"
#include "screens/test/intervaltimer.h"
#include "screens/test/testscreen.h"
#include "screens/test/teststate.h"

#include "ui/programfixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace lexora;
using namespace lexora::testing;

namespace {

constexpr int kMaxNo = 13; // highest item number of the fixture (number 5 is missing)

double draw(int sorszam) {
    return ScriptedPlatform::drawFor(sorszam, kMaxNo);
}

// Drives the Test screen as a learner does.
class Run {
public:
    explicit Run(ProgramFixture& fixture) : f(fixture) {}

    void open() { f.show(ScreenId::Test); }
    QPushButton* button(const char* name) { return f.child<QPushButton>(ScreenId::Test, name); }
    QLabel* label(const char* name) { return f.child<QLabel>(ScreenId::Test, name); }
    QAction* action(const QString& name) { return f.child<QAction>(ScreenId::Test, name); }
    IntervalTimer* timer(const char* name) {
        return qobject_cast<IntervalTimer*>(f.child<QTimer>(ScreenId::Test, name));
    }
    ClippingGauge* gauge() { return f.child<ClippingGauge>(ScreenId::Test, "Gauge1"); }

    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void start() { click("Command3"); }
    void next() { click(shown(button("Command2")) ? "Command2" : "Command4"); }
    void evaluate() { click("Command5"); }
    void choose(const QString& letter) {
        const int index = QStringLiteral("ABCD").indexOf(letter);
        QTest::mouseClick(f.child<QRadioButton>(ScreenId::Test, QStringLiteral("Option3D%1").arg(index + 1)),
                          Qt::LeftButton);
    }
    // Chooses the right answer of the item on display, or a wrong one.
    void answer(bool right) {
        const QString solution = label("Label10")->text();
        choose(right ? solution : (solution == "A" ? "B" : "A"));
    }
    void setNumber(int index) { action(QStringLiteral("mnuNúmeroItem_%1").arg(index))->trigger(); }
    void setDelay(int index) { action(QStringLiteral("mnuTiempoItem_%1").arg(index))->trigger(); }
    void setStart(int index) { action(QStringLiteral("beg_%1").arg(index))->trigger(); }
    QString sentence() { return label("Label13")->text(); }
    TestState& state() { return f.screens().state<TestState>(); }

    ProgramFixture& f;
};

// Twenty draws that go round the items of the fixture.
void queueRoundOfDraws(ScriptedPlatform& platform, int count) {
    static const int numbers[] = {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13};
    for (int i = 0; i < count; ++i)
        platform.queueDraws({draw(numbers[i % 12])});
}

QStringList row(const char* hiba, const QString& mondat, const QStringList& answers, const char* felelet1,
                const char* felelet2) {
    return QStringList{QLatin1String(hiba), mondat} + answers +
           QStringList{QLatin1String(felelet1), QLatin1String(felelet2)};
}

} // namespace

class TestTestRun : public QObject {
    Q_OBJECT

private slots:
    void opensWithOnlyStartAndClose() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        Screen* screen = f.screen(ScreenId::Test);
        QCOMPARE(screen->windowTitle(), QString("Lexora English  ----  Test"));
        QVERIFY(isKeptOnTop(screen));
        QCOMPARE(run.button("Command3")->text(), QString("&Start"));
        QVERIFY(shown(run.button("Command3")) && shown(run.button("Command6")));
        for (const char* name : {"Command2", "Command4", "Command5"})
            QVERIFY2(!shown(run.button(name)), name);
        for (const char* name : {"Label13", "Label14", "Label1", "Label11", "Label22", "Label17", "Label19", "Label20"})
            QVERIFY2(!shown(run.label(name)), name);
        QVERIFY(!shown(f.child<QWidget>(ScreenId::Test, "Frame3D1")));
        QVERIFY(!shown(run.gauge()));
        QVERIFY(!run.action("mnuDatabase")->isVisible() && !run.action("mnuDatabase")->isEnabled());
        QVERIFY(!run.action("mnuTest")->isEnabled());
        // The countdown stands enabled with no interval: it does not tick.
        QVERIFY(run.timer("Timer1")->isEnabled());
        QCOMPARE(run.timer("Timer1")->intervalMs(), 0);
        QVERIFY(!run.timer("Timer1")->isActive());
        QVERIFY(!run.timer("Timer2")->isEnabled());
        QCOMPARE(run.timer("Timer2")->intervalMs(), 200);
    }

    void scoreOfWholeRuns_data() {
        QTest::addColumn<bool>("byNumber"); // the run has 20 sentences; otherwise it ends by Evaluation
        QTest::addColumn<int>("items");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("fraction");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<bool>("link");
        QTest::addRow("7 of 20") << true << 20 << 7 << "7/20"
                                 << "35%" << true;
        QTest::addRow("20 of 20") << true << 20 << 20 << "20/20"
                                  << "100%" << false;
        QTest::addRow("1 of 8") << false << 8 << 1 << "1/8"
                                << "12%" << true;
        QTest::addRow("2 of 3") << false << 3 << 2 << "2/3"
                                << "67%" << true;
    }
    void scoreOfWholeRuns() {
        QFETCH(bool, byNumber);
        QFETCH(int, items);
        QFETCH(int, right);
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        if (byNumber)
            run.setNumber(0); // 20
        queueRoundOfDraws(f.platform(), items);
        run.start();
        QCOMPARE(shown(run.button("Command5")), !byNumber);
        for (int i = 0; i < items; ++i) {
            QCOMPARE(run.label("Label22")->text(), QString::number(i + 1));
            run.answer(i < right);
            if (i + 1 < items || byNumber)
                run.next();
            else
                run.evaluate();
        }
        QCOMPARE(f.platform().drawsLeft(), size_t(0));
        QCOMPARE(f.platform().beeps, byNumber ? 1 : 0);
        QVERIFY(f.platform().messages.empty());
        QVERIFY(shown(f.child<QWidget>(ScreenId::Test, "Frame3D2")));
        QVERIFY(!shown(f.child<QWidget>(ScreenId::Test, "Frame3D1")));
        QTEST(run.label("Label18")->text(), "fraction");
        QTEST(run.label("Label21")->text(), "percent");
        QTEST(shown(run.label("Label17")), "link");
        QVERIFY(shown(run.button("Command3")));
        QCOMPARE(run.button("Command3")->text(), QString("Re&start"));
        for (const char* name : {"Command2", "Command4", "Command5"})
            QVERIFY2(!shown(run.button(name)), name);
        QCOMPARE(f.database().failedRows().size(), size_t(1 + items - right));
        QCOMPARE(f.globals().numsent, 0);
        QCOMPARE(f.globals().rightcount, right);
        QCOMPARE(f.globals().itemsdone, items);
    }

    void evaluationAfterARunEndedByItsNumberJudgesNothing() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        run.setNumber(0);
        queueRoundOfDraws(f.platform(), 20);
        run.start();
        for (int i = 0; i < 20; ++i) {
            run.answer(true);
            run.next();
        }
        QCOMPARE(run.label("Label18")->text(), QString("20/20"));
        QVERIFY(!shown(run.button("Command5")));
        run.button("Command5")->click(); // even if it were pressed, nothing is judged again
        QCOMPARE(f.database().failedRows().size(), size_t(1));
        QCOMPARE(run.label("Label18")->text(), QString("20/20"));
        QVERIFY(!shown(run.label("Label17")));
    }

    void failedItemsAreStoredAsShown() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        // Random run: a missing number is drawn again; the stored texts keep their leading blank.
        f.platform().queueDraws({draw(5), draw(3)});
        run.start();
        QCOMPARE(f.platform().reseeds, 2);
        QCOMPARE(run.sentence(), QString(" ...... you like some tea?"));
        run.choose("B");
        run.evaluate();

        // Sequential run from the first starting point: the second row of the table, stored plain.
        run.setStart(0);
        run.start();
        QVERIFY(shown(run.button("Command2")));
        QCOMPARE(run.sentence(), QString("We ...... dinner when the phone rang."));
        run.evaluate(); // no choice: judged with "0"

        const auto rows = f.database().failedRows();
        QCOMPARE(rows.size(), size_t(3));
        QCOMPARE(rows[1], row("B", " ...... you like some tea?", {" Would", " Do", " Are", " Will"},
                              "Would you like some tea?", "A"));
        QCOMPARE(rows[2],
                 row("0", "We ...... dinner when the phone rang.", {"had", "were having", "have", "are having"},
                     "We were having dinner when the phone rang.", "B"));
    }

    // A Database screen can be open beside the Test, and a teacher may delete items there
    // during a run. The failed item is stored as it was shown, solution included, though its
    // row has gone; a run over a table left empty is judged without a word from the store.
    void itemsDeletedDuringARunAreJudgedAsShown() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        f.platform().queueDraws({draw(3)});
        run.start();
        auto table = LiveView::open(f.database().path(), QStringLiteral("test1"));
        table->setIndex(QStringLiteral("sorszam"));
        table->seek(3);
        table->deleteCurrent();
        run.choose("B");
        run.evaluate();
        QVERIFY2(f.platform().messages.empty(), qPrintable(f.platform().messageTexts().join('\n')));
        QCOMPARE(run.label("Label18")->text(), QString("0/1"));
        const auto rows = f.database().failedRows();
        QCOMPARE(rows.size(), size_t(2));
        QCOMPARE(rows[1], row("B", " ...... you like some tea?", {" Would", " Do", " Are", " Will"},
                              "Would you like some tea?", "A"));

        while (table->count() > 0) {
            table->moveFirst();
            table->deleteCurrent();
        }
        run.start(); // nothing left to draw
        run.choose("A");
        run.next();
        run.evaluate();
        run.setStart(0);
        run.start();
        run.evaluate();
        QVERIFY2(f.platform().messages.empty(), qPrintable(f.platform().messageTexts().join('\n')));
        QVERIFY(shown(run.button("Command3")));
    }

    // The highest number is read once per run. A teacher may renumber items on the Database
    // screen since: when none is left at or below it, Start ends without drawing for ever.
    void randomStartEndsWithoutDrawingWhenNoNumberCanBeDrawn() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        f.platform().queueDraws({draw(1)});
        run.start();
        run.evaluate();
        QCOMPARE(run.state().maxno, qint16(kMaxNo));
        auto table = LiveView::open(f.database().path(), QStringLiteral("test1"));
        for (table->moveFirst(); !table->eof(); table->moveNext()) {
            table->edit();
            table->setField(QStringLiteral("sorszam"), 100 + table->text(QStringLiteral("sorszam")).toInt());
            table->update();
        }
        run.start(); // a draw with none scripted would stop the test
        QCOMPARE(f.platform().reseeds, 1);
        QVERIFY(f.platform().messages.empty());
    }

    void aLowerCaseSolutionIsNeverMatched() {
        std::vector<QStringList> items{makeItem(1, 10)};
        items[0][10] = "a";
        ProgramFixture f(items);
        f.prepare();
        Run run(f);
        run.open();
        f.platform().queueDraws({0.0});
        run.start();
        run.choose("A");
        run.evaluate();
        QCOMPARE(run.label("Label18")->text(), QString("0/1"));
        QCOMPARE(f.database().failedRows().at(1).at(0), QString("A"));
    }

    void keysChooseAnswersAndEnterGoesOn() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        Screen* screen = f.screen(ScreenId::Test);
        QVERIFY(QTest::qWaitForWindowActive(screen));
        f.platform().queueDraws({draw(1), draw(2)}); // item 1's answer is B
        run.start();
        QTest::keyClick(screen, 'B');
        QCOMPARE(run.label("Label9")->text(), QString("0"));
        QTest::keyClick(screen, 'b');
        QCOMPARE(run.label("Label9")->text(), QString("B"));
        QVERIFY(f.child<QRadioButton>(ScreenId::Test, "Option3D2")->isChecked());
        QCOMPARE(QApplication::focusWidget(), run.button("Command4"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(f.globals().itemsdone, 2);
        QCOMPARE(f.globals().rightcount, 1);
        QCOMPARE(run.label("Label9")->text(), QString("0"));
        QVERIFY(!f.child<QRadioButton>(ScreenId::Test, "Option3D2")->isChecked()); // cleared for the new item
    }

    void countdownJudgesAnUntouchedItemAsFailed() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        run.setDelay(0); // 10 s
        f.platform().queueDraws({draw(1), draw(2)});
        run.start();
        IntervalTimer* countdown = run.timer("Timer1");
        QVERIFY(countdown->ticks());
        QCOMPARE(countdown->intervalMs(), 10000);
        QVERIFY(shown(run.gauge()));
        QCOMPARE(run.gauge()->gaugeMaximum(), 9000);
        QVERIFY(run.timer("Timer2")->ticks());
        QVERIFY(run.action("mnuStart")->isEnabled()); // a timed run leaves the starting points available

        f.fireTimer(ScreenId::Test, "Timer1");
        QCOMPARE(f.platform().beeps, 1);
        QCOMPARE(f.globals().itemsdone, 2);
        QCOMPARE(run.label("Label22")->text(), QString("2"));
        const auto rows = f.database().failedRows();
        QCOMPARE(rows.size(), size_t(2));
        QCOMPARE(rows[1].at(0), QString("0"));
        QCOMPARE(rows[1].at(1), QString(" She ...... to school every morning."));
        QVERIFY(countdown->isActive()); // the next item gets its full time
    }

    void countdownIsSilentWithoutATimeLimit() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        f.platform().queueDraws({draw(1)});
        run.start();
        f.fireTimer(ScreenId::Test, "Timer1");
        QCOMPARE(f.platform().beeps, 0);
        QCOMPARE(f.globals().itemsdone, 1);
        QCOMPARE(f.database().failedRows().size(), size_t(1));
    }

    void gaugeFillsAndClipsAboveItsMaximum() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        run.setDelay(0);
        f.platform().queueDraws({draw(1), draw(2)});
        run.start();
        ClippingGauge* gauge = run.gauge();
        for (int tick = 0; tick < 44; ++tick)
            f.fireTimer(ScreenId::Test, "Timer2");
        QCOMPARE(gauge->gaugeValue(), 8800); // 200 a tick up to 200 below the maximum
        f.fireTimer(ScreenId::Test, "Timer2");
        QCOMPARE(gauge->gaugeValue(), 8850); // then 50 a tick
        for (int tick = 0; tick < 23; ++tick)
            f.fireTimer(ScreenId::Test, "Timer2");
        QCOMPARE(gauge->gaugeValue(), 10000);
        QCOMPARE(gauge->shownValue(), gauge->shownMaximum()); // above the maximum: shown full
        QVERIFY(run.timer("Timer2")->isEnabled());
        f.fireTimer(ScreenId::Test, "Timer2");
        QVERIFY(!run.timer("Timer2")->isEnabled()); // the bar stops at the delay
        QCOMPARE(gauge->gaugeValue(), 10000);
    }

    void nextRestartsCountdownAndBar() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        run.setDelay(2); // 30 s
        run.setStart(0);
        run.start();
        QVERIFY(shown(run.button("Command2")));
        QCOMPARE(run.gauge()->gaugeMaximum(), 27000);
        for (int tick = 0; tick < 5; ++tick)
            f.fireTimer(ScreenId::Test, "Timer2");
        QCOMPARE(run.gauge()->gaugeValue(), 1000);
        run.setDelay(0); // a new delay rescales the bar at the next sequential Next; the countdown keeps 30 s
        run.next();
        QCOMPARE(run.gauge()->gaugeValue(), 0);
        QCOMPARE(run.gauge()->gaugeMaximum(), 9000);
        QCOMPARE(run.timer("Timer1")->intervalMs(), 30000);
        QCOMPARE(run.label("Label23")->text(), QString("10 s"));
    }

    void evaluationButtonFollowsTheNumberOfSentences() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        run.setNumber(1); // 30
        queueRoundOfDraws(f.platform(), 3);
        run.start();
        QVERIFY(!shown(run.button("Command5")));
        run.next();
        run.next();
        QVERIFY(!shown(run.button("Command5")));
        QCOMPARE(f.globals().itemsdone, 3); // no end before the number
    }

    void startingPointMenuIsGreyedByAnUntimedRandomRun() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        QAction* startMenu = run.action("mnuStart");
        f.platform().queueDraws({draw(1)});
        run.start();
        QVERIFY(!startMenu->isEnabled());
        run.evaluate();
        QVERIFY(startMenu->isEnabled());

        // A run that ends by its number leaves it greyed until the screen is opened anew.
        run.setNumber(0);
        queueRoundOfDraws(f.platform(), 20);
        run.start();
        for (int i = 0; i < 20; ++i)
            run.next();
        QVERIFY(shown(run.button("Command3")));
        QVERIFY(!startMenu->isEnabled());
        run.action("mnuLexora")->trigger();
        ProgramFixture::settle();
        run.open();
        QVERIFY(run.action("mnuStart")->isEnabled());
    }

    void startingPointsBeginSequentialRuns_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<QString>("first");
        QTest::addRow("&1: every row qualifies, the second row comes first") << 0 << "sorrend2 > 0"
                                                                             << "We ...... dinner when the phone rang.";
        QTest::addRow("&101") << 2 << "sorrend2 > 440"
                              << "If I ...... you, I would apologise.";
        QTest::addRow("551") << 11 << "sorrend2 > 2440"
                             << "If I ...... you, I would apologise.";
        QTest::addRow("&601") << 12 << "sorrend2 > 2640"
                              << "He denied ...... the money.";
    }
    void startingPointsBeginSequentialRuns() {
        QFETCH(int, entry);
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        run.setStart(entry);
        QTEST(run.state().startcrit, "criterion");
        QCOMPARE(run.state().startset, 1);
        for (int i = 0; i < 13; ++i) // the check marks of this menu never move
            QCOMPARE(run.action(QStringLiteral("beg_%1").arg(i))->isChecked(), i == 0);
        run.start();
        QVERIFY(shown(run.button("Command2")));
        QVERIFY(!shown(run.button("Command4")));
        QVERIFY(run.action("mnuStart")->isEnabled());
        QTEST(run.sentence(), "first");
        QCOMPARE(run.label("Label22")->text(), QString("1"));
        QCOMPARE(f.platform().drawsLeft(), size_t(0)); // nothing drawn
    }

    void sequentialRunGoesRoundToTheFirstRow() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        run.setStart(0); // starts at the second of 12 rows
        run.start();
        for (int i = 0; i < 10; ++i)
            run.next();
        QCOMPARE(run.sentence(), QString("I don't have ...... money left."));
        run.next();
        QCOMPARE(run.sentence(), QString("She ...... to school every morning."));
        QCOMPARE(run.label("Label22")->text(), QString("12"));
        QCOMPARE(f.globals().itemno, 12);
        QCOMPARE(f.globals().itemsdone, 12);
    }

    void startingPointDuringARandomRunChangesNothing() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        run.setDelay(0); // the menu stays available in a timed run
        f.platform().queueDraws({draw(3), draw(7)});
        run.start();
        run.setStart(2);
        QCOMPARE(run.sentence(), QString(" ...... you like some tea?"));
        QCOMPARE(run.label("Label10")->text(), QString("A"));
        run.choose("A");
        run.next();
        QCOMPARE(f.globals().rightcount, 1);
        QCOMPARE(run.sentence(), QString(" He has two ......"));
    }

    void settingsShowTheirChoices() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        QVERIFY(run.action("mnuNúmeroItem_0")->isChecked());
        QVERIFY(run.action("mnuTiempoItem_0")->isChecked());
        QVERIFY(run.action("beg_0")->isChecked());
        QCOMPARE(run.action("mnuNúmeroItem_3")->text(), QString("50"));
        QCOMPARE(run.action("mnuTiempoItem_1")->text(), QString("20sec"));
        QCOMPARE(run.action("beg_12")->text(), QString("&601"));
        QCOMPARE(run.action("beg_11")->text(), QString("551"));

        run.setNumber(1);
        run.setNumber(3);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(run.action(QStringLiteral("mnuNúmeroItem_%1").arg(i))->isChecked(), i == 3);
        QCOMPARE(f.globals().numsent, 50);
        QVERIFY(shown(run.label("Label19")) && shown(run.label("Label25")));
        QCOMPARE(run.label("Label25")->text(), QString("50"));
        QCOMPARE(run.label("Label19")->property("caption").toString(), QString("&Number of sentences..."));
        QVERIFY(!shown(run.label("Label20")));

        run.setDelay(1);
        run.setDelay(1); // choosing the checked entry again keeps its mark
        for (int i = 0; i < 3; ++i)
            QCOMPARE(run.action(QStringLiteral("mnuTiempoItem_%1").arg(i))->isChecked(), i == 1);
        QCOMPARE(f.globals().delay, 20000);
        QCOMPARE(run.label("Label23")->text(), QString("20 s"));
        QVERIFY(shown(run.label("Label20")) && shown(run.label("Label23")));
    }

    void settingsSurviveTheTasksMenuButNotClose() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        f.platform().queueDraws({draw(1)});
        run.start(); // a random run reads the highest item number once
        run.evaluate();
        run.setNumber(2);
        run.setDelay(2);
        run.setStart(4);
        run.action("mnuPractice")->trigger();
        ProgramFixture::settle();
        QVERIFY(!f.screens().isLoaded(ScreenId::Test));
        QVERIFY(f.screens().isLoaded(ScreenId::Practice));
        QCOMPARE(f.globals().numsent, 40);
        QCOMPARE(f.globals().delay, 30000);
        QCOMPARE(run.state().startset, 1);
        QCOMPARE(run.state().maxno, qint16(kMaxNo));

        run.open(); // a fresh window: design check marks, labels hidden, values in force
        QVERIFY(run.action("mnuNúmeroItem_0")->isChecked());
        QVERIFY(!shown(run.label("Label25")));
        QCOMPARE(run.state().startcrit, QString("sorrend2 > 880"));
        run.start();
        QVERIFY(shown(run.button("Command2")));
        QCOMPARE(run.timer("Timer1")->intervalMs(), 30000);

        run.click("Command6");
        ProgramFixture::settle();
        QVERIFY(!f.screens().isLoaded(ScreenId::Test));
        QVERIFY(f.screens().isLoaded(ScreenId::Hub));
        QCOMPARE(f.globals().numsent, 0);
        QCOMPARE(f.globals().delay, 0);
        QCOMPARE(run.state().startset, 0);
        QCOMPARE(run.state().startcrit, QString("sorrend2 > 880"));
    }

    void evaluationResetsTheSettings() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        run.setDelay(0);
        run.setStart(0);
        run.start();
        run.evaluate();
        QCOMPARE(f.globals().delay, 0);
        QCOMPARE(run.state().startset, 0);
        QVERIFY(!run.timer("Timer1")->isEnabled());
        QVERIFY(!shown(run.gauge()));
        QVERIFY(!shown(run.label("Label23")) && run.label("Label23")->text().isEmpty());
        f.platform().queueDraws({draw(2)});
        run.start(); // random and untimed now
        QVERIFY(shown(run.button("Command4")));
        QVERIFY(!shown(run.gauge()));
    }

    void reviewLinkHandsOverTheTopMostPlace() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        f.platform().queueDraws({draw(1)});
        run.start();
        run.evaluate();
        QTest::mouseClick(run.label("Label17"), Qt::LeftButton);
        Screen* review = f.screen(ScreenId::FailedItems);
        QVERIFY(review && review->isVisible());
        QVERIFY(isKeptOnTop(review));
        QVERIFY(!isKeptOnTop(f.screen(ScreenId::Test)));
        QVERIFY(!shown(run.label("Label17")));
        QVERIFY(!shown(f.child<QWidget>(ScreenId::Test, "Frame3D2")));

        QTest::mouseClick(f.child<QPushButton>(ScreenId::FailedItems, "Command6"), Qt::LeftButton);
        ProgramFixture::settle();
        QVERIFY(!f.screens().isLoaded(ScreenId::FailedItems));
        QVERIFY(isKeptOnTop(f.screen(ScreenId::Test)));
        QCOMPARE(f.database().failedRows().size(), size_t(1));
    }

    void closeEmptiesAReviewLoadedHidden() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        f.platform().queueDraws({draw(1), draw(2)});
        run.start();
        run.next();
        run.evaluate();
        QCOMPARE(f.database().failedRows().size(), size_t(3));
        f.screens().hide(ScreenId::FailedItems); // as the other screens' Tasks entries leave it
        run.click("Command6");
        ProgramFixture::settle();
        QVERIFY(!f.screens().isLoaded(ScreenId::FailedItems));
        QCOMPARE(f.database().failedRows().size(), size_t(1));
        QVERIFY(f.platform().messages.empty());
    }

    void storeFailuresNeverEndTheProgram() {
        ProgramFixture f;
        f.prepare();
        f.database().setReadOnly();
        Run run(f);
        run.open();
        f.platform().queueDraws({draw(1)});
        run.start();
        run.choose("A"); // wrong
        run.next();      // cannot store the failed item: the learner is told and stays on the item
        QCOMPARE(f.platform().messages.size(), size_t(1));
        QVERIFY2(f.platform().messages[0].text.contains("cannot be written"),
                 qPrintable(f.platform().messages[0].text));
        QCOMPARE(f.globals().itemsdone, 1);
        run.evaluate(); // the failure is reported and the score shown all the same
        QCOMPARE(f.platform().messages.size(), size_t(2));
        QCOMPARE(f.platform().messages[1].icon, MessageIcon::Stop);
        QCOMPARE(run.label("Label18")->text(), QString("0/1"));
        QVERIFY(shown(run.button("Command3")));
        QCOMPARE(f.platform().endProcessCalls, 0);
    }

    void closeBoxActsAsClose() {
        ProgramFixture f;
        f.prepare();
        Run run(f);
        run.open();
        run.setNumber(0);
        f.screen(ScreenId::Test)->close();
        ProgramFixture::settle();
        QVERIFY(!f.screens().isLoaded(ScreenId::Test));
        QVERIFY(f.screens().isLoaded(ScreenId::Hub));
        QCOMPARE(f.globals().numsent, 0);
    }

    void captionsInTheWorkingLanguage_data() {
        QTest::addColumn<int>("langcode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("startMenu");
        QTest::addColumn<QString>("evaluation");
        QTest::addRow("English") << 16 << "Lexora English  ----  Test"
                                 << "&Next"
                                 << "&Starting point..."
                                 << "E&valuation";
        QTest::addRow("Hungarian") << 116 << "Lexora English  ----  Teszt"
                                   << "To&vább"
                                   << "&Kezdõpont..."
                                   << "Értéke&lés";
        QTest::addRow("Spanish") << 216 << "Lexora English  ----  Test"
                                 << "Si&guiente"
                                 << "P&unto de partida..."
                                 << "&Evaluación";
        QTest::addRow("French") << 316 << "Lexora English  ----  Test"
                                << "&Suivant"
                                << "&Point de départ..."
                                << "Éval&uation";
    }
    void captionsInTheWorkingLanguage() {
        QFETCH(int, langcode);
        ProgramFixture f;
        f.prepare(langcode);
        Run run(f);
        run.open();
        QTEST(f.screen(ScreenId::Test)->windowTitle(), "title");
        QTEST(run.button("Command4")->text(), "next");
        QTEST(run.button("Command2")->text(), "next");
        QTEST(run.action("mnuStart")->text(), "startMenu");
        QTEST(run.button("Command5")->text(), "evaluation");
        QCOMPARE(run.action("mnuLexora")->text(), QString("&Lexora"));
        QCOMPARE(run.state().tasktitle, f.screen(ScreenId::Test)->windowTitle().section("  ----  ", 1));
    }
};

QTEST_MAIN(TestTestRun)
#include "test_testrun.moc"
