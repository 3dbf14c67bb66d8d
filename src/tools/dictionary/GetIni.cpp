// Lexiparc — GPL-3.0-or-later.
#include "tools/dictionary/GetIni.h"

#include "common/RuntimeError.h"
#include "common/TextHelpers.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <cstring>

namespace {
// Case folding of single Windows-1252 bytes, to upper or to lower case; a byte whose
// folded character is not one byte of the code page stays as it is.
struct TablesCasse {
    std::array<unsigned char, 256> haut{};
    std::array<unsigned char, 256> bas{};
    TablesCasse()
    {
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            const QChar ch = fromWindows1252(&c, 1).at(0);
            const auto plie = [&](QChar f) {
                const QByteArray back = toWindows1252(QString(f));
                return (back.size() == 1 && (back[0] != '?' || f == u'?')) ? (unsigned char)back[0]
                                                                           : (unsigned char)b;
            };
            haut[size_t(b)] = plie(ch.toUpper());
            bas[size_t(b)] = plie(ch.toLower());
        }
    }
};
const TablesCasse& tables()
{
    static const TablesCasse t;
    return t;
}

struct Plage {
    const char* debut;
    const char* fin;
    qsizetype size() const { return fin - debut; }
};

Plage sansBlancs(Plage p)
{
    while (p.debut < p.fin && *p.debut == ' ')
        ++p.debut;
    while (p.fin > p.debut && p.fin[-1] == ' ')
        --p.fin;
    return p;
}

bool commencePar(Plage texte, const QByteArray& prefixe, const std::array<unsigned char, 256>& plie)
{
    if (texte.size() < prefixe.size())
        return false;
    for (qsizetype i = 0; i < prefixe.size(); ++i)
        if (plie[(unsigned char)texte.debut[i]] != plie[(unsigned char)prefixe[i]])
            return false;
    return true;
}

// The lines of a file: each ends at a LF, a CR before it is no part of the line.
class Lignes {
public:
    explicit Lignes(QByteArrayView data) : pos_(data.data()), fin_(data.data() + data.size()) {}
    bool suivante(Plage& ligne)
    {
        if (pos_ >= fin_)
            return false;
        const char* lf = static_cast<const char*>(std::memchr(pos_, '\n', size_t(fin_ - pos_)));
        const char* finLigne = lf ? lf : fin_;
        ligne = {pos_, finLigne};
        if (ligne.fin > ligne.debut && ligne.fin[-1] == '\r')
            --ligne.fin;
        pos_ = lf ? lf + 1 : fin_;
        return true;
    }

private:
    const char* pos_;
    const char* fin_;
};
}

QString valeurIni(QByteArrayView contenu, const QString& Contener, const QString& Variable)
{
    const TablesCasse& t = tables();
    const QByteArray entete = toWindows1252(u'[' + Contener + u']');
    const QByteArray cle = toWindows1252(Variable);
    Lignes lignes(contenu);
    Plage ligne{};
    bool section = false;
    while (!section && lignes.suivante(ligne))
        section = commencePar(sansBlancs(ligne), entete, t.haut);
    if (!section)
        return {};
    while (lignes.suivante(ligne)) {
        const Plage nette = sansBlancs(ligne);
        if (commencePar(nette, cle, t.bas)) {
            const Plage reste = sansBlancs({nette.debut + cle.size(), nette.fin});
            if (reste.size() > 0 && *reste.debut == '=') {
                const char* egal =
                    static_cast<const char*>(std::memchr(ligne.debut, '=', size_t(ligne.size())));
                const Plage valeur = sansBlancs({egal, ligne.fin});
                return fromWindows1252(valeur.debut, valeur.size());
            }
        }
        if (nette.size() > 0 && *nette.debut == '[')
            return {};
    }
    return {};
}

QString GetIni(const QString& Filename, const QString& Contener, const QString& Variable)
{
    QFile file(Filename);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(Filename))
            throw RuntimeError::fileNotFound();
        if (file.error() == QFileDevice::PermissionsError)
            throw RuntimeError(70, QStringLiteral("Permission denied"));
        throw RuntimeError(75, QStringLiteral("Path/File access error"));
    }
    // One mapping of the whole file (or one read when it cannot be mapped), scanned in memory.
    const qint64 size = file.size();
    if (size > 0) {
        if (const uchar* map = file.map(0, size)) {
            const QString valeur =
                valeurIni(QByteArrayView(reinterpret_cast<const char*>(map), qsizetype(size)), Contener, Variable);
            file.close();
            return valeur;
        }
    }
    const QByteArray bytes = file.readAll();
    file.close();
    return valeurIni(bytes, Contener, Variable);
}
