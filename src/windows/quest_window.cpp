#include "windows/quest_window.h"

#include "quiz/quiz.h"
#include "screens/answer_button.h"
#include "screens/designs.h"
#include "screens/focus_passer.h"
#include "screens/meter.h"
#include "screens/modal_block.h"
#include "screens/proportional_layout.h"
#include "screens/window_builder.h"
#include "shell/message_box.h"
#include "shell/navigation.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

FormRef<QuestWindow> quest{FormSlot::Role::Main};

namespace {

constexpr auto select_directions = " Please Select the correct answer(s)";
constexpr auto type_directions = " Please Type in the Correct Answer";
constexpr auto typing_box_name = "Your answer";

} // namespace

QuestWindow::QuestWindow()
    : Form(quest_design),
      Q1(control<QPlainTextEdit>(*this, "Q1")),
      typestuff(control<QLabel>(*this, "typestuff")),
      Directions(control<QLabel>(*this, "Directions")),
      cluebutton(control<QPushButton>(*this, "cluebutton")),
      NextButton(control<QPushButton>(*this, "NextButton")),
      quitquiz(control<QPushButton>(*this, "quitquiz")),
      question_number(control<QLabel>(*this, "question_number")),
      qid(control<QLabel>(*this, "qid")),
      score(control<QLabel>(*this, "score")),
      Percent_Right(control<QLabel>(*this, "Percent_Right")),
      Gauge1(control<Meter>(*this, "Gauge1")),
      the_gauge(control<QWidget>(*this, "the_gauge"))
{
    for (int i = 1; i <= 6; ++i) {
        QChoice[i] = control<AnswerButton>(*this, control_name("QChoice", i));
        abox[i] = control<QPlainTextEdit>(*this, control_name("abox", i));
    }
    for (int i = 1; i <= 3; ++i) {
        diagrambutton[i] = control<QPushButton>(*this, control_name("diagrambutton", i));
        exhibitbutton[i] = control<QPushButton>(*this, control_name("exhibitbutton", i));
        on_click(diagrambutton[i], [this, i] { diagrambutton_Click(i); });
        on_click(exhibitbutton[i], [this, i] { exhibitbutton_Click(i); });
    }
    choice_a_name_ = abox[1]->accessibleName();
    on_click(NextButton, [this] { NextButton_Click(); });
    on_click(quitquiz, [this] { quitquiz_Click(); });
    on_click(cluebutton, [this] { cluebutton_Click(); });
    // Q1 never keeps the focus: NEXT takes it.
    pass_focus_on(*Q1, *NextButton);
}

void QuestWindow::Form_Load()
{
    clear_the_boxes();
    the_gauge->hide();
}

void QuestWindow::begin()
{
    if (running_quiz.timed()) {
        show_time_left(running_quiz.seconds_left());
        clock_timer_ = new QTimer(this);
        clock_timer_->setInterval(250);
        connect(clock_timer_, &QTimer::timeout, this, [this] { clock_tick(); });
        clock_timer_->start();
    }
    show_quest();
}

void QuestWindow::clock_tick()
{
    if (!clock_timer_ || !clock_timer_->isActive())
        return;
    const int left = running_quiz.seconds_left();
    if (left != seconds_shown_) {
        if (const int minutes = minutes_to_announce(seconds_shown_, left))
            announce(minutes);
        show_time_left(left);
    }
    // A modal window (feedback, clue) is closed first: the quiz ends as it closes.
    if (!running_quiz.out_of_time() || blocked_by_modal(*this))
        return;
    running_quiz.time_up(pressed_choices(), typed_answer());
    end_the_test();
}

void QuestWindow::show_time_left(int seconds)
{
    seconds_shown_ = seconds;
    setWindowTitle(QString::fromUtf8(quest_design.title) + QLatin1String(" - ") +
                   time_left_text(seconds));
}

// The focus rests on NEXT, so screen readers hear the change of its description; the window's
// own description says it too.
void QuestWindow::announce(int minutes)
{
    const QString text = minutes == 1 ? QStringLiteral("1 minute left")
                                      : QStringLiteral("%1 minutes left").arg(minutes);
    setAccessibleDescription(text);
    // Under the feedback window, the next question would replace NEXT's description unheard.
    if (blocked_by_modal(*this))
        announcement_ = text;
    NextButton->setAccessibleDescription(text + QLatin1Char('\n') +
                                         NextButton->accessibleDescription());
}

void QuestWindow::Form_Unload()
{
    report(Happened::QuizWindowClosing);
}

void QuestWindow::NextButton_Click()
{
    report(Happened::QuestionLeaving);
    NextButton->setFocus();
    check_answer();
    show_quest();
}

void QuestWindow::quitquiz_Click()
{
    running_quiz.quit();
    show_quest();
}

void QuestWindow::show_quest()
{
    NextButton->setFocus();
    if (!running_quiz.next_question()) {
        end_the_test();
        return;
    }
    qid->setText(number_text(quiz_state.current_qid));
    question_number->setText(number_text(quiz_state.current_question));
    present_question();
}

void QuestWindow::present_question()
{
    const QuestionRecord& current = quiz_state.current_record;

    Q1->setPlainText(current.question_text);
    cluebutton->setVisible(!is_blank(current.clue));
    abox[1]->setFrameShape(QFrame::NoFrame);
    // Choice A takes typing only as the box of a typed answer; shown as a choice it takes no
    // typed, dropped or pasted text.
    abox[1]->setReadOnly(true);
    abox[1]->setAccessibleName(choice_a_name_);
    typestuff->hide();
    if (!is_typed_answer(current.question_type)) {
        Directions->setText(QString::fromLatin1(select_directions));
        NextButton->setFocus();
        const ChoiceFlags& visible = running_quiz.visible_choices();
        for (int i = 1; i <= 6; ++i) {
            const auto slot = static_cast<std::size_t>(i);
            QChoice[i]->set_pressed(false);
            abox[i]->setPlainText(current.choice_text[slot]);
            abox[i]->setVisible(visible[slot]);
            QChoice[i]->setVisible(visible[slot]);
        }
    } else {
        for (int i = 1; i <= 6; ++i) {
            abox[i]->hide();
            QChoice[i]->hide();
        }
        abox[1]->setFrameShape(QFrame::StyledPanel);
        abox[1]->setReadOnly(false);
        abox[1]->setAccessibleName(QString::fromLatin1(typing_box_name));
        typestuff->show();
        abox[1]->show();
        abox[1]->clear();
        Directions->setText(QString::fromLatin1(type_directions));
        abox[1]->setFocus();
    }
    for (int i = 1; i <= 3; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        diagrambutton[i]->setVisible(!is_blank(current.diagram_file[slot]));
        exhibitbutton[i]->setVisible(!is_blank(current.exhibit_file[slot]));
    }
    tell_screen_readers();
    NextButton->setFocus();
}

// The focus rests on NEXT while a question is on screen, so NEXT carries the question and its
// choices to screen readers; each answer button is named after the choice beside it. Qt sends
// the name and description changes on to them.
void QuestWindow::tell_screen_readers()
{
    QStringList spoken{Q1->toPlainText()};
    for (int i = 1; i <= 6; ++i) {
        // A hidden button keeps its letter alone: a typed-answer record's choices are its answers.
        QString name = QChoice[i]->text().chopped(1);
        if (!QChoice[i]->isHidden()) {
            name += QLatin1String(": ") + abox[i]->toPlainText();
            spoken << name;
        }
        QChoice[i]->setAccessibleName(name);
    }
    spoken << trim_spaces(Directions->text());
    if (!announcement_.isEmpty())
        spoken.prepend(std::exchange(announcement_, {}));
    NextButton->setAccessibleDescription(spoken.join(QLatin1Char('\n')));
}

void QuestWindow::clear_the_boxes()
{
    for (int i = 1; i <= 6; ++i) {
        QChoice[i]->set_pressed(false);
        abox[i]->clear();
    }
    Q1->clear();
    for (QLabel* label : {Directions, qid, score, question_number, Percent_Right})
        label->clear();
}

void QuestWindow::check_answer()
{
    running_quiz.grade(pressed_choices(), typed_answer());
    if (running_quiz.feedback_wanted())
        show_answer();
    score->setText(number_text(quiz_state.right_count) + QLatin1Char('/') +
                   number_text(quiz_state.current_question));
    Percent_Right->setText(
        number_text(percent_right(quiz_state.right_count, quiz_state.current_question)) +
        QLatin1Char('%'));
    update_gauge();
}

ChoiceFlags QuestWindow::pressed_choices() const
{
    ChoiceFlags pressed{};
    for (int i = 1; i <= 6; ++i)
        pressed[static_cast<std::size_t>(i)] = QChoice[i]->pressed();
    return pressed;
}

// The typed answer as typed: toPlainText would turn a no-break space into a plain one.
QString QuestWindow::typed_answer() const
{
    QString text = abox[1]->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'))
        .replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void QuestWindow::update_gauge()
{
    gauge_right_ = quiz_state.right_count;
    gauge_total_ = quiz_state.current_question;
    lay_out_gauge();
    Gauge1->set_percent(percent_right(quiz_state.right_count, quiz_state.current_question));
}

// The rule measures the navy gauge as it is now, in twips, so a resize lays the red bar out again.
void QuestWindow::lay_out_gauge()
{
    if (gauge_total_ == 0)
        return;
    const auto full = static_cast<float>(Gauge1->height() * twips_per_pixel);
    const float height = gauge_height(gauge_right_, gauge_total_, full);
    // The layout keeps the bar in design units, the same share of the gauge's design height.
    ProportionalLayout& layout = proportional_layout(*this);
    const auto design_full = static_cast<float>(layout.design_height(Gauge1));
    layout.set_design_height(
        the_gauge, static_cast<int>(gauge_height(gauge_right_, gauge_total_, design_full)));
    the_gauge->setVisible(gauge_shown(height));
}

void QuestWindow::resizeEvent(QResizeEvent* event)
{
    Form::resizeEvent(event);
    lay_out_gauge();
}

void QuestWindow::show_answer()
{
    show_feedback(running_quiz.feedback());
    // Keys, Alt+N among them, reach only the active window; not every desktop gives the
    // activation back once the feedback window is gone.
    activateWindow();
    NextButton->setFocus();
}

void QuestWindow::end_the_test()
{
    if (clock_timer_)
        clock_timer_->stop();
    message_box(this, QStringLiteral("Test Complete!"), attempt_summary(running_quiz.attempt()));
    report(Happened::QuizOver);
}

void QuestWindow::cluebutton_Click()
{
    QString clue = quiz_state.current_record.clue;
    clue.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    message_box(this, QStringLiteral("Clue"), clue);
}

void QuestWindow::diagrambutton_Click(int Index)
{
    open_diagram(quiz_state.current_record.diagram_file.at(static_cast<std::size_t>(Index)), {});
}

void QuestWindow::exhibitbutton_Click(int Index)
{
    open_exhibit(quiz_state.current_record.exhibit_file.at(static_cast<std::size_t>(Index)), this,
                 {});
}
