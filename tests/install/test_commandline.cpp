// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line of both programs, run as a user runs them: in a shell with no display,
// --help and --version answer and end without a window or a database; anything else is
// refused with the usage and status 2. The man pages name exactly the options --help prints.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

// A copy of the program alone in a folder of its own, so it finds no database beside it and
// would make its data folder in the scratch home if it started.
struct Scratch {
    QTemporaryDir dir;
    QString lexora = dir.filePath("bin/lexora");
    QString home = dir.filePath("home");

    Scratch() {
        QDir().mkpath(dir.filePath("bin"));
        QDir().mkpath(home);
        if (!QFile::copy(QDir(qEnvironmentVariable("LEXORA_BIN_DIR")).filePath("lexora"), lexora))
            qFatal("no built lexora in %s", qPrintable(qEnvironmentVariable("LEXORA_BIN_DIR")));
    }
    QString program(const QString& name) const {
        return name == QLatin1String("lexora") ? lexora : qEnvironmentVariable("LEXORA_ITEMS_TOOL");
    }
    // No display of any kind, and a home of its own.
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("HOME"), home);
        return env;
    }
    Outcome run(const QString& name, const QStringList& args) const {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(program(name), args);
        Outcome outcome;
        if (!process.waitForFinished(20000)) {
            process.kill();
            process.waitForFinished();
            return outcome;
        }
        outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        outcome.out = QString::fromLocal8Bit(process.readAllStandardOutput());
        outcome.err = QString::fromLocal8Bit(process.readAllStandardError());
        return outcome;
    }
};

// Options named in a text: "-h", "--min-per-topic"; not the hyphen inside a word ("moodle-xml").
QSet<QString> optionsIn(const QString& text) {
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])(--?[a-z][a-z-]*)"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& m : option.globalMatch(text))
        found.insert(m.captured(1));
    return found;
}

QString manPage(const QString& name) {
    QFile file(QStringLiteral(LEXORA_PACKAGING_DIR "/%1.1").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString text = QString::fromUtf8(file.readAll());
    // Requests and font changes are not text; "\-" is a plain hyphen.
    text.remove(QRegularExpression(QStringLiteral("^\\.[A-Z]+"), QRegularExpression::MultilineOption));
    text.remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]")));
    return text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void answers_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("firstLine"); // of the output, or of the error stream when refused
        QTest::addColumn<QString>("alsoSays");

        const QString version = QStringLiteral(LEXORA_VERSION);
        QTest::newRow("help") << "lexora" << QStringList{"--help"} << 0 << "Usage: lexora [OPTION]" << "--version";
        QTest::newRow("short help") << "lexora" << QStringList{"-h"} << 0 << "Usage: lexora [OPTION]" << "--help";
        QTest::newRow("version") << "lexora" << QStringList{"--version"} << 0 << "Lexora English " + version
                                 << "GPL-3.0-or-later";
        QTest::newRow("short version") << "lexora" << QStringList{"-v"} << 0 << "Lexora English " + version
                                       << "CC-BY-SA-4.0";
        QTest::newRow("help wins over version")
            << "lexora" << QStringList{"--version", "--help"} << 0 << "Usage: lexora [OPTION]" << "";
        QTest::newRow("unknown option") << "lexora" << QStringList{"--fullscreen"} << 2
                                        << "lexora: Unknown option 'fullscreen'." << "Usage: lexora [OPTION]";
        QTest::newRow("unknown short option")
            << "lexora" << QStringList{"-x"} << 2 << "lexora: Unknown option 'x'." << "Usage: lexora [OPTION]";
        // Qt's own options are not taken either: the environment (QT_QPA_PLATFORM ...) does that.
        QTest::newRow("toolkit option")
            << "lexora" << QStringList{"-platform", "offscreen"} << 2 << "lexora: Unknown options: p, l, a, t, f, o, r, m."
            << "Usage: lexora [OPTION]";
        QTest::newRow("a file name") << "lexora" << QStringList{"en_data1.mdb"} << 2
                                     << "lexora: Unexpected argument 'en_data1.mdb'." << "Try 'lexora --help'";
        QTest::newRow("value given to help")
            << "lexora" << QStringList{"--help=all"} << 2 << "lexora: Unexpected value after '--help'." << "Usage";

        QTest::newRow("tool help") << "lexora-items" << QStringList{"--help"} << 0 << "usage:" << "--format";
        QTest::newRow("tool version") << "lexora-items" << QStringList{"--version"} << 0
                                      << "lexora-items (Lexora English) " + version << "GPL-3.0-or-later";
        QTest::newRow("tool short version") << "lexora-items" << QStringList{"-v"} << 0
                                            << "lexora-items (Lexora English) " + version << "";
        QTest::newRow("tool unknown option") << "lexora-items" << QStringList{"--frsh", "check", "x.tsv"} << 2
                                             << "lexora-items: Unknown option 'frsh'." << "lexora-items check";
        QTest::newRow("tool without command") << "lexora-items" << QStringList{} << 2 << "usage:" << "worksheet";
    }

    void answers() {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, firstLine);
        QFETCH(QString, alsoSays);
        Scratch scratch;
        const Outcome outcome = scratch.run(program, args);
        QCOMPARE(outcome.status, status);
        const QString& said = status == 0 ? outcome.out : outcome.err;
        const QString& quiet = status == 0 ? outcome.err : outcome.out;
        QCOMPARE(said.section(QLatin1Char('\n'), 0, 0), firstLine);
        QVERIFY2(said.contains(alsoSays), qPrintable(said));
        QVERIFY2(quiet.isEmpty(), qPrintable(quiet));
        // Nothing was started: no data folder, no copied database.
        QVERIFY(QDir(scratch.home).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }

    void manPagesNameTheOptionsOfHelp_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("lexora") << "lexora";
        QTest::newRow("lexora-items") << "lexora-items";
    }

    void manPagesNameTheOptionsOfHelp() {
        QFETCH(QString, program);
        Scratch scratch;
        const Outcome help = scratch.run(program, {QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        const QString page = manPage(program);
        QVERIFY(!page.isEmpty());
        QStringList inHelp = optionsIn(help.out).values();
        QStringList inPage = optionsIn(page).values();
        inHelp.sort();
        inPage.sort();
        QVERIFY(inHelp.contains(QStringLiteral("--version")));
        QCOMPARE(inPage, inHelp);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
