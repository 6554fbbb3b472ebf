// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Item files from elsewhere: a file that holds code besides its data is refused and left as
// it was, whoever reads it (store, views, item bank tool); harmless extras are accepted; a
// damaged file is refused on opening; a statement that runs too long is stopped and takes
// nothing with it; every shipped bank and test database still opens.

#include "data/connectionguard.h"
#include "text/messages.h"
#include "data/itembank.h"
#include "data/itemstore.h"
#include "data/schemacheck.h"
#include "data/sqlitedb.h"

#include "core/rawsql.h"
#include "core/tempdatabase.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace lexora;
using namespace lexora::testing;

namespace {

// The message of the StoreError `f` raises, with its kind; an empty message when none.
template <typename F> std::pair<StoreError::Kind, QString> errorOf(F&& f) {
    try {
        f();
    } catch (const StoreError& e) {
        return {e.kind(), Messages::english(e)};
    }
    return {StoreError::Kind(-1), QString()};
}

struct ToolRun {
    int exitCode;
    QString output;
};

ToolRun runTool(const QStringList& args) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(qEnvironmentVariable("LEXORA_ITEMS_TOOL"), args);
    tool.waitForFinished(60000);
    return {tool.exitCode(), QString::fromUtf8(tool.readAll())};
}

const char* kItemColumns = "sorszam INTEGER, sorrend INTEGER, sorrend2 INTEGER, szint INTEGER, mondat TEXT, a TEXT, "
                           "b TEXT, c TEXT, d TEXT, felelet1 TEXT, felelet2 TEXT, kulcs1 TEXT, kulcs2 TEXT";

// Each way a file can carry code, and the words that must name it in the refusal.
void addPlantedRows() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("named");
    QTest::addRow("trigger on the item table")
        << "CREATE TABLE other_table (line TEXT);"
           "CREATE TRIGGER copy_out AFTER UPDATE ON test1 BEGIN INSERT INTO other_table VALUES (new.mondat); END;"
        << "trigger \"copy_out\" on test1";
    QTest::addRow("trigger on the failed items")
        << "CREATE TRIGGER empty_items AFTER INSERT ON hiba1 BEGIN DELETE FROM test1; END;"
        << "trigger \"empty_items\" on hiba1";
    QTest::addRow("view posing as the item table")
        << "ALTER TABLE test1 RENAME TO items; CREATE VIEW test1 AS SELECT items.* FROM items, (WITH RECURSIVE "
           "n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 100000000) SELECT count(*) FROM n);"
        << "view \"test1\"";
    QTest::addRow("view beside the tables") << "CREATE VIEW recent AS SELECT * FROM hiba1;"
                                            << "view \"recent\"";
    QTest::addRow("virtual table") << "CREATE VIRTUAL TABLE notes USING fts5(line);"
                                   << "virtual table \"notes\"";
    QTest::addRow("CHECK constraint on an item column")
        << "ALTER TABLE test1 ADD COLUMN mark INTEGER CHECK (mark IS NULL OR mark > 0);"
        << "CHECK constraint on table \"test1\"";
    QTest::addRow("CHECK constraint on another table")
        << "CREATE TABLE marks (mark INTEGER, CONSTRAINT positive CHECK (mark > 0));"
        << "CHECK constraint on table \"marks\"";
    QTest::addRow("generated column") << "ALTER TABLE test1 ADD COLUMN twice AS (sorszam * 2);"
                                      << "generated column \"twice\" of table \"test1\"";
    QTest::addRow("stored generated column")
        << "CREATE TABLE sums (a INTEGER, b INTEGER GENERATED ALWAYS AS (a + 1) STORED);"
        << "generated column \"b\" of table \"sums\"";
    QTest::addRow("index on an expression") << "CREATE INDEX lower_sentence ON test1 (lower(mondat));"
                                            << "index \"lower_sentence\" on test1";
    QTest::addRow("partial index") << "CREATE INDEX upper_levels ON hiba1 (hiba) WHERE hiba > '1';"
                                   << "index \"upper_levels\" on hiba1";
    QTest::addRow("item table without row numbers")
        << QStringLiteral("ALTER TABLE test1 RENAME TO old; CREATE TABLE test1 (%1, PRIMARY KEY (sorszam)) WITHOUT "
                          "ROWID; INSERT INTO test1 SELECT * FROM old; DROP TABLE old;")
               .arg(QLatin1String(kItemColumns))
        << "table \"test1\" without row numbers";
}

} // namespace

class TestUntrustedFiles : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ConnectionGuard::setTimeBound(std::chrono::milliseconds(2000)); }

    // Every reader refuses the file, the refusal names the object, and not a byte of the file
    // changes, nor does a journal appear beside it.
    void plantedObjectsAreRefusedAndTheFileKept_data() { addPlantedRows(); }
    void plantedObjectsAreRefusedAndTheFileKept() {
        QFETCH(QString, sql);
        QFETCH(QString, named);
        TempDatabase db;
        rawSql(db.path(), sql.toUtf8().constData());
        const QByteArray before = contentsOf(db.path());
        const QStringList listing = QDir(db.dir()).entryList(QDir::Files | QDir::Hidden);

        const std::function<void()> readers[] = {
            [&] { ItemStore::open(db.path()); },
            [&] { LiveView::open(db.path(), QStringLiteral("hiba1")); },
            [&] { SnapshotView::open(db.path(), QStringLiteral("test1"), QStringLiteral("sorrend2")); },
            [&] { ItemBank::readDatabase(db.path()); },
            [&] { fixtureBank().replaceItemsIn(db.path()); },
        };
        for (const auto& read : readers) {
            const auto [kind, message] = errorOf(read);
            QCOMPARE(kind, StoreError::Kind::NotADatabase);
            QVERIFY2(message.contains(named) && message.contains(QStringLiteral("not an item database")) &&
                         message.contains(db.path()),
                     qPrintable(message));
        }

        // The item bank tool refuses it the same way, for export and import alike.
        QTemporaryDir out;
        for (const QStringList& args :
             {QStringList{"export", db.path(), out.filePath("bank.tsv")},
              QStringList{"import", QStringLiteral(LEXORA_FIXTURES_DIR "/items.tsv"), db.path()}}) {
            const ToolRun run = runTool(args);
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.output.contains(named), qPrintable(run.output));
        }
        QVERIFY(!QFile::exists(out.filePath("bank.tsv")));

        QVERIFY2(contentsOf(db.path()) == before, "the refused file was changed");
        QCOMPARE(QDir(db.dir()).entryList(QDir::Files | QDir::Hidden), listing);
    }

    // Extras that hold data only: a teacher's own table with defaults, a UNIQUE constraint and
    // an index, an extra item column, the engine's statistics, and the word CHECK where it is
    // a name, a text or a comment. The file opens, reads and takes writes as ever.
    void harmlessExtrasAreAccepted() {
        TempDatabase db;
        rawSql(db.path(), "CREATE TABLE notes (\"check\" TEXT DEFAULT 'CHECK (1)', [where] INTEGER UNIQUE, "
                          "made INTEGER DEFAULT 0 /* CHECK (made > 0) */, -- GENERATED ALWAYS\n line TEXT);"
                          "CREATE INDEX notes_made ON notes (made, line);"
                          "INSERT INTO notes (line) VALUES ('kept');"
                          "ALTER TABLE test1 ADD COLUMN remark TEXT DEFAULT '';"
                          "ANALYZE;");
        const int items = int(fixtureBank().items.size());
        ItemStore store = ItemStore::open(db.path());
        QCOMPARE(store.sortedCopy(QStringLiteral("test1"), QStringLiteral("sorrend2"))->count(), items);
        auto view = store.tableView(QStringLiteral("test1"));
        view->edit();
        view->setField(QStringLiteral("mondat"), QStringLiteral("Edited ......"));
        view->update();
        QCOMPARE(ItemBank::readDatabase(db.path()).items.size(), size_t(items));
        QCOMPARE(ItemStore::open(db.path()).tableView(QStringLiteral("test1"))->text(QStringLiteral("mondat")),
                 QStringLiteral("Edited ......"));
    }

    void keywordsAreFoundOnlyAsWords() {
        QVERIFY(hasKeyword(QStringLiteral("CREATE TABLE t (a, check(a > 0))"), QLatin1String("CHECK")));
        QVERIFY(hasKeyword(QStringLiteral("CREATE TABLE t (a) WITHOUT\nROWID"), QLatin1String("WITHOUT")));
        QVERIFY(!hasKeyword(QStringLiteral("CREATE TABLE t (checked, \"check\", 'it''s CHECK', `CHECK`, [CHECK])"),
                            QLatin1String("CHECK")));
        QVERIFY(!hasKeyword(QStringLiteral("CREATE TABLE t (a) -- CHECK\n /* CHECK */"), QLatin1String("CHECK")));
        // An unclosed quote or comment ends the text without reading past it.
        QVERIFY(!hasKeyword(QStringLiteral("CREATE TABLE t (a '"), QLatin1String("CHECK")));
        QVERIFY(!hasKeyword(QStringLiteral("CREATE TABLE t (a /* CHECK"), QLatin1String("CHECK")));
    }

    // A damaged file is refused when it is opened, before any screen reads from it, and a
    // file found sound once is checked again after another program has written over it.
    void damagedFileIsRefusedOnOpening() {
        std::vector<QStringList> items;
        for (int i = 1; i <= 300; ++i)
            items.push_back(makeItem(i, i));
        TempDatabase db(items);
        QTest::qWait(100); // old enough to be remembered as sound
        ItemStore::open(db.path());
        QByteArray bytes = contentsOf(db.path());
        const int pageSize = (uchar(bytes[16]) << 8) | uchar(bytes[17]);
        const int lastLeaf = int(bytes.size() / pageSize) - 1;
        bytes.replace(lastLeaf * pageSize + 8, 64, QByteArray(64, char(0x7f)));
        QFile file(db.path());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QCOMPARE(file.write(bytes), qint64(bytes.size())); // same size, same file
        file.close();
        const auto [kind, message] = errorOf([&] { ItemStore::open(db.path()); });
        QCOMPARE(kind, StoreError::Kind::NotADatabase);
        QVERIFY2(message.contains(QStringLiteral("not an item database")), qPrintable(message));
        QVERIFY(contentsOf(db.path()) == bytes);
    }

    // A statement that runs past the bound is stopped: the file is told faulty, what the
    // statement or its transaction wrote is taken back, and the connection serves on.
    void longStatementIsStoppedAndTakesNothingWithIt() {
        TempDatabase db;
        const auto failedBefore = db.failedRows();
        ConnectionGuard::setTimeBound(std::chrono::milliseconds(100));
        auto conn = SqliteDb::open(db.path());
        const char* endless = "INSERT INTO hiba1 (hiba) WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 "
                              "FROM n) SELECT 'z' FROM n";
        auto [kind, message] = errorOf([&] { conn->exec(endless); });
        QCOMPARE(kind, StoreError::Kind::Io);
        QVERIFY2(message.contains(QStringLiteral("is faulty")) && message.contains(db.path()), qPrintable(message));

        {
            Transaction transaction(conn);
            conn->exec("INSERT INTO hiba1 (hiba) VALUES ('1')");
            Statement count = conn->prepare("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n) "
                                            "SELECT count(*) FROM n");
            std::tie(kind, message) = errorOf([&] { count.step(); });
            QCOMPARE(kind, StoreError::Kind::Io);
        }
        QCOMPARE(db.failedRows(), failedBefore);

        // A slow statement after a long quiet spell is measured from its own start.
        ConnectionGuard::setTimeBound(std::chrono::milliseconds(2000));
        QTest::qWait(150);
        Statement items = conn->prepare("SELECT count(*) FROM test1");
        QVERIFY(items.step());
        QCOMPARE(int(items.columnInt(0)), int(fixtureBank().items.size()));
    }

    // A text larger than any item needs, put there by another program, fails to read with a
    // message instead of being loaded whole.
    void oversizedTextFailsToRead() {
        TempDatabase db;
        rawSql(db.path(), "UPDATE test1 SET mondat = printf('%.2000000c', 'x') WHERE sorszam = 1");
        const auto [kind, message] = errorOf([&] {
            auto view = LiveView::open(db.path(), QStringLiteral("test1"));
            view->setIndex(QStringLiteral("sorszam"));
            view->seek(1);
            view->text(QStringLiteral("mondat"));
        });
        QVERIFY2(kind == StoreError::Kind::Io || kind == StoreError::Kind::NotADatabase, qPrintable(message));
    }

    // The shipped banks as the program folder holds them, and every fixture bank.
    void everyShippedBankAndTestDatabaseOpens() {
        QTemporaryDir dir;
        QStringList opened;
        const QDir bin(qEnvironmentVariable("LEXORA_BIN_DIR"));
        for (const QString& name : bin.entryList({QStringLiteral("*.mdb")}, QDir::Files)) {
            const QString copy = dir.filePath(name);
            QVERIFY(QFile::copy(bin.filePath(name), copy));
            opened << name;
        }
        for (const QString& name : QDir(QStringLiteral(LEXORA_FIXTURES_DIR)).entryList({QStringLiteral("*.tsv")})) {
            fixtureBank(name).createDatabase(dir.filePath(name + QStringLiteral(".mdb")));
            opened << name;
        }
        QVERIFY2(opened.size() >= 5, qPrintable(opened.join(' '))); // four shipped banks and a fixture
        for (const QString& name : QDir(dir.path()).entryList({QStringLiteral("*.mdb")})) {
            const QString path = dir.filePath(name);
            const auto [kind, message] = errorOf([&] {
                ItemStore store = ItemStore::open(path);
                QVERIFY(store.sortedCopy(QStringLiteral("test1"), QStringLiteral("sorrend2"))->count() > 0);
                store.tableView(QStringLiteral("hiba1"));
            });
            QVERIFY2(message.isEmpty(), qPrintable(name + ": " + message));
        }
    }
};

QTEST_GUILESS_MAIN(TestUntrustedFiles)
#include "test_untrusted_files.moc"
