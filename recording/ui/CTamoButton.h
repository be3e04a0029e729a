#pragma once

#include <QPushButton>

namespace dormivo {

// The START/STOP button. It keeps the system look until the page first
// restyles it; from then on it draws its caption on the page background
// inside a two-pixel raised frame, the same for every state.
class CTamoButton : public QPushButton {
    Q_OBJECT
public:
    explicit CTamoButton(const QString& text, QWidget* parent = nullptr);

    // Switches to the owner-drawn look (once is enough) and repaints.
    void restyle();
    bool ownerDrawn() const { return ownerDrawn_; }
    // The caption drawn last; empty until the first owner-drawn paint.
    QString captionCopy() const { return captionCopy_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawItem(QPainter& painter, const QRect& item);

    bool ownerDrawn_ = false;
    QString captionCopy_;
};

} // namespace dormivo
