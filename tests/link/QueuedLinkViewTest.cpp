#include "QueuedLinkView.h"
#include "LinkFakes.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace dormivo::test {
namespace {

// Notes each call together with the thread it ran on.
class ThreadNotingView final : public LinkView {
public:
    void setUsbLamp(int lamp) override { note("lamp " + std::to_string(lamp)); }
    void setLampLabelText(std::string_view text) override {
        note("label [" + std::string(text) + "]");
    }
    void restyleStartButton() override { note("restyle"); }
    void refreshMonitorCells() override { note("refresh"); }

    std::vector<std::string> calls;
    bool allOnMainThread = true;

private:
    void note(std::string call) {
        calls.push_back(std::move(call));
        allOnMainThread &= std::this_thread::get_id() == mainThread_;
    }
    std::thread::id mainThread_ = std::this_thread::get_id();
};

void callFromWorkerThread(LinkView& view) {
    std::thread worker([&view] {
        view.setUsbLamp(2);
        view.restyleStartButton();
        view.setLampLabelText(kUsbLabelText);
        view.refreshMonitorCells();
    });
    worker.join();
}

class QueuedLinkViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "link_tests";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) {
            app_ = new QCoreApplication(argc, argv);
        }
    }
    static inline QCoreApplication* app_ = nullptr;
};

TEST_F(QueuedLinkViewTest, CallsRunLaterInOrderOnThePageThread) {
    QObject page;
    ThreadNotingView target;
    QueuedLinkView view(page, target);
    callFromWorkerThread(view);
    EXPECT_TRUE(target.calls.empty()) << "nothing runs on the worker thread";
    QCoreApplication::processEvents();
    EXPECT_EQ(target.calls,
              (std::vector<std::string>{"lamp 2", "restyle", "label [   USB]", "refresh"}));
    EXPECT_TRUE(target.allOnMainThread);
}

TEST_F(QueuedLinkViewTest, CallsPendingForAPageThatIsGoneAreDropped) {
    auto page = std::make_unique<QObject>();
    ThreadNotingView target;
    QueuedLinkView view(*page, target);
    callFromWorkerThread(view);
    page.reset();
    QCoreApplication::processEvents();
    EXPECT_TRUE(target.calls.empty());
}

} // namespace
} // namespace dormivo::test
