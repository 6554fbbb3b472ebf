// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/progressrecorder.h"

#include "app/appcontext.h"
#include "text/captions.h"
#include "text/translated.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QWidget>

namespace lexora {

namespace {

const Translated kReadOnly{"The progress file cannot be written: %1", "A haladási fájl nem írható: %1",
                           "No se puede escribir en el archivo de progreso: %1",
                           "Le fichier de progression ne peut pas être modifié\u00a0: %1"};
const Translated kBusy{"Another program is holding the progress file locked: %1",
                       "Egy másik program zárolja a haladási fájlt: %1",
                       "Otro programa tiene bloqueado el archivo de progreso: %1",
                       "Un autre programme bloque le fichier de progression\u00a0: %1"};
const Translated kFolderMissing{"The folder of the progress file does not exist: %1",
                                "A haladási fájl mappája nem létezik: %1",
                                "La carpeta del archivo de progreso no existe: %1",
                                "Le dossier du fichier de progression n'existe pas\u00a0: %1"};
const Translated kFailed{"The progress file could not be written: %1", "Nem sikerült írni a haladási fájlba: %1",
                         "No se ha podido escribir en el archivo de progreso: %1",
                         "Impossible d'écrire dans le fichier de progression\u00a0: %1"};
const Translated kDamaged{"The progress file is damaged: %1", "A haladási fájl megsérült: %1",
                          "El archivo de progreso está dañado: %1",
                          "Le fichier de progression est endommagé\u00a0: %1"};
const Translated kGoesOn{"You can go on; your answers are not recorded until the program is started again.",
                         "A munka folytatható, de a program a következő indításáig nem menti a válaszokat.",
                         "Puede continuar, pero sus respuestas no se guardarán hasta que vuelva a iniciar el "
                         "programa.",
                         "Vous pouvez continuer, mais vos réponses ne seront pas enregistrées avant le prochain "
                         "démarrage du programme."};
const Translated kSetAside{"The progress file was damaged. It has been kept as %1 and a new progress file has been "
                           "started.",
                           "A haladási fájl megsérült. A program megőrizte %1 néven, és új haladási fájlt kezdett.",
                           "El archivo de progreso estaba dañado. Se ha conservado como %1 y se ha empezado uno "
                           "nuevo.",
                           "Le fichier de progression était endommagé. Il a été conservé sous le nom %1 et un "
                           "nouveau fichier a été créé."};

} // namespace

std::optional<Answer> FirstAnswer::take(const QString& choice, bool right, AnswerPlace place, const QDateTime& at,
                                        AnswerMode mode, const QString& typed) {
    if (!m_item || m_taken)
        return std::nullopt;
    m_taken = true;
    const double seconds = std::max<qint64>(0, m_shownAt.msecsTo(at)) / 1000.0;
    return Answer{at, *m_item, choice, right, place, seconds, mode, typed};
}

ProgressRecorder::ProgressRecorder(AppContext& context) : m_ctx(context), m_store(context.programDir) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &ProgressRecorder::flush);
}

void ProgressRecorder::record(QWidget* parent, const QString& title, const Answer& answer) {
    if (!m_recording)
        return;
    m_queue.push_back({parent, title, answer});
    m_timer.start();
}

void ProgressRecorder::flush() {
    // What the answer showed is painted before anything is written.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    while (!m_queue.empty()) {
        const Pending next = m_queue.front();
        m_queue.pop_front();
        write(next);
    }
}

void ProgressRecorder::write(const Pending& pending) {
    if (!m_recording)
        return;
    try {
        m_store.record(pending.answer);
        return;
    } catch (const ProgressError& error) {
        if (error.kind() != ProgressError::Kind::Damaged) {
            m_recording = false;
            m_queue.clear();
            tell(pending, describe(error) + QLatin1Char('\n') + kGoesOn.in(m_ctx.globals.langcode.value_or(LangCode::English)));
            return;
        }
    }
    // A damaged file is kept aside and the answer goes into a new one.
    try {
        const QString told = setAside();
        m_store.record(pending.answer);
        tell(pending, told);
    } catch (const ProgressError& error) {
        m_recording = false;
        m_queue.clear();
        tell(pending, describe(error) + QLatin1Char('\n') + kGoesOn.in(m_ctx.globals.langcode.value_or(LangCode::English)));
    }
}

QString ProgressRecorder::setAside() {
    const QString kept = m_store.setAside(m_ctx.platform.now().toLocalTime().date());
    return kSetAside.in(m_ctx.globals.langcode.value_or(LangCode::English))
        .arg(QDir::toNativeSeparators(kept.isEmpty() ? m_store.path() : kept));
}

void ProgressRecorder::tell(const Pending& pending, const QString& text) {
    m_ctx.platform.message(pending.parent, text, pending.title, MessageIcon::Exclamation);
}

QString ProgressRecorder::describe(const ProgressError& error) const {
    const int lang = m_ctx.globals.langcode.value_or(LangCode::English);
    const QString path = QDir::toNativeSeparators(error.path());
    switch (error.kind()) {
    case ProgressError::Kind::ReadOnly:
        return kReadOnly.in(lang).arg(path);
    case ProgressError::Kind::Busy:
        return kBusy.in(lang).arg(path);
    case ProgressError::Kind::FolderMissing:
        return kFolderMissing.in(lang).arg(path);
    case ProgressError::Kind::Damaged:
        return kDamaged.in(lang).arg(path);
    default:
        return kFailed.in(lang).arg(path);
    }
}

} // namespace lexora
