#include "UsbLampBox.h"

#include <QPainter>

namespace dormivo {

UsbLampBox::UsbLampBox(QWidget* parent) : QGroupBox(parent) {}

void UsbLampBox::setLamp(int lamp) {
    if (lamp == lamp_) {
        return;
    }
    lamp_ = lamp;
    update(lampRect().adjusted(-1, -1, 1, 1));
}

QRect UsbLampBox::lampRect() const {
    return rect().adjusted(6, 10, -7, -5);
}

QColor UsbLampBox::lampColour(int lamp) {
    switch (lamp) {
    case 1:
        return {240, 240, 240};
    case 2:
        return {10, 200, 10};
    case 3:
        return {200, 200, 10};
    default:
        return {};
    }
}

void UsbLampBox::paintEvent(QPaintEvent* event) {
    QGroupBox::paintEvent(event);
    const QColor colour = lampColour(lamp_);
    if (!colour.isValid()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(colour);
    painter.drawEllipse(lampRect());
}

} // namespace dormivo
