// Lexiparc — GPL-3.0-or-later.
#include "tools/nearspelling/RechercheApprochants.h"

#include "common/TextHelpers.h"
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
void scoreSimple(SpellingMatcher& matcher, const QString& w, const QString& mot, int seuil, const QString& saut,
                 ResultatApprochant& out)
{
    const double s = matcher.SpellingSimilarity(w, mot);
    const QString p = pourcentageTexte(s);
    if (seuil <= valeurDebut(p)) {
        out.texte += saut + ligneApprochant(w, pourcentageAffiche(s));
        ++out.nombre;
    }
}

bool lettresAZ(const QString& w)
{
    for (QChar c : w)
        if (c.unicode() < u'A' || c.unicode() > u'Z')
            return false;
    return true;
}

template <class CharA, class CharB>
qint32 communs(const CharA* a, int la, const CharB* b, int lb);

// A kept word: its list position and its row.
struct Trouve {
    qsizetype position;
    QString ligne;
};

// The fast scan of words k0 to k1 (excluded) of one length block.
struct ScanRapide {
    const QString& mot;     // as typed
    const QString& motMaj;  // upper case, letters A to Z only: what is scored
    int seuil;

    std::vector<Trouve> operator()(const ListeMots& dico, const ListeMots::Bloc& bloc, qsizetype k0, qsizetype k1) const
    {
        std::vector<Trouve> out;
        SpellingMatcher matcher;
        std::array<int, 26> lettresMot{};
        for (QChar c : motMaj)
            ++lettresMot[size_t(c.unicode() - u'A')];
        const int lu = int(motMaj.size());
        const auto* b = reinterpret_cast<const char16_t*>(motMaj.constData());
        const int lw = bloc.longueur;
        const auto simple = [&](qsizetype k, const unsigned char* a) {
            const QString w = texteMot(QByteArrayView(a, lw));
            const double s = matcher.SpellingSimilarity(w, mot);
            if (seuil <= valeurDebut(pourcentageTexte(s)))
                out.push_back({dico.position(bloc.premier + k), ligneApprochant(w, pourcentageAffiche(s))});
        };
        for (qsizetype k = k0; k < k1; ++k) {
            const auto* a = reinterpret_cast<const unsigned char*>(bloc.debut) + k * lw;
            if (lw > kLongMaxRapide) {
                simple(k, a);
                continue;
            }
            // The letters both words hold bound the characters any matching can pair.
            std::array<int, 26> vues{};
            int borne = 0;
            bool az = true;
            for (int i = 0; i < lw; ++i) {
                const unsigned l = unsigned(a[i]) - u'A';
                if (l >= 26) {
                    az = false;
                    break;
                }
                if (vues[l]++ < lettresMot[l])
                    ++borne;
            }
            if (!az) {
                simple(k, a);
                continue;
            }
            // Kept when 200 M / N reaches the threshold, N = the sum of the lengths. As
            // written, the score is rounded to two decimals and its whole part compared; for a
            // whole threshold and N below 200 both tests agree, since 200 M / N lies either on a
            // whole number or at least 1/N below the next one.
            const int n = lw + lu;
            if (200 * borne < seuil * n)
                continue;
            // Equal words match all their characters, 100 %, and score 1 as written.
            const bool egaux = lw == lu && std::equal(a, a + lw, b, [](unsigned char x, char16_t y) { return x == y; });
            const qint32 m = egaux ? qint32(lw) : communs(a, lw, b, lu);
            if (200 * m < seuil * n)
                continue;
            const double s = egaux ? 1.0 : double(m) / double(n) * 2.0;
            out.push_back({dico.position(bloc.premier + k),
                           ligneApprochant(texteMot(QByteArrayView(a, lw)), pourcentageAffiche(s))});
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

template <class CharA, class CharB>
qint32 communs(const CharA* a, int la, const CharB* b, int lb)
{
    if (la <= 0 || lb <= 0)
        return 0;
    TableRuns t;
    for (int j = 0; j <= lb; ++j)
        t.run[size_t(la)][size_t(j)] = 0;
    for (int i = la - 1; i >= 0; --i) {
        t.run[size_t(i)][size_t(lb)] = 0;
        for (int j = lb - 1; j >= 0; --j)
            t.run[size_t(i)][size_t(j)] = char16_t(a[i]) == char16_t(b[j])
                                              ? quint8(t.run[size_t(i) + 1][size_t(j) + 1] + 1)
                                              : 0;
    }
    return t.total(0, la - 1, 0, lb - 1);
}

}  // namespace

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
    return mot + QString(blancs, u' ') + u' ' + QStringLiteral("%1").arg(mot.size(), 2, 10, QChar(u' ')) + u' ' +
           pourcentage;
}

QString messageSolutions(qint32 nombre)
{
    return QString::number(nombre) + QStringLiteral(" solutions trouvées.");
}

ResultatApprochant RechercheApprochantsSimple(const ListeMots& dico, const QString& mot, bool plusMoins, int seuil,
                                              const QString& saut)
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

namespace {

// The fast search in steps: the blocks of the candidate lengths are found, cut into parts,
// the parts scanned on a few threads (ScanRapide), and the rows kept in each block merged
// back into list order.

// The blocks of the candidate lengths, each in list order, and their number of words.
struct Candidats {
    std::vector<ListeMots::Bloc> blocs;
    qsizetype nombre = 0;
};

Candidats blocsCandidats(const ListeMots& dico, const QString& mot, bool plusMoins)
{
    Candidats c;
    for (qsizetype l : {mot.size() - 1, mot.size(), mot.size() + 1}) {
        if (l != mot.size() && !plusMoins)
            continue;
        const ListeMots::Bloc b = dico.bloc(int(l));
        if (b.nombre > 0) {
            c.blocs.push_back(b);
            c.nombre += b.nombre;
        }
    }
    return c;
}

// The threads asked for (0: as many as the machine offers for a large list), at least one and
// no more than the candidates.
int nombreThreads(int threads, const ListeMots& dico, qsizetype candidats)
{
    if (threads <= 0)
        threads = dico.size() < 50000 ? 1 : int(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    return int(std::max<qsizetype>(1, std::min<qsizetype>(threads, candidats)));
}

// Words k0 to k1 (excluded) of one block.
struct Part {
    size_t bloc;
    qsizetype k0, k1;
};

// Each block is cut into `threads` parts; the parts of one block follow each other.
std::vector<Part> decoupe(const std::vector<ListeMots::Bloc>& blocs, int threads)
{
    std::vector<Part> parts;
    for (size_t i = 0; i < blocs.size(); ++i) {
        const qsizetype pas = (blocs[i].nombre + threads - 1) / threads;
        for (qsizetype k = 0; k < blocs[i].nombre; k += pas)
            parts.push_back({i, k, std::min(blocs[i].nombre, k + pas)});
    }
    return parts;
}

// Runs travaille(0) to travaille(threads - 1), each on a thread of its own (here when no
// thread can be had), and rethrows the first exception any of them threw.
template <class Travail>
void executeEnParallele(int threads, const Travail& travaille)
{
    if (threads == 1) {
        travaille(0);
        return;
    }
    std::vector<std::exception_ptr> erreurs(static_cast<size_t>(threads));
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) {
        auto tache = [&, t] {
            try {
                travaille(size_t(t));
            } catch (...) {
                erreurs[size_t(t)] = std::current_exception();
            }
        };
        try {
            pool.emplace_back(tache);
        } catch (const std::system_error&) {
            tache();  // no thread to be had: this part runs here
        }
    }
    for (auto& th : pool)
        th.join();
    for (const auto& e : erreurs)
        if (e)
            std::rethrow_exception(e);
}

// The kept words of each block come in list order: the blocks are merged by position.
ResultatApprochant fusionne(size_t nbBlocs, const std::vector<Part>& parts, std::vector<std::vector<Trouve>>& trouves,
                            const QString& saut)
{
    std::vector<std::vector<Trouve>> parBloc(nbBlocs);
    for (size_t p = 0; p < parts.size(); ++p)
        for (Trouve& t : trouves[p])
            parBloc[parts[p].bloc].push_back(std::move(t));
    std::vector<size_t> curseur(nbBlocs, 0);
    ResultatApprochant out;
    out.texte = enTeteApprochant();
    for (;;) {
        size_t suivant = nbBlocs;
        for (size_t i = 0; i < nbBlocs; ++i)
            if (curseur[i] < parBloc[i].size() &&
                (suivant == nbBlocs || parBloc[i][curseur[i]].position < parBloc[suivant][curseur[suivant]].position))
                suivant = i;
        if (suivant == nbBlocs)
            break;
        out.texte += saut + parBloc[suivant][curseur[suivant]++].ligne;
        ++out.nombre;
    }
    return out;
}

}  // namespace

ResultatApprochant RechercheApprochants(const ListeMots& dico, const QString& mot, bool plusMoins, int seuil,
                                        const QString& saut, int threads)
{
    const QString motMaj = majuscules(mot);
    // The shortcuts hold for a typed word of letters A to Z and a threshold from 1 to 100.
    if (!lettresAZ(motMaj) || motMaj.size() > kLongMaxRapide || seuil < 1 || seuil > 100)
        return RechercheApprochantsSimple(dico, mot, plusMoins, seuil, saut);

    const Candidats candidats = blocsCandidats(dico, mot, plusMoins);
    threads = nombreThreads(threads, dico, candidats.nombre);
    const std::vector<Part> parts = decoupe(candidats.blocs, threads);
    const ScanRapide scan{mot, motMaj, seuil};
    std::vector<std::vector<Trouve>> trouves(parts.size());
    executeEnParallele(threads, [&](size_t t) {
        for (size_t p = t; p < parts.size(); p += size_t(threads))
            trouves[p] = scan(dico, candidats.blocs[parts[p].bloc], parts[p].k0, parts[p].k1);
    });
    return fusionne(candidats.blocs.size(), parts, trouves, saut);
}

qint32 caracteresCommuns(const char16_t* a, int la, const char16_t* b, int lb)
{
    return communs(a, la, b, lb);
}
