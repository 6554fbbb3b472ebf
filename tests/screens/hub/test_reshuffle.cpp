// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/realplatform.h"
#include "text/messages.h"
#include "data/itemview.h"
#include "data/sqlitedb.h"
#include "screens/hub/reshuffle.h"

#include "core/rawsql.h"
#include "ui/programfixture.h"

#include <QLabel>

#include <map>
#include <set>

using namespace lexora;
using namespace lexora::testing;

namespace {

// sorrend2 of every item, by item number.
std::map<int, int> sequence(const TempDatabase& db) {
    std::map<int, int> order;
    for (const QStringList& item : db.items().items)
        order[item[0].toInt()] = item[2].toInt();
    return order;
}

// Items 1..count whose old places are spread over the whole draw range, every `spacing` values.
std::vector<QStringList> numberedItems(int count, int spacing = 1) {
    std::vector<QStringList> items;
    for (int i = 1; i <= count; ++i)
        items.push_back(makeItem(i, i * spacing));
    return items;
}

Reshuffle::Result reshuffle(const TempDatabase& db, Platform& platform) {
    auto view = LiveView::open(db.path(), QStringLiteral("test1"));
    return Reshuffle(*view, platform).run();
}

double draw(int value) {
    return ScriptedPlatform::drawFor(value, Reshuffle::range);
}

} // namespace

class TestReshuffle : public QObject {
    Q_OBJECT

private slots:
    void drawBecomesAValueFromOneTo3000_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("n");
        QTest::addRow("zero") << 0.0 << 1;
        QTest::addRow("half") << 0.5 << 1501;
        QTest::addRow("just below the threshold") << draw(1500) << 1500;
        QTest::addRow("largest") << draw(3000) << 3000;
        // In single precision a draw this close to 1 rounds to 1; it must still give 3000.
        QTest::addRow("rounds up to one") << 0.99999999999 << 3000;
        // Single precision: the third rounds up to 1000.00003, so the value is 1001, not 1000.
        QTest::addRow("single precision") << 0.3333333333 << 1001;
    }
    void drawBecomesAValueFromOneTo3000() {
        QFETCH(double, r);
        QFETCH(int, n);
        QCOMPARE(Reshuffle::candidate(r), n);
    }

    void walkDirectionAndRangeGuard_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("next"); // 0 = the walk would leave the range
        QTest::addRow("low first draw walks up") << 10 << 1499 << 11;
        QTest::addRow("high first draw walks down") << 10 << 1500 << 9;
        QTest::addRow("down past zero") << 0 << 2000 << -1;
        QTest::addRow("top of the range") << 32767 << 5 << 0;
        QTest::addRow("bottom of the range") << -32768 << 2999 << 0;
    }
    void walkDirectionAndRangeGuard() {
        QFETCH(int, n);
        QFETCH(int, first);
        QFETCH(int, next);
        const std::optional<int> stepped = Reshuffle::step(n, first);
        QCOMPARE(stepped.value_or(0), next);
    }

    void valuesAreDistinctAndWithinTheDrawRange() {
        TempDatabase db(numberedItems(1499, 2));
        RealPlatform platform;
        const Reshuffle::Result result = reshuffle(db, platform);
        QCOMPARE(int(result.outcome), int(Reshuffle::Outcome::Reordered));
        QCOMPARE(result.rows, 1499);
        QVERIFY(result.collisions > 0); // old values and earlier writes were in the way
        std::set<int> values;
        for (const auto& [number, value] : sequence(db)) {
            QVERIFY2(value >= 1 && value <= 3000, qPrintable(QString::number(value)));
            values.insert(value);
        }
        QCOMPARE(values.size(), size_t(1499));
    }

    // Row 1 draws 2000, taken by row 2, and 1999 by row 3: it walks down to 1998.
    // Rows 2 and 3 both draw 5: row 3 walks up to 6.
    void takenValueWalksToTheNearestFreeOneInItsDirection() {
        TempDatabase db({makeItem(1, 10), makeItem(2, 2000), makeItem(3, 1999)});
        ScriptedPlatform platform;
        platform.queueDraws({draw(2000), draw(5), draw(5)});
        const Reshuffle::Result result = reshuffle(db, platform);
        QCOMPARE(result.collisions, 3);
        QCOMPARE(platform.reseeds, 3);
        QCOMPARE(sequence(db), (std::map<int, int>{{1, 1998}, {2, 5}, {3, 6}}));
    }

    void twoRunsGiveTwoOrders() {
        TempDatabase db(numberedItems(200));
        RealPlatform platform;
        reshuffle(db, platform);
        const auto first = sequence(db);
        reshuffle(db, platform);
        const auto second = sequence(db);
        QVERIFY(first != second);
        QVERIFY(first != sequence(TempDatabase(numberedItems(200))));
    }

    void readOnlyFileIsLeftAsItWas() {
        TempDatabase db(numberedItems(5));
        const auto before = sequence(db);
        db.setReadOnly();
        ScriptedPlatform platform;
        const Reshuffle::Result result = reshuffle(db, platform);
        QCOMPARE(int(result.outcome), int(Reshuffle::Outcome::Failed));
        QVERIFY(result.problem && Messages::english(*result.problem).contains("cannot be written"));
        QCOMPARE(sequence(db), before);
    }

    // A row that the file refuses for another reason than a taken value stops the run,
    // and the rows written before it are taken back.
    void refusedWriteRollsBackEarlierRows() {
        TempDatabase db({makeItem(1, 100), makeItem(2, 200), makeItem(3, 300)});
        ScriptedPlatform platform;
        platform.queueDraws({draw(50), draw(7)});
        auto view = LiveView::open(db.path(), QStringLiteral("test1"));
        // Another program plants the refusal while the file is open (a file that holds it
        // already is not opened at all).
        rawSql(db.path(), "CREATE TRIGGER refuse BEFORE UPDATE ON test1 WHEN NEW.sorrend2 = 7 "
                          "BEGIN SELECT RAISE(ABORT, 'refused'); END");
        const Reshuffle::Result result = Reshuffle(*view, platform).run();
        QCOMPARE(int(result.outcome), int(Reshuffle::Outcome::Failed));
        QVERIFY(result.problem.has_value());
        QVERIFY2(Messages::english(*result.problem).contains("refused"), qPrintable(Messages::english(*result.problem)));
        QCOMPARE(platform.drawsLeft(), size_t(0)); // no walk after a refusal
        rawSql(db.path(), "DROP TRIGGER refuse");
        QCOMPARE(sequence(db), (std::map<int, int>{{1, 100}, {2, 200}, {3, 300}}));
        view->refresh(); // the view is usable again once the file is
        QVERIFY(view->hasCurrent());
        QCOMPARE(view->text("sorrend2"), QString("100"));
    }

    // Row 1 takes 100; row 2 draws 1499 and walks upwards through values that are all
    // taken until the field's range ends: nothing may be written.
    void walkLeavingTheRangeRollsBack() {
        std::vector<QStringList> items{makeItem(1, 1), makeItem(2, 2)};
        for (int value = 1499; value <= 32767; ++value)
            items.push_back(makeItem(int(items.size()) + 1, value));
        TempDatabase db(items);
        ScriptedPlatform platform;
        platform.queueDraws({draw(100), draw(1499)});
        const Reshuffle::Result result = reshuffle(db, platform);
        QCOMPARE(int(result.outcome), int(Reshuffle::Outcome::Failed));
        QVERIFY(result.problem && Messages::english(*result.problem).contains("item number 2"));
        const auto after = sequence(db);
        QCOMPARE(after.at(1), 1);
        QCOMPARE(after.at(2), 2);
    }

    void emptyTableChangesNothing() {
        TempDatabase db(std::vector<QStringList>{});
        ScriptedPlatform platform;
        const Reshuffle::Result result = reshuffle(db, platform);
        QCOMPARE(int(result.outcome), int(Reshuffle::Outcome::Empty));
        QCOMPARE(platform.reseeds, 0);
        QVERIFY(db.items().items.empty());
    }

    // Through the hub: the result text is English in every working language, and a new
    // language brings the invitation back.
    void hubShowsTheResultUntilItsCaptionsAreAppliedAgain() {
        ProgramFixture f({makeItem(1, 10), makeItem(2, 20)});
        f.startToHub("Command6");
        f.platform().queueDraws({draw(700), draw(2500)});
        auto* change = f.child<QLabel>(ScreenId::Hub, "change");
        QTest::mouseClick(change, Qt::LeftButton);
        QCOMPARE(change->property("caption").toString(), QString("The order of the sentences has been changed."));
        QCOMPARE(sequence(f.database()), (std::map<int, int>{{1, 700}, {2, 2500}}));
        QVERIFY(f.platform().messages.empty());
        f.child<QAction>(ScreenId::Hub, "worklang_3")->trigger();
        QVERIFY(change->property("caption").toString().startsWith("Si desea cambiar el orden"));
    }

    void hubTellsWhenTheFileCannotBeWritten() {
        ProgramFixture f({makeItem(1, 10), makeItem(2, 20)});
        f.database().setReadOnly();
        f.startToHub();
        auto* change = f.child<QLabel>(ScreenId::Hub, "change");
        const QString invitation = change->property("caption").toString();
        f.platform().queueDraws({draw(700), draw(2500)});
        QTest::mouseClick(change, Qt::LeftButton);
        QCOMPARE(f.platform().messages.size(), size_t(1));
        QVERIFY(f.platform().messages[0].text.contains("left as it was"));
        QVERIFY(f.platform().messages[0].text.contains(f.database().path()));
        QCOMPARE(change->property("caption").toString(), invitation);
        QCOMPARE(sequence(f.database()), (std::map<int, int>{{1, 10}, {2, 20}}));
    }
};

QTEST_MAIN(TestReshuffle)
#include "test_reshuffle.moc"
