// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scenario.h"

#include "app/screen.h"
#include "text/captions.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextStream>

namespace lexora::shots {

namespace {

Screen* openDatabaseScreen(Program& program, int langcode) {
    program.globals().langcode = qint16(langcode);
    program.globals().dbpath = program.context().apppath() + QStringLiteral("en_data1.mdb");
    return program.screens().show(ScreenId::Database);
}

void click(Screen* screen, const char* name) {
    screen->findChild<QPushButton*>(name)->click();
}

void browse(Camera& camera, int langcode) {
    Screen* screen = openDatabaseScreen(camera.program(), langcode);
    camera.shoot(screen, "before-start");
    click(screen, "Command10");
    camera.shoot(screen, "browsing");
    click(screen, "Command8");
    click(screen, "Command3");
    camera.shoot(screen, "browsing-long");
    click(screen, "Command1");
    camera.shoot(screen, "after-new");
}

// The check line under a typing teacher: the right letter not A to D and answer C emptied.
void checkLine(Camera& camera, int langcode) {
    Screen* screen = openDatabaseScreen(camera.program(), langcode);
    click(screen, "Command10");
    auto* letter = screen->findChild<QLineEdit*>(QStringLiteral("Text10"));
    letter->setText(QStringLiteral("E"));
    emit letter->textEdited(letter->text());
    auto* answerC = screen->findChild<QLineEdit*>(QStringLiteral("Text6"));
    answerC->clear();
    emit answerC->textEdited(QString());
    camera.shoot(screen, "check-line");
}

// A file the teacher may not write: the boxes can be read but not typed into.
void readOnly(Camera& camera) {
    Program& program = camera.program();
    const QString copy = program.context().apppath() + QStringLiteral("read-only.mdb");
    QFile::remove(copy);
    QFile::copy(program.context().apppath() + QStringLiteral("en_data1.mdb"), copy);
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    program.globals().langcode = qint16(LangCode::English);
    program.globals().dbpath = copy;
    Screen* screen = program.screens().show(ScreenId::Database);
    click(screen, "Command10");
    camera.shoot(screen, "read-only");
}

} // namespace

static Register databaseReadOnly("database-read-only", readOnly);

static Register database("database", [](Camera& camera) { browse(camera, LangCode::English); });

static Register databaseCheck("database-check", [](Camera& camera) { checkLine(camera, LangCode::English); });
static Register databaseCheckHungarian("database-check-hu",
                                       [](Camera& camera) { checkLine(camera, LangCode::Hungarian); });
// The Database screen over the background window, to see it centred on the screen.
static Register databaseCentred("database-centred", [](Camera& camera) {
    Screen* background = camera.program().screens().show(ScreenId::Hatter);
    Screen* screen = openDatabaseScreen(camera.program(), LangCode::English);
    camera.shoot(background, "screen");
    const QRect frame = screen->frameGeometry();
    const QRect area = screen->screen()->availableGeometry();
    QTextStream(stdout) << "  frame " << frame.x() << ',' << frame.y() << ' ' << frame.width() << 'x' << frame.height()
                        << " on " << area.width() << 'x' << area.height() << '\n';
});

static Register databaseHungarian("database-hu", [](Camera& camera) { browse(camera, LangCode::Hungarian); });

} // namespace lexora::shots
