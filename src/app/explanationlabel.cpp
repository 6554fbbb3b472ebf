#include "app/explanationlabel.h"

#include "app/accessibility.h"
#include "app/platform.h"
#include "app/window.h"

namespace lexora {

ExplanationLabel::ExplanationLabel(QWidget* parent, Platform& platform) : QLabel(parent), m_platform(platform) {
    setObjectName(QStringLiteral("explanation"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMargin(4);
    setFont(uiFont(FontFace::Sans, 9.75, false));
    setColors(this, QColor(255, 255, 225), Qt::black);
    markSpoken(this, Spoken::Explanation);
    announceWhenShown(this, platform);
    hide();
}

void ExplanationLabel::showReason(const QString& reason) {
    if (reason.trimmed().isEmpty()) {
        clear();
        return;
    }
    // Set before showing, so the announcement on showing carries the new text.
    const bool changed = text() != reason;
    setText(reason);
    if (isHidden())
        show();
    else if (changed)
        m_platform.announce(this);
}

void ExplanationLabel::clear() {
    QLabel::clear();
    hide();
}

} // namespace lexora
