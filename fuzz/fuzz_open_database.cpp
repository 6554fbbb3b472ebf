// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for opening an item database file and using it as the program does.
//
// The input is the content of a database file. It is opened as an item store; both tables
// are walked forward and backward reading every field, the item table in each index order,
// with seeks, finds and sorted copies; then a few writes run inside a transaction (an
// edited order number, an added and deleted item, a failed item appended), committed or
// rolled back, and the file is opened again. A StoreError is an expected outcome of any
// step (a file holding code besides data is refused at opening, a statement running too long
// is stopped); a crash, a sanitizer report, any other exception or a hang is a finding.
//
// Besides, walks must agree forward and backward, and a sorted copy made before the writes
// must still show the rows it had, like one that was read in full before them.

#include "fuzzsupport.h"

#include "data/connectionguard.h"
#include "data/itemstore.h"
#include "data/quickcheck.h"
#include "data/sqlitedb.h"

#include <algorithm>
#include <optional>

using namespace lexora;
using namespace lexora::fuzz;

namespace {

QString databasePath;

// Each row the live views read costs the engine a few calls; on a large table a walk reads
// about 16 of its rows (a sorted copy holds its rows and reads them all).
int stride(const ItemView& view) {
    return std::max(1, view.count() / 16);
}

void walkBothWays(ItemView& view, const char* what) {
    const int every = dynamic_cast<const LiveView*>(&view) ? stride(view) : 1;
    const QStringList forward = walkForward(view, every);
    FUZZ_CHECK(forward.size() == view.count(), QStringLiteral("%1: the walk misses rows").arg(what));
    const QStringList backward = walkBackward(view, every);
    FUZZ_CHECK(forward == backward, QStringLiteral("%1: the walks disagree").arg(what));
}

// Finds the first rows that satisfy `criteria` (at most 24, each find scans on from the last).
void findAll(ItemView& view, const QString& criteria) {
    int hits = 0;
    view.findFirst(criteria);
    while (!view.noMatch() && hits < 24) {
        FUZZ_CHECK(++hits <= view.count(), QStringLiteral("findNext runs past the last row"));
        rowText(view);
        view.findNext(criteria);
    }
}

void readAndSeek(ItemStore& store) {
    for (const char* table : {"test1", "hiba1"})
        attempt([&] { walkBothWays(*store.tableView(QLatin1String(table)), table); });
    attempt([&] { walkBothWays(*LiveView::open(databasePath, QStringLiteral("Test1")), "bound view"); });

    attempt([&] {
        auto view = store.tableView(QStringLiteral("test1"));
        for (const char* index : {"sorrend2", "sorszam", "sorrend"}) {
            view->setIndex(QLatin1String(index));
            attempt([&] { FUZZ_CHECK(walkForward(*view, stride(*view)).size() == view->count(), QLatin1String(index)); });
        }
        view->setIndex(QStringLiteral("sorszam"));
        for (const QVariant& key : {QVariant(1), QVariant(2), QVariant(32767), QVariant(QStringLiteral("-32768"))}) {
            attempt([&] {
                view->seek(key);
                if (!view->noMatch())
                    rowText(*view);
            });
        }
        attempt([&] { findAll(*view, QStringLiteral("kulcs1 = '1' And szint >= 1")); });
    });
    attempt([&] {
        auto view = store.tableView(QStringLiteral("test1"));
        findAll(*view, QStringLiteral("mondat Like '*river*' Or kulcs2 Is Null"));
    });
    attempt([&] {
        auto view = store.tableView(QStringLiteral("hiba1"));
        findAll(*view, QStringLiteral("hiba = '1'"));
    });

    attempt([&] {
        auto copy = store.sortedCopy(QStringLiteral("test1"), QStringLiteral("sorrend2"), QStringLiteral("szint >= 1"));
        walkBothWays(*copy, "sorted copy");
        auto narrow = copy->filtered(QStringLiteral("kulcs1 = '3' And kulcs2 = '0'"));
        walkBothWays(*narrow, "narrowed copy");
    });
    attempt([&] {
        auto copy = store.sortedCopy(QStringLiteral("test1"), QStringLiteral("mondat"),
                                     QStringLiteral("mondat Like '*a*' Or sorszam Is Null"));
        findAll(*copy, QStringLiteral("felelet2 = 'A'"));
        walkBothWays(*copy, "copy by text");
    });
    attempt([&] { walkBothWays(*store.sortedCopy(QStringLiteral("hiba1"), QString()), "failed items copy"); });
}

void write(ItemStore& store, bool commit) {
    auto transaction = store.transaction();
    auto items = store.tableView(QStringLiteral("test1"));
    attempt([&] {
        if (items->count() == 0)
            return;
        items->moveFirst();
        items->edit();
        const int order = items->field(QStringLiteral("sorrend2")).toInt();
        items->setField(QStringLiteral("sorrend2"), order < 32767 ? order + 1 : order - 1);
        items->update();
    });
    attempt([&] {
        items->addNew();
        items->setField(QStringLiteral("sorszam"), -32768);
        items->setField(QStringLiteral("sorrend2"), QStringLiteral("-32767"));
        items->setField(QStringLiteral("szint"), 1);
        items->setField(QStringLiteral("mondat"), QStringLiteral("She ...... to school."));
        items->setField(QStringLiteral("felelet2"), QStringLiteral("B"));
        items->setField(QStringLiteral("kulcs1"), QStringLiteral("1"));
        items->update();
        items->moveLast();
        items->deleteCurrent();
        items->moveNext();
    });
    attempt([&] {
        auto failed = store.tableView(QStringLiteral("hiba1"));
        failed->addNew();
        failed->setField(QStringLiteral("hiba"), QStringLiteral("1"));
        failed->setField(QStringLiteral("mondat"), QStringLiteral("She ...... to school."));
        failed->setField(QStringLiteral("felelet2"), QStringLiteral("B"));
        failed->update();
    });
    if (commit)
        transaction->commit();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    databasePath = scratchFolder() + QStringLiteral("/en_data1.mdb");
    // Statements that run long are stopped sooner than in the program, so that a slow input
    // costs a fraction of a second; one that is not stopped at all still ends as a timeout.
    ConnectionGuard::setTimeBound(std::chrono::milliseconds(100));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeDatabaseFile(databasePath, data, size);
    // Each input is a file new to the program: inputs written within one tick of the clock
    // could otherwise pass for the file checked before.
    QuickCheck::forgetAll();
    {
        std::optional<ItemStore> store;
        if (!attempt([&] { store = ItemStore::open(databasePath); }))
            return 0;
        readAndSeek(*store);

        // A copy read in full before the writes, and one holding only what its making read.
        std::unique_ptr<SnapshotView> whole, lazy;
        QStringList wholeRows;
        const bool wholeRead = attempt([&] {
            whole = store->sortedCopy(QStringLiteral("test1"), QStringLiteral("sorrend2"), QStringLiteral("szint >= 1"));
            wholeRows = walkForward(*whole);
        });
        attempt([&] {
            lazy = store->sortedCopy(QStringLiteral("test1"), QStringLiteral("sorrend2"), QStringLiteral("szint >= 1"));
        });
        attempt([&] { write(*store, size % 2 == 1); });
        if (wholeRead && lazy) {
            attempt([&] {
                const QStringList lazyRows = walkForward(*lazy);
                for (int i = 0; i < std::min(lazyRows.size(), wholeRows.size()); ++i)
                    FUZZ_CHECK(lazyRows[i] == wholeRows[i],
                               QStringLiteral("a copy shows other rows after a write: row %1 is\n  %2\nnot\n  %3")
                                   .arg(i)
                                   .arg(lazyRows[i], wholeRows[i]));
                FUZZ_CHECK(lazyRows.size() == wholeRows.size(), QStringLiteral("a copy changes its size after a write"));
            });
        }
    }
    attempt([&] {
        ItemStore again = ItemStore::open(databasePath);
        for (const char* table : {"test1", "hiba1"})
            attempt([&] { walkBothWays(*again.tableView(QLatin1String(table)), table); });
    });
    return 0;
}
