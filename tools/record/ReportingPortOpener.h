#pragma once

#include "SerialPort.h"

#include <cstdio>

namespace dormivo::record {

// Says on a stream which port was opened, and, once, that a port was refused
// for lack of permission: a grey lamp alone would leave the user guessing.
class ReportingPortOpener final : public PortOpener {
public:
    ReportingPortOpener(PortOpener& inner, std::FILE* out) : inner_(inner), out_(out) {}

    PortOpenResult open(const std::string& name) override {
        PortOpenResult result = inner_.open(name);
        if (result.port) {
            std::fprintf(out_, "dormivo-record: port %s opened\n", name.c_str());
        } else if (result.failure == OpenFailure::PermissionDenied && !toldPermission_) {
            toldPermission_ = true;
            std::fprintf(out_,
                         "dormivo-record: permission to open %s refused; add the user to the "
                         "dialout group (sudo usermod -aG dialout $USER) and log in again\n",
                         name.c_str());
        }
        return result;
    }

private:
    PortOpener& inner_;
    std::FILE* out_;
    bool toldPermission_ = false;
};

} // namespace dormivo::record
