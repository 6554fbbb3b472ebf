#pragma once

#include <QLabel>

namespace lexora {

// A label that reports a click of the left mouse button, for captions that act when clicked.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace lexora
