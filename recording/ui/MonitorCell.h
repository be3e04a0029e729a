#pragma once

#include <QColor>
#include <QFrame>

namespace dormivo {

// One snoring row or sensor cell: a bordered blank field filled with the
// colour of its state.
class MonitorCell : public QFrame {
    Q_OBJECT
public:
    MonitorCell(QFrame::Shadow shadow, QWidget* parent = nullptr);

    // Repaints only when the colour changes.
    void setFill(const QColor& colour);
    QColor fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
};

} // namespace dormivo
