// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QChar>
#include <QString>

// The texts of the loading screen.

// "406043 mots de 2 à 15 lettres - 44315 définitions"
QString texteMotsDefinitions(qint32 nbMots, qint32 nbDefinitions);
// The status line of the dictionary once loaded.
QString texteListeDico(qint32 nbMots, qint32 nbDefinitions);
// The status line of the anagrams: the highest index of the 2-to-12-letter list.
QString texteBaseAnagrammes(qint64 plusHautIndice);
// The status line while the synonyms of one letter load.
QString texteListeSynonymes(QChar lettre);
// The status line of the synonyms once loaded.
QString texteBaseSynonymes(float nbSynonymes);

// The loading steps that show a percentage.
enum class EtapeChargement { Dictionnaire, Anagrammes, Index };
// The cosmetic percentage of a step from a draw r in [0, 1): 5 to 10, 11 to 50, 60 to 80.
int pourcentageChargement(EtapeChargement etape, float r);
// "Chargement des données 42%."
QString textePourcentage(int pourcentage);
// "Chargement des données 100%", the text of the end animation.
QString texteChargementFini();
// The dots of the end animation at its tick 1 to 5 (" ." to " . . . . .").
QString textePoints(int tick);
