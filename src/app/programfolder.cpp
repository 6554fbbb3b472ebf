// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#ifndef LEXORA_SHIPPED_FROM_BINDIR
#define LEXORA_SHIPPED_FROM_BINDIR "../share/lexora"
#endif

namespace lexora {

namespace {

bool anyShippedDatabaseIn(const QString& dir) {
    for (const QString& file : shippedDatabases())
        if (QFileInfo::exists(QDir(dir).filePath(file)))
            return true;
    return false;
}

// Data written but still in the system's buffers would be lost with a crash right after
// the rename, leaving a whole-looking but empty copy.
bool syncToDisk(QFile& file) {
    if (!file.flush())
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return true;
#endif
}

} // namespace

const QStringList& shippedDatabases() {
    static const QStringList names = {QStringLiteral("en_data1.mdb"), QStringLiteral("enpool1d.mdb"),
                                      QStringLiteral("en_data2.mdb"), QStringLiteral("en_data3.mdb")};
    return names;
}

ProgramFolder::Places ProgramFolder::placesFor(const QString& executableDir) {
    Places places;
    places.executableDir = executableDir;
    places.shippedDir = QDir::cleanPath(QDir(executableDir).filePath(QStringLiteral(LEXORA_SHIPPED_FROM_BINDIR)));
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!dataHome.isEmpty())
        places.userDir = QDir(dataHome).filePath(QStringLiteral("lexora"));
    return places;
}

ProgramFolder ProgramFolder::prepare(const Places& places) {
    ProgramFolder folder;
    if (anyShippedDatabaseIn(places.executableDir)) {
        folder.dir = places.executableDir;
        return folder;
    }
    folder.layout = Layout::Installed;
    folder.dir = places.userDir;
    folder.shippedDir = places.shippedDir;
    const auto failAll = [&folder, &places](const QString& reason) {
        for (const QString& file : shippedDatabases())
            if (folder.dir.isEmpty() || !QFileInfo::exists(QDir(folder.dir).filePath(file)))
                folder.failures.push_back({file, places.shippedDir, reason});
    };
    if (places.userDir.isEmpty()) {
        failAll(QStringLiteral("the system names no data folder for this user"));
        return folder;
    }
    if (!QDir().mkpath(places.userDir)) {
        failAll(QStringLiteral("the folder cannot be made"));
        return folder;
    }
    const QDir user(places.userDir);
    const QDir shipped(places.shippedDir);
    for (const QString& file : shippedDatabases()) {
        // exists() follows links; a dangling link is the user's own file all the same.
        const QFileInfo target(user.filePath(file));
        if (target.exists() || target.isSymLink())
            continue;
        const QString reason = copyIntoPlace(shipped.filePath(file), target.filePath());
        if (reason.isEmpty())
            folder.copied << file;
        else
            folder.failures.push_back({file, places.shippedDir, reason});
    }
    return folder;
}

const ProgramFolder::CopyFailure* ProgramFolder::failureFor(const QString& file) const {
    for (const CopyFailure& failure : failures)
        if (failure.file == file)
            return &failure;
    return nullptr;
}

QString copyIntoPlace(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    // Named after the target, hidden, and removed by its destructor unless renamed.
    const QFileInfo info(target);
    QTemporaryFile out(info.dir().filePath(QStringLiteral(".") + info.fileName() + QStringLiteral(".XXXXXX")));
    if (!out.open())
        return out.errorString();
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0)
            return in.errorString();
        if (got == 0)
            break;
        if (out.write(buffer, got) != got)
            return out.errorString();
    }
    if (!syncToDisk(out))
        return out.errorString().isEmpty() ? QStringLiteral("the copy could not be written to disk")
                                           : out.errorString();
    // The temporary file is made for its owner only; the copy is the user's own file.
    out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // Renaming never replaces: a copy another start made meanwhile is kept as it is.
    if (!out.rename(target))
        return QFileInfo::exists(target) ? QString() : out.errorString();
    // Renamed, it is still removed with the object unless told otherwise.
    out.setAutoRemove(false);
    return QString();
}

} // namespace lexora
