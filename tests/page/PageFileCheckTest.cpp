#include "PageFixture.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace dormivo::test {
namespace {

const QString kForeignText = QStringLiteral(
    "The selected file is not of pillow data recording format, please select correct file or "
    "input new file!");

class PageFileCheck : public ::testing::Test {
protected:
    void SetUp() override {
        page = bench.openPage();
        fileBox = page->findChild<QLineEdit*>(QStringLiteral("ctl1028"));
        remarks = page->findChild<QPlainTextEdit*>(QStringLiteral("ctl1022"));
        ASSERT_TRUE(fileBox && remarks);
        ASSERT_TRUE(page->timerRunning(PageTimer::Idle));
    }
    void write(const QString& name, const QByteArray& bytes) {
        QFile file(bench.path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void tick() { page->timerTick(PageTimer::Idle); }
    int warnings() const {
        int n = 0;
        for (const auto& shown : bench.messages.shown) {
            n += shown.caption == QStringLiteral("WARNING") && shown.text == kForeignText;
        }
        return n;
    }

    PageBench bench;
    std::unique_ptr<CRecordCtlDlg> page;
    QLineEdit* fileBox = nullptr;
    QPlainTextEdit* remarks = nullptr;
};

TEST_F(PageFileCheck, NewNameGetsTheRecordingExtensionAndOpensTheRemarks) {
    remarks->setPlainText(QStringLiteral("left from before"));
    remarks->setEnabled(false);
    fileBox->setText(bench.path(QStringLiteral("monday")));

    tick();

    EXPECT_EQ(fileBox->text(), bench.path(QStringLiteral("monday.gnf")));
    EXPECT_TRUE(remarks->isEnabled());
    EXPECT_TRUE(remarks->toPlainText().isEmpty());
    tick();
    EXPECT_EQ(fileBox->text(), bench.path(QStringLiteral("monday.gnf")));
    EXPECT_TRUE(bench.messages.shown.empty());
}

TEST_F(PageFileCheck, ExistingRecordingShowsItsRemarkThatCannotBeChanged) {
    write(QStringLiteral("night.gnf"), "Remarks:New pillow, first night\r\n"
                                       "TAMOSTART:[2013-05-06 22:00:00][1][1]\r\n"
                                       "[22:00:01]:[0][f0][0]\r\n");
    fileBox->setText(bench.path(QStringLiteral("night.gnf")));

    tick();

    EXPECT_EQ(remarks->toPlainText(), QStringLiteral("Remarks:New pillow, first night\n"));
    EXPECT_FALSE(remarks->isEnabled());
    EXPECT_EQ(bench.currentRecordingPath, bench.path(QStringLiteral("night.gnf")));
    EXPECT_TRUE(bench.messages.shown.empty());
}

TEST_F(PageFileCheck, ForeignFileWarnsOncePerPathTextInAnyLetterCase) {
    write(QStringLiteral("notes.txt"), "shopping list\r\n");
    write(QStringLiteral("other.txt"), "not a recording either\r\n");
    const QString notes = bench.path(QStringLiteral("notes.txt"));

    fileBox->setText(notes);
    tick();
    EXPECT_EQ(warnings(), 1);
    EXPECT_EQ(remarks->toPlainText(), QStringLiteral("WARNING: ") + kForeignText);

    tick();
    fileBox->setText(notes.left(notes.size() - 9) + QStringLiteral("NOTES.TXT"));
    tick();
    fileBox->setText(notes);
    tick();
    EXPECT_EQ(warnings(), 1) << "the same path text, in any case, is not examined again";

    fileBox->setText(bench.path(QStringLiteral("other.txt")));
    tick();
    EXPECT_EQ(warnings(), 2);
}

} // namespace
} // namespace dormivo::test
