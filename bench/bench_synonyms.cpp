// Lexiparc — GPL-3.0-or-later.
// synonyms WORD: the exact lookup; headwords PREFIX: the incremental headword listing.
#include "Bench.h"

#include "data/DataCounts.h"
#include "tools/synonyms/EntreeSyno.h"
#include "tools/synonyms/ListeMotsSyno.h"
#include "tools/synonyms/RechercheSyno.h"

#include <array>

namespace {
// The per-letter counts as the start screen sets them; the loaded sizes until the shipped
// figures exist.
std::array<qint16, 26> nbSyno(const WordData& words)
{
    std::array<qint16, 26> nb{};
    for (size_t i = 0; i < 26; ++i)
        nb[i] = qint16(DataCounts::kNbSyno[i] > 0 ? DataCounts::kNbSyno[i] : words.TabSyno[i].size());
    return nb;
}

const BenchRegistration regSynonyms("synonyms", "synonyms WORD", [](BenchContext& ctx) {
    if (ctx.args.size() != 1)
        return usage(ctx, "synonyms");
    loadWords(ctx.words, false, false, true);
    const auto nb = nbSyno(ctx.words);
    const QString tape = ctx.args[0];
    ResultatSyno r;
    const double ms = medianMs(ctx.repeat, [&] { r = RechercheSynonyme(ctx.words, nb, normaliseSaisie(tape), tape); });
    ctx.out << r.Lbl2 << Qt::endl << r.Lbl4 << Qt::endl;
    for (const QString& row : r.LstS)
        ctx.out << row << Qt::endl;
    ctx.err << "count: " << r.LstS.size() << Qt::endl;
    printTime(ctx, ms);
    return 0;
});

const BenchRegistration regHeadwords("headwords", "headwords PREFIX", [](BenchContext& ctx) {
    if (ctx.args.size() != 1)
        return usage(ctx, "headwords");
    loadWords(ctx.words, false, false, true);
    const auto nb = nbSyno(ctx.words);
    const QString tape = ctx.args[0];
    ResultatListe r;
    const double ms = medianMs(ctx.repeat, [&] { r = ListeMotsSyno(ctx.words, nb, normaliseSaisie(tape)); });
    for (const QString& row : r.Lst)
        ctx.out << row << Qt::endl;
    ctx.out << r.Lbl3 << Qt::endl;
    ctx.err << "count: " << r.compte << Qt::endl;
    printTime(ctx, ms);
    return 0;
});
}
