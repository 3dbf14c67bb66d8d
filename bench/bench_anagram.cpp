// Lexiparc — GPL-3.0-or-later.
// anagram: every word that can be made from the letters, as the anagram window lists them.
#include "Bench.h"

#include "tools/anagrams/AnagramSearch.h"

namespace {
QString majuscules(const QString& t)
{
    QString out = t;
    for (QChar& c : out)
        c = c.toUpper();
    return out;
}

const BenchRegistration reg("anagram", "anagram LETTERS [--min N] [--must L]", [](BenchContext& ctx) {
    QString lettresTapees;
    QString mini = QStringLiteral("2");
    QString obligatoire;
    const QStringList& a = ctx.args;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] == QLatin1String("--min") && i + 1 < a.size())
            mini = a[++i];
        else if (a[i] == QLatin1String("--must") && i + 1 < a.size())
            obligatoire = majuscules(a[++i]);
        else if (lettresTapees.isNull() && !a[i].startsWith(QLatin1String("--")))
            lettresTapees = majuscules(a[i]);
        else
            return usage(ctx, "anagram");
    }
    if (lettresTapees.isNull())
        return usage(ctx, "anagram");
    loadWords(ctx.words, true, true, false);

    AnagramResult r;
    double minMs = 1e9;
    for (int i = 0; i < ctx.repeat; ++i)
        minMs = std::min(minMs, medianMs(1, [&] {
            r = ChercheAnagrammesTousMots(ctx.words.Anagrammes, lettresTapees, longueurMinimale(mini), obligatoire);
        }));
    ctx.err << "min_ms: " << minMs << Qt::endl;
    const double ms = medianMs(ctx.repeat, [&] {
        r = ChercheAnagrammesTousMots(ctx.words.Anagrammes, lettresTapees, longueurMinimale(mini), obligatoire);
    });
    if (r.tropDeJokers)
        ctx.err << "message: Attention, un seul joker est autorisé." << Qt::endl;
    for (const QString& mot : r.LstAna)
        ctx.out << mot << '\n';
    ctx.out.flush();
    ctx.err << "count: " << r.LstAna.size() << Qt::endl;
    ctx.err << "lookups: " << r.lookups << Qt::endl;
    printTime(ctx, ms);
    return 0;
});
}
