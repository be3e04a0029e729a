// Takes the single-instance lock at argv[1], prints "locked" or "refused",
// and with "hold" keeps it until its standard input closes.
#include "SingleInstance.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 64;
    dormivo::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    const bool ok = instance.acquire();
    std::printf("%s\n", ok ? "locked" : "refused");
    std::fflush(stdout);
    if (ok && argc > 2 && std::strcmp(argv[2], "hold") == 0) {
        std::string line;
        std::getline(std::cin, line);
    }
    return ok ? 0 : 1;
}
