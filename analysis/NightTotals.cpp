#include "NightTotals.h"

#include <cstdio>

namespace dormivo {

namespace {

constexpr int kMaxSupposableBuckets = 20;

// Rounds a percentage the page's way: to single precision first, then half up.
float roundPercent(double quotient) {
    const float x = static_cast<float>(quotient * 100.0);
    return static_cast<float>(static_cast<int>(static_cast<double>(x) + 0.5));
}

std::string seconds(int value) {
    char text[24];
    std::snprintf(text, sizeof text, "%ds", value);
    return text;
}

std::string percent(float value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.0f%%", static_cast<double>(value));
    return text;
}

} // namespace

NightTotals ComputeNightTotals(const NightBuckets& night, int rangeStart, int rangeEnd) {
    NightTotals totals;
    const int n = rangeEnd - rangeStart;
    // Positions 0 .. n - 1 are read; a range outside the slots finds nothing.
    if (n - 1 <= 1 || rangeStart < 0 || rangeEnd > kBucketSlots)
        return totals;
    const auto L = [&](int i) { return night.snoreLevels[rangeStart + i]; };
    const auto A = [&](int i) { return night.actionStates[rangeStart + i]; };

    int run = 0;
    int snoreBuckets = 0;
    int actionBuckets = 0;
    int supposableBuckets = 0;
    for (int i = 1; i < n - 1; ++i) {
        if (L(i) > 5) {
            run = 0;
            continue;
        }
        if (L(i) > 0) {
            ++run;
            totals.totalSnoringTime += kBucketSeconds;
        } else {
            run = 0;
        }
        if (!(L(i) > 0 && L(i + 1) == 0 && (A(i) != 0 || A(i - 1) != 0)))
            continue;
        const int snore = run;
        run = 0;
        const int action = A(i);
        int j = 0;
        while (L(i + 1) == 0 && A(i + 1) == action) {
            ++i;
            ++j;
            if (i == n - 1)
                break;
        }
        int off = 0;
        if (i < n - 1 && j < 2 && L(i + 1) == 0) {
            for (int k = i + 1; k <= n - 2 && off < kMaxSupposableBuckets && L(k) == 0; ++k)
                ++off;
        }
        snoreBuckets += snore;
        actionBuckets += snore + j;
        supposableBuckets += off;
    }
    if (snoreBuckets == 0)
        return totals;
    totals.actualSnoringTime = kBucketSeconds * snoreBuckets;
    totals.actionTime = kBucketSeconds * actionBuckets;
    totals.supposableTime = kBucketSeconds * supposableBuckets;
    totals.totalsValid = true;
    totals.erPercent = roundPercent(
        static_cast<double>(totals.actionTime - totals.actualSnoringTime) / totals.actionTime);
    const int withSupposable = totals.actionTime + totals.supposableTime;
    totals.eisPercent = roundPercent(
        static_cast<double>(withSupposable - totals.actualSnoringTime) / withSupposable);
    return totals;
}

TotalsTexts totalsTexts(const NightTotals& totals) {
    if (!totals.totalsValid)
        return {seconds(totals.totalSnoringTime), "NA", "NA", "NA", "NA"};
    return {seconds(totals.actualSnoringTime), seconds(totals.actionTime),
            seconds(totals.supposableTime), percent(totals.erPercent), percent(totals.eisPercent)};
}

} // namespace dormivo
