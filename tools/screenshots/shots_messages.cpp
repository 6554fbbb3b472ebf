// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Messages of the program in the working language: a refused edit on the Database screen
// and the hub's notice about a missing database.

#include "scenario.h"

#include "app/screen.h"
#include "text/captions.h"

#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace lexora::shots {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    default:
        return QMessageBox::Information;
    }
}

// Shows the box the program last asked for over `window`, as the learner would see it.
void shootWithLastMessage(Camera& camera, QWidget* window, const QString& name) {
    const ToldMessage& told = lastMessage();
    QMessageBox box(boxIcon(told.icon), told.title, told.text, QMessageBox::Ok, window);
    box.setWindowModality(Qt::NonModal);
    box.show();
    Camera::wait(200);
    camera.shoot(window, name);
}

// The teacher empties the level box and moves on: the edit is refused.
void refusedEdit(Camera& camera, int langcode) {
    Program& program = camera.program();
    program.globals().langcode = qint16(langcode);
    program.globals().dbpath = program.context().apppath() + QStringLiteral("en_data1.mdb");
    Screen* screen = program.screens().show(ScreenId::Database);
    screen->findChild<QPushButton*>("Command10")->click();
    auto* level = screen->findChild<QLineEdit*>("Text2");
    level->setText(QString());
    emit level->textEdited(QString()); // as if the teacher had deleted it
    screen->findChild<QPushButton*>("Command7")->click();
    shootWithLastMessage(camera, screen, "refused-level");
}

void missingDatabase(Camera& camera, int langcode) {
    Program& program = camera.program();
    QFile::remove(program.context().apppath() + QStringLiteral("en_data1.mdb"));
    program.globals().langcode = qint16(langcode);
    Screen* hub = program.screens().show(ScreenId::Hub);
    camera.shoot(hub, "missing-database");
}

} // namespace

static Register refusedHungarian("database-refused-hu",
                                 [](Camera& camera) { refusedEdit(camera, LangCode::Hungarian); });

static Register missingHungarian("hub-missing-hu", [](Camera& camera) { missingDatabase(camera, LangCode::Hungarian); });

} // namespace lexora::shots
