// Lexiparc — GPL-3.0-or-later.
#include "common/Controles.h"

#include "common/Colors.h"

#include <QLabel>
#include <QPushButton>

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    return l;
}

QPushButton* bouton(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                    const QString& bulle)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    if (!bulle.isEmpty())
        b->setToolTip(bulle);
    return b;
}

void metCouleur(QWidget* w, QPalette::ColorRole role, qint32 bgr)
{
    metCouleur(w, role, colorFromNumber(bgr));
}

void metCouleur(QWidget* w, QPalette::ColorRole role, const QColor& couleur)
{
    QPalette p = w->palette();
    p.setColor(role, couleur);
    w->setPalette(p);
}
