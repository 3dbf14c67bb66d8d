// Lexiparc — GPL-3.0-or-later.
#include "tools/synonyms/EntreeSyno.h"

#include "common/TextHelpers.h"

#include <algorithm>

bool decoupeEntreeSyno(const QString& record, EntreeSyno& parties)
{
    const qsizetype p = record.indexOf(u'§');
    const qsizetype q = record.indexOf(u'$');
    parties.MotSyno = p < 0 ? record : record.left(p);
    if (p < 0 || q < p) {
        parties.NatureSyno.clear();
        parties.ListeSyno.clear();
        return false;
    }
    parties.NatureSyno = record.mid(p + 1, q - p - 1);
    parties.ListeSyno = record.mid(q + 1);
    return true;
}

RuntimeError erreurEntreeSyno()
{
    return {5, QStringLiteral("Invalid procedure call or argument")};
}

QString plieLigatures(QString texte)
{
    if (texte.contains(u'œ'))
        texte.replace(u'œ', QStringLiteral("oe"));
    if (texte.contains(u'æ'))
        texte.replace(u'æ', QStringLiteral("ae"));
    return texte;
}

QString normaliseSaisie(const QString& texte)
{
    return plieLigatures(SubAccents(texte).toLower());
}

QString cleComparee(const QString& cle)
{
    return plieLigatures(cle.toLower());
}

qsizetype nbLignesSyno(const WordData& words, const std::array<qint16, 26>& nbSyno, int lettre)
{
    if (lettre < 0 || lettre >= 26)
        return 0;
    const auto l = size_t(lettre);
    return std::max<qsizetype>(0,
                               std::min({qsizetype(nbSyno[l]), words.TabSyno[l].size(), words.TabCleSyno[l].size()}));
}
