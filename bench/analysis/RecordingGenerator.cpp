#include "RecordingGenerator.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace dormivo::bench {

namespace {

constexpr int kLinesPerSecond = 10;
constexpr std::size_t kFlushAt = std::size_t{1} << 20;

// A small fixed generator, so every run writes the same file.
class Random {
public:
    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

private:
    std::uint32_t state_ = 2463534242u;
};

bool isLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysIn(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : days[m - 1];
}

void twoDigits(std::string& out, int v) {
    out += static_cast<char>('0' + v / 10);
    out += static_cast<char>('0' + v % 10);
}

// A night of snoring spells, pillow actions and sleeper movement, so the
// reader meets every kind of line it meets in real recordings.
class NightWriter {
public:
    explicit NightWriter(Random& random) : random_(random) {}

    void write(std::string& out, int line, int secondOfDay) {
        if (line % 600 == 0)
            nextMinute();
        const int s = secondOfDay % 86400;
        out += '[';
        twoDigits(out, s / 3600);
        out += ':';
        twoDigits(out, s / 60 % 60);
        out += ':';
        twoDigits(out, s % 60);
        out += "]:[";
        const bool snoring = snoring_ && random_.next() % 4 != 0;
        out += static_cast<char>('0' + (snoring ? 1 + random_.next() % 5 : 0));
        out += "][";
        char mask[8];
        std::snprintf(mask, sizeof mask, "%x", mask_);
        out += mask;
        out += "][";
        out += static_cast<char>('0' + action_);
        out += "]\r\n";
    }

private:
    void nextMinute() {
        const std::uint32_t r = random_.next();
        snoring_ = r % 5 == 0;
        action_ = snoring_ && r % 3 == 0 ? 1 + r % 3 : 0;
        if (r % 7 == 0)
            mask_ = random_.next() % 0x1000;
        if (r % 97 == 0)
            mask_ = 0;
    }

    Random& random_;
    bool snoring_ = false;
    int action_ = 0;
    unsigned mask_ = 0x1f0;
};

} // namespace

bool generateRecording(const std::string& path, std::int64_t targetBytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    Random random;
    std::string out = "Remarks:generated for the analysis benchmark\r\n";
    std::int64_t written = 0;
    int year = 2013;
    int month = 1;
    int day = 1;
    bool ok = true;
    while (ok && written + static_cast<std::int64_t>(out.size()) < targetBytes) {
        char header[64];
        std::snprintf(header, sizeof header, "TAMOSTART:[%4d-%02d-%02d 22:00:00][1][1]\r\n", year,
                      month, day);
        out += header;
        NightWriter night(random);
        for (int line = 0; line < kNightLines; ++line) {
            night.write(out, line, 22 * 3600 + line / kLinesPerSecond);
            if (out.size() >= kFlushAt) {
                ok = ok && std::fwrite(out.data(), 1, out.size(), file) == out.size();
                written += static_cast<std::int64_t>(out.size());
                out.clear();
            }
        }
        if (++day > daysIn(year, month)) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    ok = ok && std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && ok;
}

} // namespace dormivo::bench
