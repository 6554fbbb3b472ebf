// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/topictitles.h"

#include "data/topics.h"
#include "text/captions.h"

namespace lexora {

QString topicPracticeTitle(int n, int langcode) {
    const Topic& t = TopicCatalogue::topic(n);
    if (t.titleCaptionKey < 0)
        return t.fixedTitle;
    return CaptionCatalogue::caption(t.titleCaptionKey, langcode);
}

QString topicName(int n, int langcode) {
    QString name = CaptionCatalogue::caption(TopicCatalogue::topic(n).captionKey, langcode);
    return name.remove(QLatin1Char('&'));
}

} // namespace lexora
