#include "xcombobox.h"

#include <QListView>
#include <QWheelEvent>

XComboBox::XComboBox(QWidget *parent)
    : QComboBox(parent)
{
    // A plain list, so the style sheet reaches the popup's items.
    setView(new QListView(this));
}

void XComboBox::wheelEvent(QWheelEvent *event)
{
    event->accept();
}
