// Lexiparc — GPL-3.0-or-later.
#include "about/FrmMail.h"

#include "about/UrlMail.h"
#include "common/Colors.h"
#include "common/Controles.h"
#include "common/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>

bool EnvoieMail(AppContext& ctx, const QString& adresse, const QString& sujet, const QString& corps, const QString& cc,
                const QString& bcc)
{
    return ctx.platform.openUrl(urlMail(adresse, sujet, corps, cc, bcc));
}

namespace {
QLineEdit* boite(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* t = new QLineEdit(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setGeometry(geometry);
    return t;
}
}

FrmMail::FrmMail(AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint), ctx_(ctx)
{
    setObjectName(QStringLiteral("FrmMail"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("QWidget#FrmMail { background: #fbf6e9; border: 1px solid #2c5f8a; }"
                                 "QWidget#Pic2 { background: #2c5f8a; }"));

    Pic2 = new QWidget(this);
    Pic2->setObjectName(QStringLiteral("Pic2"));
    Pic2->setAttribute(Qt::WA_StyledBackground);
    Pic2->setGeometry(0, 0, 482, 30);
    QLabel* titre = label(Pic2, {}, QStringLiteral("Envoyer  un  email"), QRect(10, 0, 460, 30));
    titre->setStyleSheet(QStringLiteral("color: white; font-weight: bold; font-size: 12pt;"));

    LblInfo1 = label(this, "LblInfo1", {}, QRect(10, 40, 165, 125));
    label(this, {}, QStringLiteral("Attention:"), QRect(10, 172, 165, 18))
        ->setStyleSheet(QStringLiteral("color: #c1121f; font-weight: bold;"));
    LblInfo3 = label(this, "LblInfo3", {}, QRect(10, 190, 165, 140));
    for (QLabel* l : {LblInfo1, LblInfo3})
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    label(this, {}, QStringLiteral("Nom"), QRect(185, 40, 60, 22));
    TxtNom = boite(this, "TxtNom", QRect(250, 40, 200, 22));
    label(this, {}, QStringLiteral("Prénom"), QRect(185, 68, 60, 22));
    TxtPre = boite(this, "TxtPre", QRect(250, 68, 200, 22));
    label(this, {}, QStringLiteral("Objet du message"), QRect(185, 96, 265, 18));
    TxtObj = boite(this, "TxtObj", QRect(185, 114, 265, 22));
    label(this, {}, QStringLiteral("Texte du message"), QRect(185, 142, 265, 18));
    TxtRem = new QPlainTextEdit(this);
    TxtRem->setObjectName(QStringLiteral("TxtRem"));
    TxtRem->setGeometry(185, 160, 265, 120);
    TxtRem->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A text box of several lines, not one of tabulations: Tab goes on to the next control.
    TxtRem->setTabChangesFocus(true);
    TxtAdresse = boite(this, "TxtAdresse", QRect(185, 288, 265, 22));
    TxtAdresse->setText(QString::fromLatin1(kAdresseContact));
    TxtAdresse->setReadOnly(true);
    TxtAdresse->setStyleSheet(QStringLiteral("color: blue;"));

    const std::pair<int, int> marques[] = {{1, 44}, {2, 72}, {4, 118}, {5, 164}};
    for (const auto& [i, y] : marques) {
        auto* m = label(this, QStringLiteral("ImgF_%1").arg(i), {}, QRect(456, y, 10, 10));
        m->setStyleSheet(QStringLiteral("background: #c1121f; border-radius: 5px;"));
        m->hide();
        ImgF[size_t(i)] = m;
    }

    CmdMail = new QPushButton(QStringLiteral("Envoyer le message >>"), this);
    CmdMail->setObjectName(QStringLiteral("CmdMail"));
    CmdMail->setToolTip(QStringLiteral("Envoyer un email"));
    CmdMail->setGeometry(185, 320, 170, 28);
    CmdMail->setEnabled(false);
    CmdAnnule = new QPushButton(QStringLiteral("Annuler"), this);
    CmdAnnule->setObjectName(QStringLiteral("CmdAnnule"));
    CmdAnnule->setToolTip(QStringLiteral("Fermer"));
    CmdAnnule->setGeometry(365, 320, 85, 28);
    Foc = boite(this, "Foc", QRect(-100, -100, 10, 10));

    TimDeb = new QTimer(this);
    TimDeb->setObjectName(QStringLiteral("TimDeb"));
    TimEnd = new QTimer(this);
    TimEnd->setObjectName(QStringLiteral("TimEnd"));

    connect(TimDeb, &QTimer::timeout, this, &FrmMail::TimDeb_Timer);
    connect(TimEnd, &QTimer::timeout, this, &FrmMail::TimEnd_Timer);
    connect(TxtNom, &QLineEdit::textChanged, this, &FrmMail::TxtNom_Change);
    connect(TxtPre, &QLineEdit::textChanged, this, &FrmMail::TxtPre_Change);
    connect(TxtObj, &QLineEdit::textChanged, this, &FrmMail::TxtObj_Change);
    connect(TxtRem, &QPlainTextEdit::textChanged, this, &FrmMail::TxtRem_Change);
    connect(CmdMail, &QPushButton::clicked, this, &FrmMail::CmdMail_Click);
    connect(CmdAnnule, &QPushButton::clicked, this, &FrmMail::CmdAnnule_Click);

    Form_Load();
    TimDeb->start(500);
}

void FrmMail::Form_Load()
{
    const Module& m = ctx_.module;
    move(twipsToPixels(330), twipsToPixels(495));
    setFixedSize(Pic2->width() - twipsToPixels(30), CmdAnnule->y() + CmdAnnule->height() + twipsToPixels(180));
    TxtObj->setText(m.MsgTitre + QStringLiteral(" Version ") + m.VersionProg);
    LblInfo1->setText(QStringList{QStringLiteral("Vous voulez poser une"), QStringLiteral("question, envoyer une"),
                                  QStringLiteral("remarque concernant le"), QStringLiteral("programme ou à propos"),
                                  QStringLiteral("d'un mot. Remplissez ce"),
                                  QStringLiteral("formulaire puis cliquez sur"),
                                  QStringLiteral("''Envoyer le message''.")}
                          .join(m.SautLigne));
    LblInfo3->setText(
        QStringList{QStringLiteral("               votre message"), QStringLiteral("sera pris en compte. Mal-"),
                    QStringLiteral("heureusement en fonction"), QStringLiteral("des mails  reçus, nous ne"),
                    QStringLiteral("pouvons  vous  garantir"), QStringLiteral("une réponse. Merci pour"),
                    QStringLiteral("votre  compréhension.")}
            .join(m.SautLigne) +
        m.SautLigne);
}

void FrmMail::TimDeb_Timer()
{
    TimDeb->stop();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->show();
    show();
}

void FrmMail::TimEnd_Timer()
{
    TimEnd->stop();
    fermeFenetre(this);
}

void FrmMail::champChange(int marque, bool vide)
{
    ImgF[size_t(marque)]->hide();
    CmdMail->setEnabled(true);
    if (vide)
        CmdMail->setEnabled(false);
}

void FrmMail::TxtNom_Change()
{
    champChange(1, TxtNom->text().isEmpty());
}
void FrmMail::TxtPre_Change()
{
    champChange(2, TxtPre->text().isEmpty());
}
void FrmMail::TxtRem_Change()
{
    champChange(5, TxtRem->toPlainText().isEmpty());
}

void FrmMail::TxtObj_Change()
{
    // Typing a subject never enables the send button by itself.
    ImgF[4]->hide();
    if (TxtObj->text().isEmpty())
        CmdMail->setEnabled(false);
}

void FrmMail::CmdMail_Click()
{
    Module& m = ctx_.module;
    Foc->setFocus();
    for (QLabel* mark : ImgF)
        if (mark)
            mark->hide();
    const std::pair<QWidget*, bool> boites[] = {{TxtNom, TxtNom->text().isEmpty()},
                                                {TxtPre, TxtPre->text().isEmpty()},
                                                {TxtObj, TxtObj->text().isEmpty()},
                                                {TxtRem, TxtRem->toPlainText().isEmpty()}};
    const int marques[] = {1, 2, 4, 5};
    bool manque = false;
    for (int i = 0; i < 4; ++i) {
        if (!boites[i].second)
            continue;
        ImgF[size_t(marques[i])]->show();
        boites[i].first->setFocus();
        manque = true;
    }
    if (manque) {
        m.MsgTexte = QStringLiteral("Le formulaire est incomplet.      ");
        m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::None,
                                                Platform::Buttons::Ok);
        return;
    }
    // The message goes out as typed: the document's raw text keeps the no-break spaces that
    // its plain text turns into blanks. Its paragraphs become CR LF line breaks.
    QString texte = TxtRem->document()->toRawText();
    texte.replace(QChar::ParagraphSeparator, m.SautLigne).replace(QChar::LineSeparator, m.SautLigne);
    const QString corps = QStringLiteral("Nom: ") + TxtNom->text() + m.SautLigne + QStringLiteral("Prenom: ") +
                          TxtPre->text() + m.SautLigne + m.SautLigne + texte;
    const auto signale = [&](const QString& texte) {
        m.MsgTexte = texte;
        m.MsgReponse = ctx_.platform.messageBox(this, m.MsgTexte, m.MsgTitre, Platform::Icon::Exclamation,
                                                Platform::Buttons::Ok);
    };
    if (urlMail(TxtAdresse->text(), TxtObj->text(), corps, QString(), QString()).size() > kLongueurMaxUrlMail) {
        signale(TexteMail::TropLong + m.SautLigne + TexteMail::Raccourcir);
        TxtRem->setFocus();
        return;
    }
    if (!EnvoieMail(ctx_, TxtAdresse->text(), TxtObj->text(), corps, QString(), QString())) {
        signale(TexteMail::NonLance + m.SautLigne + TexteMail::NonEnvoye);
        return;
    }
    TimEnd->start(3000);
}

void FrmMail::CmdAnnule_Click()
{
    fermeFenetre(this);
}

const Fabrique FabriqueFrmMail{[](AppContext& c) -> QWidget* { return new FrmMail(c); }};

FrmMail* montreFrmMail(AppContext& ctx)
{
    if (ctx.mdi)
        return qobject_cast<FrmMail*>(ctx.mdi->OuvreOutil(FabriqueFrmMail));
    // Without the main frame (tests): one free-standing form at a time.
    static QPointer<FrmMail> seule;
    if (!seule || seule->isHidden()) {
        seule = new FrmMail(ctx);
        seule->setAttribute(Qt::WA_DeleteOnClose);
    }
    seule->show();
    seule->activateWindow();
    return seule;
}
