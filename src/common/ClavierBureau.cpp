// Lexiparc — GPL-3.0-or-later.
#include "common/ClavierBureau.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QWidget>

namespace {
// The focus policy a control had before it went out of sight.
constexpr const char* kPolitiqueEnVue = "lexiparcPolitiqueFocusEnVue";

bool toucheEntree(const QKeyEvent* k)
{
    return (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
           (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The push button that the Enter key presses: the focused one, outside dialogs.
QPushButton* boutonEntree(QObject* watched, const QKeyEvent* k)
{
    auto* b = qobject_cast<QPushButton*>(watched);
    if (!b || !toucheEntree(k) || !b->hasFocus() || !b->isEnabled() || !b->isVisible())
        return nullptr;
    if (qobject_cast<QDialog*>(b->window()))
        return nullptr;
    return b;
}

bool horsDeVue(const QWidget* w)
{
    const QWidget* p = w->parentWidget();
    return p && !w->isWindow() && !p->rect().intersects(w->geometry());
}

void metAJour(QWidget* w)
{
    const QVariant avant = w->property(kPolitiqueEnVue);
    if (horsDeVue(w)) {
        if (!avant.isValid() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setProperty(kPolitiqueEnVue, int(w->focusPolicy()));
            w->setFocusPolicy(Qt::FocusPolicy(w->focusPolicy() & ~Qt::TabFocus));
        }
    } else if (avant.isValid()) {
        w->setFocusPolicy(Qt::FocusPolicy(avant.toInt()));
        w->setProperty(kPolitiqueEnVue, QVariant());
    }
}
}

ClavierBureau::ClavierBureau(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

ClavierBureau::~ClavierBureau()
{
    qApp->removeEventFilter(this);
}

void ClavierBureau::arretsTabulation(QWidget* fenetre)
{
    if (!fenetre)
        return;
    metAJour(fenetre);
    for (QWidget* w : fenetre->findChildren<QWidget*>())
        metAJour(w);
}

bool ClavierBureau::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // A shortcut on Enter (a window's default action) gives way to the focused button.
        if (boutonEntree(watched, static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(event);
        if (QPushButton* b = boutonEntree(watched, k)) {
            if (!k->isAutoRepeat())
                b->click();
            return true;
        }
        if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) && watched->isWidgetType())
            arretsTabulation(static_cast<QWidget*>(watched)->window());
        break;
    }
    case QEvent::Show:
        // A window, or a tool window inside the main frame, as it opens.
        if (auto* w = qobject_cast<QWidget*>(watched); w && (w->isWindow() || qobject_cast<QMdiSubWindow*>(w)))
            arretsTabulation(w);
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}
