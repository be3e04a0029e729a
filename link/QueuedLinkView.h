#pragma once

#include "LinkView.h"

#include <QMetaObject>
#include <QObject>

#include <string>

namespace dormivo {

// Carries the link worker's calls over to the page's thread: each call is
// posted as a queued call on the context object (normally the page itself)
// and runs there on the target. Calls still queued when the context is
// destroyed are dropped with it, so none reaches a page that is gone; the
// page stops and waits for the worker before it goes, so no call is posted
// after that either.
class QueuedLinkView final : public LinkView {
public:
    QueuedLinkView(QObject& context, LinkView& target) : context_(context), target_(target) {}

    void setUsbLamp(int lamp) override {
        post([&target = target_, lamp] { target.setUsbLamp(lamp); });
    }
    void setLampLabelText(std::string_view text) override {
        post([&target = target_, copy = std::string(text)] { target.setLampLabelText(copy); });
    }
    void restyleStartButton() override {
        post([&target = target_] { target.restyleStartButton(); });
    }
    void refreshMonitorCells() override {
        post([&target = target_] { target.refreshMonitorCells(); });
    }

private:
    template <typename Call> void post(Call call) {
        QMetaObject::invokeMethod(&context_, std::move(call), Qt::QueuedConnection);
    }

    QObject& context_;
    LinkView& target_;
};

} // namespace dormivo
