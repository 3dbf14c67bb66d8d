// Lexiparc — GPL-3.0-or-later.
#include "app/PlacementCadre.h"

#include <algorithm>

PlacementCadre placeCadre(QSize taille, QSize ecran, QRect disponible, QMargins bords)
{
    const QSize exterieur = taille.grownBy(bords);
    if (exterieur.width() > disponible.width() || exterieur.height() > disponible.height())
        return {QRect(disponible.topLeft(), disponible.size().shrunkBy(bords)), true};
    const int gauche = (ecran.width() - taille.width()) / 2;
    const int haut = (ecran.height() - taille.height()) / 2;
    return {QRect(std::clamp(gauche, disponible.left(), disponible.left() + disponible.width() - exterieur.width()),
                  std::clamp(haut, disponible.top(), disponible.top() + disponible.height() - exterieur.height()),
                  taille.width(), taille.height()),
            false};
}
