// Lexiparc — GPL-3.0-or-later.
#include "common/FiltreSaisieAZ.h"

#include "common/InputFilter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

// Sees every change of the box's text, whatever made it: the part that came in is checked as
// typed text. Changes that cannot show a message at once (the box is in the middle of an
// edit) report it as soon as the edit is over.
class FiltreSaisieAZ::Valideur : public QValidator {
public:
    Valideur(FiltreSaisieAZ& filtre) : QValidator(&filtre), filtre_(filtre) {}

    State validate(QString& texte, int& pos) const override
    {
        const QString& avant = filtre_.texteAvant_;
        if (texte == avant)
            return Acceptable;
        // What came in: the text between the parts that did not change.
        const qsizetype n = std::min(avant.size(), texte.size());
        qsizetype debut = 0;
        while (debut < n && avant.at(debut) == texte.at(debut))
            ++debut;
        qsizetype fin = 0;
        while (fin < n - debut && avant.at(avant.size() - 1 - fin) == texte.at(texte.size() - 1 - fin))
            ++fin;
        const QStringView entre = QStringView(texte).mid(debut, texte.size() - debut - fin);
        const qsizetype remplace = avant.size() - debut - fin;
        const TexteFiltre r = filtreTexteAZ(entre, int(avant.size()), int(remplace), filtre_.longueurMax_);
        if (r.lettres == entre)
            return Acceptable;
        if (r.message)
            filtre_.messageRefusDiffere();
        if (r.lettres.isEmpty())
            return Invalid;  // the box takes back the text it had
        texte = avant.left(debut) + r.lettres + avant.right(fin);
        pos = int(debut + r.lettres.size());
        return Acceptable;
    }

private:
    FiltreSaisieAZ& filtre_;
};

FiltreSaisieAZ::FiltreSaisieAZ(AppContext& ctx, QLineEdit* box, int longueurMax)
    : QObject(box), ctx_(ctx), box_(box), longueurMax_(longueurMax), texteAvant_(box->text())
{
    box->setValidator(new Valideur(*this));
    connect(box, &QLineEdit::textChanged, this, [this](const QString& t) { texteAvant_ = t; });
    box->installEventFilter(this);
}

void FiltreSaisieAZ::messageRefus()
{
    Module& m = ctx_.module;
    m.MsgTexte = messageCaractereNonValide(m.SautLigne);
    m.MsgReponse = ctx_.platform.messageBox(box_->window(), m.MsgTexte, m.MsgTitre, Platform::Icon::Information,
                                            Platform::Buttons::Ok);
}

void FiltreSaisieAZ::messageRefusDiffere()
{
    if (messageEnAttente_)
        return;
    messageEnAttente_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
        messageEnAttente_ = false;
        messageRefus();
        },
        Qt::QueuedConnection);
}

// Text committed by an input method (a dead key and its letter, a compose sequence): the box
// gets only the letters it would have taken typed one by one.
bool FiltreSaisieAZ::filtreCommit(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    if (commit.isEmpty())
        return false;
    const int selection = int(box_->selectedText().size());
    const TexteFiltre r = filtreTexteAZ(commit, int(box_->text().size()), selection, longueurMax_);
    if (r.lettres == commit)
        return false;
    QInputMethodEvent reste(event->preeditString(), event->attributes());
    reste.setCommitString(r.lettres, event->replacementStart(), event->replacementLength());
    QCoreApplication::sendEvent(box_, &reste);
    if (r.message)
        messageRefus();
    return true;
}

bool FiltreSaisieAZ::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != box_)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::InputMethod)
        return filtreCommit(static_cast<QInputMethodEvent*>(event));
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    // Keys without a character (arrows, shortcuts) and control characters pass.
    if (text.isEmpty() || key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Copy) ||
        key->matches(QKeySequence::Cut) || key->matches(QKeySequence::SelectAll) || key->matches(QKeySequence::Undo))
        return false;
    switch (filtreLettreAZ(text.at(0), int(box_->text().size()), longueurMax_)) {
    case FiltreResultat::Passe: return false;
    case FiltreResultat::Refuse: return true;
    case FiltreResultat::RefuseMessage: messageRefus(); return true;
    }
    return false;
}
