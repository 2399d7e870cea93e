#include "screens/answer_button.h"

#include "screens/command_button.h"
#include "screens/modal_block.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

AnswerButton::AnswerButton(QWidget* parent) : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
}

void AnswerButton::nextCheckState()
{
    if (!blocked_by_modal(*this))
        QAbstractButton::nextCheckState();
}

QSize AnswerButton::sizeHint() const
{
    return {49, 33};
}

void AnswerButton::paintEvent(QPaintEvent* /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = text();
    option.state |= (isChecked() || isDown()) ? QStyle::State_Sunken : QStyle::State_Raised;
    if (isChecked())
        option.state |= QStyle::State_On;
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    // A pressed button is filled with the highlight colour so the chosen letters stand out.
    const QRect inner = rect().adjusted(3, 3, -3, -3);
    if (isChecked())
        painter.fillRect(inner, palette().color(QPalette::Highlight));
    painter.setPen(palette().color(isChecked() ? QPalette::HighlightedText : QPalette::ButtonText));
    painter.drawText(inner, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void AnswerButton::keyPressEvent(QKeyEvent* event)
{
    if (!is_enter_key(*event)) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        click();
}
