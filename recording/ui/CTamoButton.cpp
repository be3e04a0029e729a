#include "CTamoButton.h"

#include <QPainter>

namespace dormivo {

CTamoButton::CTamoButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

void CTamoButton::restyle() {
    ownerDrawn_ = true;
    update();
}

void CTamoButton::paintEvent(QPaintEvent* event) {
    if (!ownerDrawn_) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawItem(painter, rect());
}

void CTamoButton::drawItem(QPainter& painter, const QRect& item) {
    const int l = item.left();
    const int t = item.top();
    const int r = item.left() + item.width();
    const int b = item.top() + item.height();

    captionCopy_ = text();
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(item, Qt::AlignCenter | Qt::TextSingleLine, captionCopy_);

    const QColor white(255, 255, 255);
    const QColor nearBlack(1, 1, 1);
    painter.setPen(QPen(white, 2));
    painter.drawLine(l, t, r, t);
    painter.drawLine(l, t, l, b);
    painter.setPen(QPen(nearBlack, 2));
    painter.drawLine(l + 1, b - 1, r, b - 1);
    painter.drawLine(r - 1, t + 1, r - 1, b);
}

} // namespace dormivo
