// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/itemfingerprint.h"

#include "data/itemview.h"

#include <QCryptographicHash>

namespace lexora {

ItemContent ItemContent::fromCurrentRow(const ItemView& view) {
    return ItemContent{view.text(QStringLiteral("mondat")), view.text(QStringLiteral("a")),
                       view.text(QStringLiteral("b")),      view.text(QStringLiteral("c")),
                       view.text(QStringLiteral("d")),      view.text(QStringLiteral("felelet2"))};
}

QString itemFingerprint(const ItemContent& content) {
    // The unit separator cannot occur in a field typed by a teacher, so no two different
    // contents join to the same text. Spaces around a field say nothing (the failed items keep
    // the texts as the Test showed them, after a leading space), and the key is compared
    // without regard to letter case.
    const QChar sep(0x1f);
    const QString joined = content.sentence.trimmed() + sep + content.a.trimmed() + sep + content.b.trimmed() + sep +
                           content.c.trimmed() + sep + content.d.trimmed() + sep + content.key.trimmed().toUpper();
    const QByteArray digest = QCryptographicHash::hash(joined.toUtf8(), QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.left(8).toHex());
}

} // namespace lexora
