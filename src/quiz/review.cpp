#include "quiz/review.h"

#include "bank/chapters.h"
#include "bank/question_bank.h"
#include "quiz/quiz_rules.h"

#include <QStringList>

#include <algorithm>
#include <climits>
#include <utility>

namespace {

const QString other_group = QStringLiteral("Other");

// The choices of the record in the order they were shown.
QuestionRecord as_shown(const GradedQuestion& graded, const QuestionBank& questions)
{
    return arrange_choices(questions.record(graded.qid), graded.order);
}

// The display positions whose choice, as shown, is a correct one.
ChoiceFlags right_positions(const QuestionRecord& shown)
{
    ChoiceFlags flags = visible_choices_of(shown);
    for (std::size_t i = 1; i < flags.size(); ++i)
        flags[i] = flags[i] && shown.choice_correct[i] == 1;
    return flags;
}

QStringList accepted_answers(const QuestionRecord& record)
{
    QStringList accepted;
    for (std::size_t i = 1; i <= 6; ++i) {
        if (!is_blank(record.choice_text[i]))
            accepted << record.choice_text[i];
    }
    return accepted;
}

} // namespace

int group_rank(const QuestionGroup& group, int order_met)
{
    if (group.chapter > 0)
        return group.chapter;
    return group.name == other_group ? INT_MAX : chapter_count + order_met;
}

QuestionGroup group_of(const QuestionBank& questions, int qid)
{
    const QuestionRecord& record = questions.record(qid);
    if (!is_blank(record.topic))
        return {trim_spaces(record.topic)};
    const int chapter = questions.built_in ? built_in_chapter(qid, record) : 0;
    return chapter > 0 ? QuestionGroup{chapter_title(chapter), chapter}
                       : QuestionGroup{other_group};
}

QString letters_of(const ChoiceFlags& flags)
{
    QString letters;
    for (std::size_t i = 1; i < flags.size(); ++i) {
        if (flags[i])
            letters += choice_letter(i);
    }
    return letters;
}

ReviewRow review_row(const GradedQuestion& graded, const QuestionBank& questions)
{
    const QuestionRecord& stored = questions.record(graded.qid);
    ReviewRow row;
    row.position = QString::number(graded.position);
    row.qid = QString::number(graded.qid);
    row.right = graded.right();
    QString reply_spoken;
    QString answer_spoken;
    if (is_typed_answer(stored.question_type)) {
        row.reply = QLatin1Char('"') + graded.typed + QLatin1Char('"');
        row.answer = accepted_answers(stored).join(QLatin1String(" or "));
        reply_spoken = is_blank(graded.typed) ? QStringLiteral("you typed nothing")
                                              : QStringLiteral("you typed ") + row.reply;
        answer_spoken = QStringLiteral("accepted: ") + row.answer;
    } else {
        row.reply = letters_of(graded.pressed);
        row.answer = letters_of(right_positions(as_shown(graded, questions)));
        reply_spoken = row.reply.isEmpty() ? QStringLiteral("you pressed nothing")
                                           : QStringLiteral("you pressed ") + row.reply;
        answer_spoken = QStringLiteral("right: ") + row.answer;
    }
    row.spoken = QStringLiteral("Question %1, QID %2, %3, %4, %5")
                     .arg(row.position, row.qid,
                          row.right ? QStringLiteral("right") : QStringLiteral("wrong"),
                          reply_spoken, answer_spoken);
    return row;
}

QString review_detail(const GradedQuestion& graded, const QuestionBank& questions)
{
    const QString crlf = QStringLiteral("\r\n");
    const QuestionRecord& stored = questions.record(graded.qid);
    QString text = QStringLiteral("Question %1 (QID %2): %3")
                       .arg(graded.position)
                       .arg(graded.qid)
                       .arg(graded.right() ? QStringLiteral("right") : QStringLiteral("wrong"));
    text += crlf + crlf + stored.question_text + crlf + crlf;
    if (is_typed_answer(stored.question_type)) {
        text += QStringLiteral("You typed: \"") + graded.typed + QLatin1Char('"') + crlf;
        text += QStringLiteral("Accepted:");
        for (const QString& answer : accepted_answers(stored))
            text += crlf + QStringLiteral("    ") + answer;
        text += crlf;
    } else {
        const QuestionRecord shown = as_shown(graded, questions);
        const ChoiceFlags right = right_positions(shown);
        const ChoiceFlags visible = visible_choices_of(shown);
        for (std::size_t i = 1; i <= 6; ++i) {
            if (!visible[i])
                continue;
            QStringList marks;
            if (graded.pressed[i])
                marks << QStringLiteral("you pressed it");
            if (right[i])
                marks << QStringLiteral("right answer");
            text += choice_letter(i) + QStringLiteral(".)  ") + shown.choice_text[i];
            if (!marks.isEmpty())
                text +=
                    QStringLiteral("   [") + marks.join(QStringLiteral(", ")) + QLatin1Char(']');
            text += crlf;
        }
    }
    text += crlf + stored.explanation;
    if (!is_blank(stored.answer_note))
        text += crlf + crlf + stored.answer_note;
    return text;
}

QString attempt_heading(const Attempt& attempt)
{
    const int graded = static_cast<int>(attempt.graded.size());
    const int right = attempt.right_count();
    QString text = QStringLiteral("%1: %2 of %3 right, %4%")
                       .arg(plan_title(attempt.plan))
                       .arg(right)
                       .arg(graded)
                       .arg(percent_right(right, graded));
    const QString asked =
        QStringLiteral(" after %1 of %2 questions").arg(graded).arg(attempt.plan.records.size());
    if (attempt.end == QuizEnd::Quit)
        text += QStringLiteral("; Quit Test") + asked;
    else if (attempt.end == QuizEnd::TimeUp)
        text += QStringLiteral("; time ran out") + asked;
    return text;
}

std::vector<GroupScore> group_scores(const std::vector<GradedQuestion>& graded,
                                     const QuestionBank& questions)
{
    struct Ranked {
        int rank;
        GroupScore score;
    };
    std::vector<Ranked> groups;
    for (const GradedQuestion& question : graded) {
        const QuestionGroup group = group_of(questions, question.qid);
        auto found = std::find_if(groups.begin(), groups.end(), [&](const Ranked& ranked) {
            return ranked.score.name == group.name;
        });
        if (found == groups.end()) {
            groups.push_back(
                {group_rank(group, static_cast<int>(groups.size())), {group.name, 0, 0}});
            found = groups.end() - 1;
        }
        ++found->score.asked;
        found->score.right += question.right() ? 1 : 0;
    }
    std::stable_sort(groups.begin(), groups.end(),
                     [](const Ranked& a, const Ranked& b) { return a.rank < b.rank; });
    std::vector<GroupScore> scores;
    scores.reserve(groups.size());
    for (Ranked& group : groups)
        scores.push_back(std::move(group.score));
    return scores;
}
