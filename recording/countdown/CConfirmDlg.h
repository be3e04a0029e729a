#pragma once

#include "PageView.h"

#include <QDialog>
#include <QRect>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <memory>

class QLabel;
class QPushButton;

namespace dormivo {

class Clock;
class SleepInhibitor;
class StringTable;

// The small always-on-top countdown window: the time left until a schedule
// starts or a recording ends, and the one STOP for either. While the object
// exists the computer does not go to sleep.
class CConfirmDlg : public QDialog {
    Q_OBJECT
public:
    CConfirmDlg(CountdownMode mode, std::int64_t target, const Clock& clock,
                const StringTable& strings, QWidget* parent = nullptr);
    ~CConfirmDlg() override;

    CountdownMode mode() const { return mode_; }
    std::int64_t target() const { return target_; }
    const QString& countdownText() const { return countdownText_; }

    // Timer 1250's work: a new remaining time, and the close at the target second.
    void tick();
    // Closes the window; the recording or schedule goes on.
    void cancel();

    // Fixed client pixels of the drawing.
    static constexpr QRect kFrameRect{295, 168, 147, 44};
    static constexpr QRect kRefreshRect{190, 168, 252, 44};
    static constexpr QPoint kTextOrigin{192, 173};

signals:
    // STOP was pressed; the window closes itself right after.
    void stopPressed();
    // Escape, the target second, or cancel().
    void cancelled();

protected:
    void paintEvent(QPaintEvent* event) override;
    // Escape and the window manager's close both cancel.
    void reject() override;

private:
    void onStop();
    void closeWindow();
    void rebuildText();

    const CountdownMode mode_;
    const std::int64_t target_;
    const Clock& clock_;
    std::unique_ptr<SleepInhibitor> inhibitor_;
    QString countdownText_;
    QLabel* caption_ = nullptr;
    QLabel* lampLabel_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QRect outerLamp_;
    QRect innerLamp_;
    QRect logoRect_;
    QTimer timer_;
    bool closed_ = false;
};

} // namespace dormivo
