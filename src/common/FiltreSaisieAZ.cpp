// Lexiparc — GPL-3.0-or-later.
#include "common/FiltreSaisieAZ.h"

#include "common/InputFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

FiltreSaisieAZ::FiltreSaisieAZ(AppContext& ctx, QLineEdit* box, int longueurMax)
    : QObject(box), ctx_(ctx), box_(box), longueurMax_(longueurMax)
{
    box->setMaxLength(longueurMax);
    box->installEventFilter(this);
}

bool FiltreSaisieAZ::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != box_ || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    // Keys without a character (arrows, shortcuts) and control characters pass.
    if (text.isEmpty() || key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Copy) ||
        key->matches(QKeySequence::Cut) || key->matches(QKeySequence::SelectAll) ||
        key->matches(QKeySequence::Undo))
        return false;
    switch (filtreLettreAZ(text.at(0), int(box_->text().size()), longueurMax_)) {
    case FiltreResultat::Passe:
        return false;
    case FiltreResultat::Refuse:
        return true;
    case FiltreResultat::RefuseMessage: {
        Module& m = ctx_.module;
        m.MsgTexte = messageCaractereNonValide(m.SautLigne);
        m.MsgReponse = ctx_.platform.messageBox(box_->window(), m.MsgTexte, m.MsgTitre,
                                                Platform::Icon::Information, Platform::Buttons::Ok);
        return true;
    }
    }
    return false;
}
