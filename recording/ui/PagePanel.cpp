#include "PagePanel.h"

#include "Artwork.h"
#include "CTamoButton.h"
#include "MonitorCell.h"
#include "RemarksEdit.h"
#include "StringTable.h"
#include "SvgFrame.h"
#include "UsbLampBox.h"

#include <QDateTimeEdit>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace dormivo {

namespace {

// The display that carries the live monitors takes the night blue of the
// artwork, so the pictures sit in it without a seam.
const QColor kDisplayBackground(20, 31, 54);
const QColor kDisplayText(214, 224, 240);
const QColor kDisplayCaption(233, 196, 106);

QString controlName(int id) {
    return QStringLiteral("ctl%1").arg(id);
}

template <typename Widget> Widget* named(Widget* widget, int id) {
    widget->setObjectName(controlName(id));
    return widget;
}

QLabel* label(QWidget* parent, int id, const QString& text) {
    return named(new QLabel(text, parent), id);
}

// A monitor caption: small bold capitals spaced out, as printed on a front panel.
QLabel* caption(QWidget* parent, int id, const QString& text) {
    QLabel* c = label(parent, id, text);
    QFont f = c->font();
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    c->setFont(f);
    QPalette p = c->palette();
    p.setColor(QPalette::WindowText, kDisplayCaption);
    c->setPalette(p);
    return c;
}

QPalette displayPalette(QPalette base) {
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        base.setColor(role, kDisplayBackground);
    }
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        base.setColor(role, kDisplayText);
    }
    base.setColor(QPalette::Light, kDisplayBackground.lighter(190));
    base.setColor(QPalette::Midlight, kDisplayBackground.lighter(150));
    base.setColor(QPalette::Mid, kDisplayBackground.lighter(130));
    base.setColor(QPalette::Dark, kDisplayBackground.darker(180));
    base.setColor(QPalette::Shadow, Qt::black);
    return base;
}

QDateTimeEdit* picker(QWidget* parent, int id, bool timeFormat) {
    auto* edit = named(new QDateTimeEdit(parent), id);
    if (timeFormat) {
        edit->setDisplayFormat(QStringLiteral("HH:mm:ss"));
        edit->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    } else {
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
    }
    return edit;
}

QWidget* snoringMonitor(QWidget* parent, const StringTable& strings, PageControls& controls) {
    static constexpr std::array<int, kLevelRows> labelIds{1078, 1079, 1080, 1081, 1082, 1083};
    static constexpr std::array<int, kLevelRows> textIds{510, 511, 512, 513, 514, 515};
    static constexpr std::array<int, kLevelRows> textSizes{48, 48, 64, 48, 48, 48};
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    const int rowHeight = box->fontMetrics().height() + 6;
    for (int row = 0; row < kLevelRows; ++row) {
        auto* cell = named(new MonitorCell(QFrame::Sunken, box), kLevelRowIds[row]);
        cell->setFixedSize(rowHeight * 4, rowHeight);
        controls.levelRows[row] = cell;
        grid->addWidget(cell, row, 0);
        grid->addWidget(label(box, labelIds[row], strings.load(textIds[row], textSizes[row])), row,
                        1);
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox* sensorMonitor(QWidget* parent, PageControls& controls) {
    auto* group = new QGroupBox(parent);
    group->setObjectName(QStringLiteral("grpSensors"));
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(8, 8, 8, 8);
    row->setSpacing(5);
    const int height = group->fontMetrics().height() * 2;
    for (int cell = 0; cell < kSensorCells; ++cell) {
        auto* c = named(new MonitorCell(QFrame::Plain, group), kSensorCellIds[cell]);
        c->setMinimumSize(height, height);
        controls.sensorCells[cell] = c;
        row->addWidget(c);
    }
    return group;
}

QFrame* display(QWidget* parent, const StringTable& strings, PageControls& controls) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("displayPanel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    panel->setPalette(displayPalette(panel->palette()));

    controls.actionFrame = named(new SvgFrame(actionPicturePaths(), panel), 1007);
    controls.actionFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    controls.actionFrame->setAspect(QSize(687, 225));
    controls.actionFrame->setMinimumWidth(300);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(12, 10, 12, 12);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(6);
    grid->addWidget(caption(panel, 1076, strings.load(508, 48)), 0, 0);
    grid->addWidget(caption(panel, 1077, strings.load(509, 48)), 0, 1);
    grid->addWidget(controls.actionFrame, 1, 0, Qt::AlignTop);
    grid->addWidget(snoringMonitor(panel, strings, controls), 1, 1, Qt::AlignTop);
    grid->addWidget(caption(panel, 1084, strings.load(516, 48)), 2, 0, 1, 2);
    grid->addWidget(sensorMonitor(panel, controls), 3, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(1, 1);
    return panel;
}

QGroupBox* schedule(QWidget* parent, const StringTable& strings, PageControls& controls) {
    auto* group = named(new QGroupBox(strings.load(502, 48), parent), 1070);
    controls.startDate = picker(group, 1023, false);
    controls.startTime = picker(group, 1018, true);
    controls.endDate = picker(group, 1024, false);
    controls.endTime = picker(group, 1021, true);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->addWidget(label(group, 1072, strings.load(504, 16)), 0, 0);
    grid->addWidget(controls.startDate, 0, 1);
    grid->addWidget(label(group, 1071, strings.load(503, 16)), 0, 3);
    grid->addWidget(controls.startTime, 0, 4);
    grid->addWidget(label(group, 1074, strings.load(506, 32)), 1, 0);
    grid->addWidget(controls.endDate, 1, 1);
    grid->addWidget(label(group, 1073, strings.load(505, 32)), 1, 3);
    grid->addWidget(controls.endTime, 1, 4);
    grid->setColumnMinimumWidth(2, 12);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    return group;
}

QGroupBox* recordingDeck(QWidget* parent, const StringTable& strings, PageControls& controls) {
    auto* group = new QGroupBox(parent);
    group->setObjectName(QStringLiteral("grpControls"));

    controls.fileBox = named(new QLineEdit(group), 1028);
    controls.fileBox->setPlaceholderText(QStringLiteral("*.gnf"));
    controls.browse = new QToolButton(group);
    controls.browse->setObjectName(QStringLiteral("ctl1028Browse"));
    controls.browse->setText(QStringLiteral("..."));
    auto* fileRow = new QHBoxLayout;
    fileRow->setSpacing(4);
    fileRow->addWidget(controls.fileBox, 1);
    fileRow->addWidget(controls.browse);

    controls.remarks = named(new RemarksEdit(kRemarksLimit, group), 1022);
    controls.remarks->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    const int lines = 3;
    controls.remarks->setMinimumHeight(controls.remarks->fontMetrics().lineSpacing() * lines + 12);

    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(10, 10, 10, 10);
    column->setSpacing(8);
    column->addLayout(fileRow);
    column->addWidget(schedule(group, strings, controls));
    column->addWidget(label(group, 1075, strings.load(507, 16)));
    column->addWidget(controls.remarks, 1);
    return group;
}

QLayout* sideColumn(QWidget* parent, const StringTable& strings, PageControls& controls) {
    controls.lampLabel = label(parent, 1043, QStringLiteral("   USB"));
    controls.lampLabel->setAlignment(Qt::AlignCenter);
    QFont bold = controls.lampLabel->font();
    bold.setBold(true);
    controls.lampLabel->setFont(bold);

    // Sized so the lamp inside the group box comes out round.
    const int lamp = parent->fontMetrics().height() * 4;
    controls.lampBox = named(new UsbLampBox(parent), 1041);
    controls.lampBox->setFixedSize(lamp + 6 + 7, lamp + 10 + 5);

    controls.logo = named(new SvgFrame({logoPath()}, parent), 1067);
    controls.logo->setFrameStyle(QFrame::NoFrame);
    controls.logo->setFixedSize(106, 53);

    const int buttonHeight = parent->fontMetrics().height() * 2 + 8;
    controls.startButton = named(new CTamoButton(strings.load(501, 10), parent), 1000);
    QFont big = controls.startButton->font();
    big.setBold(true);
    controls.startButton->setFont(big);
    controls.startButton->setMinimumHeight(buttonHeight + 8);
    controls.dataAnalysis = named(new QPushButton(strings.load(517, 32), parent), 1);
    controls.dataAnalysis->setDefault(true);
    controls.dataAnalysis->setMinimumHeight(buttonHeight);

    // The maker's logo heads the column, the lamp reads as the link's state
    // under it, and the two buttons sit at the bottom, nearest the hand.
    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    column->addWidget(controls.logo, 0, Qt::AlignHCenter);
    column->addSpacing(10);
    column->addWidget(controls.lampLabel);
    column->addWidget(controls.lampBox, 0, Qt::AlignHCenter);
    column->addStretch(1);
    column->addWidget(controls.startButton);
    column->addSpacing(2);
    column->addWidget(controls.dataAnalysis);
    return column;
}

} // namespace

PageControls buildPagePanel(QDialog& page, const StringTable& strings) {
    PageControls controls;
    auto* deck = new QHBoxLayout;
    deck->setSpacing(10);
    deck->addWidget(recordingDeck(&page, strings, controls), 1);
    auto* side = sideColumn(&page, strings, controls);
    deck->addLayout(side);

    auto* root = new QVBoxLayout(&page);
    root->setContentsMargins(10, 10, 10, 10);
    root->setSpacing(10);
    root->addWidget(display(&page, strings, controls));
    root->addLayout(deck, 1);
    return controls;
}

} // namespace dormivo
