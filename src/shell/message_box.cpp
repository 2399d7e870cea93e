#include "shell/message_box.h"

#include "shell/form_ref.h"

#include <QMessageBox>
#include <QPointer>

void message_box(QWidget* parent, const QString& title, const QString& text)
{
    // On the heap: a box on the stack would be freed a second time if its parent went first.
    const QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    {
        const ModalLoop marked;
        box->exec();
    }
    delete box.data();
}
