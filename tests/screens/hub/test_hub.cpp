// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window.h"

#include "ui/programfixture.h"

#include <QAction>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <set>

using namespace lexora;
using namespace lexora::testing;

namespace {

struct ProbeCounts {
    int unloads = 0;
};

// Stands in for a task screen, so the hub's tests do not depend on the task screens' own work.
class ProbeScreen : public Screen {
public:
    ProbeScreen(AppContext& c, ScreenId id) : Screen(c, id, "probe") {}
    void formUnload() override { ++ctx().screens.state<ProbeCounts>().unloads; }
};

void useProbeTaskScreens(ProgramFixture& f) {
    for (ScreenId id : {ScreenId::Practice, ScreenId::Test, ScreenId::Database})
        f.screens().registerScreen(id, [id](AppContext& c) { return new ProbeScreen(c, id); });
}

QString caption(QObject* control) {
    return control->property("caption").toString();
}

// Clicks an option on its round indicator, where a learner clicks it.
void choose(ProgramFixture& f, const QString& option) {
    auto* button = f.child<QRadioButton>(ScreenId::Hub, option);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    QVERIFY(button->isChecked());
}

QAction* action(ProgramFixture& f, const QString& name) {
    return f.child<QAction>(ScreenId::Hub, name);
}

QStringList checkedEntries(ProgramFixture& f, const QString& array) {
    QStringList checked;
    for (int i = 0; i < 4; ++i) {
        if (action(f, QStringLiteral("%1_%2").arg(array).arg(i))->isChecked())
            checked << QString::number(i);
    }
    return checked;
}

} // namespace

class TestHub : public QObject {
    Q_OBJECT

private slots:
    void hungarianStartCaptionsTheHubButLeavesEnglishMarked() {
        ProgramFixture f;
        f.startToHub("Command6");
        QCOMPARE(caption(f.child<QLabel>(ScreenId::Hub, "activities")), QString::fromUtf8("Üzemmód:"));
        QCOMPARE(caption(f.child<QRadioButton>(ScreenId::Hub, "practice")), QString::fromUtf8("&Gyakorlás"));
        QCOMPARE(caption(f.child<QRadioButton>(ScreenId::Hub, "database")), QString::fromUtf8("&Adatbázis"));
        QCOMPARE(caption(f.child<QPushButton>(ScreenId::Hub, "ok")), QString("&OK"));
        QCOMPARE(caption(f.child<QMenu>(ScreenId::Hub, "mnuhelp")), QString::fromUtf8("&Súgó"));
        QCOMPARE(caption(action(f, "mnuabout")), QString::fromUtf8("&Névjegy..."));
        QCOMPARE(caption(f.child<QMenu>(ScreenId::Hub, "mnudatabases")), QString::fromUtf8("&Adatbázis"));
        QCOMPARE(caption(f.child<QMenu>(ScreenId::Hub, "mnuprogress")), QString::fromUtf8("&Haladás"));
        QCOMPARE(caption(action(f, "mnumyprogress")), QString::fromUtf8("&Haladásom..."));
        QCOMPARE(caption(action(f, "mnureview")), QString::fromUtf8("Esedékes mondatok &ismétlése"));
        QCOMPARE(checkedEntries(f, "worklang"), QStringList{"0"});
        // Texts outside the catalogue stay as designed.
        QCOMPARE(f.screen(ScreenId::Hub)->windowTitle(), QString("LEXORA ENGLISH"));
        QCOMPARE(f.child<QLabel>(ScreenId::Hub, "Label1")->text(), QString("Selected database:"));
        QCOMPARE(action(f, "worklang_1")->text(), QString("&Magyar"));
        QVERIFY(f.child<QRadioButton>(ScreenId::Hub, "practice")->isChecked());
    }

    void databaseMenuOffersOnlyTheFirstDatabase() {
        ProgramFixture f;
        f.startToHub();
        QVERIFY(action(f, "data_0")->isVisible() && action(f, "data_0")->isEnabled());
        for (const char* name : {"data_1", "data_2", "data_3"}) {
            QVERIFY(!action(f, name)->isVisible());
            QVERIFY(!action(f, name)->isEnabled());
            action(f, name)->trigger(); // a disabled entry does nothing
        }
        QCOMPARE(f.globals().dbnum, qint16(0));
        QCOMPARE(checkedEntries(f, "data"), QStringList());
        QCOMPARE(action(f, "data_1")->text(), QString::fromUtf8("&Bővítés"));

        action(f, "data_0")->trigger();
        QCOMPARE(f.globals().dbnum, qint16(1));
        QCOMPARE(f.globals().dbpath, f.database().dir() + "en_data1.mdb");
        QCOMPARE(f.child<QLabel>(ScreenId::Hub, "Label2")->text(), QString("Alap"));
        QCOMPARE(checkedEntries(f, "data"), QStringList{"0"});
    }

    void frenchFromTheMenuRecaptionsAndMarksItAlone() {
        ProgramFixture f;
        f.startToHub("Command6");
        action(f, "worklang_2")->trigger();
        QCOMPARE(*f.globals().langcode, qint16(316));
        QCOMPARE(checkedEntries(f, "worklang"), QStringList{"2"});
        QCOMPARE(caption(f.child<QRadioButton>(ScreenId::Hub, "practice")), QString("&Exercice"));
        QCOMPARE(caption(f.child<QPushButton>(ScreenId::Hub, "Exi")), QString("&QUITTER"));
        QCOMPARE(caption(f.child<QMenu>(ScreenId::Hub, "mnuworklang")), QString::fromUtf8("&Langue de travail..."));
        QVERIFY(caption(f.child<QLabel>(ScreenId::Hub, "change")).startsWith("Si vous voulez changer"));
        action(f, "worklang_3")->trigger();
        QCOMPARE(*f.globals().langcode, qint16(216));
        QCOMPARE(checkedEntries(f, "worklang"), QStringList{"3"});
        QCOMPARE(caption(f.child<QPushButton>(ScreenId::Hub, "ok")), QString("&ACEPTAR"));
    }

    void enterOpensPracticeAndUnloadsTheHub() {
        ProgramFixture f;
        useProbeTaskScreens(f);
        f.startToHub();
        auto* practice = f.child<QRadioButton>(ScreenId::Hub, "practice");
        QTest::keyClick(practice, Qt::Key_Return);
        QVERIFY(f.screens().isLoaded(ScreenId::Practice));
        QVERIFY(!f.screens().isLoaded(ScreenId::Hub));
    }

    void okOpensTheChosenTask_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("screen");
        QTest::addRow("test") << "test" << int(ScreenId::Test);
        QTest::addRow("database") << "database" << int(ScreenId::Database);
    }
    void okOpensTheChosenTask() {
        QFETCH(QString, option);
        QFETCH(int, screen);
        ProgramFixture f;
        useProbeTaskScreens(f);
        f.startToHub();
        choose(f, option);
        QTest::mouseClick(f.child<QPushButton>(ScreenId::Hub, "ok"), Qt::LeftButton);
        QVERIFY(f.screens().isLoaded(ScreenId(screen)));
        QVERIFY(!f.screens().isLoaded(ScreenId::Practice));
        QVERIFY(!f.screens().isLoaded(ScreenId::Hub));
    }

    void returningFromATaskKeepsDatabaseAndLanguage() {
        ProgramFixture f;
        useProbeTaskScreens(f);
        f.startToHub("Command2");
        action(f, "data_0")->trigger();
        action(f, "worklang_3")->trigger();
        choose(f, "test");
        f.child<QPushButton>(ScreenId::Hub, "ok")->click();
        QVERIFY(f.screens().isLoaded(ScreenId::Test));
        ProgramFixture::settle();
        f.show(ScreenId::Hub); // as the Test screen's Tasks menu does
        QCOMPARE(f.child<QLabel>(ScreenId::Hub, "Label2")->text(), QString("Alap"));
        QVERIFY(f.child<QRadioButton>(ScreenId::Hub, "practice")->isChecked());
        QCOMPARE(checkedEntries(f, "data"), QStringList());
        QCOMPARE(checkedEntries(f, "worklang"), QStringList{"0"});
        QCOMPARE(caption(f.child<QPushButton>(ScreenId::Hub, "ok")), QString("&ACEPTAR"));
        QCOMPARE(f.globals().dbpath, f.database().dir() + "en_data1.mdb");
    }

    void loadChoosesTitleAndFileFromDbnum_data() {
        QTest::addColumn<int>("dbnum");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("file");
        QTest::addRow("no choice yet") << 0 << "Alap"
                                       << "en_data1.mdb";
        QTest::addRow("negative") << -3 << "Alap"
                                  << "en_data1.mdb";
        QTest::addRow("1") << 1 << "Alap"
                           << "en_data1.mdb";
        QTest::addRow("2") << 2 << QString::fromUtf8("Bõvítés") << "enpool1d.mdb";
        QTest::addRow("3") << 3 << "Tazmir O."
                           << "en_data2.mdb";
        QTest::addRow("4") << 4 << "Vegyes"
                           << "en_data3.mdb";
    }
    void loadChoosesTitleAndFileFromDbnum() {
        QFETCH(int, dbnum);
        QFETCH(QString, title);
        QFETCH(QString, file);
        ProgramFixture f;
        f.prepare();
        f.globals().dbnum = qint16(dbnum);
        f.show(ScreenId::Hub);
        QCOMPARE(f.child<QLabel>(ScreenId::Hub, "Label2")->text(), title);
        QCOMPARE(f.globals().dbpath, f.database().dir() + file);
        // Only the first database exists in the test folder.
        QCOMPARE(shown(f.child<QLabel>(ScreenId::Hub, "notice")), file != "en_data1.mdb");
    }

    void unknownDbnumLeavesTitleAndPathAlone() {
        ProgramFixture f;
        f.prepare();
        f.globals().dbnum = 5;
        f.show(ScreenId::Hub);
        QCOMPARE(f.child<QLabel>(ScreenId::Hub, "Label2")->text(), QString());
        QCOMPARE(f.globals().dbpath, f.database().path());
    }

    void missingDatabaseIsNamedAndTheHubStaysUsable() {
        ProgramFixture f;
        useProbeTaskScreens(f);
        QFile::remove(f.database().path());
        f.startToHub();
        auto* notice = f.child<QLabel>(ScreenId::Hub, "notice");
        QVERIFY(shown(notice));
        QVERIFY(notice->text().contains("\"en_data1.mdb\" is missing"));
        QVERIFY(notice->text().contains(f.database().dir()));

        // The reorder says what is wrong instead of failing silently.
        QTest::mouseClick(f.child<QLabel>(ScreenId::Hub, "change"), Qt::LeftButton);
        QCOMPARE(f.platform().messages.size(), size_t(1));
        QVERIFY(f.platform().messages[0].text.contains("en_data1.mdb"));
        QCOMPARE(f.platform().messages[0].icon, MessageIcon::Exclamation);

        action(f, "worklang_1")->trigger();
        QCOMPARE(caption(f.child<QRadioButton>(ScreenId::Hub, "practice")), QString::fromUtf8("&Gyakorlás"));
        f.child<QPushButton>(ScreenId::Hub, "ok")->click();
        QVERIFY(f.screens().isLoaded(ScreenId::Practice));
    }

    void fileThatIsNoDatabaseIsNamedAndPuttingItRightClearsTheNotice() {
        ProgramFixture f;
        const QString path = f.database().path();
        QVERIFY(QFile::rename(path, path + ".kept"));
        {
            QFile junk(path);
            QVERIFY(junk.open(QIODevice::WriteOnly));
            junk.write("these are not the items you are looking for");
        }
        f.startToHub();
        auto* notice = f.child<QLabel>(ScreenId::Hub, "notice");
        QVERIFY(shown(notice));
        QVERIFY(notice->text().contains("\"en_data1.mdb\" is not an item database"));

        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::rename(path + ".kept", path));
        action(f, "data_0")->trigger();
        QVERIFY(!shown(notice));
    }

    void exitEndsAtOnceWithoutCloseHandlers() {
        ProgramFixture f;
        useProbeTaskScreens(f);
        f.startToHub();
        f.show(ScreenId::Practice); // a task screen left open elsewhere
        QTest::mouseClick(f.child<QPushButton>(ScreenId::Hub, "Exi"), Qt::LeftButton);
        QCOMPARE(f.platform().endProcessCalls, 1);
        QCOMPARE(f.screens().state<ProbeCounts>().unloads, 0);
        f.screen(ScreenId::Hub)->close(); // the frame's close box does the same
        QCOMPARE(f.platform().endProcessCalls, 2);
    }

    // The About window brings the hub back beside an open Database screen, where a teacher
    // deletes and adds items after the hub has opened: the reorder places the items the
    // table holds when it is clicked.
    void reorderTakesTheItemsAsTheDatabaseScreenLeftThem() {
        ProgramFixture f;
        f.startToHub();
        action(f, "mnuabout")->trigger();
        choose(f, "database");
        f.child<QPushButton>(ScreenId::Hub, "ok")->click();
        f.child<QPushButton>(ScreenId::About, "Command1")->click();
        ProgramFixture::settle();
        QVERIFY(f.screen(ScreenId::Hub) && f.screen(ScreenId::Database));

        f.child<QPushButton>(ScreenId::Database, "Command10")->click(); // Start: the first item
        f.child<QPushButton>(ScreenId::Database, "Command4")->click();  // Delete it
        f.platform().queueDraws({ScriptedPlatform::drawFor(2999, 3000)});
        f.child<QPushButton>(ScreenId::Database, "Command1")->click(); // New, stored by the next move
        f.child<QPushButton>(ScreenId::Database, "Command6")->click();
        const size_t count = f.database().items().items.size();
        QCOMPARE(count, fixtureBank().items.size());

        std::set<int> drawn;
        for (int place = 101; place < 101 + int(count); ++place) {
            f.platform().queueDraws({ScriptedPlatform::drawFor(place, 3000)});
            drawn.insert(place);
        }
        QTest::mouseClick(f.child<QLabel>(ScreenId::Hub, "change"), Qt::LeftButton);
        QVERIFY2(f.platform().messages.empty(), qPrintable(f.platform().messageTexts().join('\n')));
        QCOMPARE(f.platform().drawsLeft(), size_t(0));
        std::set<int> places;
        for (const QStringList& item : f.database().items().items)
            places.insert(item[2].toInt());
        QCOMPARE(places, drawn);
    }

    void helpAndAboutOpenBesideTheHub() {
        ProgramFixture f;
        f.startToHub();
        action(f, "mnuhow")->trigger();
        QVERIFY(f.screen(ScreenId::Help) && f.screen(ScreenId::Help)->isVisible());
        action(f, "mnuabout")->trigger();
        Screen* about = f.screen(ScreenId::About);
        QVERIFY(about && about->isVisible());
        QVERIFY(shown(f.child<QPushButton>(ScreenId::About, "Command1")));
        QVERIFY(!f.child<QTimer>(ScreenId::About, "Timer1")->isActive());
        QVERIFY(!about->testAttribute(Qt::WA_SetCursor));
        QVERIFY(f.screen(ScreenId::Hub)->isVisible());
    }
};

QTEST_MAIN(TestHub)
#include "test_hub.moc"
