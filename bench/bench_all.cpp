// Lexiparc — GPL-3.0-or-later.
// all: a fixed suite of searches on the shipped data, one row per case.
#include "Bench.h"

#include <QRegularExpression>

namespace {
struct Case {
    const char* command;
    QStringList args;
};

const BenchRegistration reg("all", "all", [](BenchContext& ctx) {
    if (!ctx.args.isEmpty())
        return usage(ctx, "all");
    const QList<Case> cases{
        {"index", {}},
        {"lookup", {"ZYTHUMS"}},
        {"lookup", {"ORDINATEUR"}},
        {"anagram", {"ESTRAGONIEN?", "--min", "2"}},
        {"anagram", {"ESTRAGONIENS", "--min", "2"}},
        {"anagram", {"CHIEN"}},
        {"pattern", {"9", "???????ES"}},
        {"pattern", {"10", "????????ES"}},
        {"synonyms", {"eau"}},
        {"headwords", {"co"}},
        {"near", {"CONTREDISAIENT", "--threshold", "70", "--plusminus"}},
        {"near", {"MAISONS", "--threshold", "70", "--plusminus"}},
        {"cp", {"750"}},
        {"nom", {"ST"}},
    };
    static const QRegularExpression countLine(QStringLiteral("^count: (\\d+)$"), QRegularExpression::MultilineOption);
    static const QRegularExpression timeLine(QStringLiteral("^time_ms: ([0-9.]+)$"),
                                             QRegularExpression::MultilineOption);
    ctx.out << "case\tresults\ttime_ms" << Qt::endl;
    int failures = 0;
    for (const Case& c : cases) {
        QString out, err;
        const QString name = QString::fromLatin1(c.command) + u' ' + c.args.join(u' ');
        const int status = runCommand(QString::fromLatin1(c.command), c.args, ctx.repeat, ctx.words, out, err);
        if (status == -1)
            continue;  // a command this build does not have
        if (status != 0) {
            ++failures;
            ctx.out << name << "\tfailed (" << status << ")\t-" << Qt::endl;
            continue;
        }
        const auto count = countLine.match(err);
        const auto time = timeLine.match(err);
        const qsizetype results = count.hasMatch() ? count.captured(1).toLongLong() : out.count(u'\n');
        ctx.out << name.trimmed() << '\t' << results << '\t'
                << (time.hasMatch() ? time.captured(1) : QStringLiteral("-")) << Qt::endl;
    }
    return failures ? 1 : 0;
});
}
