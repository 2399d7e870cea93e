// The Aiken reader, and the test that tells Aiken from GIFT, on any text.
#include "bank/aiken_file.h"
#include "sound_records.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    looks_like_aiken(text);
    expect_sound(read_aiken(text));
    return 0;
}
