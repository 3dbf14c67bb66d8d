// Lexiparc — GPL-3.0-or-later.
#include "common/FocusClavier.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>

bool premiereLigneAuClavier(QListWidget* liste, const QKeyEvent* event)
{
    if (event->key() != Qt::Key_Down || event->modifiers() != Qt::NoModifier || liste->count() == 0 ||
        !liste->selectedItems().isEmpty())
        return false;
    liste->setCurrentRow(0);
    return true;
}

bool focusDansFenetre(QWidget* window)
{
    if (const QWidget* focus = QApplication::focusWidget())
        return focus == window || window->isAncestorOf(focus);
    for (QWidget* w = window; w; w = w->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w))
            return sub->mdiArea() && sub->mdiArea()->currentSubWindow() == sub;
    return true;
}
