#pragma once

#include <QLabel>

namespace lexora {

// A label or picture that reacts to a click of the left mouse button, like a button
// without a frame: the hub's reorder invitation, the About window's disc, the Level
// caption of Practice and the review link of the Test screen.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace lexora
