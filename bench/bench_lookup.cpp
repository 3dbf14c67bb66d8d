// Lexiparc — GPL-3.0-or-later.
// lookup WORD: the dictionary lookup as the window runs it, the definitions file read included.
#include "Bench.h"

#include "data/DataCounts.h"
#include "tools/dictionary/Dictionnaire.h"

#include <QCoreApplication>
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

const BenchRegistration reg("lookup", "lookup WORD [--file DEFINITIONS]", [](BenchContext& ctx) {
    QString word;
    QString file;
    for (int i = 0; i < ctx.args.size(); ++i) {
        if (ctx.args[i] == QLatin1String("--file") && i + 1 < ctx.args.size())
            file = ctx.args[++i];
        else if (word.isEmpty() && !ctx.args[i].startsWith(QLatin1String("--")))
            word = ctx.args[i];
        else
            return usage(ctx, "lookup");
    }
    if (word.isEmpty())
        return usage(ctx, "lookup");
    loadWords(ctx.words, false, false, false);
    const QString sautLigne = QStringLiteral("\r\n");
    const RequeteRecherche requete{ctx.words.DicoWords, definitionsFile(file), word, DataCounts::kLongMaxDef,
                                   sautLigne, VarianteRecherche::Dictionnaire};
    ResultatRecherche r;
    const double ms = medianMs(ctx.repeat, [&] { r = ChercheDefinition(requete); });
    for (const QString& line : lignesAffichageDico(r, sautLigne))
        ctx.out << line << '\n';
    ctx.out.flush();
    printTime(ctx, ms);
    return 0;
});
}
