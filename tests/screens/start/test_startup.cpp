// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window.h"

#include "ui/programfixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace lexora;
using namespace lexora::testing;

namespace {

bool busy(const QWidget* w) {
    return w->testAttribute(Qt::WA_SetCursor) && w->cursor().shape() == Qt::WaitCursor;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void firstWindowIsTheLanguageScreenOverTheBackground() {
        ProgramFixture f;
        f.program().start();
        Screen* lang = f.screen(ScreenId::Lang);
        Screen* hatter = f.screen(ScreenId::Hatter);
        QVERIFY(lang && hatter);
        QVERIFY(lang->isVisible() && hatter->isVisible());
        QVERIFY(isKeptOnTop(lang));
        QCOMPARE(lang->windowTitle(), QString("Lexora English"));
        QCOMPARE(hatter->windowTitle(), QString("L E X O R A    E N G L I S H "));
        QVERIFY(!f.globals().langcode.has_value());
        QVERIFY(!f.screens().isLoaded(ScreenId::About));
        // Every flag and both outlines have a picture.
        for (const QString& name :
             {"Image_0", "Image_1", "Image_2", "Image_3", "Image_4", "Image_5", "Image1", "Image2"})
            QVERIFY2(!f.child<QLabel>(ScreenId::Lang, name)->pixmap().isNull(), qPrintable(name));
    }

    // The whole hand-over, step by step: button, splash with busy pointer, tick, hub.
    void languageButtonLeadsThroughTheSplashToTheHub() {
        ProgramFixture f;
        f.program().start();
        Screen* lang = f.screen(ScreenId::Lang);
        f.child<QPushButton>(ScreenId::Lang, "Command6")->click();
        QCOMPARE(*f.globals().langcode, qint16(116));
        QVERIFY(busy(lang));
        QVERIFY(lang->isVisible());

        Screen* splash = f.screen(ScreenId::About);
        QVERIFY(splash && splash->isVisible());
        QVERIFY(busy(splash));
        QVERIFY(!shown(f.child<QPushButton>(ScreenId::About, "Command1")));
        QCOMPARE(splash->windowTitle(), QString::fromUtf8("Névjegy"));
        QVERIFY(f.child<QTimer>(ScreenId::About, "Timer1")->isActive());
        QCOMPARE(f.globals().aboutfrommenu, qint16(0));
        QVERIFY(!f.screens().isLoaded(ScreenId::Hub));

        f.fireTimer(ScreenId::About, "Timer1");
        ProgramFixture::settle();
        Screen* hub = f.screen(ScreenId::Hub);
        QVERIFY(hub && hub->isVisible());
        QVERIFY(!busy(hub));
        QVERIFY(!f.screens().isLoaded(ScreenId::Lang));
        QVERIFY(!f.screens().isLoaded(ScreenId::About));
        QVERIFY(f.screens().isLoaded(ScreenId::Hatter));
        QCOMPARE(f.globals().aboutfrommenu, qint16(1));
        QCOMPARE(hub->windowTitle(), QString("LEXORA ENGLISH"));
        QCOMPARE(f.child<QPushButton>(ScreenId::Hub, "Exi")->property("caption").toString(),
                 QString::fromUtf8("KILÉ&P"));
    }

    void eachEnabledButtonSetsItsLanguage_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("langcode");
        QTest::addRow("English") << "Command1" << 16;
        QTest::addRow("French") << "Command2" << 316;
        QTest::addRow("Spanish") << "Command5" << 216;
        QTest::addRow("Hungarian") << "Command6" << 116;
    }
    void eachEnabledButtonSetsItsLanguage() {
        QFETCH(QString, button);
        QFETCH(int, langcode);
        ProgramFixture f;
        f.startToHub(qPrintable(button));
        QCOMPARE(int(*f.globals().langcode), langcode);
        QVERIFY(f.screen(ScreenId::Hub)->isVisible());
    }

    void germanAndItalianAreGreyedAndDoNothing() {
        ProgramFixture f;
        f.program().start();
        for (const char* name : {"Command3", "Command4"}) {
            auto* button = f.child<QPushButton>(ScreenId::Lang, name);
            QVERIFY(!button->isEnabled());
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QVERIFY(!f.globals().langcode.has_value());
        QVERIFY(!f.screens().isLoaded(ScreenId::About));
        QVERIFY(!busy(f.screen(ScreenId::Lang)));
    }

    void altWithTheUnderlinedLetterPressesTheButton() {
        ProgramFixture f;
        f.program().start();
        Screen* lang = f.screen(ScreenId::Lang);
        lang->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(lang));
        QTest::keyClick(lang, Qt::Key_S, Qt::AltModifier);
        // A key press animates the button and clicks it a moment later.
        QTRY_VERIFY(f.globals().langcode.has_value());
        QCOMPARE(*f.globals().langcode, qint16(216));
        QTRY_VERIFY(f.screens().isLoaded(ScreenId::Hub)); // the running event loop let the splash hand over
    }

    void closeBoxOfTheFirstWindowEndsTheProgramButNotTheBackgroundOne() {
        ProgramFixture f;
        f.program().start();
        f.screen(ScreenId::Hatter)->close();
        QCOMPARE(f.platform().endProcessCalls, 0);
        QVERIFY(f.screen(ScreenId::Hatter)->isVisible());
        f.screen(ScreenId::Lang)->close();
        QCOMPARE(f.platform().endProcessCalls, 1);
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
