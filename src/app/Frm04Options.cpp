// Lexiparc — GPL-3.0-or-later.
#include "app/Frm04Options.h"

#include "app/MDI.h"
#include "common/Cascade.h"
#include "common/Colors.h"
#include "common/Controles.h"
#include "common/Options.h"
#include "common/Windows.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {
QLabel* pastille(QWidget* parent, const char* name, const QRect& geometry)
{
    QLabel* l = label(parent, name, {}, geometry);
    l->setAutoFillBackground(true);
    l->setFrameShape(QFrame::Box);
    return l;
}
}

Frm04Options::Frm04Options(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("Frm04Options"));
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(430, 340);

    FraChargement = new QGroupBox(QStringLiteral("Chargement des données"), this);
    FraChargement->setObjectName(QStringLiteral("FraChargement"));
    FraChargement->setGeometry(10, 8, 410, 160);
    Chk0 = new QCheckBox(QStringLiteral("Base de données dictionnaire et définitions."), FraChargement);
    Chk0->setObjectName(QStringLiteral("Chk0"));
    Chk0->setGeometry(14, 24, 380, 22);
    Chk0->setChecked(true);
    Chk0->setEnabled(false);
    Chk1 = new QCheckBox(QStringLiteral("Charger la base de données des anagrammes."), FraChargement);
    Chk1->setObjectName(QStringLiteral("Chk1"));
    Chk1->setGeometry(14, 48, 380, 22);
    Chk2 = new QCheckBox(QStringLiteral("Charger la base de données des synonymes."), FraChargement);
    Chk2->setObjectName(QStringLiteral("Chk2"));
    Chk2->setGeometry(14, 72, 380, 22);
    LblNote = new QLabel(
        QStringLiteral("Pour gagner du temps au démarrage, si vous n'utilisez pas certains utilitaires, "
                       "vous pouvez empêcher leur chargement."),
        FraChargement);
    LblNote->setObjectName(QStringLiteral("LblNote"));
    LblNote->setGeometry(14, 100, 380, 50);
    LblNote->setWordWrap(true);

    FraAffichage = new QGroupBox(QStringLiteral("Affichage"), this);
    FraAffichage->setObjectName(QStringLiteral("FraAffichage"));
    FraAffichage->setGeometry(10, 176, 410, 106);
    CmdCoulFenetre = bouton(FraAffichage, "CmdCoulFenetre", QStringLiteral("Couleur de la fenêtre"),
                            QRect(14, 26, 250, 30));
    LblColor1 = pastille(FraAffichage, "LblColor1", QRect(280, 28, 60, 26));
    chameleonButton1 = bouton(FraAffichage, "chameleonButton1", QStringLiteral("Couleur de la barre d'outils"),
                              QRect(14, 64, 250, 30));
    LblColor2 = pastille(FraAffichage, "LblColor2", QRect(280, 66, 60, 26));

    CmdEnregistre = bouton(this, "CmdEnregistre", QStringLiteral("Enregistrer et fermer"), QRect(10, 296, 160, 32),
                           QStringLiteral("Enregistrer les options"));
    CmdDefaut = bouton(this, "CmdDefaut", QStringLiteral("Options par défaut"), QRect(178, 296, 140, 32),
                       QStringLiteral("Appliquer les options par défaut"));
    CmdAnnule = bouton(this, "CmdAnnule", QStringLiteral("Annuler"), QRect(326, 296, 94, 32),
                       QStringLiteral("Annuler les changements et fermer"));
    Foc = bouton(this, "Foc", {}, QRect(-100, -100, 10, 10));

    // A state set by program raises the click handling too, as a user's click does.
    connect(Chk1, &QCheckBox::stateChanged, this, &Frm04Options::Chk1_Click);
    connect(Chk2, &QCheckBox::stateChanged, this, &Frm04Options::Chk2_Click);
    connect(CmdCoulFenetre, &QPushButton::clicked, this, &Frm04Options::CmdCoulFenetre_Click);
    connect(chameleonButton1, &QPushButton::clicked, this, &Frm04Options::chameleonButton1_Click);
    connect(CmdDefaut, &QPushButton::clicked, this, &Frm04Options::CmdDefaut_Click);
    connect(CmdEnregistre, &QPushButton::clicked, this, &Frm04Options::CmdEnregistre_Click);
    connect(CmdAnnule, &QPushButton::clicked, this, &Frm04Options::CmdAnnule_Click);

    Form_Load();
}

void Frm04Options::Form_Load()
{
    Module& m = ctx_.module;
    PositionFenetreSuivante(m);
    move(twipsToPixels(m.PosGauche), twipsToPixels(m.PosHaut));
    Modifie = 0;
    Chk1->setChecked(m.OptChargeAnag == 1);
    Chk2->setChecked(m.OptChargeSyno == 1);
    metCouleur(LblColor1, QPalette::Window, colorFromText(m.OptCouleurMDI, Qt::white));
    metCouleur(LblColor2, QPalette::Window, colorFromText(m.OptCouleurBar, QColor(0xE0, 0xE0, 0xE0)));
    CouleurMDIInit = m.OptCouleurMDI;
    CouleurBarInit = m.OptCouleurBar;
    CmdEnregistre->setEnabled(false);
}

void Frm04Options::chkClick()
{
    // During the load the window is not shown yet: nothing counts as modified.
    if (isVisible()) {
        Foc->setFocus();
        Modifie = 1;
    }
    CmdEnregistre->setEnabled(true);
}

void Frm04Options::Chk1_Click()
{
    chkClick();
}
void Frm04Options::Chk2_Click()
{
    chkClick();
}

void Frm04Options::CmdCoulFenetre_Click()
{
    Foc->setFocus();
    Modifie = 1;
    const QColor c = ctx_.platform.chooseColor(this, LblColor1->palette().color(QPalette::Window));
    ctx_.module.OptCouleurMDI = QString::number(numberFromColor(c));
    metCouleur(LblColor1, QPalette::Window, c);
    if (ctx_.mdi)
        ctx_.mdi->metCouleurFenetre(c);
    CmdEnregistre->setEnabled(true);
}

void Frm04Options::chameleonButton1_Click()
{
    Foc->setFocus();
    Modifie = 1;
    const QColor c = ctx_.platform.chooseColor(this, LblColor2->palette().color(QPalette::Window));
    ctx_.module.OptCouleurBar = QString::number(numberFromColor(c));
    metCouleur(LblColor2, QPalette::Window, c);
    if (ctx_.mdi)
        ctx_.mdi->metCouleurBarre(c);
    CmdEnregistre->setEnabled(true);
}

void Frm04Options::appliqueCouleurs(const QColor& fenetre, const QColor& barre)
{
    if (ctx_.mdi) {
        ctx_.mdi->metCouleurFenetre(fenetre);
        ctx_.mdi->metCouleurBarre(barre);
    }
}

void Frm04Options::CmdDefaut_Click()
{
    Module& m = ctx_.module;
    Foc->setFocus();
    m.OptCouleurMDI = QString::number(kBlanc);
    m.OptCouleurBar = QString::number(kGrisClair);
    appliqueCouleurs(colorFromNumber(kBlanc), colorFromNumber(kGrisClair));
    metCouleur(LblColor1, QPalette::Window, kBlanc);
    metCouleur(LblColor2, QPalette::Window, kGrisClair);
    Chk1->setChecked(true);
    Chk2->setChecked(true);
    CmdEnregistre->setEnabled(true);
}

void Frm04Options::Enregistre()
{
    Module& m = ctx_.module;
    Modifie = 0;
    m.OptChargeAnag = Chk1->isChecked() ? 1 : 0;
    m.OptChargeSyno = Chk2->isChecked() ? 1 : 0;
    Platform& p = ctx_.platform;
    // Not stored, the options still hold for the run; the user is told they will be lost.
    if (!p.writeSettings({{QString::fromLatin1(kCleChargeAnag), QString::number(m.OptChargeAnag)},
                          {QString::fromLatin1(kCleChargeSyno), QString::number(m.OptChargeSyno)},
                          {QString::fromLatin1(kCleCouleurMDI), m.OptCouleurMDI},
                          {QString::fromLatin1(kCleCouleurBar), m.OptCouleurBar}})) {
        m.MsgTexte = messageOptionsNonEnregistrees(m.SautLigne, p.settingsLocation());
        m.MsgReponse = p.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Exclamation, Platform::Buttons::Ok);
    }
}

void Frm04Options::Annule()
{
    Module& m = ctx_.module;
    m.OptCouleurMDI = CouleurMDIInit;
    m.OptCouleurBar = CouleurBarInit;
    appliqueCouleurs(colorFromText(m.OptCouleurMDI, Qt::white),
                     colorFromText(m.OptCouleurBar, QColor(0xE0, 0xE0, 0xE0)));
    Modifie = 0;
}

void Frm04Options::CmdEnregistre_Click()
{
    Enregistre();
    fermeFenetre(this);
}

void Frm04Options::CmdAnnule_Click()
{
    Annule();
    fermeFenetre(this);
}

void Frm04Options::closeEvent(QCloseEvent* event)
{
    if (Modifie == 1) {
        Module& m = ctx_.module;
        m.MsgTexte = QStringLiteral("               Enregistrer les modification ?");
        m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::None,
                                                Platform::Buttons::YesNo);
        if (m.MsgReponse == Platform::No)
            Annule();
        else
            Enregistre();
    }
    event->accept();
}
