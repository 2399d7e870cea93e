#include "shell/save_dialog.h"

#include "shell/form_ref.h"
#include "shell/message_box.h"

#include <QDir>
#include <QFileDialog>
#include <QPointer>
#include <QStandardPaths>

namespace {

QString ask_save_path(QWidget* parent, const QString& title, const QString& file_name,
                      const QString& filter)
{
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(file_name);
    // On the heap, as a message box is: its parent may go while it is open.
    const QPointer<QFileDialog> dialog = new QFileDialog(parent, title, suggested, filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QFileInfo(file_name).suffix());
    bool accepted = false;
    {
        const ModalLoop marked;
        accepted = dialog->exec() == QDialog::Accepted;
    }
    QString path = accepted && dialog ? dialog->selectedFiles().value(0) : QString();
    delete dialog.data();
    return path;
}

} // namespace

void save_as(QWidget* parent, const QString& title, const QString& file_name, const QString& filter,
             const std::function<QString(const QString& path)>& write)
{
    const QString path = ask_save_path(parent, title, file_name, filter);
    if (path.isEmpty())
        return;
    if (const QString error = write(path); !error.isEmpty())
        message_box(parent, parent->windowTitle(), error);
}
