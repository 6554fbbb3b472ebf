// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Practice takes a level or a topic from the items as the table holds them at that moment:
// the hub brought back beside an open Practice screen can reshuffle them, and the Database
// screen can re-tag them, while the screen stays open.

#include "practicedriver.h"

#include "app/clickablelabel.h"
#include "data/itemview.h"
#include "screens/hub/reshuffle.h"

using namespace lexora;
using namespace lexora::testing;

namespace {

// Items 1, 2 and 4 are of level 1; items 1, 2 and 3 of topic 11 (kulcs1 "2"); none of topic 19.
std::vector<QStringList> fiveItems() {
    return {makeItem(1, 10, 1, "2", "0"), makeItem(2, 20, 1, "2", "0"), makeItem(3, 30, 2, "2", "0"),
            makeItem(4, 40, 1, "1", "0"), makeItem(5, 50, 2, "1", "0")};
}

// The item numbers of the Practice selection, walked from its first row.
QStringList walk(PracticeDriver& p) {
    SnapshotView& selection = *p.state().selection;
    QStringList numbers;
    for (selection.moveFirst(); !selection.eof(); selection.moveNext())
        numbers << selection.text(QStringLiteral("sorszam"));
    selection.moveFirst();
    return numbers;
}

// Runs the hub's reshuffle beside the open Practice screen, giving the rows (in stored
// order) the places 53, 43, 33, 23, 13: the sequence is turned round.
void reshuffleOnTheHub(ProgramFixture& f) {
    f.show(ScreenId::Hub);
    for (int place : {53, 43, 33, 23, 13})
        f.platform().queueDraws({ScriptedPlatform::drawFor(place, Reshuffle::range)});
    QTest::mouseClick(f.child<ClickableLabel>(ScreenId::Hub, QStringLiteral("change")), Qt::LeftButton);
    QVERIFY(f.screens().isLoaded(ScreenId::Practice));
}

} // namespace

class TestPracticeFreshItems : public QObject {
    Q_OBJECT

private slots:
    void levelAndTopicWalkTheSequenceOfNow() {
        ProgramFixture f(fiveItems());
        PracticeDriver p(f);
        p.level(0);
        QCOMPARE(walk(p), (QStringList{"1", "2", "4"}));

        reshuffleOnTheHub(f);
        if (QTest::currentTestFailed())
            return;
        p.level(0);
        QCOMPARE(walk(p), (QStringList{"4", "2", "1"}));
        QCOMPARE(p.label(31)->text(), QString("3"));
        p.topic(11);
        QCOMPARE(walk(p), (QStringList{"3", "2", "1"}));
        QCOMPARE(p.sentence(), QString(" Sentence 3 with a ...... in it."));
        QVERIFY(f.platform().messages.empty());
    }

    void aTopicCountsAnItemTaggedOnTheDatabaseScreen() {
        ProgramFixture f(fiveItems());
        PracticeDriver p(f);
        p.topic(19);
        QCOMPARE(f.platform().messages.size(), size_t(1)); // no item of the topic yet
        QCOMPARE(p.state().selection->count(), 0);

        f.show(ScreenId::Database);
        f.child<QAction>(ScreenId::Database, QStringLiteral("mnuTopicItem_19"))->trigger();
        QVERIFY(f.screens().isLoaded(ScreenId::Practice));

        p.topic(19);
        QCOMPARE(f.platform().messages.size(), size_t(1));
        QCOMPARE(walk(p), QStringList{"1"});
        QCOMPARE(p.label(31)->text(), QString("1"));
        p.topic(11);
        QCOMPARE(walk(p), (QStringList{"2", "3"}));
    }
};

QTEST_MAIN(TestPracticeFreshItems)
#include "test_practicefreshitems.moc"
