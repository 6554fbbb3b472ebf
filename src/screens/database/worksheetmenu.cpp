// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/database/worksheetmenu.h"

#include "app/appcontext.h"
#include "data/topics.h"
#include "screens/database/databasetexts.h"
#include "text/captions.h"
#include "text/translated.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheettexts.h"
#include "worksheet/worksheetwriter.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <iterator>

#include <optional>
#include <stdexcept>

namespace lexora {

namespace {

constexpr int kLanguages[] = {LangCode::English, LangCode::Hungarian, LangCode::Spanish, LangCode::French};

// What the teacher is told once the sheet is in its file.
const Translated kSaved{"The worksheet was saved as %1.", u8"A feladatlap mentve: %1.",
                        u8"La hoja de ejercicios se ha guardado como %1.",
                        u8"La feuille d'exercices a été enregistrée sous %1."};
const Translated kAllTopics{"All topics", u8"Minden téma", u8"Todos los temas", u8"Tous les sujets"};

QStringList levelChoices(int langcode) {
    QStringList choices{worksheettext::allLevels.in(langcode)};
    for (int level = 1; level <= 3; ++level)
        choices << worksheettext::level.in(langcode).arg(level);
    return choices;
}

QStringList topicChoices(int langcode) {
    QStringList choices{kAllTopics.in(langcode)};
    for (int n = 0; n < TopicCatalogue::count; ++n)
        choices << CaptionCatalogue::caption(TopicCatalogue::topic(n).captionKey, langcode).remove(QLatin1Char('&'));
    return choices;
}

// The choice of the item's own topic, or every topic when its keys name none.
int initialTopic(const QString& kulcs1, const QString& kulcs2) {
    const std::optional<int> key = TopicCatalogue::nameKey(kulcs1, kulcs2);
    for (int n = 0; key && n < TopicCatalogue::count; ++n)
        if (TopicCatalogue::topic(n).captionKey == *key)
            return n + 1;
    return 0;
}

WorksheetRequest requestFor(const WorksheetDialogAnswer& answer) {
    WorksheetRequest request;
    request.count = answer.count;
    if (answer.level >= 1 && answer.level <= 3)
        request.level = answer.level;
    if (answer.topic >= 1 && answer.topic <= TopicCatalogue::count)
        request.topic = answer.topic - 1;
    if (answer.language >= 0 && answer.language < int(std::size(kLanguages)))
        request.langcode = kLanguages[answer.language];
    request.explain = answer.explain;
    return request;
}

} // namespace

void printWorksheet(AppContext& context, QWidget* window, const QString& title, const QString& kulcs1,
                    const QString& kulcs2) {
    using namespace databasetext;
    const int lang = context.globals.langcode.value_or(LangCode::English);
    WorksheetDialogSetup setup;
    setup.title = worksheetTitle.in(lang);
    setup.countLabel = countLabel.in(lang);
    setup.levelLabel = context.caption(61);
    setup.topicLabel = context.caption(62);
    setup.languageLabel = languageLabel.in(lang);
    setup.explainLabel = explainLabel.in(lang);
    setup.saveButton = saveButton.in(lang);
    setup.printButton = printButton.in(lang);
    setup.cancelButton = cancelButton.in(lang);
    setup.levels = levelChoices(lang);
    setup.topics = topicChoices(lang);
    setup.languages = {QStringLiteral("English"), QStringLiteral("Magyar"), QStringLiteral("Español"),
                       QStringLiteral("Français")};
    setup.topic = initialTopic(kulcs1, kulcs2);
    for (int i = 0; i < int(std::size(kLanguages)); ++i)
        if (kLanguages[i] == lang)
            setup.language = i;

    Platform& platform = context.platform;
    const std::optional<WorksheetDialogAnswer> answer = platform.chooseWorksheet(window, setup);
    if (!answer)
        return;
    WorksheetRequest request = requestFor(*answer);
    request.count = std::clamp(request.count, 1, kMaxWorksheetItems);
    // The reasons as Practice finds them: a learner's copy made before reasons existed is
    // explained from the installed bank.
    Explanations& explanations = context.explanations;
    const Worksheet sheet =
        makeWorksheet(context.globals.dbpath, request, [&explanations](const ReasonTable& own, const QString& fingerprint) {
            return explanations.find(own, fingerprint);
        });
    if (sheet.items.empty()) {
        platform.message(window, noItems.in(lang), title, MessageIcon::Exclamation);
        return;
    }
    const WorksheetWriter writer(sheet);
    try {
        if (answer->print) {
            platform.print(window, setup.title, [&writer](QPagedPaintDevice& device) { writer.paint(device); });
            return;
        }
        QString path = platform.saveFileName(window, setup.title, pdfFilter.in(lang), suggestedFile.in(lang));
        if (path.isEmpty())
            return;
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".pdf");
        writer.writePdf(path);
        platform.message(window, kSaved.in(lang).arg(QDir::toNativeSeparators(path)), title, MessageIcon::Information);
    } catch (const WorksheetError& e) {
        platform.message(window, notWritten.in(lang).arg(e.in(lang)), title, MessageIcon::Exclamation);
    }
}

} // namespace lexora
