// Lexiparc — GPL-3.0-or-later.
#include "tools/synonyms/ListeMotsSyno.h"

int lettreListe(QChar c)
{
    const char16_t u = c.unicode();
    switch (u) {
    case u'à':
    case u'â': return 0;
    case u'ç': return 2;
    case u'ê':
    case u'é':
    case u'è': return 4;
    case u'ô': return 14;
    default: return (u >= u'a' && u <= u'z') ? u - u'a' : -1;
    }
}

QString texteCompteMots(qint32 compte)
{
    if (compte == 0)
        return QStringLiteral("Aucun mot dans la liste.");
    if (compte == 1)
        return QStringLiteral("Un mot listé.");
    return QString::number(compte) + QStringLiteral(" mots listés.");
}

ResultatListe ListeMotsSyno(const WordData& words, const std::array<qint16, 26>& nbSyno, const QString& prefixe)
{
    ResultatListe r;
    if (prefixe.size() >= 2)
        r.lettre = lettreListe(prefixe.at(0));
    if (r.lettre >= 0) {
        const QStringList& cles = words.TabCleSyno[size_t(r.lettre)];
        const QStringList& lignes = words.TabSyno[size_t(r.lettre)];
        const qsizetype n = nbLignesSyno(words, nbSyno, r.lettre);
        for (qsizetype i = 0; i < n; ++i) {
            if (!cleComparee(cles.at(i)).startsWith(prefixe))
                continue;
            LigneListee ligne{int(i + 1), {}};
            if (!decoupeEntreeSyno(lignes.at(i), ligne.parties))
                r.erreurs << erreurEntreeSyno();
            r.Lst << ligne.parties.MotSyno;
            r.lignes << std::move(ligne);
        }
        r.compte = qint32(r.Lst.size());
    }
    r.Lbl3 = texteCompteMots(r.compte);
    return r;
}
