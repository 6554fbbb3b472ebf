// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace lexora {

// The explanation area of Practice and the failed-items review (objectName "explanation"):
// after a wrong choice the note on the answer chosen, then the reason of the item on display,
// wrapped; shown once the learner has chosen or asked for the solution and cleared when another
// item comes. Screen readers name it "Explanation";
// the screen has its text said right after the verdict or the solution (ItemExplainer).
class ExplanationLabel : public QLabel {
    Q_OBJECT

public:
    explicit ExplanationLabel(QWidget* parent);

    // Shows `reason`; an empty reason leaves the area empty and hidden.
    void showReason(const QString& reason);
    // Shows the note on a wrong answer above the reason; with neither the area is empty and hidden.
    void showNoteAndReason(const QString& note, const QString& reason);
    void clear();
};

} // namespace lexora
