// The JSON reader, through the check that holds it: size, UTF-8, the format's detection and the
// side files' paths, which are taken from a folder of the fuzzer's own.
#include "bank/bank_file.h"
#include "bank/question_bank.h"

#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QTemporaryDir folder;
    const BankFileCheck check = check_bank_bytes(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
        folder.filePath(QStringLiteral("bank.json")));
    if (check.content.has_value() == !check.problems.empty())
        std::abort();
    if (check.content && !divides_into_quizzes(static_cast<int>(check.content->records.size())))
        std::abort();
    return 0;
}
