// Lexiparc — GPL-3.0-or-later.
#include "common/TextHelpers.h"

#include <limits>

QString SubAccents(const QString& aller, qsizetype nbLet)
{
    const qsizetype n = std::min(nbLet, aller.size());
    QString out;
    out.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = aller.at(i);
        switch (c.unicode()) {
        case u'à':
        case u'ä':
        case u'â': out += u'a'; break;
        case u'ç': out += u'c'; break;
        case u'é':
        case u'è':
        case u'ë':
        case u'ê': out += u'e'; break;
        case u'ï':
        case u'î': out += u'i'; break;
        case u'ö':
        case u'ô': out += u'o'; break;
        case u'ù':
        case u'ü':
        case u'û': out += u'u'; break;
        case u'ÿ': out += u'y'; break;
        default: out += c;
        }
    }
    return out;
}

QString majuscules(const QString& texte)
{
    QString r = texte;
    for (QChar& c : r)
        c = c.toUpper();
    return r;
}

QString sChangeCaractere(const QString& texte, const QString& cherche, const QString& remplace)
{
    if (cherche.isEmpty() || texte.trimmed().isEmpty())
        return texte;
    QString out;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = texte.indexOf(cherche, from, Qt::CaseSensitive);
        if (at < 0)
            break;
        out += QStringView(texte).mid(from, at - from);
        out += remplace;
        from = at + cherche.size();
    }
    out += QStringView(texte).mid(from);
    return out;
}

QString nombreEnGroupes(qint64 n)
{
    QString s = QString::number(n);
    const qsizetype premier = s.startsWith(u'-') ? 1 : 0;
    for (qsizetype i = s.size() - 3; i > premier; i -= 3)
        s.insert(i, u' ');
    return s;
}

namespace {
// Code points of the bytes 0x80 to 0x9F; the five undefined bytes keep their own value.
constexpr char16_t k1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void decode1252(const char* data, qsizetype size, char16_t* dst)
{
    const auto* src = reinterpret_cast<const unsigned char*>(data);
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char b = src[i];
        dst[i] = (b >= 0x80 && b < 0xA0) ? k1252High[b - 0x80] : char16_t(b);
    }
}
}

QString fromWindows1252(const char* data, qsizetype size)
{
    QString out(size, Qt::Uninitialized);
    decode1252(data, size, reinterpret_cast<char16_t*>(out.data()));
    return out;
}

QString fromWindows1252(const QByteArray& bytes)
{
    return fromWindows1252(bytes.constData(), bytes.size());
}

QStringList fromWindows1252(std::span<const QByteArrayView> texts)
{
    QStringList out;
    if (texts.empty())
        return out;
    if (texts.size() > size_t(std::numeric_limits<int>::max() / 2)) {  // beyond what one count holds
        for (const QByteArrayView t : texts)
            out.append(fromWindows1252(t.data(), t.size()));
        return out;
    }
    out.reserve(qsizetype(texts.size()));
    qsizetype total = 0;
    for (const QByteArrayView t : texts)
        total += t.size() + 1;  // each string's characters end with a null, as every string's do
    // Some string routines read 16 bytes at a time: those of the last string stay in the block.
    total += 8;
    auto [bloc, car] = QTypedArrayData<char16_t>::allocate(total);
    Q_CHECK_PTR(bloc);
    // One reference per string: the block is freed when the count falls to zero, and a string
    // that would change it while others still hold it copies its characters first.
    bloc->ref_.storeRelaxed(int(texts.size()));
    for (const QByteArrayView t : texts) {
        decode1252(t.data(), t.size(), car);
        car[t.size()] = u'\0';
        out.append(QString(QString::DataPointer(bloc, car, t.size())));
        car += t.size() + 1;
    }
    return out;
}

int windows1252Code(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (k1252High[i] == u)
            return 0x80 + i;
    return -1;
}

QByteArray toWindows1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = windows1252Code(c);
        out += b < 0 ? '?' : char(b);
    }
    return out;
}
