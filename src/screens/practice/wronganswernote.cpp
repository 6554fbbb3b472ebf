// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/practice/wronganswernote.h"

namespace lexora {

QString wrongAnswerNote(AppContext& context, const ItemContent& item, const QString& wrongAnswer, int langcode) {
    // No item carries notes on its wrong answers yet.
    Q_UNUSED(context);
    Q_UNUSED(item);
    Q_UNUSED(wrongAnswer);
    Q_UNUSED(langcode);
    return QString();
}

} // namespace lexora
