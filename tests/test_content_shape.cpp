#include "bank/question_bank.h"

#include <QRegularExpression>
#include <QTest>

#include <map>
#include <set>

namespace {

const QString crlf = QStringLiteral("\r\n");

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

struct QuizFigures {
    std::map<int, int> choices;
    std::map<int, int> correct;
};

} // namespace

class TestContentShape : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        load_bank();
        QCOMPARE(bank.question_count, 224);
    }

    void every_record_keeps_the_record_invariants()
    {
        for (int n = 1; n <= 224; ++n) {
            const QuestionRecord& record = bank.record(n);
            const int choices = choice_count(record);
            QVERIFY2(choices >= 5, qPrintable(QString::number(n)));
            for (std::size_t i = 1; i <= 6; ++i) {
                const bool filled = static_cast<int>(i) <= choices;
                QCOMPARE(record.choice_text[i].isEmpty(), !filled);
                QVERIFY(record.choice_correct[i] == 0 || record.choice_correct[i] == 1);
                QVERIFY(filled || record.choice_correct[i] == 0);
            }
            QVERIFY(correct_count(record) >= 1);
            QCOMPARE(record.question_type, QStringLiteral("single_answer"));
            QVERIFY(record.clue.isEmpty() && record.answer_note.isEmpty());
            for (std::size_t i = 0; i <= 3; ++i)
                QVERIFY(record.diagram_file[i].isEmpty() && record.exhibit_file[i].isEmpty());
            QVERIFY(record.choice_text[0].isEmpty() && record.choice_correct[0] == 0);
        }
    }

    void choice_and_answer_figures_hold_overall_and_per_quiz()
    {
        std::map<int, QuizFigures> quizzes;
        std::map<int, int> choices, correct;
        std::map<QChar, int> single_positions;
        for (int n = 1; n <= 224; ++n) {
            const QuestionRecord& record = bank.record(n);
            const int quiz = (n - 1) % 4 + 1;
            ++choices[choice_count(record)];
            ++correct[correct_count(record)];
            ++quizzes[quiz].choices[choice_count(record)];
            ++quizzes[quiz].correct[correct_count(record)];
            if (correct_count(record) != 1)
                continue;
            for (std::size_t i = 1; i <= 6; ++i) {
                if (record.choice_correct[i] == 1)
                    ++single_positions[QChar(u'A' + static_cast<int>(i) - 1)];
            }
        }
        QCOMPARE(choices, (std::map<int, int>{{5, 131}, {6, 93}}));
        QCOMPARE(correct, (std::map<int, int>{{1, 198}, {2, 15}, {3, 6}, {4, 4}, {5, 1}}));
        QCOMPARE(single_positions,
                 (std::map<QChar, int>{
                     {u'A', 37}, {u'B', 46}, {u'C', 37}, {u'D', 47}, {u'E', 29}, {u'F', 2}}));
        QCOMPARE(quizzes[1].choices, (std::map<int, int>{{5, 31}, {6, 25}}));
        QCOMPARE(quizzes[2].choices, (std::map<int, int>{{5, 34}, {6, 22}}));
        QCOMPARE(quizzes[3].choices, (std::map<int, int>{{5, 32}, {6, 24}}));
        QCOMPARE(quizzes[4].choices, (std::map<int, int>{{5, 34}, {6, 22}}));
        QCOMPARE(quizzes[1].correct, (std::map<int, int>{{1, 54}, {2, 1}, {3, 1}}));
        QCOMPARE(quizzes[2].correct, (std::map<int, int>{{1, 47}, {2, 4}, {3, 3}, {4, 1}, {5, 1}}));
        QCOMPARE(quizzes[3].correct, (std::map<int, int>{{1, 49}, {2, 4}, {3, 2}, {4, 1}}));
        QCOMPARE(quizzes[4].correct, (std::map<int, int>{{1, 48}, {2, 6}, {4, 2}}));
    }

    void choice_texts_are_short_single_lines_and_distinct()
    {
        for (int n = 1; n <= 224; ++n) {
            const QuestionRecord& record = bank.record(n);
            std::set<QString> seen;
            for (int i = 1; i <= choice_count(record); ++i) {
                const QString& text = record.choice_text[static_cast<std::size_t>(i)];
                const QString where = QStringLiteral("record %1 choice %2").arg(n).arg(i);
                QVERIFY2(text.size() >= 1 && text.size() <= 96, qPrintable(where));
                QVERIFY2(!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')),
                         qPrintable(where));
                QVERIFY2(!text.startsWith(QLatin1Char(' ')) && !text.endsWith(QLatin1Char(' ')),
                         qPrintable(where));
                QVERIFY2(seen.insert(text).second, qPrintable(where));
            }
        }
    }

    void question_texts_have_the_planned_lengths_and_lines()
    {
        std::map<int, int> lines;
        int with_empty_line = 0;
        for (int n = 1; n <= 224; ++n) {
            const QString& text = bank.record(n).question_text;
            QVERIFY2(text.size() >= 30 && text.size() <= 325, qPrintable(QString::number(n)));
            QVERIFY(!text.startsWith(crlf) && !text.endsWith(crlf));
            ++lines[line_count(text)];
            with_empty_line += text.contains(crlf + crlf) ? 1 : 0;
        }
        QCOMPARE(lines, (std::map<int, int>{{1, 217}, {2, 3}, {3, 3}, {6, 1}}));
        QCOMPARE(with_empty_line, 1);
    }

    void explanations_have_the_planned_lengths_lines_and_citations()
    {
        static const QRegularExpression citation(
            QStringLiteral("^Study Guide, Chapter \\d+, page \\d+$"));
        std::map<int, int> lines;
        int citations = 0;
        int with_empty_line = 0;
        for (int n = 1; n <= 224; ++n) {
            const QString& text = bank.record(n).explanation;
            QVERIFY2(text.size() >= 44 && text.size() <= 381, qPrintable(QString::number(n)));
            QVERIFY(!text.startsWith(crlf) && !text.endsWith(crlf));
            ++lines[line_count(text)];
            with_empty_line += text.contains(crlf + crlf) ? 1 : 0;
            if (citation.match(text.section(crlf, 0, 0)).hasMatch()) {
                ++citations;
                QVERIFY2(line_count(text) > 1, qPrintable(QString::number(n)));
            }
        }
        QCOMPARE(
            lines,
            (std::map<int, int>{
                {1, 4}, {2, 82}, {3, 56}, {4, 37}, {5, 20}, {6, 11}, {7, 9}, {8, 4}, {13, 1}}));
        QCOMPARE(citations, 196);
        QCOMPARE(with_empty_line, 1);
    }

    void six_question_texts_are_shared_with_different_choices()
    {
        std::map<QString, std::vector<int>> by_text;
        for (int n = 1; n <= 224; ++n)
            by_text[bank.record(n).question_text].push_back(n);
        int shared = 0;
        for (const auto& [text, records] : by_text) {
            if (records.size() < 2)
                continue;
            ++shared;
            QVERIFY2(records.size() <= 4, qPrintable(text));
            std::set<std::array<QString, 7>> choice_sets;
            for (int n : records)
                choice_sets.insert(bank.record(n).choice_text);
            QCOMPARE(choice_sets.size(), records.size());
        }
        QCOMPARE(shared, 6);
    }

    void content_names_no_vendor_or_product()
    {
        static const QRegularExpression names(
            QStringLiteral("\\b(cisco|ccna|ccnp|novell|netware|microsoft|catalyst|juniper|"
                           "dijkstra|bellman)\\b"),
            QRegularExpression::CaseInsensitiveOption);
        for (int n = 1; n <= 224; ++n) {
            const QuestionRecord& record = bank.record(n);
            QString all = record.question_text + record.explanation;
            for (const QString& choice : record.choice_text)
                all += QLatin1Char(' ') + choice;
            QVERIFY2(!names.match(all).hasMatch(), qPrintable(QString::number(n)));
        }
    }
};

QTEST_APPLESS_MAIN(TestContentShape)
#include "test_content_shape.moc"
