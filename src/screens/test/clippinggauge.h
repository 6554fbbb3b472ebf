#pragma once

#include <QProgressBar>

namespace lexora {

// A progress gauge that keeps whatever value it is given, even one above its maximum,
// and shows such a value as a full bar instead of refusing it.
class ClippingGauge : public QProgressBar {
    Q_OBJECT

public:
    explicit ClippingGauge(QWidget* parent = nullptr);

    void setGaugeMaximum(int maximum);
    int gaugeMaximum() const { return m_maximum; }
    void setGaugeValue(int value);
    int gaugeValue() const { return m_value; }

private:
    void showClipped();

    int m_maximum = 100;
    int m_value = 0;
};

} // namespace lexora
