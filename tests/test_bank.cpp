#include "bank/chapters.h"
#include "bank/question_bank.h"

#include <QRegularExpression>
#include <QTest>

#include <map>
#include <set>

namespace {

const QString crlf = QStringLiteral("\r\n");

const QRegularExpression citation(QStringLiteral("^Study Guide, Chapter (\\d+), page (\\d+)$"));

// The study guide's chapters, first and last page; content.h has the whole contents.
const std::map<int, std::pair<int, int>> chapter_pages = {
    {1, {1, 50}},    {2, {51, 110}},  {3, {111, 176}}, {4, {177, 216}}, {5, {217, 290}},
    {6, {291, 340}}, {7, {341, 400}}, {8, {401, 466}}, {9, {467, 526}}, {10, {527, 596}},
};

// What a question with this many correct choices says at its end.
QString count_asked(int correct)
{
    static const char* const words[] = {"", "", "two", "three", "four", "five", "six"};
    return QStringLiteral("(Choose %1.)").arg(QLatin1String(words[correct]));
}

int line_count(const QString& text)
{
    return static_cast<int>(text.count(crlf)) + 1;
}

int choice_count(const QuestionRecord& record)
{
    int count = 0;
    while (count < 6 && !record.choice_text[static_cast<std::size_t>(count + 1)].isEmpty())
        ++count;
    return count;
}

int correct_count(const QuestionRecord& record)
{
    int count = 0;
    for (std::size_t i = 1; i <= 6; ++i)
        count += record.choice_correct[i];
    return count;
}

using Counts = std::map<int, int>;

} // namespace

class TestBank : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        load_bank();
        QCOMPARE(bank.question_count, 224);
    }

    void records_outside_the_content_stay_empty()
    {
        const QuestionRecord empty;
        QCOMPARE(bank.record(0), empty);
        QCOMPARE(bank.record(bank.question_count + 1), empty);
        QCOMPARE(bank.record(QuestionBank::capacity), empty);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, bank.record(QuestionBank::capacity + 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, bank.record(-1));
    }

    void every_record_keeps_the_record_invariants()
    {
        static const QRegularExpression vendor_names(
            QStringLiteral("\\b(cisco|ccna|ccnp|novell|netware|microsoft|catalyst|juniper|"
                           "dijkstra|bellman)\\b"),
            QRegularExpression::CaseInsensitiveOption);
        // One notation throughout: rates in kbit/s or Mbit/s, ranges as "800 to 899".
        static const QRegularExpression other_notation(
            QStringLiteral("\\b[kMG]bps\\b|(?<![\\w-])\\d+-\\d+(?![\\w-])"));
        const std::set<int> uncited = {2,   21,  24,  32,  33,  34,  47,  52,  63,  66,
                                       70,  74,  76,  80,  90,  91,  106, 112, 115, 129,
                                       134, 138, 148, 161, 179, 183, 189, 205};
        std::set<int> chapters;
        for (int n = 1; n <= 224; ++n) {
            const QuestionRecord& record = bank.record(n);
            const QByteArray where = QByteArray::number(n);
            const int choices = choice_count(record);
            QVERIFY2(choices >= 5, where);
            std::set<QString> distinct;
            for (std::size_t i = 0; i <= 6; ++i) {
                const QString& text = record.choice_text[i];
                const bool filled = i >= 1 && static_cast<int>(i) <= choices;
                QCOMPARE(text.isEmpty(), !filled);
                QVERIFY(record.choice_correct[i] == 0 || (filled && record.choice_correct[i] == 1));
                if (!filled)
                    continue;
                // Short single lines with no outer spaces, none repeated within a question.
                QVERIFY2(text.size() <= 96 && !text.contains(QLatin1Char('\r')) &&
                             !text.contains(QLatin1Char('\n')),
                         where);
                QVERIFY2(!text.startsWith(QLatin1Char(' ')) && !text.endsWith(QLatin1Char(' ')),
                         where);
                QVERIFY2(distinct.insert(text).second, where);
            }
            QVERIFY(correct_count(record) >= 1);
            QCOMPARE(record.question_type, QStringLiteral("single_answer"));
            QVERIFY(record.clue.isEmpty() && record.answer_note.isEmpty());
            for (std::size_t i = 0; i <= 3; ++i)
                QVERIFY(record.diagram_file[i].isEmpty() && record.exhibit_file[i].isEmpty());

            const QString& question = record.question_text;
            const QString& explanation = record.explanation;
            QVERIFY2(question.size() >= 30 && question.size() <= 325, where);
            QVERIFY2(explanation.size() >= 44 && explanation.size() <= 381, where);
            for (const QString* text : {&question, &explanation})
                QVERIFY2(!text->startsWith(crlf) && !text->endsWith(crlf), where);
            // A citation is never the whole explanation, and its page lies in its chapter, which
            // the record is scored under; the records that cite nothing are filed by hand.
            const int chapter = built_in_chapter(n, record);
            chapters.insert(chapter);
            const auto cited = citation.match(explanation.section(crlf, 0, 0));
            QCOMPARE(cited.hasMatch(), uncited.count(n) == 0);
            if (cited.hasMatch()) {
                QVERIFY2(line_count(explanation) > 1, where);
                const auto pages = chapter_pages.find(cited.captured(1).toInt());
                const int page = cited.captured(2).toInt();
                QVERIFY2(pages != chapter_pages.end() && page >= pages->second.first &&
                             page <= pages->second.second && chapter == pages->first,
                         where);
            }
            // Several correct choices: the question says how many, or, where one text serves
            // records of different counts, to choose all that apply. One: it asks for no count.
            const int correct = correct_count(record);
            const bool all_that_apply =
                question.endsWith(QLatin1String("(Choose all that apply.)"));
            if (correct == 1)
                QVERIFY2(all_that_apply || !question.contains(QLatin1String("(Choose")), where);
            else
                QVERIFY2(all_that_apply || question.endsWith(count_asked(correct)), where);
            // The content names no vendor or product.
            QString all = question + explanation;
            for (const QString& choice : record.choice_text)
                all += QLatin1Char(' ') + choice;
            QVERIFY2(!vendor_names.match(all).hasMatch(), where);
            QVERIFY2(!other_notation.match(all).hasMatch(), where);
        }
        QCOMPARE(chapters, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        QCOMPARE(chapter_title(3), QStringLiteral("Chapter 3: IP addressing and subnetting"));
    }

    void the_bank_holds_the_planned_mix()
    {
        Counts choices, correct, question_lines, explanation_lines;
        std::map<int, Counts> choices_per_quiz, correct_per_quiz;
        std::map<QChar, int> single_positions;
        // A text keyed twice in one quiz lets one question give the other's answer away.
        std::map<int, std::set<QString>> keyed_per_quiz;
        int questions_with_empty_line = 0, explanations_with_empty_line = 0;
        std::map<QString, std::set<std::array<QString, 7>>> choice_sets_by_question;
        for (int n = 1; n <= 224; ++n) {
            const QuestionRecord& record = bank.record(n);
            choice_sets_by_question[record.question_text].insert(record.choice_text);
            const int quiz = (n - 1) % 4 + 1;
            ++choices[choice_count(record)];
            ++correct[correct_count(record)];
            ++choices_per_quiz[quiz][choice_count(record)];
            ++correct_per_quiz[quiz][correct_count(record)];
            for (std::size_t i = 1; i <= 6; ++i) {
                if (record.choice_correct[i] == 1)
                    QVERIFY2(keyed_per_quiz[quiz].insert(record.choice_text[i]).second,
                             qPrintable(record.choice_text[i]));
                if (correct_count(record) == 1 && record.choice_correct[i] == 1)
                    ++single_positions[QChar(u'A' + static_cast<int>(i) - 1)];
            }
            ++question_lines[line_count(record.question_text)];
            ++explanation_lines[line_count(record.explanation)];
            questions_with_empty_line += record.question_text.contains(crlf + crlf) ? 1 : 0;
            explanations_with_empty_line += record.explanation.contains(crlf + crlf) ? 1 : 0;
        }
        QCOMPARE(choices, (Counts{{5, 131}, {6, 93}}));
        QCOMPARE(correct, (Counts{{1, 198}, {2, 15}, {3, 6}, {4, 4}, {5, 1}}));
        QCOMPARE(single_positions,
                 (std::map<QChar, int>{
                     {u'A', 37}, {u'B', 46}, {u'C', 37}, {u'D', 47}, {u'E', 29}, {u'F', 2}}));
        // Every quiz mixes five- and six-choice questions with several answer counts.
        for (int quiz = 1; quiz <= 4; ++quiz)
            QVERIFY(choices_per_quiz[quiz].size() == 2 && correct_per_quiz[quiz].size() >= 3);
        QCOMPARE(question_lines, (Counts{{1, 217}, {2, 3}, {3, 3}, {6, 1}}));
        QCOMPARE(
            explanation_lines,
            (Counts{{1, 4}, {2, 82}, {3, 56}, {4, 37}, {5, 20}, {6, 11}, {7, 9}, {8, 4}, {13, 1}}));
        QCOMPARE(questions_with_empty_line, 1);
        QCOMPARE(explanations_with_empty_line, 1);
        // Six question texts are asked up to four times, each time with other choices.
        std::size_t asked = 0, shared = 0;
        for (const auto& [text, choice_sets] : choice_sets_by_question) {
            asked += choice_sets.size();
            shared += choice_sets.size() > 1 ? 1 : 0;
            QVERIFY2(choice_sets.size() <= 4, qPrintable(text));
        }
        QCOMPARE(asked, 224U);
        QCOMPARE(shared, 6U);
    }
};

QTEST_APPLESS_MAIN(TestBank)
#include "test_bank.moc"
