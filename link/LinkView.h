#pragma once

#include <string_view>

namespace dormivo {

// What the link worker may change on the monitoring page. Every call comes
// from the worker thread; an implementation only records the wish and lets
// the user-interface thread carry it out.
class LinkView {
public:
    virtual ~LinkView() = default;
    // 0 lamp not drawn, 1 grey, 2 green.
    virtual void setUsbLamp(int lamp) = 0;
    virtual void setLampLabelText(std::string_view text) = 0;
    // Re-apply the START/STOP button's style and repaint it for the new link state.
    virtual void restyleStartButton() = 0;
    // Repaint the snoring rows and sensor cells from the live sample.
    virtual void refreshMonitorCells() = 0;
};

// The lamp label shown on every entry into a not-connected state.
inline constexpr std::string_view kUsbLabelText = "   USB";

} // namespace dormivo
