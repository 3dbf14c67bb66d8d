// Lexiparc — GPL-3.0-or-later.
#include "tools/dictionary/Frm10Dico.h"

#include "common/Cascade.h"
#include "common/Colors.h"
#include "common/FiltreSaisieAZ.h"
#include "common/Windows.h"
#include "tools/dictionary/Dictionnaire.h"
#include "tools/dictionary/GetIni.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace {
// Size of the window in twips.
constexpr int kLargeur = 8250;
constexpr int kHauteur = 6150;
constexpr qint32 kNoir = 0x000000;
constexpr qint32 kGris = 0xC0C0C0;

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(geometry);
    return l;
}

// Whether a focus loss of `box` is the loss of its whole window: the focus went to another
// window (a message box, a pop-up) or to no window of the program.
bool perteDeLaFenetre(const QFocusEvent& event, const QWidget* box)
{
    const QWidget* vers = QApplication::focusWidget();
    if (vers && vers->window() == box->window())
        return false;
    return event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason;
}

void couleurTexte(QLabel* l, qint32 bgr)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colorFromNumber(bgr));
    l->setPalette(p);
}
}

Frm10Dico::Frm10Dico(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("Frm10Dico"));
    setWindowTitle(QStringLiteral("Le dictionnaire"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 9));

    LblA = label(this, "LblA", QString(), {12, 8, 526, 20});
    LblA->setFont(QFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold));

    TxtCtrl = new QLineEdit(this);
    TxtCtrl->setObjectName(QStringLiteral("TxtCtrl"));
    TxtCtrl->setGeometry(12, 36, 230, 28);
    TxtCtrl->setFont(QFont(QStringLiteral("Liberation Mono"), 12, QFont::Bold));
    LblN = label(this, "LblN", QStringLiteral("0"), {248, 36, 30, 28});
    CmdCtrl = new QPushButton(QStringLiteral(" Rechercher"), this);
    CmdCtrl->setObjectName(QStringLiteral("CmdCtrl"));
    CmdCtrl->setToolTip(QStringLiteral("Rechercher si un mot existe"));
    CmdCtrl->setGeometry(284, 34, 130, 32);
    CmdCtrl->setAutoDefault(false);

    LblD = label(this, "LblD", TexteDico::Invite, {12, 74, 526, 20});
    LblDef1 = label(this, "LblDef1", QString(), {12, 100, 526, 24});
    LblDef1->setFont(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));
    LblDef4 = label(this, "LblDef4", TexteDico::Inexistant, {12, 130, 526, 24});
    LblDef4->setFont(LblDef1->font());
    LblDef2 = label(this, "LblDef2", QString(), {12, 126, 526, 20});
    LblDef2->setFont(QFont(QStringLiteral("DejaVu Sans"), 9, QFont::Normal, true));
    LblDef3 = label(this, "LblDef3", QString(), {12, 150, 526, 130});
    LblDef3->setWordWrap(true);
    LblDef3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    ImfInfo = new QLabel(this);
    ImfInfo->setObjectName(QStringLiteral("ImfInfo"));
    ImfInfo->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(24, 24));
    ImfInfo->setGeometry(12, 286, 26, 26);
    ImfInfo->setCursor(Qt::PointingHandCursor);
    Lbl[2] = label(this, "Lbl(2)", QStringLiteral("Valide"), {12, 290, 526, 20});
    LblValideODS = label(this, "LblValideODS", TexteDico::NonAdmisDico, {44, 290, 494, 20});
    couleurTexte(LblValideODS, 0x0000C0);
    Lbl[0] = label(this, "Lbl(0)", TexteDico::Rapporte, {12, 318, 110, 20});
    LblPts = label(this, "LblPts", QStringLiteral("12"), {124, 318, 36, 20});
    LblPts->setFont(QFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold));
    LblPts->setAlignment(Qt::AlignCenter);
    Lbl[1] = label(this, "Lbl(1)", TexteDico::Points, {162, 318, 200, 20});

    CmdCop = new QPushButton(this);
    CmdCop->setObjectName(QStringLiteral("CmdCop"));
    CmdCop->setToolTip(QStringLiteral("Copier dans le presse-papier"));
    CmdCop->setIcon(QIcon::fromTheme(QStringLiteral("edit-copy"), style()->standardIcon(QStyle::SP_FileDialogDetailedView)));
    CmdCop->setGeometry(12, 350, 40, 36);
    CmdCop->setAutoDefault(false);
    LblCop1 = label(this, "LblCop1", TexteDico::Copie1, {60, 350, 300, 18});
    LblCop2 = label(this, "LblCop2", TexteDico::Copie2, {60, 368, 300, 18});

    Foc = new QPushButton(this);
    Foc->setObjectName(QStringLiteral("Foc"));
    Foc->setGeometry(-100, -100, 10, 10);

    TimCherche = new QTimer(this);
    TimCherche->setObjectName(QStringLiteral("TimCherche"));
    TimCligno = new QTimer(this);
    TimCligno->setObjectName(QStringLiteral("TimCligno"));

    filtre_ = new FiltreSaisieAZ(ctx_, TxtCtrl, 15);

    // The state at load: no result, search and copy unavailable.
    CmdCtrl->setEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(LblDef4), static_cast<QWidget*>(LblValideODS),
                       static_cast<QWidget*>(ImfInfo), static_cast<QWidget*>(LblPts), static_cast<QWidget*>(Lbl[0]),
                       static_cast<QWidget*>(Lbl[1]), static_cast<QWidget*>(Lbl[2])})
        w->hide();
    setCopie(false);

    // The focus given to the window goes to its text box.
    setFocusProxy(TxtCtrl);
    connect(TxtCtrl, &QLineEdit::textChanged, this, &Frm10Dico::TxtCtrl_Change);
    connect(CmdCtrl, &QPushButton::clicked, this, &Frm10Dico::CmdCtrl_Click);
    connect(CmdCop, &QPushButton::clicked, this, &Frm10Dico::CmdCop_Click);
    connect(TimCherche, &QTimer::timeout, this, &Frm10Dico::TimCherche_Timer);
    connect(TimCligno, &QTimer::timeout, this, &Frm10Dico::TimCligno_Timer);
    TxtCtrl->installEventFilter(this);
    for (QLabel* l : {ImfInfo, LblA, LblDef1, LblDef2, LblDef3, LblDef4})
        l->installEventFilter(this);

    Form_Load();
}

qint16 Frm10Dico::ChercheLet(const QString& Mot, const QString& LETTRE) const
{
    return ::ChercheLet(Mot, LETTRE);
}

QString Frm10Dico::GetIni(const QString& Filename, const QString& Contener, const QString& Variable) const
{
    return ::GetIni(Filename, Contener, Variable);
}

void Frm10Dico::Form_Load()
{
    Module& m = ctx_.module;
    setFixedSize(twipsToPixels(kLargeur), twipsToPixels(kHauteur));
    PositionFenetreSuivante(m);
    move(twipsToPixels(m.PosGauche), twipsToPixels(m.PosHaut));
    LblA->setText(QStringLiteral("Dictionnaire ") + QString::number(m.NbMots) +
                  QStringLiteral(" mots de 2 à 15 lettres, avec définitions."));
    LblDef4->move(LblDef4->x(), LblDef1->y());
    PremiereCopie = true;
}

void Frm10Dico::setCopie(bool possible)
{
    CmdCop->setEnabled(possible);
    couleurTexte(LblCop1, possible ? kNoir : kGris);
    couleurTexte(LblCop2, possible ? kNoir : kGris);
}

void Frm10Dico::arreteClignotement()
{
    // A blink left running would show the notice of a previous word over a new one.
    TimCligno->stop();
    NbClignotements = 0;
}

void Frm10Dico::TxtCtrl_Change()
{
    LblN->setText(QString::number(TxtCtrl->text().size()));
    const bool possible = TxtCtrl->text().size() >= 2;
    CmdCtrl->setEnabled(possible);
    CmdCtrl->setDefault(possible);
    arreteClignotement();
    LblDef1->clear();
    LblDef2->clear();
    LblDef3->clear();
    LblDef1->show();
    LblDef4->hide();
    LblPts->clear();
    LblPts->hide();
    for (QLabel* l : Lbl)
        l->hide();
    Lbl[2]->clear();
    LblValideODS->hide();
    setCopie(false);
}

void Frm10Dico::TxtCtrl_LostFocus()
{
    CmdCtrl->setDefault(false);
}

void Frm10Dico::CmdCtrl_Click()
{
    arreteClignotement();
    setCopie(false);
    ctx_.platform.setPointer(this, Platform::Hourglass);
    LblDef1->clear();
    LblDef2->clear();
    LblDef3->clear();
    LblDef1->show();
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

void Frm10Dico::TimCherche_Timer()
{
    TimCherche->stop();
    Module& m = ctx_.module;
    QWidget* focus = focusWidget();
    setEnabled(false);
    const ResultatRecherche r = ChercheDefinition(
        {ctx_.words.DicoWords, m.FichierDef, TxtCtrl->text(), m.LongMaxDef, m.SautLigne, VarianteRecherche::Dictionnaire});
    if (!r.entete.isEmpty())
        LblDef1->setText(r.entete);
    if (r.nonAdmis) {
        Lbl[2]->hide();
        LblValideODS->setText(TexteDico::NonAdmisDico);
        TimCligno->start(700);
        ImfInfo->show();
    } else if (!r.validite.isEmpty()) {
        Lbl[2]->setText(r.validite);
    }
    if (!r.nature.isEmpty())
        LblDef2->setText(r.nature);
    setCopie(r.copie);
    if (r.definitionEcrite)
        LblDef3->setText(r.definition);
    if (r.echec) {
        if (r.codeErreur == 53) {
            m.MsgTexte = messageFichierIntrouvable(r.codeErreur, m.SautLigne);
            m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Information,
                                                    Platform::Buttons::Ok);
        }
        LblDef1->hide();
        LblDef4->show();
    } else {
        LblPts->setText(QString::number(r.score));
        LblPts->show();
        for (QLabel* l : Lbl)
            l->show();
    }
    setEnabled(true);
    if (focus)
        focus->setFocus();
    ctx_.platform.setPointer(this, Platform::Arrow);
    LblD->hide();
}

void Frm10Dico::TimCligno_Timer()
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

void Frm10Dico::CmdCop_Click()
{
    Module& m = ctx_.module;
    Foc->setFocus();
    ctx_.platform.clearClipboard();
    ctx_.platform.setClipboardText(texteCopie(LblDef1->text(), LblDef2->text(), LblDef3->text(), m.SautLigne));
    if (PremiereCopie) {
        PremiereCopie = false;
        m.MsgTexte = TexteDico::CopieFaite;
        m.MsgReponse =
            ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Information, Platform::Buttons::Ok);
    }
}

void Frm10Dico::ImfInfo_Click()
{
    Module& m = ctx_.module;
    m.MsgTexte = messageNonAdmis(TxtCtrl->text(), m.SautLigne);
    m.MsgReponse =
        ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Information, Platform::Buttons::Ok);
}

void Frm10Dico::Form_MouseDown() { DeplaceFenetre(ctx_, this); }
void Frm10Dico::LblA_MouseDown() { DeplaceFenetre(ctx_, this); }
void Frm10Dico::LblDef1_MouseDown() { DeplaceFenetre(ctx_, this); }
void Frm10Dico::LblDef2_MouseDown() { DeplaceFenetre(ctx_, this); }
void Frm10Dico::LblDef3_MouseDown() { DeplaceFenetre(ctx_, this); }
void Frm10Dico::LblDef4_MouseDown() { DeplaceFenetre(ctx_, this); }

bool Frm10Dico::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TxtCtrl && event->type() == QEvent::FocusOut) {
        // Disabling the window during a lookup takes the focus away for a moment only; a message
        // box, a pop-up menu or another program takes it from the whole window, and the box has
        // it back as soon as the window is active again. Neither is the box losing the focus.
        if (isEnabled() && !perteDeLaFenetre(*static_cast<QFocusEvent*>(event), TxtCtrl))
            TxtCtrl_LostFocus();
    } else if (event->type() == QEvent::MouseButtonPress) {
        if (watched == ImfInfo) {
            ImfInfo_Click();
            return true;
        }
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
            return QWidget::eventFilter(watched, event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Frm10Dico::keyPressEvent(QKeyEvent* event)
{
    // The default button answers the Enter key.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && CmdCtrl->isDefault() &&
        CmdCtrl->isEnabled()) {
        CmdCtrl->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Frm10Dico::mousePressEvent(QMouseEvent* event)
{
    Form_MouseDown();
    event->accept();
}
