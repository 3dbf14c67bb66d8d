// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "tools/dictionary/FenetreRechercheMot.h"

class FiltreSaisieAZ;

// The dictionary window: whether a word exists, its definition, part of speech, Scrabble
// validity and score, and the copy of the word with its definition.
class Frm10Dico : public FenetreRechercheMot {
    Q_OBJECT
public:
    explicit Frm10Dico(AppContext& ctx, QWidget* parent = nullptr);

    QPushButton* CmdCop = nullptr;
    QLabel* LblCop1 = nullptr;
    QLabel* LblCop2 = nullptr;
    QLabel* LblA = nullptr;
    QLabel* LblDef1 = nullptr;
    QLabel* LblDef2 = nullptr;
    QPushButton* Foc = nullptr;

    bool PremiereCopie = false;

public slots:
    void Form_Load();
    void TxtCtrl_Change();
    void TxtCtrl_LostFocus();
    void CmdCtrl_Click();
    void CmdCop_Click();
    void TimCherche_Timer();
    void Form_MouseDown();
    void LblA_MouseDown();
    void LblDef1_MouseDown();
    void LblDef2_MouseDown();
    void LblDef3_MouseDown();
    void LblDef4_MouseDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void metCopie(bool possible);

    FiltreSaisieAZ* filtre_ = nullptr;
};
