// Lexiparc — GPL-3.0-or-later.
#include "common/InputFilter.h"

#include <QString>

FiltreResultat filtreLettreAZ(QChar typed, int longueurActuelle, int longueurMax)
{
    const char16_t up = typed.toUpper().unicode();
    if (up >= u'A' && up <= u'Z')
        return longueurActuelle >= longueurMax ? FiltreResultat::Refuse : FiltreResultat::Passe;
    // Control characters pass: codes below 32, and DEL, the text of the Delete key.
    if (typed.unicode() < 32 || typed.unicode() == 127)
        return FiltreResultat::Passe;
    return FiltreResultat::RefuseMessage;
}

QString messageCaractereNonValide(const QString& sautLigne)
{
    return QStringLiteral("Caractère non valide.") + sautLigne +
           QStringLiteral("Seules les lettres de A à Z, sans accent, sont acceptées.");
}
