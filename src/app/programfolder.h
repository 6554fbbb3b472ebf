// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace lexora {

// The file names of the item databases the program ships.
const QStringList& shippedDatabases();

// Where the item database files of a run live, decided once at start.
//
// Portable layout: the shipped databases stand beside the executable (a build folder, a
// folder copied whole). That folder is the program folder, exactly as it is.
//
// Installed layout: none stands beside the executable, which sits in a system folder that
// the learner cannot (and must not) write. The program folder is then the user's own data
// folder; each shipped database missing there is first copied from the installed data
// folder, so every user works on copies of their own. A file already there is never touched.
struct ProgramFolder {
    enum class Layout { Portable, Installed };

    // The folders one start looks at.
    struct Places {
        QString executableDir;
        QString shippedDir; // installed, read-only copies of the shipped databases
        QString userDir;    // the user's data folder
    };

    struct CopyFailure {
        QString file;   // file name, e.g. "en_data1.mdb"
        QString from;   // the folder it was to be copied from
        QString reason; // what went wrong, as the system told it
    };

    Layout layout = Layout::Portable;
    QString dir;        // the folder whose item files the run uses
    QString shippedDir; // where the shipped copies come from (installed layout)
    QStringList copied; // files copied in at this start
    std::vector<CopyFailure> failures;

    // The places for an executable in `executableDir`: the shipped databases where the
    // install rules put them relative to the executable (so any install prefix works, and
    // a package unpacked anywhere), the user's folder from the platform's data location.
    static Places placesFor(const QString& executableDir);
    // Decides the layout and, for the installed one, copies in what is missing.
    static ProgramFolder prepare(const Places& places);

    // The failure met copying `file` at this start, if any.
    const CopyFailure* failureFor(const QString& file) const;
};

// Copies `source` to `target` through a temporary file beside `target` that is renamed
// into place at the end, so `target` appears whole or not at all, and an existing
// `target` is never replaced. Returns the reason of a failure, or an empty text.
QString copyIntoPlace(const QString& source, const QString& target);

} // namespace lexora
