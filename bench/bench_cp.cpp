// Lexiparc — GPL-3.0-or-later.
// cp PREFIX / nom PREFIX: the postal-code window's two searches; the rows of the list, then
// the prompt line.
#include "Bench.h"

#include "data/Resources.h"
#include "tools/postcodes/RechercheCommunes.h"

namespace {
const CommuneTables& tables()
{
    static const CommuneTables t = [] {
        CommuneTables c;
        remplitTablesCP(c, ChargeRessource(QStringLiteral("LISTEPARCP"), 200));
        remplitTablesNom(c, ChargeRessource(QStringLiteral("LISTEPARNOM"), 201));
        return c;
    }();
    return t;
}

int run(BenchContext& ctx, const char* name, bool parNom)
{
    if (ctx.args.size() != 1)
        return usage(ctx, name);
    const CommuneTables& t = tables();
    const QString prefixe = ctx.args.first();
    ResultatCommunes r;
    DetailCommune premier;
    const double ms = medianMs(ctx.repeat, [&] {
        r = parNom ? rechercheParNom(t, prefixe) : rechercheParCode(t, prefixe);
        if (!r.premier.isEmpty())
            premier = parNom ? detailDepuisNom(r.premier) : detailDepuisCP(r.premier);
    });
    for (const QString& item : r.items)
        ctx.out << item << '\n';
    ctx.out << r.info << Qt::endl;
    ctx.err << "count: " << r.items.size() << Qt::endl;
    printTime(ctx, ms);
    return 0;
}

const BenchRegistration regCp("cp", "cp PREFIX", [](BenchContext& ctx) { return run(ctx, "cp", false); });
const BenchRegistration regNom("nom", "nom PREFIX", [](BenchContext& ctx) { return run(ctx, "nom", true); });
}
