#include "app/platform.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

namespace lexora {

// Screen readers speak a change of the focused control's description as it happens; an
// accessibility alert or an announcement is not passed on to them by the desktop bridge.
// The description is given back at once, so the control reads as before when it is visited.
void Platform::speak(QWidget* control, const QString& text) {
    if (!QAccessible::isActive() || !control || text.isEmpty())
        return;
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != control->window())
        target = control->window();
    // The change is reported by hand: setting a description reports nothing to the bridge.
    const QString kept = target->accessibleDescription();
    target->setAccessibleDescription(text);
    QAccessibleEvent change(target, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&change);
    target->setAccessibleDescription(kept);
}

} // namespace lexora
