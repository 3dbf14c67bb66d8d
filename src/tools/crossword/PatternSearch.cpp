// Lexiparc — GPL-3.0-or-later.
#include "tools/crossword/PatternSearch.h"

#include "common/RuntimeError.h"

#include <algorithm>
#include <vector>

BlocsLongueur CalculeBlocsLongueur(const QStringList& anaWords)
{
    BlocsLongueur b;
    b.debut.fill(-1);
    b.fin.fill(-1);
    const auto begin = anaWords.cbegin();
    const auto end = anaWords.cend();
    for (int len = 0; len <= 12; ++len) {
        const auto first = std::partition_point(begin, end, [len](const QString& w) { return w.size() < len; });
        const auto past = std::partition_point(first, end, [len](const QString& w) { return w.size() <= len; });
        if (first != past) {
            b.debut[size_t(len)] = int(first - begin);
            b.fin[size_t(len)] = int(past - begin) - 1;
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

QStringList ChercheMotif(const QStringList& words, int debut, int fin, QStringView motif)
{
    QStringList found;
    if (fin < debut)
        return found;
    if (debut < 0 || fin >= words.size())
        throw RuntimeError::subscriptOutOfRange();

    // Only the known positions are compared, in order; the first difference rejects the word.
    struct Connu {
        qsizetype pos;
        char16_t c;
    };
    std::vector<Connu> connus;
    for (qsizetype j = 0; j < motif.size(); ++j)
        if (motif[j] != u'_')
            connus.push_back({j, motif[j].unicode()});

    for (int i = debut; i <= fin; ++i) {
        const QString& w = words[i];
        const char16_t* p = reinterpret_cast<const char16_t*>(w.constData());
        const qsizetype n = w.size();
        bool ok = true;
        for (const Connu& k : connus) {
            if (k.pos >= n || p[k.pos] != k.c) {
                ok = false;
                break;
            }
        }
        if (ok)
            found.append(w);
    }
    return found;
}

QStringList ChercheMotCroix(const QStringList& anaWords, const BlocsLongueur& blocs, QStringView motif)
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
