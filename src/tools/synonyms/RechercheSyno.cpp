// Lexiparc — GPL-3.0-or-later.
#include "tools/synonyms/RechercheSyno.h"

#include "common/TextHelpers.h"
#include "tools/synonyms/TriAlpha.h"

int lettreRecherche(QChar c)
{
    switch (c.unicode()) {
    case u'a':
    case u'à':
    case u'â':
    case u'A': return 0;
    case u'c':
    case u'ç':
    case u'C':
    case u'Ç': return 2;
    case u'd': return 3;
    case u'e':
    case u'é':
    case u'è':
    case u'ê':
    case u'E': return 4;
    case u'o':
    case u'ô':
    case u'O': return 14;
    case u'y': return 24;
    default: break;
    }
    const char16_t u = c.unicode();
    const char16_t lower = (u >= u'A' && u <= u'Z') ? char16_t(u - u'A' + u'a') : u;
    if (lower < u'a' || lower > u'z')
        return -1;
    // A, C, D, E, O and Y are settled above: their other forms select nothing.
    switch (lower) {
    case u'a':
    case u'c':
    case u'd':
    case u'e':
    case u'o':
    case u'y': return -1;
    default: return lower - u'a';
    }
}

const std::array<NatureSyno, 34>& TableNatures()
{
    static const std::array<NatureSyno, 34> table{{
        {u"adj", u": adjectif"},
        {u"adj adv", u": adjectif adverbe"},
        {u"adj interj", u": adjectif interjection"},
        {u"adj interj n", u": adjectif interjection nom"},
        {u"adj n", u": adjectif nom"},
        {u"adj n v", u": adjectif nom verbe"},
        {u"adj prép", u": adjectif préposition"},
        {u"adj pron", u": adjectif pronom"},
        {u"adj v", u": adjectif verbe"},
        {u"adv", u": adverbe"},
        {u"adv conj", u": adverbe conjonction"},
        {u"adv loc", u": adverbe locution"},
        {u"adv n", u": adverbe nom"},
        {u"adv prép", u": adverbe préposition"},
        {u"adv pron", u": adverbe pronom"},
        {u"adv v", u": adverbe verbe"},
        {u"art", u": article"},
        {u"conj", u": conjonction"},
        {u"conj n", u": conjonction nom"},
        {u"expr", u": expression"},
        {u"interj", u": interjection"},
        {u"interj n", u": interjection nom"},
        {u"loc", u": locution"},
        {u"n", u": nom"},
        {u"n adv", u": nom adverbe"},
        {u"n préf", u": nom préfixe"},
        {u"n prép", u": nom préposition"},
        {u"n prép v", u": nom préposition verbe"},
        {u"n pron", u": nom pronom"},
        {u"n v", u": nom verbe"},
        {u"préf", u": préfixe"},
        {u"prép", u": préposition"},
        {u"pron", u": pronom"},
        {u"v", u": verbe"},
    }};
    return table;
}

QString libelleNature(const QString& code)
{
    for (const NatureSyno& n : TableNatures())
        if (code == QStringView(n.code))
            return QString::fromUtf16(n.libelle);
    return {};
}

QStringList ajouteHistorique(QStringList historique, const QString& texte)
{
    if (!historique.contains(texte, Qt::CaseSensitive))
        historique.prepend(texte);
    while (historique.size() > kMaxHistorique)
        historique.removeLast();
    return historique;
}

QString texteCompteSynonymes(const QStringList& lignes, const QString& tape)
{
    const QString mot = QStringLiteral("''") + tape + QStringLiteral("''.");
    if (lignes.isEmpty() || lignes.first().isEmpty())
        return QStringLiteral("Aucun synonyme pour ") + mot;
    if (lignes.size() == 1)
        return QStringLiteral("Un synonyme pour ") + mot;
    return QString::number(lignes.size()) + QStringLiteral(" synonymes pour ") + mot;
}

ResultatSyno RechercheSynonyme(const WordData& words, const std::array<qint16, 26>& nbSyno, const QString& normalise,
                               const QString& tape)
{
    ResultatSyno r;
    r.lettre = normalise.isEmpty() ? -1 : lettreRecherche(normalise.at(0));
    if (r.lettre >= 0) {
        const QStringList& cles = words.TabCleSyno[size_t(r.lettre)];
        const qsizetype n = nbLignesSyno(words, nbSyno, r.lettre);
        for (qsizetype i = 0; i < n; ++i) {
            if (cleComparee(cles.at(i)) != normalise)
                continue;
            r.ligne = int(i + 1);
            if (!decoupeEntreeSyno(words.TabSyno[size_t(r.lettre)].at(i), r.parties))
                r.erreurs << erreurEntreeSyno();
            r.SynoCourant = r.parties.ListeSyno;
            break;
        }
    }
    if (!r.SynoCourant.isEmpty())
        r.LstS = synonymesTries(r.SynoCourant);
    r.Lbl4 = texteCompteSynonymes(r.LstS, tape);
    const QString libelle = libelleNature(r.parties.NatureSyno);
    if (!libelle.isEmpty())
        r.Lbl2 = majuscules(tape) + libelle;
    return r;
}
