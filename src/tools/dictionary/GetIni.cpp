// Lexiparc — GPL-3.0-or-later.
#include "tools/dictionary/GetIni.h"

#include "common/RuntimeError.h"
#include "common/TextHelpers.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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
                return (back.size() == 1 && (back[0] != '?' || f == u'?')) ? (unsigned char)back[0] : (unsigned char)b;
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

// The lines of a text: each ends at a LF, a CR before it is no part of the line.
class Lignes {
public:
    Lignes(const char* debut, const char* fin) : pos_(debut), fin_(fin) {}
    bool suivante(Plage& ligne)
    {
        if (pos_ >= fin_)
            return false;
        const char* lf = static_cast<const char*>(std::memchr(pos_, '\n', size_t(fin_ - pos_)));
        ligne = {pos_, lf ? lf : fin_};
        if (ligne.size() > kLongueurMaxLigne)
            throw FichierEndommage();
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

// Every line from `debut` (a line start) to `fin` is at most kLongueurMaxLigne bytes long,
// its CR included: each step looks at the next kLongueurMaxLigne + 1 bytes, which hold a LF
// unless the line that begins there is too long, and goes on after the last LF among them.
void verifieLongueurs(const char* debut, const char* fin)
{
    const char* p = debut;
    while (fin - p > kLongueurMaxLigne) {
        const void* lf = memrchr(p, '\n', size_t(kLongueurMaxLigne + 1));
        if (!lf)
            throw FichierEndommage();
        p = static_cast<const char*>(lf) + 1;
    }
}

// The end of the line that begins at `ligne`: its LF, or `fin`.
const char* finDeLigne(const char* ligne, const char* fin)
{
    const char* lf = static_cast<const char*>(std::memchr(ligne, '\n', size_t(fin - ligne)));
    return lf ? lf : fin;
}

// The start of the line that holds `p`, when only blanks stand before `p` on it; null otherwise.
const char* debutDeLigneSiBlancs(const char* debut, const char* p)
{
    while (p > debut && p[-1] == ' ')
        --p;
    return (p == debut || p[-1] == '\n') ? p : nullptr;
}

// The search of one key in one section, fed with whole lines, a few at a time, in the
// order of the file.
class ChercheurIni {
public:
    ChercheurIni(const QString& Contener, const QString& Variable)
        : entete_(toWindows1252(u'[' + Contener + u']')), cle_(toWindows1252(Variable))
    {
        // A key whose bytes have no case (digits) is found by its occurrences, which gives
        // the same result as the line-by-line search.
        const TablesCasse& t = tables();
        parOccurrences_ = !cle_.isEmpty() && cle_.front() != ' ' && cle_.front() != '[';
        for (const char c : cle_) {
            const auto b = (unsigned char)c;
            if (t.bas[b] != b || t.haut[b] != b || c == '\n' || c == '\r')
                parOccurrences_ = false;
        }
    }

    // Examines whole lines (`fin` just after a LF, or at the end of the file). True once the
    // result is known: the key's value, or the empty text when the section has ended. A line
    // longer than kLongueurMaxLigne up to the one that gives the result raises FichierEndommage.
    bool examine(const char* debut, const char* fin)
    {
        Lignes lignes(debut, fin);
        Plage ligne{};
        while (!section_ && lignes.suivante(ligne))
            section_ = commencePar(sansBlancs(ligne), entete_, tables().haut);
        if (!section_)
            return false;
        return parOccurrences_ ? chercheParOccurrences(lignes.position(), fin) : chercheLigneParLigne(lignes);
    }

    QString resultat;

private:
    bool chercheLigneParLigne(Lignes& lignes)
    {
        Plage ligne{};
        while (lignes.suivante(ligne)) {
            const Plage nette = sansBlancs(ligne);
            if (commencePar(nette, cle_, tables().bas)) {
                const Plage reste = sansBlancs({nette.debut + cle_.size(), nette.fin});
                if (reste.size() > 0 && *reste.debut == '=') {
                    resultat = valeurDeLigne(ligne);
                    return true;
                }
            }
            if (nette.size() > 0 && *nette.debut == '[')
                return true;
        }
        return false;
    }

    bool chercheParOccurrences(const char* debut, const char* fin)
    {
        const char* trouve = nullptr;  // start of the first line that carries the key
        for (const char* p = debut; p < fin && !trouve;) {
            const char* o = static_cast<const char*>(memmem(p, size_t(fin - p), cle_.constData(), size_t(cle_.size())));
            if (!o)
                break;
            p = o + 1;
            const char* ligne = debutDeLigneSiBlancs(debut, o);
            if (!ligne)
                continue;
            const char* apres = o + cle_.size();
            while (apres < fin && *apres == ' ')
                ++apres;
            if (apres < fin && *apres == '=')
                trouve = ligne;
        }
        // A line that begins with "[" before the key's line ends the section first.
        const char* limite = trouve ? trouve : fin;
        for (const char* c = debut; c < limite;) {
            const char* crochet = static_cast<const char*>(std::memchr(c, '[', size_t(limite - c)));
            if (!crochet)
                break;
            if (const char* ligne = debutDeLigneSiBlancs(debut, crochet)) {
                verifieLongueurs(debut, finDeLigne(ligne, fin));
                return true;
            }
            c = crochet + 1;
        }
        if (!trouve) {
            verifieLongueurs(debut, fin);
            return false;
        }
        verifieLongueurs(debut, finDeLigne(trouve, fin));
        Lignes lignes(trouve, fin);
        Plage ligne{};
        lignes.suivante(ligne);
        resultat = valeurDeLigne(ligne);
        return true;
    }

    QByteArray entete_;
    QByteArray cle_;
    bool parOccurrences_ = false;
    bool section_ = false;
};
}

QString valeurIni(QByteArrayView contenu, const QString& Contener, const QString& Variable)
{
    ChercheurIni chercheur(Contener, Variable);
    chercheur.examine(contenu.data(), contenu.data() + contenu.size());
    return chercheur.resultat;
}

namespace {
// A file open for reading, closed when it goes.
class Descripteur {
public:
    explicit Descripteur(int fd) : fd_(fd) {}
    ~Descripteur() { ::close(fd_); }
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

// Opens a regular file for reading, without waiting on anything else that bears its name (a
// pipe, a device), which it refuses.
int ouvreFichierOrdinaire(const QString& Filename)
{
    const QByteArray nom = QFile::encodeName(Filename);
    const int fd = nom.isEmpty() ? -1 : ::open(nom.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (nom.isEmpty() || errno == ENOENT || errno == ENOTDIR)
            throw RuntimeError::fileNotFound();
        if (errno == EACCES || errno == EPERM)
            throw RuntimeError(70, QStringLiteral("Permission denied"));
        throw RuntimeError(75, QStringLiteral("Path/File access error"));
    }
    struct stat etat {};
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        ::close(fd);
        throw RuntimeError(75, QStringLiteral("Path/File access error"));
    }
    return fd;
}

// Reads up to n bytes; 0 at the end of the file.
qsizetype lit(int fd, char* data, qsizetype n)
{
    for (;;) {
        const ssize_t lus = ::read(fd, data, size_t(n));
        if (lus >= 0)
            return qsizetype(lus);
        if (errno != EINTR)
            throw RuntimeError(57, QStringLiteral("Device I/O error"));
    }
}
}

FichierEndommage::FichierEndommage()
    : RuntimeError(62, QStringLiteral("Damaged file: a line is longer than %1 bytes").arg(kLongueurMaxLigne))
{
}

QString GetIni(const QString& Filename, const QString& Contener, const QString& Variable, qsizetype tailleBloc)
{
    const Descripteur fichier(ouvreFichierOrdinaire(Filename));
    // One sequential read, block after block, into a buffer kept from call to call (fresh
    // memory for a whole file costs more than reading it); the whole lines of each block are
    // examined, and the read stops once the result is known. Only the start of one line, at
    // most kLongueurMaxLigne bytes, is carried from a block to the next, and each byte read is
    // looked at once for the end of the lines.
    thread_local std::vector<char> tampon;
    ChercheurIni chercheur(Contener, Variable);
    tailleBloc = std::max<qsizetype>(tailleBloc, 1);
    qsizetype reste = 0;  // the start of a line that the next block completes
    for (;;) {
        if (qsizetype(tampon.size()) < reste + tailleBloc)
            tampon.resize(size_t(reste + tailleBloc));
        char* data = tampon.data();
        const qsizetype lus = lit(fichier.fd(), data + reste, tailleBloc);
        if (lus == 0) {
            if (reste > 0)
                chercheur.examine(data, data + reste);
            break;
        }
        const qsizetype total = reste + lus;
        // The carried start holds no LF: only the new bytes are searched.
        const char* lf = static_cast<const char*>(memrchr(data + reste, '\n', size_t(lus)));
        const qsizetype complet = lf ? lf + 1 - data : 0;
        if (complet > 0 && chercheur.examine(data, data + complet))
            break;
        reste = total - complet;
        if (reste > kLongueurMaxLigne)
            throw FichierEndommage();
        std::memmove(data, data + complet, size_t(reste));
    }
    return chercheur.resultat;
}

QString GetIni(const QString& Filename, const QString& Contener, const QString& Variable)
{
    return GetIni(Filename, Contener, Variable, 256 * 1024);
}
