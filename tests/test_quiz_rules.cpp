#include "bank/question_bank.h"
#include "quiz/exhibit_text.h"
#include "quiz/quiz_rules.h"

#include <QTest>

#include <cmath>
#include <tuple>

namespace {

// Choices are given by text; correct is the letters of the flags set to 1 ("BD").
QuestionRecord make_record(const QStringList& choices, const QString& correct,
                           const QString& type = QStringLiteral("single_answer"))
{
    QuestionRecord record;
    record.question_text = QStringLiteral("Which one?");
    for (qsizetype i = 0; i < choices.size() && i < 6; ++i)
        record.choice_text[static_cast<std::size_t>(i + 1)] = choices[i];
    for (const QChar letter : correct)
        record.choice_correct[static_cast<std::size_t>(letter.unicode() - u'A' + 1)] = 1;
    record.question_type = type;
    record.explanation = QStringLiteral("Because.");
    record.answer_note = QStringLiteral("Note.");
    return record;
}

ChoiceFlags flags_of(const QString& letters)
{
    ChoiceFlags flags{};
    for (const QChar letter : letters)
        flags[static_cast<std::size_t>(letter.unicode() - u'A' + 1)] = true;
    return flags;
}

} // namespace

class TestQuizRules : public QObject {
    Q_OBJECT

private slots:
    // The integer part of the quotient, and no division by a total that is not above 0.
    void percent_rule()
    {
        for (const auto& [right, total, percent] : {std::tuple{29, 50, 57},
                                                    {5, 7, 71},
                                                    {2, 3, 66},
                                                    {56, 56, 100},
                                                    {0, 56, 0},
                                                    {0, 0, 0},
                                                    {1, -2, 0}})
            QCOMPARE(percent_right(right, total), percent);
    }

    // The bar is the share wrong of the full height; under 20 twips it hides.
    void gauge_rule()
    {
        for (const auto& [right, total, full, height, shown] :
             {std::tuple{0, 4, 1200.0F, 1200.0F, true},
              {1, 2, 1200.0F, 600.0F, true},
              {7, 7, 1200.0F, 0.0F, false},
              {4, 5, 100.0F, 20.0F, true},
              {9, 10, 199.0F, 19.9F, false},
              {0, 0, 1200.0F, 1200.0F, true}}) {
            const float actual = gauge_height(right, total, full);
            QVERIFY2(std::fabs(actual - height) < 1e-3F, qPrintable(QString::number(actual)));
            QCOMPARE(gauge_shown(actual), shown);
        }
    }

    // Only spaces are trimmed, and only outer ones; the question kind reads the first four letters.
    void blank_texts_and_question_kinds()
    {
        for (const auto& [text, trimmed] : {std::pair{"", ""},
                                            {"    ", ""},
                                            {"\t", "\t"},
                                            {" \r\n ", "\r\n"},
                                            {"  a  b \t ", "a  b \t"}}) {
            QCOMPARE(trim_spaces(QString::fromLatin1(text)), QString::fromLatin1(trimmed));
            QCOMPARE(is_blank(QString::fromLatin1(text)), *trimmed == '\0');
        }
        for (const auto& [type, typed] : {std::pair{"fill", true},
                                          {"FiLL_in", true},
                                          {"FIL", false},
                                          {" FILL", false},
                                          {"single_answer", false},
                                          {"", false}})
            QCOMPARE(is_typed_answer(QString::fromLatin1(type)), typed);
        for (const auto& [count, length] :
             {std::pair{224, 56}, {7, 1}, {3, 0}, {803, 200}, {1000, 250}, {-8, 0}})
            QCOMPARE(int(questions_per_quiz(count)), length);
    }

    void choice_count_ignores_blank_texts()
    {
        const QuestionRecord record =
            make_record({"one", "", "   ", "\t", "five", "six"}, QStringLiteral("A"));
        QCOMPARE(count_choices(record), 4);
        QCOMPARE(count_choices(QuestionRecord{}), 0);
    }

    // Right exactly when the pressed buttons among the shown ones are the correct ones shown.
    void grade_multiple_choice()
    {
        // Correct letters, shown letters, pressed letters, grade.
        for (const auto& [correct, visible, pressed, status] :
             {std::tuple{"B", "ABCD", "", answer_wrong},
              {"", "ABCD", "", answer_right},
              {"BD", "ABCDE", "B", answer_wrong},
              {"BD", "ABCDE", "BD", answer_right},
              {"BD", "ABCDE", "ABD", answer_wrong},
              {"A", "ABCD", "AC", answer_wrong},
              {"BF", "ABCD", "B", answer_right},
              {"B", "ABCD", "BE", answer_right}}) {
            const QuestionRecord record =
                make_record({"a", "b", "c", "d", "e", "f"}, QString::fromLatin1(correct));
            QCOMPARE(grade_choices(record, flags_of(QString::fromLatin1(visible)),
                                   flags_of(QString::fromLatin1(pressed))),
                     status);
        }
    }

    // Case and outer spaces (code 32 only) aside, the typed text is one of the accepted answers.
    void grade_typed_answer()
    {
        const QuestionRecord record = make_record({" Router OSPF ", "", "   ", "ROUTER OSPF 1"},
                                                  QString(), QStringLiteral("fill_in"));
        for (const auto& [typed, status] : {std::pair{"router ospf", answer_right},
                                            {"ROUTER Ospf", answer_right},
                                            {"   router ospf  ", answer_right},
                                            {"router  ospf", answer_wrong},
                                            {"\trouter ospf", answer_wrong},
                                            {"", answer_wrong},
                                            {"   ", answer_wrong},
                                            {"router ospf 1", answer_right},
                                            {"router rip", answer_wrong}})
            QCOMPARE(grade_typed(record, QString::fromLatin1(typed)), status);
    }

    void feedback_lists_the_correct_letters_and_the_shown_choices()
    {
        const QuestionRecord right_at_c =
            make_record({"one", "two", "three", "four"}, QStringLiteral("C"));
        QCOMPARE(feedback_text(answer_right, right_at_c, flags_of("ABCD")),
                 QStringLiteral("Great Job.\r\nThe answer(s):  C\r\n\r\nWhich one?"
                                "\r\nA.)  one\r\nB.)  two\r\nC.)  three\r\nD.)  four"
                                "\r\n\r\nBecause.\r\nNote."));
        const QuestionRecord a_and_e =
            make_record({"one", "two", "three", "four", "five"}, QStringLiteral("AE"));
        QCOMPARE(feedback_text(answer_wrong, a_and_e, flags_of("ABCDE")),
                 QStringLiteral("Incorrect.\r\nThe correct answer(s):  A E\r\n\r\nWhich one?"
                                "\r\nA.)  one\r\nB.)  two\r\nC.)  three\r\nD.)  four\r\nE.)  five"
                                "\r\n\r\nBecause.\r\nNote."));
        // A hidden correct letter is named, but its line is not shown.
        const QuestionRecord hidden_b = make_record({"one", "", "three"}, QStringLiteral("BC"));
        QCOMPARE(feedback_text(answer_wrong, hidden_b, flags_of("AC")),
                 QStringLiteral("Incorrect.\r\nThe correct answer(s):  B C\r\n\r\nWhich one?"
                                "\r\nA.)  one\r\nC.)  three\r\n\r\nBecause.\r\nNote."));
        QuestionRecord empty_texts = right_at_c;
        empty_texts.explanation.clear();
        empty_texts.answer_note.clear();
        QVERIFY(feedback_text(answer_right, empty_texts, flags_of("ABCD"))
                    .endsWith(QStringLiteral("D.)  four\r\n\r\n\r\n")));
    }

    void feedback_for_a_typed_answer_gives_the_first_accepted_answer()
    {
        QuestionRecord record =
            make_record({"OSPF", "ospf"}, QStringLiteral("A"), QStringLiteral("FILL"));
        QCOMPARE(feedback_text(answer_right, record, ChoiceFlags{}),
                 QStringLiteral("Great Job.\r\nThe answer(s): OSPF\r\n\r\nWhich one?"
                                "\r\n\r\nBecause.\r\nNote."));
        record.explanation.clear();
        record.answer_note.clear();
        QCOMPARE(feedback_text(answer_wrong, record, flags_of("AB")),
                 QStringLiteral("Incorrect.\r\nThe correct answer(s): OSPF\r\n\r\nWhich one?"
                                "\r\n\r\n\r\n"));
    }

    void summary_message()
    {
        for (const auto& [right, total, time_up, text] :
             {std::tuple{9, 18, false,
                         "You have completed the test\n\n Right/Total  =  9/ 18\nPercent Right =  "
                         "50%\n\nTake this test until you get 100%"},
              {56, 56, false,
               "You have completed the test\n\n Right/Total  =  56/ 56\nPercent Right =  100%\n\n"
               "Congratulations, try a different test"},
              {0, 0, false,
               "You have completed the test\n\n Right/Total  =  0/ 0\nPercent Right =  0%\n\n"
               "Take this test until you get 100%"},
              {2, 3, true,
               "Time is up.\n\nYou have completed the test\n\n Right/Total  =  2/ 3\n"
               "Percent Right =  66%\n\nTake this test until you get 100%"}})
            QCOMPARE(summary_text(right, total, time_up), QString::fromLatin1(text));
    }

    void exhibit_lines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("three lines, last unterminated")
            << QByteArray("one\r\ntwo\r\nthree") << "one\r\ntwo\r\nthree\r\n";
        QTest::newRow("blank lines") << QByteArray("a\r\n\r\n\r\nb\r\n") << "a\r\n\r\n\r\nb\r\n";
        QTest::newRow("only a line break") << QByteArray("\r\n") << "\r\n";
        QTest::newRow("lone CR") << QByteArray("a\rb") << "a\r\nb\r\n";
        QTest::newRow("CR then CR LF") << QByteArray("a\r\r\nb") << "a\r\n\r\nb\r\n";
        QTest::newRow("lone LF") << QByteArray("a\nb\n\nc") << "a\r\nb\r\n\r\nc\r\n";
        QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << "a\r\n\r\nb\r\n";
        QTest::newRow("mixed breaks") << QByteArray("line\n").repeated(3) + "x\r\ny\nz\r"
                                      << "line\r\nline\r\nline\r\nx\r\ny\r\nz\r\n";
        QTest::newRow("valid UTF-8") << QByteArray("caf\xC3\xA9") << QString::fromUtf8("café\r\n");
        QTest::newRow("UTF-8 byte order mark dropped") << QByteArray("\xEF\xBB\xBFx") << "x\r\n";
        QTest::newRow("invalid UTF-8 0xE9")
            << QByteArray("caf\xE9") << QString::fromUtf8("café\r\n");
        QTest::newRow("0x80 is the euro sign")
            << QByteArray("\x80 5") << QString::fromUtf8("€ 5\r\n");
        QTest::newRow("Windows-1252 quotes")
            << QByteArray("\x93hi\x94") << QString::fromUtf8("“hi”\r\n");
        QTest::newRow("one bad byte decodes the whole file as Windows-1252")
            << QByteArray("\xC3\xA9\r\n\xE9") << QString::fromUtf8("Ã©\r\né\r\n");
        QTest::newRow("UTF-8 sequence cut off at the end")
            << QByteArray("ab\xE2\x82") << QString::fromUtf8("abâ‚\r\n");
    }

    void exhibit_lines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(exhibit_text(bytes), text);
    }

    // A reader that searched from the start for every line would take minutes here.
    void exhibit_of_many_mixed_lines_is_read_whole()
    {
        const QString text = exhibit_text(QByteArray("line\nline\r\n").repeated(100000));
        QCOMPARE(text.size(), qsizetype(200000) * 6);
        QVERIFY(text.endsWith(QStringLiteral("line\r\nline\r\n")));
    }
};

QTEST_APPLESS_MAIN(TestQuizRules)
#include "test_quiz_rules.moc"
