// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures of the item store on a database of 32,767 generated items.

#include "benchsupport.h"

#include "app/realplatform.h"
#include "data/itemstore.h"
#include "data/quickcheck.h"
#include "data/sqlitedb.h"
#include "screens/hub/reshuffle.h"

#include <QCoreApplication>
#include <QTemporaryDir>

using namespace lexora;
using namespace lexora::bench;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath("en_data1.mdb");
    makeLargeDatabase(path);

    // Opening alone: a file checked before in this run, and one new to it (the integrity check
    // reads the whole file once).
    measure("open a file checked before", 20, 15, [&] { ItemStore::open(path); });
    measure("open a file new to the run (integrity check)", 100, 15, [&] {
        QuickCheck::forgetAll();
        ItemStore::open(path);
    });
    measure("open + sorted copy of all items", 20, 15, [&] {
        auto all = ItemStore::open(path).sortedCopy("Test1", "sorrend2", "szint >= 1");
        all->moveFirst();
    });
    auto all = ItemStore::open(path).sortedCopy("Test1", "sorrend2", "szint >= 1");
    measure("topic filter on the copy", 20, 15, [&] {
        auto topic = all->filtered("kulcs1 = '1' And kulcs2  <> 'f' ");
        topic->moveFirst();
    });
    measure("topic copy straight from the file", 20, 15, [&] {
        ItemStore::open(path).sortedCopy("Test1", "sorrend2", "kulcs1 = '1' And kulcs2 = 'a'")->moveFirst();
    });
    auto bound = LiveView::open(path, "test1");
    measure("find over a text field (last match)", 20, 15, [&] {
        bound->findFirst("mondat Like \"*station river window answer*\" Or sorszam = 32767");
    });
    auto table = ItemStore::open(path).tableView("test1");
    table->setIndex("sorszam");
    measure("seek by sorszam", 20, 15, [&] {
        table->moveLast();
        table->seek(16000);
    });
    measure("rewrite sorrend2 of 3,000 rows in one transaction", 100, 5, [&] {
        auto view = LiveView::open(path, "test1");
        auto transaction = beginTransaction(*view);
        for (int i = 0; i < 3000; ++i) {
            view->edit();
            view->setField("sorrend2", -1 - i); // values no other row holds
            view->update();
            view->moveNext();
        }
        transaction->commit();
    });

    // The hub's reshuffle of a bank whose 3,000 items fill every place it draws from, so
    // nearly every draw lands on a taken place and walks.
    const QString full = dir.filePath("full.mdb");
    makeLargeDatabase(full, 3000);
    RealPlatform platform;
    measure("reshuffle 3,000 items filling every place", 1000, 5, [&] {
        auto view = LiveView::open(full, "test1");
        Reshuffle(*view, platform).run();
    });
    return 0;
}
