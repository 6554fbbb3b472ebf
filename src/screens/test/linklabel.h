#pragma once

#include <QLabel>

namespace lexora {

// A label that answers a click of the left mouse button, like a link.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace lexora
