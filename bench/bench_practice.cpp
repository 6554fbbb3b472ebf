// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures of the Practice screen on a database of 32,767 generated items.

#include "benchsupport.h"

#include "app/program.h"
#include "app/screen.h"
#include "data/answermarker.h"
#include "data/sqlitedb.h"
#include "text/captions.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

using namespace lexora;
using namespace lexora::bench;

namespace {


} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    makeLargeDatabase(dir.filePath("en_data1.mdb"));

    Program program(dir.path());
    program.globals().langcode = LangCode::English;
    program.globals().dbpath = dir.filePath("en_data1.mdb");
    ScreenRegistry& screens = program.screens();

    // Opening includes closing the screen again, so every round starts from nothing.
    measure("open the Practice screen (and close it)", 30, 15, [&] {
        screens.show(ScreenId::Practice);
        screens.unload(ScreenId::Practice);
        settle();
    });

    Screen* practice = screens.show(ScreenId::Practice);
    const auto entry = [&](const char* name) { return practice->findChild<QAction*>(QLatin1String(name)); };
    const auto button = [&](const char* name) { return practice->findChild<QPushButton*>(QLatin1String(name)); };
    measure("choose topic 0 (verbs, the largest)", 30, 15, [&] { entry("mnuTopicItem_0")->trigger(); });
    measure("choose topic 1 (one of the small ones)", 30, 15, [&] { entry("mnuTopicItem_1")->trigger(); });
    measure("choose level 2", 30, 15, [&] { entry("mnuNivelItem_1")->trigger(); });
    // Another connection (the hub's reshuffle, the Database screen) changes an item before each
    // choice, so the choice reads the table afresh.
    auto writer = SqliteDb::open(dir.filePath("en_data1.mdb"));
    measure("the change elsewhere alone", 30, 15,
            [&] { writer->exec("UPDATE test1 SET sorrend = sorrend + 1 WHERE rowid = 1"); });
    measure("choose topic 0 after a change elsewhere (write included)", 30, 15, [&] {
        writer->exec("UPDATE test1 SET sorrend = sorrend + 1 WHERE rowid = 1");
        entry("mnuTopicItem_0")->trigger();
    });
    measure("choose level 2 after a change elsewhere (write included)", 30, 15, [&] {
        writer->exec("UPDATE test1 SET sorrend = sorrend + 1 WHERE rowid = 1");
        entry("mnuNivelItem_1")->trigger();
    });
    button("Command3")->click();
    measure("sequential Next", 30, 15, [&] { button("Command2")->click(); });
    measure("Last record", 30, 15, [&] { button("Command9")->click(); });
    screens.unload(ScreenId::Practice);
    settle();

    practice = screens.show(ScreenId::Practice);
    button("Command3")->click();
    measure("random Next (reopens the file, draws, seeks)", 30, 15, [&] { button("Command10")->click(); });

    // Written answers: the marking alone, and Check on the screen (marking, the boxes, the reason).
    const ItemContent item{QStringLiteral("Please be quiet because the baby ...... in the next room."),
                           QStringLiteral("sleep"),
                           QStringLiteral("slept"),
                           QStringLiteral("are sleeping"),
                           QStringLiteral("is sleeping"),
                           QStringLiteral("D")};
    // A single marking takes microseconds: a round marks 1,000 answers, so the target is 1,000 x 1 ms.
    const QString longAnswer(100, QLatin1Char('x'));
    measure("mark 1,000 written answers (nearly)", 1000, 21, [&] {
        for (int i = 0; i < 1000; ++i)
            AnswerMarker(item).mark(QStringLiteral("Is sleepnig"));
    });
    measure("mark 1,000 written answers of 100 characters", 1000, 21, [&] {
        for (int i = 0; i < 1000; ++i)
            AnswerMarker(item).mark(longAnswer);
    });
    practice->findChild<QAction*>(QStringLiteral("mnuwrite"))->trigger();
    button("Command10")->click();
    auto* box = practice->findChild<QLineEdit*>(QStringLiteral("answer"));
    measure("Check a written answer on the screen", 1, 101, [&] {
        box->setText(QStringLiteral("are sleeping"));
        button("check")->click();
    });
    QTextStream(stdout) << QString("peak memory: %1 MB\n").arg(peakMemoryMb(), 0, 'f', 1);
    return 0;
}
