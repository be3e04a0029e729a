#include "MonitorCell.h"

#include <QPainter>

namespace dormivo {

MonitorCell::MonitorCell(QFrame::Shadow shadow, QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | shadow);
    setLineWidth(1);
}

void MonitorCell::setFill(const QColor& colour) {
    if (colour == fill_) {
        return;
    }
    fill_ = colour;
    update();
}

void MonitorCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (fill_.isValid()) {
        painter.fillRect(contentsRect(), fill_);
    }
    drawFrame(&painter);
}

} // namespace dormivo
