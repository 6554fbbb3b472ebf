#include "screens/test/clippinggauge.h"

#include <algorithm>

namespace lexora {

ClippingGauge::ClippingGauge(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
    showClipped();
}

void ClippingGauge::setGaugeMaximum(int maximum) {
    m_maximum = maximum;
    showClipped();
}

void ClippingGauge::setGaugeValue(int value) {
    m_value = value;
    showClipped();
}

void ClippingGauge::showClipped() {
    // A range of 0..0 would turn the bar into a busy indicator; an empty gauge shows empty.
    const int top = std::max(1, m_maximum);
    setRange(0, top);
    setValue(m_maximum <= 0 ? 0 : std::clamp(m_value, 0, top));
}

} // namespace lexora
