// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures of question-file export and import on a database of 32,767 generated items:
// each format written from the full database, and read into a database with --replace.
// Beside the wall-clock times, the processor time of one more run of each, which a busy
// machine does not inflate.

#include "benchsupport.h"

#include "exchange/itemexchange.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <ctime>

using namespace lexora;
using namespace lexora::bench;

namespace {

void processorTime(const QString& what, const std::function<void()>& body) {
    const std::clock_t start = std::clock();
    body();
    const double ms = 1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC;
    QTextStream(stdout) << QStringLiteral("%1: %2 ms of processor time (target 2000 ms)\n").arg(what, -46).arg(ms, 0, 'f', 1);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString source = dir.filePath("en_data1.mdb");
    makeLargeDatabase(source);
    const QString target = dir.filePath("target.mdb");
    makeLargeDatabase(target, 10);

    for (ExchangeFormat format : {ExchangeFormat::Gift, ExchangeFormat::Aiken, ExchangeFormat::MoodleXml}) {
        const QString name = exchangeFormatName(format);
        const QString file = dir.filePath("items." + exchangeFormatSuffix(format));
        const auto exportAll = [&] { ItemExchange::exportItems(source, file, format, 116); };
        int imported = 0;
        // An Aiken file names no topic: its questions go to the first topic, level 1.
        const auto importAll = [&] { imported = ItemExchange::importItems(file, target, format, true, {0, 1}).imported; };
        measure("export 32,767 items as " + name, 2000, 5, exportAll);
        processorTime("export 32,767 items as " + name, exportAll);
        measure("import 32,767 items from " + name + " (replace)", 2000, 5, importAll);
        processorTime("import 32,767 items from " + name + " (replace)", importAll);
        QTextStream(stdout) << "  " << name << ": " << QFileInfo(file).size() / 1024 << " KB, " << imported
                            << " items imported\n";
    }
    QTextStream(stdout) << "peak memory " << peakMemoryMb() << " MB\n";
    return 0;
}
