// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProgressBar>

namespace lexora {

// A progress gauge that keeps whatever value it is given, even one above its maximum,
// and shows such a value as a full bar instead of refusing it.
//
// Screen readers see the time used of the item (its value rising to the maximum), read
// when they ask for it: the gauge does not report each step, which would make them speak
// several times a second. The bar drawn is the clipped value.
class ClippingGauge : public QProgressBar {
    Q_OBJECT

public:
    explicit ClippingGauge(QWidget* parent = nullptr);

    void setGaugeMaximum(int maximum);
    int gaugeMaximum() const { return m_maximum; }
    void setGaugeValue(int value);
    int gaugeValue() const { return m_value; }
    // The value the bar shows: the gauge's value held within 0 and the maximum.
    int shownValue() const;
    // The top of the bar's range: the maximum, at least 1.
    int shownMaximum() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_maximum = 100;
    int m_value = 0;
};

} // namespace lexora
