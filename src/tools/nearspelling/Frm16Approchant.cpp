// Lexiparc — GPL-3.0-or-later.
#include "tools/nearspelling/Frm16Approchant.h"

#include "common/Cascade.h"
#include "common/Colors.h"
#include "common/Controles.h"
#include "common/FiltreSaisieAZ.h"
#include "common/InternalError.h"
#include "common/Windows.h"
#include "data/WordData.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <new>

namespace {

constexpr int kLongueurMax = 14;
constexpr qint32 kCouleurFin = kBrun;
constexpr qint32 kCouleurErreur = kGrisFonce;
constexpr qint32 kCouleurAttente = kBleu;

}  // namespace

Frm16Approchant::Frm16Approchant(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("Frm16Approchant"));
    setWindowTitle(QStringLiteral("Mots approchants"));
    const QFont sans(QStringLiteral("DejaVu Sans"), 8);
    setFont(sans);

    TxtCtrl = new QLineEdit(this);
    TxtCtrl->setObjectName(QStringLiteral("TxtCtrl"));
    TxtCtrl->setGeometry(16, 14, 200, 26);
    TxtCtrl->setFont(QFont(QStringLiteral("Liberation Mono"), 10));
    new FiltreSaisieAZ(ctx_, TxtCtrl, kLongueurMax);
    LblN = label(this, "LblN", QStringLiteral("0"), QRect(224, 18, 40, 18));

    CmdCtrl = new QPushButton(QStringLiteral(" Rechercher"), this);
    CmdCtrl->setObjectName(QStringLiteral("CmdCtrl"));
    CmdCtrl->setToolTip(QStringLiteral("Rechercher si un mot existe"));
    CmdCtrl->setGeometry(330, 12, 120, 30);
    CmdCtrl->setEnabled(false);
    CmdCtrl->setAutoDefault(false);

    LblD = label(this, "LblD", QStringLiteral("Entrez un mot dans la zone de texte"), QRect(16, 50, 454, 18));

    FraOptions = new QGroupBox(QStringLiteral("Options pour la recherche"), this);
    FraOptions->setObjectName(QStringLiteral("FraOptions"));
    FraOptions->setGeometry(8, 74, 470, 104);
    Chk2 = new QCheckBox(QStringLiteral("Prendre en compte les mots ayant une lettre de plus ou une lettres de moins."),
                         FraOptions);
    Chk2->setObjectName(QStringLiteral("Chk2"));
    Chk2->setGeometry(8, 20, 456, 22);
    Chk2->setChecked(true);
    LblPrecision = label(FraOptions, "LblPrecision", QStringLiteral("Précision de la recherche de mots"),
                         QRect(10, 46, 450, 18));
    const QString textes[3] = {QStringLiteral("Recherche précise."), QStringLiteral("Précision moyenne."),
                               QStringLiteral("Précision faible.")};
    for (int i = 0; i < 3; ++i) {
        Opt[i] = new QRadioButton(textes[i], FraOptions);
        Opt[i]->setObjectName(QStringLiteral("Opt%1").arg(i));
        Opt[i]->setGeometry(8 + i * 152, 70, 150, 22);
        connect(Opt[i], &QRadioButton::clicked, this, [this, i] { Opt_Click(i); });
    }
    Opt[0]->setChecked(true);
    LblTaux = label(this, "LblTaux", QStringLiteral("90"), QRect(330, 680, 40, 18));
    LblTaux->setVisible(false);

    TxtRes = new QPlainTextEdit(this);
    TxtRes->setObjectName(QStringLiteral("TxtRes"));
    TxtRes->setGeometry(16, 188, 300, 508);
    TxtRes->setFont(QFont(QStringLiteral("Liberation Mono"), 9));
    TxtRes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtRes->setLineWrapMode(QPlainTextEdit::NoWrap);
    TxtRes->setReadOnly(true);
    couleurFond(TxtRes, kBlanc);

    LblComment = label(this, "LblComment", QStringLiteral("Comment ça marche ?"), QRect(330, 188, 150, 18));
    QFont gras = LblComment->font();
    gras.setBold(true);
    LblComment->setFont(gras);
    LblInfo2 = label(this, "LblInfo2", QString(), QRect(330, 214, 150, 90));
    LblInfo3 = label(this, "LblInfo3", QString(), QRect(330, 314, 150, 126));
    for (QLabel* l : {LblInfo2, LblInfo3})
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Foc = new QLineEdit(this);
    Foc->setObjectName(QStringLiteral("Foc"));
    Foc->setGeometry(-3000, -3000, 20, 20);

    ShaW = new QFrame(this);
    ShaW->setObjectName(QStringLiteral("ShaW"));
    ShaW->setGeometry(twipsToPixels(7200), 0, 1, 1);
    ShaW->setVisible(false);
    ShaH = new QFrame(this);
    ShaH->setObjectName(QStringLiteral("ShaH"));
    ShaH->setGeometry(0, twipsToPixels(10680), 1, 1);
    ShaH->setVisible(false);

    TimFind = new QTimer(this);
    TimFind->setObjectName(QStringLiteral("TimFind"));

    connect(TxtCtrl, &QLineEdit::textChanged, this, &Frm16Approchant::TxtCtrl_Change);
    connect(CmdCtrl, &QPushButton::clicked, this, &Frm16Approchant::CmdCtrl_Click);
    connect(Chk2, &QCheckBox::clicked, this, &Frm16Approchant::Chk2_Click);
    connect(TimFind, &QTimer::timeout, this, &Frm16Approchant::TimFind_Timer);

    Form_Load();
}

void Frm16Approchant::Form_Load()
{
    Module& m = ctx_.module;
    setFixedSize(twipsToPixels(pixelsToTwips(ShaW->x()) + 90), twipsToPixels(pixelsToTwips(ShaH->y())));
    PositionFenetreSuivante(m);
    move(twipsToPixels(m.PosGauche), twipsToPixels(m.PosHaut));
    LblInfo2->setText(QStringList{QStringLiteral("Cet  utilitaire  permet"), QStringLiteral("de trouver, à partir d'"),
                                  QStringLiteral("un mot, tous les mots"), QStringLiteral("dont l'orthographe s'en"),
                                  QStringLiteral("rapprochent  le  plus.")}
                          .join(m.SautLigne));
    LblInfo3->setText(QStringList{QStringLiteral("Note: une recherche"), QStringLiteral("précise entraînera un"),
                                  QStringLiteral("résultat de recherche"), QStringLiteral("faible , inversement,"),
                                  QStringLiteral("plus la précision est"), QStringLiteral("faible plus le nombre de"),
                                  QStringLiteral("solutions sera important.")}
                          .join(m.SautLigne));
}

void Frm16Approchant::Opt_Click(int Index)
{
    static const char* const taux[3] = {"90", "80", "70"};
    if (Index >= 0 && Index < 3)
        LblTaux->setText(QLatin1String(taux[Index]));
    Foc->setFocus();
}

void Frm16Approchant::Chk2_Click()
{
    Foc->setFocus();
}

void Frm16Approchant::TxtCtrl_Change()
{
    const qsizetype n = TxtCtrl->text().size();
    LblN->setText(QString::number(n));
    CmdCtrl->setEnabled(n >= 2);
    CmdCtrl->setDefault(n >= 2);
}

void Frm16Approchant::CmdCtrl_Click()
{
    TxtRes->clear();
    ctx_.platform.setPointer(this, Platform::Hourglass);
    couleurFond(TxtRes, kGrisArgent);
    LblD->setText(QStringLiteral("Recherche en cours, patientez..."));
    couleurTexte(LblD, kCouleurAttente);
    TimFind->start(500);
}

void Frm16Approchant::TimFind_Timer()
{
    TimFind->stop();
    try {
        try {
            const ResultatApprochant r = lanceRecherche(ctx_.words.DicoWords, TxtCtrl->text(), Chk2->isChecked(),
                                                        int(valeurDebut(LblTaux->text())));
            TxtRes->setPlainText(r.texte);
            LblD->setText(messageSolutions(r.nombre));
            couleurTexte(LblD, kCouleurFin);
            couleurFond(TxtRes, kBlanc);
            ctx_.platform.setPointer(this, Platform::Arrow);
        } catch (const std::bad_alloc&) {
            throw RuntimeError(7, QStringLiteral("Out of memory"));
        }
    } catch (const RuntimeError& e) {
        SignaleErreurInterne(ctx_, this, QStringLiteral("021"), e);
        couleurTexte(LblD, kCouleurErreur);
        LblD->setText(QStringLiteral("Erreur programme."));
        TxtRes->clear();
        couleurFond(TxtRes, kBlanc);
        ctx_.platform.setPointer(this, Platform::Arrow);
    }
}

ResultatApprochant Frm16Approchant::lanceRecherche(const ListeMots& dico, const QString& mot, bool plusMoins, int seuil)
{
    return RechercheApprochants(dico, mot, plusMoins, seuil, ctx_.module.SautLigne);
}

void Frm16Approchant::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the default search button, wherever the focus is.
    if (!presseBoutonParDefaut(event, CmdCtrl))
        QWidget::keyPressEvent(event);
}
