// Lexiparc — GPL-3.0-or-later.
#include "data/ListeMots.h"

#include "common/RuntimeError.h"
#include "common/TextHelpers.h"
#include "data/Records.h"

#include <algorithm>
#include <cstring>

namespace {
// Byte order, then the shorter first: the order of the words as strings of A to Z.
int compare(const char* a, qsizetype la, const char* b, qsizetype lb)
{
    const int c = std::memcmp(a, b, size_t(std::min(la, lb)));
    if (c != 0)
        return c;
    return la < lb ? -1 : (la > lb ? 1 : 0);
}

// The Windows-1252 bytes of a text; false when a character is outside the code page.
bool encode(QStringView mot, QByteArray& out)
{
    out.resize(mot.size());
    for (qsizetype k = 0; k < mot.size(); ++k) {
        const char16_t u = mot[k].unicode();
        const int b = u < 0x80 ? int(u) : windows1252Code(mot[k]);
        if (b < 0)
            return false;
        out[k] = char(b);
    }
    return true;
}
}

QString texteMot(QByteArrayView octets)
{
    for (char c : octets)
        if (static_cast<unsigned char>(c) >= 0x80)
            return fromWindows1252(octets.data(), octets.size());
    return QString::fromLatin1(octets.data(), octets.size());
}

ListeMots::ListeMots(const QStringList& mots)
{
    QByteArray tout = toWindows1252(mots.join(QString()));
    std::vector<Brut> bruts;
    bruts.reserve(size_t(mots.size()));
    qsizetype at = 0;
    for (const QString& m : mots) {
        bruts.push_back({tout.constData() + at, quint32(m.size())});
        at += m.size();
    }
    construit(bruts);
}

ListeMots::ListeMots(std::initializer_list<QString> mots) : ListeMots(QStringList(mots))
{
}

ListeMots ListeMots::depuisOctets(QByteArrayView octets)
{
    std::vector<Brut> bruts;
    bruts.reserve(size_t(octets.size() / 8));
    pourChaqueEnreg(octets, [&](const char* p, qsizetype n) { bruts.push_back({p, quint32(n)}); });
    ListeMots l;
    l.construit(bruts);
    return l;
}

void ListeMots::construit(const std::vector<Brut>& mots)
{
    nombre_ = quint32(mots.size());
    quint32 longMax = 0;
    bool groupe = true;
    trie_ = true;
    for (size_t i = 0; i < mots.size(); ++i) {
        longMax = std::max(longMax, mots[i].n);
        if (i > 0) {
            groupe = groupe && mots[i].n >= mots[i - 1].n;
            trie_ = trie_ && compare(mots[i - 1].p, mots[i - 1].n, mots[i].p, mots[i].n) < 0;
        }
    }
    std::vector<quint32> compte(size_t(longMax) + 1, 0);
    for (const Brut& m : mots)
        ++compte[m.n];
    premier_.assign(size_t(longMax) + 2, 0);
    debutOctet_.assign(size_t(longMax) + 2, 0);
    for (quint32 l = 0; l <= longMax; ++l) {
        premier_[l + 1] = premier_[l] + compte[l];
        debutOctet_[l + 1] = debutOctet_[l] + compte[l] * l;
    }
    octets_ = QByteArray(qsizetype(debutOctet_.back()), Qt::Uninitialized);
    position_.clear();
    indice_.clear();
    if (groupe) {
        char* dst = octets_.data();
        for (const Brut& m : mots) {
            std::memcpy(dst, m.p, m.n);
            dst += m.n;
        }
        return;
    }
    position_.resize(mots.size());
    indice_.resize(mots.size());
    std::vector<quint32> suivant(premier_.begin(), premier_.end() - 1);
    for (size_t i = 0; i < mots.size(); ++i) {
        const quint32 l = mots[i].n;
        const quint32 ordre = suivant[l]++;
        position_[i] = ordre;
        indice_[ordre] = quint32(i);
        std::memcpy(const_cast<char*>(adresse(ordre, int(l))), mots[i].p, l);
    }
}

int ListeMots::longueurOrdre(qsizetype ordre) const
{
    const auto it = std::upper_bound(premier_.begin(), premier_.end(), quint32(ordre));
    return int(it - premier_.begin()) - 1;
}

QByteArrayView ListeMots::octets(qsizetype i) const
{
    const qsizetype ordre = ordreBloc(i);
    const int l = longueurOrdre(ordre);
    return QByteArrayView(adresse(ordre, l), l);
}

QString ListeMots::at(qsizetype i) const
{
    if (i < 0 || i >= size())
        throw RuntimeError::subscriptOutOfRange();
    return texteMot(octets(i));
}

ListeMots::Bloc ListeMots::bloc(int longueur) const
{
    if (longueur < 0 || longueur > longueurMax() || premier_.empty())
        return {};
    const quint32 premier = premier_[size_t(longueur)];
    return {octets_.constData() + debutOctet_[size_t(longueur)], qsizetype(premier_[size_t(longueur) + 1] - premier),
            longueur, qsizetype(premier)};
}

qsizetype ListeMots::indexOf(QStringView mot) const
{
    QByteArray cle;
    if (!encode(mot, cle))
        return -1;
    if (trie_) {
        // The first position whose word is not below the key.
        qsizetype bas = 0, haut = size();
        while (bas < haut) {
            const qsizetype milieu = bas + (haut - bas) / 2;
            const QByteArrayView w = octets(milieu);
            if (compare(w.data(), w.size(), cle.constData(), cle.size()) < 0)
                bas = milieu + 1;
            else
                haut = milieu;
        }
        return bas < size() && octets(bas) == QByteArrayView(cle) ? bas : -1;
    }
    // Only the block of the key's length can hold it; its words are in list order.
    const Bloc b = bloc(int(cle.size()));
    if (cle.size() == 0)
        return b.nombre > 0 ? position(b.premier) : -1;
    for (qsizetype k = 0; k < b.nombre; ++k)
        if (std::memcmp(b.debut + k * b.longueur, cle.constData(), size_t(b.longueur)) == 0)
            return position(b.premier + k);
    return -1;
}

QStringList ListeMots::toStringList() const
{
    QStringList out;
    out.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        out.append(texteMot(octets(i)));
    return out;
}

bool operator==(const ListeMots& a, const QStringList& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (texteMot(a.octets(i)) != b[i])
            return false;
    return true;
}

bool operator==(const ListeMots& a, const ListeMots& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a.octets(i) != b.octets(i))
            return false;
    return true;
}

qsizetype ListeMots::octetsOccupes() const
{
    return octets_.size() +
           qsizetype(sizeof(quint32) * (premier_.size() + debutOctet_.size() + position_.size() + indice_.size()));
}
