#include "screens/modal_block.h"

#include <QApplication>
#include <QWidget>

bool blocked_by_modal(const QWidget& widget)
{
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != widget.window();
}
