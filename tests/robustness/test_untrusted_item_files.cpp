// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// An item file that holds code besides its data, met by every screen that opens it: each
// tells it once per action, naming the object; the file stays byte for byte as it was; the
// program goes on, and once the file is replaced by a sound one the same actions work. And a
// statement that runs past its bound is stopped, told as a faulty file, and loses nothing.

#include "app/screen.h"
#include "data/connectionguard.h"
#include "data/itembank.h"

#include "core/rawsql.h"
#include "ui/freshboxes.h"
#include "ui/programfixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace lexora;
using namespace lexora::testing;

namespace {

void writeInPlace(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
    QVERIFY(file.resize(bytes.size()));
}

const std::vector<QStringList>& realBank() {
    static const std::vector<QStringList> items = [] {
        std::vector<BankProblem> problems;
        ItemBank bank = ItemBank::readText(QStringLiteral(LEXORA_ITEMS_DIR "/en_data1.tsv"), problems);
        if (!problems.empty() || bank.items.size() < 100)
            qFatal("items/en_data1.tsv cannot be read");
        return bank.items;
    }();
    return items;
}

double drawOf(int number) {
    int highest = 0;
    for (const QStringList& item : realBank())
        highest = std::max(highest, item[0].toInt());
    return ScriptedPlatform::drawFor(number, highest);
}

// Exactly one box came, naming the file and holding `words`.
void checkOneBox(Boxes& boxes, const QString& words) {
    const auto told = boxes.fresh();
    QCOMPARE(told.size(), size_t(1));
    QVERIFY2(told[0].text.contains(QStringLiteral("en_data1.mdb")) && told[0].text.contains(words),
             qPrintable(told[0].text));
}

void checkNoBox(Boxes& boxes) {
    const auto told = boxes.fresh();
    QVERIFY2(told.empty(), told.empty() ? "" : qPrintable(told.front().text));
}

#define CHECK(call)                                                                                                    \
    do {                                                                                                               \
        call;                                                                                                          \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)

void click(ProgramFixture& f, ScreenId id, const char* button) {
    QTest::mouseClick(f.child<QPushButton>(id, QLatin1String(button)), Qt::LeftButton);
    ProgramFixture::settle();
}

QString labelText(ProgramFixture& f, ScreenId id, const char* name) {
    return f.child<QLabel>(id, QLatin1String(name))->text();
}

} // namespace

class TestUntrustedItemFiles : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ConnectionGuard::setTimeBound(std::chrono::milliseconds(2000)); }

    void everyScreenRefusesPlantedCode_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("named");
        QTest::addRow("trigger on the failed items")
            << "CREATE TRIGGER empty_items AFTER INSERT ON hiba1 BEGIN DELETE FROM test1; END;"
            << "trigger \"empty_items\" on hiba1";
        QTest::addRow("trigger on the items")
            << "CREATE TABLE other_table (line TEXT); CREATE TRIGGER copy_out AFTER UPDATE ON test1 "
               "BEGIN INSERT INTO other_table VALUES (new.mondat); END;"
            << "trigger \"copy_out\" on test1";
        QTest::addRow("slow view posing as the items")
            << "ALTER TABLE test1 RENAME TO items; CREATE VIEW test1 AS SELECT items.* FROM items, (WITH "
               "RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 100000000) SELECT count(*) "
               "FROM n);"
            << "view \"test1\"";
        QTest::addRow("generated column") << "ALTER TABLE test1 ADD COLUMN twice AS (sorszam * 2);"
                                          << "generated column \"twice\"";
        QTest::addRow("index on an expression") << "CREATE INDEX lower_sentence ON test1 (lower(mondat));"
                                                << "index \"lower_sentence\"";
    }
    void everyScreenRefusesPlantedCode() {
        QFETCH(QString, sql);
        QFETCH(QString, named);
        ProgramFixture f(realBank());
        const QString path = f.database().path();
        const QByteArray sound = contentsOf(path);
        rawSql(path, sql.toUtf8().constData());
        const QByteArray planted = contentsOf(path);
        const QStringList listing = QDir(f.database().dir()).entryList(QDir::Files | QDir::Hidden);
        Boxes boxes(f);

        // The hub names the file it cannot use.
        f.startToHub();
        auto* notice = f.child<QLabel>(ScreenId::Hub, QStringLiteral("notice"));
        QVERIFY(shown(notice));
        QVERIFY2(notice->text().contains(QStringLiteral("en_data1.mdb")), qPrintable(notice->text()));
        CHECK(checkNoBox(boxes));

        // Practice: on opening and at Start, one box each naming the object; no item shown.
        f.show(ScreenId::Practice);
        CHECK(checkOneBox(boxes, named));
        f.platform().queueDraws({drawOf(1)});
        click(f, ScreenId::Practice, "Command3");
        CHECK(checkOneBox(boxes, named));
        QVERIFY(labelText(f, ScreenId::Practice, "Label13").isEmpty());
        f.screens().unload(ScreenId::Practice);

        // Test: the same on opening and when a run starts.
        f.show(ScreenId::Test);
        CHECK(checkOneBox(boxes, named));
        f.platform().queueDraws({drawOf(2)});
        click(f, ScreenId::Test, "Command3");
        CHECK(checkOneBox(boxes, named));
        f.screens().unload(ScreenId::Test);

        // Database: on opening and at its Start.
        f.show(ScreenId::Database);
        CHECK(checkOneBox(boxes, named));
        click(f, ScreenId::Database, "Command10");
        CHECK(checkOneBox(boxes, named));
        f.screens().unload(ScreenId::Database);
        ProgramFixture::settle();

        QVERIFY2(contentsOf(path) == planted, "the refused file was changed");
        QCOMPARE(QDir(f.database().dir()).entryList(QDir::Files | QDir::Hidden), listing);
        QCOMPARE(f.platform().endProcessCalls, 0);

        // A sound file put in its place serves every screen again.
        CHECK(writeInPlace(path, sound));
        f.platform().queueDraws({drawOf(1)});
        f.show(ScreenId::Practice);
        click(f, ScreenId::Practice, "Command3");
        CHECK(checkNoBox(boxes));
        QCOMPARE(labelText(f, ScreenId::Practice, "Label13"), QLatin1Char(' ') + realBank()[0][4]);
        f.screens().unload(ScreenId::Practice);
        f.show(ScreenId::Database);
        click(f, ScreenId::Database, "Command10");
        CHECK(checkNoBox(boxes));
        QCOMPARE(f.child<QLineEdit>(ScreenId::Database, QStringLiteral("Text1"))->text(), QString("1"));
    }

    // Statements that run past the bound (here every statement of any length) are stopped:
    // Practice tells the file is faulty and stays open, no draw is spent, the file is as it
    // was, and with the usual bound the same Start shows an item.
    void practiceGoesOnAfterAStoppedStatement() {
        ProgramFixture f(realBank());
        f.prepare();
        const QString path = f.database().path();
        Boxes boxes(f);
        f.show(ScreenId::Practice);
        CHECK(checkNoBox(boxes));
        const QByteArray before = contentsOf(path);

        ConnectionGuard::setTimeBound(std::chrono::milliseconds(0));
        f.platform().queueDraws({drawOf(1)});
        click(f, ScreenId::Practice, "Command3");
        CHECK(checkOneBox(boxes, QStringLiteral("is faulty")));
        QVERIFY(f.screens().isLoaded(ScreenId::Practice));
        QVERIFY(labelText(f, ScreenId::Practice, "Label13").isEmpty());
        QVERIFY(contentsOf(path) == before);

        ConnectionGuard::setTimeBound(std::chrono::milliseconds(2000));
        click(f, ScreenId::Practice, "Command3");
        CHECK(checkNoBox(boxes));
        QCOMPARE(labelText(f, ScreenId::Practice, "Label13"), QLatin1Char(' ') + realBank()[0][4]);
        QCOMPARE(f.platform().endProcessCalls, 0);
    }
};

QTEST_MAIN(TestUntrustedItemFiles)
#include "test_untrusted_item_files.moc"
