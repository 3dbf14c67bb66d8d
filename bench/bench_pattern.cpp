// Lexiparc — GPL-3.0-or-later.
// pattern LENGTH PATTERN: the crossword search, "?" for the open positions; prints LstRech1.
#include "Bench.h"

#include "common/TextHelpers.h"
#include "data/Resources.h"
#include "tools/crossword/RechercheMotCroix.h"

#include <vector>

namespace {
// The plain scan: every word of the pattern's length whose letters equal the pattern's at
// every known position; in list order. The strings are made as the search makes its own.
QStringList motifSimple(const ListeMots& mots, const QString& motif)
{
    std::vector<QByteArrayView> out;
    const QByteArray m = motif.toLatin1();
    const ListeMots::Bloc b = mots.bloc(int(m.size()));
    for (qsizetype k = 0; k < b.nombre; ++k) {
        const char* w = b.debut + k * b.longueur;
        bool ok = true;
        for (int j = 0; j < b.longueur; ++j)
            ok = ok && (m[j] == '_' || m[j] == w[j]);
        if (ok)
            out.emplace_back(w, b.longueur);
    }
    return fromWindows1252(out);
}

const BenchRegistration reg("pattern",
                            "pattern LENGTH PATTERN [--plain]  (PATTERN: letters and \"?\" for open positions)",
                            [](BenchContext& ctx) {
    const bool simple = ctx.args.size() == 3 && ctx.args[2] == QLatin1String("--plain");
    if (ctx.args.size() != 2 && !simple)
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
        ctx.err << "too many open positions: " << jokers << " (at most " << LimiteJokers(longueur) << " at length "
                << longueur << ")" << Qt::endl;
        return 2;
    }

    if (ctx.words.AnaWords.isEmpty())
        ChargeListeAna(ctx.words);
    const BlocsLongueur blocs = CalculeBlocsLongueur(ctx.words.AnaWords);
    const QString motif = MotifDesCases(cases, longueur);
    QStringList found;
    const auto cherche = [&] { found = ChercheMotCroix(ctx.words.AnaWords, blocs, motif); };
    QStringList plain;
    const double ms = simple ? 0 : medianMs(ctx.repeat, cherche);
    if (simple)
        printAgainstPlain(
            ctx, cherche, [&] { plain = motifSimple(ctx.words.AnaWords, motif); }, [&] { return found == plain; });
    for (const QString& w : found)
        ctx.out << w << '\n';
    ctx.out.flush();
    ctx.err << "count: " << found.size() << Qt::endl;
    ctx.err << "label: " << TexteNombreMots(found.size()) << Qt::endl;
    if (!simple)
        printTime(ctx, ms);
    return 0;
});
}
