// Lexiparc — GPL-3.0-or-later.
// near: the near-spelling search; the result table, then the status line.
#include "Bench.h"

#include "tools/nearspelling/RechercheApprochants.h"

namespace {
const BenchRegistration reg("near", "near WORD [--threshold 90|80|70] [--plusminus] [--plain] [--threads N]",
                            [](BenchContext& ctx) {
    QString mot;
    int seuil = 90;
    bool plusMoins = false;
    bool simple = false;
    int threads = 0;
    for (qsizetype i = 0; i < ctx.args.size(); ++i) {
        const QString& a = ctx.args.at(i);
        if (a == QLatin1String("--threshold") && i + 1 < ctx.args.size()) {
            seuil = ctx.args.at(++i).toInt();
            if (seuil != 90 && seuil != 80 && seuil != 70)
                return usage(ctx, "near");
        } else if (a == QLatin1String("--plusminus")) {
            plusMoins = true;
        } else if (a == QLatin1String("--threads") && i + 1 < ctx.args.size()) {
            threads = ctx.args.at(++i).toInt();
            if (threads < 1)
                return usage(ctx, "near");
        } else if (a == QLatin1String("--plain")) {
            simple = true;
        } else if (!a.startsWith(QLatin1String("--")) && mot.isEmpty()) {
            mot = a;
        } else {
            return usage(ctx, "near");
        }
    }
    if (mot.isEmpty())
        return usage(ctx, "near");
    loadWords(ctx.words, false, false, false);
    const QString saut = QStringLiteral("\r\n");
    ResultatApprochant r;
    const double ms = medianMs(ctx.repeat, [&] {
        r = simple ? RechercheApprochantsSimple(ctx.words.DicoWords, mot, plusMoins, seuil, saut)
                   : RechercheApprochants(ctx.words.DicoWords, mot, plusMoins, seuil, saut, threads);
    });
    ctx.out << QString(r.texte).replace(saut, QStringLiteral("\n")) << '\n' << messageSolutions(r.nombre) << Qt::endl;
    ctx.err << "count: " << r.nombre << Qt::endl;
    printTime(ctx, ms);
    return 0;
});
}
