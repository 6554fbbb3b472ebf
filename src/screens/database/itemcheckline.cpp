// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/database/itemcheckline.h"

#include "data/itemrules.h"
#include "screens/database/itemchecktexts.h"

namespace lexora::ItemCheckLine {

namespace {

// The sentence for one broken rule; empty for the rules the screen leaves alone.
QString sentence(const ItemFault& fault, int langcode) {
    using namespace itemchecktext;
    switch (fault.kind) {
    case ItemFault::Kind::BadLevel:
        return badLevel.in(langcode);
    case ItemFault::Kind::NoTopic:
        return noTopic.in(langcode);
    case ItemFault::Kind::BadKey:
        return badKey.in(langcode);
    case ItemFault::Kind::EmptyAnswer:
        return emptyAnswer.in(langcode).arg(fault.detail);
    case ItemFault::Kind::EqualAnswers:
        return equalAnswers.in(langcode);
    case ItemFault::Kind::NoGap:
        return noGap.in(langcode);
    case ItemFault::Kind::SeveralGaps:
        return severalGaps.in(langcode);
    case ItemFault::Kind::SolutionDiffers:
        return solutionDiffers.in(langcode).arg(fault.detail);
    case ItemFault::Kind::NotANumber:
    case ItemFault::Kind::OrderOutOfRange:
        break;
    }
    return QString();
}

} // namespace

QString describe(const QStringList& item, int langcode) {
    QStringList sentences;
    for (const ItemFault& fault : itemFaults(item)) {
        const QString text = sentence(fault, langcode);
        if (!text.isEmpty())
            sentences << text;
    }
    return sentences.join(QLatin1Char(' '));
}

} // namespace lexora::ItemCheckLine
