#pragma once

#include <QSize>

namespace dormivo {

// The seven main-window size classes, chosen from the primary screen's size.
// A screen that fits no rule keeps the class chosen before (0 at first).
class WindowSizeClass {
public:
    QSize choose(QSize screen);
    int screenClass() const { return screenClass_; }
    static QSize sizeOf(int screenClass);

private:
    int screenClass_ = 0;
};

} // namespace dormivo
