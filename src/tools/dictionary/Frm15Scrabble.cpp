// Lexiparc — GPL-3.0-or-later.
#include "tools/dictionary/Frm15Scrabble.h"

#include "common/Cascade.h"
#include "common/Colors.h"
#include "tools/dictionary/Dictionnaire.h"
#include "tools/dictionary/GetIni.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace {
// Size of the window in twips.
constexpr int kLargeur = 7500;
constexpr int kHauteur = 4500;

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(geometry);
    return l;
}
}

Frm15Scrabble::Frm15Scrabble(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("Frm15Scrabble"));
    setWindowTitle(QStringLiteral("Vérifier si un mot est admis au jeu de scrabble"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 9));

    TxtCtrl = new QLineEdit(this);
    TxtCtrl->setObjectName(QStringLiteral("TxtCtrl"));
    TxtCtrl->setMaxLength(15);
    TxtCtrl->setGeometry(12, 12, 230, 28);
    TxtCtrl->setFont(QFont(QStringLiteral("Liberation Mono"), 12, QFont::Bold));
    LblN = label(this, "LblN", QStringLiteral("0"), {248, 12, 30, 28});
    CmdCtrl = new QPushButton(QStringLiteral("  Vérifier "), this);
    CmdCtrl->setObjectName(QStringLiteral("CmdCtrl"));
    CmdCtrl->setToolTip(QStringLiteral("Rechercher si un mot existe"));
    CmdCtrl->setGeometry(284, 10, 120, 32);
    CmdCtrl->setAutoDefault(false);

    LblD = label(this, "LblD", TexteDico::Invite, {12, 50, 476, 20});
    LblDef4 = label(this, "LblDef4", TexteDico::Inexistant, {12, 76, 476, 24});
    LblDef4->setFont(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));
    ImfInfo = new QLabel(this);
    ImfInfo->setObjectName(QStringLiteral("ImfInfo"));
    ImfInfo->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(24, 24));
    ImfInfo->setGeometry(12, 76, 26, 26);
    ImfInfo->setCursor(Qt::PointingHandCursor);
    Lbl[2] = label(this, "Lbl(2)", QStringLiteral("Valide"), {12, 80, 476, 20});
    Lbl[2]->setFont(QFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold));
    LblValideODS = label(this, "LblValideODS", TexteDico::NonAdmisScrabble, {44, 80, 444, 20});
    LblValideODS->setFont(QFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold));
    QPalette rouge = LblValideODS->palette();
    rouge.setColor(QPalette::WindowText, colorFromNumber(0x0000C0));
    LblValideODS->setPalette(rouge);
    LblDef3 = label(this, "LblDef3", QString(), {12, 108, 476, 120});
    LblDef3->setWordWrap(true);
    LblDef3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Lbl[0] = label(this, "Lbl(0)", TexteDico::Rapporte, {12, 236, 110, 20});
    LblPts = label(this, "LblPts", QStringLiteral("12"), {124, 236, 36, 20});
    LblPts->setFont(QFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold));
    LblPts->setAlignment(Qt::AlignCenter);
    Lbl[1] = label(this, "Lbl(1)", TexteDico::Points, {162, 236, 200, 20});

    TimCherche = new QTimer(this);
    TimCherche->setObjectName(QStringLiteral("TimCherche"));
    TimCligno = new QTimer(this);
    TimCligno->setObjectName(QStringLiteral("TimCligno"));

    CmdCtrl->setEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(LblDef4), static_cast<QWidget*>(LblValideODS),
                       static_cast<QWidget*>(ImfInfo), static_cast<QWidget*>(LblPts), static_cast<QWidget*>(Lbl[0]),
                       static_cast<QWidget*>(Lbl[1]), static_cast<QWidget*>(Lbl[2])})
        w->hide();

    // The focus given to the window goes to its text box.
    setFocusProxy(TxtCtrl);
    connect(TxtCtrl, &QLineEdit::textChanged, this, &Frm15Scrabble::TxtCtrl_Change);
    connect(CmdCtrl, &QPushButton::clicked, this, &Frm15Scrabble::CmdCtrl_Click);
    connect(TimCherche, &QTimer::timeout, this, &Frm15Scrabble::TimCherche_Timer);
    connect(TimCligno, &QTimer::timeout, this, &Frm15Scrabble::TimCligno_Timer);
    ImfInfo->installEventFilter(this);

    Form_Load();
}

qint16 Frm15Scrabble::ChercheLet(const QString& Mot, const QString& LETTRE) const
{
    return ::ChercheLet(Mot, LETTRE);
}

QString Frm15Scrabble::GetIni(const QString& Filename, const QString& Contener, const QString& Variable) const
{
    return ::GetIni(Filename, Contener, Variable);
}

void Frm15Scrabble::Form_Load()
{
    Module& m = ctx_.module;
    setFixedSize(twipsToPixels(kLargeur), twipsToPixels(kHauteur));
    PositionFenetreSuivante(m);
    move(twipsToPixels(m.PosGauche), twipsToPixels(m.PosHaut));
}

void Frm15Scrabble::arreteClignotement()
{
    // A blink left running would show the notice of a previous word over a new one.
    TimCligno->stop();
    NbClignotements = 0;
}

void Frm15Scrabble::TxtCtrl_Change()
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

void Frm15Scrabble::CmdCtrl_Click()
{
    arreteClignotement();
    MotNonAdmis = 0;
    ctx_.platform.setPointer(this, Platform::Hourglass);
    LblDef3->clear();
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

void Frm15Scrabble::TimCherche_Timer()
{
    TimCherche->stop();
    Module& m = ctx_.module;
    QWidget* focus = focusWidget();
    setEnabled(false);
    const ResultatRecherche r = ChercheDefinition(
        {ctx_.words.DicoWords, m.FichierDef, TxtCtrl->text(), m.LongMaxDef, m.SautLigne, VarianteRecherche::Scrabble});
    if (r.nonAdmis) {
        MotNonAdmis = 1;
        TimCligno->start(700);
        ImfInfo->show();
    } else if (!r.validite.isEmpty()) {
        Lbl[2]->setText(r.validite);
    }
    if (r.definitionEcrite)
        LblDef3->setText(r.definition);
    if (r.echec) {
        if (r.codeErreur == 53) {
            m.MsgTexte = messageFichierIntrouvable(r.codeErreur, m.SautLigne);
            m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Information,
                                                    Platform::Buttons::Ok);
        }
        LblDef4->show();
    } else if (MotNonAdmis == 0) {
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

void Frm15Scrabble::TimCligno_Timer()
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

void Frm15Scrabble::ImfInfo_Click()
{
    Module& m = ctx_.module;
    m.MsgTexte = messageNonAdmis(TxtCtrl->text(), m.SautLigne);
    m.MsgReponse =
        ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Information, Platform::Buttons::Ok);
}

bool Frm15Scrabble::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ImfInfo && event->type() == QEvent::MouseButtonPress) {
        ImfInfo_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Frm15Scrabble::keyPressEvent(QKeyEvent* event)
{
    // The default button answers the Enter key.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && CmdCtrl->isDefault() &&
        CmdCtrl->isEnabled()) {
        CmdCtrl->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
