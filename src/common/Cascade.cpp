// Lexiparc — GPL-3.0-or-later.
#include "common/Cascade.h"

void PositionFenetreSuivante(Module& m)
{
    switch (m.PosGauche) {
    case 0:
    case 3600: m.PosGauche = 600; break;
    case 600: m.PosGauche = 1200; break;
    case 1200: m.PosGauche = 1800; break;
    case 1800: m.PosGauche = 2400; break;
    case 2400: m.PosGauche = 3000; break;
    case 3000: m.PosGauche = 3600; break;
    default: break;
    }
    m.PosHaut = m.PosGauche;
}
