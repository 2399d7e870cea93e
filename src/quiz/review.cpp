#include "quiz/review.h"

#include "bank/chapters.h"
#include "bank/question_bank.h"
#include "bank/record_check.h"

#include <QStringList>

#include <algorithm>
#include <climits>
#include <utility>

namespace {

QString other_group()
{
    return QStringLiteral("Other");
}

// Where the group `name` of the question stands in the list.
int group_rank(const QuestionBank& questions, int qid, const QString& name, int first_asked)
{
    const QuestionRecord& record = questions.record(qid);
    if (is_blank(record.topic) && questions.built_in) {
        const int chapter = built_in_chapter(qid, record);
        if (chapter > 0)
            return chapter;
    }
    return name == other_group() ? INT_MAX : chapter_count + first_asked;
}

} // namespace

QString letters_of(const ChoiceFlags& flags)
{
    QString letters;
    for (std::size_t i = 1; i < flags.size(); ++i) {
        if (flags[i])
            letters += choice_letter(i);
    }
    return letters;
}

ChoiceFlags right_positions(const GradedQuestion& graded, const QuestionBank& questions)
{
    const QuestionRecord& stored = questions.record(graded.qid);
    ChoiceFlags flags{};
    for (std::size_t i = 1; i < flags.size(); ++i) {
        const int from = graded.order[i];
        flags[i] = from >= 1 && from <= 6 &&
                   !is_blank(stored.choice_text[static_cast<std::size_t>(from)]) &&
                   stored.choice_correct[static_cast<std::size_t>(from)] == 1;
    }
    return flags;
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
        QStringList accepted;
        for (std::size_t i = 1; i <= 6; ++i) {
            if (!is_blank(stored.choice_text[i]))
                accepted << stored.choice_text[i];
        }
        row.answer = accepted.join(QLatin1String(" or "));
        reply_spoken = is_blank(graded.typed) ? QStringLiteral("you typed nothing")
                                              : QStringLiteral("you typed ") + row.reply;
        answer_spoken = QStringLiteral("accepted: ") + row.answer;
    } else {
        row.reply = letters_of(graded.pressed);
        row.answer = letters_of(right_positions(graded, questions));
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
        for (std::size_t i = 1; i <= 6; ++i) {
            if (!is_blank(stored.choice_text[i]))
                text += crlf + QStringLiteral("    ") + stored.choice_text[i];
        }
    } else {
        const ChoiceFlags right = right_positions(graded, questions);
        for (std::size_t i = 1; i <= 6; ++i) {
            const int from = graded.order[i];
            if (from < 1 || from > 6 || is_blank(stored.choice_text[std::size_t(from)]))
                continue;
            QStringList marks;
            if (graded.pressed[i])
                marks << QStringLiteral("you pressed it");
            if (right[i])
                marks << QStringLiteral("right answer");
            text +=
                choice_letter(i) + QStringLiteral(".)  ") + stored.choice_text[std::size_t(from)];
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

QString score_group(const QuestionBank& questions, int qid)
{
    const QuestionRecord& record = questions.record(qid);
    if (!is_blank(record.topic))
        return trim_spaces(record.topic);
    if (questions.built_in) {
        const int chapter = built_in_chapter(qid, record);
        if (chapter > 0)
            return chapter_title(chapter);
    }
    return other_group();
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
        const QString name = score_group(questions, question.qid);
        auto found = std::find_if(groups.begin(), groups.end(),
                                  [&](const Ranked& group) { return group.score.name == name; });
        if (found == groups.end()) {
            const int first_asked = static_cast<int>(groups.size());
            groups.push_back(
                {group_rank(questions, question.qid, name, first_asked), {name, 0, 0}});
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
