#include "hostile_files.h"

#include "bank/bank_file.h"

std::vector<HostileFile> hostile_files()
{
    // A Moodle XML file opens its quiz, a question of it, or the question's text.
    const QByteArray quiz = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n";
    const QByteArray question = quiz + "<question type=\"multichoice\">";
    const QByteArray text = question + "<questiontext format=\"html\"><text>";
    const QByteArray end = "</question></quiz>\n";
    const QByteArray end_text = "</text></questiontext>" + end;
    return {
        {"GIFT, one question of <a", "tags.gift", "", "<a", " {=a ~b}"},
        {"GIFT, one question of &a", "entities.gift", "", "&a", " {=a ~b}"},
        {"GIFT, one question of {}", "braces.gift", "Q ", "{}", ""},
        {"GIFT, one question of answers ~a", "answers.gift", "Pick. {", "~a", "}"},
        {"GIFT, one question of backslashes", "backslashes.gift", "", "\\", " {=a ~b}"},
        {"GIFT, one question of \\n", "breaks.gift", "", "\\n", " {=a ~b}"},
        {"GIFT, questions a{}", "essays.gift", "", "a{}\n\n", ""},
        {"GIFT, line breaks", "lines.gift", "", "\n", ""},
        {"Aiken, one question of choice lines", "choices.txt", "Q?\n", "A. a\n", "ANSWER: A\n"},
        {"Aiken, questions", "questions.txt", "", "Q?\nA. a\nB. b\nANSWER: A\n\n", ""},
        {"JSON, one text of \\n", "breaks.json", "{\"records\":[{\"question_text\":\"", "\\n",
         "\"}]}"},
        {"JSON, one side file path of a/", "sidepath.json", "{\"records\":[{\"exhibit_file\":[\"",
         "a/", "\",\"\",\"\"]}]}"},
        {"JSON, empty records", "records.json", "{\"records\":[", "{},", "{}]}"},
        {"JSON, one record of fields", "fields.json", "{\"records\":[{", "\"a\":0,", "\"b\":0}]}"},
        {"XML, one question of empty elements", "elements.xml", question, "<a/>", end},
        {"XML, elements nested ever deeper", "nesting.xml", question, "<a>", ""},
        {"XML, one question of attributes", "attributes.xml", question, "<a b=''/>", end},
        {"XML, one attribute of &amp;", "attribute.xml", question + "<a b='", "&amp;", "'/>" + end},
        {"XML, one text of a", "text.xml", text, "a", end_text},
        {"XML, one text of &amp;", "references.xml", text, "&amp;", end_text},
        {"XML, one text of CDATA sections", "cdata.xml", text, "<![CDATA[a]]>", end_text},
        {"XML, one HTML text of <br>", "breaks.xml", text + "<![CDATA[", "a<br>", "]]>" + end_text},
        {"XML, comments", "comments.xml", quiz, "<!---->", "</quiz>\n"},
        {"XML, processing instructions", "instructions.xml", quiz, "<?a?>", "</quiz>\n"},
        {"XML, matching questions", "matching.xml", quiz, "<question type='matching'/>",
         "</quiz>\n"},
        {"XML, categories", "categories.xml", quiz, "<question type='category'/>", "</quiz>\n"},
        {"XML, one category path", "path.xml",
         quiz + "<question type='category'><category><text>$course$/", "a/",
         "</text></category></question></quiz>\n"},
    };
}

QByteArray hostile_bytes(const HostileFile& file)
{
    const qsizetype room = max_bank_file_size - file.head.size() - file.tail.size();
    return file.head + file.unit.repeated(room / file.unit.size()) + file.tail;
}
