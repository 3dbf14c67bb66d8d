// Lexiparc — GPL-3.0-or-later.
#include "app/MDI.h"

#include "app/PlacementCadre.h"
#include "common/ClavierBureau.h"
#include "common/Colors.h"
#include "common/TextHelpers.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QWindow>

MDI::MDI(AppContext& ctx, QWidget* parent) : Cadre(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(QStringLiteral("Lexiparc"));
    ctx_.mdi = this;

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    PicCmd = new QWidget(central);
    PicCmd->setObjectName(QStringLiteral("PicCmd"));
    PicCmd->setFixedWidth(twipsToPixels(720));
    PicCmd->setAutoFillBackground(true);
    zone_ = new QMdiArea(central);
    zone_->setObjectName(QStringLiteral("ZoneFenetres"));
    // A child window reaching past the client area can be scrolled into view.
    zone_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    zone_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A child window that closes hands the activation to the one active before it, which
    // comes to the front, rather than to the next one in order of creation.
    zone_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    layout->addWidget(PicCmd);
    layout->addWidget(zone_, 1);
    setCentralWidget(central);

    CmdMotsCroix = ajouteBouton("CmdMotsCroix", 0, QStringLiteral("Mots croisés"), QStringLiteral("motscroises"));
    CmdAp = ajouteBouton("CmdAp", 600, QStringLiteral("Mots approchants"), QStringLiteral("approchants"));
    CmdTLMP = ajouteBouton("CmdTLMP", 1200, QStringLiteral("Anagrammes-Tous les mots possibles"),
                           QStringLiteral("anagrammes"));
    // The tip quotes the size of the shipped word list.
    CmdDico = ajouteBouton("CmdDico", 1800,
                           QStringLiteral("Le dictionnaire ") + nombreEnGroupes(ctx_.module.NbMots) +
                               QStringLiteral(" mots"),
                           QStringLiteral("dictionnaire"));
    CmdSyno = ajouteBouton("CmdSyno", 2400, QStringLiteral("Les synonymes"), QStringLiteral("synonymes"));
    CmdScrabble = ajouteBouton("CmdScrabble", 3000, QStringLiteral("Mots admis au jeu de scrabble"),
                               QStringLiteral("scrabble"));
    CmdCodPos = ajouteBouton("CmdCodPos", 3600, QStringLiteral("Codes postaux et villes"),
                             QStringLiteral("codespostaux"));
    CmdOptions = ajouteBouton("CmdOptions", 4200, QStringLiteral("Options du programme"), QStringLiteral("options"));
    CmdAbout = ajouteBouton("CmdAbout", 4800, QStringLiteral("A propos du programme"), QStringLiteral("apropos"));
    CmdQ = ajouteBouton("CmdQ", 5400, QStringLiteral("Quitter le programme"), QStringLiteral("quitter"));

    const std::pair<QPushButton*, const Fabrique*> outils[] = {
        {CmdMotsCroix, &FabriqueFrm13MotCroix}, {CmdAp, &FabriqueFrm16Approchant},
        {CmdTLMP, &FabriqueFrm11Ana},           {CmdDico, &FabriqueFrm10Dico},
        {CmdSyno, &FabriqueFrm12Syno},          {CmdScrabble, &FabriqueFrm15Scrabble},
        {CmdCodPos, &FabriqueFrm14CD},          {CmdOptions, &FabriqueFrm04Options},
        {CmdAbout, &FabriqueFrm20About},
    };
    for (const auto& [button, fabrique] : outils)
        connect(button, &QPushButton::clicked, this, [this, f = fabrique] { OuvreOutil(*f); });
    connect(CmdQ, &QPushButton::clicked, this, &MDI::CmdQ_Click);

    Foc = new QLineEdit(PicCmd);
    Foc->setObjectName(QStringLiteral("Foc"));
    Foc->setGeometry(0, 0, twipsToPixels(375), twipsToPixels(375));
    LblWidth = new QLabel(QStringLiteral("15660"), this);
    LblWidth->setObjectName(QStringLiteral("LblWidth"));
    LblWidth->hide();
    LblHeight = new QLabel(QStringLiteral("11595"), this);
    LblHeight->setObjectName(QStringLiteral("LblHeight"));
    LblHeight->hide();

    TimDem = new QTimer(this);
    TimDem->setObjectName(QStringLiteral("TimDem"));
    connect(TimDem, &QTimer::timeout, this, &MDI::TimDem_Timer);

    Form_Load();
}

QPushButton* MDI::ajouteBouton(const char* name, int topTwips, const QString& tip, const QString& icon)
{
    auto* b = new QPushButton(PicCmd);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(0, twipsToPixels(topTwips), twipsToPixels(675), twipsToPixels(630));
    b->setToolTip(tip);
    b->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(icon)));
    b->setIconSize(QSize(32, 32));
    return b;
}

void MDI::Form_Load()
{
    const Module& m = ctx_.module;
    metCouleurFenetre(colorFromText(m.OptCouleurMDI, Qt::white));
    metCouleurBarre(colorFromText(m.OptCouleurBar, QColor(0xE0, 0xE0, 0xE0)));
    // Centred on the screen; on a screen too small for it, the frame takes the area that
    // windows may take, its title bar on the screen (its child windows then scroll).
    const PlacementCadre place = placeCadre(QSize(LblWidth->text().toInt(), LblHeight->text().toInt()),
                                            ctx_.platform.screenSizeTwips(), ctx_.platform.availableAreaTwips(),
                                            bordsEnTwips());
    resize(twipsToPixels(place.geometrie.width()), twipsToPixels(place.geometrie.height()));
    move(twipsToPixels(place.geometrie.left()), twipsToPixels(place.geometrie.top()));
    if (place.agrandi)
        setWindowState(windowState() | Qt::WindowMaximized);
    Foc->move(twipsToPixels(1500), Foc->y());
    TimDem->start(100);
}

QMargins MDI::bordsEnTwips() const
{
    // The window manager's title bar and borders, once the frame is shown; until then, those
    // of a child window of the style.
    QMargins bords = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (bords.isNull()) {
        const int bord = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        bords = QMargins(bord, style()->pixelMetric(QStyle::PM_TitleBarHeight) + bord, bord, bord);
    }
    return {pixelsToTwips(bords.left()), pixelsToTwips(bords.top()), pixelsToTwips(bords.right()),
            pixelsToTwips(bords.bottom())};
}

void MDI::TimDem_Timer()
{
    TimDem->stop();
    Foc->setFocus();
}

QSize MDI::tailleEnTwips() const
{
    return QSize(pixelsToTwips(width()), pixelsToTwips(height()));
}

void MDI::metCouleurFenetre(const QColor& color)
{
    zone_->setBackground(color);
}

void MDI::metCouleurBarre(const QColor& color)
{
    QPalette pal = PicCmd->palette();
    pal.setColor(QPalette::Window, color);
    PicCmd->setPalette(pal);
}

MDI::~MDI()
{
    if (ctx_.mdi == this)
        ctx_.mdi = nullptr;
}

QWidget* MDI::fenetre(const Fabrique& fabrique) const
{
    const auto it = ouvertes_.find(&fabrique);
    QWidget* w = it == ouvertes_.end() ? nullptr : it->second.data();
    // A window being closed is hidden until its deletion: it no longer counts as open.
    if (!w)
        return nullptr;
    auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    return (sub ? sub->isHidden() : w->isHidden()) ? nullptr : w;
}

namespace {
// A window that opens or comes forward takes the keyboard focus, as on the desktop: unless the
// focus is inside it already, it goes back to the control the window last gave it to, or else
// to the window's first Tab stop. Without this the focus stays on the tool-bar button that
// was clicked.
void focusDansLaFenetre(QWidget* w)
{
    const QWidget* actuel = QApplication::focusWidget();
    if (actuel && (actuel == w || w->isAncestorOf(actuel)) && actuel->focusPolicy() != Qt::NoFocus)
        return;
    if (QWidget* dernier = w->focusWidget(); dernier && dernier != w && dernier->isEnabled()) {
        dernier->setFocus(Qt::ActiveWindowFocusReason);
        return;
    }
    ClavierBureau::arretsTabulation(w);
    for (QWidget* c = w->nextInFocusChain(); c && c != w; c = c->nextInFocusChain()) {
        if (w->isAncestorOf(c) && (c->focusPolicy() & Qt::TabFocus) && c->isEnabled() && c->isVisibleTo(w)) {
            c->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
}

QWidget* MDI::OuvreOutil(const Fabrique& fabrique)
{
    if (QWidget* w = fenetre(fabrique)) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) {
            zone_->setActiveSubWindow(sub);
        } else {
            w->activateWindow();
        }
        focusDansLaFenetre(w);
        return w;
    }
    if (!fabrique.create)
        return nullptr;
    // The window places itself (its load advances the cascade) before it is wrapped.
    QWidget* w = fabrique.create(ctx_);
    if (!w)
        return nullptr;
    ouvertes_[&fabrique] = w;
    ajouteFenetre(w);
    return w;
}

QMdiSubWindow* MDI::ajouteFenetre(QWidget* w)
{
    const QPoint pos = w->pos();
    QMdiSubWindow* sub = zone_->addSubWindow(w, w->windowFlags() & Qt::FramelessWindowHint);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // A window whose content has a fixed size cannot be maximised.
    if (w->minimumSize() == w->maximumSize())
        sub->setWindowFlags(sub->windowFlags() & ~Qt::WindowMaximizeButtonHint);
    sub->move(pos);
    sub->show();
    focusDansLaFenetre(w);
    return sub;
}

bool MDI::DemandeQuitter()
{
    Module& m = ctx_.module;
    m.MsgTexte = QStringLiteral("               Quitter le programme ?");
    m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::None,
                                            Platform::Buttons::YesNo);
    return m.MsgReponse != Platform::No;
}

void MDI::CmdQ_Click()
{
    if (DemandeQuitter())
        ctx_.platform.quit();
}

void MDI::closeEvent(QCloseEvent* event)
{
    // The child windows are closed first; answering No keeps the frame but not them.
    zone_->closeAllSubWindows();
    if (DemandeQuitter()) {
        event->accept();
        ctx_.platform.quit();
    } else {
        event->ignore();
    }
}
