// Lexiparc — GPL-3.0-or-later.
#include "tools/anagrams/Frm11Ana.h"

#include "common/Cascade.h"
#include "common/Colors.h"
#include "common/Controles.h"
#include "common/TextHelpers.h"
#include "data/Resources.h"
#include "tools/anagrams/RechercheAnagrammes.h"
#include "tools/anagrams/ClesAnagrammes.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTime>
#include <QTimer>

namespace {
// The lists of one length: a font sized in pixels, like the window, and narrowed so that eleven
// columns fit side by side; each column is as wide as the widest word of its length in the
// shipped list, plus the list's frame, text margins and vertical scroll bar.
constexpr int kPixelsColonne = 11;
constexpr int kEtirementColonne = 80;
constexpr std::array<int, 13> kLargeurColonne{0, 0, 40, 50, 52, 59, 66, 73, 81, 86, 92, 98, 104};

const QString kLettresAdmises = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz?");
const QString kLettresObligatoires = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");

// The tick box of the joker option: empty, or the tick drawn over it.
QPixmap dessinCoche(bool coche)
{
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    if (!coche) {
        g.setPen(QPen(Qt::black, 1));
        g.setBrush(Qt::white);
        g.drawRect(1, 1, 13, 13);
    } else {
        g.setPen(QPen(QColor(0, 128, 0), 2.5));
        g.drawPolyline(QPolygonF({QPointF(3.5, 8), QPointF(6.5, 11.5), QPointF(12.5, 3.5)}));
    }
    return p;
}
}

Frm11Ana::Frm11Ana(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("Frm11Ana"));
    setWindowTitle(QStringLiteral("Anagrammes-Tous les mots possibles"));
    setAutoFillBackground(true);
    setFixedSize(990, 575);

    const QFont sans(QStringLiteral("Liberation Sans"), 9);
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setPixelSize(12);
    setFont(sans);
    // The window is disabled during a search: its captions stay readable on the grey.
    QPalette lisible = palette();
    lisible.setColor(QPalette::Disabled, QPalette::WindowText, lisible.color(QPalette::Active, QPalette::WindowText));
    setPalette(lisible);

    TxtCh = nomme(new QLineEdit(this), QStringLiteral("TxtCh"));
    TxtCh->setGeometry(20, 18, 210, 30);
    TxtCh->setMaxLength(kMaxLettresAna);
    TxtCh->setAlignment(Qt::AlignCenter);
    TxtCh->setFont(QFont(QStringLiteral("Liberation Sans"), 14, QFont::Bold));
    LblN = nomme(new QLabel(QStringLiteral("0"), this), QStringLiteral("LblN"));
    LblN->setGeometry(238, 24, 30, 20);

    for (int i = 0; i < 2; ++i) {
        ImgCochA[size_t(i)] = nomme(new QLabel(this), QStringLiteral("ImgCochA(%1)").arg(i));
        ImgCochA[size_t(i)]->setGeometry(20, 62, 16, 16);
        ImgCochA[size_t(i)]->setPixmap(dessinCoche(i == 1));
        ImgCochA[size_t(i)]->setCursor(Qt::PointingHandCursor);
        ImgCochA[size_t(i)]->installEventFilter(this);
    }
    ImgCochA[1]->hide();
    Lbl[0] = nomme(new QLabel(QStringLiteral("Ajouter un joker"), this), QStringLiteral("Lbl(0)"));
    Lbl[0]->setGeometry(42, 61, 190, 18);

    FraOptions = nomme(new QGroupBox(QStringLiteral("Options de recherche"), this), QStringLiteral("FraOptions"));
    FraOptions->setGeometry(290, 8, 420, 78);
    FraOptions->setAutoFillBackground(true);
    Lbl[1] = nomme(new QLabel(QStringLiteral("Lettre obligatoire"), FraOptions), QStringLiteral("Lbl(1)"));
    Lbl[1]->setGeometry(14, 32, 110, 20);
    Text5 = nomme(new QLineEdit(FraOptions), QStringLiteral("Text5"));
    Text5->setGeometry(126, 28, 34, 28);
    Text5->setMaxLength(1);
    Text5->setAlignment(Qt::AlignCenter);
    Lbl[2] = nomme(new QLabel(QStringLiteral("Mini lettres"), FraOptions), QStringLiteral("Lbl(2)"));
    Lbl[2]->setGeometry(200, 32, 90, 20);
    Cbo1 = nomme(new QComboBox(FraOptions), QStringLiteral("Cbo1"));
    Cbo1->setGeometry(292, 28, 70, 28);
    Cbo1->setEditable(true);
    Cbo1->setInsertPolicy(QComboBox::NoInsert);
    Cbo1->setEnabled(false);

    CmdCh = nomme(new QPushButton(QStringLiteral(" Rechercher"), this), QStringLiteral("CmdCh"));
    CmdCh->setGeometry(740, 22, 160, 34);
    CmdCh->setToolTip(QStringLiteral("Rechercher les anagrammes"));
    CmdCh->setEnabled(false);

    LblInfo = nomme(new QLabel(this), QStringLiteral("LblInfo"));
    LblInfo->setGeometry(20, 96, 900, 20);

    LstAna = nomme(new QListWidget(this), QStringLiteral("LstAna"));
    LstAna->setGeometry(20, 124, 120, 430);
    LstAna->setFont(mono);
    LstAna->setUniformItemSizes(true);
    QFont colonne(QStringLiteral("Liberation Sans"));
    colonne.setPixelSize(kPixelsColonne);
    colonne.setStretch(kEtirementColonne);
    int x = 146;
    for (int k = 2; k <= kMaxLettresAna; ++k) {
        const int largeur = kLargeurColonne[size_t(k)];
        Nl[size_t(k)] = nomme(new QLabel(QStringLiteral("%1").arg(k, 2, 10, QChar(u'0')), this),
                              QStringLiteral("Nl(%1)").arg(k));
        Nl[size_t(k)]->setGeometry(x, 124, largeur, 18);
        Nl[size_t(k)]->setAlignment(Qt::AlignCenter);
        Lst[size_t(k)] = nomme(new QListWidget(this), QStringLiteral("Lst(%1)").arg(k));
        Lst[size_t(k)]->setGeometry(x, 144, largeur, 386);
        Lst[size_t(k)]->setUniformItemSizes(true);
        Lst[size_t(k)]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Lst[size_t(k)]->setFont(colonne);
        couleurFond(Lst[size_t(k)], kGrisClair);
        NR[size_t(k)] = nomme(new QLabel(QStringLiteral("0"), this), QStringLiteral("NR(%1)").arg(k));
        NR[size_t(k)]->setGeometry(x, 534, largeur, 18);
        NR[size_t(k)]->setAlignment(Qt::AlignCenter);
        x += largeur + 2;
    }

    LblWait = nomme(new QLabel(QStringLiteral("Lecture de la base de données, patientez..."), this),
                    QStringLiteral("LblWait"));
    LblWait->setGeometry(300, 300, 500, 24);
    LblWait->setAlignment(Qt::AlignCenter);
    LblWait->setFont(QFont(QStringLiteral("Liberation Sans"), 11, QFont::Bold));
    LblWait->hide();
    LblT1 = nomme(new QLabel(QStringLiteral("00:00:00"), this), QStringLiteral("LblT1"));
    LblT2 = nomme(new QLabel(QStringLiteral("00:00:00"), this), QStringLiteral("LblT2"));
    LblRes = nomme(new QLabel(QStringLiteral("00:00:18"), this), QStringLiteral("LblRes"));
    LblT1->hide();
    LblT2->hide();
    LblRes->hide();

    const auto minuterie = [this](const char* name) {
        auto* t = nomme(new QTimer(this), QString::fromLatin1(name));
        t->setSingleShot(true);
        return t;
    };
    TimLoad = minuterie("TimLoad");
    TimAna = minuterie("TimAna");
    TimAnaBis = minuterie("TimAnaBis");
    TimCherche = minuterie("TimCherche");
    connect(TimLoad, &QTimer::timeout, this, &Frm11Ana::TimLoad_Timer);
    connect(TimAna, &QTimer::timeout, this, &Frm11Ana::TimAna_Timer);
    connect(TimAnaBis, &QTimer::timeout, this, &Frm11Ana::TimAnaBis_Timer);
    connect(TimCherche, &QTimer::timeout, this, &Frm11Ana::TimCherche_Timer);
    connect(TxtCh, &QLineEdit::textChanged, this, &Frm11Ana::TxtCh_Change);
    connect(Text5, &QLineEdit::textChanged, this, &Frm11Ana::Text5_Change);
    connect(CmdCh, &QPushButton::clicked, this, &Frm11Ana::CmdCh_Click);

    peintFenetre(kGrisArgent);
    Form_Load();
    TimLoad->start(100);
}

Frm11Ana::~Frm11Ana()
{
    // Closed while it loads the anagram data: the load is abandoned, so the next opening of
    // the window loads the data again.
    if (chargement_)
        ctx_.words.AnaLoaded = 0;
}

QString Frm11Ana::sChangeCaractere(const QString& laChaine, const QString& old_car, const QString& new_car)
{
    return ::sChangeCaractere(laChaine, old_car, new_car);
}

void Frm11Ana::Form_Load()
{
    PositionFenetreSuivante(ctx_.module);
    move(twipsToPixels(ctx_.module.PosGauche), twipsToPixels(ctx_.module.PosHaut));
}

void Frm11Ana::peintFenetre(qint32 couleur)
{
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(FraOptions)})
        metCouleur(w, QPalette::Window, couleur);
}

void Frm11Ana::activeRecherche()
{
    CmdCh->setEnabled(TxtCh->text().size() > 1 && !chargement_);
}

void Frm11Ana::TimLoad_Timer()
{
    TimLoad->stop();
    if (ctx_.words.AnaLoaded == 1) {
        peintFenetre(kBlanc);
    } else if (ctx_.module.OptChargeAnag == 1) {
        ctx_.words.AnaLoaded = 1;
        chargement_ = true;
        activeRecherche();
        ctx_.platform.setPointer(this, Platform::Hourglass);
        LblWait->show();
        TimAna->start(100);
    }
    TxtCh->setFocus();
}

void Frm11Ana::TimAna_Timer()
{
    TimAna->stop();
    ChargeListeAna(ctx_.words);
    TimAnaBis->start(250);
}

void Frm11Ana::TimAnaBis_Timer()
{
    TimAnaBis->stop();
    ctx_.words.Anagrammes.IndexeAnagrammes(ctx_.words.AnaWords);
    chargement_ = false;
    activeRecherche();
    ctx_.platform.setPointer(this, Platform::Arrow);
    peintFenetre(kBlanc);
    LblWait->hide();
    TxtCh->setFocus();
}

void Frm11Ana::TxtCh_Change()
{
    const QString texte = TxtCh->text();
    const QString haut = majuscules(texte);
    if (haut != texte) {
        TxtCh->setText(haut);  // the change handler runs again on the new text
        return;
    }
    TxtCh->setCursorPosition(int(texte.size()));
    TxtCh->setFocus();
    activeRecherche();
    const bool joker = texte.contains(u'?');
    ImgCochA[1]->setVisible(joker);
    Lbl[0]->setText(joker ? QStringLiteral("Supprimer le joker") : QStringLiteral("Ajouter un joker"));
    LblN->setText(QString::number(texte.size()));

    for (QChar c : texte) {
        if (!kLettresAdmises.contains(c)) {
            const QString filtre = sChangeCaractere(texte, QString(c), QString());
            if (filtre != texte) {
                TxtCh->setText(filtre);
                return;
            }
        }
    }

    const int n = int(texte.size());
    Cbo1->clear();
    Cbo1->setEditText(QString());
    if (n < 2) {
        Cbo1->setEnabled(false);
    } else {
        Cbo1->setEnabled(true);
        Cbo1->setEditText(QStringLiteral("2"));
        for (int k = 2; k <= n; ++k)
            Cbo1->addItem(QString::number(k));
        Cbo1->setEditText(QStringLiteral("2"));
    }
}

void Frm11Ana::Text5_Change()
{
    const QString texte = Text5->text();
    const QString haut = majuscules(texte);
    if (haut != texte) {
        Text5->setText(haut);
        return;
    }
    for (QChar c : texte) {
        if (!kLettresObligatoires.contains(c)) {
            const QString filtre = sChangeCaractere(texte, QString(c), QString());
            if (filtre != texte) {
                Text5->setText(filtre);
                // The caret to the end of the focused box.
                if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
                    box->end(false);
                return;
            }
        }
    }
}

bool Frm11Ana::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < 2; ++i)
            if (watched == ImgCochA[size_t(i)]) {
                ImgCochA_Click(i);
                return true;
            }
    }
    return QWidget::eventFilter(watched, event);
}

void Frm11Ana::ImgCochA_Click(int Index)
{
    Module& m = ctx_.module;
    if (Index == 0) {
        if (TxtCh->text().size() >= kMaxLettresAna) {
            m.MsgTexte = QStringLiteral("Le mot recherché compte 12 caractères,") + m.SautLigne +
                         QStringLiteral("impossible de rajouter un joker.") + m.SautLigne +
                         QStringLiteral("Modifier votre recherche.");
            m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Information,
                                                    Platform::Buttons::Ok);
            return;
        }
        ImgCochA[1]->show();
        if (!TxtCh->text().contains(u'?'))
            TxtCh->setText(TxtCh->text() + u'?');
        Lbl[0]->setText(QStringLiteral("Supprimer le joker"));
    } else {
        ImgCochA[1]->hide();
        QString t = TxtCh->text();
        const qsizetype p = t.indexOf(u'?');
        if (p >= 0)
            TxtCh->setText(t.remove(p, 1));
        Lbl[0]->setText(QStringLiteral("Ajouter un joker"));
    }
}

void Frm11Ana::CmdCh_Click()
{
    Module& m = ctx_.module;
    if (!ctx_.words.Anagrammes.built()) {
        m.MsgTexte = QStringLiteral("La base de données des anagrammes n'est pas chargée.") + m.SautLigne +
                     QStringLiteral("Cochez « Charger la base de données des anagrammes. » dans les") + m.SautLigne +
                     QStringLiteral("options du programme, puis ouvrez de nouveau cette fenêtre.");
        m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Information,
                                                Platform::Buttons::Ok);
        TxtCh->setFocus();
        return;
    }
    const QString texte = TxtCh->text();
    if (texte.contains(u'?') && texte.size() > 11) {
        m.MsgTexte = QStringLiteral("Attention, la recherche contient un mot de plus de 11") + m.SautLigne +
                     QStringLiteral("lettres avec un joker, la recherche risque d'être") + m.SautLigne +
                     QStringLiteral("fortement  ralentie, elle  peut  éventuellement") + m.SautLigne +
                     QStringLiteral("entraîner un blocage du programme.") + m.SautLigne + m.SautLigne +
                     QStringLiteral("Voulez-vous quand même continuer ?");
        m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Exclamation,
                                                Platform::Buttons::YesNo, 2);
        if (m.MsgReponse == Platform::No) {
            LblInfo->clear();
            TxtCh->setFocus();
            return;
        }
    }
    ctx_.platform.setPointer(this, Platform::Hourglass);
    LblInfo->setText(QStringLiteral("Recherche en cours..."));
    peintFenetre(kGrisArgent);
    setEnabled(false);
    LblT1->setText(texteHeure(QTime::currentTime()));
    for (int k = 2; k <= kMaxLettresAna; ++k) {
        Lst[size_t(k)]->clear();
        couleurFond(Lst[size_t(k)], kBlanc);
    }
    LstAna->clear();
    TimCherche->start(500);
}

void Frm11Ana::TimCherche_Timer()
{
    TimCherche->stop();
    const int mini = longueurMinimale(Cbo1->currentText());
    TxtCh->setText(sansBlancs(TxtCh->text()));
    const QString s = TxtCh->text();

    const AnagramIndex& index = ctx_.words.Anagrammes;
    if (index.built() && (!cles_ || !cles_->decrit(index)))
        cles_ = std::make_unique<ClesAnagrammes>(index);
    const ResultatAnagrammes r = ChercheAnagrammesTousMots(index, s, mini, Text5->text(), cles_.get());
    if (r.tropDeJokers) {
        Module& m = ctx_.module;
        m.MsgTexte = QStringLiteral("Attention, un seul joker est autorisé.");
        m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Exclamation,
                                                Platform::Buttons::Ok);
        setEnabled(true);
        for (int k = 2; k <= kMaxLettresAna; ++k)
            couleurFond(Lst[size_t(k)], kGrisClair);
        peintFenetre(kBlanc);
        LblInfo->clear();
        ctx_.platform.setPointer(this, Platform::Arrow);
        return;
    }
    LstAna->addItems(r.LstAna);
    for (int k = 2; k <= kMaxLettresAna; ++k)
        Lst[size_t(k)]->addItems(r.Lst[size_t(k)]);

    LblT2->setText(texteHeure(QTime::currentTime()));
    LblRes->setText(texteDuree(QTime::fromString(LblT1->text(), QStringLiteral("hh:mm:ss")),
                               QTime::fromString(LblT2->text(), QStringLiteral("hh:mm:ss"))));
    LblInfo->setText(texteResume(LstAna->count(), LblRes->text()));

    setEnabled(true);
    for (int k = 2; k <= kMaxLettresAna; ++k) {
        if (Lst[size_t(k)]->count() == 0)
            couleurFond(Lst[size_t(k)], kGrisClair);
        NR[size_t(k)]->setText(QString::number(Lst[size_t(k)]->count()));
    }
    peintFenetre(kBlanc);
    ctx_.platform.setPointer(this, Platform::Arrow);
}
