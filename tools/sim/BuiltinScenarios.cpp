#include "Scenario.h"

namespace dormivo::sim {

namespace {

class QuietScenario final : public Scenario {
public:
    SimStep at(double) override {
        SimStep step;
        step.values.sensorMask = 0x0F0;
        return step;
    }
};

class CutOff final : public Scenario {
public:
    CutOff(std::unique_ptr<Scenario> inner, double seconds, SimStep::Kind after)
        : inner_(std::move(inner)), seconds_(seconds), after_(after) {}
    SimStep at(double seconds) override {
        if (seconds >= seconds_) {
            return {after_, {}};
        }
        return inner_->at(seconds);
    }

private:
    std::unique_ptr<Scenario> inner_;
    double seconds_;
    SimStep::Kind after_;
};

} // namespace

std::unique_ptr<Scenario> makeQuietScenario() {
    return std::make_unique<QuietScenario>();
}

std::unique_ptr<Scenario> makeSilentAfter(std::unique_ptr<Scenario> inner, double seconds) {
    return std::make_unique<CutOff>(std::move(inner), seconds, SimStep::Kind::Silent);
}

std::unique_ptr<Scenario> makeUnplugAfter(std::unique_ptr<Scenario> inner, double seconds) {
    return std::make_unique<CutOff>(std::move(inner), seconds, SimStep::Kind::Unplug);
}

} // namespace dormivo::sim
