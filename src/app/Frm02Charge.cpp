// Lexiparc — GPL-3.0-or-later.
#include "app/Frm02Charge.h"

#include "app/MDI.h"
#include "app/TextesChargement.h"
#include "common/Colors.h"
#include "common/Controles.h"
#include "common/InternalError.h"
#include "common/Windows.h"
#include "data/Resources.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace {
// The code of the loading screen in internal-error reports.
const QString kCodeErreur = QStringLiteral("101");
}

Frm02Charge::Frm02Charge(AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint), ctx_(ctx)
{
    setObjectName(QStringLiteral("Frm02Charge"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("QWidget#Frm02Charge { background: #fbf6e9; border: 2px solid #2c5f8a; }"));

    ImgL = label(this, "ImgL", {}, QRect(0, 0, 96, 96));
    ImgL->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
    ImgL->hide();
    ImgLogo = label(this, "ImgLogo", {}, QRect(20, 20, 96, 96));
    ImgLogo->setScaledContents(true);

    LblVer = label(this, "LblVer", {}, QRect(136, 28, 290, 22));
    LblVer->setFont(QFont(QStringLiteral("Liberation Sans"), 11, QFont::Bold));
    LblMotDef = label(this, "LblMotDef", {}, QRect(136, 56, 304, 22));
    Lbl = label(this, "Lbl", QStringLiteral("Dictionnaire, Scrabble, anagrammes, mots croisés, synonymes."),
                QRect(0, 124, 450, 22));
    Lbl->setAlignment(Qt::AlignCenter);
    Lbl->setFont(QFont(QStringLiteral("Liberation Sans"), 10, QFont::StyleItalic));

    static const char* const lignes[3] = {"LblChargement_0", "LblChargement_1", "LblChargement_2"};
    static const char* const coches[3] = {"ImgCoche2_0", "ImgCoche2_1", "ImgCoche2_2"};
    const QString textes[3] = {QStringLiteral("Dictionnaire et définitions."), QStringLiteral("Les anagrammes."),
                               QStringLiteral("Les synonymes.")};
    const QPixmap coche(QStringLiteral(":/icons/coche.png"));
    for (int i = 0; i < 3; ++i) {
        ImgCoche2[size_t(i)] = label(this, coches[i], {}, QRect(40, 160 + 26 * i, 18, 18));
        ImgCoche2[size_t(i)]->setPixmap(coche);
        ImgCoche2[size_t(i)]->hide();
        LblChargement[size_t(i)] = label(this, lignes[i], textes[i], QRect(66, 160 + 26 * i, 360, 20));
        couleurTexte(LblChargement[size_t(i)], kGrisFonce);
    }
    LblInf1 = label(this, "LblInf1", QStringLiteral("Chargement des données, patientez..."), QRect(40, 246, 250, 20));
    LblInf = label(this, "LblInf", QStringLiteral(" . . . . . ."), QRect(290, 246, 120, 20));

    ShaH = new QWidget(this);
    ShaH->setObjectName(QStringLiteral("ShaH"));
    ShaH->setGeometry(0, 284, 1, 1);
    ShaH->hide();

    Foc = new QPushButton(this);
    Foc->setObjectName(QStringLiteral("Foc"));
    Foc->setGeometry(-100, -100, 10, 10);
    connect(Foc, &QPushButton::clicked, this, &Frm02Charge::Foc_Click);

    auto timer = [this](const QString& name) {
        auto* t = new QTimer(this);
        t->setObjectName(name);
        return t;
    };
    Tim1a9 = timer(QStringLiteral("Tim1a9"));
    TimAna = timer(QStringLiteral("TimAna"));
    TimAnaBis = timer(QStringLiteral("TimAnaBis"));
    for (int i = 0; i < 26; ++i) {
        TimLettre[size_t(i)] = timer(QStringLiteral("Tim") + QChar(u'A' + i));
        connect(TimLettre[size_t(i)], &QTimer::timeout, this, [this, i] { TimLettre_Timer(i); });
    }
    TimTempo = timer(QStringLiteral("TimTempo"));
    TimFin = timer(QStringLiteral("TimFin"));
    connect(Tim1a9, &QTimer::timeout, this, &Frm02Charge::Tim1a9_Timer);
    connect(TimAna, &QTimer::timeout, this, &Frm02Charge::TimAna_Timer);
    connect(TimAnaBis, &QTimer::timeout, this, &Frm02Charge::TimAnaBis_Timer);
    connect(TimTempo, &QTimer::timeout, this, &Frm02Charge::TimTempo_Timer);
    connect(TimFin, &QTimer::timeout, this, &Frm02Charge::TimFin_Timer);

    chargeurs.dico = [](WordData& w) { ChargeDico(w); };
    chargeurs.listeAna = [](WordData& w) { ChargeListeAna(w); };
    chargeurs.lettreSyno = [](WordData& w, QChar l) { ChargeLettreSyno(w, l); };
    montreMDI = [](AppContext& c) { (new MDI(c))->show(); };

    Form_Load();
}

void Frm02Charge::Form_Load()
{
    const Module& m = ctx_.module;
    setFixedSize(Lbl->width(), ShaH->y());
    const QSize screen = ctx_.platform.screenSizeTwips();
    CentreFenetre(this, screen.width(), screen.height(), 3);
    CptTempo = 0;
    LblInf->clear();
    ImgLogo->setPixmap(ImgL->pixmap());
    texteAjuste(LblMotDef, texteMotsDefinitions(m.NbMots, m.NbDefinitions), LblMotDef->font());
    LblVer->setText(QStringLiteral("Version ") + m.VersionProg);
    ctx_.platform.setPointer(this, Platform::Hourglass);
    Tim1a9->start(10);
}

bool Frm02Charge::charge(const std::function<void()>& work)
{
    try {
        work();
        return true;
    } catch (const RuntimeError& e) {
        SignaleErreurInterne(ctx_, this, kCodeErreur, e);
        return false;
    }
}

void Frm02Charge::montrePourcentage(int etape)
{
    ctx_.platform.randomize();
    const float r = ctx_.platform.rnd();
    LblInf1->setText(textePourcentage(pourcentageChargement(EtapeChargement(etape), r)));
}

void Frm02Charge::ligneChargee(int i, const QString& texte)
{
    LblChargement[size_t(i)]->setText(texte);
    couleurTexte(LblChargement[size_t(i)], kNoir);
    ImgCoche2[size_t(i)]->show();
}

void Frm02Charge::Tim1a9_Timer()
{
    Tim1a9->stop();
    const Module& m = ctx_.module;
    const bool ok = charge([this] { chargeurs.dico(ctx_.words); });
    montrePourcentage(int(EtapeChargement::Dictionnaire));
    if (ok)
        ligneChargee(0, texteListeDico(m.NbMots, m.NbDefinitions));
    TimAna->start(10);
}

void Frm02Charge::TimAna_Timer()
{
    TimAna->stop();
    if (ctx_.module.OptChargeAnag == 1) {
        ctx_.words.AnaLoaded = 1;
        const bool ok = charge([this] { chargeurs.listeAna(ctx_.words); });
        montrePourcentage(int(EtapeChargement::Anagrammes));
        if (ok)
            ligneChargee(1, texteBaseAnagrammes(ctx_.words.AnaWords.size() - 1));
        TimAnaBis->start(250);
    } else {
        TimLettre[0]->start(10);
    }
}

void Frm02Charge::TimAnaBis_Timer()
{
    TimAnaBis->stop();
    charge([this] { ctx_.words.Anagrammes.IndexeAnagrammes(ctx_.words.AnaWords); });
    montrePourcentage(int(EtapeChargement::Index));
    TimLettre[0]->start(10);
}

void Frm02Charge::TimLettre_Timer(int rang)
{
    TimLettre[size_t(rang)]->stop();
    if (rang == 0) {
        if (ctx_.module.OptChargeSyno != 1) {
            TimTempo->start(200);
            return;
        }
        ctx_.words.SynoLoaded = 1;
    }
    const QChar lettre(u'A' + rang);
    const bool ok = charge([this, lettre] { chargeurs.lettreSyno(ctx_.words, lettre); });
    if (rang < 25) {
        LblChargement[2]->setText(texteListeSynonymes(lettre));
        TimLettre[size_t(rang) + 1]->start(10);
        return;
    }
    // The last letter ends the synonym phase.
    if (ok)
        ligneChargee(2, texteBaseSynonymes(ctx_.module.NbSynonymes));
    else
        LblChargement[2]->setText(texteListeSynonymes(lettre));
    TimTempo->start(200);
}

void Frm02Charge::TimTempo_Timer()
{
    LblInf1->setText(texteChargementFini());
    if (CptTempo >= 7) {
        ctx_.platform.setPointer(this, Platform::Arrow);
        TimTempo->stop();
        TimFin->start(100);
        return;
    }
    ++CptTempo;
    if (CptTempo <= 5) {
        LblInf->setText(textePoints(CptTempo));
    } else if (CptTempo == 6) {
        couleurTexte(LblInf1, kGris);
        couleurTexte(LblInf, kGris);
        for (QLabel* l : LblChargement)
            couleurTexte(l, kGris);
        for (QLabel* c : ImgCoche2)
            c->hide();
    }
}

void Frm02Charge::TimFin_Timer()
{
    TimFin->stop();
    if (montreMDI)
        montreMDI(ctx_);
    close();
}

void Frm02Charge::Foc_Click()
{
    ctx_.platform.quit();
}
