// Lexiparc — GPL-3.0-or-later.
#include "tools/postcodes/RechercheCommunes.h"

#include "common/RuntimeError.h"
#include "common/TextHelpers.h"

#include <algorithm>

const std::array<const char*, NbChampsDetail> kNomsLabelsDetail = {
    "LblCommune",  "LblCommuneMin", "LblDepartement", "LblRegion",   "LblCodeRegion", "LblInsee",
    "LblAcademie", "LblCodeAca",    "LblZoneVac",     "LblLatitude", "LblLongitude",
};

const std::array<const char*, NbChampsDetail> kTitresDetail = {
    "Commune:",  "Nom minuscule:", "Département:",   "Région:",   "Code région:", "N°INSEE:",
    "Académie:", "Code académie:", "Zone vacances:", "Latitude:", "Longitude:",
};

namespace {
// Cuts `text` at its first n - 1 "§": n fields, the last one the rest of the text.
template <std::size_t N>
std::array<QStringView, N> champs(QStringView text)
{
    std::array<QStringView, N> out;
    qsizetype from = 0;
    for (std::size_t i = 0; i + 1 < N; ++i) {
        const qsizetype at = text.indexOf(u'§', from);
        if (at < 0)
            throw RuntimeError::subscriptOutOfRange();
        out[i] = text.mid(from, at - from);
        from = at + 1;
    }
    out[N - 1] = text.mid(from);
    return out;
}

// a, a blank, b.
QString joint(QStringView a, QStringView b)
{
    QString out;
    out.reserve(a.size() + 1 + b.size());
    out.append(a).append(u' ').append(b);
    return out;
}

QString blancEt(QStringView v)
{
    return joint({}, v);
}

// The postal code of a name-list record: its second field after the "$".
QStringView codePostalNom(QStringView enregNom)
{
    const qsizetype dollar = enregNom.indexOf(u'$');
    const qsizetype a = dollar < 0 ? -1 : enregNom.indexOf(u'§', dollar + 1);
    const qsizetype b = a < 0 ? -1 : enregNom.indexOf(u'§', a + 1);
    if (b < 0)
        throw RuntimeError::subscriptOutOfRange();
    return enregNom.mid(a + 1, b - a - 1);
}

bool estPermis(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u' ';
}
}

DetailCommune detailDepuisCP(const QString& enregCP)
{
    const auto f = champs<11>(enregCP);
    return {f[0].toString(), f[1].toString(), f[2].toString(), f[3].toString(), blancEt(f[4]),   blancEt(f[5]),
            f[6].toString(), blancEt(f[7]),   blancEt(f[8]),   f[9].toString(), f[10].toString()};
}

DetailCommune detailDepuisNom(const QString& enregNom)
{
    const qsizetype dollar = enregNom.indexOf(u'$');
    if (dollar < 0)
        throw RuntimeError::subscriptOutOfRange();
    const QStringView cle = QStringView(enregNom).left(dollar);
    const auto f = champs<12>(QStringView(enregNom).mid(dollar + 1));
    return {joint(f[1], cle), f[4].toString(), joint(f[2], f[3]), f[6].toString(), blancEt(f[5]),  blancEt(f[0]),
            f[9].toString(),  blancEt(f[10]),  blancEt(f[11]),    f[7].toString(), f[8].toString()};
}

QString infoRechercheCode(qsizetype hits)
{
    if (hits == 0)
        return QStringLiteral("Ce code postal est inexistant.");
    if (hits == 1)
        return QStringLiteral("Une commune a ce code postal.");
    return QString::number(hits) + QStringLiteral(" communes trouvées.");
}

QString infoRechercheNom(qsizetype hits, qsizetype longueurSaisie)
{
    if (hits == 0)
        return longueurSaisie > 1 ? QStringLiteral("Aucun nom de commune n'a été trouvé.") : QString();
    if (hits == 1)
        return QStringLiteral("Une commune trouvée.");
    return QString::number(hits) + QStringLiteral(" communes trouvées.");
}

QString infoFocusCode()
{
    return QStringLiteral("Dans la zone de texte entrez un n° de CP.");
}

QString infoFocusNom()
{
    return QStringLiteral("Entrez un nom de commune.");
}

ResultatCommunes rechercheParCode(const CommuneTables& tables, const QString& texte)
{
    ResultatCommunes r;
    if (texte.size() <= 2)
        return r;
    const qsizetype n = std::min(tables.TabCP.size(), tables.TabCleCP.size());
    if (tables.clesCPTriees) {
        // Sorted keys: those that begin with the text follow each other from the first key
        // that is not below it.
        const auto debut = tables.TabCleCP.cbegin();
        for (auto it = std::lower_bound(debut, debut + n, texte); it != debut + n && it->startsWith(texte); ++it) {
            if (r.items.isEmpty())
                r.premier = tables.TabCP.at(it - debut);
            r.items.append(*it);
        }
    } else {
        for (qsizetype i = 0; i < n; ++i) {
            const QString& cle = tables.TabCleCP.at(i);
            if (cle.startsWith(texte)) {
                if (r.items.isEmpty())
                    r.premier = tables.TabCP.at(i);
                r.items.append(cle);
            }
        }
    }
    r.info = infoRechercheCode(r.items.size());
    return r;
}

ResultatCommunes rechercheParNom(const CommuneTables& tables, const QString& texte)
{
    ResultatCommunes r;
    if (texte.size() <= 1)
        return r;
    const QString cherche = majuscules(texte);
    const qsizetype n = std::min(tables.TabNom.size(), tables.TabCleNom.size());
    for (qsizetype i = 0; i < n; ++i) {
        const QString& cle = tables.TabCleNom.at(i);
        if (cle.startsWith(cherche)) {
            const QString& enreg = tables.TabNom.at(i);
            if (r.items.isEmpty())
                r.premier = enreg;
            r.items.append(joint(codePostalNom(enreg), cle));
        }
    }
    r.info = infoRechercheNom(r.items.size(), texte.size());
    return r;
}

namespace {
// The index of the rang-th row (0-based) among the first n for which `garde` holds, or of the
// first such row when there are fewer; none when no row holds.
template <class Garde>
std::optional<qsizetype> rangOuPremier(qsizetype n, int rang, Garde garde)
{
    std::optional<qsizetype> premier;
    int vus = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (!garde(i))
            continue;
        if (!premier)
            premier = i;
        if (vus++ == rang)
            return i;
    }
    return premier;
}
}

std::optional<DetailCommune> selectionCommune(const CommuneTables& tables, int modeRecherche, const QString& item,
                                              int rang)
{
    if (modeRecherche == 1) {
        const qsizetype n = std::min(tables.TabCP.size(), tables.TabCleCP.size());
        const auto i = rangOuPremier(n, rang, [&](qsizetype k) { return tables.TabCleCP.at(k) == item; });
        if (!i)
            return std::nullopt;
        return detailDepuisCP(tables.TabCP.at(*i));
    }
    const qsizetype blanc = item.indexOf(u' ');
    if (blanc < 0)
        return std::nullopt;
    const QStringView code = QStringView(item).left(blanc);
    const QStringView nom = QStringView(item).mid(blanc + 1);
    const qsizetype n = std::min(tables.TabNom.size(), tables.TabCleNom.size());
    const auto i = rangOuPremier(n, rang, [&](qsizetype k) {
        return tables.TabCleNom.at(k) == nom && codePostalNom(tables.TabNom.at(k)) == code;
    });
    if (!i)
        return std::nullopt;
    return detailDepuisNom(tables.TabNom.at(*i));
}

SaisieNom nettoieSaisieNom(const QString& texte)
{
    SaisieNom s;
    s.texte.reserve(texte.size());
    for (const QChar c : texte) {
        const QChar u = c.toUpper();
        if (estPermis(u))
            s.texte.append(u);
        else if (!s.refuses.contains(u))
            s.refuses.append(u);
    }
    return s;
}

QString messageCaractereRefuse(QChar c)
{
    return QStringLiteral("Le caractere '' ") + c + QStringLiteral(" '' n'est pas valide.");
}
