// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/topictitles.h"

#include "data/topics.h"
#include "text/captions.h"

#include <utility>

namespace lexora {

QString topicPracticeTitle(int n, int langcode) {
    const Topic& t = TopicCatalogue::topic(n);
    if (t.titleCaptionKey < 0)
        return t.fixedTitle;
    return CaptionCatalogue::caption(t.titleCaptionKey, langcode);
}

QString topicName(int n, int langcode) {
    // The Topic menu keeps its captions as they are; a name read on its own is spelled right.
    static const std::pair<const char*, const char*> spellings[] = {
        {"Verbo auxiliares", "Verbos auxiliares"},
        {"Infinitif/Gerondif/Participe", "Infinitif/Gérondif/Participe"},
        {"Propositions rélatives", "Propositions relatives"},
    };
    QString name = CaptionCatalogue::caption(TopicCatalogue::topic(n).captionKey, langcode);
    name.remove(QLatin1Char('&'));
    for (const auto& [asCaptioned, spelled] : spellings)
        if (name == QString::fromUtf8(asCaptioned))
            return QString::fromUtf8(spelled);
    return name;
}

} // namespace lexora
