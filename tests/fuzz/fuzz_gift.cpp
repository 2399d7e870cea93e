// The GIFT reader on any text.
#include "bank/gift_file.h"
#include "sound_records.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    expect_sound(read_gift(text));
    return 0;
}
