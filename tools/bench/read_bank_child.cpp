// Reads or refuses one bank file, as `orlin-quiz --check` does; the bench times it and takes its
// peak memory from outside.
#include "bank/bank_file.h"

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    check_bank_file(QString::fromLocal8Bit(argv[1]));
    return 0;
}
