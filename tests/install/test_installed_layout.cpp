// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where an installed program keeps its item files: the user's copies of the shipped
// databases, copied in at start, and the build folder left to work as it always did.

#include "app/programfolder.h"
#include "app/screen.h"
#include "data/itemview.h"

#include "ui/programfixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <unistd.h>

using namespace lexora;
using namespace lexora::testing;

namespace {

void writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// An installed tree as a package lays it out: an executable folder without databases and
// the shipped databases (the ones this build made) under share/lexora, read-only; and a
// user's data folder that does not exist yet.
struct InstalledTree {
    QTemporaryDir root;
    ProgramFolder::Places places;

    InstalledTree() {
        places.executableDir = root.filePath("usr/bin");
        places.shippedDir = root.filePath("usr/share/lexora");
        places.userDir = root.filePath("home/.local/share/lexora");
        QDir().mkpath(places.executableDir);
        QDir().mkpath(places.shippedDir);
        const QDir built(qEnvironmentVariable("LEXORA_BIN_DIR"));
        for (const QString& file : shippedDatabases()) {
            const QString target = shipped(file);
            if (!QFile::copy(built.filePath(file), target))
                qFatal("no built %s in %s", qPrintable(file), qPrintable(built.path()));
            QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        }
    }
    QString shipped(const QString& file) const { return QDir(places.shippedDir).filePath(file); }
    QString user(const QString& file) const { return QDir(places.userDir).filePath(file); }
};

std::unique_ptr<Program> startProgram(const ProgramFolder& folder, ScriptedPlatform*& platform) {
    auto scripted = std::make_unique<ScriptedPlatform>();
    platform = scripted.get();
    auto program = std::make_unique<Program>(folder, std::move(scripted));
    program->start();
    program->screens().find(ScreenId::Lang)->findChild<QPushButton*>("Command1")->click();
    QTimer* splash = program->screens().find(ScreenId::About)->findChild<QTimer*>("Timer1");
    QMetaObject::invokeMethod(splash, "timeout", Qt::DirectConnection);
    ProgramFixture::settle();
    return program;
}

QString hubNotice(Program& program) {
    QLabel* notice = program.screens().find(ScreenId::Hub)->findChild<QLabel*>("notice");
    return notice->isHidden() ? QString() : notice->text();
}

} // namespace

class TestInstalledLayout : public QObject {
    Q_OBJECT

private slots:
    // A database beside the executable makes it the program folder; nothing is copied,
    // and no user folder is made.
    void buildFolderStaysPortable() {
        InstalledTree tree;
        QFile::copy(tree.shipped("en_data1.mdb"), QDir(tree.places.executableDir).filePath("en_data1.mdb"));
        const ProgramFolder folder = ProgramFolder::prepare(tree.places);
        QCOMPARE(folder.layout, ProgramFolder::Layout::Portable);
        QCOMPARE(folder.dir, tree.places.executableDir);
        QVERIFY(folder.copied.isEmpty());
        QVERIFY(folder.failures.empty());
        QVERIFY(!QFileInfo::exists(tree.places.userDir));
    }

    // The first start makes the folder and copies every missing bank whole and writable;
    // a file the user already has is left exactly as it is, and no temporary file stays.
    void firstStartCopiesOnlyWhatIsMissing() {
        InstalledTree tree;
        QDir().mkpath(tree.places.userDir);
        writeFile(tree.user("en_data2.mdb"), "the user's own file");
        const ProgramFolder folder = ProgramFolder::prepare(tree.places);
        QCOMPARE(folder.layout, ProgramFolder::Layout::Installed);
        QCOMPARE(folder.dir, tree.places.userDir);
        QCOMPARE(folder.copied, QStringList({"en_data1.mdb", "enpool1d.mdb", "en_data3.mdb"}));
        QVERIFY(folder.failures.empty());
        QCOMPARE(contentsOf(tree.user("en_data2.mdb")), QByteArray("the user's own file"));
        for (const QString& file : folder.copied) {
            QCOMPARE(contentsOf(tree.user(file)), contentsOf(tree.shipped(file)));
            QVERIFY(QFileInfo(tree.user(file)).permissions() & QFile::WriteOwner);
        }
        QCOMPARE(entries(tree.places.userDir),
                 QStringList({"en_data1.mdb", "en_data2.mdb", "en_data3.mdb", "enpool1d.mdb"}));
        QVERIFY(ProgramFolder::prepare(tree.places).copied.isEmpty());
    }

    // A copy that cannot be made is told per file, with the folder it came from, and
    // leaves nothing behind; the other banks are still copied.
    void failedCopiesAreReportedAndLeaveNothing() {
        InstalledTree tree;
        QFile::remove(tree.shipped("enpool1d.mdb"));
        ProgramFolder folder = ProgramFolder::prepare(tree.places);
        QCOMPARE(folder.copied.size(), 3);
        QCOMPARE(folder.failures.size(), size_t(1));
        QVERIFY(folder.failureFor("enpool1d.mdb"));
        QCOMPARE(folder.failureFor("enpool1d.mdb")->from, tree.places.shippedDir);
        QVERIFY(!folder.failureFor("enpool1d.mdb")->reason.isEmpty());
        QCOMPARE(entries(tree.places.userDir).size(), 3);

        // The user's data folder cannot be made where a file stands.
        InstalledTree blocked;
        QDir().mkpath(QFileInfo(blocked.places.userDir).path());
        writeFile(blocked.places.userDir, "not a folder");
        folder = ProgramFolder::prepare(blocked.places);
        QCOMPARE(folder.layout, ProgramFolder::Layout::Installed);
        QCOMPARE(folder.failures.size(), size_t(4));
        QVERIFY(folder.copied.isEmpty());
    }

    void unwritableFolderIsReported() {
        if (geteuid() == 0)
            QSKIP("an administrator writes into any folder");
        InstalledTree tree;
        QDir().mkpath(tree.places.userDir);
        QFile::setPermissions(tree.places.userDir, QFile::ReadOwner | QFile::ExeOwner);
        const ProgramFolder folder = ProgramFolder::prepare(tree.places);
        QFile::setPermissions(tree.places.userDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(folder.failures.size(), size_t(4));
        QVERIFY(entries(tree.places.userDir).isEmpty());
    }

    // A file that appears while a copy is made (another start of the program) is kept.
    void copyNeverReplacesAFile() {
        QTemporaryDir dir;
        writeFile(dir.filePath("source"), "shipped");
        writeFile(dir.filePath("target"), "already here");
        QVERIFY(copyIntoPlace(dir.filePath("source"), dir.filePath("target")).isEmpty());
        QCOMPARE(contentsOf(dir.filePath("target")), QByteArray("already here"));
        QCOMPARE(entries(dir.path()), QStringList({"source", "target"}));
        QVERIFY(!copyIntoPlace(dir.filePath("missing"), dir.filePath("other")).isEmpty());
        QVERIFY(!copyIntoPlace(dir.filePath("source"), dir.filePath("no/such/folder/x")).isEmpty());
        QCOMPARE(entries(dir.path()), QStringList({"source", "target"}));
    }

    // The hub names the user's folder for a missing database, and why it was not copied,
    // in the working language.
    void hubTellsTheFolderUsedAndTheFailedCopy() {
        InstalledTree tree;
        QFile::remove(tree.shipped("en_data1.mdb"));
        ScriptedPlatform* platform = nullptr;
        auto program = startProgram(ProgramFolder::prepare(tree.places), platform);
        QString notice = hubNotice(*program);
        QVERIFY2(notice.contains(QDir::toNativeSeparators(tree.places.userDir)), qPrintable(notice));
        QVERIFY2(notice.contains("Copying it from " + QDir::toNativeSeparators(tree.places.shippedDir) + " failed"),
                 qPrintable(notice));
        program->screens().find(ScreenId::Hub)->findChild<QAction*>("worklang_1")->trigger();
        program->screens().find(ScreenId::Hub)->findChild<QAction*>("data_0")->trigger();
        notice = hubNotice(*program);
        QVERIFY2(notice.contains(QString::fromUtf8("A másolása innen nem sikerült")), qPrintable(notice));
    }

    // A Test run writes its failed items into the user's copy, never into the installed
    // one; the next start uses the user's copy as it was left.
    void testRunWritesTheUsersCopyOnly() {
        InstalledTree tree;
        const QByteArray shipped = contentsOf(tree.shipped("en_data1.mdb"));
        ScriptedPlatform* platform = nullptr;
        auto program = startProgram(ProgramFolder::prepare(tree.places), platform);
        QCOMPARE(hubNotice(*program), QString());
        Screen* hub = program->screens().find(ScreenId::Hub);
        hub->findChild<QRadioButton*>("test")->setChecked(true);
        hub->findChild<QPushButton*>("ok")->click();
        ProgramFixture::settle();
        Screen* test = program->screens().find(ScreenId::Test);
        QVERIFY(test);
        platform->queueDraws({0.25, 0.5, 0.75});
        test->findChild<QPushButton*>("Command3")->click();
        test->findChild<QPushButton*>("Command5")->click(); // evaluated with no answer: failed
        ProgramFixture::settle();
        program.reset();
        ProgramFixture::settle();

        const auto failedItems = [&tree] {
            auto view = LiveView::open(tree.user("en_data1.mdb"), QStringLiteral("hiba1"));
            return view->count();
        };
        const int failed = failedItems();
        QVERIFY2(failed >= 2, qPrintable(QString::number(failed))); // the placeholder and the item
        QCOMPARE(contentsOf(tree.shipped("en_data1.mdb")), shipped);

        const ProgramFolder again = ProgramFolder::prepare(tree.places);
        QVERIFY(again.copied.isEmpty());
        program = startProgram(again, platform);
        QCOMPARE(hubNotice(*program), QString());
        QCOMPARE(failedItems(), failed);
        QVERIFY(contentsOf(tree.user("en_data1.mdb")) != shipped);
    }
};

QTEST_MAIN(TestInstalledLayout)
#include "test_installed_layout.moc"
