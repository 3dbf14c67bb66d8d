// Lexiparc — GPL-3.0-or-later.
#include "app/Frm01Boot.h"

#include "app/Frm02Charge.h"
#include "common/Options.h"
#include "common/Windows.h"
#include "data/InitialiseModule.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

Frm01Boot::Frm01Boot(AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint), ctx_(ctx)
{
    setObjectName(QStringLiteral("Frm01Boot"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(420, 300);

    Fra1 = new QFrame(this);
    Fra1->setObjectName(QStringLiteral("Fra1"));
    Fra1->setFrameShape(QFrame::Box);
    Fra1->setGeometry(0, 0, 420, 300);
    Fra1->setStyleSheet(QStringLiteral("QFrame#Fra1 { background: #fbf6e9; border: 2px solid #2c5f8a; }"));

    ImgL = new QLabel(this);
    ImgL->setObjectName(QStringLiteral("ImgL"));
    ImgL->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
    ImgL->hide();

    ImgLogo = new QLabel(Fra1);
    ImgLogo->setObjectName(QStringLiteral("ImgLogo"));
    ImgLogo->setGeometry(24, 24, 128, 128);

    Lbl2 = new QLabel(Fra1);
    Lbl2->setObjectName(QStringLiteral("Lbl2"));
    Lbl2->setGeometry(170, 40, 230, 100);
    Lbl2->setText(QStringLiteral("<b style='font-size:22pt;color:#2c5f8a'>Lexiparc</b><br>"
                                 "Dictionnaire, Scrabble, anagrammes,<br>mots croisés, synonymes."));

    LblVersion = new QLabel(QStringLiteral("1.20"), this);
    LblVersion->setObjectName(QStringLiteral("LblVersion"));
    LblVersion->hide();

    LblVerA = new QLabel(QStringLiteral("Numéro de version du programme:"), Fra1);
    LblVerA->setObjectName(QStringLiteral("LblVerA"));
    LblVerA->setGeometry(24, 176, 230, 20);
    LblVerB = new QLabel(QStringLiteral("1.20"), Fra1);
    LblVerB->setObjectName(QStringLiteral("LblVerB"));
    LblVerB->setGeometry(256, 176, 80, 20);

    CmdSite = new QPushButton(QStringLiteral("Aller sur le site internet du jeu"), Fra1);
    CmdSite->setObjectName(QStringLiteral("CmdSite"));
    CmdSite->setGeometry(24, 240, 240, 32);
    CmdQuitter = new QPushButton(QStringLiteral("Quitter"), Fra1);
    CmdQuitter->setObjectName(QStringLiteral("CmdQuitter"));
    CmdQuitter->setGeometry(296, 240, 100, 32);

    Foc = new QPushButton(this);
    Foc->setObjectName(QStringLiteral("Foc"));
    Foc->setGeometry(-100, -100, 10, 10);

    TimReg = new QTimer(this);
    TimReg->setTimerType(Qt::PreciseTimer);
    TimReg->setObjectName(QStringLiteral("TimReg"));
    TimFin = new QTimer(this);
    TimFin->setTimerType(Qt::PreciseTimer);
    TimFin->setObjectName(QStringLiteral("TimFin"));

    connect(TimReg, &QTimer::timeout, this, &Frm01Boot::TimReg_Timer);
    connect(TimFin, &QTimer::timeout, this, &Frm01Boot::TimFin_Timer);
    connect(CmdQuitter, &QPushButton::clicked, this, &Frm01Boot::CmdQuitter_Click);
    connect(CmdSite, &QPushButton::clicked, this, &Frm01Boot::CmdSite_Click);
    for (QWidget* w : {static_cast<QWidget*>(Fra1), static_cast<QWidget*>(ImgLogo), static_cast<QWidget*>(Lbl2)})
        w->installEventFilter(this);

    montreChargement = [](AppContext& c) { (new Frm02Charge(c))->show(); };

    Form_Load();
}

void Frm01Boot::Form_Load()
{
    Module& m = ctx_.module;
    try {
        // The folder, message texts, definitions file and constants; then the placement.
        initialiseModule(m, ctx_.platform.applicationFolder(), LblVersion->text());
        const QSize screen = ctx_.platform.screenSizeTwips();
        CentreFenetre(this, screen.width(), screen.height(), 3, 500);
        if (ctx_.platform.otherInstanceRunning()) {
            m.MsgTexte = QStringLiteral("Le programme est déja lancé.");
            m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Exclamation,
                                                    Platform::Buttons::Ok);
            ctx_.platform.quit();
            return;
        }
        ImgLogo->setPixmap(ImgL->pixmap());
    } catch (const std::exception&) {
        // The remaining load steps are skipped; start-up goes on with what was set.
    }
    TimReg->start(500);
}

void Frm01Boot::TimReg_Timer()
{
    Module& m = ctx_.module;
    Platform& p = ctx_.platform;
    m.VersionProg = LblVersion->text();
    const bool lisible = p.settingsReadable();
    if (!lisible || p.readSetting(QString::fromLatin1(kCleChargeAnag)).isEmpty()) {
        LblVerB->setText(m.VersionProg);
        m.OptChargeAnag = 1;
        m.OptChargeSyno = 1;
        m.OptCouleurMDI = QString::fromLatin1(kCouleurMDIDefaut);
        m.OptCouleurBar = QString::fromLatin1(kCouleurBarDefaut);
        // Settings that exist but cannot be read are left as they are: the defaults hold for
        // this run only.
        if (!lisible) {
            signaleOptions(messageOptionsNonLues(m.SautLigne, p.settingsLocation()));
        } else if (!p.writeSettings({{QString::fromLatin1(kCleChargeAnag), QStringLiteral("1")},
                                     {QString::fromLatin1(kCleChargeSyno), QStringLiteral("1")},
                                     {QString::fromLatin1(kCleCouleurMDI), m.OptCouleurMDI},
                                     {QString::fromLatin1(kCleCouleurBar), m.OptCouleurBar}})) {
            signaleOptions(messageOptionsNonEnregistrees(m.SautLigne, p.settingsLocation()));
        }
    } else {
        m.OptChargeAnag = loadOptionFromText(p.readSetting(QString::fromLatin1(kCleChargeAnag)));
        m.OptChargeSyno = loadOptionFromText(p.readSetting(QString::fromLatin1(kCleChargeSyno)));
        m.OptCouleurMDI = p.readSetting(QString::fromLatin1(kCleCouleurMDI));
        m.OptCouleurBar = p.readSetting(QString::fromLatin1(kCleCouleurBar));
    }
    TimFin->start(100);
    TimReg->stop();
}

void Frm01Boot::signaleOptions(const QString& texte)
{
    Module& m = ctx_.module;
    m.MsgTexte = texte;
    m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Exclamation,
                                            Platform::Buttons::Ok);
}

void Frm01Boot::TimFin_Timer()
{
    TimFin->stop();
    if (montreChargement)
        montreChargement(ctx_);
    close();
}

void Frm01Boot::CmdQuitter_Click()
{
    ctx_.platform.quit();
}

void Frm01Boot::CmdSite_Click()
{
    OuvreSiteProgramme(ctx_, Foc);
}

bool Frm01Boot::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && (watched == Fra1 || watched == ImgLogo || watched == Lbl2)) {
        DeplaceFenetre(ctx_, this);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
