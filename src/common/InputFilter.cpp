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

TexteFiltre filtreTexteAZ(QStringView texte, int longueurActuelle, int longueurRemplacee, int longueurMax)
{
    TexteFiltre r;
    int longueur = longueurActuelle;
    for (const QChar c : texte) {
        switch (filtreLettreAZ(c, longueur, longueurMax)) {
        case FiltreResultat::Passe:
            if (c.unicode() >= 32 && c.unicode() != 127) {
                // The first letter in replaces the selection.
                longueur += r.lettres.isEmpty() ? 1 - longueurRemplacee : 1;
                r.lettres += c;
            }
            break;
        case FiltreResultat::Refuse: break;
        case FiltreResultat::RefuseMessage: r.message = true; break;
        }
    }
    return r;
}

QString messageCaractereNonValide(const QString& sautLigne)
{
    return QStringLiteral("Caractère non valide.") + sautLigne +
           QStringLiteral("Seules les lettres de A à Z, sans accent, sont acceptées.");
}
