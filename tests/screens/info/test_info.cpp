// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window.h"
#include "text/commandline.h"

#include "ui/programfixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace lexora;
using namespace lexora::testing;

namespace {

int pictureIn(ProgramFixture& f, const char* name) {
    return f.child<QLabel>(ScreenId::About, name)->property("picture").toInt();
}

bool samePicture(ProgramFixture& f, const char* a, const char* b) {
    return f.child<QLabel>(ScreenId::About, a)->pixmap().toImage() ==
           f.child<QLabel>(ScreenId::About, b)->pixmap().toImage();
}

void openAboutFromTheHub(ProgramFixture& f) {
    f.startToHub();
    f.child<QAction>(ScreenId::Hub, "mnuabout")->trigger();
}

} // namespace

class TestInfo : public QObject {
    Q_OBJECT

private slots:
    void helpIsHungarianInEveryWorkingLanguage_data() {
        QTest::addColumn<int>("langcode");
        QTest::addRow("English") << 16;
        QTest::addRow("French") << 316;
    }
    void helpIsHungarianInEveryWorkingLanguage() {
        QFETCH(int, langcode);
        ProgramFixture f;
        f.prepare(langcode);
        Screen* help = f.show(ScreenId::Help);
        QCOMPARE(help->windowTitle(), QString("How to ..."));
        QVERIFY(isKeptOnTop(help));
        const QString upper = f.child<QLabel>(ScreenId::Help, "Label1")->text();
        const QString lower = f.child<QLabel>(ScreenId::Help, "Label2")->text();
        // Two indented paragraphs in each panel, with the texts' own double blanks kept.
        QCOMPARE(upper.count('\n'), 1);
        QCOMPARE(lower.count('\n'), 1);
        QVERIFY(upper.startsWith(QString::fromUtf8("    A tanuló két gyakorlási forma közül választhat")));
        QVERIFY(
            upper.contains(QString::fromUtf8("\n    Ha a \"Gyakorlás\" formát választjuk, a helyes és a  helytelen")));
        QVERIFY(upper.contains(QString::fromUtf8("(Az anyag 11  ötven mondatos blokkra van osztva")));
        QVERIFY(lower.startsWith(QString::fromUtf8("    Ha kezdetet  vagy témát nem választunk")));
        QVERIFY(lower.contains(QString::fromUtf8("\n    \"Teszt\" üzemmód választása esetén")));
        // The last word is complete.
        QVERIFY(lower.endsWith(QString::fromUtf8("majd visszatérhetünk a tesztfeladathoz.")));
    }

    void helpOkAndCloseBoxUnloadOnlyTheHelp() {
        ProgramFixture f;
        f.startToHub();
        f.child<QAction>(ScreenId::Hub, "mnuhow")->trigger();
        f.child<QPushButton>(ScreenId::Help, "Command1")->click();
        QVERIFY(!f.screens().isLoaded(ScreenId::Help));
        f.child<QAction>(ScreenId::Hub, "mnuhow")->trigger();
        f.screen(ScreenId::Help)->close();
        QVERIFY(!f.screens().isLoaded(ScreenId::Help));
        QVERIFY(f.screen(ScreenId::Hub)->isVisible());
    }

    void splashHasBothTimersRunning() {
        ProgramFixture f;
        f.program().start();
        f.child<QPushButton>(ScreenId::Lang, "Command1")->click();
        auto* timer1 = f.child<QTimer>(ScreenId::About, "Timer1");
        auto* timer2 = f.child<QTimer>(ScreenId::About, "Timer2");
        QVERIFY(timer1->isActive() && timer2->isActive());
        QCOMPARE(timer1->interval(), 30);
        QCOMPARE(timer2->interval(), 300);
        QCOMPARE(pictureIn(f, "Image1"), pictureIn(f, "Image3"));
        // The real tick hands over too, not only a fired one.
        QTRY_VERIFY(f.screens().isLoaded(ScreenId::Hub));
        QVERIFY(!f.screens().isLoaded(ScreenId::About));
    }

    void animationCyclesThroughItsThreeFrames() {
        ProgramFixture f;
        openAboutFromTheHub(f);
        QVERIFY(!samePicture(f, "Image3", "Image4"));
        QVERIFY(samePicture(f, "Image1", "Image3"));
        const char* expected[] = {"Image4", "Image5", "Image3", "Image4", "Image5"};
        for (const char* frame : expected) {
            f.fireTimer(ScreenId::About, "Timer2");
            QCOMPARE(pictureIn(f, "Image1"), pictureIn(f, frame));
            QVERIFY(samePicture(f, "Image1", frame));
        }
    }

    void discTellsWhatTheProgramIs() {
        ProgramFixture f;
        openAboutFromTheHub(f);
        QTest::mouseClick(f.child<QLabel>(ScreenId::About, "Image2"), Qt::LeftButton);
        QCOMPARE(f.platform().messages.size(), size_t(1));
        const auto& box = f.platform().messages[0];
        QCOMPARE(box.title, QString("Mi ez?"));
        QCOMPARE(box.icon, MessageIcon::Information);
        QVERIFY(box.text.contains("\".mdb\""));
        QVERIFY(box.text.contains("\r\n"));
    }

    void dialogStaysUntilOkAndBringsTheHubBack() {
        ProgramFixture f;
        openAboutFromTheHub(f);
        Screen* about = f.screen(ScreenId::About);
        QCOMPARE(about->windowTitle(), QString("About"));
        QCOMPARE(f.child<QPushButton>(ScreenId::About, "Command1")->text(), QString("&OK"));
        auto* version = f.child<QLabel>(ScreenId::About, "version");
        QVERIFY(shown(version));
        QCOMPARE(version->text(), QString("Version " + CommandLine::version()));
        QTest::qWait(100); // well past the splash interval: a dialog does not hand over
        QVERIFY(f.screens().isLoaded(ScreenId::About));
        Screen* hub = f.screen(ScreenId::Hub);
        QTest::mouseClick(f.child<QPushButton>(ScreenId::About, "Command1"), Qt::LeftButton);
        QVERIFY(!f.screens().isLoaded(ScreenId::About));
        QCOMPARE(f.screen(ScreenId::Hub), hub); // the open hub only came to the front
    }

    void okCreatesTheHubAnewWhenItWasLeft() {
        ProgramFixture f;
        openAboutFromTheHub(f);
        f.child<QLabel>(ScreenId::Hub, "Label2")->setText("changed");
        f.screens().unload(ScreenId::Hub); // the learner went on to a task screen
        ProgramFixture::settle();
        f.screen(ScreenId::About)->close(); // the close box acts as OK
        QVERIFY(!f.screens().isLoaded(ScreenId::About));
        QVERIFY(f.screens().isLoaded(ScreenId::Hub));
        QCOMPARE(f.child<QLabel>(ScreenId::Hub, "Label2")->text(), QString("Alap"));
    }

    void closeBoxDuringTheSplashHandsOver() {
        ProgramFixture f;
        f.program().start();
        f.child<QPushButton>(ScreenId::Lang, "Command5")->click();
        f.screen(ScreenId::About)->close();
        QVERIFY(f.screens().isLoaded(ScreenId::Hub));
        QVERIFY(!f.screens().isLoaded(ScreenId::About));
        QCOMPARE(f.globals().aboutfrommenu, qint16(1));
    }
};

QTEST_MAIN(TestInfo)
#include "test_info.moc"
