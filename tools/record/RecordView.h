#pragma once

#include "LinkView.h"
#include "RecordEvents.h"

#include <cstdio>

namespace dormivo::record {

// The recorder's stand-in for the monitoring page: the lamp becomes a line
// on stderr and an event for the main thread; the rest has nothing to show.
class RecordView final : public LinkView {
public:
    explicit RecordView(RecordEvents& events) : events_(events) {}

    void setUsbLamp(int lamp) override {
        if (lamp == lamp_ || lamp == 0) {
            return;
        }
        lamp_ = lamp;
        const bool up = lamp == 2;
        std::fputs(up ? "dormivo-record: link up\n" : "dormivo-record: link down\n", stderr);
        events_.post(up ? RecordEvents::Event::LinkUp : RecordEvents::Event::LinkDown);
    }
    void setLampLabelText(std::string_view) override {}
    void restyleStartButton() override {}
    void refreshMonitorCells() override {}

private:
    RecordEvents& events_;
    int lamp_ = 0;
};

} // namespace dormivo::record
