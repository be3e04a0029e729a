#pragma once

#include "LocalTime.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace dormivo {

// The date a night's label names: year at characters 1 to 4, month at 6 and 7,
// day at 9 and 10. Nothing when those are not digits or name no day of the
// local calendar; such a night is refused rather than dated at random.
std::optional<LocalDateTime> labelDate(std::string_view label);

// Dates the samples of one night. Sample lines carry only a time of day: the
// date starts as the label's and moves on by one day at the first sample
// stamped 00:00 after a sample stamped 23:59.
//
// A night holds up to hundreds of thousands of samples, so the local-time
// conversions are cached: the date check only reruns when the date changes,
// and an hour whose 3600 seconds are all regular local time is converted once,
// its seconds added by arithmetic. Hours with a daylight-saving change in them
// are converted sample by sample, so the system's answer is kept throughout.
class SampleDating {
public:
    explicit SampleDating(const LocalDateTime& nightDate);

    // Puts into t the seconds since 1970 of the sample stamped
    // hour:minute:second. False when the system cannot name that local time:
    // the sample is then left out and the state stays as it was.
    bool MakeSampleTime(int hour, int minute, int second, std::int64_t& t) {
        // Most samples fall into the hour of the sample before: one addition.
        if (hour == quickHour_ && !(hour == 0 && minute == 0 && dayRollState_ == 0)) {
            if (hour == 23 && minute == 59)
                dayRollState_ = 0;
            t = hourBase_ + minute * 60 + second;
            return true;
        }
        return convert(hour, minute, second, t);
    }

    const LocalDateTime& runningDate() const { return runningDate_; }
    // -1 at the start, 0 once 23:59 has been seen, 1 once the date moved on.
    int dayRollState() const { return dayRollState_; }

private:
    bool convert(int hour, int minute, int second, std::int64_t& t);
    std::optional<LocalDateTime> dateAfter(const LocalDateTime& date, std::int64_t addSeconds);
    std::optional<std::int64_t> timeOfDay(const LocalDateTime& date, int hour, int minute,
                                          int second);

    LocalDateTime runningDate_;
    int dayRollState_ = -1;

    bool haveSameDay_ = false;
    LocalDateTime sameDayKey_;
    LocalDateTime sameDayValue_;

    std::int64_t hourKey_ = -1;
    std::int64_t hourBase_ = 0; // the hour's hh:00:00
    bool hourRegular_ = false;
    // The hour whose samples need no more than an addition: its date is the
    // running date and stays so, and the hour is regular. -1 when none.
    int quickHour_ = -1;
};

} // namespace dormivo
