// Lexiparc — GPL-3.0-or-later.
#pragma once

#include "data/WordData.h"

#include <QStringList>
#include <QTextStream>
#include <functional>

// One subcommand of the benchmark: results on standard output exactly as the window shows
// them, figures on standard error as "name: value" lines.
struct BenchContext {
    QStringList args;  // the subcommand's own arguments
    int repeat = 1;    // --repeat N
    QTextStream& out;
    QTextStream& err;
    WordData& words;
};

using BenchCommand = std::function<int(BenchContext&)>;

// Registers a subcommand; its file holds a static BenchRegistration.
struct BenchRegistration {
    BenchRegistration(const char* name, const char* usage, BenchCommand command);
};

// Runs `work` ctx.repeat times and returns the median time in milliseconds.
double medianMs(int repeat, const std::function<void()>& work);
// Prints "time_ms: X".
void printTime(BenchContext& ctx, double ms);
// --plain: runs the program's work and a straightforward scan over the same data in alternate
// rounds (ctx.repeat each), then prints "time_ms" (the program's median), "plain_ms" (the
// scan's median), "ratio" (the first over the second) and "plain_same" (1 when `same` says
// that both found the same results, order aside).
void printAgainstPlain(BenchContext& ctx, const std::function<void()>& ours, const std::function<void()>& plain,
                       const std::function<bool()>& same);
// Loads what the loading screen loads: the dictionary, the 2-to-12-letter list and its index,
// and the synonyms (each part on request).
void loadWords(WordData& words, bool anagrams, bool index, bool synonyms);
// Runs a registered subcommand with its output captured; -1 when no such command exists.
int runCommand(const QString& name, const QStringList& args, int repeat, WordData& words, QString& out, QString& err);
// Prints the usage of a subcommand on standard error and returns 2.
int usage(BenchContext& ctx, const char* name);
