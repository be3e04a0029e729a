#include "WindowSizeClass.h"

#include <gtest/gtest.h>

using namespace dormivo;

TEST(WindowSizeClass, ScreensFromAFreshStart) {
    const struct {
        QSize screen;
        int screenClass;
        QSize window;
    } cases[] = {
        {{1920, 1080}, 6, {1600, 900}}, {{1366, 768}, 3, {1360, 768}},
        {{1280, 1024}, 4, {1280, 900}}, {{1440, 900}, 5, {1360, 900}},
        {{1280, 800}, 2, {1280, 768}},  {{1280, 720}, 0, {1024, 600}},
        {{1024, 768}, 1, {1024, 768}},  {{1920, 800}, 0, {1024, 600}},
        {{1600, 900}, 6, {1600, 900}},  {{800, 480}, 0, {1024, 600}},
    };
    for (const auto& c : cases) {
        WindowSizeClass sizes;
        EXPECT_EQ(sizes.choose(c.screen), c.window) << c.screen.width() << "x" << c.screen.height();
        EXPECT_EQ(sizes.screenClass(), c.screenClass);
    }
}

TEST(WindowSizeClass, ScreenThatFitsNoRuleKeepsTheEarlierClass) {
    WindowSizeClass sizes;
    sizes.choose({1440, 900});
    EXPECT_EQ(sizes.choose({1920, 800}), QSize(1360, 900));
    EXPECT_EQ(sizes.choose({1024, 1024}), QSize(1360, 900));
    EXPECT_EQ(sizes.choose({1280, 700}), QSize(1024, 600));
}
