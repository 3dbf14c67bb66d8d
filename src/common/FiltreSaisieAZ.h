// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"

#include <QObject>

class QLineEdit;

// The keystroke filter of the A-to-Z text boxes: control keys pass; any other key whose upper
// case is not a letter A to Z is refused with the invalid-character message; a letter is
// refused without a message once the box holds `longueurMax` characters or more, whatever is
// selected. Install it on the box: it cancels the keys it refuses.
class FiltreSaisieAZ : public QObject {
    Q_OBJECT
public:
    FiltreSaisieAZ(AppContext& ctx, QLineEdit* box, int longueurMax);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppContext& ctx_;
    QLineEdit* box_;
    int longueurMax_;
};
