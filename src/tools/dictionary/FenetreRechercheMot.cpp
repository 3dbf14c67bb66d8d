// Lexiparc — GPL-3.0-or-later.
#include "tools/dictionary/FenetreRechercheMot.h"

#include "common/Cascade.h"
#include "common/Colors.h"
#include "common/Controles.h"
#include "common/Windows.h"
#include "data/WordData.h"
#include "tools/dictionary/RechercheDico.h"
#include "tools/dictionary/GetIni.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

FenetreRechercheMot::FenetreRechercheMot(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx)
{
}

qint16 FenetreRechercheMot::ChercheLet(const QString& Mot, const QString& LETTRE) const
{
    return ::ChercheLet(Mot, LETTRE);
}

QString FenetreRechercheMot::GetIni(const QString& Filename, const QString& Contener, const QString& Variable) const
{
    return ::GetIni(Filename, Contener, Variable);
}

QLabel* FenetreRechercheMot::labelTexte(QWidget* parent, const QString& name, const QString& text,
                                        const QRect& geometry)
{
    QLabel* l = label(parent, name, text, geometry);
    l->setTextFormat(Qt::PlainText);
    return l;
}

void FenetreRechercheMot::creeControlesCommuns()
{
    setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    TxtCtrl = new QLineEdit(this);
    TxtCtrl->setObjectName(QStringLiteral("TxtCtrl"));
    TxtCtrl->setFont(QFont(QStringLiteral("Liberation Mono"), 12, QFont::Bold));
    LblN = labelTexte(this, "LblN", QStringLiteral("0"), {});
    CmdCtrl = new QPushButton(this);
    CmdCtrl->setObjectName(QStringLiteral("CmdCtrl"));
    CmdCtrl->setToolTip(QStringLiteral("Rechercher si un mot existe"));
    CmdCtrl->setAutoDefault(false);

    LblD = labelTexte(this, "LblD", TexteDico::Invite, {});
    LblDef4 = labelTexte(this, "LblDef4", TexteDico::Inexistant, {});
    ImfInfo = new QLabel(this);
    ImfInfo->setObjectName(QStringLiteral("ImfInfo"));
    ImfInfo->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(24, 24));
    ImfInfo->setCursor(Qt::PointingHandCursor);
    Lbl[2] = labelTexte(this, "Lbl(2)", QStringLiteral("Valide"), {});
    LblValideODS = labelTexte(this, "LblValideODS", QString(), {});
    couleurTexte(LblValideODS, kRougeMoyen);
    LblDef3 = labelTexte(this, "LblDef3", QString(), {});
    LblDef3->setWordWrap(true);
    LblDef3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Lbl[0] = labelTexte(this, "Lbl(0)", TexteDico::Rapporte, {});
    LblPts = labelTexte(this, "LblPts", QStringLiteral("12"), {});
    LblPts->setFont(QFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold));
    LblPts->setAlignment(Qt::AlignCenter);
    Lbl[1] = labelTexte(this, "Lbl(1)", TexteDico::Points, {});

    TimCherche = new QTimer(this);
    TimCherche->setObjectName(QStringLiteral("TimCherche"));
    TimCligno = new QTimer(this);
    TimCligno->setObjectName(QStringLiteral("TimCligno"));
    connect(TimCligno, &QTimer::timeout, this, &FenetreRechercheMot::TimCligno_Timer);
    ImfInfo->installEventFilter(this);
    // The focus given to the window goes to its text box.
    setFocusProxy(TxtCtrl);
}

void FenetreRechercheMot::etatInitial()
{
    CmdCtrl->setEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(LblDef4), static_cast<QWidget*>(LblValideODS),
                       static_cast<QWidget*>(ImfInfo), static_cast<QWidget*>(LblPts), static_cast<QWidget*>(Lbl[0]),
                       static_cast<QWidget*>(Lbl[1]), static_cast<QWidget*>(Lbl[2])})
        w->hide();
}

void FenetreRechercheMot::placeFenetre(int largeurTwips, int hauteurTwips)
{
    Module& m = ctx_.module;
    setFixedSize(twipsToPixels(largeurTwips), twipsToPixels(hauteurTwips));
    PositionFenetreSuivante(m);
    move(twipsToPixels(m.PosGauche), twipsToPixels(m.PosHaut));
}

void FenetreRechercheMot::arreteClignotement()
{
    // A blink left running would show the notice of a previous word over a new one.
    TimCligno->stop();
    NbClignotements = 0;
}

void FenetreRechercheMot::changeTexteCommun()
{
    LblN->setText(QString::number(TxtCtrl->text().size()));
    const bool possible = TxtCtrl->text().size() >= 2;
    CmdCtrl->setEnabled(possible);
    CmdCtrl->setDefault(possible);
    arreteClignotement();
    LblDef4->hide();
    LblPts->clear();
    LblPts->hide();
    for (QLabel* l : Lbl)
        l->hide();
    Lbl[2]->clear();
    LblValideODS->hide();
}

void FenetreRechercheMot::attenteCommune()
{
    arreteClignotement();
    ctx_.platform.setPointer(this, Platform::Hourglass);
    LblDef4->hide();
    LblValideODS->hide();
    ImfInfo->hide();
    LblD->setText(TexteDico::Attente);
    LblD->show();
    LblPts->clear();
    LblPts->hide();
    for (QLabel* l : Lbl)
        l->hide();
    TimCherche->start(100);
}

ResultatDico FenetreRechercheMot::lanceRecherche(VarianteRecherche variante)
{
    TimCherche->stop();
    const Module& m = ctx_.module;
    focusAvantRecherche_ = focusWidget();
    setEnabled(false);
    return ChercheDefinition(
        {ctx_.words.DicoWords, m.FichierDef, TxtCtrl->text(), m.LongMaxDef, m.SautLigne, variante});
}

void FenetreRechercheMot::signaleFichier(const ResultatDico& r)
{
    Module& m = ctx_.module;
    const QString texte = messageLecture(r, m.SautLigne);
    if (texte.isEmpty())
        return;
    m.MsgTexte = texte;
    m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Information,
                                            Platform::Buttons::Ok);
}

void FenetreRechercheMot::finRecherche()
{
    setEnabled(true);
    if (focusAvantRecherche_)
        focusAvantRecherche_->setFocus();
    focusAvantRecherche_ = nullptr;
    ctx_.platform.setPointer(this, Platform::Arrow);
    LblD->hide();
}

void FenetreRechercheMot::TimCligno_Timer()
{
    ++NbClignotements;
    Lbl[2]->hide();
    if (NbClignotements <= 4) {
        LblValideODS->setVisible(LblValideODS->isHidden());
    } else {
        TimCligno->stop();
        NbClignotements = 0;
        LblValideODS->show();
    }
}

void FenetreRechercheMot::ImfInfo_Click()
{
    Module& m = ctx_.module;
    m.MsgTexte = messageNonAdmis(TxtCtrl->text(), m.SautLigne);
    m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Information,
                                            Platform::Buttons::Ok);
}

bool FenetreRechercheMot::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ImfInfo && event->type() == QEvent::MouseButtonPress) {
        ImfInfo_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FenetreRechercheMot::keyPressEvent(QKeyEvent* event)
{
    // The default button answers the Enter key.
    if (!presseBoutonParDefaut(event, CmdCtrl))
        QWidget::keyPressEvent(event);
}
