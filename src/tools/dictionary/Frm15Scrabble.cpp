// Lexiparc — GPL-3.0-or-later.
#include "tools/dictionary/Frm15Scrabble.h"

#include "tools/dictionary/RechercheDico.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
// Size of the window in twips.
constexpr int kLargeur = 7500;
constexpr int kHauteur = 4500;
}

Frm15Scrabble::Frm15Scrabble(AppContext& ctx, QWidget* parent) : FenetreRechercheMot(ctx, parent)
{
    setObjectName(QStringLiteral("Frm15Scrabble"));
    setWindowTitle(QStringLiteral("Vérifier si un mot est admis au jeu de scrabble"));
    creeControlesCommuns();

    TxtCtrl->setMaxLength(15);
    TxtCtrl->setGeometry(12, 12, 230, 28);
    LblN->setGeometry(248, 12, 30, 28);
    CmdCtrl->setText(QStringLiteral("  Vérifier "));
    CmdCtrl->setGeometry(284, 10, 120, 32);

    LblD->setGeometry(12, 50, 476, 20);
    // The not-found line takes the place of the wait text, which the search hides: it stays
    // clear of the information image and of the notice of a word that is not admitted.
    LblDef4->setGeometry(12, 46, 476, 24);
    LblDef4->setFont(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));
    ImfInfo->setGeometry(12, 76, 26, 26);
    Lbl[2]->setGeometry(12, 80, 476, 20);
    Lbl[2]->setFont(QFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold));
    LblValideODS->setText(TexteDico::NonAdmisScrabble);
    LblValideODS->setGeometry(44, 80, 444, 20);
    LblValideODS->setFont(QFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold));
    LblDef3->setGeometry(12, 108, 476, 120);
    Lbl[0]->setGeometry(12, 236, 110, 20);
    LblPts->setGeometry(124, 236, 36, 20);
    Lbl[1]->setGeometry(162, 236, 200, 20);

    etatInitial();

    connect(TxtCtrl, &QLineEdit::textChanged, this, &Frm15Scrabble::TxtCtrl_Change);
    connect(CmdCtrl, &QPushButton::clicked, this, &Frm15Scrabble::CmdCtrl_Click);
    connect(TimCherche, &QTimer::timeout, this, &Frm15Scrabble::TimCherche_Timer);

    Form_Load();
}

void Frm15Scrabble::Form_Load()
{
    placeFenetre(kLargeur, kHauteur);
}

void Frm15Scrabble::TxtCtrl_Change()
{
    changeTexteCommun();
}

void Frm15Scrabble::CmdCtrl_Click()
{
    MotNonAdmis = 0;
    LblDef3->clear();
    attenteCommune();
}

void Frm15Scrabble::TimCherche_Timer()
{
    const ResultatDico r = lanceRecherche(VarianteRecherche::Scrabble);
    if (r.nonAdmis) {
        MotNonAdmis = 1;
        TimCligno->start(700);
        ImfInfo->show();
    } else {
        Lbl[2]->setText(r.validite);
    }
    if (r.definitionEcrite)
        LblDef3->setText(r.definition);
    signaleFichier(r);
    if (r.echec) {
        LblDef4->show();
    } else if (MotNonAdmis == 0) {
        LblPts->setText(QString::number(r.score));
        LblPts->show();
        for (QLabel* l : Lbl)
            l->show();
    }
    finRecherche();
}
