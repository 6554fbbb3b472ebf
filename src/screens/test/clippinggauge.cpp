// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/test/clippinggauge.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QStyleOptionProgressBar>
#include <QStylePainter>

#include <algorithm>

namespace lexora {

namespace {

// The gauge as screen readers see it: a progress bar whose value is the time used.
class GaugeAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit GaugeAccessible(ClippingGauge* gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return gauge()->shownValue(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return gauge()->shownMaximum(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 0; }

private:
    const ClippingGauge* gauge() const { return static_cast<const ClippingGauge*>(object()); }
};

QAccessibleInterface* gaugeFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("lexora::ClippingGauge"))
        return new GaugeAccessible(static_cast<ClippingGauge*>(object));
    return nullptr;
}

} // namespace

ClippingGauge::ClippingGauge(QWidget* parent) : QProgressBar(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(gaugeFactory);
        return true;
    }();
    (void)factoryInstalled;
    setTextVisible(false);
    setRange(0, shownMaximum());
}

void ClippingGauge::setGaugeMaximum(int maximum) {
    m_maximum = maximum;
    setRange(0, shownMaximum());
    update();
}

void ClippingGauge::setGaugeValue(int value) {
    m_value = value;
    // The bar is redrawn; its own value stays, so no change is reported to screen readers.
    update();
}

int ClippingGauge::shownMaximum() const {
    // A range of 0..0 would turn the bar into a busy indicator; an empty gauge shows empty.
    return std::max(1, m_maximum);
}

int ClippingGauge::shownValue() const {
    return m_maximum <= 0 ? 0 : std::clamp(m_value, 0, shownMaximum());
}

void ClippingGauge::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    option.minimum = 0;
    option.maximum = shownMaximum();
    option.progress = shownValue();
    painter.drawControl(QStyle::CE_ProgressBar, option);
}

} // namespace lexora
