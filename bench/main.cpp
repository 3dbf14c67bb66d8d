// Lexiparc — GPL-3.0-or-later.
// lexiparc-bench: runs the program's searches on the shipped data and times them.
#include "Bench.h"

#include "data/Resources.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <map>
#include <vector>

namespace {
struct Entry {
    const char* usage;
    BenchCommand command;
};
std::map<QString, Entry>& registry()
{
    static std::map<QString, Entry> r;
    return r;
}
}

BenchRegistration::BenchRegistration(const char* name, const char* usage, BenchCommand command)
{
    registry()[QString::fromLatin1(name)] = Entry{usage, std::move(command)};
}

double medianMs(int repeat, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < std::max(1, repeat); ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void printTime(BenchContext& ctx, double ms)
{
    ctx.err << "time_ms: " << QString::number(ms, 'f', 3) << Qt::endl;
}

void printAgainstPlain(BenchContext& ctx, const std::function<void()>& ours, const std::function<void()>& plain,
                       const std::function<bool()>& same)
{
    std::vector<double> a, b;
    for (int i = 0; i < std::max(1, ctx.repeat); ++i) {
        QElapsedTimer t;
        t.start();
        ours();
        a.push_back(double(t.nsecsElapsed()) / 1e6);
        t.restart();
        plain();
        b.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    const double ms = a[a.size() / 2];
    const double plainMs = b[b.size() / 2];
    printTime(ctx, ms);
    ctx.err << "plain_ms: " << QString::number(plainMs, 'f', 3) << Qt::endl;
    ctx.err << "ratio: " << QString::number(plainMs > 0 ? ms / plainMs : 0.0, 'f', 2) << Qt::endl;
    ctx.err << "plain_same: " << (same() ? 1 : 0) << Qt::endl;
}

void loadWords(WordData& words, bool anagrams, bool index, bool synonyms)
{
    if (words.DicoWords.isEmpty())
        ChargeDico(words);
    if (anagrams && words.AnaWords.isEmpty())
        ChargeListeAna(words);
    if (index && !words.Anagrammes.built())
        words.Anagrammes.IndexeAnagrammes(words.AnaWords);
    if (synonyms && words.TabSyno[0].isEmpty())
        for (char16_t l = u'A'; l <= u'Z'; ++l)
            ChargeLettreSyno(words, QChar(l));
}

int runCommand(const QString& name, const QStringList& args, int repeat, WordData& words, QString& out, QString& err)
{
    const auto it = registry().find(name);
    if (it == registry().end())
        return -1;
    QTextStream o(&out);
    QTextStream e(&err);
    BenchContext ctx{args, repeat, o, e, words};
    const int status = it->second.command(ctx);
    o.flush();
    e.flush();
    return status;
}

int usage(BenchContext& ctx, const char* name)
{
    const auto it = registry().find(QString::fromLatin1(name));
    ctx.err << "usage: lexiparc-bench [--repeat N] " << (it != registry().end() ? it->second.usage : name) << Qt::endl;
    return 2;
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    QStringList args = app.arguments().mid(1);
    int repeat = 1;
    if (args.size() >= 2 && args[0] == QLatin1String("--repeat")) {
        repeat = args[1].toInt();
        args = args.mid(2);
    }
    const auto it = args.isEmpty() ? registry().end() : registry().find(args[0]);
    if (it == registry().end() || repeat < 1) {
        err << "usage: lexiparc-bench [--repeat N] COMMAND ARGS; commands:";
        for (const auto& [name, entry] : registry())
            err << "\n  " << entry.usage;
        err << Qt::endl;
        return 2;
    }
    WordData words;
    BenchContext ctx{args.mid(1), repeat, out, err, words};
    try {
        return it->second.command(ctx);
    } catch (const std::exception& e) {
        err << "error: " << e.what() << Qt::endl;
        return 1;
    }
}
