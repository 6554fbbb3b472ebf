// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up benchmark: does what main does (QApplication, Program, start) and measures how
// long the learner waits for the language screen, and from a language button to the hub.
// Every run is a fresh process, so each start is measured once; the figures are medians.
// Three series: the build folder (databases beside the executable), and an installed tree
// (no databases beside the executable, shipped ones under share/lexora) at a user's first
// start, which copies the databases into the user's folder, and at a later start.
//
//   bench_startup [FOLDER]   FOLDER holds the shipped databases (default: $LEXORA_BIN_DIR,
//                            else ../bin beside this executable). Run under a display, e.g.
//                            xvfb-run -a bench/bench_startup

#include "benchsupport.h"

#include "app/program.h"
#include "app/programfolder.h"
#include "app/screen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWindow>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int runs = 9;
constexpr double splashTickMs = 30;

// Milliseconds since this process was started, from the kernel's record (10 ms steps).
double msSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Fields after the command name, which is in parentheses and may hold blanks.
    std::istringstream rest(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i)
        rest >> field; // field 22 is the start time in clock ticks since boot
    const double startSeconds = std::stod(field) / double(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (double(now.tv_sec) + now.tv_nsec / 1e9 - startSeconds) * 1000.0;
}

// Processor time this process has used so far, in milliseconds: unlike the wall clock it
// hardly changes when other programs keep the machine busy.
double cpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

template <typename Condition> void waitFor(Condition done) {
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool exposed(QWidget* window) {
    return window && window->windowHandle() && window->windowHandle()->isExposed();
}

// One start of the program as main makes it, from the places given;
// prints "processStartMs mainMs hubMs peakMb cpuLanguageMs cpuHubMs folderMs".
int measureOnce(int argc, char** argv, QElapsedTimer& sinceMain, const lexora::ProgramFolder::Places& places) {
    QApplication app(argc, argv);
    QElapsedTimer preparing;
    preparing.start();
    const lexora::ProgramFolder folder = lexora::ProgramFolder::prepare(places);
    const double toFolder = preparing.nsecsElapsed() / 1e6;
    if (!folder.failures.empty())
        return 3;
    lexora::Program program(folder);
    program.start();
    QWidget* lang = program.screens().find(lexora::ScreenId::Lang);
    waitFor([&] { return exposed(lang); });
    const double toLanguage = msSinceProcessStart();
    const double toLanguageFromMain = sinceMain.nsecsElapsed() / 1e6;
    const double cpuToLanguage = cpuMs();

    QElapsedTimer click;
    click.start();
    lang->findChild<QPushButton*>("Command1")->click();
    waitFor([&] { return exposed(program.screens().find(lexora::ScreenId::Hub)); });
    const double toHub = click.nsecsElapsed() / 1e6;
    const double cpuToHub = cpuMs() - cpuToLanguage;
    // Let the splash go, as the learner would see it.
    waitFor([&] { return !program.screens().isLoaded(lexora::ScreenId::About); });

    QTextStream(stdout) << toLanguage << ' ' << toLanguageFromMain << ' ' << toHub << ' '
                        << lexora::bench::peakMemoryMb() << ' ' << cpuToLanguage << ' ' << cpuToHub << ' ' << toFolder
                        << '\n';
    return 0;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QString databaseFolder(const QStringList& args) {
    if (args.size() > 1)
        return args[1];
    if (qEnvironmentVariableIsSet("LEXORA_BIN_DIR"))
        return qEnvironmentVariable("LEXORA_BIN_DIR");
    return QCoreApplication::applicationDirPath() + "/../bin";
}

struct Series {
    std::vector<double> language, languageFromMain, hub, memory, cpuLanguage, cpuHub, folder;
};

// Runs the program `runs` times in fresh processes; `beforeEach` readies the folders.
bool runSeries(const QStringList& childArgs, const std::function<void()>& beforeEach, Series& s) {
    for (int i = 0; i < runs; ++i) {
        beforeEach();
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), childArgs);
        child.waitForFinished(30000);
        const QStringList figures = QString::fromLocal8Bit(child.readAllStandardOutput()).split(' ');
        if (child.exitCode() != 0 || figures.size() != 7) {
            QTextStream(stderr) << "run " << i << " failed (" << child.exitCode()
                                << "): " << child.readAllStandardError() << '\n';
            return false;
        }
        s.language.push_back(figures[0].toDouble());
        s.languageFromMain.push_back(figures[1].toDouble());
        s.hub.push_back(figures[2].toDouble());
        s.memory.push_back(figures[3].toDouble());
        s.cpuLanguage.push_back(figures[4].toDouble());
        s.cpuHub.push_back(figures[5].toDouble());
        s.folder.push_back(figures[6].toDouble());
    }
    return true;
}

void report(QTextStream& out, const QString& title, const Series& s) {
    out << "== " << title << '\n';
    const double toHub = median(s.hub);
    out << QString("process start to language screen shown:   median %1 ms (kernel clock, 10 ms steps; target 60 ms)\n")
               .arg(median(s.language), 0, 'f', 0);
    out << QString("  of which from main() on:                 median %1 ms\n")
               .arg(median(s.languageFromMain), 0, 'f', 1);
    out << QString("  of which finding (and copying) the item files: median %1 ms\n").arg(median(s.folder), 0, 'f', 2);
    out << QString("language button to hub shown:             median %1 ms = %2 ms splash tick + %3 ms "
                   "(target 50 ms beyond the tick)\n")
               .arg(toHub, 0, 'f', 1)
               .arg(splashTickMs, 0, 'f', 0)
               .arg(toHub - splashTickMs, 0, 'f', 1);
    out << QString("processor time used: %1 ms to the language screen, %2 ms more to the hub (medians)\n")
               .arg(median(s.cpuLanguage), 0, 'f', 1)
               .arg(median(s.cpuHub), 0, 'f', 1);
    out << QString("slowest run: %1 ms to language screen, %2 ms to hub\n")
               .arg(*std::max_element(s.language.begin(), s.language.end()), 0, 'f', 0)
               .arg(*std::max_element(s.hub.begin(), s.hub.end()), 0, 'f', 1);
    out << QString("peak memory:                              median %1 MB (target 45 MB)\n")
               .arg(median(s.memory), 0, 'f', 1);
}

int runAll(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QString source = databaseFolder(app.arguments());
    QTemporaryDir root;
    const QString buildFolder = root.filePath("build");
    const QString bindir = root.filePath("usr/bin");
    const QString shipped = root.filePath("usr/share/lexora");
    const QString user = root.filePath("home/.local/share/lexora");
    for (const QString& dir : {buildFolder, bindir, shipped})
        QDir().mkpath(dir);
    for (const QString& db : lexora::shippedDatabases()) {
        if (!QFile::copy(QDir(source).filePath(db), QDir(buildFolder).filePath(db)) ||
            !QFile::copy(QDir(source).filePath(db), QDir(shipped).filePath(db))) {
            QTextStream(stderr) << "no " << db << " in " << source << '\n';
            return 2;
        }
    }
    const QStringList portable = {"--child", buildFolder, shipped, user};
    const QStringList installed = {"--child", bindir, shipped, user};
    Series build, first, later;
    const auto keepFolders = [] {};
    const auto freshUser = [&user] { QDir(user).removeRecursively(); };
    if (!runSeries(portable, keepFolders, build) || !runSeries(installed, freshUser, first) ||
        !runSeries(installed, keepFolders, later))
        return 1;
    report(out, "build folder (databases beside the executable)", build);
    report(out, "installed, first start (copies the four databases into the user's folder)", first);
    report(out, "installed, later start (the user's copies are there)", later);
    const auto change = [](double later, double build) { return 100.0 * (later / build - 1.0); };
    out << QString("later installed start against the build folder, to the language screen: %1 % wall clock, "
                   "%2 % processor time\n")
               .arg(change(median(later.language), median(build.language)), 0, 'f', 1)
               .arg(change(median(later.cpuLanguage), median(build.cpuLanguage)), 0, 'f', 1);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (argc > 4 && std::string(argv[1]) == "--child")
        return measureOnce(
            argc, argv, sinceMain,
            {QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4])});
    return runAll(argc, argv);
}
