// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/answer.h"

#include "data/itemfingerprint.h"
#include "data/itemview.h"

#include <QFileInfo>

namespace lexora {

ItemRef ItemRef::of(const ItemView& view, const QString& bankPath) {
    ItemRef ref;
    ref.bank = QFileInfo(bankPath).fileName();
    ref.number = view.field(QStringLiteral("sorszam")).toInt();
    ref.fingerprint = itemFingerprint(ItemContent::fromCurrentRow(view));
    ref.level = view.field(QStringLiteral("szint")).toInt();
    ref.topic1 = view.text(QStringLiteral("kulcs1"));
    ref.topic2 = view.text(QStringLiteral("kulcs2"));
    return ref;
}

} // namespace lexora
