// Lexiparc — GPL-3.0-or-later.
// The small synonym tables of tests/data/synonyms, loaded as the program loads its own.
#pragma once

#include "common/Module.h"
#include "data/Records.h"
#include "data/WordData.h"

#include <QFile>

inline void loadFixtureSyno(WordData& words, Module& module)
{
    for (int rang = 0; rang < 26; ++rang) {
        QFile f(QStringLiteral(LEXIPARC_TEST_DATA "/synonyms/SYNONY") + QChar(u'A' + rang));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        fillSynonymLetter(words, rang, splitRecords(f.readAll()));
        module.NbSyno[size_t(rang)] = qint16(words.TabSyno[size_t(rang)].size());
    }
    words.SynoLoaded = 1;
}
