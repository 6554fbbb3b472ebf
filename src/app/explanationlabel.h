#pragma once

#include <QLabel>

namespace lexora {

class Platform;

// The explanation area of Practice and the failed-items review (objectName "explanation"):
// the reason of the item on display, wrapped, shown once the learner has chosen or asked for
// the solution and cleared when another item comes. Screen readers name it "Explanation"
// and hear its text when it appears, after the green or red box.
class ExplanationLabel : public QLabel {
    Q_OBJECT

public:
    ExplanationLabel(QWidget* parent, Platform& platform);

    // Shows `reason`; an empty reason leaves the area empty and hidden.
    void showReason(const QString& reason);
    void clear();

private:
    Platform& m_platform;
};

} // namespace lexora
