#include "PageFixture.h"

#include "LiveMonitorRules.h"
#include "MonitorCell.h"
#include "UsbLampBox.h"

#include <QEvent>
#include <QImage>

#include <gtest/gtest.h>

#include <map>
#include <ostream>

namespace dormivo::test {
namespace {

const QColor kAmber(238, 199, 16);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);

QColor pixelAtCentre(const QImage& shot, QWidget& page, QWidget& cell) {
    const QPoint centre = cell.mapTo(&page, cell.rect().center());
    return shot.pixelColor(centre);
}

QWidget& control(QWidget& page, int id) {
    auto* w = page.findChild<QWidget*>(QStringLiteral("ctl%1").arg(id));
    if (w == nullptr) {
        ADD_FAILURE() << "no control " << id;
        return page;
    }
    return *w;
}

struct CellCase {
    std::uint8_t level;
    std::uint16_t mask;
    int litRows;           // counted from the bottom row ("No snoring")
    std::uint16_t setBits; // which cells show green
};

void PrintTo(const CellCase& c, std::ostream* os) {
    *os << "level " << int(c.level) << ", mask 0x" << std::hex << c.mask;
}

class MonitorColoursTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(MonitorColoursTest, CellsReadBackFromTheScreenInTheirColours) {
    const CellCase& c = GetParam();
    PageBench bench;
    auto page = bench.openPage();
    page->show();
    ASSERT_TRUE(processUntil([&] { return page->isVisible(); }));

    FrameValues values;
    values.snoreLevel = c.level;
    values.sensorMask = c.mask;
    bench.link.liveSample.store(values);
    page->refreshMonitorCells();
    const QImage shot = page->grab().toImage();

    for (int row = 0; row < kLevelRows; ++row) {
        const bool lit = row >= kLevelRows - c.litRows;
        EXPECT_EQ(pixelAtCentre(shot, *page, control(*page, kLevelRowIds[row])),
                  lit ? kAmber : kGreen)
            << "row " << kLevelRowIds[row] << " at level " << int(c.level);
    }
    for (int cell = 0; cell < kSensorCells; ++cell) {
        const bool set = (c.setBits >> (kSensorCells - 1 - cell)) & 1u;
        EXPECT_EQ(pixelAtCentre(shot, *page, control(*page, kSensorCellIds[cell])),
                  set ? kGreen : kBlue)
            << "cell " << kSensorCellIds[cell] << " for mask " << c.mask;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Samples, MonitorColoursTest,
    ::testing::Values(CellCase{0, 0x001, 1, 0x001}, CellCase{3, 0x800, 4, 0x800},
                      CellCase{7, 0xFFF, 6, 0xFFF}, CellCase{0, 0x000, 1, 0x000},
                      CellCase{5, 0x5A5, 6, 0x5A5}, CellCase{1, 0xF000, 2, 0x000},
                      CellCase{8, 0x0F0, 6, 0x0F0}),
    [](const ::testing::TestParamInfo<CellCase>& info) {
        return QStringLiteral("Level%1Mask%2")
            .arg(info.param.level)
            .arg(info.param.mask, 3, 16, QLatin1Char('0'))
            .toStdString();
    });

// Counts the paint events each monitor cell receives.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints[watched->objectName()];
        }
        return false;
    }
    std::map<QString, int> paints;
};

TEST(LiveMonitors, OnlyTheCellsThatChangeAreRepainted) {
    PageBench bench;
    auto page = bench.openPage();
    page->show();
    ASSERT_TRUE(processUntil([&] { return page->isVisible(); }));

    PaintCounter counter;
    for (MonitorCell* cell : page->findChildren<MonitorCell*>()) {
        cell->installEventFilter(&counter);
    }
    FrameValues values; // level 0, mask 0: what the page shows on entry
    values.sensorMask = 0x001;
    values.snoreLevel = 1;
    bench.link.liveSample.store(values);
    page->refreshMonitorCells();
    page->refreshMonitorCells();
    ASSERT_TRUE(processUntil([&] { return counter.paints.size() >= 2; }));

    const std::map<QString, int> expected{{QStringLiteral("ctl1019"), 1},
                                          {QStringLiteral("ctl1025"), 1}};
    EXPECT_EQ(counter.paints, expected);
}

TEST(LiveMonitors, LampShowsItsColourInsideTheGroupBoxOrNothing) {
    PageBench bench;
    auto page = bench.openPage();
    page->show();
    ASSERT_TRUE(processUntil([&] { return page->isVisible(); }));
    auto* box = page->findChild<UsbLampBox*>(QStringLiteral("ctl1041"));
    ASSERT_NE(box, nullptr);
    const QPoint centre = box->lampRect().center();
    page->setUsbLamp(0);
    const QColor unlit = box->grab().toImage().pixelColor(centre);

    const std::map<int, QColor> lamps{
        {1, QColor(240, 240, 240)}, {2, QColor(10, 200, 10)}, {3, QColor(200, 200, 10)}};
    for (const auto& [lamp, colour] : lamps) {
        page->setUsbLamp(lamp);
        EXPECT_EQ(box->grab().toImage().pixelColor(centre), colour) << "lamp " << lamp;
    }
    page->setUsbLamp(0);
    EXPECT_EQ(box->grab().toImage().pixelColor(centre), unlit);
    EXPECT_NE(unlit, QColor(240, 240, 240));
}

TEST(LiveMonitors, EntryShowsTheQuietPillowAndTheGreyLamp) {
    PageBench bench;
    FrameValues old;
    old.snoreLevel = 4;
    old.sensorMask = 0xFFF;
    old.actionState = 2;
    old.auxByte7 = 9;
    bench.link.liveSample.store(old);

    auto page = bench.openPage();

    const FrameValues now = bench.link.liveSample.read();
    EXPECT_EQ(now.snoreLevel, 0);
    EXPECT_EQ(now.sensorMask, 0);
    EXPECT_EQ(now.actionState, 0);
    EXPECT_EQ(page->usbLamp(), 1);
    EXPECT_EQ(page->actionPicture(), 0);
    auto* bottom = page->findChild<MonitorCell*>(QStringLiteral("ctl1020"));
    auto* left = page->findChild<MonitorCell*>(QStringLiteral("ctl1037"));
    ASSERT_TRUE(bottom && left);
    EXPECT_EQ(bottom->fill(), kAmber);
    EXPECT_EQ(left->fill(), kBlue);
}

} // namespace
} // namespace dormivo::test
