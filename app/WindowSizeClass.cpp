#include "WindowSizeClass.h"

namespace dormivo {

QSize WindowSizeClass::sizeOf(int screenClass) {
    static const QSize sizes[] = {{1024, 600}, {1024, 768}, {1280, 768}, {1360, 768},
                                  {1280, 900}, {1360, 900}, {1600, 900}};
    return sizes[screenClass];
}

QSize WindowSizeClass::choose(QSize screen) {
    const int w = screen.width();
    const int h = screen.height();
    if (h >= 600 && h <= 720) {
        screenClass_ = 0;
    } else if (h >= 768 && h <= 899) {
        if (w >= 1024 && w < 1280)
            screenClass_ = 1;
        else if (w >= 1280 && w < 1360)
            screenClass_ = 2;
        else if (w >= 1360 && w < 1600)
            screenClass_ = 3;
    } else {
        if (w >= 1280 && w < 1360)
            screenClass_ = 4;
        else if (w >= 1360 && w < 1600)
            screenClass_ = 5;
        else if (w >= 1600)
            screenClass_ = 6;
    }
    return sizeOf(screenClass_);
}

} // namespace dormivo
