#include "Scenario.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace dormivo::sim {

namespace {

// A night told as a chain of phases: the sleeper rests, snores (the pillow
// answers with its gentle actions 1-3 and, when the snoring goes on, with
// its strong actions 4-5), and now and then turns the head or lifts it.
class NightScenario final : public Scenario {
public:
    // A short rest first, then snoring, so even a short demo shows the pillow at work.
    explicit NightScenario(unsigned seed) : rng_(seed) {
        current_ = makeRest(0.0);
        current_.duration = uniform(2, 4);
    }

    SimStep at(double seconds) override {
        while (seconds >= current_.start + current_.duration) {
            current_ = following(current_);
        }
        const double into = seconds - current_.start;
        const double u = into / current_.duration;
        SimStep step;
        double head = current_.headFrom;
        switch (current_.kind) {
        case Kind::Rest:
            break;
        case Kind::Move: {
            const double eased = u * u * (3 - 2 * u);
            head = current_.headFrom + (current_.headTo - current_.headFrom) * eased;
            if (current_.lifted && u > 0.3 && u < 0.7) {
                return step;
            }
            break;
        }
        case Kind::Snore:
            step.values.snoreLevel = snoreLevel(into, u);
            step.values.actionState = action(into, u);
            break;
        }
        step.values.sensorMask = headMask(head, current_.width);
        return step;
    }

private:
    enum class Kind { Rest, Snore, Move };
    struct Phase {
        Kind kind = Kind::Rest;
        double start = 0;
        double duration = 1;
        double headFrom = 5.5;
        double headTo = 5.5;
        int width = 3;
        int peak = 0;
        bool strong = false;
        bool lifted = false;
    };

    double uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(rng_); }
    bool chance(double p) { return uniform(0, 1) < p; }

    Phase makeRest(double start) {
        Phase p;
        p.kind = Kind::Rest;
        p.start = start;
        p.duration = uniform(8, 20);
        p.headFrom = p.headTo = current_.headTo;
        p.width = chance(0.5) ? 3 : 4;
        return p;
    }

    Phase following(const Phase& done) {
        const double start = done.start + done.duration;
        if (done.kind == Kind::Snore || (done.kind == Kind::Move && !chance(0.3))) {
            return makeRest(start);
        }
        Phase p = makeRest(start);
        if (done.kind == Kind::Rest && done.start > 0 && chance(0.4)) {
            p.kind = Kind::Move;
            p.duration = uniform(4, 8);
            do {
                p.headTo = uniform(1.5, 10.5);
            } while (std::abs(p.headTo - p.headFrom) < 2);
            p.lifted = chance(0.3);
            return p;
        }
        p.kind = Kind::Snore;
        p.duration = uniform(20, 40);
        p.peak = std::uniform_int_distribution<>(3, 5)(rng_);
        p.strong = chance(0.5);
        return p;
    }

    // Snores come with the breath, rising and falling over the episode.
    std::uint8_t snoreLevel(double into, double u) const {
        const double envelope = current_.peak * std::sin(std::numbers::pi * u);
        const bool inhaling = std::fmod(into, 3.5) < 2.0;
        if (inhaling) {
            return static_cast<std::uint8_t>(std::clamp(std::lround(envelope), 1L, 5L));
        }
        return envelope > 2 ? 1 : 0;
    }

    std::uint8_t action(double into, double u) const {
        if (current_.strong && u >= 0.5 && u < 0.85) {
            return static_cast<std::uint8_t>(4 + static_cast<int>(into * 1.5) % 2);
        }
        if (u >= 0.25 && u < 0.85) {
            return static_cast<std::uint8_t>(1 + static_cast<int>(into * 2) % 3);
        }
        return 0;
    }

    // The sensors under a head centred at the given cell, as one run of bits.
    static std::uint16_t headMask(double centre, int width) {
        const int first = static_cast<int>(std::lround(centre - width / 2.0));
        std::uint16_t mask = 0;
        for (int cell = first; cell < first + width; ++cell) {
            if (cell >= 0 && cell < 12) {
                mask |= static_cast<std::uint16_t>(1u << cell);
            }
        }
        return mask;
    }

    std::mt19937 rng_;
    Phase current_;
};

} // namespace

std::unique_ptr<Scenario> makeNightScenario(unsigned seed) {
    return std::make_unique<NightScenario>(seed);
}

} // namespace dormivo::sim
