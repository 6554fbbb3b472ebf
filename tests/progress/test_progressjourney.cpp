// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The learner's progress through the whole program: a month of practice with a moved clock, the
// items answered wrongly coming back on the days the schedule says; My progress showing what the
// answers give; a progress file that cannot be used never stopping practice.
#include "../screens/practice/practicedriver.h"

#include "app/window.h"
#include "data/sqlitedb.h"
#include "data/topics.h"
#include "progress/fsrs.h"
#include "progress/progressstore.h"
#include "data/sqlitedb.h"
#include "screens/progress/progressscreen.h"
#include "screens/progress/reviewclock.h"
#include "text/captions.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include <map>
#include <sqlite3.h>

using namespace lexora;
using namespace lexora::testing;

class TestProgressJourney : public QObject {
    Q_OBJECT

private slots:
    void aMonthOfReview();
    void faultyProgressFile_data();
    void faultyProgressFile();
    void hubCountsOnlyUnchangedDueItems();
    void myProgressSelectsTheWeakestTopic_data();
    void myProgressSelectsTheWeakestTopic();
    void reviewWithNothingDueStaysOnTheHub_data();
    void reviewWithNothingDueStaysOnTheHub();
    void summaryReadsRightForOne_data();
    void summaryReadsRightForOne();
    void dayChartStepsAreRound_data();
    void dayChartStepsAreRound();
};

namespace {

// The letter that is wrong for an item whose key is `key`.
char wrongFor(const QString& key) {
    return key == QLatin1String("A") ? 'B' : 'A';
}

} // namespace

void TestProgressJourney::aMonthOfReview() {
    ProgramFixture fx;
    const QDateTime day0 = fx.platform().clock;
    const FsrsScheduler scheduler;
    std::map<QString, MemoryState> model; // by sentence
    std::map<QDate, int> answersPerDay;
    int answers = 0;

    // Day 0: every level-1 item once, the first and the third answered wrongly.
    {
        PracticeDriver d(fx);
        d.level(0);
        d.click(3);
        const int count = d.state().selcount;
        QVERIFY(count >= 3);
        for (int i = 0; i < count; ++i) {
            const QString key = d.label(10)->text();
            const bool right = i != 0 && i != 2;
            d.choose(right ? key[0].toLatin1() : wrongFor(key));
            model[d.sentence()] = scheduler.review(model[d.sentence()], fx.platform().clock, right ? Grade::Good : Grade::Again);
            ++answers;
            ++answersPerDay[fx.platform().clock.date()];
            if (i + 1 < count)
                d.click(2);
        }
        d.click(6);
        ProgramFixture::settle();
    }

    for (int day = 1; day <= 30; ++day) {
        fx.platform().clock = day0.addDays(day);
        const QDateTime endOfToday = ReviewClock::endOfToday(fx.platform().clock);
        std::vector<std::pair<QDateTime, QString>> expected;
        for (const auto& [sentence, state] : model)
            if (state.due < endOfToday)
                expected.emplace_back(state.due, sentence);
        std::sort(expected.begin(), expected.end());

        const size_t messagesBefore = fx.platform().messages.size();
        fx.screens().state<PracticeState>().openInDueMode = true;
        PracticeDriver d(fx);
        QStringList came;
        if (!expected.empty()) {
            d.click(3);
            while (fx.platform().messages.size() == messagesBefore) {
                const QString sentence = d.sentence();
                came << sentence;
                d.choose(d.label(10)->text()[0].toLatin1());
                QVERIFY(shown(d.label(19)));
                model[sentence] = scheduler.review(model[sentence], fx.platform().clock, Grade::Good);
                ++answers;
                ++answersPerDay[fx.platform().clock.date()];
                d.click(10);
                QVERIFY(came.size() <= int(expected.size()));
            }
        }
        // The most overdue first; items that fell due at the same moment come in any order.
        QStringList wanted;
        for (const auto& entry : expected)
            wanted << entry.second;
        for (int i = 0; i + 1 < int(expected.size()); ++i)
            if (expected[size_t(i)].first < expected[size_t(i) + 1].first)
                QVERIFY(came.indexOf(wanted[i]) < came.indexOf(wanted[i + 1]));
        came.sort();
        wanted.sort();
        QCOMPARE(came, wanted);
        // Nothing (more) due today: the learner is told when the next item is due.
        QCOMPARE(fx.platform().messages.size(), messagesBefore + 1);
        QCOMPARE(fx.platform().messages.back().icon, MessageIcon::Information);
        d.click(6);
        ProgramFixture::settle();
        if (day == 1)
            QCOMPARE(came.size(), 2); // the two wrong answers of day 0, and nothing else
    }

    // My progress shows what the answers give.
    fx.show(ScreenId::Progress);
    int seen = int(model.size());
    int dueToday = 0, well = 0;
    for (const auto& entry : model) {
        dueToday += entry.second.due < ReviewClock::endOfToday(fx.platform().clock) ? 1 : 0;
        well += entry.second.stability >= 21 ? 1 : 0;
    }
    const QString summary = fx.child<QLabel>(ScreenId::Progress, "summary")->text();
    QCOMPARE(summary, QStringLiteral("This database: %1 of %2 items seen, %3 due today, %4 well learned.")
                          .arg(seen)
                          .arg(fx.database().items().items.size())
                          .arg(dueToday)
                          .arg(well));
    auto* topics = fx.child<QTableWidget>(ScreenId::Progress, "topicTable");
    int all = 0;
    for (int row = 0; row < topics->rowCount(); ++row)
        all += topics->item(row, 4)->text().toInt();
    QCOMPARE(all, answers);
    auto* days = fx.child<QTableWidget>(ScreenId::Progress, "dayTable");
    QCOMPARE(days->rowCount(), 30);
    int recent = 0;
    for (int row = 0; row < days->rowCount(); ++row)
        recent += days->item(row, 1)->text().toInt();
    int expectedRecent = 0;
    for (const auto& [date, count] : answersPerDay)
        expectedRecent += date > fx.platform().clock.date().addDays(-30) ? count : 0;
    QCOMPARE(recent, expectedRecent);
}

void TestProgressJourney::faultyProgressFile_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("read-only") << "read-only";
    QTest::newRow("locked") << "locked";
    QTest::newRow("damaged") << "damaged";
}

// Practice goes on whatever the progress file's state: the box shows, the fault is told once,
// the item file stays as it was, and a damaged progress file is kept aside.
void TestProgressJourney::faultyProgressFile() {
    QFETCH(QString, fault);
    ProgramFixture fx;
    const QString folder = QDir(fx.database().dir()).absolutePath();
    const QString path = folder + "/progress.db";
    {
        ProgressStore seed(folder);
        Answer a;
        a.at = fx.platform().clock;
        a.item = ItemRef{"en_data1.mdb", 1, "0123456789abcdef", 1, "1", "a"};
        seed.record(a);
    }
    sqlite3* other = nullptr;
    if (fault == "read-only") {
        QFile::setPermissions(path, QFile::ReadOwner);
    } else if (fault == "locked") {
        sqlite3_open(path.toUtf8().constData(), &other);
        sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, '#'));
    }
    const QByteArray itemsBefore = contentsOf(fx.database().path());
    const QByteArray progressBefore = contentsOf(path);

    PracticeDriver d(fx);
    d.level(0);
    d.click(3);
    d.choose(wrongFor(d.label(10)->text()));
    // The box shows before anything is written.
    QVERIFY(shown(d.label(20)));
    QCOMPARE(contentsOf(path), progressBefore);
    QCoreApplication::processEvents();
    QCOMPARE(fx.platform().messages.size(), size_t(1));
    const QString told = fx.platform().messages[0].text;
    d.click(2);
    d.choose(d.label(10)->text()[0].toLatin1());
    QVERIFY(shown(d.label(19)));
    QCoreApplication::processEvents();
    QCOMPARE(fx.platform().messages.size(), size_t(1)); // told once per run
    QCOMPARE(contentsOf(fx.database().path()), itemsBefore);

    if (other) {
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
    }
    if (fault == "damaged") {
        const QString kept = folder + "/progress-2024-03-04.db";
        QVERIFY2(told.contains(QDir::toNativeSeparators(kept)), qPrintable(told));
        QCOMPARE(contentsOf(kept), progressBefore);
        ProgressStore fresh(folder);
        int recorded = 0;
        for (const auto& topic : fresh.topicFigures(fx.platform().clock.addDays(-1)))
            recorded += topic.answered;
        QCOMPARE(recorded, 2);
    } else {
        QVERIFY2(told.contains(fault == "locked" ? "locked" : "cannot be written"), qPrintable(told));
        QCOMPARE(contentsOf(path), progressBefore);
    }
}

// The hub tells the review of today; an item edited since it was answered is not counted, as
// Due for review does not bring it.
void TestProgressJourney::hubCountsOnlyUnchangedDueItems() {
    ProgramFixture fx;
    QString first, second;
    {
        PracticeDriver d(fx);
        d.level(0);
        d.click(3);
        first = d.sentence();
        d.choose(wrongFor(d.label(10)->text()));
        d.click(2);
        second = d.sentence();
        d.choose(wrongFor(d.label(10)->text()));
        d.click(6);
        ProgramFixture::settle();
    }
    fx.platform().clock = fx.platform().clock.addDays(1);
    fx.show(ScreenId::Hub);
    auto* notice = fx.child<QLabel>(ScreenId::Hub, "dueNotice");
    auto* hub = fx.screen(ScreenId::Hub);
    QMetaObject::invokeMethod(hub, "refreshDueToday");
    QVERIFY(!notice->isHidden());
    QCOMPARE(notice->text(), QStringLiteral("2 items are due for review today."));

    {
        auto db = SqliteDb::open(fx.database().path());
        Statement edit = db->prepare("UPDATE test1 SET mondat = mondat || ' Now.' WHERE mondat = ?");
        edit.bind(1, first.trimmed());
        edit.step();
    }
    QMetaObject::invokeMethod(hub, "refreshDueToday");
    QCOMPARE(notice->text(), QStringLiteral("1 item is due for review today."));
    {
        auto db = SqliteDb::open(fx.database().path());
        Statement edit = db->prepare("UPDATE test1 SET a = a || 'x' WHERE mondat = ?");
        edit.bind(1, second.trimmed());
        edit.step();
    }
    QMetaObject::invokeMethod(hub, "refreshDueToday");
    QVERIFY(notice->isHidden());
}

// My progress opens on the weakest topic and says so in the working language; Practise this
// topic then goes straight to it.
void TestProgressJourney::myProgressSelectsTheWeakestTopic_data() {
    QTest::addColumn<int>("langcode");
    QTest::addColumn<QString>("line");
    QTest::addRow("English") << int(LangCode::English) << "Weakest: %1, 50% right in the last 30 days.";
    QTest::addRow("Hungarian") << int(LangCode::Hungarian)
                               << u8"Leggyengébb téma: %1, az elmúlt 30 napban 50% helyes.";
    QTest::addRow("Spanish") << int(LangCode::Spanish)
                             << u8"Tema más flojo: %1, 50\u00a0% de aciertos en los últimos 30 días.";
    QTest::addRow("French") << int(LangCode::French)
                            << u8"Sujet le plus faible\u00a0: %1, 50\u00a0% de réponses justes sur les 30 derniers jours.";
}

void TestProgressJourney::myProgressSelectsTheWeakestTopic() {
    QFETCH(int, langcode);
    QFETCH(QString, line);
    ProgramFixture fx;
    constexpr int kWeak = 1, kStrong = 15; // topic 1 has items 1 and 2; topic 15 has one
    {
        PracticeDriver d(fx, langcode);
        d.topic(kStrong);
        d.click(3);
        d.choose(d.label(10)->text()[0].toLatin1());
        d.topic(kWeak);
        d.choose(wrongFor(d.label(10)->text()));
        d.click(2);
        d.choose(d.label(10)->text()[0].toLatin1());
        d.click(6);
        ProgramFixture::settle();
    }
    fx.show(ScreenId::Progress);
    auto* table = fx.child<QTableWidget>(ScreenId::Progress, "topicTable");
    const QString weak = withoutAccessKey(CaptionCatalogue::caption(TopicCatalogue::topic(kWeak).captionKey, langcode));
    QCOMPARE(table->selectedItems().value(0)->text(), weak);
    QCOMPARE(fx.child<QLabel>(ScreenId::Progress, "practiseNext")->text(), line.arg(weak));

    QTest::mouseClick(fx.child<QPushButton>(ScreenId::Progress, "practise"), Qt::LeftButton);
    ProgramFixture::settle();
    QVERIFY(fx.screens().isLoaded(ScreenId::Practice));
    QVERIFY(!fx.screens().isLoaded(ScreenId::Progress));
    QCOMPARE(fx.screens().state<PracticeState>().selcount, 2);
}

// Review due items, from the hub, with nothing due today: the learner stays on the hub and is
// told when the next item is due, if one is.
void TestProgressJourney::reviewWithNothingDueStaysOnTheHub_data() {
    QTest::addColumn<bool>("answered");
    QTest::addColumn<QString>("told");
    QTest::addRow("nothing answered yet") << false << "No item is due for review.";
    QTest::addRow("an item answered today") << true << "No more items are due for review now. The next one is due on";
}

void TestProgressJourney::reviewWithNothingDueStaysOnTheHub() {
    QFETCH(bool, answered);
    QFETCH(QString, told);
    ProgramFixture fx;
    if (answered) {
        PracticeDriver d(fx);
        d.level(0);
        d.click(3);
        d.choose(d.label(10)->text()[0].toLatin1());
        d.click(6);
        ProgramFixture::settle();
    }
    fx.prepare();
    fx.show(ScreenId::Hub);
    fx.child<QAction>(ScreenId::Hub, "mnureview")->trigger();
    ProgramFixture::settle();
    QVERIFY(fx.screens().isLoaded(ScreenId::Hub));
    QVERIFY(!fx.screens().isLoaded(ScreenId::Practice));
    QCOMPARE(fx.platform().messages.size(), size_t(1));
    QVERIFY2(fx.platform().messages[0].text.startsWith(told), qPrintable(fx.platform().messages[0].text));
    QCOMPARE(fx.platform().messages[0].icon, MessageIcon::Information);
}

QTEST_MAIN(TestProgressJourney)
void TestProgressJourney::summaryReadsRightForOne_data() {
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("summary");
    QTest::newRow("en") << 16 << "This database: 1 of %1 items seen, 1 due today, 0 well learned.";
    QTest::newRow("hu") << 116
                        << QString::fromUtf8("Ez az adatbázis: %1 mondatból 1 már előkerült, ma 1 esedékes, 0 jól "
                                             "begyakorolt.");
    QTest::newRow("es") << 216
                        << "Esta base de datos: 1 de %1 oraciones vistas; pendientes hoy: 1; bien aprendidas: 0.";
    QTest::newRow("fr") << 316
                        << QString::fromUtf8("Cette base de données — fiches vues\u00a0: 1 sur %1\u00a0; à réviser "
                                             "aujourd'hui\u00a0: 1\u00a0; bien apprises\u00a0: 0.");
}

// One item answered wrongly is seen and, a day on, due again: no count stands before a plural it does not fit.
void TestProgressJourney::summaryReadsRightForOne() {
    QFETCH(int, lang);
    QFETCH(QString, summary);
    ProgramFixture fx;
    {
        PracticeDriver d(fx, lang);
        d.level(0);
        d.click(3);
        d.choose(wrongFor(d.label(10)->text()));
        d.click(6);
        ProgramFixture::settle();
    }
    fx.platform().clock = fx.platform().clock.addDays(1); // the failed item is due again by then
    fx.show(ScreenId::Progress);
    QCOMPARE(fx.child<QLabel>(ScreenId::Progress, "summary")->text(), summary.arg(fx.database().items().items.size()));
}

void TestProgressJourney::dayChartStepsAreRound_data() {
    QTest::addColumn<int>("most");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("step");
    QTest::newRow("nothing yet") << 0 << 1 << 1;
    QTest::newRow("one") << 1 << 1 << 1;
    QTest::newRow("seven") << 7 << 8 << 2;
    QTest::newRow("sixty") << 60 << 60 << 20;
    QTest::newRow("sixty-two") << 62 << 80 << 20;
    QTest::newRow("a busy day") << 250 << 300 << 100;
}

void TestProgressJourney::dayChartStepsAreRound() {
    QFETCH(int, most);
    QFETCH(int, top);
    QFETCH(int, step);
    const AxisSteps axis = roundAxis(most);
    QCOMPARE(axis.top, top);
    QCOMPARE(axis.step, step);
}

#include "test_progressjourney.moc"
