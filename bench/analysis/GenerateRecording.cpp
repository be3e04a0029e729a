// Writes a large recording for the analysis benchmark:
//   analysis_bench_generate PATH [MIB]   (default 1024 MiB)
#include "RecordingGenerator.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: analysis_bench_generate PATH [MIB]\n");
        return 64;
    }
    const long mib = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 1024;
    if (mib <= 0) {
        std::fprintf(stderr, "analysis_bench_generate: MIB must be a positive number\n");
        return 64;
    }
    if (!dormivo::bench::generateRecording(argv[1], static_cast<std::int64_t>(mib) << 20)) {
        std::fprintf(stderr, "analysis_bench_generate: cannot write %s\n", argv[1]);
        return 2;
    }
    return 0;
}
