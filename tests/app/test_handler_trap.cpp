// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whatever fails inside a handler is caught at one boundary: the user is told, and the
// program goes on. Each kind of screen is made to fail in one of its own handlers by a
// desktop service that throws, and must then carry on as if nothing had happened.

#include "app/application.h"
#include "app/screen.h"
#include "text/captions.h"

#include "ui/programfixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <stdexcept>

using namespace lexora;
using namespace lexora::testing;

namespace {

using Service = ScriptedPlatform::Service;

const QString kUnexpected = QStringLiteral("An unexpected error occurred: the desktop service failed");

void click(ProgramFixture& f, ScreenId id, const char* button) {
    QTest::mouseClick(f.child<QPushButton>(id, button), Qt::LeftButton);
    ProgramFixture::settle();
}

// The one message the trap showed: its text, the failing screen's title and a stop icon.
void verifyToldOnce(ProgramFixture& f, ScreenId id) {
    QCOMPARE(f.platform().messages.size(), size_t(1));
    const auto& told = f.platform().messages[0];
    QVERIFY2(told.text.startsWith(kUnexpected), qPrintable(told.text));
    QVERIFY(told.text.contains("The program goes on."));
    QCOMPARE(told.title, f.screen(id)->windowTitle());
    QCOMPARE(told.icon, MessageIcon::Stop);
    QCOMPARE(f.platform().endProcessCalls, 0);
    QVERIFY(f.screens().isLoaded(id));
}

std::vector<QString> sequence(const TempDatabase& db) {
    std::vector<QString> places;
    for (const QStringList& item : db.items().items)
        places.push_back(item[0] + ":" + item[2]);
    return places;
}

// An object whose event handler fails, for the application's last line of defence.
class Faulty : public QObject {
public:
    bool throwStandard = true;
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        if (throwStandard)
            throw std::runtime_error("broken event");
        throw 42;
    }
};

// Should a failure slip past a screen's trap, it is logged here instead of opening a real
// message box, so that the screen's test fails rather than waits.
void reportEscape(const QString& text) {
    qWarning("A failure escaped the screen: %s", qPrintable(text));
}

} // namespace

class TestHandlerTrap : public QObject {
    Q_OBJECT

private slots:
    void languageScreenCloseBox() {
        ProgramFixture f;
        f.program().start();
        f.platform().failNext(Service::EndProcess);
        f.screen(ScreenId::Lang)->close();
        verifyToldOnce(f, ScreenId::Lang);
        f.screen(ScreenId::Lang)->close(); // and the close box works the next time
        QCOMPARE(f.platform().endProcessCalls, 1);
    }

    // A failure halfway through the reshuffle leaves every item where it was.
    void hubReshuffleRollsBack() {
        ProgramFixture f;
        f.startToHub();
        const auto before = sequence(f.database());
        f.platform().queueDraws({0.1, 0.2, 0.3});
        f.platform().failNext(Service::Random);
        QTest::mouseClick(f.child<QLabel>(ScreenId::Hub, "change"), Qt::LeftButton);
        verifyToldOnce(f, ScreenId::Hub);
        QCOMPARE(sequence(f.database()), before);
        click(f, ScreenId::Hub, "ok");
        QVERIFY(f.screens().isLoaded(ScreenId::Practice));
    }

    void aboutScreenMessage() {
        ProgramFixture f;
        f.startToHub();
        f.child<QAction>(ScreenId::Hub, "mnuabout")->trigger();
        f.platform().failNext(Service::Message);
        QTest::mouseClick(f.child<QLabel>(ScreenId::About, "Image2"), Qt::LeftButton);
        verifyToldOnce(f, ScreenId::About);
        QTest::mouseClick(f.child<QLabel>(ScreenId::About, "Image2"), Qt::LeftButton);
        QCOMPARE(f.platform().messages.back().title, QString("Mi ez?"));
    }

    void practiceDraw() {
        ProgramFixture f;
        f.prepare();
        f.show(ScreenId::Practice);
        f.platform().failNext(Service::Random);
        click(f, ScreenId::Practice, "Command3");
        verifyToldOnce(f, ScreenId::Practice);
        f.platform().queueDraws({ScriptedPlatform::drawFor(1, 13)});
        click(f, ScreenId::Practice, "Command3");
        QVERIFY(!f.child<QLabel>(ScreenId::Practice, "Label13")->text().isEmpty());
    }

    void testDraw() {
        ProgramFixture f;
        f.prepare();
        f.show(ScreenId::Test);
        f.platform().failNext(Service::Random);
        click(f, ScreenId::Test, "Command3");
        verifyToldOnce(f, ScreenId::Test);
        f.platform().queueDraws({ScriptedPlatform::drawFor(1, 13)});
        click(f, ScreenId::Test, "Command3");
        QVERIFY(!f.child<QLabel>(ScreenId::Test, "Label13")->text().isEmpty());
    }

    void reviewEndOfList() {
        ProgramFixture f;
        f.prepare();
        f.show(ScreenId::FailedItems);
        click(f, ScreenId::FailedItems, "Command1"); // an empty list: Next reaches its end at once
        f.platform().failNext(Service::Message);
        click(f, ScreenId::FailedItems, "Command4");
        verifyToldOnce(f, ScreenId::FailedItems);
        click(f, ScreenId::FailedItems, "Command6");
        QVERIFY(!f.screens().isLoaded(ScreenId::FailedItems));
        QCOMPARE(f.database().failedRows().size(), size_t(1)); // the placeholder stays
    }

    void databaseFindBox() {
        ProgramFixture f;
        f.prepare();
        f.show(ScreenId::Database);
        const auto before = sequence(f.database());
        f.platform().failNext(Service::Input);
        click(f, ScreenId::Database, "Command5");
        verifyToldOnce(f, ScreenId::Database);
        f.platform().answerInput("sorszam = 3");
        click(f, ScreenId::Database, "Command5");
        QCOMPARE(f.child<QWidget>(ScreenId::Database, "Text1")->property("text").toString(), QString("3"));
        QCOMPARE(sequence(f.database()), before);
    }

    // Behind the screens, the application object catches what an event handler lets
    // escape and tells it through the program's reporter.
    void applicationCatchesWhatEscapes() {
        auto* app = qobject_cast<Application*>(QCoreApplication::instance());
        QVERIFY(app);
        QStringList told;
        app->setFailureReporter([&told](const QString& text) { told << text; });
        Faulty faulty;
        QEvent event(QEvent::User);
        QCOMPARE(QCoreApplication::sendEvent(&faulty, &event), false);
        faulty.throwStandard = false;
        QCOMPARE(QCoreApplication::sendEvent(&faulty, &event), false);
        app->setWorkingLanguage([] { return int(LangCode::Hungarian); });
        QCOMPARE(QCoreApplication::sendEvent(&faulty, &event), false);
        app->setWorkingLanguage({});
        app->setFailureReporter(reportEscape);
        QCOMPARE(told.size(), 3);
        QVERIFY(told[0].contains("broken event"));
        QVERIFY(told[1].startsWith("An unexpected error occurred."));
        QCOMPARE(told[2], QString::fromUtf8("Váratlan hiba történt.\nA program tovább fut."));
    }

    // A handler's unforeseen failure is told in the working language too.
    void aScreenTellsAnUnexpectedFailureInFrench() {
        ProgramFixture f;
        f.prepare(LangCode::French);
        f.show(ScreenId::Practice);
        f.platform().failNext(Service::Random);
        click(f, ScreenId::Practice, "Command3");
        QCOMPARE(f.platform().messages.size(), size_t(1));
        QVERIFY2(f.platform().messages[0].text.startsWith(QString::fromUtf8("Une erreur inattendue s'est produite\u00a0: ")),
                 qPrintable(f.platform().messages[0].text));
        QVERIFY(f.platform().messages[0].text.endsWith(QString::fromUtf8("\nLe programme continue.")));
    }
};

int main(int argc, char** argv) {
    Application app(argc, argv);
    app.setFailureReporter(reportEscape);
    TestHandlerTrap test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_handler_trap.moc"
