// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "tools/dictionary/FenetreRechercheMot.h"

// The Scrabble check window: whether a word is admitted at Scrabble, its definition and,
// for an admitted word, its score.
class Frm15Scrabble : public FenetreRechercheMot {
    Q_OBJECT
public:
    explicit Frm15Scrabble(AppContext& ctx, QWidget* parent = nullptr);

    std::uint8_t MotNonAdmis = 0;

public slots:
    void Form_Load();
    void TxtCtrl_Change();
    void CmdCtrl_Click();
    void TimCherche_Timer();
};
