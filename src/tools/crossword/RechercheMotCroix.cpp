// Lexiparc — GPL-3.0-or-later.
#include "tools/crossword/RechercheMotCroix.h"

#include "common/RuntimeError.h"
#include "common/TextHelpers.h"

#include <algorithm>
#include <vector>

BlocsLongueur CalculeBlocsLongueur(const ListeMots& anaWords)
{
    BlocsLongueur b;
    b.debut.fill(-1);
    b.fin.fill(-1);
    const auto longueur = [&](qsizetype i) { return anaWords.octets(i).size(); };
    for (int len = 0; len <= 12; ++len) {
        // The list is grouped by ascending length: the block of a length lies between two
        // points found by halves.
        qsizetype bas = 0, haut = anaWords.size();
        while (bas < haut) {
            const qsizetype m = bas + (haut - bas) / 2;
            longueur(m) < len ? bas = m + 1 : haut = m;
        }
        const qsizetype first = bas;
        haut = anaWords.size();
        while (bas < haut) {
            const qsizetype m = bas + (haut - bas) / 2;
            longueur(m) <= len ? bas = m + 1 : haut = m;
        }
        if (first != bas) {
            b.debut[size_t(len)] = int(first);
            b.fin[size_t(len)] = int(bas) - 1;
        }
    }
    return b;
}

int LimiteJokers(int longueur)
{
    static constexpr std::array<int, 10> limites{2, 3, 3, 4, 5, 6, 7, 8, 8, 9};
    if (longueur < kLongueurMinMotCroix || longueur > kLongueurMaxMotCroix)
        throw RuntimeError::subscriptOutOfRange();
    return limites[size_t(longueur - kLongueurMinMotCroix)];
}

int CompteJokers(const QStringList& cases, int longueur)
{
    int n = 0;
    for (int i = 0; i < longueur && i < cases.size(); ++i)
        if (cases[i] == u'?')
            ++n;
    return n;
}

QString MotifDesCases(const QStringList& cases, int longueur)
{
    QString motif;
    motif.reserve(longueur);
    for (int i = 0; i < longueur; ++i) {
        const QString t = i < cases.size() ? cases[i] : QString();
        motif += (t.isEmpty() || t == u'?') ? QChar(u'_') : t.at(0).toUpper();
    }
    return motif;
}

QStringList ChercheMotif(const ListeMots& words, int debut, int fin, QStringView motif)
{
    QStringList found;
    if (fin < debut)
        return found;
    if (debut < 0 || fin >= words.size())
        throw RuntimeError::subscriptOutOfRange();

    // Only the known positions are compared, in order; the first difference rejects the word.
    struct Connu {
        qsizetype pos;
        char c;
    };
    std::vector<Connu> connus;
    for (qsizetype j = 0; j < motif.size(); ++j) {
        if (motif[j] == u'_')
            continue;
        const int b = motif[j].unicode() < 0x80 ? int(motif[j].unicode()) : windows1252Code(motif[j]);
        if (b < 0)
            return found;  // no word holds a character the code page lacks
        connus.push_back({j, char(b)});
    }
    const auto convient = [&](const char* p, qsizetype n) {
        for (const Connu& k : connus)
            if (k.pos >= n || p[k.pos] != k.c)
                return false;
        return true;
    };

    // The words found, made into strings all at once at the end.
    std::vector<QByteArrayView> trouves;
    // The lines of one block of words of the pattern's length are read at its fixed stride.
    const ListeMots::Bloc bloc = words.bloc(int(motif.size()));
    if (words.groupe() && bloc.nombre > 0 && debut >= bloc.premier && fin < bloc.premier + bloc.nombre) {
        const qsizetype l = bloc.longueur;
        const char* p = bloc.debut + (debut - bloc.premier) * l;
        const char* const dernier = bloc.debut + (fin - bloc.premier) * l;
        for (; p <= dernier; p += l)
            if (convient(p, l))
                trouves.emplace_back(p, l);
        return fromWindows1252(trouves);
    }
    for (int i = debut; i <= fin; ++i) {
        const QByteArrayView w = words.octets(i);
        if (convient(w.data(), w.size()))
            trouves.push_back(w);
    }
    return fromWindows1252(trouves);
}

QStringList ChercheMotCroix(const ListeMots& anaWords, const BlocsLongueur& blocs, QStringView motif)
{
    const auto len = motif.size();
    if (len < kLongueurMinMotCroix || len > kLongueurMaxMotCroix)
        throw RuntimeError::subscriptOutOfRange();
    const int debut = blocs.debut[size_t(len)];
    if (debut < 0)
        return {};
    return ChercheMotif(anaWords, debut, blocs.fin[size_t(len)], motif);
}

QString TexteNombreMots(qsizetype n)
{
    if (n <= 0)
        return QStringLiteral("Aucun mot trouvé");
    if (n == 1)
        return QStringLiteral("1 mot trouvé");
    return QString::number(n) + QStringLiteral(" mots trouvés");
}

bool CaractereAutorise(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'?' || (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

QString NettoieSaisie(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (CaractereAutorise(c))
            out += c;
    return out;
}
