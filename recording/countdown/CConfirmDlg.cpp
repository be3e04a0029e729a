#include "CConfirmDlg.h"

#include "Clock.h"
#include "CountdownTime.h"
#include "SleepInhibitor.h"
#include "StringTable.h"

#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSvgRenderer>

#include <algorithm>

namespace dormivo {

namespace {

const QString kLogo = QStringLiteral(":/artwork/logo-327.svg");

// Converts the window's layout, given in dialog units of its font, to pixels
// the way the dialog templates it was drawn for do.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font) {
        const QFontMetrics fm(font);
        const int width = fm.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        baseX_ = (width / 26 + 1) / 2;
        baseY_ = fm.height();
    }
    int x(int du) const { return du * baseX_ / 4; }
    int y(int du) const { return du * baseY_ / 8; }
    QRect rect(int left, int top, int width, int height) const {
        return QRect(x(left), y(top), x(left + width) - x(left), y(top + height) - y(top));
    }

private:
    int baseX_ = 1;
    int baseY_ = 1;
};

QFont dialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(10);
    return font;
}

} // namespace

CConfirmDlg::CConfirmDlg(CountdownMode mode, std::int64_t target, const Clock& clock,
                         const StringTable& strings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      mode_(mode), target_(target), clock_(clock),
      inhibitor_(std::make_unique<SleepInhibitor>(
          QStringLiteral("A pillow recording runs or is scheduled"))) {
    setObjectName(QStringLiteral("dlg321"));
    setWindowTitle(QString());
    setFont(dialogFont());
    const DialogUnits du(font());
    // The drawn frame and text sit at fixed pixels; the window always holds them.
    setFixedSize(std::max(du.x(319), kFrameRect.right() + 20),
                 std::max(du.y(186), kFrameRect.bottom() + 20));

    caption_ = new QLabel(strings.load(mode == CountdownMode::Schedule ? 521 : 520,
                                       mode == CountdownMode::Schedule ? 64 : 32),
                          this);
    caption_->setObjectName(QStringLiteral("ctl1042"));
    caption_->setGeometry(du.rect(94, 61, 211, 15));

    lampLabel_ = new QLabel(strings.load(519, 16), this);
    lampLabel_->setObjectName(QStringLiteral("ctl1085"));
    lampLabel_->setGeometry(du.rect(25, 46, 38, 8));

    stopButton_ = new QPushButton(strings.load(522, 16), this);
    stopButton_->setObjectName(QStringLiteral("ctl1"));
    stopButton_->setGeometry(du.rect(251, 159, 48, 12));
    stopButton_->setDefault(true);
    connect(stopButton_, &QPushButton::clicked, this, &CConfirmDlg::onStop);

    outerLamp_ = du.rect(24, 18, 29, 28).adjusted(9, 8, -9, -8);
    innerLamp_ = outerLamp_.adjusted(6, 6, -6, -6);
    logoRect_ = du.rect(13, 148, 41, 22);

    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &CConfirmDlg::tick);
    timer_.start();
    rebuildText();
}

CConfirmDlg::~CConfirmDlg() = default;

void CConfirmDlg::rebuildText() {
    countdownText_ = dormivo::countdownText(remainingTime(target_, clock_.now(), mode_));
}

void CConfirmDlg::tick() {
    rebuildText();
    update(kRefreshRect);
    // Only a tick in the target second closes the window; after a missed one
    // it counts on towards the same moment of the next day.
    if (clock_.now() == target_)
        cancel();
}

void CConfirmDlg::cancel() {
    if (closed_)
        return;
    QPointer<CConfirmDlg> self(this);
    emit cancelled();
    if (self)
        closeWindow();
}

void CConfirmDlg::reject() {
    cancel();
}

void CConfirmDlg::onStop() {
    if (closed_)
        return;
    QPointer<CConfirmDlg> self(this);
    emit stopPressed();
    if (self)
        closeWindow();
}

void CConfirmDlg::closeWindow() {
    if (closed_)
        return;
    closed_ = true;
    timer_.stop();
    hide();
}

void CConfirmDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);

    painter.setPen(QPen(QColor(0, 0, 255), 3));
    // Through the corners of the frame rectangle moved in by 2 on every side.
    const int left = kFrameRect.left() + 2;
    const int top = kFrameRect.top() + 2;
    const int right = kFrameRect.left() + kFrameRect.width() - 2;
    const int bottom = kFrameRect.top() + kFrameRect.height() - 2;
    painter.drawPolyline(QPolygon({QPoint(left, top), QPoint(right, top), QPoint(right, bottom),
                                   QPoint(left, bottom), QPoint(left, top)}));

    QFont big = font();
    big.setPixelSize(25);
    big.setWeight(QFont::DemiBold);
    painter.setFont(big);
    painter.setPen(QColor(30, 50, 190));
    painter.drawText(QRect(kTextOrigin, QPoint(width() - 1, kRefreshRect.bottom())),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, countdownText_);

    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(128, 128, 128));
    painter.drawEllipse(outerLamp_);
    painter.setBrush(mode_ == CountdownMode::Schedule ? QColor(192, 192, 192) : QColor(255, 0, 0));
    painter.drawEllipse(innerLamp_);

    if (QFile::exists(kLogo))
        QSvgRenderer(kLogo).render(&painter, logoRect_);
}

} // namespace dormivo
