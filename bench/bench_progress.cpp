// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures of the progress file: a file of 100,000 answers over two years on a bank of 32,767 items.

#include "benchsupport.h"

#include "app/program.h"
#include "app/screen.h"
#include "data/itemfingerprint.h"
#include "data/itemstore.h"
#include "progress/bankfingerprints.h"
#include "progress/progressstore.h"
#include "screens/progress/reviewclock.h"
#include "text/captions.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <random>

using namespace lexora;
using namespace lexora::bench;

namespace {


// The items of the bank as the progress file names them.
std::vector<ItemRef> itemsOf(const QString& path) {
    std::vector<ItemRef> items;
    const ItemStore db = ItemStore::open(path);
    auto all = db.sortedCopy(QStringLiteral("test1"), QString());
    for (all->moveFirst(); !all->eof(); all->moveNext())
        items.push_back(ItemRef::of(*all, path));
    return items;
}

// 100,000 answers at random moments of the last two years (oldest first), on 20,000 of the items,
// three in four right.
void fillProgress(ProgressStore& store, const std::vector<ItemRef>& items, const QDateTime& now) {
    std::mt19937 random(7);
    std::vector<qint64> moments;
    for (int i = 0; i < 100000; ++i)
        moments.push_back(std::uniform_int_distribution<qint64>(0, 730LL * 86400 * 1000)(random));
    std::sort(moments.begin(), moments.end());
    const QDateTime start = now.addDays(-730);
    for (qint64 moment : moments) {
        Answer a;
        a.at = start.addMSecs(moment);
        a.item = items[size_t(std::uniform_int_distribution<int>(0, 19999)(random))];
        a.right = std::uniform_int_distribution<int>(0, 3)(random) != 0;
        a.choice = a.right ? a.item.fingerprint.left(1) : QStringLiteral("A");
        a.seconds = 6.5;
        store.record(a);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString bank = dir.filePath("en_data1.mdb");
    makeLargeDatabase(bank);
    const std::vector<ItemRef> items = itemsOf(bank);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    {
        ProgressStore store(dir.path());
        fillProgress(store, items, now);
    }
    QTextStream(stdout) << "progress file of 100,000 answers: "
                        << QString::number(QFileInfo(dir.filePath("progress.db")).size() / 1e6, 'f', 1)
                        << " MB (target 12 MB)\n";

    {
        ProgressStore store(dir.path());
        std::mt19937 random(11);
        measure("record an answer (answer and memory state, one transaction)", 2, 200, [&] {
            Answer a;
            a.at = QDateTime::currentDateTimeUtc();
            a.item = items[size_t(std::uniform_int_distribution<int>(0, 32766)(random))];
            a.right = true;
            store.record(a);
        });
        BankFingerprints fingerprints;

        // About 12,600 items are due here: each is looked up in the bank, so an edited one is not counted.
        measure("the hub's count of today's review (edited items left out)", 50, 30,
                [&] { unchangedDueItems(store, fingerprints, bank, ReviewClock::endOfToday(now)); });
    }

    Program program(dir.path());
    program.globals().langcode = LangCode::English;
    program.globals().dbpath = bank;
    ScreenRegistry& screens = program.screens();
    // The first opening in a run also works out the fingerprints of the whole bank.
    {
        QElapsedTimer first;
        first.start();
        screens.show(ScreenId::Progress);
        screens.unload(ScreenId::Progress);
        settle();
        QTextStream(stdout) << QString("%1: %2 ms (target 300 ms)\n")
                                   .arg(QStringLiteral("open My progress the first time in a run"), -48)
                                   .arg(first.nsecsElapsed() / 1e6, 0, 'f', 2);
    }
    measure("open My progress (and close it)", 150, 10, [&] {
        screens.show(ScreenId::Progress);
        screens.unload(ScreenId::Progress);
        settle();
    });

    Screen* practice = screens.show(ScreenId::Practice);
    practice->findChild<QAction*>(QStringLiteral("mnudue"))->trigger();
    practice->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    measure("choose Due for review (the most overdue item comes up)", 30, 15,
            [&] { practice->findChild<QAction*>(QStringLiteral("mnudue"))->trigger(); });
    measure("Next in Due for review", 30, 15,
            [&] { practice->findChild<QPushButton*>(QStringLiteral("Command10"))->click(); });
    return 0;
}
