// Lexiparc — GPL-3.0-or-later.
// anagram: every word that can be made from the letters, as the anagram window lists them.
#include "Bench.h"

#include "tools/anagrams/AnagramSearch.h"
#include "tools/anagrams/ClesAnagrammes.h"

#include <QElapsedTimer>
#include <algorithm>
#include <memory>

namespace {
QString majuscules(const QString& t)
{
    QString out = t;
    for (QChar& c : out)
        c = c.toUpper();
    return out;
}

// The window searches through the packed keys it builds once the index is ready; --slots
// searches through the index slots alone.
const BenchRegistration reg("anagram", "anagram LETTERS [--min N] [--must L] [--slots]", [](BenchContext& ctx) {
    QString lettresTapees;
    QString mini = QStringLiteral("2");
    QString obligatoire;
    bool parSlots = false;
    const QStringList& a = ctx.args;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] == QLatin1String("--min") && i + 1 < a.size())
            mini = a[++i];
        else if (a[i] == QLatin1String("--must") && i + 1 < a.size())
            obligatoire = majuscules(a[++i]);
        else if (a[i] == QLatin1String("--slots"))
            parSlots = true;
        else if (lettresTapees.isNull() && !a[i].startsWith(QLatin1String("--")))
            lettresTapees = majuscules(a[i]);
        else
            return usage(ctx, "anagram");
    }
    if (lettresTapees.isNull())
        return usage(ctx, "anagram");
    loadWords(ctx.words, true, true, false);
    std::unique_ptr<ClesAnagrammes> cles;
    QElapsedTimer chrono;
    chrono.start();
    if (!parSlots)
        cles = std::make_unique<ClesAnagrammes>(ctx.words.Anagrammes);
    const double clesMs = double(chrono.nsecsElapsed()) / 1e6;

    // The median of the runs, and the quickest run, steadier on a busy machine.
    AnagramResult r;
    double minMs = 1e300;
    const double ms = medianMs(ctx.repeat, [&] {
        QElapsedTimer t;
        t.start();
        r = ChercheAnagrammesTousMots(ctx.words.Anagrammes, lettresTapees, longueurMinimale(mini), obligatoire,
                                      cles.get());
        minMs = std::min(minMs, double(t.nsecsElapsed()) / 1e6);
    });
    if (r.tropDeJokers)
        ctx.err << "message: Attention, un seul joker est autorisé." << Qt::endl;
    for (const QString& mot : r.LstAna)
        ctx.out << mot << '\n';
    ctx.out.flush();
    ctx.err << "count: " << r.LstAna.size() << Qt::endl;
    ctx.err << "lookups: " << r.lookups << Qt::endl;
    ctx.err << "min_ms: " << QString::number(minMs, 'f', 3) << Qt::endl;
    if (cles)
        ctx.err << "keys_build_ms: " << QString::number(clesMs, 'f', 3) << Qt::endl;
    printTime(ctx, ms);
    return 0;
});
}
