// Lexiparc — GPL-3.0-or-later.
#include "tools/nearspelling/NearSpellingSearch.h"

#include "tools/nearspelling/SpellingMatcher.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace {

constexpr int kColonneLongueur = 15;

// The rows of one word scored as written, appended to out.
void scoreSimple(SpellingMatcher& matcher, const QString& w, const QString& mot, int seuil,
                 const QString& saut, ResultatApprochant& out)
{
    const double s = matcher.SpellingSimilarity(w, mot);
    const QString p = pourcentageTexte(s);
    if (seuil <= valeurDebut(p)) {
        out.texte += saut + ligneApprochant(w, pourcentageAffiche(s));
        ++out.nombre;
    }
}

bool estCandidat(qsizetype longueur, qsizetype longueurMot, bool plusMoins)
{
    return longueur == longueurMot || (plusMoins && (longueur == longueurMot - 1 || longueur == longueurMot + 1));
}

bool lettresAZ(const QString& w)
{
    for (QChar c : w)
        if (c.unicode() < u'A' || c.unicode() > u'Z')
            return false;
    return true;
}

// The fast scan of dico[debut, fin).
struct ScanRapide {
    const QStringList& dico;
    const QString& mot;    // as typed: its length chooses the candidates
    const QString& motMaj; // upper case, letters A to Z only: what is scored
    bool plusMoins;
    int seuil;
    const QString& saut;

    ResultatApprochant operator()(qsizetype debut, qsizetype fin) const
    {
        ResultatApprochant out;
        SpellingMatcher matcher;
        std::array<int, 26> lettresMot{};
        for (QChar c : motMaj)
            ++lettresMot[size_t(c.unicode() - u'A')];
        const int lu = int(motMaj.size());
        const auto* b = reinterpret_cast<const char16_t*>(motMaj.constData());
        for (qsizetype i = debut; i < fin; ++i) {
            const QString& w = dico.at(i);
            const qsizetype lw = w.size();
            if (!estCandidat(lw, mot.size(), plusMoins))
                continue;
            if (lw > kLongMaxRapide) {
                scoreSimple(matcher, w, mot, seuil, saut, out);
                continue;
            }
            // The letters both words hold bound the characters any matching can pair.
            const auto* a = reinterpret_cast<const char16_t*>(w.constData());
            std::array<int, 26> vues{};
            int borne = 0;
            bool az = true;
            for (qsizetype k = 0; k < lw; ++k) {
                const unsigned l = unsigned(a[k]) - u'A';
                if (l >= 26) {
                    az = false;
                    break;
                }
                if (vues[l]++ < lettresMot[l])
                    ++borne;
            }
            if (!az) {
                scoreSimple(matcher, w, mot, seuil, saut, out);
                continue;
            }
            // Kept when 200 M / N reaches the threshold, N = the sum of the lengths. As
            // written, the score is rounded to two decimals and its whole part compared; for a
            // whole threshold and N below 200 both tests agree, since 200 M / N lies either on a
            // whole number or at least 1/N below the next one.
            const int n = int(lw) + lu;
            if (200 * borne < seuil * n)
                continue;
            // Equal words match all their characters, 100 %, and score 1 as written.
            const bool egaux = lw == lu && std::equal(a, a + lw, b);
            const qint32 m = egaux ? qint32(lw) : caracteresCommuns(a, int(lw), b, lu);
            if (200 * m < seuil * n)
                continue;
            const double s = egaux ? 1.0 : double(m) / double(n) * 2.0;
            out.texte += saut + ligneApprochant(w, pourcentageAffiche(s));
            ++out.nombre;
        }
        return out;
    }
};

// Run lengths of two words: run[i][j] = the common run starting at a[i] and b[j].
struct TableRuns {
    std::array<std::array<quint8, kLongMaxRapide + 1>, kLongMaxRapide + 1> run;

    // The matcher over a[s1..e1] and b[s2..e2], 0-based and inclusive, with the tie-break of
    // the runs: the first longest one in a, then in b.
    qint32 total(int s1, int e1, int s2, int e2) const
    {
        if (e1 < s1 || e2 < s2)
            return 0;
        int best = 0, bi = 0, bj = 0;
        for (int i = s1; i <= e1 && best < e1 - i + 1; ++i) {
            const int resteA = e1 - i + 1;
            for (int j = s2; j <= e2 && best < e2 - j + 1; ++j) {
                const int r = std::min({int(run[size_t(i)][size_t(j)]), resteA, e2 - j + 1});
                if (r > best) {
                    best = r;
                    bi = i;
                    bj = j;
                }
            }
        }
        if (best == 0)
            return 0;
        return best + total(bi + best, e1, bj + best, e2) + total(s1, bi - 1, s2, bj - 1);
    }
};

} // namespace

QString enTeteApprochant()
{
    return QStringLiteral("Solutions:      ") + QStringLiteral("L: ") + QStringLiteral(" %");
}

QString pourcentageTexte(double score)
{
    const double arrondi = std::round(score * 100.0 * 100.0) / 100.0;
    QString p = QString::number(arrondi, 'g', 15);
    p.replace(u'.', u',');
    return p + u'%';
}

QString pourcentageAffiche(double score)
{
    const QString p = pourcentageTexte(score);
    if (p == QLatin1String("100%"))
        return p;
    const qsizetype virgule = p.indexOf(u',');
    if (virgule < 0)
        return p;
    QString d = u' ' + p.left(virgule) + u'%';
    if (d.size() != 3)
        d = d.right(3);
    return d;
}

double valeurDebut(const QString& texte)
{
    qsizetype i = 0;
    while (i < texte.size() && texte.at(i).isSpace())
        ++i;
    qsizetype fin = i;
    if (fin < texte.size() && (texte.at(fin) == u'-' || texte.at(fin) == u'+'))
        ++fin;
    while (fin < texte.size() && texte.at(fin).isDigit())
        ++fin;
    if (fin < texte.size() && texte.at(fin) == u'.') {
        ++fin;
        while (fin < texte.size() && texte.at(fin).isDigit())
            ++fin;
    }
    bool ok = false;
    const double v = texte.mid(i, fin - i).toDouble(&ok);
    return ok ? v : 0.0;
}

QString ligneApprochant(const QString& mot, const QString& pourcentage)
{
    const int blancs = std::max(0, kColonneLongueur - int(mot.size()));
    return mot + QString(blancs, u' ') + u' ' +
           QStringLiteral("%1").arg(mot.size(), 2, 10, QChar(u' ')) + u' ' + pourcentage;
}

QString messageSolutions(qint32 nombre)
{
    return QString::number(nombre) + QStringLiteral(" solutions trouvées.");
}

ResultatApprochant RechercheApprochantsSimple(const QStringList& dico, const QString& mot,
                                              bool plusMoins, int seuil, const QString& saut)
{
    ResultatApprochant out;
    out.texte = enTeteApprochant();
    SpellingMatcher matcher;
    for (const QString& w : dico) {
        if (plusMoins && (w.size() == mot.size() - 1 || w.size() == mot.size() + 1))
            scoreSimple(matcher, w, mot, seuil, saut, out);
        if (w.size() == mot.size())
            scoreSimple(matcher, w, mot, seuil, saut, out);
    }
    return out;
}

ResultatApprochant RechercheApprochants(const QStringList& dico, const QString& mot, bool plusMoins,
                                        int seuil, const QString& saut, int threads)
{
    const QString motMaj = mot.toUpper();
    // The shortcuts hold for a typed word of letters A to Z and a threshold from 1 to 100.
    if (!lettresAZ(motMaj) || motMaj.size() > kLongMaxRapide || seuil < 1 || seuil > 100)
        return RechercheApprochantsSimple(dico, mot, plusMoins, seuil, saut);

    const ScanRapide scan{dico, mot, motMaj, plusMoins, seuil, saut};
    if (threads <= 0)
        threads = dico.size() < 50000 ? 1 : int(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    threads = int(std::max<qsizetype>(1, std::min<qsizetype>(threads, dico.size())));

    std::vector<ResultatApprochant> parts(static_cast<size_t>(threads));
    if (threads == 1) {
        parts[0] = scan(0, dico.size());
    } else {
        std::vector<std::exception_ptr> erreurs(static_cast<size_t>(threads));
        std::vector<std::thread> pool;
        const qsizetype pas = (dico.size() + threads - 1) / threads;
        for (int t = 0; t < threads; ++t) {
            const qsizetype debut = std::min(dico.size(), t * pas);
            const qsizetype fin = std::min(dico.size(), debut + pas);
            auto travail = [&, t, debut, fin] {
                try {
                    parts[size_t(t)] = scan(debut, fin);
                } catch (...) {
                    erreurs[size_t(t)] = std::current_exception();
                }
            };
            try {
                pool.emplace_back(travail);
            } catch (const std::system_error&) {
                travail();  // no thread to be had: this part runs here
            }
        }
        for (auto& th : pool)
            th.join();
        for (const auto& e : erreurs)
            if (e)
                std::rethrow_exception(e);
    }

    ResultatApprochant out;
    qsizetype taille = enTeteApprochant().size();
    for (const auto& p : parts)
        taille += p.texte.size();
    out.texte = enTeteApprochant();
    out.texte.reserve(taille);
    for (const auto& p : parts) {
        out.texte += p.texte;
        out.nombre += p.nombre;
    }
    return out;
}

qint32 caracteresCommuns(const char16_t* a, int la, const char16_t* b, int lb)
{
    if (la <= 0 || lb <= 0)
        return 0;
    TableRuns t;
    for (int j = 0; j <= lb; ++j)
        t.run[size_t(la)][size_t(j)] = 0;
    for (int i = la - 1; i >= 0; --i) {
        t.run[size_t(i)][size_t(lb)] = 0;
        for (int j = lb - 1; j >= 0; --j)
            t.run[size_t(i)][size_t(j)] = a[i] == b[j] ? quint8(t.run[size_t(i) + 1][size_t(j) + 1] + 1) : 0;
    }
    return t.total(0, la - 1, 0, lb - 1);
}
