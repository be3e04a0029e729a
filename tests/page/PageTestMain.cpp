#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

// The page needs a QApplication; local time is pinned so log lines and
// pickers show the same wall-clock values on every machine.
int main(int argc, char** argv) {
    setenv("TZ", "UTC", 1);
    tzset();
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
