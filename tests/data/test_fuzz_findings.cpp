// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Inputs that the fuzz targets in fuzz/ once found wrong, kept as ordinary tests on real
// database files.

#include "data/itemstore.h"
#include "data/quickcheck.h"
#include "data/sqlitedb.h"
#include "text/captions.h"
#include "text/messages.h"

#include "core/rawsql.h"
#include "core/tempdatabase.h"

#include <QFile>
#include <QTest>

using namespace lexora;
using lexora::testing::makeItem;
using lexora::testing::TempDatabase;
using lexora::testing::failureOf;
using lexora::testing::rawColumn;
using lexora::testing::rawSql;

namespace {

// A refusal of a damaged file is told as such, here in Hungarian.
void verifyToldAsDamaged(const StoreError& refused) {
    QCOMPARE(refused.kind(), StoreError::Kind::NotADatabase);
    const QString told = Messages::of(refused, LangCode::Hungarian);
    QVERIFY2(told.contains(QStringLiteral("megsérült")), qPrintable(told));
}

// Items 1..n whose sentences are the given texts (sorrend2 follows sorszam).
std::vector<QStringList> itemsWithSentences(const QStringList& sentences) {
    std::vector<QStringList> items;
    for (int i = 0; i < sentences.size(); ++i) {
        QStringList item = makeItem(i + 1, i + 1);
        item[4] = sentences[i];
        items.push_back(item);
    }
    return items;
}

// The sentences of the items that a sorted copy made with `criteria` holds.
QStringList selected(const TempDatabase& db, const QString& criteria) {
    auto copy = ItemStore::open(db.path()).sortedCopy("test1", "sorrend2", criteria);
    QStringList sentences;
    if (copy->count() == 0)
        return sentences;
    for (copy->moveFirst(); !copy->eof(); copy->moveNext())
        sentences << copy->text("mondat");
    return sentences;
}

// Overwrites one leaf page of the item table, not the one holding item 1, so that reading
// the rows on it fails while the indexes and the other pages stay sound.
void damageAnItemPage(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const int pageSize = (uchar(bytes[16]) << 8) | uchar(bytes[17]);
    QVERIFY(pageSize >= 512);
    int damaged = -1;
    for (int page = 1; (page + 1) * pageSize <= bytes.size(); ++page) {
        const QByteArray content = bytes.mid(page * pageSize, pageSize);
        if (content[0] == char(0x0d) && content.contains("Sentence ") && !content.contains("Sentence 1 with"))
            damaged = page;
    }
    QVERIFY(damaged > 0);
    bytes.replace(damaged * pageSize, pageSize, QByteArray(pageSize, char(0xff)));
    QVERIFY(file.seek(0));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

} // namespace

class TestFuzzFindings : public QObject {
    Q_OBJECT

private slots:
    // "?" with a character outside the basic plane (two UTF-16 units) in the pattern or the
    // text: the pattern was once spoilt by splitting such a character and matched nothing.
    void likeWithCharactersOutsideTheBasicPlane_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("expected");
        QTest::addRow("found pattern") << QString::fromUtf8("?😀*") << true;
        QTest::addRow("one character each") << QString::fromUtf8("x??7") << true;
        QTest::addRow("not two") << QString::fromUtf8("x???7") << false;
        QTest::addRow("digit next to it") << QString::fromUtf8("*😀 #") << true;
        QTest::addRow("other character") << QString::fromUtf8("?😁*") << false;
    }
    void likeWithCharactersOutsideTheBasicPlane() {
        QFETCH(QString, pattern);
        QFETCH(bool, expected);
        TempDatabase db(itemsWithSentences({QString::fromUtf8("x😀 7")}));
        QCOMPARE(selected(db, QStringLiteral("mondat Like '%1'").arg(pattern)).size(), expected ? 1 : 0);
        QCOMPARE(selected(db, QStringLiteral("mondat Not Like '%1'").arg(pattern)).size(), expected ? 0 : 1);
    }

    // Patterns with "?" or "#" and many "*" on long texts: matching them once took time that
    // grew with a power of the text's length per "*", and gave up with "no match" on the way.
    void likeWithManyStarsOnLongTexts_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("expected");
        QTest::addRow("found pattern") << "??***********#*****" << true;
        QTest::addRow("star and one alternating") << "*?*?*?*?*?*?*?*?*?*?*?*?*x" << true;
        QTest::addRow("digits apart") << "*#*#*#*#*#*#*#*#*#*#*#*#*#*#*#*x" << true;
        QTest::addRow("no match far apart") << "*#*#*#*#*#*#*#*#*#*#*#*#*#*#*#*y" << false;
        QTest::addRow("letter that is not there") << "*?*?*?*?*?*?*?*?*?*?*?*?*z*" << false;
    }
    void likeWithManyStarsOnLongTexts() {
        QFETCH(QString, pattern);
        QFETCH(bool, expected);
        const QString longText = QString(700, '9') + QStringLiteral(" a ...... long one ") + QString(300, 'x');
        TempDatabase db(itemsWithSentences({longText, QStringLiteral("short")}));
        QCOMPARE(selected(db, QStringLiteral("mondat Like '%1'").arg(pattern)), expected ? QStringList{longText} : QStringList{});
    }

    // A copy reads its other fields before the first write to the file. When that read failed
    // half-way on a damaged page, the copy went on with every row's other fields empty.
    void copyKeepsItsRowsWhenCompletingItFails() {
        QStringList sentences;
        for (int i = 1; i <= 300; ++i)
            sentences << QStringLiteral("Sentence %1 with a ...... in it, and words enough to fill the pages.").arg(i);
        TempDatabase db(itemsWithSentences(sentences));
        damageAnItemPage(db.path());
        // The page fails after the file was checked at opening, as a disk can while the program
        // runs; a file damaged before is refused when it is opened.
        QCOMPARE(failureOf([&] { ItemStore::open(db.path()); }), StoreError::Kind::NotADatabase);
        QuickCheck::rememberAsSound(db.path());

        ItemStore store = ItemStore::open(db.path());
        auto copy = store.sortedCopy("test1", "sorrend2", "szint >= 1");
        QCOMPARE(copy->count(), 300);
        // A failed item written while the copy is alive, as a Test run does.
        auto failed = store.tableView("hiba1");
        failed->addNew();
        failed->setField("hiba", "1");
        QCOMPARE(failureOf([&] { failed->update(); }), StoreError::Kind::NotADatabase);

        copy->moveFirst();
        QCOMPARE(copy->text("mondat"), sentences[0]);
        QCOMPARE(copy->field("sorszam").toInt(), 1);
        // Rows on the damaged page fail to read rather than showing empty fields.
        QList<int> shownWrong;
        int unreadable = 0;
        for (; !copy->eof(); copy->moveNext()) {
            const int position = copy->position();
            QString text;
            const StoreError::Kind kind = failureOf([&] { text = copy->text("mondat"); });
            if (kind == StoreError::Kind::NotADatabase)
                ++unreadable;
            else if (text != sentences[position])
                shownWrong << position + 1;
        }
        QCOMPARE(shownWrong, QList<int>());
        QVERIFY(unreadable > 0);
        // The write did not happen.
        QCOMPARE(ItemStore::open(db.path()).tableView("hiba1")->count(), 1);
    }

    // A damaged file whose order index misses an item that the table and the other indexes
    // have: the copy holds the item, and once lost its other fields when it read the rest.
    // Engine versions differ on such a file: some open it and let a write through, others
    // refuse the opening or the write as damage. Whichever happens, nothing stored is lost, a
    // refusal is told as a damaged file in the working language, and a copy being read still
    // shows every item.
    void copyReadsItemsItsOrderIndexMisses() {
        const QStringList sentences{"First ......", "Second ......", "Third ......"};
        TempDatabase db(itemsWithSentences(sentences));
        rawSql(db.path(), "DROP INDEX sorrend2; CREATE UNIQUE INDEX sorrend2 ON test1 (sorrend2) WHERE sorszam <> 2;"
                          "PRAGMA writable_schema = ON;"
                          "UPDATE sqlite_master SET sql = 'CREATE UNIQUE INDEX sorrend2 ON test1 (sorrend2)' "
                          "WHERE name = 'sorrend2';"
                          "PRAGMA writable_schema = OFF;");
        QStringList stored = sentences;
        try {
            ItemStore store = ItemStore::open(db.path());
            auto copy = store.sortedCopy("test1", "sorrend2", "szint >= 1");
            QCOMPARE(copy->count(), 3);
            try {
                auto view = store.tableView("test1");
                view->moveLast();
                view->edit();
                view->setField("mondat", "Changed ......");
                view->update();
                stored.last() = "Changed ......";
            } catch (const StoreError& refused) {
                verifyToldAsDamaged(refused);
            }
            QStringList shown;
            for (copy->moveFirst(); !copy->eof(); copy->moveNext())
                shown << copy->text("mondat");
            QCOMPARE(shown, sentences);
        } catch (const StoreError& refused) {
            verifyToldAsDamaged(refused);
        }
        QCOMPARE(rawColumn(db.path(), "SELECT mondat FROM test1 ORDER BY sorszam"), stored);
    }

    // A damaged file whose covering index holds other topic keys than the table (the quick
    // check on opening does not compare indexes with their table): a copy completed before a
    // write read them from the index, so it showed other fields than a copy read before.
    void copyCompletesFromTheTableNotFromAnIndex() {
        TempDatabase db({makeItem(1, 10), makeItem(2, 20), makeItem(3, 30)});
        rawSql(db.path(), "DROP INDEX IF EXISTS selection;"
                          "CREATE INDEX selection ON test1 (sorrend2, szint, kulcs2, kulcs1);"
                          "PRAGMA writable_schema = ON;"
                          "UPDATE sqlite_master SET sql = 'CREATE INDEX selection ON test1 (sorrend2, szint, kulcs1, "
                          "kulcs2)' WHERE name = 'selection';"
                          "PRAGMA writable_schema = OFF;"
                          "ANALYZE; DELETE FROM sqlite_stat1;"
                          "INSERT INTO sqlite_stat1 VALUES ('test1', 'sorrend2', '1000000000 1'),"
                          "('test1', 'sorszam', '1 1000000000'), ('test1', 'selection', '3 1 1 1 1');");
        ItemStore store = ItemStore::open(db.path());
        auto copy = store.sortedCopy("test1", "sorrend2", "szint >= 1");
        // The write itself may be refused by the damaged index; the copy is completed first.
        failureOf([&] {
            auto view = store.tableView("test1");
            view->moveLast();
            view->edit();
            view->setField("mondat", "Changed ......");
            view->update();
        });

        QStringList keys;
        for (copy->moveFirst(); !copy->eof(); copy->moveNext())
            keys << copy->text("kulcs1") + copy->text("kulcs2");
        QCOMPARE(keys, (QStringList{"10", "10", "10"}));
    }
};

QTEST_GUILESS_MAIN(TestFuzzFindings)
#include "test_fuzz_findings.moc"
