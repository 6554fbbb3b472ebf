// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/database/itemexchangemenu.h"

#include "text/messages.h"
#include "app/appcontext.h"
#include "app/window.h"
#include "data/storeerror.h"
#include "data/topics.h"
#include "exchange/categorypath.h"
#include "exchange/itemexchange.h"
#include "text/captions.h"
#include "text/translated.h"

#include <QFileInfo>
#include <QMenu>

namespace lexora {

namespace {

const Translated kExportEntry{"Export items...", u8"Mondatok exportálása...", u8"Exportar oraciones...",
                              u8"Exporter les fiches..."};
const Translated kImportEntry{"Import items...", u8"Mondatok importálása...", u8"Importar oraciones...",
                              u8"Importer des fiches..."};
const Translated kFormatPrompt{"Format of the question file:", u8"A kérdésfájl formátuma:",
                               u8"Formato del archivo de preguntas:", u8"Format du fichier de questions\u00a0:"};
const Translated kExportFileTitle{"Export items to", u8"Mondatok exportálása ide", u8"Exportar oraciones a",
                                  u8"Exporter les fiches vers"};
const Translated kImportFileTitle{"Import items from", u8"Mondatok importálása innen", u8"Importar oraciones de",
                                  u8"Importer des fiches depuis"};
const Translated kReplacePrompt{"What should happen to the items of the database?",
                                u8"Mi legyen az adatbázis mondataival?",
                                u8"¿Qué debe pasar con las oraciones de la base de datos?",
                                u8"Que faire des fiches de la base de données\u00a0?"};
const Translated kAddChoice{"Keep them and add the imported items after them",
                            u8"Maradjanak meg, az importált mondatok utánuk kerüljenek",
                            u8"Conservarlas y añadir las importadas detrás",
                            u8"Les garder et ajouter les fiches importées après elles"};
const Translated kReplaceChoice{"Replace them with the imported items", u8"Az importált mondatok lépjenek a helyükre",
                                u8"Sustituirlas por las importadas", u8"Les remplacer par les fiches importées"};
const Translated kTopicPrompt{
    "Questions in the file whose category names no topic: %1. Which topic should they go under? If you choose none, "
    "they are left out.",
    u8"A fájlban %1 olyan kérdés van, amelynek a kategóriája nem nevez meg témát. Melyik témába kerüljenek? Ha nem "
    u8"választ, kimaradnak.",
    u8"Preguntas del archivo en una categoría que no indica ningún tema: %1. ¿A qué tema deben pertenecer? Si no "
    u8"elige ninguno, se omitirán.",
    u8"Questions du fichier dans une catégorie qui ne nomme aucun sujet\u00a0: %1. Quel sujet leur attribuer\u00a0? "
    u8"Si vous n'en choisissez aucun, elles seront ignorées."};
const Translated kLevelPrompt{
    "Which level should the questions put under \"%1\" have? If you choose none, they are left out.",
    u8"Melyik szintre kerüljenek a(z) \u201e%1\u201d témába sorolt kérdések? Ha nem választ, kimaradnak.",
    u8"¿Qué nivel deben tener las preguntas que pasan al tema «%1»? Si no elige ninguno, se omitirán.",
    u8"Quel niveau attribuer aux questions placées dans le sujet «\u00a0%1\u00a0»\u00a0? Si vous n'en choisissez "
    u8"aucun, elles seront ignorées."};
const Translated kFeedbackPrompt{
    "In which language are the explanations (feedback) of the file's questions written?",
    u8"Milyen nyelven íródtak a fájl kérdéseinek magyarázatai (visszajelzései)?",
    u8"¿En qué idioma están escritas las explicaciones (retroalimentación) de las preguntas del archivo?",
    u8"Dans quelle langue sont écrites les explications (rétroactions) des questions du fichier\u00a0?"};
const Translated kFromEachText{"Decide from each text", u8"Szövegenként döntse el a program",
                               u8"Decidir según cada texto", u8"Décider d'après chaque texte"};
const Translated kEnglish{"English", u8"Angol", u8"Inglés", u8"Anglais"};
const Translated kHungarian{"Hungarian", u8"Magyar", u8"Húngaro", u8"Hongrois"};
const Translated kFeedbackTaken{
    "Reasons taken: %1 (English %2, Hungarian %3). Notes on wrong answers taken: %4 (English %5, Hungarian %6).",
    u8"Beolvasott indoklások: %1 (angol %2, magyar %3). Beolvasott megjegyzések a hibás válaszokhoz: %4 (angol %5, "
    u8"magyar %6).",
    u8"Explicaciones importadas: %1 (en inglés %2, en húngaro %3). Notas sobre las respuestas incorrectas importadas: "
    u8"%4 (en inglés %5, en húngaro %6).",
    u8"Explications importées\u00a0: %1 (anglais %2, hongrois %3). Remarques sur les mauvaises réponses "
    u8"importées\u00a0: %4 (anglais %5, hongrois %6)."};
const Translated kConfirmReplace{
    "All items of the database will be replaced by the items read from the file (%1). Replace them?",
    u8"Az adatbázis összes mondata helyére a fájlból beolvasott mondatok (%1) kerülnek. Lecseréli őket?",
    u8"Todas las oraciones de la base de datos se sustituirán por las leídas del archivo (%1). ¿Sustituirlas?",
    u8"Toutes les fiches de la base de données seront remplacées par celles lues dans le fichier (%1). Les "
    u8"remplacer\u00a0?"};
const Translated kWritten{"Items written to %2: %1.", u8"A(z) %2 fájlba írt mondatok: %1.",
                          u8"Oraciones escritas en %2: %1.", u8"Fiches écrites dans %2\u00a0: %1."};
const Translated kExportSkipped{"Items left out, as their right answer is not A, B, C or D (%1): %2",
                                u8"Kimaradt mondatok, mert a helyes válaszuk nem A, B, C vagy D (%1): %2",
                                u8"Oraciones omitidas porque su respuesta correcta no es A, B, C ni D (%1): %2",
                                u8"Fiches omises, car leur bonne réponse n'est pas A, B, C ou D (%1)\u00a0: %2"};
const Translated kAikenUnsafe{
    "Items left out of the Aiken file, as their sentence would be read as an answer line or the ANSWER line, or "
    "an answer is empty (%1): %2",
    u8"Az Aiken-fájlból kimaradt mondatok, mert a beolvasó program válaszsornak vagy ANSWER-sornak venné a "
    u8"mondatukat, vagy üres valamelyik válaszuk (%1): %2",
    u8"Oraciones omitidas del archivo Aiken porque su texto se leería como una línea de respuesta o como la línea "
    u8"ANSWER, o porque tienen una respuesta vacía (%1): %2",
    u8"Fiches omises du fichier Aiken, car leur phrase serait lue comme une ligne de réponse ou comme la ligne "
    u8"ANSWER, ou parce qu'une de leurs réponses est vide (%1)\u00a0: %2"};
const Translated kUnwritable{
    "Items left out as they hold a control character, which question files cannot carry (%1): %2",
    u8"Kimaradt mondatok, mert vezérlőkaraktert tartalmaznak, amelyet a kérdésfájlok nem tudnak tárolni (%1): %2",
    u8"Oraciones omitidas porque contienen un carácter de control, que los archivos de preguntas no admiten (%1): %2",
    u8"Fiches omises, car elles contiennent un caractère de contrôle, que les fichiers de questions ne peuvent pas "
    u8"contenir (%1)\u00a0: %2"};
const Translated kAdded{"Items added: %1 (numbers %2 to %3).", u8"Bekerült mondatok: %1 (sorszám: %2–%3).",
                        u8"Oraciones añadidas: %1 (números %2 a %3).", u8"Fiches ajoutées\u00a0: %1 (numéros %2 à %3)."};
const Translated kReplaced{"Items put in place of those of the database: %1 (numbers 1 to %2).",
                           u8"Az adatbázis mondatai helyére került mondatok: %1 (sorszám: 1–%2).",
                           u8"Oraciones que sustituyen a las de la base de datos: %1 (números 1 a %2).",
                           u8"Fiches mises à la place de celles de la base de données\u00a0: %1 (numéros 1 à %2)."};
const Translated kDuplicates{"Questions left out as the database already holds the same item: %1.",
                             u8"Kihagyott kérdések, mert az adatbázisban már van ugyanilyen mondat: %1.",
                             u8"Preguntas omitidas porque la base de datos ya tiene la misma oración: %1.",
                             u8"Questions omises, car la base de données contient déjà la même fiche\u00a0: %1."};
const Translated kNoneImported{"No item was imported.", u8"Egy mondat sem került be.",
                               u8"No se ha importado ninguna oración.", u8"Aucune fiche n'a été importée."};
const Translated kSkipped{"Questions of the file that were skipped (%1):", u8"A fájl kimaradt kérdései (%1):",
                          u8"Preguntas del archivo omitidas (%1):", u8"Questions du fichier omises (%1)\u00a0:"};
const Translated kNoted{"Questions without a gap, kept as they are (%1):",
                        u8"Kihagyás nélküli kérdések, változatlan szöveggel (%1):",
                        u8"Preguntas sin hueco, conservadas tal cual (%1):",
                        u8"Questions sans blanc, gardées telles quelles (%1)\u00a0:"};
const Translated kLine{"line %1: %2", u8"%1. sor: %2", u8"línea %1: %2", u8"ligne %1\u00a0: %2"};
const Translated kMore{"... and %1 more", u8"... és még %1", u8"... y %1 más", u8"... et %1 de plus"};
const Translated kNothingWritten{"Nothing was written.", u8"Semmi sem íródott ki.", u8"No se ha escrito nada.",
                                 u8"Rien n'a été écrit."};
const Translated kNothingChanged{"The database was not changed.", u8"Az adatbázis nem változott.",
                                 u8"La base de datos no ha cambiado.", u8"La base de données n'a pas été modifiée."};

// A message box shows the first lines of a long list; the item tool reports all of them.
constexpr int kListedLines = 12;

const ExchangeFormat kFormats[] = {ExchangeFormat::Gift, ExchangeFormat::Aiken, ExchangeFormat::MoodleXml};

QString formatLabel(ExchangeFormat format) {
    switch (format) {
    case ExchangeFormat::Gift:
        return QStringLiteral("GIFT");
    case ExchangeFormat::Aiken:
        return QStringLiteral("Aiken");
    case ExchangeFormat::MoodleXml:
        return QStringLiteral("Moodle XML");
    }
    return QString();
}

QString fileFilter(ExchangeFormat format) {
    const QString patterns = format == ExchangeFormat::Gift ? QStringLiteral("*.gift *.txt")
                                                            : QStringLiteral("*.") + exchangeFormatSuffix(format);
    return formatLabel(format) + QStringLiteral(" (") + patterns + QStringLiteral(");;* (*)");
}

} // namespace

ItemExchangeMenu::ItemExchangeMenu(AppContext& context, QWidget* window, QMenu* options)
    : m_ctx(context), m_window(window), m_export(addEntry(options, QStringLiteral("mnuExportItems"))),
      m_import(addEntry(options, QStringLiteral("mnuImportItems"))) {}

int ItemExchangeMenu::langcode() const {
    return m_ctx.globals.langcode.value_or(LangCode::English);
}

QString ItemExchangeMenu::number(qint64 n) const {
    return localNumber(n, langcode());
}

void ItemExchangeMenu::language() {
    setCaption(m_export, kExportEntry.in(langcode()));
    setCaption(m_import, kImportEntry.in(langcode()));
}

std::optional<ExchangeFormat> ItemExchangeMenu::chooseFormat(const QString& title) {
    QStringList labels;
    for (ExchangeFormat format : kFormats)
        labels << formatLabel(format);
    const std::optional<int> chosen = m_ctx.platform.chooseOne(m_window, title, kFormatPrompt.in(langcode()), labels);
    if (!chosen || *chosen < 0 || *chosen >= int(labels.size()))
        return std::nullopt;
    return kFormats[*chosen];
}

std::optional<bool> ItemExchangeMenu::chooseReplace(const QString& title) {
    const std::optional<int> chosen = m_ctx.platform.chooseOne(
        m_window, title, kReplacePrompt.in(langcode()), {kAddChoice.in(langcode()), kReplaceChoice.in(langcode())});
    if (!chosen || (*chosen != 0 && *chosen != 1))
        return std::nullopt;
    return *chosen == 1;
}

TopicChoice ItemExchangeMenu::chooseTopic(const ReadResult& read, const QString& title) {
    const Unplaced unplaced = ItemExchange::unplaced(read);
    if (unplaced.withoutTopic == 0)
        return {};
    QStringList topics;
    for (int n = 0; n < TopicCatalogue::count; ++n)
        topics << CategoryPath::topicName(n, langcode());
    const std::optional<int> topic = m_ctx.platform.chooseOne(
        m_window, title, kTopicPrompt.in(langcode()).arg(number(unplaced.withoutTopic)), topics);
    if (!topic || *topic < 0 || *topic >= int(topics.size()))
        return {};
    const FeedbackLanguage feedback =
        unplaced.withFeedback > 0 ? chooseFeedbackLanguage(title) : FeedbackLanguage::FromText;
    if (unplaced.withoutLevel == 0)
        return {*topic, std::nullopt, feedback};
    QStringList levels;
    for (int level = 1; level <= 3; ++level)
        levels << CategoryPath::levelName(level, langcode());
    const std::optional<int> level =
        m_ctx.platform.chooseOne(m_window, title, kLevelPrompt.in(langcode()).arg(topics[*topic]), levels);
    if (!level || *level < 0 || *level >= int(levels.size()))
        return {};
    return {*topic, *level + 1, feedback};
}

FeedbackLanguage ItemExchangeMenu::chooseFeedbackLanguage(const QString& title) {
    const std::optional<int> chosen =
        m_ctx.platform.chooseOne(m_window, title, kFeedbackPrompt.in(langcode()),
                                 {kFromEachText.in(langcode()), kEnglish.in(langcode()), kHungarian.in(langcode())});
    const FeedbackLanguage languages[] = {FeedbackLanguage::FromText, FeedbackLanguage::English,
                                          FeedbackLanguage::Hungarian};
    return chosen && *chosen >= 0 && *chosen < 3 ? languages[*chosen] : FeedbackLanguage::FromText;
}

void ItemExchangeMenu::fail(const QString& text, const QString& title) {
    m_ctx.platform.message(m_window, text, title, MessageIcon::Exclamation);
}

void ItemExchangeMenu::exportItems(const QString& title) {
    const std::optional<ExchangeFormat> format = chooseFormat(title);
    if (!format)
        return;
    const QString database = m_ctx.globals.dbpath;
    const QString suggested = QFileInfo(database).completeBaseName() + QLatin1Char('.') + exchangeFormatSuffix(*format);
    const QString file = m_ctx.platform.saveFileName(m_window, kExportFileTitle.in(langcode()), fileFilter(*format), suggested);
    if (file.isEmpty())
        return;
    try {
        const ExportSummary summary = ItemExchange::exportItems(database, file, *format, langcode());
        m_ctx.platform.message(m_window, exportReport(summary, file), title, MessageIcon::Information);
    } catch (const ExchangeError& e) {
        fail(e.in(langcode()) + QLatin1Char('\n') + kNothingWritten.in(langcode()), title);
    } catch (const StoreError& e) {
        fail(Messages::of(e, langcode()) + QLatin1Char('\n') + kNothingWritten.in(langcode()), title);
    }
}

bool ItemExchangeMenu::importItems(const QString& title) {
    const std::optional<ExchangeFormat> format = chooseFormat(title);
    if (!format)
        return false;
    const QString file = m_ctx.platform.openFileName(m_window, kImportFileTitle.in(langcode()), fileFilter(*format));
    if (file.isEmpty())
        return false;
    const std::optional<bool> replace = chooseReplace(title);
    if (!replace)
        return false;
    try {
        const ReadResult read = ItemExchange::readFile(file, *format);
        const TopicChoice choice = chooseTopic(read, title);
        const size_t placed = read.items.size() - size_t(choice.topic ? 0 : ItemExchange::unplaced(read).withoutTopic);
        if (*replace && placed > 0 &&
            !m_ctx.platform.confirm(m_window, kConfirmReplace.in(langcode()).arg(number(qint64(placed))), title))
            return false;
        const ImportSummary summary = ItemExchange::store(read, m_ctx.globals.dbpath, *replace, choice);
        m_ctx.platform.message(m_window, importReport(summary), title, MessageIcon::Information);
        return summary.imported > 0;
    } catch (const ExchangeError& e) {
        fail(e.in(langcode()) + QLatin1Char('\n') + kNothingChanged.in(langcode()), title);
    } catch (const StoreError& e) {
        fail(Messages::of(e, langcode()) + QLatin1Char('\n') + kNothingChanged.in(langcode()), title);
    }
    return false;
}

QString ItemExchangeMenu::exportReport(const ExportSummary& summary, const QString& file) const {
    QString text = kWritten.in(langcode()).arg(number(summary.written)).arg(QFileInfo(file).fileName());
    const auto list = [&](const std::vector<ExchangeNote>& items, const Translated& heading) {
        if (items.empty())
            return;
        QStringList numbers;
        for (const ExchangeNote& note : items)
            numbers << QString::number(note.line); // item numbers as the Database screen shows them
        text += QLatin1Char('\n') + heading.in(langcode()).arg(number(qint64(items.size()))).arg(numbers.join(", "));
    };
    list(summary.skipped, kExportSkipped);
    list(summary.unsafe, kAikenUnsafe);
    list(summary.unwritable, kUnwritable);
    return text;
}

QString ItemExchangeMenu::importReport(const ImportSummary& summary) const {
    QString text;
    if (summary.imported == 0)
        text = kNoneImported.in(langcode());
    else if (summary.replaced)
        text = kReplaced.in(langcode()).arg(number(summary.imported)).arg(summary.lastNumber);
    else
        text = kAdded.in(langcode())
                   .arg(number(summary.imported))
                   .arg(summary.firstNumber)
                   .arg(summary.lastNumber);
    if (!summary.duplicates.empty())
        text += QLatin1Char('\n') + kDuplicates.in(langcode()).arg(number(qint64(summary.duplicates.size())));
    if (summary.reasons.total() + summary.answerNotes.total() > 0)
        text +=
            QLatin1Char('\n') + kFeedbackTaken.in(langcode())
                                    .arg(number(summary.reasons.total()), number(summary.reasons.english),
                                         number(summary.reasons.hungarian), number(summary.answerNotes.total()),
                                         number(summary.answerNotes.english), number(summary.answerNotes.hungarian));
    const auto list = [&](const std::vector<ExchangeNote>& notes, const Translated& heading) {
        if (notes.empty())
            return;
        text += QStringLiteral("\n\n") + heading.in(langcode()).arg(number(qint64(notes.size())));
        for (size_t i = 0; i < notes.size() && i < size_t(kListedLines); ++i)
            text += QLatin1Char('\n') + kLine.in(langcode()).arg(notes[i].line).arg(notes[i].in(langcode()));
        if (notes.size() > size_t(kListedLines))
            text += QLatin1Char('\n') + kMore.in(langcode()).arg(number(qint64(notes.size()) - kListedLines));
    };
    list(summary.skipped, kSkipped);
    list(summary.notes, kNoted);
    return text;
}

} // namespace lexora
