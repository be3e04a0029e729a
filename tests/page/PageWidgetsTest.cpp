#include "CTamoButton.h"
#include "RemarksEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

namespace dormivo {
namespace {

TEST(CTamoButton, KeepsTheSystemLookUntilTheFirstRestyle) {
    CTamoButton button(QStringLiteral("START"));
    button.resize(120, 40);
    const QImage system = button.grab().toImage();
    EXPECT_TRUE(button.captionCopy().isEmpty());
    EXPECT_NE(system.pixelColor(60, 0), QColor(255, 255, 255));

    button.restyle();
    const QImage drawn = button.grab().toImage();

    EXPECT_EQ(button.captionCopy(), QStringLiteral("START"));
    EXPECT_EQ(drawn.pixelColor(60, 0), QColor(255, 255, 255)) << "top edge";
    EXPECT_EQ(drawn.pixelColor(0, 20), QColor(255, 255, 255)) << "left edge";
    EXPECT_EQ(drawn.pixelColor(60, 39), QColor(1, 1, 1)) << "bottom edge";
    EXPECT_EQ(drawn.pixelColor(119, 20), QColor(1, 1, 1)) << "right edge";
    EXPECT_EQ(drawn.pixelColor(5, 20), button.palette().color(QPalette::Window))
        << "the page background shows through";
}

TEST(CTamoButton, NewCaptionIsDrawnAndPressingChangesNothing) {
    CTamoButton button(QStringLiteral("START"));
    button.resize(120, 40);
    button.restyle();
    const QImage start = button.grab().toImage();

    button.setText(QStringLiteral("STOP"));
    const QImage stop = button.grab().toImage();
    button.setDown(true);
    const QImage pressed = button.grab().toImage();

    EXPECT_EQ(button.captionCopy(), QStringLiteral("STOP"));
    EXPECT_NE(start, stop);
    EXPECT_EQ(stop, pressed);
}

TEST(RemarksEdit, TypingAndPastingStopAtTheLimit) {
    RemarksEdit edit(10);
    edit.show();

    QTest::keyClicks(&edit, QStringLiteral("abcdefgh"));
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClicks(&edit, QStringLiteral("xyz"));
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("abcdefgh\nx"));

    edit.selectAll();
    QApplication::clipboard()->setText(QStringLiteral("0123456789ABCDEF"));
    edit.paste();
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("0123456789"));

    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, QStringLiteral("!?"));
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("012345678!"));
}

TEST(RemarksEdit, TextSetByTheProgramIsShownWhole) {
    RemarksEdit edit(10);
    edit.setPlainText(QStringLiteral("a remark longer than ten"));
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("a remark longer than ten"));
}

} // namespace
} // namespace dormivo
