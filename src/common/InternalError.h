// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "common/AppContext.h"
#include "common/RuntimeError.h"

class QWidget;

// The text of the internal-error report: the description, 17 blanks, a line break, then
// "Erreur interne " & code & " - " & number.
QString texteErreurInterne(const QString& saut, const QString& code, const RuntimeError& e);

// Records the error in ErrNumero/ErrCode and shows the report in a critical message box.
void SignaleErreurInterne(AppContext& ctx, QWidget* parent, const QString& code, const RuntimeError& e);
