// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The spaced-review scheduler against the reference scheduler (the npm package ts-fsrs, pinned in
// tests/progress/fsrscheck and installed by scripts/test-tools): the same review histories through
// both must give the same interval at every step, and the same stability and difficulty.
#include "progress/fsrs.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <random>

using namespace lexora;

namespace {

const QString kCheckDir = QStringLiteral(LEXORA_FSRS_CHECK_DIR);

struct Review {
    QDateTime at;
    Grade grade;
};
using History = std::vector<Review>;

// Histories of 1 to 30 answers on random days (several on one day too, and long gaps), at random
// times of day, with every grade; the same seed gives the same histories on every machine.
std::vector<History> randomHistories(int count, unsigned seed) {
    std::mt19937 random(seed);
    auto uniform = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::vector<History> histories;
    for (int h = 0; h < count; ++h) {
        History history;
        QDateTime at = QDateTime(QDate(2023, 1, 1), QTime(0, 0), QTimeZone::utc()).addSecs(qint64(uniform(0, 400 * 86400)));
        const int reviews = uniform(1, 30);
        for (int r = 0; r < reviews; ++r) {
            history.push_back({at, Grade(uniform(1, 4))});
            const int gapKind = uniform(0, 9);
            const int days = gapKind == 0 ? 0 : gapKind < 7 ? uniform(1, 20) : uniform(21, 400);
            at = at.addDays(days).addSecs(days == 0 ? uniform(0, 6 * 3600) : uniform(-6 * 3600, 6 * 3600));
        }
        histories.push_back(history);
    }
    return histories;
}

QByteArray toJson(const std::vector<History>& histories) {
    QJsonArray all;
    for (const History& history : histories) {
        QJsonArray reviews;
        for (const Review& review : history)
            reviews.append(QJsonObject{{"at", double(review.at.toMSecsSinceEpoch())}, {"grade", int(review.grade)}});
        all.append(reviews);
    }
    return QJsonDocument(all).toJson(QJsonDocument::Compact);
}

bool closeEnough(double ours, double theirs) {
    return std::abs(ours - theirs) <= 1e-6 * std::max(std::abs(theirs), 1e-12);
}

} // namespace

class TestFsrs : public QObject {
    Q_OBJECT

private slots:
    void sameAsReference();
    void wrongAnswerComesBackNextDay();
};

void TestFsrs::sameAsReference() {
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    if (node.isEmpty() || !QFile::exists(kCheckDir + "/node_modules/ts-fsrs/package.json")) {
        if (qEnvironmentVariable("CI") == QLatin1String("true"))
            QFAIL("The npm package ts-fsrs is missing; scripts/test-tools installs it");
        QSKIP("The npm package ts-fsrs is missing; run scripts/test-tools");
    }
    const std::vector<History> histories = randomHistories(1000, 20240611);
    QTemporaryDir dir;
    QFile input(dir.filePath("histories.json"));
    QVERIFY(input.open(QIODevice::WriteOnly));
    input.write(toJson(histories));
    input.close();

    QProcess reference;
    reference.start(node, {kCheckDir + "/schedule.js", input.fileName()});
    QVERIFY(reference.waitForFinished(120000));
    if (reference.exitCode() != 0)
        qWarning("%s", reference.readAllStandardError().constData());
    QCOMPARE(reference.exitCode(), 0);
    const QJsonArray expected = QJsonDocument::fromJson(reference.readAllStandardOutput()).array();
    QCOMPARE(expected.size(), qsizetype(histories.size()));

    const FsrsScheduler scheduler;
    int reviews = 0;
    int differences = 0;
    for (size_t h = 0; h < histories.size(); ++h) {
        MemoryState state;
        const QJsonArray steps = expected[qsizetype(h)].toArray();
        for (size_t r = 0; r < histories[h].size(); ++r) {
            state = scheduler.review(state, histories[h][r].at, histories[h][r].grade);
            const QJsonObject theirs = steps[qsizetype(r)].toObject();
            ++reviews;
            const bool same = state.scheduledDays == theirs["days"].toInt() &&
                              state.due.toMSecsSinceEpoch() == qint64(theirs["due"].toDouble()) &&
                              closeEnough(state.stability, theirs["stability"].toDouble()) &&
                              closeEnough(state.difficulty, theirs["difficulty"].toDouble());
            if (!same && ++differences <= 5)
                qWarning("history %zu, review %zu: ours %d days, S %.10g, D %.10g; reference %d days, S %.10g, "
                         "D %.10g",
                         h, r, state.scheduledDays, state.stability, state.difficulty, theirs["days"].toInt(),
                         theirs["stability"].toDouble(), theirs["difficulty"].toDouble());
        }
    }
    qInfo("%zu histories, %d reviews, %d differences", histories.size(), reviews, differences);
    QCOMPARE(differences, 0);
}

// What the learner sees of the schedule: a wrong first answer comes back the next day, a right
// one three days later; a lapse after a long interval starts short again.
void TestFsrs::wrongAnswerComesBackNextDay() {
    const FsrsScheduler scheduler;
    const QDateTime day1(QDate(2024, 3, 1), QTime(12, 0), QTimeZone::utc());
    const MemoryState wrong = scheduler.review({}, day1, Grade::Again);
    QCOMPARE(wrong.scheduledDays, 1);
    QCOMPARE(wrong.due, day1.addDays(1));
    const MemoryState right = scheduler.review({}, day1, Grade::Good);
    QCOMPARE(right.scheduledDays, 3);

    MemoryState state = right;
    for (int i = 0; i < 4; ++i)
        state = scheduler.review(state, state.due, Grade::Good);
    QVERIFY(state.scheduledDays > 30);
    const MemoryState lapse = scheduler.review(state, state.due, Grade::Again);
    QVERIFY(lapse.scheduledDays < 10);
    QCOMPARE(lapse.lapses, 1);
}

QTEST_GUILESS_MAIN(TestFsrs)
#include "test_fsrs.moc"
