// The Moodle XML reader on any text; it stops one question past the largest usable bank.
#include "bank/question_bank.h"
#include "bank/xml_file.h"
#include "sound_records.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    looks_like_xml(text);
    const XmlQuestions read = read_xml(text);
    expect_sound(read.questions);
    if (read.questions.question_count > max_question_count + 1)
        std::abort();
    return 0;
}
