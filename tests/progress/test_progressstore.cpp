// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The progress file: made at the first answer only, answers and memory states written together,
// faults told by kind (and never a file made or deleted on the way), export and forgetting.
#include "progress/bankfingerprints.h"
#include "progress/progressstore.h"

#include "data/itemfingerprint.h"
#include "data/sqlitedb.h"

#include "core/tempdatabase.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <sqlite3.h>

using namespace lexora;

namespace {

const QDateTime kDay1(QDate(2024, 5, 6), QTime(12, 0), QTimeZone::utc());

Answer answer(int number, bool right, const QDateTime& at = kDay1, const QString& fingerprint = "00aa00aa00aa00aa") {
    Answer a;
    a.at = at;
    a.item = ItemRef{QStringLiteral("en_data1.mdb"), number, fingerprint, 1, QStringLiteral("1"), QStringLiteral("a")};
    a.choice = right ? QStringLiteral("B") : QStringLiteral("C");
    a.right = right;
    a.place = AnswerPlace::Practice;
    a.seconds = 4.25;
    return a;
}

ProgressError::Kind kindOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const ProgressError& e) {
        return e.kind();
    }
    return ProgressError::Kind(-1);
}

// Another program holding the file: a write lock it does not let go of during the test.
struct OtherConnection {
    sqlite3* db = nullptr;
    explicit OtherConnection(const QString& path, const char* lock) {
        sqlite3_open(path.toUtf8().constData(), &db);
        sqlite3_exec(db, lock, nullptr, nullptr, nullptr);
    }
    ~OtherConnection() {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
};

} // namespace

class TestProgressStore : public QObject {
    Q_OBJECT

private slots:
    void madeAtTheFirstAnswerOnly();
    void answerAndMemoryTogether();
    void editedItemStartsAfresh();
    void faults_data();
    void faults();
    void damagedFileSetAsideUnderItsDate();
    void dueItemsMostOverdueFirst();
    void figures();
    void exportAndForget();
    void olderFileBroughtUpToDate_data();
    void olderFileBroughtUpToDate();
    void bankFingerprintsAsTheItemsGive_data();
    void bankFingerprintsAsTheItemsGive();
};

void TestProgressStore::madeAtTheFirstAnswerOnly() {
    QTemporaryDir dir;
    ProgressStore store(dir.path());
    QCOMPARE(store.dueCount("en_data1.mdb", kDay1.addDays(400)), 0);
    QVERIFY(store.dueItems("en_data1.mdb", kDay1.addDays(400)).empty());
    QVERIFY(store.topicFigures(kDay1).empty());
    QVERIFY(!store.exists());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());

    store.record(answer(1, true));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"progress.db"});
}

void TestProgressStore::answerAndMemoryTogether() {
    QTemporaryDir dir;
    ProgressStore store(dir.path());
    const MemoryState first = store.record(answer(7, false));
    QCOMPARE(first.scheduledDays, 1);
    const MemoryState second = store.record(answer(7, true, kDay1.addDays(1)));
    QCOMPARE(second.reps, 2);
    const auto kept = store.memoryOf("en_data1.mdb", 7, "00aa00aa00aa00aa");
    QVERIFY(kept);
    QCOMPARE(kept->due, second.due);
    QCOMPARE(kept->stability, second.stability);
    // A second connection (the next run) reads the same.
    ProgressStore again(dir.path());
    QCOMPARE(again.memoryOf("en_data1.mdb", 7, "00aa00aa00aa00aa")->reps, 2);
    QCOMPARE(again.lastRefFor("en_data1.mdb", "00aa00aa00aa00aa")->number, 7);
}

void TestProgressStore::editedItemStartsAfresh() {
    QTemporaryDir dir;
    ProgressStore store(dir.path());
    store.record(answer(7, true));
    store.record(answer(7, true, kDay1.addDays(3)));
    const MemoryState edited = store.record(answer(7, false, kDay1.addDays(4), "11bb11bb11bb11bb"));
    QCOMPARE(edited.reps, 1);
    QCOMPARE(store.memoryOf("en_data1.mdb", 7, "00aa00aa00aa00aa")->reps, 2);
}

void TestProgressStore::faults_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("kind");
    QTest::newRow("read-only file") << "read-only file" << int(ProgressError::Kind::ReadOnly);
    QTest::newRow("read-only folder") << "read-only folder" << int(ProgressError::Kind::ReadOnly);
    QTest::newRow("locked by another connection") << "locked" << int(ProgressError::Kind::Busy);
    QTest::newRow("garbage") << "garbage" << int(ProgressError::Kind::Damaged);
    QTest::newRow("another program's database") << "foreign" << int(ProgressError::Kind::Damaged);
    QTest::newRow("truncated") << "truncated" << int(ProgressError::Kind::Damaged);
    QTest::newRow("missing folder") << "missing folder" << int(ProgressError::Kind::FolderMissing);
}

// Every fault is told by its kind, and the file stays as it was: nothing made, nothing removed.
void TestProgressStore::faults() {
    QFETCH(QString, fault);
    QFETCH(int, kind);
    QTemporaryDir dir;
    QString folder = dir.path();
    const QString path = dir.filePath("progress.db");
    {
        ProgressStore seed(folder);
        for (int i = 1; i <= 200; ++i)
            seed.record(answer(i, i % 3 != 0));
    }
    std::unique_ptr<OtherConnection> other;
    if (fault == "read-only file") {
        QFile::setPermissions(path, QFile::ReadOwner);
    } else if (fault == "read-only folder") {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    } else if (fault == "locked") {
        other = std::make_unique<OtherConnection>(path, "BEGIN EXCLUSIVE");
    } else if (fault == "garbage") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, 'x'));
    } else if (fault == "foreign") {
        QFile::remove(path);
        sqlite3* db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        sqlite3_exec(db, "CREATE TABLE notes(text); INSERT INTO notes VALUES('mine');", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    } else if (fault == "truncated") {
        QFile file(path);
        QVERIFY(file.resize(file.size() / 2 + 100));
    } else if (fault == "missing folder") {
        folder = dir.filePath("gone");
    }
    const QByteArray before = testing::contentsOf(path);
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);

    ProgressStore store(folder);
    QCOMPARE(int(kindOf([&] { store.record(answer(999, true)); })), kind);
    store.close();
    other.reset();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(testing::contentsOf(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), files);
}

void TestProgressStore::damagedFileSetAsideUnderItsDate() {
    QTemporaryDir dir;
    const QString path = dir.filePath("progress.db");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x7f'));
    file.close();
    QFile other(dir.filePath("progress-2024-05-06.db"));
    QVERIFY(other.open(QIODevice::WriteOnly)); // a name already taken is not replaced
    other.close();

    ProgressStore store(dir.path());
    QCOMPARE(kindOf([&] { store.record(answer(1, true)); }), ProgressError::Kind::Damaged);
    const QString kept = store.setAside(QDate(2024, 5, 6));
    QCOMPARE(kept, dir.filePath("progress-2024-05-06-2.db"));
    QCOMPARE(testing::contentsOf(kept), QByteArray(4096, '\x7f'));
    store.record(answer(1, true));
    QCOMPARE(store.memoryOf("en_data1.mdb", 1, "00aa00aa00aa00aa")->reps, 1);
}

void TestProgressStore::dueItemsMostOverdueFirst() {
    QTemporaryDir dir;
    ProgressStore store(dir.path());
    store.record(answer(1, true));                 // due in 3 days
    store.record(answer(2, false));                // due tomorrow
    store.record(answer(3, false, kDay1.addDays(-1))); // due today
    const auto due = store.dueItems("en_data1.mdb", kDay1.addDays(2));
    QCOMPARE(int(due.size()), 2);
    QCOMPARE(due[0].number, 3);
    QCOMPARE(due[1].number, 2);
    QCOMPARE(store.dueCount("en_data1.mdb", kDay1.addDays(2)), 2);
    QCOMPARE(store.dueCount("en_data2.mdb", kDay1.addDays(2)), 0);
    QCOMPARE(*store.nextDue("en_data1.mdb"), kDay1);
}

void TestProgressStore::figures() {
    QTemporaryDir dir;
    ProgressStore store(dir.path());
    // Answers on days 1, 2, 3 and 5: three days in a row end on day 5? No: the run ending on day 5 is one day.
    for (int day : {0, 1, 2, 4})
        for (int i = 0; i < 3; ++i)
            store.record(answer(10 * day + i, i != 0, kDay1.addDays(day)));
    QCOMPARE(store.daysInARow(kDay1.addDays(4).date(), 0), 1);
    QCOMPARE(store.daysInARow(kDay1.addDays(5).date(), 0), 1); // nothing yet today: the run up to yesterday
    QCOMPARE(store.daysInARow(kDay1.addDays(2).date(), 0), 3);
    QCOMPARE(store.daysInARow(kDay1.addDays(7).date(), 0), 0);
    const auto days = store.dayFigures(kDay1.addDays(1), 0);
    QCOMPARE(int(days.size()), 3);
    QCOMPARE(days[0].day, kDay1.addDays(1).date());
    QCOMPARE(days[0].answered, 3);
    QCOMPARE(days[0].right, 2);
    const auto topics = store.topicFigures(kDay1.addDays(4));
    QCOMPARE(int(topics.size()), 1);
    QCOMPARE(topics[0].answered, 12);
    QCOMPARE(topics[0].right, 8);
    QCOMPARE(topics[0].recentAnswered, 3);
}

void TestProgressStore::exportAndForget() {
    QTemporaryDir dir;
    ProgressStore store(dir.path());
    store.record(answer(5, false));
    store.record(answer(5, true, kDay1.addDays(1)));
    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    store.exportCsv(csv);
    const QList<QByteArray> lines = csv.data().split('\n');
    QCOMPARE(lines.size(), 4); // header, two answers, the empty end
    QCOMPARE(lines[1],
             QByteArray("2024-05-06T12:00:00.000Z,en_data1.mdb,5,00aa00aa00aa00aa,1,1,a,C,0,practice,4.3,chosen,,0"));

    store.forget();
    QVERIFY(store.topicFigures(kDay1).empty());
    QVERIFY(!store.memoryOf("en_data1.mdb", 5, "00aa00aa00aa00aa"));
    // Forgotten answers leave nothing readable in the file.
    QVERIFY(!testing::contentsOf(store.path()).contains("00aa00aa00aa00aa"));
}

void TestProgressStore::olderFileBroughtUpToDate_data() {
    QTest::addColumn<int>("version");
    QTest::newRow("version 1") << 1;
    QTest::newRow("version 2") << 2;
}

// A file of an older version keeps its answers (as chosen ones, none a same-day repeat) and takes
// typed answers and the same-day mark from its next answer on.
void TestProgressStore::olderFileBroughtUpToDate() {
    QFETCH(int, version);
    QTemporaryDir dir;
    {
        sqlite3* db = nullptr;
        sqlite3_open(dir.filePath("progress.db").toUtf8().constData(), &db);
        std::string sql =
            "CREATE TABLE banks(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE);"
            "CREATE TABLE answers(id INTEGER PRIMARY KEY, at INTEGER NOT NULL, bank INTEGER NOT NULL,"
            " item INTEGER NOT NULL, fingerprint TEXT NOT NULL, level INTEGER, topic1 TEXT, topic2 TEXT,"
            " choice TEXT NOT NULL, right INTEGER NOT NULL, place INTEGER NOT NULL, ms INTEGER NOT NULL);"
            "CREATE TABLE memory(bank INTEGER NOT NULL, item INTEGER NOT NULL, fingerprint TEXT NOT NULL,"
            " level INTEGER, topic1 TEXT, topic2 TEXT, stability REAL NOT NULL, difficulty REAL NOT NULL,"
            " last_review INTEGER NOT NULL, due INTEGER NOT NULL, days INTEGER NOT NULL, reps INTEGER NOT NULL,"
            " lapses INTEGER NOT NULL, PRIMARY KEY(bank, item, fingerprint)) WITHOUT ROWID;"
            "INSERT INTO banks VALUES(1, 'en_data1.mdb');"
            "INSERT INTO answers VALUES(1, 0, 1, 9, '00aa00aa00aa00aa', 1, '1', 'a', 'B', 1, 1, 1000);"
            "PRAGMA application_id = 1280856135;";
        if (version == 2)
            sql += "CREATE TABLE topic_totals(topic1 TEXT NOT NULL, topic2 TEXT NOT NULL, answered INTEGER NOT NULL,"
                   " right INTEGER NOT NULL, PRIMARY KEY(topic1, topic2)) WITHOUT ROWID;"
                   "INSERT INTO topic_totals VALUES('1', 'a', 1, 1);";
        sql += "PRAGMA user_version = " + std::to_string(version) + ";";
        QCOMPARE(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    ProgressStore store(dir.path());
    Answer typed = answer(7, false);
    typed.mode = AnswerMode::Typed;
    typed.typed = QStringLiteral("it's; DROP TABLE answers; --");
    store.record(typed);
    store.record(answer(7, true, kDay1.addSecs(600)));
    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    store.exportCsv(csv);
    const QList<QByteArray> lines = csv.data().split('\n');
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[1].endsWith(",practice,1.0,chosen,,0"));
    QVERIFY(lines[2].endsWith(",practice,4.3,typed,it's; DROP TABLE answers; --,0"));
    QVERIFY(lines[3].endsWith(",practice,4.3,chosen,,1"));
    QCOMPARE(store.topicFigures(kDay1)[0].answered, 3);
    QCOMPARE(store.memoryOf("en_data1.mdb", 7, "00aa00aa00aa00aa")->reps, 1);
}

// The fast reading of a whole bank gives what itemFingerprint() gives for the same content,
// whatever spaces, letters or missing fields the item has.
void TestProgressStore::bankFingerprintsAsTheItemsGive_data() {
    QTest::addColumn<QStringList>("fields"); // mondat, a, b, c, d, felelet2; "NULL" for a missing field
    QTest::newRow("plain") << QStringList{"She ...... to school.", "go", "goes", "going", "gone", "B"};
    QTest::newRow("spaces and tabs around") << QStringList{" She ...... home.\t", "\tgo ", "goes", "going", "gone ", " b"};
    QTest::newRow("lower-case key") << QStringList{"It ...... raining.", "is", "are", "be", "been", "a"};
    QTest::newRow("accented letters") << QStringList{"Él ...... aquí.", "vive", "vives", "vivo", "vivimos", "A"};
    QTest::newRow("no-break space in front") << QStringList{"\u00a0We ...... late.", "are", "is", "am", "be", "A"};
    QTest::newRow("missing fields") << QStringList{"They ...... .", "NULL", "", "NULL", "x", "NULL"};
}

void TestProgressStore::bankFingerprintsAsTheItemsGive() {
    QFETCH(QStringList, fields);
    lexora::testing::TempDatabase bank;
    const QString path = bank.path();
    int number = 0;
    {
        auto db = SqliteDb::open(path);
        Statement first = db->prepare("SELECT min(sorszam) FROM test1");
        QVERIFY(first.step());
        number = int(first.columnInt(0));
        Statement edit = db->prepare("UPDATE test1 SET mondat = ?, a = ?, b = ?, c = ?, d = ?, felelet2 = ? WHERE sorszam = ?");
        for (int i = 0; i < 6; ++i)
            edit.bind(i + 1, fields[i] == "NULL" ? QVariant() : QVariant(fields[i]));
        edit.bind(7, number);
        edit.step();
    }
    for (QString& field : fields)
        field = field == "NULL" ? QString() : field;
    const QString expected = itemFingerprint(ItemContent{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]});
    BankFingerprints fingerprints;
    QCOMPARE(fingerprints.all(path).value(number), expected);
    QCOMPARE(BankFingerprints().some(path, {number}).value(number), expected);
}

QTEST_GUILESS_MAIN(TestProgressStore)
#include "test_progressstore.moc"
