// Lexiparc — GPL-3.0-or-later.
#include "tools/crossword/Frm13MotCroix.h"

#include "common/Cascade.h"
#include "common/Colors.h"
#include "common/Controles.h"
#include "common/FocusClavier.h"
#include "common/InternalError.h"
#include "common/RuntimeError.h"
#include "common/TextHelpers.h"
#include "data/Resources.h"

#include <QComboBox>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace {
// Key codes of the key-down handling.
constexpr int kToucheGauche = 37;
constexpr int kToucheDroite = 39;

constexpr int kX0 = 96, kPasCase = 40, kYCases = 14;

// The tick box of the auto-advance option: the empty box, or the tick alone drawn over it.
QPixmap dessineCoche(bool tick)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (tick) {
        p.setPen(QPen(QColor(0, 0, 128), 2.2));
        p.drawPolyline(QPolygonF({QPointF(3.5, 8), QPointF(6.5, 11.5), QPointF(12.5, 4)}));
    } else {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(0.5, 0.5, 15, 15));
    }
    return pm;
}

int codeTouche(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Left: return kToucheGauche;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return kToucheDroite;
    case Qt::Key_Down: return 40;
    default: return e->key() < 0x100 ? e->key() : 0;
    }
}

int etatMaj(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}
}

// While the window's widgets are destroyed, their signals must no longer reach it.
Frm13MotCroix::~Frm13MotCroix()
{
    disconnect(CboLMot, nullptr, this, nullptr);
}

Frm13MotCroix::Frm13MotCroix(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("Frm13MotCroix"));
    setWindowTitle(QStringLiteral("Assistant Mots Croisés"));
    setFixedSize(kX0 + 12 * kPasCase + 16, 440);

    CboLMot = new QComboBox(this);
    CboLMot->setObjectName(QStringLiteral("CboLMot"));
    CboLMot->setGeometry(16, kYCases, 64, 30);
    for (int l = kLongueurMinMotCroix; l <= kLongueurMaxMotCroix; ++l)
        CboLMot->addItem(QStringLiteral("%1").arg(l, 2, 10, QChar(u'0')));
    CboLMot->setCurrentIndex(-1);

    QFont fontCase(QStringLiteral("DejaVu Sans"), 12);
    fontCase.setBold(true);
    for (int i = 1; i <= 12; ++i) {
        auto* t = new QLineEdit(QStringLiteral("?"), this);
        t->setObjectName(QStringLiteral("TxtS_%1").arg(i));
        t->setGeometry(kX0 + (i - 1) * kPasCase, kYCases, 32, 30);
        t->setAlignment(Qt::AlignCenter);
        t->setFont(fontCase);
        t->setMaxLength(15);
        t->setEnabled(false);
        TxtS[size_t(i)] = t;
        metCouleur(t, QPalette::Base, kGrisClair);
        metCouleur(t, QPalette::Text, kGris);
        t->installEventFilter(this);
        connect(t, &QLineEdit::textChanged, this, [this, i] { TxtS_Change(i); });

        auto* n = new QLabel(QString::number(i), this);
        n->setObjectName(QStringLiteral("LblN_%1").arg(i));
        n->setGeometry(kX0 + (i - 1) * kPasCase, kYCases + 32, 32, 16);
        n->setAlignment(Qt::AlignCenter);
        metCouleur(n, QPalette::WindowText, kGris);
        LblN[size_t(i)] = n;
    }

    CmdRech1 = new QPushButton(QStringLiteral("Rechercher "), this);
    CmdRech1->setObjectName(QStringLiteral("CmdRech1"));
    CmdRech1->setGeometry(16, 76, 200, 30);
    CmdRech1->setEnabled(false);

    const QRect zoneListe(16, 116, 200, 280);
    LstCache1 = new QListWidget(this);
    LstCache1->setObjectName(QStringLiteral("LstCache1"));
    LstCache1->setGeometry(zoneListe);
    LstCache1->setEnabled(false);
    metCouleur(LstCache1, QPalette::Base, kGrisClair);
    LstRech1 = new QListWidget(this);
    LstRech1->setObjectName(QStringLiteral("LstRech1"));
    LstRech1->setGeometry(zoneListe);
    LstRech1->setSortingEnabled(false);
    LstRech1->setFont(QFont(QStringLiteral("Liberation Mono"), 10));

    LblRech1 = new QLabel(this);
    LblRech1->setObjectName(QStringLiteral("LblRech1"));
    LblRech1->setGeometry(16, 402, 200, 20);

    const int xt = 240, wt = width() - xt - 16;
    auto texte = [this, wt](const QString& name, const QString& text, int y, int h, bool bold = false) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setGeometry(xt, y, wt, h);
        l->setWordWrap(true);
        if (bold) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
        }
        return l;
    };
    texte(QStringLiteral("Lbl_0"), QStringLiteral("Comment ça marche:"), 116, 20, true);
    texte(QStringLiteral("Lbl_1"),
          QStringLiteral("1) Sélectionnez une longueur de mot en cliquant sur la zone de liste (en haut à gauche)."),
          140, 40);
    texte(
        QStringLiteral("Lbl_2"),
        QStringLiteral("2) Dans les cases saisir les lettres connues du mot à rechercher, à leur position respective."),
        184, 40);
    texte(QStringLiteral("Lbl_3"),
          QStringLiteral("3) Cliquez sur ") + QStringLiteral("\"Rechercher\"") +
              QStringLiteral(" pour afficher tous les mots contenant les lettres connues."),
          228, 40);
    texte(QStringLiteral("Lbl_4"), QStringLiteral("Option:"), 290, 20, true);
    auto* option = texte(QStringLiteral("Lbl_5"), QStringLiteral("Passer automatiquement à la case suivante."), 314,
                         20);
    option->setGeometry(xt + 24, 314, wt - 24, 20);
    // The two-line note keeps its own line break: no wrapping, a smaller font.
    auto* note = texte(QStringLiteral("Lbl_6"),
                       QStringLiteral("(Si coché, après la saisie d'une lettre dans une des cases, le") + u'\n' +
                           QStringLiteral("passage dans les cases suivantes se fera automatiquement)"),
                       340, 40);
    note->setWordWrap(false);
    QFont small = note->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    note->setFont(small);

    for (int k = 0; k < 2; ++k) {
        auto* img = new QLabel(this);
        img->setObjectName(QStringLiteral("ImgCochA_%1").arg(k));
        img->setGeometry(xt, 316, 16, 16);
        img->setPixmap(dessineCoche(k == 1));
        img->setCursor(Qt::PointingHandCursor);
        img->installEventFilter(this);
        ImgCochA[size_t(k)] = img;
    }

    LblK = new QLabel(this);
    LblK->setObjectName(QStringLiteral("LblK"));
    LblK->hide();

    TimDeb = new QTimer(this);
    TimDeb->setObjectName(QStringLiteral("TimDeb"));
    TimRech1 = new QTimer(this);
    TimRech1->setObjectName(QStringLiteral("TimRech1"));

    connect(CboLMot, &QComboBox::activated, this, &Frm13MotCroix::CboLMot_Click);
    connect(CmdRech1, &QPushButton::clicked, this, &Frm13MotCroix::CmdRech1_Click);
    // A result is copied when the selection changes, by the keyboard at once and by the mouse
    // once the button is released; a click on the word already selected copies it again.
    LstRech1->viewport()->installEventFilter(this);
    LstRech1->installEventFilter(this);
    connect(LstRech1, &QListWidget::itemSelectionChanged, this, [this] {
        if (LstRech1->selectedItems().isEmpty())
            return;
        if (boutonSurListe_)
            selectionParSouris_ = true;
        else
            LstRech1_Click();
    });
    connect(LstRech1, &QListWidget::itemClicked, this, [this] {
        if (!selectionParSouris_)
            LstRech1_Click();
        selectionParSouris_ = false;
    });
    connect(TimDeb, &QTimer::timeout, this, &Frm13MotCroix::TimDeb_Timer);
    connect(TimRech1, &QTimer::timeout, this, &Frm13MotCroix::TimRech1_Timer);

    Form_Load();
}

void Frm13MotCroix::Form_Load()
{
    PremiereCopie = 1;
    MsgDejaVu = 0;
    LongueurMot = 0;
    TropJokers = 0;
    Module& m = ctx_.module;
    PositionFenetreSuivante(m);
    move(twipsToPixels(m.PosGauche), twipsToPixels(m.PosHaut));
    TimDeb->start(20);
}

void Frm13MotCroix::TimDeb_Timer()
{
    TimDeb->stop();
    blocs_ = CalculeBlocsLongueur(ctx_.words.AnaWords);
    tailleListeBlocs_ = ctx_.words.AnaWords.size();
    show();
}

void Frm13MotCroix::CboLMot_Click()
{
    const int l = CboLMot->currentText().toInt();
    for (int i = 1; i <= 12; ++i) {
        QLineEdit* t = TxtS[size_t(i)];
        const bool active = i <= l;
        t->setEnabled(active);
        t->setText(active ? QStringLiteral("?") : QString());
        metCouleurCase(i, active);
    }
    donneFocus(1);
    LongueurMot = float(l);
}

void Frm13MotCroix::metCouleurCase(int i, bool active)
{
    metCouleur(TxtS[size_t(i)], QPalette::Base, active ? kBlanc : kGrisClair);
    metCouleur(LblN[size_t(i)], QPalette::WindowText, active ? kNoir : kGris);
}

void Frm13MotCroix::metCouleurTexte(int i)
{
    QLineEdit* t = TxtS[size_t(i)];
    metCouleur(t, QPalette::Text, t->text() == u'?' ? kGris : kRougeFonce);
}

void Frm13MotCroix::TxtS_GotFocus(int Index)
{
    QLineEdit* t = TxtS[size_t(Index)];
    LblK->setText(QString::number(Index));
    TexteAvant = t->text();
    t->selectAll();
}

// Selects the whole text of a box. Only the box that has the focus shows a selection: the
// others show none, and select their text again when they get the focus.
void Frm13MotCroix::selectionneCase(int Index)
{
    QLineEdit* t = TxtS[size_t(Index)];
    if (t->window()->focusWidget() == t)
        t->selectAll();
    else
        t->deselect();
}

void Frm13MotCroix::TxtS_Change(int Index)
{
    QLineEdit* t = TxtS[size_t(Index)];
    if (t->text().isEmpty())
        t->setText(QStringLiteral("?"));
    IndexCourant = qint16(Index);
    TexteCourant = t->text();
    StringChange(TexteCourant);
    selectionneCase(Index);
    t->setText(majuscules(t->text().left(1)));
    selectionneCase(Index);
    metCouleurTexte(Index);

    bool connu = false;
    for (int i = 1; i <= int(LongueurMot) && i <= 12; ++i)
        if (TxtS[size_t(i)]->text() != u'?')
            connu = true;
    CmdRech1->setEnabled(connu);
}

QString Frm13MotCroix::StringChange(QString& Sg1Autorise)
{
    Sg1Autorise = NettoieSaisie(Sg1Autorise);
    QLineEdit* t = (IndexCourant >= 1 && IndexCourant <= 12) ? TxtS[size_t(IndexCourant)] : nullptr;
    if (!t)
        return Sg1Autorise;
    if (!Sg1Autorise.isEmpty()) {
        t->setText(Sg1Autorise);
    } else {
        if (MsgDejaVu == 0) {
            if (!t->text().isEmpty()) {
                Module& m = ctx_.module;
                m.MsgTexte = QStringLiteral("Seuls les caractères ''ABCDEF.....Z'' sont autorisés.      ");
                m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::None,
                                                        Platform::Buttons::Ok);
            }
            MsgDejaVu = 1;
        }
        t->setText(TexteAvant);
    }
    return Sg1Autorise;
}

void Frm13MotCroix::TxtS_KeyDown(int Index, int KeyCode, int /*Shift*/)
{
    MsgDejaVu = 0;
    if (KeyCode == kToucheGauche)
        donneFocus(Index - 1);
    else if (KeyCode == kToucheDroite)
        donneFocus(Index + 1);
    else if (KeyCode >= 65 && KeyCode <= 90 && !ImgCochA[1]->isHidden())
        donneFocus(Index + 1);
}

void Frm13MotCroix::donneFocus(int Index)
{
    if (Index < 1 || Index > 12)
        return;
    QLineEdit* t = TxtS[size_t(Index)];
    if (!t->isEnabled())
        return;
    if (focusDiffere_) {
        focusApresTouche_ = Index;
        return;
    }
    t->setFocus(Qt::OtherFocusReason);
}

void Frm13MotCroix::donneFocusLblK()
{
    bool ok = false;
    const int k = LblK->text().toInt(&ok);
    donneFocus(ok && k >= 1 && k <= 12 ? k : 1);
}

void Frm13MotCroix::ImgCochA_Click(int Index)
{
    if (Index == 0) {
        ImgCochA[1]->show();
    } else {
        ImgCochA[1]->hide();
        donneFocusLblK();
    }
}

void Frm13MotCroix::LstRech1_Click()
{
    QListWidgetItem* item = LstRech1->currentItem();
    ctx_.platform.clearClipboard();
    ctx_.platform.setClipboardText(item ? item->text() : QString());
    if (PremiereCopie == 1) {
        Module& m = ctx_.module;
        m.MsgTexte = QStringLiteral("Le mot sélectionné a été copié dans le presse-papier.      ");
        m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Information,
                                                Platform::Buttons::Ok);
        PremiereCopie = 0;
    }
}

void Frm13MotCroix::SubTropEtoile()
{
    TropJokers = 1;
    Module& m = ctx_.module;
    ctx_.platform.messageBox(this,
                             QStringLiteral("Le nombre de caractère joker '' ? '' est trop important.") + m.SautLigne +
                                 QStringLiteral("Modifiez la recherche."),
                             m.MsgTitre, Platform::Icon::Critical, Platform::Buttons::Ok);
}

QStringList Frm13MotCroix::textesCases() const
{
    QStringList cases;
    for (int i = 1; i <= 12; ++i)
        cases << TxtS[size_t(i)]->text();
    return cases;
}

void Frm13MotCroix::CmdRech1_Click()
{
    // Each step that fails is reported, then the next one runs.
    auto etape = [this](auto&& work) {
        try {
            work();
        } catch (const RuntimeError& e) {
            SignaleErreurInterne(ctx_, this, QStringLiteral("104"), e);
        }
    };
    etape([&] { CmdRech1->setEnabled(false); });
    etape([&] { LongueurMot = float(CboLMot->currentText().toInt()); });
    int jokers = 0;
    etape([&] { jokers = CompteJokers(textesCases(), int(LongueurMot)); });
    etape([&] {
        if (jokers > LimiteJokers(int(LongueurMot)))
            SubTropEtoile();
    });
    etape([&] {
        if (TropJokers == 1) {
            TropJokers = 0;
            donneFocus(1);
        } else {
            LstRech1->hide();
            setEnabled(false);
            TimRech1->start(100);
        }
    });
    etape([&] { ctx_.platform.setScreenPointer(Platform::Arrow); });
}

void Frm13MotCroix::TimRech1_Timer()
{
    TimRech1->stop();
    LstRech1->clear();
    try {
        const QString motif = MotifDesCases(textesCases(), int(LongueurMot));
        WordData& w = ctx_.words;
        // Without the anagram data loaded at start, the list is read here (not its index).
        if (w.AnaWords.isEmpty())
            ChargeListeAna(w);
        if (tailleListeBlocs_ != w.AnaWords.size()) {
            blocs_ = CalculeBlocsLongueur(w.AnaWords);
            tailleListeBlocs_ = w.AnaWords.size();
        }
        const QStringList found = ChercheMotCroix(w.AnaWords, blocs_, motif);
        LstRech1->addItems(found);
        LblRech1->setText(TexteNombreMots(found.size()));
        LstRech1->show();
    } catch (const RuntimeError& e) {
        SignaleErreurInterne(ctx_, this, QStringLiteral("106"), e);
        LstRech1->clear();
    }
    ctx_.platform.setScreenPointer(Platform::Arrow);
    setEnabled(true);
    donneFocusLblK();
}

namespace {
bool apporteDuTexte(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::InputMethod: return !static_cast<const QInputMethodEvent*>(event)->commitString().isEmpty();
    case QEvent::ContextMenu:
    case QEvent::Drop: return true;
    case QEvent::MouseButtonRelease: return static_cast<const QMouseEvent*>(event)->button() == Qt::MiddleButton;
    default: return false;
    }
}
}

bool Frm13MotCroix::eventFilter(QObject* watched, QEvent* event)
{
    const int i = caseDe(watched);
    if (i > 0) {
        if (event->type() == QEvent::FocusIn) {
            TxtS_GotFocus(i);
            // A mouse click that gave the focus places the caret afterwards: select again.
            QTimer::singleShot(0, TxtS[size_t(i)], [this, i] { selectionneCase(i); });
        } else if (event->type() == QEvent::KeyPress) {
            // The key goes into the box where it was typed; a focus move asked by the key-down
            // handling is made once the box has taken the key.
            auto* k = static_cast<QKeyEvent*>(event);
            focusDiffere_ = true;
            focusApresTouche_ = 0;
            TxtS_KeyDown(i, codeTouche(k), etatMaj(k->modifiers()));
            focusDiffere_ = false;
            if (focusApresTouche_ != 0) {
                const int cible = focusApresTouche_;
                focusApresTouche_ = 0;
                TxtS[size_t(i)]->event(event);
                donneFocus(cible);
                return true;
            }
        } else if (apporteDuTexte(event)) {
            // Text that comes in without a key press of its own (an accent made with a dead key,
            // a paste from the menu or the mouse, a drop) counts as one key press for the message.
            MsgDejaVu = 0;
        }
    } else if (watched == LstRech1) {
        if (event->type() == QEvent::KeyPress && premiereLigneAuClavier(LstRech1, static_cast<QKeyEvent*>(event)))
            return true;
    } else if (watched == LstRech1->viewport()) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            boutonSurListe_ = true;
            selectionParSouris_ = false;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            boutonSurListe_ = false;
            // The selection was changed by this press (the list's click then copies nothing).
            if (selectionParSouris_ && !LstRech1->selectedItems().isEmpty())
                LstRech1_Click();
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        for (int k = 0; k < 2; ++k)
            if (watched == ImgCochA[size_t(k)])
                ImgCochA_Click(k);
    }
    return QWidget::eventFilter(watched, event);
}

int Frm13MotCroix::caseDe(QObject* o) const
{
    for (int i = 1; i <= 12; ++i)
        if (TxtS[size_t(i)] == o)
            return i;
    return 0;
}
