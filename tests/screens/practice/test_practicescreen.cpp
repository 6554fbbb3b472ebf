// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Practice screen: opening, Start, answer checking, keys, Solution and moving between items.

#include "practicedriver.h"

#include "app/window.h"

#include <QApplication>
#include <QDir>

using namespace lexora;
using namespace lexora::testing;

namespace {

const QString kItem6 = QStringLiteral(" There ...... a lot of people at the station.");
const QString kItem8 = QStringLiteral(" The house ...... was built in 1900 is ours.");
const QString kItem4 = QStringLiteral(" If I ...... you, I would apologise.");
const QString kItem12 = QStringLiteral(" He denied ...... the money.");
constexpr int kFixtureMaxno = 13;

} // namespace

class TestPracticeScreen : public QObject {
    Q_OBJECT

private slots:
    void opensWithOnlyStartAndClose() {
        ProgramFixture f;
        PracticeDriver p(f);
        QVERIFY(shown(p.button(3)));
        QVERIFY(shown(p.button(6)));
        for (int n : {1, 2, 4, 5, 7, 8, 9, 10})
            QVERIFY2(!shown(p.button(n)), qPrintable(QString("Command%1").arg(n)));
        for (int n : {1, 2, 3, 4, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 27, 28, 29, 30, 31, 32})
            QVERIFY2(!shown(p.label(n)), qPrintable(QString("Label%1").arg(n)));
        QVERIFY(!shown(p.f.child<QWidget>(ScreenId::Practice, "Frame3D1")));
        QVERIFY(isKeptOnTop(p.screen));
        QCOMPARE(p.state().seqmode, 0);
        QCOMPARE(p.state().selection->count(), 12);
        QCOMPARE(p.state().selection->text("sorszam"), QString("13")); // lowest sorrend2 first
    }

    void randomStartDrawsAndShowsTheFirstItem() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.startRandom(6, kFixtureMaxno);
        QCOMPARE(p.sentence(), kItem6);
        QCOMPARE(p.label(14)->text(), QString(" is"));
        QCOMPARE(p.label(12)->text(), QString(" was"));
        QCOMPARE(p.label(15)->text(), QString(" be"));
        QCOMPARE(p.label(16)->text(), QString(" were"));
        QCOMPARE(p.label(27)->text(), QString("2"));
        QCOMPARE(p.label(22)->text(), QString("1"));
        QCOMPARE(f.globals().itemsdone, 1);
        QCOMPARE(f.globals().seekkey, 6);
        QCOMPARE(p.state().maxno, qint16(kFixtureMaxno));
        QCOMPARE(f.platform().reseeds, 1);
        QVERIFY(shown(p.button(10)) && !shown(p.button(2)) && !shown(p.button(3)));
        for (int n : {5, 7, 8, 9})
            QVERIFY(!shown(p.button(n)));
        QVERIFY(!p.shows(23) && !p.shows(17) && !p.shows(18) && !p.shows(19) && !p.shows(20));
        QVERIFY(p.shows(13) && p.shows(22) && p.shows(11) && shown(p.button(1)));
        QVERIFY(!p.menu("mnuStart")->menuAction()->isEnabled());
        QCOMPARE(p.screen->defaultButton(), nullptr);
    }

    void eachChoiceIsCheckedAgainAndCaseCounts() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.startRandom(6, kFixtureMaxno); // the answer is D
        p.choose('D');
        QVERIFY(p.shows(19) && !p.shows(20));
        QCOMPARE(p.label(9)->text(), QString("D"));
        p.choose('C');
        QVERIFY(!p.shows(19) && p.shows(20));
        p.choose('D');
        QVERIFY(p.shows(19) && !p.shows(20));

        ProgramFixture lower({makeItem(1, 10, 1, "1", "0", "b")});
        PracticeDriver q(lower);
        q.startRandom(1, 1);
        for (char letter : {'A', 'B', 'C', 'D'}) {
            q.choose(letter);
            QVERIFY2(q.shows(20) && !q.shows(19), "a small letter is never the right answer");
        }
    }

    void onlyLowerCaseKeysChooseAnswers() {
        ProgramFixture f;
        PracticeDriver p(f);
        QTest::keyClick(p.button(3), 'a'); // before Start there is no item to answer
        QVERIFY(!p.shows(19) && !p.shows(20));
        QVERIFY(p.option(1)->isChecked());

        p.startRandom(6, kFixtureMaxno);
        QWidget* target = p.button(1);
        QTest::keyClick(target, 'C', Qt::ShiftModifier);
        QVERIFY(p.option(1)->isChecked());
        QVERIFY(!p.shows(19) && !p.shows(20));
        QTest::keyClick(target, 'd');
        QVERIFY(p.option(5)->isChecked());
        QVERIFY(p.shows(19));
        QTest::keyClick(target, 'b');
        QVERIFY(p.option(3)->isChecked());
        QCOMPARE(p.label(9)->text(), QString("B"));
        QVERIFY(p.shows(20) && !p.shows(19));
        QTest::keyClick(target, 'a');
        QVERIFY(p.option(2)->isChecked());
    }

    void solutionBeforeAnyChoiceShowsNoBox() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.startRandom(6, kFixtureMaxno);
        p.click(1);
        QVERIFY(p.shows(17) && p.shows(18));
        QCOMPARE(p.label(18)->text(), QString("D"));
        QCOMPARE(p.label(17)->text(), QString("There were a lot of people at the station."));
        QVERIFY(!p.shows(19) && !p.shows(20));
        QCOMPARE(QApplication::focusWidget(), p.button(10));
    }

    void enterPressesNextOnlyInSequentialMode() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.startRandom(6, kFixtureMaxno);
        p.option(2)->setFocus();
        QTest::keyClick(p.option(2), Qt::Key_Return); // no default button: nothing is drawn
        QCOMPARE(f.globals().itemsdone, 1);
        p.button(1)->setFocus();
        QTest::keyClick(p.button(1), Qt::Key_Return); // the focused button is pressed
        QVERIFY(p.shows(17));

        ProgramFixture g;
        PracticeDriver q(g);
        q.level(2);
        q.click(3);
        QCOMPARE(q.screen->defaultButton(), q.button(2));
        QCOMPARE(QApplication::focusWidget(), q.button(2));
        q.option(2)->setFocus();
        QTest::keyClick(q.option(2), Qt::Key_Return);
        QCOMPARE(g.globals().itemsdone, 2);
        QCOMPARE(q.label(30)->text(), QString("2"));
    }

    void sequentialNextRestartsAfterTheLastItem() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.level(2); // level 3 has three items: numbers 8, 4 and 12 in sorrend2 order
        p.click(3);
        QCOMPARE(p.sentence(), kItem8);
        QCOMPARE(p.label(22)->text(), QString("1"));
        p.choose('A');
        p.click(1);
        p.click(2);
        QCOMPARE(p.sentence(), kItem4);
        QVERIFY(!p.shows(17) && !p.shows(18) && !p.shows(19) && !p.shows(20));
        QVERIFY(p.option(1)->isChecked());
        p.click(2);
        QCOMPARE(p.sentence(), kItem12);
        QCOMPARE(p.label(30)->text(), QString("3"));
        p.click(2);
        QCOMPARE(f.platform().messages.size(), size_t(1));
        const auto& restart = f.platform().messages.front();
        QVERIFY(restart.text.startsWith("You have reached the last record."));
        QCOMPARE(restart.title, QString("Practice"));
        QCOMPARE(restart.icon, MessageIcon::Stop);
        QCOMPARE(p.label(22)->text(), QString("3"));
        QCOMPARE(p.sentence(), kItem8);
        QCOMPARE(p.label(30)->text(), QString("1"));
        QCOMPARE(p.label(31)->text(), QString("3"));
        p.click(2);
        QCOMPARE(p.sentence(), kItem4);
        QCOMPARE(p.label(22)->text(), QString("4"));
    }

    void recordButtonsStopAtBothEnds() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.level(2);
        p.click(3);
        QVERIFY(shown(p.button(5)) && shown(p.button(7)) && shown(p.button(8)) && shown(p.button(9)) && p.shows(23));
        p.click(7);
        QCOMPARE(f.platform().messageTexts(), QStringList{"This is the first record."});
        QCOMPARE(f.platform().messages.back().icon, MessageIcon::Information);
        QCOMPARE(p.sentence(), kItem8);
        QCOMPARE(p.label(30)->text(), QString("1"));

        p.click(9);
        QCOMPARE(p.sentence(), kItem12);
        QCOMPARE(p.label(30)->text(), p.label(31)->text());
        p.click(8);
        QCOMPARE(f.platform().messageTexts().last(), QString("This is the last record."));
        QCOMPARE(p.sentence(), kItem12);
        QCOMPARE(p.label(30)->text(), QString("3"));
        // Moving back from the end counts from the item that stayed on display.
        p.click(7);
        QCOMPARE(p.sentence(), kItem4);
        QCOMPARE(p.label(30)->text(), QString("2"));
        p.choose('B');
        p.click(5);
        QCOMPARE(p.sentence(), kItem8);
        QCOMPARE(p.label(30)->text(), QString("1"));
        QVERIFY(p.option(1)->isChecked() && !p.shows(19) && !p.shows(20));
        QCOMPARE(f.globals().itemsdone, 1); // record moves are not counted
    }

    void randomDrawRepeatsNumbersThatNameNoItem() {
        ProgramFixture f({makeItem(1, 10), makeItem(2, 20, 2), makeItem(5, 30, 3)});
        PracticeDriver p(f);
        f.platform().queueDraws(
            {ScriptedPlatform::drawFor(3, 5), ScriptedPlatform::drawFor(4, 5), ScriptedPlatform::drawFor(5, 5)});
        p.click(3);
        QCOMPARE(p.sentence(), QString(" Sentence 5 with a ...... in it."));
        QCOMPARE(f.platform().drawsLeft(), size_t(0));
        QCOMPARE(f.platform().reseeds, 3);
        QCOMPARE(f.globals().seekkey, 5);
        f.platform().queueDraws({ScriptedPlatform::drawFor(2, 5)});
        p.click(10);
        QCOMPARE(p.sentence(), QString(" Sentence 2 with a ...... in it."));
        QCOMPARE(p.label(22)->text(), QString("2"));
        QVERIFY(f.globals().rstable);
    }

    void randomNextEndsWithoutDrawingWhenNoNumberCanBeDrawn() {
        // The highest number is read once per run; items renumbered since then lie above it.
        ProgramFixture f({makeItem(10, 10), makeItem(11, 20)});
        PracticeDriver p(f);
        p.state().maxno = 3;
        p.click(3); // a draw with none scripted would stop the test
        QCOMPARE(f.platform().reseeds, 0);
        QCOMPARE(p.sentence(), QString());
        QVERIFY(!shown(p.button(5))); // Start went on to its end

        ProgramFixture g({makeItem(0, 10), makeItem(-4, 20)});
        PracticeDriver q(g);
        q.click(3);
        QCOMPARE(g.platform().reseeds, 0);
        QCOMPARE(q.sentence(), QString());
    }

    void emptyItemTableOpensAndDrawsNothing() {
        ProgramFixture f(std::vector<QStringList>{});
        PracticeDriver p(f);
        QVERIFY(shown(p.button(3)));
        QVERIFY(f.platform().messages.empty());
        p.click(3);
        QCOMPARE(f.platform().reseeds, 0);
        QVERIFY(shown(p.button(10)));
        p.level(0);
        QCOMPARE(f.platform().messageTexts(), QStringList{"No match. Choose other topic."});
    }

    void emptyFieldsShowAsEmptyTexts() {
        QStringList item = makeItem(1, 10);
        item[8] = QString(); // d
        item[9] = QString(); // felelet1
        ProgramFixture f({item});
        PracticeDriver p(f);
        p.startRandom(1, 1);
        QCOMPARE(p.label(16)->text(), QString(" "));
        p.click(1);
        QCOMPARE(p.label(17)->text(), QString());
        QCOMPARE(p.label(14)->text(), QString(" a1"));
    }

    void missingDatabaseIsReported() {
        ProgramFixture f;
        f.prepare();
        f.globals().dbpath = f.database().dir() + "none.mdb";
        QVERIFY(f.show(ScreenId::Practice));
        QCOMPARE(f.platform().messages.size(), size_t(1));
        QCOMPARE(f.platform().messages[0].title, QString("Practice"));
        QCOMPARE(f.platform().messages[0].icon, MessageIcon::Stop);
        // Nothing to select from: each choice tells again which file is missing.
        f.child<QAction>(ScreenId::Practice, "mnuNivelItem_1")->trigger();
        f.child<QAction>(ScreenId::Practice, "mnuTopicItem_1")->trigger();
        for (const auto& told : f.platform().messages)
            QVERIFY2(told.text.contains("none.mdb"), qPrintable(told.text));
        QVERIFY(f.screens().isLoaded(ScreenId::Practice));
    }

    void levelCaptionOpensTheDesignDatabaseOnlyWhereItIs() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.level(1);
        const QString before = p.sentence();
        QTest::mouseClick(p.label(28), Qt::LeftButton);
        QCOMPARE(p.sentence(), before);
        QVERIFY(f.platform().messages.empty());
        QCOMPARE(p.state().selection->count(), 4);

        // Where the file stands at that path, its items with kulcs2 "9" are selected.
        TempDatabase design({makeItem(3, 30, 2, "1", "9"), makeItem(1, 10, 1, "1", "a"), makeItem(2, 20, 3, "2", "9")},
                            QStringLiteral("c:\\orrery\\en_data1.mdb"));
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(design.dir());
        QTest::mouseClick(p.label(28), Qt::LeftButton);
        QDir::setCurrent(cwd);
        QCOMPARE(p.state().selection->count(), 2);
        QCOMPARE(p.sentence(), QString(" Sentence 3 with a ...... in it.")); // the stored order, not sorszam
        QCOMPARE(p.label(27)->text(), QString("2"));
        QCOMPARE(p.state().seqmode, 1);
        QCOMPARE(p.label(30)->text(), QString("1")); // no counting, no visibility change
    }

    void closeAndCloseBoxReturnToTheHub() {
        ProgramFixture f;
        PracticeDriver p(f);
        p.startRandom(6, kFixtureMaxno);
        p.click(6);
        ProgramFixture::settle();
        QVERIFY(!f.screens().isLoaded(ScreenId::Practice));
        QVERIFY(f.screens().isLoaded(ScreenId::Hub));
        QCOMPARE(f.screens().state<PracticeState>().maxno, qint16(kFixtureMaxno)); // kept for the run

        f.screens().unload(ScreenId::Hub);
        Screen* again = f.show(ScreenId::Practice);
        QVERIFY(shown(again->findChild<QPushButton*>("Command3")));
        QCOMPARE(f.screens().state<PracticeState>().seqmode, 0);
        again->close();
        ProgramFixture::settle();
        QVERIFY(!f.screens().isLoaded(ScreenId::Practice));
        QVERIFY(f.screens().isLoaded(ScreenId::Hub));
    }
};

QTEST_MAIN(TestPracticeScreen)
#include "test_practicescreen.moc"
