#include "bank/question_bank.h"

#include <QTest>

class TestBank : public QObject {
    Q_OBJECT

private slots:
    void records_outside_the_content_stay_empty()
    {
        load_bank();
        QVERIFY(bank.question_count > 0);
        const QuestionRecord empty;
        QCOMPARE(bank.record(0), empty);
        QCOMPARE(bank.record(bank.question_count + 1), empty);
        QCOMPARE(bank.record(QuestionBank::capacity), empty);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, bank.record(QuestionBank::capacity + 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, bank.record(-1));
    }

    void loading_twice_changes_nothing()
    {
        load_bank();
        std::vector<QuestionRecord> first;
        for (int n = 0; n <= QuestionBank::capacity; ++n)
            first.push_back(bank.record(n));
        const QString title = bank.test_title;
        const auto count = bank.question_count;

        bank.record(1).question_text = QStringLiteral("changed");
        load_bank();
        for (int n = 0; n <= QuestionBank::capacity; ++n)
            QCOMPARE(bank.record(n), first[static_cast<std::size_t>(n)]);
        QCOMPARE(bank.test_title, title);
        QCOMPARE(bank.question_count, count);
    }
};

QTEST_APPLESS_MAIN(TestBank)
#include "test_bank.moc"
