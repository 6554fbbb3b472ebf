// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/foldermemory.h"
#include "app/globals.h"
#include "app/realplatform.h"
#include "app/screen.h"
#include "app/window.h"

#include "ui/programfixture.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace lexora;
using namespace lexora::testing;

namespace {

struct CounterState {
    int loads = 0;
    int unloads = 0;
};

// A screen that counts its load and close handlers in a state that survives Unload,
// and keeps one of its own in a widget that does not.
class ProbeScreen : public Screen {
public:
    explicit ProbeScreen(AppContext& c) : Screen(c, ScreenId::Help, "probe") {
        label = new QLabel("design", canvas());
        label->setObjectName("Label1");
        button = new QPushButton("&Go", canvas());
        button->setObjectName("Command1");
        connect(button, &QPushButton::clicked, this, [this] { ++clicks; });
    }
    void formLoad() override { ++ctx().screens.state<CounterState>().loads; }
    void formUnload() override { ++ctx().screens.state<CounterState>().unloads; }
    bool formKeyPress(QKeyEvent* e) override {
        keys += e->text();
        return e->text() == "a";
    }
    QLabel* label;
    QPushButton* button;
    QString keys;
    int clicks = 0;
};

} // namespace

class TestApp : public QObject {
    Q_OBJECT

private slots:
    // The file boxes open in the folder last used, in the next run too, while it exists.
    void theLastFolderIsRememberedBetweenRuns() {
        QTemporaryDir config, documents;
        const QString keeper = config.filePath("lexora/last-folder");
        QCOMPARE(FolderMemory(keeper).folder(), QDir::homePath()); // nothing remembered yet
        QDir(documents.path()).mkdir("sheets");
        FolderMemory(keeper).remember(documents.filePath("sheets/worksheet.pdf"));
        QCOMPARE(FolderMemory(keeper).folder(), documents.filePath("sheets"));
        FolderMemory(keeper).remember(QString()); // a cancelled box
        QCOMPARE(FolderMemory(keeper).folder(), documents.filePath("sheets"));
        QDir(documents.filePath("sheets")).removeRecursively();
        QCOMPARE(FolderMemory(keeper).folder(), QDir::homePath());
        // The user's own memory lies in their configuration folder, under the program's name.
        QVERIFY(FolderMemory::defaultFile().endsWith("/lexora/last-folder"));
    }

    void apppathHasExactlyOneSeparator_data() {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("expected");
        QTest::addRow("root") << "/" << "/";
        QTest::addRow("folder") << "/opt/lexora" << "/opt/lexora/";
        QTest::addRow("folder with separator") << "/opt/lexora/" << "/opt/lexora/";
    }
    void apppathHasExactlyOneSeparator() {
        QFETCH(QString, dir);
        QFETCH(QString, expected);
        QCOMPARE(apppath(dir), expected);
    }

    void globalsStartFromTheirInitialValues() {
        const Globals g;
        QVERIFY(!g.langcode.has_value());
        QCOMPARE(g.dbnum, qint16(0));
        QVERIFY(g.dbpath.isEmpty());
        QCOMPARE(g.numsent + g.delay + g.itemno + g.itemsdone + g.rightcount + g.seekkey, 0);
        QCOMPARE(g.percent, 0.0);
        QCOMPARE(g.aboutfrommenu, qint16(0));
        QVERIFY(!g.rstable);
    }

    void centreUsesFloatingPointAndAllowsNegativePositions() {
        QCOMPARE(centeredPosition(QRect(0, 0, 1024, 768), QSize(401, 300)), QPoint(311, 234));
        QCOMPARE(centeredPosition(QRect(0, 0, 800, 600), QSize(1000, 700)), QPoint(-100, -50));
        QCOMPARE(centeredPosition(QRect(100, 20, 800, 600), QSize(200, 100)), QPoint(400, 270));
    }

    void twipsBecomePixels() {
        QCOMPARE(twips(1440), 96);
        QCOMPARE(twips(9645), 643);
        QCOMPARE(twips(7), 0);
    }

    void keepOnTopAndRelease() {
        QWidget w;
        w.show();
        keepOnTop(&w);
        QVERIFY(isKeptOnTop(&w));
        QVERIFY(w.isVisible()); // changing the flag hid it; it is shown again
        keepOnTop(&w, false);
        QVERIFY(!isKeptOnTop(&w));
        QVERIFY(w.isVisible());
    }

    void accessKeysInLabels() {
        QCOMPARE(accessKeyHtml("Ne&xt"), QString("Ne<u>x</u>t"));
        QCOMPARE(accessKeyHtml("Fish && <Chips>"), QString("Fish &amp; &lt;Chips&gt;"));
        QCOMPARE(withoutAccessKey("Re&start"), QString("Restart"));
    }

    void realRandomSourceDoesNotRepeatWithinAClockTick() {
        RealPlatform platform;
        QSet<double> draws;
        for (int i = 0; i < 200; ++i) {
            platform.reseedRandom();
            const double r = platform.random();
            QVERIFY(r >= 0.0 && r < 1.0);
            draws.insert(r);
        }
        QCOMPARE(draws.size(), 200);
    }

    void registryKeepsStateAcrossUnloadAndMakesWidgetsAfresh() {
        ProgramFixture f;
        f.prepare();
        f.screens().registerScreen(ScreenId::Help, [](AppContext& c) { return new ProbeScreen(c); });
        auto* first = static_cast<ProbeScreen*>(f.show(ScreenId::Help));
        QVERIFY(first->isVisible());
        QCOMPARE(f.screens().show(ScreenId::Help), first); // no second load
        first->label->setText("changed");
        f.screens().unload(ScreenId::Help);
        QVERIFY(!f.screens().isLoaded(ScreenId::Help));
        f.screens().unload(ScreenId::Help); // harmless twice
        ProgramFixture::settle();
        auto* second = static_cast<ProbeScreen*>(f.show(ScreenId::Help));
        QCOMPARE(second->label->text(), QString("design"));
        const auto& state = f.screens().state<CounterState>();
        QCOMPARE(state.loads, 2);
        QCOMPARE(state.unloads, 1);
        f.screens().hide(ScreenId::Help);
        QVERIFY(second->isHidden());
    }

    void screenSeesKeysFirstAndEnterPressesTheDefaultButton() {
        ProgramFixture f;
        f.prepare();
        f.screens().registerScreen(ScreenId::Help, [](AppContext& c) { return new ProbeScreen(c); });
        auto* s = static_cast<ProbeScreen*>(f.show(ScreenId::Help));
        auto* edit = new QLineEdit(s->canvas());
        edit->show();
        edit->setFocus();
        QTest::keyClicks(edit, "ab");
        QCOMPARE(s->keys, QString("ab"));
        QCOMPARE(edit->text(), QString("b")); // "a" was swallowed by the screen
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(s->clicks, 0);
        s->setDefaultButton(s->button);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(s->clicks, 1);
        s->button->hide();
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(s->clicks, 1); // a hidden default button is not pressed
    }
};

QTEST_MAIN(TestApp)
#include "test_app.moc"
