// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/foldermemory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace lexora {

QString FolderMemory::defaultFile() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return config.isEmpty() ? QString() : QDir(config).filePath(QStringLiteral("lexora/last-folder"));
}

QString FolderMemory::folder() const {
    QFile file(m_file);
    if (!m_file.isEmpty() && file.open(QIODevice::ReadOnly)) {
        // A folder name, not a document: a line of at most a few thousand characters.
        const QString remembered = QString::fromUtf8(file.read(8192)).trimmed();
        if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
            return remembered;
    }
    return QDir::homePath();
}

void FolderMemory::remember(const QString& chosenFile) {
    if (chosenFile.isEmpty() || m_file.isEmpty())
        return;
    const QString folder = QFileInfo(chosenFile).absolutePath();
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    QSaveFile file(m_file);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(folder.toUtf8() + '\n');
    file.commit();
}

} // namespace lexora
