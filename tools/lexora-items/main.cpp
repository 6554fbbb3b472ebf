// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// lexora-items: builds item database files from the text form of the item banks,
// checks banks, and moves items between a database and the text form.

#include "data/itembank.h"
#include "text/messages.h"
#include "data/storeerror.h"
#include "data/topics.h"
#include "text/commandline.h"
#include "text/grammarnotes.h"
#include "console.h"
#include "exchangecommands.h"
#include "worksheetcommand.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <algorithm>

using namespace lexora;

namespace {

using console::err;
using console::out;

const char* const kUsage =
    "usage:\n"
    "  lexora-items check [--min-per-topic N] [--spreads] [--fresh] [--reasons] [--answer-notes] [--notes]\n"
    "                    BANK.tsv...              --answer-notes: every wrong answer has its notes\n"
    "  lexora-items build BANK.tsv DATABASE      create a new database file from a bank\n"
    "  lexora-items import BANK.tsv DATABASE     replace the items of an existing database\n"
    "  lexora-items export DATABASE BANK.tsv     write the items of a database as a bank\n"
    "  lexora-items worksheet [--level N] [--topic K] [--from SORREND2] [--count N] [--seed S]\n"
    "                         [--lang en|hu|es|fr] [--explain] DATABASE OUT.pdf\n"
    "                                            a worksheet with its answer key\n";

const char* const kOptions = "  lexora-items --help | -h                  print this help and exit\n"
                             "  lexora-items --version | -v               print the version and the licence and exit\n";

int usage() {
    err() << kUsage << exchangeUsage();
    return CommandLine::refusedStatus;
}

// Answers --help and --version, or refuses an option before the command; -1 when a command follows.
int answerOptions(int argc, char** argv) {
    const CommandLine line = CommandLine::read(argumentList(argc, argv), true);
    switch (line.action()) {
    case CommandLine::Action::Run:
        return -1;
    case CommandLine::Action::Help:
        out() << kUsage << exchangeUsage() << kOptions;
        return 0;
    case CommandLine::Action::Version:
        out() << "lexora-items (Lexora English) " << CommandLine::version() << '\n' << CommandLine::licence();
        return 0;
    case CommandLine::Action::Refuse:
        break;
    }
    err() << "lexora-items: " << line.problem() << '\n';
    return usage();
}

// Reads a bank and reports every problem as "file:line: message"; true when there is none.
bool readChecked(const QString& path, const BankProfile& profile, ItemBank& bank) {
    std::vector<BankProblem> problems;
    bank = ItemBank::readText(path, problems);
    for (const BankProblem& p : bank.check(profile))
        problems.push_back(p);
    std::stable_sort(problems.begin(), problems.end(),
                     [](const BankProblem& a, const BankProblem& b) { return a.line < b.line; });
    for (const BankProblem& p : problems)
        err() << path << ':' << p.line << ": " << p.message << '\n';
    return problems.empty();
}

// The grammar notes compiled into the program: one per topic and language, within the limits.
bool checkNotes() {
    const QStringList problems = GrammarNotes::problems();
    for (const QString& problem : problems)
        err() << "notes: " << problem << '\n';
    if (problems.isEmpty())
        out() << "notes: " << TopicCatalogue::count * 4 << " grammar notes, no problems\n";
    return problems.isEmpty();
}

int check(QStringList args) {
    BankProfile profile;
    QStringList files;
    bool notes = false;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == "--min-per-topic" && !args.isEmpty())
            profile.minPerTopic = args.takeFirst().toInt();
        else if (arg == "--spreads")
            profile.letterSpread = profile.levelSpread = true;
        else if (arg == "--fresh")
            profile.freshNumbering = true;
        else if (arg == "--reasons")
            profile.reasonsRequired = true;
        else if (arg == "--answer-notes")
            profile.answerNotesRequired = true;
        else if (arg == "--notes")
            notes = true;
        else
            files << arg;
    }
    if (files.isEmpty() && !notes)
        return usage();
    bool allGood = !notes || checkNotes();
    for (const QString& file : files) {
        ItemBank bank;
        const bool good = readChecked(file, profile, bank);
        if (good)
            out() << file << ": " << bank.items.size() << " items"
                  << (profile.reasonsRequired ? ", each with both reasons" : "")
                  << (profile.answerNotesRequired ? ", each wrong answer with its notes in both languages" : "")
                  << ", no problems\n";
        allGood = allGood && good;
    }
    return allGood ? 0 : 1;
}

int build(const QString& bankPath, const QString& database, bool replaceItems) {
    ItemBank bank;
    if (!readChecked(bankPath, {}, bank)) {
        err() << database << ": not written, the bank has problems\n";
        return 1;
    }
    if (replaceItems)
        bank.replaceItemsIn(database);
    else
        bank.createDatabase(database);
    out() << database << ": " << bank.items.size() << " items\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (const int status = answerOptions(argc, argv); status >= 0)
        return status;
    if (argc > 1 && QByteArray(argv[1]) == "worksheet")
        return worksheetCommand(argc, argv);
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if ((command == "export" || command == "import") && args.contains("--format"))
        return command == "export" ? exportQuestions(args) : importQuestions(args);
    try {
        if (command == "check")
            return check(args);
        if (command == "build" && args.size() == 2)
            return build(args[0], args[1], false);
        if (command == "import" && args.size() == 2)
            return build(args[0], args[1], true);
        if (command == "export" && args.size() == 2) {
            ItemBank::readDatabase(args[0]).writeText(args[1]);
            return 0;
        }
    } catch (const StoreError& e) {
        err() << Messages::english(e) << '\n';
        return 1;
    }
    return usage();
}
