// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// The controls of the windows, made in one order of arguments: the parent, the control's
// name (its object name; empty leaves it unnamed), what it shows, its place in pixels.
QLabel* label(QWidget* parent, const QString& name, const QString& text = {}, const QRect& geometry = {});
QPushButton* bouton(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                    const QString& bulle = {});

// Gives an object the name of its control and hands it back.
template <typename T>
T* nomme(T* objet, const QString& name)
{
    objet->setObjectName(name);
    return objet;
}

// One colour role of a widget, the same in every state (active, inactive, disabled): a colour
// number in the &HBBGGRR layout, or a colour.
void metCouleur(QWidget* w, QPalette::ColorRole role, qint32 bgr);
void metCouleur(QWidget* w, QPalette::ColorRole role, const QColor& couleur);
// The colour of a label's text (the WindowText role).
inline void couleurTexte(QWidget* w, qint32 bgr)
{
    metCouleur(w, QPalette::WindowText, bgr);
}
// The background of an input box or a list (the Base role).
inline void couleurFond(QWidget* w, qint32 bgr)
{
    metCouleur(w, QPalette::Base, bgr);
}
