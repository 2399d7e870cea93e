// Reads or refuses one bank file, as `orlin-quiz --check` does, then prints its own peak memory
// in KiB. The kernel's count for a child also holds what its parent had when it started it.
#include "bank/bank_file.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    check_bank_file(QString::fromLocal8Bit(argv[1]));
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:"))
            std::printf("%ld\n", std::stol(line.substr(6)));
    }
    return 0;
}
