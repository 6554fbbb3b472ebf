// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace lexora::fuzz {

void failure(const char* check, const char* file, int line, const QString& detail) {
    std::fprintf(stderr, "\n==FUZZ CHECK FAILED== %s:%d: %s\n  %s\n", file, line, check, qPrintable(detail));
    std::fflush(stderr);
    std::abort();
}

QString scratchFolder() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/lexora-fuzz-XXXXXX"));
    FUZZ_CHECK(dir.isValid(), QStringLiteral("no temporary folder"));
    return dir.path();
}

void writeDatabaseFile(const QString& path, const uint8_t* bytes, size_t size) {
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate), path);
    FUZZ_CHECK(file.write(reinterpret_cast<const char*>(bytes), qint64(size)) == qint64(size), path);
}

QString rowText(const ItemView& view) {
    QStringList cells;
    for (const FieldDef& field : view.table().fields) {
        const QVariant value = view.field(field.name);
        cells << (value.isNull() ? QStringLiteral("<null>") : value.toString());
    }
    const QString first = view.text(view.table().fields.front().name);
    FUZZ_CHECK(first.isEmpty() ? cells.front() == QLatin1String("<null>") || cells.front().isEmpty()
                               : first == cells.front(),
               QStringLiteral("a field reads differently as value and as text"));
    return cells.join(QChar(0x1f));
}

QStringList walkForward(ItemView& view, int every) {
    QStringList rows;
    if (view.count() == 0)
        return rows;
    view.moveFirst();
    while (!view.eof()) {
        FUZZ_CHECK(rows.size() < view.count(), QStringLiteral("a forward walk runs past the last row"));
        FUZZ_CHECK(view.position() == rows.size(), QStringLiteral("a forward walk skips a row"));
        rows << (rows.size() % every == 0 ? rowText(view) : QString());
        view.moveNext();
    }
    return rows;
}

QStringList walkBackward(ItemView& view, int every) {
    QStringList rows;
    if (view.count() == 0)
        return rows;
    view.moveLast();
    while (!view.bof()) {
        FUZZ_CHECK(rows.size() < view.count(), QStringLiteral("a backward walk runs past the first row"));
        FUZZ_CHECK(view.position() == view.count() - 1 - rows.size(), QStringLiteral("a backward walk skips a row"));
        rows.prepend(view.position() % every == 0 ? rowText(view) : QString());
        view.movePrevious();
    }
    return rows;
}

} // namespace lexora::fuzz
