#include "shell/save_dialog.h"

#include "shell/form_ref.h"

#include <QDir>
#include <QFileDialog>
#include <QPointer>
#include <QStandardPaths>

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
