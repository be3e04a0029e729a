#pragma once

#include <QGroupBox>

namespace dormivo {

// The frame of the USB lamp; the lamp itself is an ellipse drawn inside it:
// 0 none, 1 grey (no link), 2 green (link up), 3 yellow (schedule waiting).
class UsbLampBox : public QGroupBox {
    Q_OBJECT
public:
    explicit UsbLampBox(QWidget* parent = nullptr);

    // Repaints the lamp only when the value changes.
    void setLamp(int lamp);
    int lamp() const { return lamp_; }
    QRect lampRect() const;

    static QColor lampColour(int lamp);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int lamp_ = 0;
};

} // namespace dormivo
