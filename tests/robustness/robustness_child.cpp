// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The other process of the robustness tests. Two modes:
//
//   robustness_child hold <database>
//       Takes an exclusive lock on the database, prints "held", and keeps it until a line
//       (or the end) arrives on its standard input; then it lets go and prints "released".
//
//   robustness_child reshuffle <database> <seed>
//       Runs the hub's reshuffle on the database with draws from a generator seeded with
//       <seed>, so that two runs on equal files write the same order. It prints "writing"
//       just before the first row is written, "last" just before the last one (the commit
//       follows it) and "done <rows>" when the order is stored.
//
//   robustness_child record <database> <answers>
//       Records answers on the items of the database in the progress file beside it, as
//       Practice does, and prints "recorded <n>" once the n-th answer is in the file.

#include "app/platform.h"
#include "text/messages.h"
#include "data/itemview.h"
#include "data/sqlitedb.h"
#include "data/storeerror.h"
#include "progress/progressstore.h"
#include "screens/hub/reshuffle.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTimeZone>

#include <cstdio>
#include <iostream>
#include <random>
#include <string>

using namespace lexora;

namespace {

void say(const char* line) {
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Draws from a seeded generator; the clock never reseeds it. The reshuffle reseeds once for
// each row, right before writing it: the first and the last row are announced there.
class SeededPlatform : public Platform {
public:
    SeededPlatform(unsigned seed, int rows) : m_generator(seed), m_rows(rows) {}

    void message(QWidget*, const QString& text, const QString&, MessageIcon) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    QString input(QWidget*, const QString&, const QString&, const QString&) override { return QString(); }
    std::optional<FontChoice> chooseFont(QWidget*, const FontChoice&) override { return std::nullopt; }
    void beep() override {}
    bool confirm(QWidget*, const QString&, const QString&) override { return false; }
    std::optional<int> chooseOne(QWidget*, const QString&, const QString&, const QStringList&) override {
        return std::nullopt;
    }
    QString openFileName(QWidget*, const QString&, const QString&) override { return QString(); }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return QString(); }
    std::optional<WorksheetDialogAnswer> chooseWorksheet(QWidget*, const WorksheetDialogSetup&) override {
        return std::nullopt;
    }
    std::optional<ReasonDialogAnswer> editReason(QWidget*, const ReasonDialogSetup&) override { return std::nullopt; }
    bool print(QWidget*, const QString&, const std::function<void(QPagedPaintDevice&)>&) override { return false; }
    void reseedRandom() override {
        ++m_row;
        if (m_row == 1)
            say("writing");
        if (m_row == m_rows)
            say("last");
    }
    double random() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_generator); }
    void endProcess() override {}
    QDateTime now() override { return QDateTime::currentDateTimeUtc(); }

private:
    std::mt19937 m_generator;
    int m_rows;
    int m_row = 0;
};

int hold(const QString& path) {
    auto db = SqliteDb::open(path);
    db->exec("BEGIN EXCLUSIVE");
    say("held");
    std::string line;
    std::getline(std::cin, line);
    db->exec("ROLLBACK");
    say("released");
    return 0;
}

int reshuffle(const QString& path, unsigned seed) {
    auto view = LiveView::open(path, QStringLiteral("test1"));
    SeededPlatform platform(seed, view->count());
    const Reshuffle::Result result = Reshuffle(*view, platform).run();
    if (result.outcome != Reshuffle::Outcome::Reordered) {
        std::fprintf(stderr, "the reshuffle failed: %s\n", result.problem ? result.problem->what() : "");
        return 1;
    }
    std::printf("done %d\n", result.rows);
    std::fflush(stdout);
    return 0;
}

// One answer after another, right and wrong in turn, on the items in their stored order; one a
// day, so every answer moves its item's memory state as well.
int record(const QString& path, int answers) {
    std::vector<ItemRef> items;
    {
        auto view = LiveView::open(path, QStringLiteral("test1"));
        for (view->moveFirst(); !view->eof(); view->moveNext())
            items.push_back(ItemRef::of(*view, path));
    }
    ProgressStore store(QFileInfo(path).absolutePath());
    QDateTime at(QDate(2024, 5, 6), QTime(9, 0), QTimeZone::utc());
    for (int n = 1; n <= answers; ++n) {
        Answer answer;
        answer.at = at.addDays(n).addSecs(n * 37);
        answer.item = items[size_t(n) % items.size()];
        answer.right = n % 3 != 0;
        answer.choice = answer.right ? QStringLiteral("A") : QStringLiteral("B");
        answer.seconds = 3.5;
        store.record(answer);
        std::printf("recorded %d\n", n);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 3 && args[1] == QLatin1String("hold"))
            return hold(args[2]);
        if (args.size() == 4 && args[1] == QLatin1String("reshuffle"))
            return reshuffle(args[2], args[3].toUInt());
        if (args.size() == 4 && args[1] == QLatin1String("record"))
            return record(args[2], args[3].toInt());
    } catch (const StoreError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(Messages::english(e)));
        return 2;
    } catch (const ProgressError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 3;
    }
    std::fprintf(stderr, "usage: robustness_child hold <database> | reshuffle <database> <seed> | record <database> "
                         "<answers>\n");
    return 64;
}
