// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/itemstore.h"
#include "data/sqlitedb.h"

#include "core/tempdatabase.h"

#include <QFile>
#include <QTest>

using namespace lexora;
using lexora::testing::TempDatabase;
using lexora::testing::failureOf;

namespace {

QList<int> column(ItemView& view, const char* field) {
    QList<int> values;
    if (view.count() == 0)
        return values;
    for (view.moveFirst(); !view.eof(); view.moveNext())
        values << view.field(QLatin1String(field)).toInt();
    return values;
}

} // namespace

class TestItemStore : public QObject {
    Q_OBJECT

private slots:
    void openingFailsClearlyAndCreatesNothing_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("kind");
        QTest::addRow("missing") << QByteArray() << int(StoreError::Kind::NotFound);
        QTest::addRow("empty file") << QByteArray("") << int(StoreError::Kind::NotADatabase);
        QTest::addRow("garbage") << QByteArray(4096, 'x') << int(StoreError::Kind::NotADatabase);
    }
    void openingFailsClearlyAndCreatesNothing() {
        QFETCH(QByteArray, content);
        QFETCH(int, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath("en_data1.mdb");
        if (!content.isNull()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QCOMPARE(int(failureOf([&] { ItemStore::open(path); })), kind);
        QCOMPARE(int(failureOf([&] { LiveView::open(path, "test1"); })), kind);
        QCOMPARE(QFile::exists(path), !content.isNull());
        QCOMPARE(QFileInfo(path).size(), qint64(content.size()));
    }

    void databaseWithoutItemTablesIsRefused() {
        QTemporaryDir dir;
        const QString path = dir.filePath("other.mdb");
        SqliteDb::open(path, true)->exec("CREATE TABLE notes (x TEXT)");
        QCOMPARE(failureOf([&] { ItemStore::open(path); }), StoreError::Kind::NotADatabase);
    }

    void namesMatchInAnyLetterCase() {
        TempDatabase db;
        auto view = LiveView::open(db.path(), "Test1");
        QCOMPARE(view->field("Sorszam").toInt(), 1);
        QCOMPARE(view->field("SZINT").toInt(), 1);
        auto copy = ItemStore::open(db.path()).sortedCopy("TEST1", "Sorrend2", "Szint = 1");
        QCOMPARE(column(*copy, "szint"), QList<int>({1, 1, 1, 1, 1}));
        QCOMPARE(failureOf([&] { view->field("nosuch"); }), StoreError::Kind::UnknownField);
        QCOMPARE(failureOf([&] { LiveView::open(db.path(), "test2"); }), StoreError::Kind::UnknownField);
    }

    void movesSetEofAndBof() {
        TempDatabase db;
        auto view = LiveView::open(db.path(), "test1");
        QVERIFY(!view->eof() && !view->bof());
        QCOMPARE(view->count(), 12);
        view->movePrevious();
        QVERIFY(view->bof() && !view->hasCurrent());
        QCOMPARE(view->position(), -1);
        QCOMPARE(failureOf([&] { view->field("sorszam"); }), StoreError::Kind::NoCurrentRow);
        QCOMPARE(failureOf([&] { view->movePrevious(); }), StoreError::Kind::NoCurrentRow);
        view->moveNext();
        QCOMPARE(view->field("sorszam").toInt(), 1);
        view->moveLast();
        QCOMPARE(view->position(), 11);
        view->moveNext();
        QVERIFY(view->eof() && !view->bof());
        QCOMPARE(failureOf([&] { view->moveNext(); }), StoreError::Kind::NoCurrentRow);
        view->movePrevious();
        QCOMPARE(view->field("sorszam").toInt(), 13);
    }

    void sortedCopyOrdersFiltersAndStaysACopy() {
        TempDatabase db;
        const ItemStore store = ItemStore::open(db.path());
        auto all = store.sortedCopy("Test1", "sorrend2", "szint >= 1");
        QCOMPARE(column(*all, "sorrend2"),
                 QList<int>({1, 45, 120, 251, 300, 760, 980, 1510, 1999, 2250, 2600, 2999}));
        auto verbs = all->filtered("kulcs1 = '1' And kulcs2  <> 'f' ");
        QCOMPARE(column(*verbs, "sorszam"), QList<int>({3, 1, 2, 6, 10, 4, 12}));

        auto live = store.tableView("test1");
        live->edit();
        live->setField("sorrend2", 5);
        live->setField("mondat", "Changed ......");
        live->update();
        auto other = LiveView::open(db.path(), "test1");
        other->moveLast();
        other->deleteCurrent();
        // The copy keeps what the table held when it was made, long texts included.
        all->moveFirst();
        QCOMPARE(all->text("felelet1"), QString("I don't have any money left."));
        all->moveNext();
        QCOMPARE(all->field("sorrend2").toInt(), 45);
        all->findFirst("mondat Like 'She ...... to school*'");
        QVERIFY(!all->noMatch());
        QCOMPARE(all->field("sorrend2").toInt(), 120);
        QCOMPARE(all->count(), 12);
        QCOMPARE(store.sortedCopy("test1", "sorrend2")->count(), 11);
    }

    void copyInStoredOrder() {
        TempDatabase db;
        auto stored = ItemStore::open(db.path()).sortedCopy("test1", QString(), "kulcs1 = '1'");
        QCOMPARE(column(*stored, "sorszam"), QList<int>({1, 2, 3, 4, 6, 8, 10, 12}));
    }

    void emptyCopyHasBothFlags() {
        TempDatabase db;
        auto none = ItemStore::open(db.path()).sortedCopy("test1", "sorrend2", "kulcs1 = 'z'");
        QCOMPARE(none->count(), 0);
        QVERIFY(none->eof() && none->bof());
        QCOMPARE(failureOf([&] { none->moveFirst(); }), StoreError::Kind::NoCurrentRow);
        QCOMPARE(failureOf([&] { none->moveLast(); }), StoreError::Kind::NoCurrentRow);
        none->findFirst("sorszam = 1");
        QVERIFY(none->noMatch());
    }

    void seekFindsKeysAndReportsGaps() {
        TempDatabase db;
        auto table = ItemStore::open(db.path()).tableView("test1");
        table->setIndex("Sorszam");
        QCOMPARE(table->index(), QString("sorszam"));
        table->moveLast();
        QCOMPARE(table->field("sorszam").toInt(), 13);
        table->seek(7);
        QVERIFY(!table->noMatch());
        QCOMPARE(table->field("mondat").toString(), QString("He has two ......"));
        table->seek(5); // item 5 was deleted
        QVERIFY(table->noMatch());
        QCOMPARE(failureOf([&] { table->setIndex("nosuch"); }), StoreError::Kind::UnknownField);
    }

    void findFirstAndNext() {
        TempDatabase db;
        auto view = LiveView::open(db.path(), "test1");
        view->findFirst("mondat Like \"*the*\"");
        QCOMPARE(view->field("sorszam").toInt(), 2);
        view->findNext("mondat Like \"*the*\"");
        QCOMPARE(view->field("sorszam").toInt(), 6);
        view->findNext("sorszam = 1");
        QVERIFY(view->noMatch());
        QCOMPARE(view->field("sorszam").toInt(), 6); // a failed find leaves the current row
        QCOMPARE(failureOf([&] { view->findNext("sorszam = = 1"); }), StoreError::Kind::BadCriterion);
        QCOMPARE(view->field("sorszam").toInt(), 6);
        view->moveLast();
        view->moveNext();
        view->findNext("sorszam = 1");
        QVERIFY(view->noMatch());
        view->findFirst("sorszam = 1");
        QVERIFY(!view->noMatch());
        QCOMPARE(view->position(), 0);
    }

    void duplicateSorrend2LeavesBothRowsAsTheyWere() {
        TempDatabase db;
        auto view = LiveView::open(db.path(), "test1");
        view->edit();
        view->setField("sorrend2", 300); // item 2 has it
        QCOMPARE(failureOf([&] { view->update(); }), StoreError::Kind::DuplicateKey);
        const auto items = db.items().items;
        QCOMPARE(items[0][2], QString("120"));
        QCOMPARE(items[1][2], QString("300"));
        view->edit(); // the caller may try again with another value
        view->setField("sorrend2", 301);
        view->update();
        QCOMPARE(db.items().items[0][2], QString("301"));
    }

    void addingADuplicateSorszamFails() {
        TempDatabase db;
        auto view = LiveView::open(db.path(), "test1");
        view->addNew();
        view->setField("sorszam", 7);
        view->setField("sorrend2", 7);
        QCOMPARE(failureOf([&] { view->update(); }), StoreError::Kind::DuplicateKey);
        QCOMPARE(db.items().items.size(), size_t(12));
        QCOMPARE(view->count(), 12);
    }

    void valuesAreChecked() {
        TempDatabase db;
        auto view = LiveView::open(db.path(), "test1");
        view->edit();
        QCOMPARE(failureOf([&] { view->setField("szint", "two"); }), StoreError::Kind::BadValue);
        QCOMPARE(failureOf([&] { view->setField("sorszam", 40000); }), StoreError::Kind::BadValue);
        QCOMPARE(failureOf([&] { view->setField("felelet2", "AB"); }), StoreError::Kind::BadValue);
        view->setField("szint", " 3 ");
        view->setField("kulcs2", "");
        QCOMPARE(view->field("szint"), QVariant(qlonglong(3)));
        QVERIFY(view->field("kulcs2").isNull()); // an empty box leaves an empty field
        view->update();
        QCOMPARE(db.items().items[0][3], QString("3"));
    }

    void addedRowJoinsTheEndAndCurrentStays() {
        TempDatabase db;
        auto view = LiveView::open(db.path(), "test1");
        view->moveNext();
        view->addNew();
        QVERIFY(view->field("mondat").isNull());
        view->setField("sorszam", 14);
        view->setField("sorrend2", 14);
        view->setField("mondat", "New ......");
        view->update();
        QCOMPARE(view->field("sorszam").toInt(), 2);
        view->moveLast();
        QCOMPARE(view->field("mondat").toString(), QString("New ......"));
        QCOMPARE(view->count(), 13);
    }

    void deleteLeavesNoCurrentRowUntilAMove() {
        TempDatabase db;
        auto view = LiveView::open(db.path(), "test1");
        view->moveNext(); // item 2
        view->deleteCurrent();
        QVERIFY(!view->hasCurrent());
        QCOMPARE(failureOf([&] { view->field("sorszam"); }), StoreError::Kind::NoCurrentRow);
        view->movePrevious();
        QCOMPARE(view->field("sorszam").toInt(), 1);
        view->deleteCurrent(); // the first item
        view->movePrevious();
        QVERIFY(view->bof());
        view->moveNext();
        QCOMPARE(view->field("sorszam").toInt(), 3);
        QCOMPARE(db.items().items.size(), size_t(10));
    }

    void liveViewsSeeWritesMadeElsewhere() {
        TempDatabase db;
        auto reader = LiveView::open(db.path(), "test1");
        QCOMPARE(reader->text("felelet2"), QString("B"));
        auto writer = LiveView::open(db.path(), "test1");
        writer->edit();
        writer->setField("felelet2", "C");
        writer->update();
        QCOMPARE(reader->text("felelet2"), QString("C"));
    }

    void readOnlyFileIsLeftUnchanged() {
        TempDatabase db;
        db.setReadOnly();
        const QByteArray before = [&] {
            QFile f(db.path());
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        auto view = LiveView::open(db.path(), "test1");
        view->edit();
        view->setField("szint", 3);
        QCOMPARE(failureOf([&] { view->update(); }), StoreError::Kind::ReadOnly);
        QCOMPARE(failureOf([&] { view->deleteCurrent(); }), StoreError::Kind::ReadOnly);
        view->addNew();
        QCOMPARE(failureOf([&] { view->update(); }), StoreError::Kind::ReadOnly);
        QCOMPARE(failureOf([&] { beginTransaction(*view); }), StoreError::Kind::ReadOnly);
        QFile f(db.path());
        f.open(QIODevice::ReadOnly);
        QCOMPARE(f.readAll(), before);
    }

    void transactionIsAllOrNothing() {
        TempDatabase db;
        auto view = LiveView::open(db.path(), "test1");
        {
            auto transaction = beginTransaction(*view);
            view->edit();
            view->setField("sorrend2", 7);
            view->update();
        } // not committed
        QCOMPARE(db.items().items[0][2], QString("120"));
        {
            auto transaction = beginTransaction(*view);
            view->edit();
            view->setField("sorrend2", 7);
            view->update();
            transaction->commit();
        }
        QCOMPARE(db.items().items[0][2], QString("7"));
    }
};

QTEST_GUILESS_MAIN(TestItemStore)
#include "test_itemstore.moc"
