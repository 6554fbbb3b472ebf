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
    // contents join to the same text. The key is compared without regard to letter case,
    // as the screens compare it.
    const QChar sep(0x1f);
    const QString joined = content.sentence + sep + content.a + sep + content.b + sep + content.c + sep +
                           content.d + sep + content.key.toUpper();
    const QByteArray digest = QCryptographicHash::hash(joined.toUtf8(), QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.left(8).toHex());
}

} // namespace lexora
