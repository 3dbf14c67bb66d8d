// Lexiparc — GPL-3.0-or-later.
// chain: the loading screen's own work without its timer waits: the dictionary, the
// 2-to-12-letter list, the anagram index and the 26 synonym letters. Standard output: the
// three status lines as the loading screen ends with them; standard error: the time of each
// step, the whole, and the resident memory with everything loaded.
#include "Bench.h"

#include "app/TextesChargement.h"
#include "data/DataCounts.h"
#include "data/Resources.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace {
double residentMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const auto m = QRegularExpression(QStringLiteral("VmRSS:\\s+(\\d+)")).match(QString::fromLatin1(f.readAll()));
    return m.hasMatch() ? m.captured(1).toDouble() / 1024.0 : 0;
}

const BenchRegistration reg("chain", "chain", [](BenchContext& ctx) {
    if (!ctx.args.isEmpty())
        return usage(ctx, "chain");
    std::array<double, 4> steps{};  // dictionary, list, index, synonyms (median run)
    std::vector<std::pair<double, std::array<double, 4>>> runs;
    std::unique_ptr<WordData> last;
    for (int run = 0; run < ctx.repeat; ++run) {
        last.reset();  // the previous run's tables are freed outside the timing
        auto w = std::make_unique<WordData>();
        std::array<double, 4> s{};
        QElapsedTimer t;
        t.start();
        ChargeDico(*w);
        s[0] = double(t.nsecsElapsed()) / 1e6;
        t.restart();
        ChargeListeAna(*w);
        s[1] = double(t.nsecsElapsed()) / 1e6;
        t.restart();
        w->Anagrammes.IndexeAnagrammes(w->AnaWords);
        s[2] = double(t.nsecsElapsed()) / 1e6;
        t.restart();
        for (char16_t l = u'A'; l <= u'Z'; ++l)
            ChargeLettreSyno(*w, QChar(l));
        s[3] = double(t.nsecsElapsed()) / 1e6;
        runs.emplace_back(s[0] + s[1] + s[2] + s[3], s);
        last = std::move(w);
    }
    std::sort(runs.begin(), runs.end());
    const double total = runs[runs.size() / 2].first;
    steps = runs[runs.size() / 2].second;
    ctx.out << texteListeDico(DataCounts::kNbMots, DataCounts::kNbDefinitions) << Qt::endl;
    ctx.out << texteBaseAnagrammes(last->AnaWords.size() - 1) << Qt::endl;
    ctx.out << texteBaseSynonymes(float(DataCounts::kNbSynonymes)) << Qt::endl;
    const char* names[4] = {"dico_ms", "ana_ms", "index_ms", "syno_ms"};
    for (int i = 0; i < 4; ++i)
        ctx.err << names[i] << ": " << QString::number(steps[size_t(i)], 'f', 3) << Qt::endl;
    printTime(ctx, total);
    ctx.err << "rss_mb: " << QString::number(residentMb(), 'f', 1) << Qt::endl;
    return 0;
});
}
