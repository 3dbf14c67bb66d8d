// Lexiparc — GPL-3.0-or-later.
// anagram: every word that can be made from the letters, as the anagram window lists them.
#include "Bench.h"

#include "tools/anagrams/RechercheAnagrammes.h"
#include "tools/anagrams/ClesAnagrammes.h"
#include "common/TextHelpers.h"

#include <QElapsedTimer>
#include <QByteArrayView>
#include <algorithm>
#include <array>
#include <vector>
#include <memory>

namespace {
// The plain scan: every word of the 2-to-12-letter list whose length lies from the minimum to
// the number of letters and whose letters the typed letters hold (one joker standing for any
// one letter), with the mandatory letter; in list order. The strings are made as the search
// makes its own, so that the two differ only in how they find the words.
QStringList anagrammesSimples(const ListeMots& mots, const QString& lettresTapees, int mini, const QString& obligatoire)
{
    const QString s = sansBlancs(lettresTapees).left(kMaxLettresAna);
    const int jokers = int(s.count(u'?'));
    if (jokers >= 2)
        return {};
    std::array<qint8, 26> comptes{};
    for (QChar c : s)
        if (c >= u'A' && c <= u'Z')
            ++comptes[c.unicode() - u'A'];
    const QByteArray oblig = obligatoire.toLatin1();
    std::vector<QByteArrayView> trouves;
    for (int len = std::max(mini, 2); len <= s.size(); ++len) {
        const ListeMots::Bloc b = mots.bloc(len);
        for (qsizetype k = 0; k < b.nombre; ++k) {
            const auto* w = reinterpret_cast<const unsigned char*>(b.debut + k * len);
            // The letters the word takes beyond the typed ones.
            std::array<qint8, 26> reste = comptes;
            int manque = 0;
            for (int i = 0; i < len; ++i) {
                const unsigned l = unsigned(w[i]) - 'A';
                if (l > 25) {
                    manque = 2;
                    break;
                }
                manque += --reste[l] < 0;
            }
            if (manque <= jokers && (oblig.isEmpty() || QByteArrayView(w, len).contains(QByteArrayView(oblig))))
                trouves.emplace_back(w, len);
        }
    }
    return fromWindows1252(trouves);
}

// The window searches through the packed keys it builds once the index is ready; --slots
// searches through the index slots alone; --plain times it against the plain scan.
const BenchRegistration reg("anagram", "anagram LETTERS [--min N] [--must L] [--slots] [--plain]",
                            [](BenchContext& ctx) {
    QString lettresTapees;
    QString mini = QStringLiteral("2");
    QString obligatoire;
    bool parEmplacements = false;
    bool simple = false;
    const QStringList& a = ctx.args;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] == QLatin1String("--min") && i + 1 < a.size())
            mini = a[++i];
        else if (a[i] == QLatin1String("--must") && i + 1 < a.size())
            obligatoire = majuscules(a[++i]);
        else if (a[i] == QLatin1String("--slots"))
            parEmplacements = true;
        else if (a[i] == QLatin1String("--plain"))
            simple = true;
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
    if (!parEmplacements)
        cles = std::make_unique<ClesAnagrammes>(ctx.words.Anagrammes);
    const double clesMs = double(chrono.nsecsElapsed()) / 1e6;

    ResultatAnagrammes r;
    const auto cherche = [&] {
        r = ChercheAnagrammesTousMots(ctx.words.Anagrammes, lettresTapees, longueurMinimale(mini), obligatoire,
                                      cles.get());
    };
    double ms = 0;
    if (simple) {
        QStringList plain;
        printAgainstPlain(
            ctx, cherche,
            [&] { plain = anagrammesSimples(ctx.words.AnaWords, lettresTapees, longueurMinimale(mini), obligatoire); },
            [&] {
            QStringList a = r.LstAna, b = plain;
            a.sort();
            b.sort();
            return a == b;
            });
    } else {
        ms = medianMs(ctx.repeat, cherche);
    }
    if (r.tropDeJokers)
        ctx.err << "message: Attention, un seul joker est autorisé." << Qt::endl;
    for (const QString& mot : r.LstAna)
        ctx.out << mot << '\n';
    ctx.out.flush();
    ctx.err << "count: " << r.LstAna.size() << Qt::endl;
    ctx.err << "lookups: " << r.consultations << Qt::endl;
    if (cles)
        ctx.err << "keys_build_ms: " << QString::number(clesMs, 'f', 3) << Qt::endl;
    if (!simple)
        printTime(ctx, ms);
    return 0;
});
}
