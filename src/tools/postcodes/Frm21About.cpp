// Lexiparc — GPL-3.0-or-later.
#include "tools/postcodes/Frm21About.h"

#include "common/Cadre.h"
#include "common/Colors.h"
#include "common/Windows.h"
#include "tools/postcodes/CommuneLiens.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QPushButton>

Frm21About::Frm21About(AppContext& ctx, QWidget* fenetreCP, qsizetype nbCommunes, QWidget* parent)
    : QWidget(parent), ctx_(ctx), fenetreCP_(fenetreCP)
{
    setObjectName(QStringLiteral("Frm21About"));
    setWindowTitle(QStringLiteral("A propos"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(kLargeur), twipsToPixels(kHauteur));

    ImgLogo = new QLabel(this);
    ImgLogo->setObjectName(QStringLiteral("ImgLogo"));
    ImgLogo->setGeometry(twips(120, 120, 960, 960));
    ImgLogo->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
    ImgLogo->setScaledContents(true);

    const QStringList lignes = lignesAPropos(nbCommunes);
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPointSize(8);
    for (int i = 0; i < 6; ++i) {
        auto* l = new QLabel(lignes.at(i), this);
        l->setObjectName(QStringLiteral("LblLigne%1").arg(i + 1));
        l->setFont(police);
        l->setGeometry(twips(1200, 120 + i * 330, 4080, 300));
        LblLigne[size_t(i)] = l;
    }

    CmdSite = new QPushButton(QString::fromLatin1(kSiteProgramme), this);
    CmdSite->setObjectName(QStringLiteral("CmdSite"));
    CmdSite->setToolTip(QStringLiteral("Site internet du programme"));
    CmdSite->setGeometry(twips(120, 2280, 5160, 420));
    CmdQ = new QPushButton(QStringLiteral("Fermer"), this);
    CmdQ->setObjectName(QStringLiteral("CmdQ"));
    CmdQ->setGeometry(twips(3960, 2880, 1320, 480));
    // Out of sight; Escape presses it.
    CmdFoc = new QPushButton(this);
    CmdFoc->setObjectName(QStringLiteral("CmdFoc"));
    CmdFoc->setGeometry(-30, -30, 10, 10);
    CmdFoc->setShortcut(QKeySequence(Qt::Key_Escape));

    connect(CmdQ, &QPushButton::clicked, this, &Frm21About::CmdQ_Click);
    connect(CmdFoc, &QPushButton::clicked, this, &Frm21About::CmdFoc_Click);
    connect(CmdSite, &QPushButton::clicked, this, &Frm21About::CmdSite_Click);

    Form_Load();
}

Frm21About::~Frm21About()
{
    Form_Unload();
}

void Frm21About::Form_Load()
{
    if (ctx_.mdi) {
        const QSize cadre = ctx_.mdi->tailleEnTwips();
        const int left = (cadre.width() - kLargeur) / 2;
        const int top = (cadre.height() - kHauteur) / 4;
        move(twipsToPixels(left), twipsToPixels(top));
    }
    if (fenetreCP_)
        frameOf(fenetreCP_)->setEnabled(false);
}

void Frm21About::Form_Unload()
{
    if (dechargee_)
        return;
    dechargee_ = true;
    if (fenetreCP_)
        frameOf(fenetreCP_)->setEnabled(true);
    emit dechargee();
}

void Frm21About::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void Frm21About::CmdQ_Click()
{
    fermeFenetre(this);
}

void Frm21About::CmdFoc_Click()
{
    fermeFenetre(this);
}

void Frm21About::CmdSite_Click()
{
    OuvreSiteProgramme(ctx_, CmdFoc);
}
