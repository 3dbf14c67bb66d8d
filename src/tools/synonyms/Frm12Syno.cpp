// Lexiparc — GPL-3.0-or-later.
#include "tools/synonyms/Frm12Syno.h"

#include "common/Cascade.h"
#include "common/Colors.h"
#include "common/Controles.h"
#include "common/FocusClavier.h"
#include "common/InternalError.h"
#include "data/Resources.h"
#include "tools/synonyms/EntreeSyno.h"
#include "tools/synonyms/ListeMotsSyno.h"
#include "tools/synonyms/RechercheSyno.h"
#include "tools/synonyms/TextesSyno.h"
#include "tools/synonyms/TriAlpha.h"

#include <QAction>
#include <QCoreApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>

namespace {
QFont policeListe()
{
    QFont f(QStringLiteral("Liberation Mono"));
    f.setPointSizeF(12);
    return f;
}

QFont policeLibelle()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(9.75);
    return f;
}

QStringList lignesDe(const QListWidget* liste)
{
    QStringList rows;
    rows.reserve(liste->count());
    for (int i = 0; i < liste->count(); ++i)
        rows << liste->item(i)->text();
    return rows;
}
}

// The combo box reports its focus loss while the window's widgets are being destroyed: its
// signals must no longer reach this half-destroyed window.
Frm12Syno::~Frm12Syno()
{
    Cbo2->removeEventFilter(this);
    disconnect(Cbo2, nullptr, this, nullptr);
    // Closed while it loads the synonym tables: the load is abandoned, so the next opening of
    // the window loads them again, every letter.
    if (chargement_)
        ctx_.words.SynoLoaded = 0;
}

Frm12Syno::Frm12Syno(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("Frm12Syno"));
    setWindowTitle(QStringLiteral("Dictionnaire des synonymes"));
    setFixedSize(twipsToPixels(7860), twipsToPixels(5280));

    Cbo2 = nomme(new QComboBox(this), "Cbo2");
    Cbo2->setEditable(true);
    Cbo2->setInsertPolicy(QComboBox::NoInsert);
    Cbo2->setCompleter(nullptr);
    Cbo2->setFont(policeListe());
    Cbo2->setGeometry(twips(3960, 300, 3795, 390));
    Cbo2->installEventFilter(this);

    Lbl4 = nomme(new QLabel(this), "Lbl4");
    Lbl4->setFont(policeLibelle());
    Lbl4->setGeometry(twips(3960, 60, 3855, 255));

    CmdInfo = nomme(new QPushButton(this), "CmdInfo");
    CmdInfo->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    CmdInfo->setToolTip(QStringLiteral("Aide"));
    CmdInfo->setGeometry(twips(3960, 840, 405, 435));

    CmdRechercher = nomme(new QPushButton(QStringLiteral(" Rechercher"), this), "CmdRechercher");
    CmdRechercher->setToolTip(QStringLiteral("Lancer la recherche"));
    CmdRechercher->setGeometry(twips(4980, 840, 1815, 435));

    Lbl2 = nomme(new QLabel(this), "Lbl2");
    Lbl2->setFont(policeLibelle());
    Lbl2->setGeometry(twips(3960, 1380, 3855, 255));

    LstS = nomme(new QListWidget(this), "LstS");
    LstS->setFont(policeListe());
    LstS->setUniformItemSizes(true);
    LstS->setGeometry(twips(3960, 1620, 3795, 3570));
    LstS->viewport()->installEventFilter(this);
    LstS->installEventFilter(this);

    Lbl3 = nomme(new QLabel(this), "Lbl3");
    Lbl3->setFont(policeLibelle());
    Lbl3->setGeometry(twips(60, 60, 3795, 255));

    Lst = nomme(new QListWidget(this), "Lst");
    Lst->setFont(policeListe());
    Lst->setUniformItemSizes(true);
    Lst->setGeometry(twips(60, 300, 3795, 4920));
    Lst->viewport()->installEventFilter(this);
    Lst->installEventFilter(this);

    TxtMiroir = nomme(new QLineEdit(this), "TxtMiroir");
    TxtMiroir->hide();

    // Outside the client area: never seen, it holds the default role of the Enter key.
    Foc = nomme(new QPushButton(QStringLiteral("Foc"), this), "Foc");
    Foc->setGeometry(twips(8280, 480, 615, 315));
    Foc->setFocusPolicy(Qt::NoFocus);
    Foc->setDefault(true);
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        auto* entree = new QShortcut(QKeySequence(key), this);
        entree->setContext(Qt::WidgetWithChildrenShortcut);
        connect(entree, &QShortcut::activated, Foc, &QPushButton::click);
    }

    FraSyno = nomme(new QGroupBox(QStringLiteral("Synonymes"), this), "FraSyno");
    FraSyno->hide();
    for (int rang = 0; rang < 26; ++rang) {
        auto* t = new QTimer(FraSyno);
        t->setObjectName(QStringLiteral("Tim") + QChar(u'A' + rang));
        t->setSingleShot(true);
        connect(t, &QTimer::timeout, this, [this, rang] { TimLettre_Timer(rang); });
        TimLettre[size_t(rang)] = t;
    }
    TimDeb = nomme(new QTimer(this), "TimDeb");
    TimDeb->setSingleShot(true);
    TimLst = nomme(new QTimer(this), "TimLst");
    TimLst->setSingleShot(true);

    MnuCopier = nomme(new QMenu(QStringLiteral("Copier"), this), "MnuCopier");
    MnuCop2 = nomme(MnuCopier->addAction(QStringLiteral("Copier la liste des synonymes")), "MnuCop2");

    setTabOrder(Cbo2, CmdInfo);
    setTabOrder(CmdInfo, CmdRechercher);
    setTabOrder(CmdRechercher, LstS);
    setTabOrder(LstS, Lst);

    connect(Cbo2, &QComboBox::editTextChanged, this, &Frm12Syno::Cbo2_Change);
    connect(Cbo2, &QComboBox::activated, this, &Frm12Syno::Cbo2_Click);
    connect(TxtMiroir, &QLineEdit::textChanged, this, &Frm12Syno::TxtMiroir_Change);
    // The pick refills the list it came from: run it once the view has finished the click.
    connect(Lst, &QListWidget::itemClicked, this, &Frm12Syno::Lst_Click, Qt::QueuedConnection);
    connect(LstS, &QListWidget::itemClicked, this, &Frm12Syno::LstS_Click, Qt::QueuedConnection);
    connect(TimDeb, &QTimer::timeout, this, &Frm12Syno::TimDeb_Timer);
    connect(TimLst, &QTimer::timeout, this, &Frm12Syno::TimLst_Timer);
    connect(Foc, &QPushButton::clicked, this, &Frm12Syno::Foc_Click);
    connect(CmdRechercher, &QPushButton::clicked, this, &Frm12Syno::CmdRechercher_Click);
    connect(CmdInfo, &QPushButton::clicked, this, &Frm12Syno::CmdInfo_Click);
    connect(MnuCop2, &QAction::triggered, this, &Frm12Syno::MnuCop2_Click);

    Form_Load();
}

void Frm12Syno::Form_Load()
{
    PositionFenetreSuivante(ctx_.module);
    move(twipsToPixels(ctx_.module.PosGauche), twipsToPixels(ctx_.module.PosHaut));
    Cbo2->setFocus();
    TimDeb->start(100);
}

void Frm12Syno::TimDeb_Timer()
{
    TimDeb->stop();
    if (ctx_.words.SynoLoaded == 1) {
        AmorceSaisie();
    } else if (ctx_.module.OptChargeSyno == 1) {
        ctx_.words.SynoLoaded = 1;
        chargement_ = true;
        TimLettre[0]->start(10);
    }
}

void Frm12Syno::TimLettre_Timer(int rang)
{
    TimLettre[size_t(rang)]->stop();
    try {
        ChargeLettreSyno(ctx_.words, QChar(u'A' + rang));
    } catch (const RuntimeError&) {
        // A letter whose resource cannot be read stays empty: nothing of it is found.
    }
    if (rang < 25) {
        TimLettre[size_t(rang + 1)]->start(10);
    } else {
        chargement_ = false;
        AmorceSaisie();
    }
}

void Frm12Syno::AmorceSaisie()
{
    Cbo2->setEditText(QStringLiteral("à "));
    Cbo2->lineEdit()->setSelection(0, int(Cbo2->currentText().size()));
}

void Frm12Syno::metMiroir(const QString& texte)
{
    const QString miroir = normaliseSaisie(texte);
    if (TxtMiroir->text() != miroir)
        TxtMiroir->setText(miroir);
}

void Frm12Syno::Cbo2_Change(const QString& texte)
{
    metMiroir(texte);
    const bool actif = texte.size() >= 2;
    CmdRechercher->setEnabled(actif);
    Foc->setEnabled(actif);
}

void Frm12Syno::Cbo2_Click()
{
    CmdRechercher->setEnabled(true);
    Foc->setEnabled(true);
    metMiroir(Cbo2->currentText());
    TimLst->start(500);
}

void Frm12Syno::choisitLigne(QListWidget* liste)
{
    const QListWidgetItem* item = liste->currentItem();
    if (!item)
        return;
    Cbo2->setEditText(item->text());
    TimLst->start(500);
}

bool Frm12Syno::toucheListe(QListWidget* liste, const QKeyEvent* event)
{
    // A row selected with the keyboard is picked as a clicked one, once the list has taken
    // the key (the pick may rebuild the list).
    const auto lignesChoisies = [liste] {
        QList<int> lignes;
        for (const QModelIndex& i : liste->selectionModel()->selectedIndexes())
            lignes << i.row();
        return lignes;
    };
    const QList<int> avant = lignesChoisies();
    const bool prise = premiereLigneAuClavier(liste, event);
    QMetaObject::invokeMethod(
        this,
        [this, liste, avant, lignesChoisies] {
        const QList<int> apres = lignesChoisies();
        if (!apres.isEmpty() && apres != avant)
            liste == Lst ? Lst_Click() : LstS_Click();
        },
        Qt::QueuedConnection);
    return prise;
}

void Frm12Syno::Lst_Click()
{
    choisitLigne(Lst);
}

void Frm12Syno::LstS_Click()
{
    choisitLigne(LstS);
}

void Frm12Syno::TimLst_Timer()
{
    TimLst->stop();
    CmdRechercher_Click();
}

void Frm12Syno::Foc_Click()
{
    CmdRechercher_Click();
}

void Frm12Syno::metHistorique(const QStringList& historique, const QString& texte)
{
    const QSignalBlocker bloque(Cbo2);
    Cbo2->clear();
    Cbo2->addItems(historique);
    Cbo2->setCurrentIndex(-1);
    Cbo2->setEditText(texte);
    Cbo2->lineEdit()->setCursorPosition(0);
}

void Frm12Syno::CmdRechercher_Click()
{
    Cbo2->lineEdit()->setCursorPosition(0);
    CmdRechercher->setEnabled(false);
    Foc->setEnabled(false);
    // A search run by the timer after a pick leaves the focus where the user has put it
    // meanwhile (another window, the tool bar): the window does not come back to the front.
    if (focusDansFenetre(this))
        Cbo2->setFocus();
    Lbl2->clear();
    Lbl3->clear();
    Lbl4->clear();
    SynoCourant.clear();

    const QString w = Cbo2->currentText();
    QStringList historique;
    for (int i = 0; i < Cbo2->count(); ++i)
        historique << Cbo2->itemText(i);
    const QStringList nouvel = ajouteHistorique(historique, w);
    if (nouvel != historique)
        metHistorique(nouvel, w);

    const ResultatSyno r = RechercheSynonyme(ctx_.words, ctx_.module.NbSyno, TxtMiroir->text(), w);
    for (const RuntimeError& e : r.erreurs)
        SignaleErreurInterne(ctx_, this, QStringLiteral("027"), e);
    SynoCourant = r.SynoCourant;
    if (!SynoCourant.isEmpty())
        TrierDefinitions();
    else
        LstS->clear();
    Lbl4->setText(texteCompteSynonymes(lignesDe(LstS), w));
    Lbl2->setText(r.Lbl2);
}

void Frm12Syno::TrierDefinitions()
{
    LstS->clear();
    TabSynLus = decoupeSynonymes(SynoCourant);
    NbSynLus = qint16(TabSynLus.size());
    TriAlpha();
    LstS->addItems(TabSynTries);
}

void Frm12Syno::TriAlpha()
{
    ::TriAlpha(TabSynLus);
    TabSynTries = TabSynLus;
}

void Frm12Syno::TxtMiroir_Change()
{
    ctx_.platform.setPointer(this, Platform::Hourglass);
    const ResultatListe r = ListeMotsSyno(ctx_.words, ctx_.module.NbSyno, TxtMiroir->text());
    Lst->clear();
    Lst->addItems(r.Lst);
    for (const RuntimeError& e : r.erreurs)
        SignaleErreurInterne(ctx_, this, QStringLiteral("022"), e);
    Lbl3->setText(r.Lbl3);
    ctx_.platform.setPointer(this, Platform::Arrow);
}

void Frm12Syno::CmdInfo_Click()
{
    Module& m = ctx_.module;
    m.MsgTexte = texteAideSynonymes(m.SautLigne);
    Cbo2->setFocus();
    m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Information,
                                            Platform::Buttons::Ok);
}

void Frm12Syno::LstS_MouseDown(Qt::MouseButton button, const QPoint& globalPos)
{
    if (button == Qt::RightButton)
        MnuCopier->popup(globalPos);
}

void Frm12Syno::MnuCop2_Click()
{
    Module& m = ctx_.module;
    ctx_.platform.clearClipboard();
    ctx_.platform.setClipboardText(texteCopieSynonymes(Cbo2->currentText(), lignesDe(LstS), m.SautLigne));
    m.MsgTexte = QString::fromUtf16(kTexteListeCopiee);
    m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Information,
                                            Platform::Buttons::Ok);
}

bool Frm12Syno::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Cbo2 && event->type() == QEvent::FocusOut && !sortieSaisie_) {
        // When the entry loses the focus, the combo box selects the history entry equal to its
        // text and reports it as a pick: that is no pick, and the search it would start 500 ms
        // later would take the focus back from the window the user went to.
        const QScopedValueRollback garde(sortieSaisie_, true);
        const QSignalBlocker bloque(Cbo2);
        QCoreApplication::sendEvent(watched, event);
        return true;
    }
    for (QListWidget* liste : {Lst, LstS}) {
        if (watched == liste && event->type() == QEvent::KeyPress)
            return toucheListe(liste, static_cast<QKeyEvent*>(event));
        if (watched != liste->viewport())
            continue;
        // The first click of a double click picks its row, and the pick may rebuild the list:
        // the second click is no pick, of whatever row now lies under the pointer.
        if (event->type() == QEvent::MouseButtonDblClick) {
            finDoubleClic_ = true;
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && finDoubleClic_) {
            finDoubleClic_ = false;
            return true;
        }
    }
    if (watched == LstS->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* e = static_cast<QMouseEvent*>(event);
        LstS_MouseDown(e->button(), e->globalPosition().toPoint());
        if (e->button() == Qt::RightButton)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}
