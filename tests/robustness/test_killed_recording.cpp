// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The progress file, with the program killed (SIGKILL) at many moments while it records answers.
// Whatever the moment, the file afterwards is a sound progress file that holds every answer the
// program had finished writing (at most the one being written is lost), each answer with its
// item's memory state and its topic's totals, and the next answer is recorded in it as usual.
// The item file the answers came from is not changed at all.
//
// The recording runs in a child process (robustness_child record) that says after each answer
// that it is in the file; the kills come after a varying number of answers and a varying pause,
// so some land between answers and some in the middle of one.

#include "progress/progressstore.h"

#include "core/tempdatabase.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimeZone>

#include <sqlite3.h>

#include <chrono>
#include <thread>

using namespace lexora;
using namespace lexora::testing;

namespace {

constexpr int kKills = 24;
constexpr int kAnswers = 100000; // more than any kill lets it reach

// What the file says after the kill, read through a plain connection (which also rolls back
// what the killed writer left in its journal).
struct Contents {
    QString integrity;
    qint64 answers = -1;
    qint64 reps = -1;        // the answers the memory states have seen
    qint64 topicTotal = -1;  // the answers the topic totals have counted
};

qint64 single(sqlite3* db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    qint64 value = -1;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
        value = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    return value;
}

Contents examine(const QString& path) {
    Contents contents;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* check = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr) == SQLITE_OK)
            while (sqlite3_step(check) == SQLITE_ROW)
                contents.integrity += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)));
        sqlite3_finalize(check);
        contents.answers = single(db, "SELECT count(*) FROM answers");
        contents.reps = single(db, "SELECT ifnull(sum(reps), 0) FROM memory");
        contents.topicTotal = single(db, "SELECT ifnull(sum(answered), 0) FROM topic_totals");
    }
    sqlite3_close(db);
    return contents;
}

} // namespace

class TestKilledRecording : public QObject {
    Q_OBJECT

private slots:
    void killedWhileRecordingLosesAtMostTheAnswerBeingWritten() {
        TempDatabase bank;
        const QString progress = QDir(bank.dir()).filePath(ProgressStore::fileName());
        const QByteArray itemsBefore = contentsOf(bank.path());
        for (int k = 0; k < kKills; ++k) {
            QFile::remove(progress);
            QFile::remove(progress + QStringLiteral("-journal"));
            QProcess child;
            child.start(QStringLiteral(LEXORA_ROBUSTNESS_CHILD),
                        {QStringLiteral("record"), bank.path(), QString::number(kAnswers)});
            QVERIFY2(child.waitForStarted(10000), "the child process did not start");
            // Kill after 1 to 70 answers, then a pause of 0 to 550 microseconds more.
            const int after = 1 + (k * 7) % 70;
            int written = 0;
            while (written < after) {
                if (!child.canReadLine())
                    QVERIFY2(child.waitForReadyRead(10000), "the child stopped recording");
                const QByteArray line = child.readLine().trimmed();
                QVERIFY2(line.startsWith("recorded "), line.constData());
                written = line.mid(9).toInt();
            }
            std::this_thread::sleep_for(std::chrono::microseconds((k % 12) * 50));
            child.kill();
            QVERIFY(child.waitForFinished(10000));
            // Answers it told of after the last line read were in the file too.
            while (child.canReadLine()) {
                const QByteArray line = child.readLine().trimmed();
                if (line.startsWith("recorded "))
                    written = line.mid(9).toInt();
            }

            const Contents contents = examine(progress);
            QCOMPARE(contents.integrity, QStringLiteral("ok"));
            QVERIFY2(contents.answers == written || contents.answers == written + 1,
                     qPrintable(QStringLiteral("%1 answers in the file, %2 written").arg(contents.answers).arg(written)));
            QCOMPARE(contents.reps, contents.answers);
            QCOMPARE(contents.topicTotal, contents.answers);

            // The program goes on recording in the same file.
            ProgressStore store(bank.dir());
            Answer next;
            next.at = QDateTime(QDate(2024, 6, 1), QTime(8, 0), QTimeZone::utc());
            next.item = ItemRef{QStringLiteral("en_data1.mdb"), 1, QStringLiteral("00aa00aa00aa00aa"), 1,
                                QStringLiteral("1"), QStringLiteral("0")};
            store.record(next);
            store.close();
            QCOMPARE(examine(progress).answers, contents.answers + 1);
        }
        QCOMPARE(contentsOf(bank.path()), itemsBefore);
        QVERIFY(!QFile::exists(bank.path() + QStringLiteral("-journal")));
    }
};

QTEST_MAIN(TestKilledRecording)
#include "test_killed_recording.moc"
