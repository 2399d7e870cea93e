#include "screens/option_boxes.h"

#include "screens/window_builder.h"

#include <QCheckBox>

namespace {

// A box counts as on only when ticked.
std::int16_t ticked(const QWidget& window, const char* name)
{
    return control<QCheckBox>(window, QString::fromLatin1(name))->checkState() == Qt::Checked ? 1
                                                                                              : 0;
}

} // namespace

QuizOptions ticked_options(const QWidget& window)
{
    QuizOptions options;
    options.show_when_right = ticked(window, "answer_when_right");
    options.show_when_wrong = ticked(window, "answer_when_wrong");
    options.shuffle_questions = ticked(window, "random_questions");
    options.shuffle_answers = ticked(window, "random_answers");
    return options;
}
