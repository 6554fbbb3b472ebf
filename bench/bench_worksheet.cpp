// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures of the worksheet: choosing the items and writing the PDF, on a database of 32,767 generated items.

#include "benchsupport.h"

#include "worksheet/worksheet.h"
#include "worksheet/worksheetwriter.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

using namespace lexora;
using namespace lexora::bench;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString database = dir.filePath("en_data1.mdb");
    makeLargeDatabase(database);
    const QString pdf = dir.filePath("worksheet.pdf");

    WorksheetRequest walk;
    walk.count = 200;
    measure("worksheet of 200 items in sequence order (choose, lay out, write PDF)", 2000, 5,
            [&] { WorksheetWriter(makeWorksheet(database, walk)).writePdf(pdf); });

    WorksheetRequest drawn = walk;
    drawn.seed = 7;
    measure("worksheet of 200 items drawn at random", 2000, 5,
            [&] { WorksheetWriter(makeWorksheet(database, drawn)).writePdf(pdf); });

    WorksheetRequest topic = walk;
    topic.topic = 0;
    measure("worksheet of 200 items of topic 0", 2000, 5,
            [&] { WorksheetWriter(makeWorksheet(database, topic)).writePdf(pdf); });

    QTextStream(stdout) << QString("last PDF: %1 KB; peak memory: %2 MB\n")
                               .arg(QFileInfo(pdf).size() / 1024)
                               .arg(peakMemoryMb(), 0, 'f', 1);
    return 0;
}
