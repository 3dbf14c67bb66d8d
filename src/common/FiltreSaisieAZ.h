// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"

#include <QObject>
#include <QString>

class QLineEdit;
class QInputMethodEvent;

// The input filter of the A-to-Z text boxes: control keys pass; any other key whose upper
// case is not a letter A to Z is refused with the invalid-character message; a letter is
// refused without a message once the box holds `longueurMax` characters or more, whatever is
// selected. Text that comes in otherwise (an accent made with a dead key or a compose
// sequence, an input method, a paste, a drop) is taken as if its characters had been typed
// one by one: its letters get in, the rest is refused the same way, with one message for the
// whole text; a text with no letter to let in leaves the box unchanged.
// Install it on the box: it keeps the box's length limit itself.
class FiltreSaisieAZ : public QObject {
    Q_OBJECT
public:
    FiltreSaisieAZ(AppContext& ctx, QLineEdit* box, int longueurMax);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Valideur;
    bool filtreCommit(QInputMethodEvent* event);
    void messageRefus();
    void messageRefusDiffere();

    AppContext& ctx_;
    QLineEdit* box_;
    int longueurMax_;
    QString texteAvant_;  // the text of the box before the change being checked
    bool messageEnAttente_ = false;
};
