// Lexiparc — GPL-3.0-or-later.
#include "tools/dictionary/Frm10Dico.h"

#include "common/Colors.h"
#include "common/Controles.h"
#include "common/FiltreSaisieAZ.h"
#include "common/Windows.h"
#include "tools/dictionary/RechercheDico.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace {
// Size of the window in twips.
constexpr int kLargeur = 8250;
constexpr int kHauteur = 6150;

// Whether a focus loss of `box` is the loss of its whole window: the focus went to another
// window (a message box, a pop-up) or to no window of the program.
bool perteDeLaFenetre(const QFocusEvent& event, const QWidget* box)
{
    const QWidget* vers = QApplication::focusWidget();
    if (vers && vers->window() == box->window())
        return false;
    return event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason;
}
}

Frm10Dico::Frm10Dico(AppContext& ctx, QWidget* parent) : FenetreRechercheMot(ctx, parent)
{
    setObjectName(QStringLiteral("Frm10Dico"));
    setWindowTitle(QStringLiteral("Le dictionnaire"));
    creeControlesCommuns();

    LblA = labelTexte(this, "LblA", QString(), {12, 8, 526, 20});
    LblA->setFont(QFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold));

    TxtCtrl->setGeometry(12, 36, 230, 28);
    LblN->setGeometry(248, 36, 30, 28);
    CmdCtrl->setText(QStringLiteral(" Rechercher"));
    CmdCtrl->setGeometry(284, 34, 130, 32);

    LblD->setGeometry(12, 74, 526, 20);
    LblDef1 = labelTexte(this, "LblDef1", QString(), {12, 100, 526, 24});
    LblDef1->setFont(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));
    LblDef4->setGeometry(12, 130, 526, 24);
    LblDef4->setFont(LblDef1->font());
    LblDef2 = labelTexte(this, "LblDef2", QString(), {12, 126, 526, 20});
    LblDef2->setFont(QFont(QStringLiteral("DejaVu Sans"), 9, QFont::Normal, true));
    LblDef3->setGeometry(12, 150, 526, 130);

    ImfInfo->setGeometry(12, 286, 26, 26);
    Lbl[2]->setGeometry(12, 290, 526, 20);
    LblValideODS->setText(TexteDico::NonAdmisDico);
    LblValideODS->setGeometry(44, 290, 494, 20);
    Lbl[0]->setGeometry(12, 318, 110, 20);
    LblPts->setGeometry(124, 318, 36, 20);
    Lbl[1]->setGeometry(162, 318, 200, 20);

    CmdCop = new QPushButton(this);
    CmdCop->setObjectName(QStringLiteral("CmdCop"));
    CmdCop->setToolTip(QStringLiteral("Copier dans le presse-papier"));
    CmdCop->setIcon(
        QIcon::fromTheme(QStringLiteral("edit-copy"), style()->standardIcon(QStyle::SP_FileDialogDetailedView)));
    CmdCop->setGeometry(12, 350, 40, 36);
    CmdCop->setAutoDefault(false);
    LblCop1 = labelTexte(this, "LblCop1", TexteDico::Copie1, {60, 350, 300, 18});
    LblCop2 = labelTexte(this, "LblCop2", TexteDico::Copie2, {60, 368, 300, 18});

    Foc = new QPushButton(this);
    Foc->setObjectName(QStringLiteral("Foc"));
    Foc->setGeometry(-100, -100, 10, 10);

    filtre_ = new FiltreSaisieAZ(ctx_, TxtCtrl, 15);

    // The state at load: no result, search and copy unavailable.
    etatInitial();
    metCopie(false);

    connect(TxtCtrl, &QLineEdit::textChanged, this, &Frm10Dico::TxtCtrl_Change);
    connect(CmdCtrl, &QPushButton::clicked, this, &Frm10Dico::CmdCtrl_Click);
    connect(CmdCop, &QPushButton::clicked, this, &Frm10Dico::CmdCop_Click);
    connect(TimCherche, &QTimer::timeout, this, &Frm10Dico::TimCherche_Timer);
    TxtCtrl->installEventFilter(this);
    for (QLabel* l : {LblA, LblDef1, LblDef2, LblDef3, LblDef4})
        l->installEventFilter(this);

    Form_Load();
}

void Frm10Dico::Form_Load()
{
    Module& m = ctx_.module;
    placeFenetre(kLargeur, kHauteur);
    LblA->setText(QStringLiteral("Dictionnaire ") + QString::number(m.NbMots) +
                  QStringLiteral(" mots de 2 à 15 lettres, avec définitions."));
    LblDef4->move(LblDef4->x(), LblDef1->y());
    PremiereCopie = true;
}

void Frm10Dico::metCopie(bool possible)
{
    CmdCop->setEnabled(possible);
    couleurTexte(LblCop1, possible ? kNoir : kGrisArgent);
    couleurTexte(LblCop2, possible ? kNoir : kGrisArgent);
}

void Frm10Dico::TxtCtrl_Change()
{
    changeTexteCommun();
    LblDef1->clear();
    LblDef2->clear();
    LblDef3->clear();
    LblDef1->show();
    metCopie(false);
}

void Frm10Dico::TxtCtrl_LostFocus()
{
    CmdCtrl->setDefault(false);
}

void Frm10Dico::CmdCtrl_Click()
{
    metCopie(false);
    LblDef1->clear();
    LblDef2->clear();
    LblDef3->clear();
    LblDef1->show();
    attenteCommune();
}

void Frm10Dico::TimCherche_Timer()
{
    const ResultatDico r = lanceRecherche(VarianteRecherche::Dictionnaire);
    for (const TexteLabel& t : textesLabelsDico(r)) {
        auto* l = findChild<QLabel*>(QLatin1String(t.label), Qt::FindDirectChildrenOnly);
        Q_ASSERT(l);
        l->setText(t.texte);
    }
    if (r.nonAdmis) {
        Lbl[2]->hide();
        TimCligno->start(700);
        ImfInfo->show();
    }
    metCopie(r.copie);
    signaleFichier(r);
    if (r.echec) {
        LblDef1->hide();
        LblDef4->show();
    } else {
        LblPts->show();
        for (QLabel* l : Lbl)
            l->show();
    }
    finRecherche();
}

void Frm10Dico::CmdCop_Click()
{
    Module& m = ctx_.module;
    Foc->setFocus();
    ctx_.platform.clearClipboard();
    ctx_.platform.setClipboardText(texteCopie(LblDef1->text(), LblDef2->text(), LblDef3->text(), m.SautLigne));
    if (PremiereCopie) {
        PremiereCopie = false;
        m.MsgTexte = TexteDico::CopieFaite;
        m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Information,
                                                Platform::Buttons::Ok);
    }
}

void Frm10Dico::Form_MouseDown()
{
    DeplaceFenetre(ctx_, this);
}
void Frm10Dico::LblA_MouseDown()
{
    DeplaceFenetre(ctx_, this);
}
void Frm10Dico::LblDef1_MouseDown()
{
    DeplaceFenetre(ctx_, this);
}
void Frm10Dico::LblDef2_MouseDown()
{
    DeplaceFenetre(ctx_, this);
}
void Frm10Dico::LblDef3_MouseDown()
{
    DeplaceFenetre(ctx_, this);
}
void Frm10Dico::LblDef4_MouseDown()
{
    DeplaceFenetre(ctx_, this);
}

bool Frm10Dico::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TxtCtrl && event->type() == QEvent::FocusOut) {
        // Disabling the window during a lookup takes the focus away for a moment only; a message
        // box, a pop-up menu or another program takes it from the whole window, and the box has
        // it back as soon as the window is active again. Neither is the box losing the focus.
        if (isEnabled() && !perteDeLaFenetre(*static_cast<QFocusEvent*>(event), TxtCtrl))
            TxtCtrl_LostFocus();
    } else if (event->type() == QEvent::MouseButtonPress) {
        if (watched == LblA)
            LblA_MouseDown();
        else if (watched == LblDef1)
            LblDef1_MouseDown();
        else if (watched == LblDef2)
            LblDef2_MouseDown();
        else if (watched == LblDef3)
            LblDef3_MouseDown();
        else if (watched == LblDef4)
            LblDef4_MouseDown();
        else
            return FenetreRechercheMot::eventFilter(watched, event);
        return true;
    }
    return FenetreRechercheMot::eventFilter(watched, event);
}

void Frm10Dico::mousePressEvent(QMouseEvent* event)
{
    Form_MouseDown();
    event->accept();
}
