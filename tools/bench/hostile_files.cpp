#include "hostile_files.h"

#include "bank/bank_file.h"

std::vector<HostileFile> hostile_files()
{
    return {
        {"GIFT, one question of <a", "tags.gift", "", "<a", " {=a ~b}"},
        {"GIFT, one question of &a", "entities.gift", "", "&a", " {=a ~b}"},
        {"GIFT, one question of {}", "braces.gift", "Q ", "{}", ""},
        {"GIFT, one question of answers ~a", "answers.gift", "Pick. {", "~a", "}"},
        {"GIFT, one question of backslashes", "backslashes.gift", "", "\\", " {=a ~b}"},
        {"GIFT, questions a{}", "essays.gift", "", "a{}\n\n", ""},
        {"GIFT, line breaks", "lines.gift", "", "\n", ""},
        {"Aiken, one question of choice lines", "choices.txt", "Q?\n", "A. a\n", "ANSWER: A\n"},
        {"Aiken, questions", "questions.txt", "", "Q?\nA. a\nB. b\nANSWER: A\n\n", ""},
        {"JSON, empty records", "records.json", "{\"records\":[", "{},", "{}]}"},
        {"JSON, one record of fields", "fields.json", "{\"records\":[{", "\"a\":0,", "\"b\":0}]}"},
    };
}

QByteArray hostile_bytes(const HostileFile& file)
{
    const qsizetype room = max_bank_file_size - file.head.size() - file.tail.size();
    return file.head + file.unit.repeated(room / file.unit.size()) + file.tail;
}
