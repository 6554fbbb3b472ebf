// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programfixture.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

namespace lexora::testing {

namespace {

std::unique_ptr<Program> makeProgram(TempDatabase& db, ScriptedPlatform*& platform,
                                     std::unique_ptr<ScriptedPlatform> scripted = nullptr) {
    if (!scripted)
        scripted = std::make_unique<ScriptedPlatform>();
    platform = scripted.get();
    QString dir = db.dir();
    dir.chop(1);
    return std::make_unique<Program>(dir, std::move(scripted));
}

} // namespace

ProgramFixture::ProgramFixture(const QString& fixture)
    : m_database(std::make_unique<TempDatabase>(fixture)), m_program(makeProgram(*m_database, m_platform)) {}

ProgramFixture::ProgramFixture(const std::vector<QStringList>& items)
    : m_database(std::make_unique<TempDatabase>(items)), m_program(makeProgram(*m_database, m_platform)) {}

ProgramFixture::~ProgramFixture() {
    m_program.reset();
    settle();
}

void ProgramFixture::restart(std::unique_ptr<ScriptedPlatform> platform) {
    m_program.reset();
    settle();
    m_program = makeProgram(*m_database, m_platform, std::move(platform));
}

void ProgramFixture::prepare(int langcode) {
    globals().langcode = qint16(langcode);
    globals().dbpath = m_database->path();
}

void ProgramFixture::startToHub(const char* languageButton) {
    m_program->start();
    child<QPushButton>(ScreenId::Lang, languageButton)->click();
    fireTimer(ScreenId::About, QStringLiteral("Timer1"));
    settle();
}

void ProgramFixture::fireTimer(ScreenId id, const QString& name) {
    QTimer* timer = child<QTimer>(id, name);
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}

void ProgramFixture::settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace lexora::testing
