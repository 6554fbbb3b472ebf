// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tempdatabase.h"
#include "data/itemview.h"
#include "screens/test/clippinggauge.h"
#include "screens/test/failedtable.h"
#include "screens/test/intervaltimer.h"
#include "screens/test/testscore.h"

#include <QTest>

using namespace lexora;
using namespace lexora::testing;

namespace {

void addFailedRow(const QString& path, const QString& mondat) {
    auto view = LiveView::open(path, QStringLiteral("hiba1"));
    view->addNew();
    view->setField(QStringLiteral("hiba"), QStringLiteral("A"));
    view->setField(QStringLiteral("mondat"), mondat);
    view->update();
}

QStringList sentences(const TempDatabase& db) {
    QStringList list;
    for (const QStringList& row : db.failedRows())
        list << row[1];
    return list;
}

} // namespace

class TestTestParts : public QObject {
    Q_OBJECT

private slots:
    void scoreRoundsHalfToEven_data() {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("fraction");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<bool>("perfect");
        QTest::addRow("7 of 20") << 7 << 20 << "7/20"
                                 << "35%" << false;
        QTest::addRow("all right") << 20 << 20 << "20/20"
                                   << "100%" << true;
        QTest::addRow("12.5 goes down to even") << 1 << 8 << "1/8"
                                                << "12%" << false;
        QTest::addRow("37.5 goes up to even") << 3 << 8 << "3/8"
                                              << "38%" << false;
        QTest::addRow("2 of 3") << 2 << 3 << "2/3"
                                << "67%" << false;
        QTest::addRow("1 of 3") << 1 << 3 << "1/3"
                                << "33%" << false;
        QTest::addRow("99.75 shows 100 but is not perfect") << 399 << 400 << "399/400"
                                                            << "100%" << false;
        QTest::addRow("none") << 0 << 5 << "0/5"
                              << "0%" << false;
        QTest::addRow("nothing presented") << 0 << 0 << "0/0"
                                           << "0%" << false;
    }
    void scoreRoundsHalfToEven() {
        QFETCH(int, right);
        QFETCH(int, total);
        const TestScore score = scoreOf(right, total);
        QTEST(score.fraction(), "fraction");
        QTEST(score.percentText(), "percent");
        QTEST(score.perfect(), "perfect");
    }

    void roundingOfHalves() {
        QCOMPARE(roundHalfToEven(12.5), 12LL);
        QCOMPARE(roundHalfToEven(13.5), 14LL);
        QCOMPARE(roundHalfToEven(0.5), 0LL);
        QCOMPARE(roundHalfToEven(66.67), 67LL);
        QCOMPARE(roundHalfToEven(12.4999), 12LL);
        QCOMPARE(roundHalfToEven(12.5001), 13LL);
    }

    void gaugeShowsAValueAboveItsMaximumAsFull() {
        ClippingGauge gauge;
        gauge.setGaugeMaximum(9000);
        gauge.setGaugeValue(4500);
        QCOMPARE(gauge.shownValue(), 4500);
        gauge.setGaugeValue(9950);
        QCOMPARE(gauge.gaugeValue(), 9950); // kept, for the next step to build on
        QCOMPARE(gauge.shownValue(), gauge.shownMaximum());
        gauge.setGaugeMaximum(18000); // a wider scale shows the kept value again
        QCOMPARE(gauge.shownValue(), 9950);
        gauge.setGaugeMaximum(0);
        QCOMPARE(gauge.shownValue(), 0);
        QVERIFY(gauge.maximum() > gauge.minimum()); // not a busy indicator
    }

    void timerTicksOnlyWhenEnabledWithAnInterval() {
        QObject owner;
        IntervalTimer timer(QStringLiteral("Timer1"), true, 0, &owner);
        QVERIFY(timer.isEnabled());
        QVERIFY(!timer.ticks());
        QVERIFY(!timer.isActive());
        timer.setIntervalMs(10000);
        QVERIFY(timer.isActive());
        QCOMPARE(timer.interval(), 10000);
        timer.setEnabled(false);
        QVERIFY(!timer.isActive());
        QCOMPARE(timer.intervalMs(), 10000); // the interval stays for the next enabling
        timer.setEnabled(true);
        QVERIFY(timer.isActive());
    }

    void enablingAgainRestartsTheInterval() {
        QObject owner;
        IntervalTimer timer(QStringLiteral("Timer1"), true, 400, &owner);
        QTest::qWait(250);
        QVERIFY(timer.remainingTime() < 300);
        timer.setEnabled(true); // already enabled: nothing changes
        QVERIFY(timer.remainingTime() < 300);
        timer.restart();
        QVERIFY(timer.remainingTime() > 300);
    }

    void emptyingKeepsOnlyThePlaceholder() {
        TempDatabase db;
        for (const char* s : {"One ......", "Two ......", "Three ......"})
            addFailedRow(db.path(), QLatin1String(s));
        auto view = LiveView::open(db.path(), QStringLiteral("hiba1"));
        QVERIFY(FailedTable::startsWithPlaceholder(*view));
        QVERIFY(FailedTable::emptyExceptPlaceholder(*view));
        QVERIFY(view->eof());
        QCOMPARE(sentences(db), QStringList{QString()});
        QVERIFY(FailedTable::emptyExceptPlaceholder(*view)); // nothing left to delete
        QCOMPARE(db.failedRows().size(), size_t(1));
    }

    void theFirstRowIsThePlaceholderWhateverItHolds() {
        TempDatabase db;
        addFailedRow(db.path(), QStringLiteral("One ......"));
        addFailedRow(db.path(), QStringLiteral("Two ......"));
        auto view = LiveView::open(db.path(), QStringLiteral("hiba1"));
        view->deleteCurrent(); // the empty placeholder: the first row now holds a sentence
        QVERIFY(FailedTable::startsWithPlaceholder(*view));
        QVERIFY(FailedTable::emptyExceptPlaceholder(*view));
        QCOMPARE(sentences(db), QStringList{"One ......"});

        view->moveFirst();
        view->deleteCurrent();
        QCOMPARE(view->count(), 0);
        QVERIFY(!FailedTable::startsWithPlaceholder(*view));
        QVERIFY(!FailedTable::emptyExceptPlaceholder(*view)); // an empty table raises no error either
    }
};

QTEST_MAIN(TestTestParts)
#include "test_testparts.moc"
