// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheetcommand.h"
#include "text/messages.h"

#include "console.h"

#include "data/storeerror.h"
#include "text/captions.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheetwriter.h"

#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

#include <map>
#include <stdexcept>

using namespace lexora;

namespace {

int worksheetUsage(const QString& problem) {
    console::err() << "lexora-items worksheet: " << problem << "\n"
             << "usage: lexora-items worksheet [--level N] [--topic K] [--from SORREND2] [--count N] [--seed S]\n"
                "                             [--lang en|hu|es|fr] [--explain] DATABASE OUT.pdf\n"
                "  --level N      items of level 1, 2 or 3\n"
                "  --topic K      items of a topic: the Topic menu's entry K, counted from 0 (0 to 22)\n"
                "  --from N       starting point: items whose sorrend2 lies above N\n"
                "  --count N      how many items (default 20, at most 1000)\n"
                "  --seed S       draw the items at random from the selection; the same S gives the same sheet\n"
                "  --lang L       language of the headings (default en)\n"
                "  --explain      each item's reason under its line of the answer key (in Hungarian for\n"
                "                 --lang hu, in English otherwise)\n";
    return 2;
}

// A whole number option; throws std::invalid_argument naming the option.
qint64 wholeNumber(const QString& option, const QString& text) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok)
        throw std::invalid_argument(
            QStringLiteral("%1 needs a whole number, not \"%2\"").arg(option, text).toStdString());
    return value;
}

int toInt(const QString& option, const QString& text) {
    const qint64 value = wholeNumber(option, text);
    if (value < -2147483647 || value > 2147483647)
        throw std::invalid_argument(QStringLiteral("%1 is out of range: %2").arg(option, text).toStdString());
    return int(value);
}

struct Parsed {
    WorksheetRequest request;
    QString database;
    QString output;
};

Parsed parse(QStringList args) {
    static const std::map<QString, int> languages = {
        {"en", LangCode::English}, {"hu", LangCode::Hungarian}, {"es", LangCode::Spanish}, {"fr", LangCode::French}};
    Parsed parsed;
    QStringList files;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (!arg.startsWith(QLatin1String("--")) || arg == QLatin1String("--")) {
            files << arg;
            continue;
        }
        if (arg == "--explain") { // the one option without a value
            parsed.request.explain = true;
            continue;
        }
        if (args.isEmpty())
            throw std::invalid_argument(QStringLiteral("%1 needs a value").arg(arg).toStdString());
        const QString value = args.takeFirst();
        WorksheetRequest& r = parsed.request;
        if (arg == "--level")
            r.level = toInt(arg, value);
        else if (arg == "--topic")
            r.topic = toInt(arg, value);
        else if (arg == "--from")
            r.from = toInt(arg, value);
        else if (arg == "--count")
            r.count = toInt(arg, value);
        else if (arg == "--seed") {
            const qint64 seed = wholeNumber(arg, value);
            if (seed < 0 || seed > 0xFFFFFFFFll)
                throw std::invalid_argument("--seed must be from 0 to 4294967295");
            r.seed = quint32(seed);
        } else if (arg == "--lang") {
            const auto language = languages.find(value);
            if (language == languages.end())
                throw std::invalid_argument("--lang must be en, hu, es or fr");
            r.langcode = language->second;
        } else
            throw std::invalid_argument(QStringLiteral("unknown option %1").arg(arg).toStdString());
    }
    if (files.size() != 2)
        throw std::invalid_argument("give the item database and the PDF file to write");
    parsed.database = files[0];
    parsed.output = files[1];
    return parsed;
}

} // namespace

int worksheetCommand(int argc, char** argv) {
    // Fonts need a GUI application; without a display the offscreen platform serves.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Parsed parsed;
    try {
        parsed = parse(app.arguments().mid(2));
    } catch (const std::invalid_argument& e) {
        return worksheetUsage(QString::fromStdString(e.what()));
    }
    try {
        const Worksheet sheet = makeWorksheet(parsed.database, parsed.request);
        if (sheet.items.empty()) {
            console::err() << parsed.database << ": no item matches (" << sheet.subject << "); nothing written\n";
            return 1;
        }
        const int pages = WorksheetWriter(sheet).writePdf(parsed.output);
        console::out() << parsed.output << ": " << sheet.items.size() << " items, " << pages << " pages\n";
        if (int(sheet.items.size()) < parsed.request.count)
            console::err() << "only " << sheet.items.size() << " items match; the sheet has all of them\n";
        return 0;
    } catch (const StoreError& e) {
        console::err() << Messages::english(e) << '\n';
    } catch (const std::invalid_argument& e) {
        return worksheetUsage(QString::fromStdString(e.what()));
    } catch (const std::exception& e) {
        console::err() << e.what() << '\n';
    }
    return 1;
}
