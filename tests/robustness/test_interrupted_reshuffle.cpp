// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The reshuffle of a large bank, killed (SIGKILL) at many moments while it writes. Whatever
// the moment, the file afterwards is a sound database whose items hold either the whole old
// order or the whole new one, never a mixture.
//
// The program runs in a child process (robustness_child) that reshuffles with seeded draws and
// says when it begins to write and when it writes its last row, before the commit. The moments
// of the kills are spread over the times a whole run takes on this machine, measured first, so
// the test means the same on a slow build.

#include "data/itembank.h"
#include "data/sqlitedb.h"

#include "core/tempdatabase.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <map>
#include <set>
#include <thread>

using namespace lexora;
using namespace lexora::testing;

namespace {

constexpr int kItems = 3000;
constexpr unsigned kSeed = 20240611;

// Kill points over the rows and over the commit.
constexpr int kRowKills = 30;
constexpr int kCommitKills = 10;

using Order = std::map<int, int>; // sorrend2 by item number

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Opens the file as the program would, which also rolls back what a killed writer left in
// its journal, and reads the integrity verdict and the order of the items.
struct Verdict {
    QString integrity;
    Order order;
    int distinct = 0;
};

Verdict examine(const QString& path) {
    Verdict verdict;
    auto db = SqliteDb::open(path);
    Statement check = db->prepare("PRAGMA integrity_check");
    while (check.step())
        verdict.integrity += check.column(0).toString();
    Statement rows = db->prepare("SELECT sorszam, sorrend2 FROM test1");
    std::set<int> values;
    while (rows.step()) {
        verdict.order[int(rows.columnInt(0))] = int(rows.columnInt(1));
        values.insert(int(rows.columnInt(1)));
    }
    verdict.distinct = int(values.size());
    return verdict;
}

// The child process running the reshuffle on one copy of the bank.
class Reshuffler {
public:
    explicit Reshuffler(const QString& path) {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(LEXORA_ROBUSTNESS_CHILD),
                        {QStringLiteral("reshuffle"), path, QString::number(kSeed)});
    }
    ~Reshuffler() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(30000);
        }
    }

    // Waits until the child says `line` ("writing": it is about to write its first row;
    // "last": its last row, which the commit follows).
    bool waitFor(const QByteArray& line) {
        for (;;) {
            while (!m_process.canReadLine()) {
                if (!m_process.waitForReadyRead(60000))
                    return false;
            }
            if (m_process.readLine().trimmed() == line)
                return true;
        }
    }
    // True when the child was still running, so the kill interrupted it.
    bool kill() {
        const bool running = m_process.state() == QProcess::Running && !m_process.waitForFinished(0);
        m_process.kill();
        m_process.waitForFinished(30000);
        return running && m_process.exitStatus() == QProcess::CrashExit;
    }
    bool finish() {
        return m_process.waitForFinished(120000) && m_process.exitStatus() == QProcess::NormalExit &&
               m_process.exitCode() == 0;
    }

private:
    QProcess m_process;
};

// A bank of 3,000 items with distinct places spread over the whole range of the field, so
// that old and new places differ almost everywhere.
std::vector<QStringList> largeBank() {
    std::vector<QStringList> items;
    items.reserve(kItems);
    for (int n = 1; n <= kItems; ++n)
        items.push_back(makeItem(n, (n * 7919) % 32000 + 1, 1 + n % 3));
    return items;
}

} // namespace

class TestInterruptedReshuffle : public QObject {
    Q_OBJECT

private slots:
    void killedReshuffleLeavesTheOldOrderOrTheNew() {
        TempDatabase bank(largeBank());
        const QByteArray original = contentsOf(bank.path());
        const Order oldOrder = examine(bank.path()).order;
        QCOMPARE(int(oldOrder.size()), kItems);

        // A whole run, to learn the new order and how long the writing takes here.
        QTemporaryDir dir;
        const QString whole = dir.filePath(QStringLiteral("whole.mdb"));
        QVERIFY(writeFile(whole, original));
        qint64 rowsNs = 0; // from the first row to the last
        qint64 tailNs = 0; // from the last row to the end of the process: the commit
        {
            Reshuffler child(whole);
            QVERIFY2(child.waitFor("writing"), "the child never began to write");
            QElapsedTimer clock;
            clock.start();
            QVERIFY2(child.waitFor("last"), "the child never reached its last row");
            rowsNs = clock.nsecsElapsed();
            QVERIFY2(child.finish(), "the uninterrupted reshuffle failed");
            tailNs = clock.nsecsElapsed() - rowsNs;
        }
        const Verdict complete = examine(whole);
        QCOMPARE(complete.integrity, QString("ok"));
        QCOMPARE(complete.distinct, kItems);
        const Order newOrder = complete.order;
        int moved = 0;
        for (const auto& [number, place] : newOrder)
            moved += oldOrder.at(number) != place;
        QVERIFY2(moved > kItems * 9 / 10, "the new order must differ from the old one almost everywhere");

        // Kill points: kRowKills over the rows, from the very first, counted from "writing" (closer
        // together early on, where they cost less time); kCommitKills over the commit and beyond, counted
        // from "last", the later ones falling after the child has finished.
        struct KillPoint {
            QByteArray after;
            qint64 delayNs;
        };
        std::vector<KillPoint> points;
        for (int i = 0; i < kRowKills; ++i) {
            const double share = double(i) / kRowKills;
            points.push_back({"writing", qint64(double(rowsNs) * share * share)});
        }
        for (int i = 0; i < kCommitKills; ++i)
            points.push_back({"last", tailNs * 16 * i / (9 * kCommitKills)});

        int interrupted = 0, keptOld = 0, gotNew = 0;
        for (size_t k = 0; k < points.size(); ++k) {
            const KillPoint& point = points[k];
            const QString path = dir.filePath(QStringLiteral("kill-%1.mdb").arg(k));
            QVERIFY(writeFile(path, original));
            bool wasRunning = false;
            {
                Reshuffler child(path);
                QVERIFY2(child.waitFor(point.after), "the child did not reach the point to kill it from");
                std::this_thread::sleep_for(std::chrono::nanoseconds(point.delayNs));
                wasRunning = child.kill();
            }
            interrupted += wasRunning;

            const Verdict after = examine(path);
            const QByteArray where = "kill " + QByteArray::number(qulonglong(k)) + ", " +
                                     QByteArray::number(point.delayNs / 1e6, 'f', 1) + " ms after \"" + point.after +
                                     '"';
            QVERIFY2(after.integrity == QLatin1String("ok"), where + ": " + after.integrity.toUtf8());
            QVERIFY2(after.distinct == kItems, where + ": places are not distinct");
            if (after.order == oldOrder) {
                ++keptOld;
            } else {
                int fromNew = 0;
                for (const auto& [number, place] : after.order)
                    fromNew += newOrder.at(number) == place;
                QVERIFY2(after.order == newOrder,
                         where + QByteArray(": a mixture, ") + QByteArray::number(fromNew) + " items in the new order");
                ++gotNew;
            }
            QFile::remove(path);
        }
        qInfo("%d kills over %.0f ms of rows and %.0f ms of commit: %d interrupted the child; "
              "%d left the old order, %d the new",
              int(points.size()), rowsNs / 1e6, tailNs / 1e6, interrupted, keptOld, gotNew);
        // The first kills come as the writing begins; without interrupted runs the test would
        // show nothing.
        QVERIFY2(interrupted > 0, "no kill interrupted the reshuffle");
        QCOMPARE(keptOld + gotNew, int(points.size()));
    }
};

QTEST_MAIN(TestInterruptedReshuffle)
#include "test_interrupted_reshuffle.moc"
