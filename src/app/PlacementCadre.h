// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

// Where the main frame opens. In twips: `geometrie` gives the position of the frame's outer
// edge and the size of its client area; `agrandi`: the frame is maximised.
struct PlacementCadre {
    QRect geometrie;
    bool agrandi = false;
};

// The frame of client size `taille` and decorations `bords` (title bar and borders) is centred
// on the screen of size `ecran`, and kept within the area that windows may take. When it does
// not fit in that area, it takes the whole area, maximised, its title bar on the screen.
PlacementCadre placeCadre(QSize taille, QSize ecran, QRect disponible, QMargins bords);
