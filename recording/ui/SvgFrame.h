#pragma once

#include <QFrame>
#include <QStringList>

#include <memory>
#include <vector>

class QSvgRenderer;

namespace dormivo {

// A frame that shows one of a fixed set of SVG pictures stretched over its
// inside, or nothing.
class SvgFrame : public QFrame {
    Q_OBJECT
public:
    explicit SvgFrame(QStringList pictures, QWidget* parent = nullptr);
    ~SvgFrame() override;

    // -1 shows nothing; repaints only on change.
    void setPicture(int index);
    int picture() const { return picture_; }

    // Keeps the inside at the pictures' proportions when laid out.
    void setAspect(QSize aspect);
    bool hasHeightForWidth() const override { return aspect_.isValid(); }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList pictures_;
    std::vector<std::unique_ptr<QSvgRenderer>> renderers_;
    int picture_ = -1;
    QSize aspect_;
};

} // namespace dormivo
