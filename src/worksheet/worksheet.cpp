// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheet/worksheet.h"

#include "data/itemfingerprint.h"
#include "data/itemstore.h"
#include "data/reasons.h"
#include "data/topics.h"
#include "text/captions.h"
#include "worksheet/worksheettexts.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <random>
#include <stdexcept>

namespace lexora {

namespace {

// The Topic menu's caption without its access-key marker.
QString topicName(int topic, int langcode) {
    QString name = CaptionCatalogue::caption(TopicCatalogue::topic(topic).captionKey, langcode);
    name.remove(QLatin1Char('&'));
    return name.trimmed();
}

void checkRequest(const WorksheetRequest& request) {
    if (request.level && (*request.level < 1 || *request.level > 3))
        throw std::invalid_argument("the level must be 1, 2 or 3");
    if (request.topic && (*request.topic < 0 || *request.topic >= TopicCatalogue::count))
        throw std::invalid_argument("the topic must be a Topic menu entry from 0 to 22");
    if (request.count < 1 || request.count > kMaxWorksheetItems)
        throw std::invalid_argument("the number of items must be from 1 to 1000");
}

// The criterion Practice narrows its copy of all items with for this topic or level; with both,
// the topic's items are narrowed to the level.
QString selectionFilter(const WorksheetRequest& request) {
    if (request.topic)
        return TopicCatalogue::topic(*request.topic).practiceFilter;
    if (request.level)
        return QStringLiteral("Szint = %1").arg(*request.level);
    return QStringLiteral("szint >= 1");
}

WorksheetItem readItem(const ItemView& view) {
    WorksheetItem item;
    item.sorszam = view.field("sorszam").toInt();
    item.sorrend2 = view.field("sorrend2").toInt();
    item.mondat = view.text("mondat");
    item.a = view.text("a");
    item.b = view.text("b");
    item.c = view.text("c");
    item.d = view.text("d");
    item.felelet1 = view.text("felelet1");
    item.felelet2 = view.text("felelet2");
    return item;
}

// Positions 0..size-1, the first `count` of them drawn without repeats; the same seed gives the
// same draw on every machine (the engine's output is fixed by the standard, the scaling is ours).
std::vector<int> drawPositions(int size, int count, quint32 seed) {
    std::vector<int> positions(static_cast<size_t>(size));
    std::iota(positions.begin(), positions.end(), 0);
    std::mt19937 engine(seed);
    const int wanted = std::min(size, count);
    for (int i = 0; i < wanted; ++i) {
        const auto left = quint64(size - i);
        const int pick = i + int((quint64(engine()) * left) >> 32);
        std::swap(positions[size_t(i)], positions[size_t(pick)]);
    }
    positions.resize(size_t(wanted));
    return positions;
}

// Puts each item's reason, in the sheet's language, beside it. A reason that cannot be found
// leaves the key line as it is without one.
void addReasons(Worksheet& sheet, const ItemStore& store, const ReasonLookup& lookup) {
    const ReasonTable own = store.reasons();
    const bool hungarian = sheet.langcode == LangCode::Hungarian;
    for (WorksheetItem& item : sheet.items) {
        const QString fingerprint =
            itemFingerprint(ItemContent{item.mondat, item.a, item.b, item.c, item.d, item.felelet2});
        const Reason reason = lookup ? lookup(own, fingerprint) : own.find(fingerprint).value_or(Reason{});
        item.reason = reason.inLanguage(hungarian).trimmed();
    }
}

} // namespace

QString worksheetSubject(const WorksheetRequest& request) {
    using namespace worksheettext;
    const int lang = request.langcode;
    QString subject = request.topic   ? topic.in(lang).arg(topicName(*request.topic, lang))
                      : request.level ? level.in(lang).arg(*request.level)
                                      : allLevels.in(lang);
    if (request.topic && request.level)
        subject += QStringLiteral(", ") + level.in(lang).arg(*request.level);
    if (request.from)
        subject += QStringLiteral(", ") + from.in(lang).arg(*request.from + 1);
    if (request.seed)
        subject += QStringLiteral(", ") + randomItems.in(lang);
    return subject;
}

Worksheet makeWorksheet(const QString& path, const WorksheetRequest& request, const ReasonLookup& lookup) {
    checkRequest(request);
    Worksheet sheet;
    sheet.langcode = request.langcode;
    sheet.subject = worksheetSubject(request);

    const ItemStore store = ItemStore::open(path);
    // As Practice does: all items in sequence order, narrowed by the level or the topic, then
    // the starting point within that selection.
    std::unique_ptr<SnapshotView> selection =
        store.sortedCopy(QStringLiteral("Test1"), QStringLiteral("sorrend2"))->filtered(selectionFilter(request));
    if (request.topic && request.level)
        selection = selection->filtered(QStringLiteral("Szint = %1").arg(*request.level));
    if (request.from)
        selection = selection->filtered(QStringLiteral("sorrend2 > %1").arg(*request.from));
    if (selection->count() == 0)
        return sheet;

    if (request.seed) {
        // Only the drawn items are read: walking past the others costs nothing.
        const std::vector<int> drawn = drawPositions(selection->count(), request.count, *request.seed);
        std::map<int, WorksheetItem> read;
        for (int pos : drawn)
            read[pos];
        int pos = 0;
        for (selection->moveFirst(); !selection->eof(); selection->moveNext(), ++pos)
            if (auto it = read.find(pos); it != read.end())
                it->second = readItem(*selection);
        for (int p : drawn)
            sheet.items.push_back(read[p]);
    } else {
        for (selection->moveFirst(); !selection->eof() && int(sheet.items.size()) < request.count;
             selection->moveNext())
            sheet.items.push_back(readItem(*selection));
    }
    if (request.explain)
        addReasons(sheet, store, lookup);
    return sheet;
}

} // namespace lexora
