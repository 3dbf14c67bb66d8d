// Lexiparc — GPL-3.0-or-later.
// pattern LENGTH PATTERN: the crossword search, "?" for the open positions; prints LstRech1.
#include "Bench.h"

#include "data/Resources.h"
#include "tools/crossword/PatternSearch.h"

namespace {
const BenchRegistration reg("pattern", "pattern LENGTH PATTERN  (PATTERN: letters and \"?\" for open positions)",
                            [](BenchContext& ctx) {
    if (ctx.args.size() != 2)
        return usage(ctx, "pattern");
    bool ok = false;
    const int longueur = ctx.args[0].toInt(&ok);
    const QString saisie = ctx.args[1];
    if (!ok || longueur < kLongueurMinMotCroix || longueur > kLongueurMaxMotCroix || saisie.size() != longueur ||
        NettoieSaisie(saisie) != saisie)
        return usage(ctx, "pattern");
    QStringList cases;
    for (QChar c : saisie)
        cases << QString(c);
    const int jokers = CompteJokers(cases, longueur);
    if (jokers == longueur || jokers > LimiteJokers(longueur)) {
        ctx.err << "too many open positions: " << jokers << " (at most " << LimiteJokers(longueur)
                << " at length " << longueur << ")" << Qt::endl;
        return 2;
    }

    if (ctx.words.AnaWords.isEmpty())
        ChargeListeAna(ctx.words);
    const BlocsLongueur blocs = CalculeBlocsLongueur(ctx.words.AnaWords);
    const QString motif = MotifDesCases(cases, longueur);
    QStringList found;
    const double ms = medianMs(ctx.repeat, [&] { found = ChercheMotCroix(ctx.words.AnaWords, blocs, motif); });
    for (const QString& w : found)
        ctx.out << w << '\n';
    ctx.out.flush();
    ctx.err << "count: " << found.size() << Qt::endl;
    ctx.err << "label: " << TexteNombreMots(found.size()) << Qt::endl;
    printTime(ctx, ms);
    return 0;
});
}
