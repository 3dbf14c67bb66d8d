// Lexiparc — GPL-3.0-or-later.
#include "about/Frm20About.h"

#include "about/FrmMail.h"
#include "common/Cadre.h"
#include "common/Colors.h"
#include "common/Controles.h"
#include "common/Windows.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

Frm20About::Frm20About(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("Frm20About"));
    setWindowTitle(QStringLiteral("A propos du programme"));

    FraLoad = new QFrame(this);
    FraLoad->setObjectName(QStringLiteral("FraLoad"));
    FraLoad->setGeometry(0, 0, 450, 290);
    Sha1 = new QFrame(this);
    Sha1->setObjectName(QStringLiteral("Sha1"));
    Sha1->setFrameShape(QFrame::Box);
    Sha1->setStyleSheet(QStringLiteral("QFrame#Sha1 { border: 1px solid #2c5f8a; }"));
    Sha1->setGeometry(6, 0, 444, 284);

    ImgL = label(this, "ImgL", {}, QRect(0, 0, 96, 96));
    ImgL->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
    ImgL->hide();
    ImgLogoGauche = label(this, "ImgLogoGauche", {}, QRect(20, 20, 96, 96));
    ImgLogoGauche->setScaledContents(true);

    QLabel* titre = label(this, "LblTitre", QStringLiteral("Lexiparc"), QRect(136, 20, 300, 30));
    titre->setStyleSheet(QStringLiteral("font-size: 18pt; font-weight: bold; color: #2c5f8a;"));
    // The description holds on one line, its font narrowed if it must.
    LblDescription = label(this, "LblDescription", {}, QRect(136, 56, 304, 20));
    texteAjuste(LblDescription, QStringLiteral("Dictionnaire, Scrabble, anagrammes, mots croisés et synonymes."),
                font());
    LblVerA = label(this, "LblVerA", QStringLiteral("Numéro de version du programme:"), QRect(136, 94, 210, 20));
    LblVerB = label(this, "LblVerB", {}, QRect(350, 94, 80, 20));
    LblInf2 = label(this, "LblInf2", {}, QRect(20, 128, 420, 54));
    LblInf2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LblCertificat = label(this, "LblCertificat",
                          QStringLiteral("Voir le certificat et conditions d'utilisation du programme"),
                          QRect(20, 192, 420, 20));
    LblCertificat->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    LblCertificat->setCursor(Qt::PointingHandCursor);
    LblCertificat->installEventFilter(this);

    CmdSite = bouton(this, "CmdSite", QStringLiteral("Site internet du programme"), QRect(20, 234, 200, 30));
    CmdSite->setToolTip(QStringLiteral("Se connecter à internet"));
    CmdContact = bouton(this, "CmdContact", QStringLiteral("Contact"), QRect(236, 234, 96, 30));
    CmdFerme = bouton(this, "CmdFerme", QStringLiteral("Fermer"), QRect(340, 234, 96, 30));
    Foc = bouton(this, "Foc", {}, QRect(-100, -100, 10, 10));

    connect(CmdSite, &QPushButton::clicked, this, &Frm20About::CmdSite_Click);
    connect(CmdContact, &QPushButton::clicked, this, &Frm20About::CmdContact_Click);
    connect(CmdFerme, &QPushButton::clicked, this, &Frm20About::CmdFerme_Click);
    connect(Foc, &QPushButton::clicked, this, &Frm20About::Foc_Click);

    Form_Load();
}

void Frm20About::Form_Load()
{
    setFixedSize(FraLoad->width() + twipsToPixels(90), FraLoad->height() + twipsToPixels(120));
    // Centred across the main frame, a quarter of the free height from its top.
    const QSize cadre = ctx_.mdi ? ctx_.mdi->tailleEnTwips() : ctx_.platform.screenSizeTwips();
    move(twipsToPixels((cadre.width() - pixelsToTwips(width())) / 2),
         twipsToPixels((cadre.height() - pixelsToTwips(height())) / 4));
    Sha1->move(Sha1->x(), twipsToPixels(60));
    LblVerB->setText(ctx_.module.VersionProg);
    LblInf2->setText(
        QStringLiteral("Lexiparc est un logiciel libre : GNU GPL version 3 ou ultérieure.") + ctx_.module.SautLigne +
        QStringLiteral("Il est fourni sans aucune garantie, dans les limites de la loi.") + ctx_.module.SautLigne +
        QStringLiteral("Les listes de mots ont leurs propres licences (fichier NOTICE)."));
    ImgLogoGauche->setPixmap(ImgL->pixmap());
}

void Frm20About::CmdSite_Click()
{
    OuvreSiteProgramme(ctx_, Foc);
}

void Frm20About::LblCertificat_Click()
{
    ctx_.platform.openUrl(QString::fromLatin1(kPageCertificat));
}

void Frm20About::CmdContact_Click()
{
    montreFrmMail(ctx_);
}

void Frm20About::CmdFerme_Click()
{
    fermeFenetre(this);
}

void Frm20About::Foc_Click()
{
    fermeFenetre(this);
}

bool Frm20About::eventFilter(QObject* watched, QEvent* event)
{
    // A click on the link is a left press on it followed by the release over it; the second
    // press of a double click opens the page no second time.
    if (watched == LblCertificat && event->type() == QEvent::MouseButtonPress) {
        certificatPresse_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        return true;
    }
    if (watched == LblCertificat && event->type() == QEvent::MouseButtonDblClick) {
        certificatPresse_ = false;
        return true;
    }
    if (watched == LblCertificat && event->type() == QEvent::MouseButtonRelease) {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton) {
            const bool clic = certificatPresse_ && LblCertificat->rect().contains(e->position().toPoint());
            certificatPresse_ = false;
            if (clic)
                LblCertificat_Click();
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Frm20About::keyPressEvent(QKeyEvent* event)
{
    // Escape presses the focus button, which closes the box.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Foc->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
