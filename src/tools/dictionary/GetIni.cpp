// Lexiparc — GPL-3.0-or-later.
#include "tools/dictionary/GetIni.h"

#include "common/RuntimeError.h"
#include "common/TextHelpers.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <cstring>
#include <string.h>

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

    // Where the next line begins.
    const char* position() const { return pos_; }

private:
    const char* pos_;
    const char* fin_;
};

// A key line's value: from its first "=" to its end, without the blanks around it.
QString valeurDeLigne(Plage ligne)
{
    const char* egal = static_cast<const char*>(std::memchr(ligne.debut, '=', size_t(ligne.size())));
    const Plage valeur = sansBlancs({egal, ligne.fin});
    return fromWindows1252(valeur.debut, valeur.size());
}
}

namespace {
// The first of the following lines that carries the key, or that ends the
// section: the value, or the empty text.
QString chercheCleLigneParLigne(Lignes& lignes, const QByteArray& cle)
{
    const TablesCasse& t = tables();
    Plage ligne{};
    while (lignes.suivante(ligne)) {
        const Plage nette = sansBlancs(ligne);
        if (commencePar(nette, cle, t.bas)) {
            const Plage reste = sansBlancs({nette.debut + cle.size(), nette.fin});
            if (reste.size() > 0 && *reste.debut == '=')
                return valeurDeLigne(ligne);
        }
        if (nette.size() > 0 && *nette.debut == '[')
            return {};
    }
    return {};
}

// The start of the line that holds `p`, when only blanks stand before `p` on it; null otherwise.
const char* debutDeLigneSiBlancs(const char* debut, const char* p)
{
    while (p > debut && p[-1] == ' ')
        --p;
    return (p == debut || p[-1] == '\n') ? p : nullptr;
}

// The same search for a key whose bytes have no case (digits): the key's occurrences are
// found in the whole section at once, and only they and the lines that begin with "[" are
// examined. Gives the same result as the line-by-line search.
QString chercheCleParOccurrences(const char* debut, const char* fin, const QByteArray& cle)
{
    const char* trouve = nullptr;  // start of the first line that carries the key
    const char* p = debut;
    while (p < fin) {
        const void* occ = memmem(p, size_t(fin - p), cle.constData(), size_t(cle.size()));
        if (!occ)
            break;
        const char* o = static_cast<const char*>(occ);
        p = o + 1;
        const char* ligne = debutDeLigneSiBlancs(debut, o);
        if (!ligne)
            continue;
        const char* apres = o + cle.size();
        while (apres < fin && *apres == ' ')
            ++apres;
        if (apres < fin && *apres == '=') {
            trouve = ligne;
            break;
        }
    }
    // A line that begins with "[" before the key's line ends the section first.
    const char* limite = trouve ? trouve : fin;
    for (const char* c = debut; c < limite;) {
        const char* crochet = static_cast<const char*>(std::memchr(c, '[', size_t(limite - c)));
        if (!crochet)
            break;
        if (debutDeLigneSiBlancs(debut, crochet))
            return {};
        c = crochet + 1;
    }
    if (!trouve)
        return {};
    Lignes lignes(QByteArrayView(trouve, fin - trouve));
    Plage ligne{};
    lignes.suivante(ligne);
    return valeurDeLigne(ligne);
}

bool sansCasse(const QByteArray& cle)
{
    const TablesCasse& t = tables();
    if (cle.isEmpty() || cle.front() == ' ' || cle.front() == '[')
        return false;
    for (const char c : cle) {
        const auto b = (unsigned char)c;
        if (t.bas[b] != b || t.haut[b] != b || c == '\n' || c == '\r')
            return false;
    }
    return true;
}
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
    if (sansCasse(cle))
        return chercheCleParOccurrences(lignes.position(), contenu.data() + contenu.size(), cle);
    return chercheCleLigneParLigne(lignes, cle);
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
    // The whole file in one sequential read, then scanned in memory.
    const QByteArray contenu = file.readAll();
    file.close();
    return valeurIni(contenu, Contener, Variable);
}
