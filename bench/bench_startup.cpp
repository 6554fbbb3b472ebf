// Start-up benchmark: does what main does (QApplication, Program, start) and measures how
// long the learner waits for the language screen, and from a language button to the hub.
// Every run is a fresh process, so each start is measured once; the figures are medians.
//
//   bench_startup [FOLDER]   FOLDER holds the shipped databases (default: $LEXORA_BIN_DIR,
//                            else ../bin beside this executable). Run under a display, e.g.
//                            xvfb-run -a bench/bench_startup

#include "benchsupport.h"

#include "app/program.h"
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

// One start of the program; prints "processStartMs mainMs hubMs peakMb cpuLanguageMs cpuHubMs".
int measureOnce(int argc, char** argv, QElapsedTimer& sinceMain, const QString& folder) {
    QApplication app(argc, argv);
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
                        << lexora::bench::peakMemoryMb() << ' ' << cpuToLanguage << ' ' << cpuToHub << '\n';
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

int runAll(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QString source = databaseFolder(app.arguments());
    QTemporaryDir folder;
    for (const char* db : {"en_data1.mdb", "enpool1d.mdb", "en_data2.mdb", "en_data3.mdb"}) {
        if (!QFile::copy(QDir(source).filePath(db), folder.filePath(db))) {
            QTextStream(stderr) << "no " << db << " in " << source << '\n';
            return 2;
        }
    }
    std::vector<double> language, languageFromMain, hub, memory, cpuLanguage, cpuHub;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--child", folder.path()});
        child.waitForFinished(30000);
        const QStringList figures = QString::fromLocal8Bit(child.readAllStandardOutput()).split(' ');
        if (child.exitCode() != 0 || figures.size() != 6) {
            QTextStream(stderr) << "run " << i << " failed: " << child.readAllStandardError() << '\n';
            return 1;
        }
        language.push_back(figures[0].toDouble());
        languageFromMain.push_back(figures[1].toDouble());
        hub.push_back(figures[2].toDouble());
        memory.push_back(figures[3].toDouble());
        cpuLanguage.push_back(figures[4].toDouble());
        cpuHub.push_back(figures[5].toDouble());
    }
    const double toHub = median(hub);
    out << QString("process start to language screen shown:   median %1 ms (kernel clock, 10 ms steps; target 60 ms)\n")
               .arg(median(language), 0, 'f', 0);
    out << QString("  of which from main() on:                 median %1 ms\n")
               .arg(median(languageFromMain), 0, 'f', 1);
    out << QString("language button to hub shown:             median %1 ms = %2 ms splash tick + %3 ms "
                   "(target 50 ms beyond the tick)\n")
               .arg(toHub, 0, 'f', 1)
               .arg(splashTickMs, 0, 'f', 0)
               .arg(toHub - splashTickMs, 0, 'f', 1);
    out << QString("processor time used: %1 ms to the language screen, %2 ms more to the hub (medians)\n")
               .arg(median(cpuLanguage), 0, 'f', 1)
               .arg(median(cpuHub), 0, 'f', 1);
    out << QString("slowest run: %1 ms to language screen, %2 ms to hub\n")
               .arg(*std::max_element(language.begin(), language.end()), 0, 'f', 0)
               .arg(*std::max_element(hub.begin(), hub.end()), 0, 'f', 1);
    out << QString("peak memory:                              median %1 MB (target 45 MB)\n")
               .arg(median(memory), 0, 'f', 1);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (argc > 2 && std::string(argv[1]) == "--child")
        return measureOnce(argc, argv, sinceMain, QString::fromLocal8Bit(argv[2]));
    return runAll(argc, argv);
}
