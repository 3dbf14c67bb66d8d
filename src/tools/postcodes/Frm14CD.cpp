// Lexiparc — GPL-3.0-or-later.
#include "tools/postcodes/Frm14CD.h"

#include "common/Cadre.h"
#include "common/Cascade.h"
#include "common/Colors.h"
#include "common/Controles.h"
#include "common/InternalError.h"
#include "common/TextHelpers.h"
#include "common/Windows.h"
#include "data/CommuneCounts.h"
#include "data/Resources.h"
#include "tools/postcodes/CommuneLiens.h"
#include "tools/postcodes/Frm21About.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

CommuneTables& Frm14CD::tables()
{
    static CommuneTables t;
    return t;
}

Frm14CD::Frm14CD(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("Frm14CD"));
    setWindowTitle(QStringLiteral("RECHERCHER - Codes postaux et communes de France"));

    const QFont sans(QStringLiteral("DejaVu Sans"), 8);
    const QFont sansGras = [&] {
        QFont f = sans;
        f.setBold(true);
        return f;
    }();
    setFont(sans);

    auto titre = [&](const QString& text, const QRect& r) {
        auto* l = new QLabel(text, this);
        l->setFont(sansGras);
        l->setGeometry(r);
        return l;
    };
    auto saisie = [&](const char* name, const QRect& r) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QString::fromLatin1(name));
        t->setAlignment(Qt::AlignCenter);
        t->setGeometry(r);
        return t;
    };

    titre(QStringLiteral("PAR CODE P."), twips(120, 120, 1800, 255))->setObjectName(QStringLiteral("LblTitreCP"));
    titre(QStringLiteral("PAR NOM DE COMMUNE"), twips(2040, 120, 2280, 255))
        ->setObjectName(QStringLiteral("LblTitreNom"));
    TxtCP = saisie("TxtCP", twips(120, 390, 1800, 360));
    TxtCP->setMaxLength(5);
    TxtCherche = saisie("TxtCherche", twips(2040, 390, 2280, 360));
    TxtMiroir = saisie("TxtMiroir", twips(2040, 390, 2280, 360));
    TxtMiroir->hide();
    Txt1Foc = saisie("Txt1Foc", twips(120, 390, 1800, 360));
    Txt1Foc->setText(QStringLiteral("Ex: 75001"));
    Txt2Foc = saisie("Txt2Foc", twips(2040, 390, 2280, 360));
    Txt2Foc->setText(QStringLiteral("Ex: ST JEAN LE BLANC"));
    for (QLineEdit* t : {Txt1Foc, Txt2Foc}) {
        couleurFond(t, kBlanc);
        metCouleur(t, QPalette::Text, kGrisArgent);
        t->setReadOnly(true);
    }
    couleurFond(TxtCP, kBlanc);
    couleurFond(TxtCherche, kBlanc);

    LstLaListe = new QListWidget(this);
    LstLaListe->setObjectName(QStringLiteral("LstLaListe"));
    LstLaListe->setFont(QFont(QStringLiteral("Liberation Mono"), 9));
    LstLaListe->setSortingEnabled(false);
    LstLaListe->setUniformItemSizes(true);
    LstLaListe->setGeometry(twips(120, 870, 4200, 4200));

    LblInfo = new QLabel(this);
    LblInfo->setObjectName(QStringLiteral("LblInfo"));
    LblInfo->setGeometry(twips(120, 5160, 4200, 300));

    policeDetail_ = sansGras;
    for (int i = 0; i < NbChampsDetail; ++i) {
        const int top = 120 + i * 420;
        auto* tit = new QLabel(QString::fromUtf8(kTitresDetail[size_t(i)]), this);
        tit->setGeometry(twips(4560, top, 1650, 300));
        auto* val = new QLabel(this);
        val->setObjectName(QString::fromLatin1(kNomsLabelsDetail[size_t(i)]));
        val->setFont(policeDetail_);
        val->setGeometry(twips(6240, top, i == DetCommune ? 3360 : 3840, 300));
        LblDetail[size_t(i)] = val;
    }

    const QIcon copie = style()->standardIcon(QStyle::SP_DialogSaveButton);
    ImgCopyFalse = new QLabel(this);
    ImgCopyFalse->setObjectName(QStringLiteral("ImgCopyFalse"));
    ImgCopyFalse->setGeometry(twips(9720, 120, 300, 300));
    ImgCopyFalse->setPixmap(copie.pixmap(QSize(20, 20), QIcon::Disabled));
    ImgCopyTrue = new QLabel(this);
    ImgCopyTrue->setObjectName(QStringLiteral("ImgCopyTrue"));
    ImgCopyTrue->setGeometry(ImgCopyFalse->geometry());
    ImgCopyTrue->setPixmap(copie.pixmap(QSize(20, 20)));
    ImgCopyTrue->setToolTip(QStringLiteral("Copier le nom de la commune dans le presse-papier"));
    ImgCopyTrue->setCursor(Qt::PointingHandCursor);
    ImgCopyTrue->installEventFilter(this);

    CmdCopier = bouton(this, "CmdCopier", {}, twips(120, 5700, 1500, 780),
                       QStringLiteral("Copier les données dans le presse-papier"));
    CmdGoogleMap = bouton(this, "CmdGoogleMap", {}, twips(1740, 5700, 2460, 780), QStringLiteral("Geolocalisation"));
    CmdExterne = bouton(this, "CmdExterne", {}, twips(4320, 5700, 2940, 780), QStringLiteral("Plus d'infos"));
    CmdAbout = bouton(this, "CmdAbout", QStringLiteral("A propos"), twips(7380, 5700, 1260, 780),
                      QStringLiteral("A propos du programme"));
    CmdQ = bouton(this, "CmdQ", QStringLiteral("Quitter"), twips(8760, 5700, 1320, 780),
                  QStringLiteral("Quitter le programme"));

    // Out of sight: takes the focus before a button acts.
    Foc = new QPushButton(this);
    Foc->setObjectName(QStringLiteral("Foc"));
    Foc->setGeometry(-30, -30, 10, 10);

    TimCP = new QTimer(this);
    TimCP->setObjectName(QStringLiteral("TimCP"));
    TimNom = new QTimer(this);
    TimNom->setObjectName(QStringLiteral("TimNom"));

    for (QLineEdit* t : {TxtCP, TxtCherche, Txt1Foc, Txt2Foc})
        t->installEventFilter(this);
    connect(TimCP, &QTimer::timeout, this, &Frm14CD::TimCP_Timer);
    connect(TimNom, &QTimer::timeout, this, &Frm14CD::TimNom_Timer);
    connect(TxtCP, &QLineEdit::textChanged, this, &Frm14CD::TxtCP_Change);
    connect(TxtCherche, &QLineEdit::textChanged, this, &Frm14CD::TxtCherche_Change);
    connect(TxtMiroir, &QLineEdit::textChanged, this, &Frm14CD::TxtMiroir_Change);
    connect(LstLaListe, &QListWidget::currentRowChanged, this, &Frm14CD::LstLaListe_Click);
    connect(CmdCopier, &QPushButton::clicked, this, &Frm14CD::CmdCopier_Click);
    connect(CmdGoogleMap, &QPushButton::clicked, this, &Frm14CD::CmdGoogleMap_Click);
    connect(CmdExterne, &QPushButton::clicked, this, &Frm14CD::CmdExterne_Click);
    connect(CmdAbout, &QPushButton::clicked, this, &Frm14CD::CmdAbout_Click);
    connect(CmdQ, &QPushButton::clicked, this, &Frm14CD::CmdQ_Click);

    LblCommuneMin_Change();
    Form_Load();
}

void Frm14CD::Form_Load()
{
    setFixedSize(twipsToPixels(kLimiteD), twipsToPixels(kLimiteH));
    Module& m = ctx_.module;
    PositionFenetreSuivante(m);
    move(twipsToPixels(m.PosGauche), twipsToPixels(m.PosHaut));
    CmdExterne->setText(QStringLiteral("Plus d' infos  sur  le  site") + QLatin1Char('\n') +
                        QString::fromLatin1(kHoteAnnuaire));
    CmdGoogleMap->setText(QStringLiteral("Géolocaliser la commune") + QLatin1Char('\n') +
                          QStringLiteral("sur Google Maps"));
    CmdCopier->setText(QStringLiteral("Copier les") + QLatin1Char('\n') + QStringLiteral("données"));
    Foc->setFocus();
    TimCP->start(100);
}

bool Frm14CD::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == TxtCP)
            TxtCP_GotFocus();
        else if (watched == TxtCherche)
            TxtCherche_GotFocus();
        else if (watched == Txt1Foc)
            Txt1Foc_GotFocus();
        else if (watched == Txt2Foc)
            Txt2Foc_GotFocus();
    } else if (watched == ImgCopyTrue && event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            ImgCopyTrue_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Frm14CD::chargeListe(bool nom)
{
    try {
        if (nom)
            remplitTablesNom(tables(), ChargeRessource(QStringLiteral("LISTEPARNOM"), 201));
        else
            remplitTablesCP(tables(), ChargeRessource(QStringLiteral("LISTEPARCP"), 200));
    } catch (const RuntimeError& e) {
        // The embedded lists are checked when they are built; should one fail all the same,
        // the window stays usable with what it holds.
        Module& m = ctx_.module;
        m.ErrNumero = e.number();
        m.MsgTexte = e.description();
        m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Critical,
                                                Platform::Buttons::Ok);
    }
}

void Frm14CD::TimCP_Timer()
{
    TimCP->stop();
    chargeListe(false);
    TimNom->start(200);
}

void Frm14CD::TimNom_Timer()
{
    TimNom->stop();
    chargeListe(true);
}

void Frm14CD::TxtCP_GotFocus()
{
    // Reached without its placeholder (by the Tab key): the placeholder would hide the input.
    Txt1Foc->hide();
    ModeRecherche = 1;
    couleurFond(TxtCherche, kGrisClair);
    couleurFond(TxtCP, kBlanc);
    LblInfo->setText(infoFocusCode());
}

void Frm14CD::TxtCherche_GotFocus()
{
    Txt2Foc->hide();
    ModeRecherche = 2;
    couleurFond(TxtCP, kGrisClair);
    couleurFond(TxtCherche, kBlanc);
    LblInfo->setText(infoFocusNom());
}

// The focus moves on once the placeholder's own focus change is over.
void Frm14CD::Txt1Foc_GotFocus()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
        TxtCP->setFocus();
        Txt1Foc->hide();
        },
        Qt::QueuedConnection);
}

void Frm14CD::Txt2Foc_GotFocus()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
        TxtCherche->setFocus();
        Txt2Foc->hide();
        },
        Qt::QueuedConnection);
}

void Frm14CD::videDetail()
{
    for (QLabel* l : LblDetail)
        l->clear();
    LblCommuneMin_Change();
}

void Frm14CD::afficheDetail(const DetailCommune& detail)
{
    // The labels' width is made for 45 characters, the longest commune names.
    for (int i = 0; i < NbChampsDetail; ++i)
        texteAjuste(LblDetail[size_t(i)], detail[size_t(i)], policeDetail_);
    LblCommuneMin_Change();
}

DetailCommune Frm14CD::detailAffiche() const
{
    DetailCommune d;
    for (int i = 0; i < NbChampsDetail; ++i)
        d[size_t(i)] = LblDetail[size_t(i)]->text();
    return d;
}

void Frm14CD::TxtCP_Change()
{
    LstLaListe->clear();
    videDetail();
    ResultatCommunes r;
    try {
        r = rechercheParCode(tables(), TxtCP->text());
        LstLaListe->addItems(r.items);
        if (!r.premier.isEmpty())
            afficheDetail(detailDepuisCP(r.premier));
    } catch (const RuntimeError& e) {
        SignaleErreurInterne(ctx_, this, QStringLiteral("024"), e);
    }
    LblInfo->setText(r.info);
}

void Frm14CD::TxtCherche_Change()
{
    const SaisieNom s = nettoieSaisieNom(TxtCherche->text());
    // The box shows the text in upper case before a refused character is reported.
    const QString maj = majuscules(TxtCherche->text());
    if (TxtCherche->text() != maj) {
        const QSignalBlocker bloque(TxtCherche);
        TxtCherche->setText(maj);
        TxtCherche->setCursorPosition(int(maj.size()));
    }
    Module& m = ctx_.module;
    for (const QChar c : s.refuses) {
        m.MsgTexte = messageCaractereRefuse(c);
        m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::None,
                                                Platform::Buttons::Ok);
    }
    if (TxtCherche->text() != s.texte) {
        const QSignalBlocker bloque(TxtCherche);
        TxtCherche->setText(s.texte);
    }
    TxtCherche->setCursorPosition(int(s.texte.size()));
    TxtCherche->setFocus();
    TxtMiroir->setText(s.texte);
}

void Frm14CD::TxtMiroir_Change()
{
    LstLaListe->clear();
    videDetail();
    ResultatCommunes r;
    try {
        r = rechercheParNom(tables(), TxtMiroir->text());
        LstLaListe->addItems(r.items);
        if (!r.premier.isEmpty())
            afficheDetail(detailDepuisNom(r.premier));
    } catch (const RuntimeError& e) {
        SignaleErreurInterne(ctx_, this, QStringLiteral("023"), e);
    }
    LblInfo->setText(infoRechercheNom(r.items.size(), TxtCherche->text().size()));
    ctx_.platform.setPointer(this, Platform::Arrow);
}

void Frm14CD::LstLaListe_Click()
{
    const int ligne = LstLaListe->currentRow();
    if (ligne < 0)
        return;
    const QString item = LstLaListe->item(ligne)->text();
    int rang = 0;
    for (int i = 0; i < ligne; ++i)
        if (LstLaListe->item(i)->text() == item)
            ++rang;
    videDetail();
    try {
        if (const auto detail = selectionCommune(tables(), ModeRecherche, item, rang))
            afficheDetail(*detail);
    } catch (const RuntimeError& e) {
        SignaleErreurInterne(ctx_, this, QStringLiteral("026"), e);
    }
}

void Frm14CD::LblCommuneMin_Change()
{
    const bool montre = !LblDetail[DetCommuneMin]->text().isEmpty();
    CmdExterne->setEnabled(montre);
    CmdGoogleMap->setEnabled(montre);
    CmdCopier->setEnabled(montre);
    ImgCopyTrue->setVisible(montre);
}

void Frm14CD::CmdCopier_Click()
{
    Module& m = ctx_.module;
    const QString texte = texteCopie(detailAffiche(), m.SautLigne);
    ctx_.platform.clearClipboard();
    ctx_.platform.setClipboardText(texte);
    m.MsgTexte = messageCopieDonnees(texte, m.SautLigne);
    m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::None, Platform::Buttons::Ok);
}

void Frm14CD::ImgCopyTrue_Click()
{
    Module& m = ctx_.module;
    const QString texte = LblDetail[DetCommune]->text();
    ctx_.platform.clearClipboard();
    ctx_.platform.setClipboardText(texte);
    m.MsgTexte = messageCopieNom(texte, m.SautLigne);
    m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::None, Platform::Buttons::Ok);
}

void Frm14CD::CmdExterne_Click()
{
    Foc->setFocus();
    ctx_.platform.openUrl(adresseAnnuaire(LblDetail[DetCommuneMin]->text(), LblDetail[DetDepartement]->text()));
}

void Frm14CD::CmdGoogleMap_Click()
{
    Foc->setFocus();
    const QString adresse = adresseCarte(detailAffiche());
    const QString fichier = creeFichierNavigateur(ctx_.platform.temporaryFolder());
    const QString programme = fichier.isEmpty() ? QString() : ctx_.platform.findExecutable(fichier).trimmed();
    if (programme.isEmpty())
        ctx_.platform.messageBox(this, QStringLiteral("Could not your Browser"), QStringLiteral("Browser Not Found"),
                                 Platform::Icon::Exclamation, Platform::Buttons::Ok);
    else if (!ctx_.platform.startProgram(programme, {adresse}))
        ctx_.platform.messageBox(this, QStringLiteral("Web Page not Opened"), QStringLiteral("URL Failed"),
                                 Platform::Icon::Exclamation, Platform::Buttons::Ok);
    if (!fichier.isEmpty())
        QFile::remove(fichier);
}

void Frm14CD::CmdAbout_Click()
{
    Foc->setFocus();
    if (aPropos_)
        return;
    auto* box = new Frm21About(ctx_, this, CommuneCounts::kNbEnregistrements);
    aPropos_ = box;
    // The focus comes back where the click left it as soon as the window is enabled again,
    // before the main frame gives it to the first input box, which would change the search
    // mode and the prompt line.
    connect(box, &Frm21About::dechargee, Foc, qOverload<>(&QWidget::setFocus));
    if (ctx_.mdi) {
        ctx_.mdi->ajouteFenetre(box);
    } else {
        box->show();
    }
}

void Frm14CD::CmdQ_Click()
{
    fermeFenetre(this);
}
