// Lexiparc — GPL-3.0-or-later.
// load: reads every embedded resource; a table of records, bytes and time, then the memory.
#include "Bench.h"

#include "data/EmbeddedData.h"
#include "data/Resources.h"

#include <QFile>
#include <QRegularExpression>

namespace {
double residentMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QString s = QString::fromLatin1(f.readAll());
    const auto m = QRegularExpression(QStringLiteral("VmRSS:\\s+(\\d+)")).match(s);
    return m.hasMatch() ? m.captured(1).toDouble() / 1024.0 : 0;
}

const BenchRegistration reg("load", "load", [](BenchContext& ctx) {
    if (!ctx.args.isEmpty())
        return usage(ctx, "load");
    ctx.out << "resource\trecords\tbytes\ttime_ms" << Qt::endl;
    double total = 0;
    for (const EmbeddedFile* f = kEmbeddedFiles; f->name; ++f) {
        const QString name = QString::fromLatin1(f->name);
        qsizetype records = 0;
        const double ms = medianMs(ctx.repeat, [&] {
            WordData scratch;
            if (name == QLatin1String("DICO")) {
                ChargeDico(scratch);
                records = scratch.DicoWords.size();
            } else if (name == QLatin1String("ANA")) {
                ChargeListeAna(scratch);
                records = scratch.AnaWords.size();
            } else if (name.startsWith(QLatin1String("SYNONY")) && name.size() == 7) {
                ChargeLettreSyno(scratch, name.at(6));
                records = scratch.TabSyno[size_t(name.at(6).unicode() - u'A')].size();
            } else {
                records = ChargeRessource(name, 0).size();
            }
        });
        total += ms;
        ctx.out << name << '\t' << records << '\t' << (f->end - f->begin) << '\t' << QString::number(ms, 'f', 3)
                << Qt::endl;
    }
    loadWords(ctx.words, true, false, true);
    printTime(ctx, total);
    ctx.err << "rss_mb: " << QString::number(residentMb(), 'f', 1) << Qt::endl;
    return 0;
});
}
