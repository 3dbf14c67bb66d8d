// Lexiparc — GPL-3.0-or-later.
// index: builds the anagram index over the 2-to-12-letter list; its figures, the build time
// and the time of one query per word of the list.
#include "Bench.h"

#include "data/AnagramIndex.h"
#include "data/Resources.h"

namespace {
const BenchRegistration reg("index", "index", [](BenchContext& ctx) {
    if (!ctx.args.isEmpty())
        return usage(ctx, "index");
    loadWords(ctx.words, true, false, false);
    const ListeMots& words = ctx.words.AnaWords;
    AnagramIndex& index = ctx.words.Anagrammes;
    const double build = medianMs(ctx.repeat, [&] { index.IndexeAnagrammes(words); });

    QStringList results;
    qint64 found = 0;
    const double queries = medianMs(ctx.repeat, [&] {
        found = 0;
        qint32 count = 0;
        for (qsizetype i = 0; i < words.size(); ++i)
            if (index.ChercheAnagrammes(words.at(i), results, count))
                found += count;
    });

    for (const QString& line : lignesStatistiques(statistiquesIndex(index, words)))
        ctx.out << line << Qt::endl;
    printTime(ctx, build);
    ctx.err << "queries: " << words.size() << Qt::endl;
    ctx.err << "query_total_ms: " << QString::number(queries, 'f', 3) << Qt::endl;
    ctx.err << "query_us: " << QString::number(words.isEmpty() ? 0.0 : queries * 1000.0 / double(words.size()), 'f', 3)
            << Qt::endl;
    ctx.err << "words_returned: " << found << Qt::endl;
    return 0;
});
}
