// Lexiparc — GPL-3.0-or-later.
// lookup WORD: the dictionary lookup as the window runs it, the definitions file read included.
#include "Bench.h"

#include "data/DataCounts.h"
#include "common/TextHelpers.h"
#include "tools/dictionary/RechercheDico.h"
#include "tools/dictionary/GetIni.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <QFileInfo>

namespace {
// The definitions file: given with --file, else beside the benchmark or beside the program
// in the build folder.
QString definitionsFile(const QString& given)
{
    if (!given.isEmpty())
        return given;
    const QString dir = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral("definitions1.20.ret");
    for (const QString& candidate : {dir + u'/' + name, dir + QStringLiteral("/../src/app/") + name})
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).absoluteFilePath();
    return dir + u'/' + name;
}

// The plain lookup: the word's position by a scan of the dictionary's words of its length,
// then one read of the whole definitions file and the value of the line of its key.
struct ValeurSimple {
    qsizetype cle = 0;  // 1-based position, 0 when absent
    QString valeur;
};
ValeurSimple lookupSimple(const ListeMots& dico, const QString& fichier, const QString& mot)
{
    ValeurSimple v;
    const QByteArray cherche = mot.toUpper().toLatin1();
    const ListeMots::Bloc b = dico.bloc(int(cherche.size()));
    for (qsizetype k = 0; k < b.nombre && v.cle == 0; ++k)
        if (QByteArrayView(b.debut + k * b.longueur, b.longueur) == QByteArrayView(cherche))
            v.cle = dico.position(b.premier + k) + 1;
    if (v.cle == 0)
        return v;
    // One read of the whole file, into a buffer kept from one run to the next.
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly))
        return v;
    static QByteArray tampon;
    if (tampon.size() < f.size())
        tampon.resize(f.size());
    const qint64 lu = f.read(tampon.data(), f.size());
    const QByteArrayView tout(tampon.constData(), qsizetype(std::max<qint64>(lu, 0)));
    // The key's line: the key, blanks, "=" and the value, kept from the "=" on.
    const QByteArray debut = "\n" + QByteArray::number(v.cle);
    for (qsizetype at = tout.indexOf(debut); at >= 0; at = tout.indexOf(debut, at + 1)) {
        qsizetype p = at + debut.size();
        while (p < tout.size() && tout[p] == ' ')
            ++p;
        if (p < tout.size() && tout[p] == '=') {
            const qsizetype fin = tout.indexOf('\n', p);
            const QByteArrayView ligne = fin < 0 ? tout.sliced(p) : tout.sliced(p, fin - p);
            v.valeur = fromWindows1252(ligne.data(), ligne.size()).trimmed();
            break;
        }
    }
    return v;
}

const BenchRegistration reg("lookup", "lookup WORD [--file DEFINITIONS] [--plain]", [](BenchContext& ctx) {
    QString word;
    QString file;
    bool simple = false;
    for (int i = 0; i < ctx.args.size(); ++i) {
        if (ctx.args[i] == QLatin1String("--file") && i + 1 < ctx.args.size())
            file = ctx.args[++i];
        else if (ctx.args[i] == QLatin1String("--plain"))
            simple = true;
        else if (word.isEmpty() && !ctx.args[i].startsWith(QLatin1String("--")))
            word = ctx.args[i];
        else
            return usage(ctx, "lookup");
    }
    if (word.isEmpty())
        return usage(ctx, "lookup");
    loadWords(ctx.words, false, false, false);
    const QString sautLigne = QStringLiteral("\r\n");
    const RequeteRecherche requete{ctx.words.DicoWords, definitionsFile(file),          word, DataCounts::kLongMaxDef,
                                   sautLigne,           VarianteRecherche::Dictionnaire};
    ResultatDico r;
    const auto cherche = [&] { r = ChercheDefinition(requete); };
    if (simple) {
        ValeurSimple v;
        printAgainstPlain(
            ctx, cherche, [&] { v = lookupSimple(ctx.words.DicoWords, requete.fichierDef, word); },
            [&] {
            const qsizetype cle = ctx.words.DicoWords.indexOf(word.toUpper()) + 1;
            return cle == v.cle &&
                   (cle == 0 || GetIni(requete.fichierDef, QStringLiteral("Cont"), QString::number(cle)) == v.valeur);
            });
    } else {
        printTime(ctx, medianMs(ctx.repeat, cherche));
    }
    // The dictionary position alone, the first step of the lookup.
    const QString majuscule = word.toUpper();
    qsizetype position = -1;
    const double positionMs = medianMs(std::max(ctx.repeat, 101),
                                       [&] { position = ctx.words.DicoWords.indexOf(majuscule); });
    ctx.err << "position: " << position + 1 << Qt::endl;
    ctx.err << "position_ms: " << QString::number(positionMs, 'f', 4) << Qt::endl;
    for (const QString& line : lignesAffichageDico(r, sautLigne))
        ctx.out << line << '\n';
    ctx.out.flush();
    return 0;
});
}
