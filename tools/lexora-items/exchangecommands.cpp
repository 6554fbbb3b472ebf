// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console.h"
#include "text/messages.h"
#include "exchangecommands.h"

#include "data/storeerror.h"
#include "exchange/itemexchange.h"
#include "data/topics.h"
#include "text/captions.h"

#include <QTextStream>

#include <optional>

namespace lexora {

namespace {

using console::err;
using console::out;

// The options and the two paths of an exchange command.
struct Arguments {
    ExchangeFormat format = ExchangeFormat::Gift;
    int langcode = LangCode::English;
    bool replace = false;
    TopicChoice choice;
    QStringList paths;
};

// A whole number from `low` to `high`, or nothing.
std::optional<int> numberIn(const QString& text, int low, int high) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= low && n <= high ? std::optional<int>(n) : std::nullopt;
}

std::optional<Arguments> parse(QStringList args, bool exporting) {
    Arguments parsed;
    bool haveFormat = false;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == "--format" && !args.isEmpty()) {
            const std::optional<ExchangeFormat> format = exchangeFormatNamed(args.takeFirst());
            if (!format)
                return std::nullopt;
            parsed.format = *format;
            haveFormat = true;
        } else if (arg == "--lang" && exporting && !args.isEmpty()) {
            const QString lang = args.takeFirst();
            const QStringList names{"en", "hu", "es", "fr"};
            const int index = int(names.indexOf(lang));
            if (index < 0)
                return std::nullopt;
            const int codes[] = {LangCode::English, LangCode::Hungarian, LangCode::Spanish, LangCode::French};
            parsed.langcode = codes[index];
        } else if (arg == "--replace" && !exporting) {
            parsed.replace = true;
        } else if (arg == "--topic" && !exporting && !args.isEmpty()) {
            parsed.choice.topic = numberIn(args.takeFirst(), 0, TopicCatalogue::count - 1);
            if (!parsed.choice.topic)
                return std::nullopt;
        } else if (arg == "--feedback-lang" && !exporting && !args.isEmpty()) {
            const std::optional<FeedbackLanguage> language = feedbackLanguageNamed(args.takeFirst());
            if (!language)
                return std::nullopt;
            parsed.choice.feedback = *language;
        } else if (arg == "--level" && !exporting && !args.isEmpty()) {
            parsed.choice.level = numberIn(args.takeFirst(), 1, 3);
            if (!parsed.choice.level)
                return std::nullopt;
        } else if (arg.startsWith("--")) {
            return std::nullopt;
        } else {
            parsed.paths << arg;
        }
    }
    if (!haveFormat || parsed.paths.size() != 2)
        return std::nullopt;
    return parsed;
}

int usage() {
    err() << "usage:\n" << exchangeUsage();
    return 2;
}

void report(const QString& file, const std::vector<ExchangeNote>& notes, const QString& kind) {
    for (const ExchangeNote& note : notes)
        err() << file << ':' << note.line << ": " << kind << ": " << note.text << '\n';
}

} // namespace

const char* exchangeUsage() {
    return "  lexora-items export --format gift|aiken|moodle-xml [--lang en|hu|es|fr] DATABASE OUT\n"
           "                                            write the items as a question file\n"
           "  lexora-items import --format gift|aiken|moodle-xml [--replace] [--level N] [--topic K]\n"
           "                      [--feedback-lang auto|en|hu] IN DATABASE\n"
           "                                            add (or with --replace: put in place of the items)\n"
           "                                            the questions of a file to an existing database;\n"
           "                                            those whose category names no topic get topic K\n"
           "                                            (the Topic menu's entry, 0 to 22) and level N (1 to 3)\n"
           "                                            where it names none, or are skipped without --topic;\n"
           "                                            feedback becomes the reasons and the notes on wrong\n"
           "                                            answers, in the language given or (auto) the one each\n"
           "                                            text is written in\n";
}

int exportQuestions(QStringList args) {
    const std::optional<Arguments> a = parse(args, true);
    if (!a)
        return usage();
    try {
        const ExportSummary summary = ItemExchange::exportItems(a->paths[0], a->paths[1], a->format, a->langcode);
        for (const ExchangeNote& note : summary.skipped)
            err() << a->paths[0] << ": item " << note.line << " skipped: " << note.text << '\n';
        for (const ExchangeNote& note : summary.unsafe)
            err() << a->paths[0] << ": item " << note.line << " left out of the file: " << note.text << '\n';
        for (const ExchangeNote& note : summary.unwritable)
            err() << a->paths[0] << ": item " << note.line << " left out of the file: " << note.text << '\n';
        out() << a->paths[1] << ": " << summary.written << " questions written\n";
        return 0;
    } catch (const ExchangeError& e) {
        err() << e.message() << '\n';
    } catch (const StoreError& e) {
        err() << Messages::english(e) << '\n';
    }
    return 1;
}

int importQuestions(QStringList args) {
    const std::optional<Arguments> a = parse(args, false);
    if (!a)
        return usage();
    const QString& file = a->paths[0];
    const QString& database = a->paths[1];
    try {
        const ImportSummary summary = ItemExchange::importItems(file, database, a->format, a->replace, a->choice);
        report(file, summary.skipped, QStringLiteral("skipped"));
        report(file, summary.duplicates, QStringLiteral("already held"));
        report(file, summary.notes, QStringLiteral("note"));
        out() << database << ": " << summary.imported << " items " << (summary.replaced ? "put in place" : "added");
        if (summary.imported > 0)
            out() << " as numbers " << summary.firstNumber << " to " << summary.lastNumber;
        out() << ", " << summary.skipped.size() << " questions skipped, " << summary.duplicates.size()
              << " already in the database\n";
        out() << database << ": " << summary.reasons.total() << " reasons (" << summary.reasons.english << " English, "
              << summary.reasons.hungarian << " Hungarian) and " << summary.answerNotes.total()
              << " notes on wrong answers (" << summary.answerNotes.english << " English, "
              << summary.answerNotes.hungarian << " Hungarian) taken\n";
        return 0;
    } catch (const ExchangeError& e) {
        err() << e.message() << '\n';
    } catch (const StoreError& e) {
        err() << Messages::english(e) << '\n';
    }
    err() << database << ": nothing was written\n";
    return 1;
}

} // namespace lexora
