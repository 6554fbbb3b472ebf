// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures of the Database screen's searches on a database of 32,767 generated items:
// the whole Find first and Find next handlers (input box answered at once), and the
// bound view's finds underneath them.

#include "benchsupport.h"

#include "app/program.h"
#include "app/realplatform.h"
#include "app/screen.h"
#include "data/itemview.h"
#include "text/captions.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

using namespace lexora;
using namespace lexora::bench;

namespace {

// Answers the search box with the criterion of the moment and counts the no-match boxes.
class BenchPlatform : public RealPlatform {
public:
    QString answer;
    int messages = 0;
    void message(QWidget*, const QString&, const QString&, MessageIcon) override { ++messages; }
    QString input(QWidget*, const QString&, const QString&, const QString&) override { return answer; }
    void beep() override {}
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath("en_data1.mdb");
    makeLargeDatabase(path);

    const QString river = QStringLiteral("mondat Like \"*river*\"");
    const QString lastOnly = QStringLiteral("mondat Like \"*zebra*\" Or sorszam = 32767");

    auto view = LiveView::open(path, "test1");
    measure("view: find first mondat Like *river*", 20, 15, [&] { view->findFirst(river); });
    measure("view: find next mondat Like *river*", 20, 15, [&] {
        view->findNext(river);
        if (view->noMatch())
            view->moveFirst();
    });
    measure("view: find first matching only the last item", 20, 15, [&] { view->findFirst(lastOnly); });

    auto owned = std::make_unique<BenchPlatform>();
    BenchPlatform& platform = *owned;
    Program program(dir.path(), std::move(owned));
    program.globals().langcode = qint16(LangCode::English);
    program.globals().dbpath = path;
    Screen* screen = program.screens().show(ScreenId::Database);
    const auto click = [screen](const char* name) { screen->findChild<QPushButton*>(name)->click(); };
    click("Command10");

    platform.answer = river;
    measure("screen: Find first mondat Like *river*", 20, 15, [&] { click("Command5"); });
    measure("screen: Find next mondat Like *river*", 20, 15, [&] { click("Command11"); });
    platform.answer = lastOnly;
    measure("screen: Find first matching only the last item", 20, 15, [&] { click("Command5"); });
    platform.answer = QStringLiteral("mondat Like \"*zebra*\"");
    click("Command5");
    measure("screen: First + Find next, no match at all", 20, 15, [&] {
        click("Command6");
        click("Command11");
    });
    QTextStream(stdout) << "no-match boxes: " << platform.messages << '\n';
    return 0;
}
