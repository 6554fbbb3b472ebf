// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/explanationlabel.h"

#include "app/accessibility.h"
#include "app/window.h"

namespace lexora {

ExplanationLabel::ExplanationLabel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("explanation"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMargin(4);
    setFont(uiFont(FontFace::Sans, 9.75, false));
    setColors(this, QColor(255, 255, 225), Qt::black);
    markSpoken(this, Spoken::Explanation);
    hide();
}

void ExplanationLabel::showReason(const QString& reason) {
    showNoteAndReason(QString(), reason);
}

void ExplanationLabel::showNoteAndReason(const QString& note, const QString& reason) {
    QStringList parts;
    for (const QString& text : {note.trimmed(), reason.trimmed()}) {
        if (!text.isEmpty())
            parts << text;
    }
    if (parts.isEmpty()) {
        clear();
        return;
    }
    setText(parts.join(QLatin1Char('\n')));
    show();
}

void ExplanationLabel::clear() {
    QLabel::clear();
    hide();
}

} // namespace lexora
