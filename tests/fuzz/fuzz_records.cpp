// Lexiparc — GPL-3.0-or-later.
// Arbitrary resource bytes: the record cut and the synonym table fill never crash, and the
// compact word list holds the same records.
#include "common/RuntimeError.h"
#include "data/ListeMots.h"
#include "data/Records.h"
#include "data/WordData.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList records = splitRecords(bytes);
    const ListeMots liste = ListeMots::depuisOctets(bytes);
    if (!(liste == records))
        __builtin_trap();
    for (qsizetype i = 0; i < records.size(); ++i)
        if (liste.indexOf(records[i]) != records.indexOf(records[i]))
            __builtin_trap();
    WordData words;
    try {
        fillSynonymLetter(words, int(size % 26), records);
        if (words.TabCleSyno[size % 26].size() != records.size())
            __builtin_trap();
    } catch (const RuntimeError&) {
    }
    return 0;
}
