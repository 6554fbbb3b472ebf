// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures of the reasons and the notes on wrong answers, on a database of 32,767 generated items
// that all have them: finding the reason of the item on display, and its notes with it, in the
// file's own tables and, for an older copy without them, in the installed copy of the bank; and
// Practice opening and explaining with the tables present.

#include "benchsupport.h"

#include "app/explanations.h"
#include "app/program.h"
#include "app/screen.h"
#include "data/itemstore.h"
#include "data/itemview.h"
#include "text/captions.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <vector>

using namespace lexora;
using namespace lexora::bench;

namespace {


// The contents of items spread over the whole file, as the screens hold the item on display.
std::vector<ItemContent> itemsOnDisplay(const QString& path, int wanted) {
    const ItemStore store = ItemStore::open(path);
    auto view = store.sortedCopy(QStringLiteral("Test1"), QStringLiteral("sorrend2"));
    std::vector<ItemContent> all;
    for (view->moveFirst(); !view->eof(); view->moveNext())
        all.push_back(ItemContent::fromCurrentRow(*view));
    QRandomGenerator rng(7);
    std::vector<ItemContent> picked;
    for (int i = 0; i < wanted; ++i)
        picked.push_back(all[size_t(rng.bounded(int(all.size())))]);
    return picked;
}

// Times the lookups of the items on display, one item a round, through `explanations`, and
// counts the items that came without a reason (every generated item has one).
void measureLookups(const QString& what, Explanations& explanations, const ReasonTable& own,
                    const std::vector<ItemContent>& items) {
    size_t next = 0;
    int missing = 0;
    measure(what, 1, 501, [&] {
        const ItemContent& content = items[next++ % items.size()];
        missing += explanations.find(own, itemFingerprint(content)).isEmpty() ? 1 : 0;
    });
    if (missing > 0)
        QTextStream(stdout) << QString("  %1 lookups found no reason\n").arg(missing);
}

// Times what a wrong choice looks up: the note on the answer chosen and the reason, as the
// explanation area shows them; counts the items that came without either.
void measureNoteAndReason(const QString& what, Explanations& explanations, const ReasonTable& own,
                          const std::vector<ItemContent>& items) {
    size_t next = 0;
    int missing = 0;
    measure(what, 1, 501, [&] {
        const ItemContent& content = items[next++ % items.size()];
        const QString wrong = wrongAnswers(content).front();
        const QString note = explanations.noteFor(own, content, wrong, LangCode::Hungarian);
        const QString reason = explanations.reasonFor(own, content, LangCode::Hungarian);
        missing += note.isEmpty() || reason.isEmpty() ? 1 : 0;
    });
    if (missing > 0)
        QTextStream(stdout) << QString("  %1 lookups found no note or no reason\n").arg(missing);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    // The learner's folder holds either a copy with the reasons or an older one without the
    // table; the installed folder holds the full bank under the same name.
    QDir(dir.path()).mkpath("installed");
    QDir(dir.path()).mkpath("old");
    const QString full = dir.filePath("en_data1.mdb");
    const QString installed = dir.filePath("installed/en_data1.mdb");
    const QString old = dir.filePath("old/en_data1.mdb");
    makeLargeDatabase(full, 32767, true);
    makeLargeDatabase(installed, 32767, true);
    makeLargeDatabase(old, 32767, false);

    const std::vector<ItemContent> items = itemsOnDisplay(full, 1000);
    {
        const ItemStore store = ItemStore::open(full);
        Explanations explanations;
        measureLookups("reason of the item on display, own table", explanations, store.reasons(), items);
        measureNoteAndReason("note on the wrong answer chosen and reason, own tables", explanations, store.reasons(),
                             items);
    }
    {
        const ItemStore store = ItemStore::open(old);
        QElapsedTimer first;
        first.start();
        Explanations explanations(dir.filePath("installed"));
        const bool found = !explanations.find(store.reasons(), itemFingerprint(items.front())).isEmpty();
        QTextStream(stdout) << QString("first reason through the installed copy (opens it, once a run): %1 ms%2\n")
                                   .arg(first.nsecsElapsed() / 1e6, 0, 'f', 2)
                                   .arg(found ? "" : " (not found)");
        measureLookups("reason of the item on display, installed copy", explanations, store.reasons(), items);
        measureNoteAndReason("note on the wrong answer chosen and reason, installed copy", explanations,
                             store.reasons(), items);
    }

    Program program(dir.path());
    program.globals().langcode = LangCode::English;
    program.globals().dbpath = full;
    ScreenRegistry& screens = program.screens();
    // The same opening on the older copy without the table, for comparison in the same run.
    const auto openPractice = [&](const QString& what, const QString& path) {
        program.globals().dbpath = path;
        measure(what, 30, 15, [&] {
            screens.show(ScreenId::Practice);
            screens.unload(ScreenId::Practice);
            settle();
        });
    };
    openPractice("open the Practice screen (and close it), reasons present", full);
    openPractice("the same, an older copy without reasons", old);
    openPractice("the same, reasons present, once more", full);
    program.globals().dbpath = full;
    Screen* practice = screens.show(ScreenId::Practice);
    const auto button = [&](const char* name) { return practice->findChild<QPushButton*>(QLatin1String(name)); };
    button("Command3")->click();
    measure("sequential Next, then the solution with its reason", 30, 15, [&] {
        button("Command2")->click();
        button("Command1")->click();
    });
    const auto* area = practice->findChild<QLabel*>(QStringLiteral("explanation"));
    if (!area || !area->text().contains(QStringLiteral("the answer is")))
        QTextStream(stdout) << "  the solution showed no reason\n";
    screens.unload(ScreenId::Practice);
    settle();
    QTextStream(stdout) << QString("peak memory: %1 MB\n").arg(peakMemoryMb(), 0, 'f', 1);
    return 0;
}
