// Lexiparc — GPL-3.0-or-later.
#include "data/WordData.h"

#include "common/RuntimeError.h"
#include "common/TextHelpers.h"

void fillSynonymLetter(WordData& data, int letter, const QStringList& records)
{
    if (letter < 0 || letter >= 26)
        throw RuntimeError::subscriptOutOfRange();
    QStringList keys;
    keys.reserve(records.size());
    for (qsizetype i = 0; i < records.size(); ++i) {
        const qsizetype at = records[i].indexOf(u'§');
        if (at < 0)
            throw RuntimeError(
                13, QStringLiteral("Synonym record %1 of letter %2 has no \"§\"").arg(i + 1).arg(QChar(u'A' + letter)));
        if (at > kLongMaxCleSyno)
            throw RuntimeError(9, QStringLiteral("Synonym headword %1 of letter %2 is longer than %3 characters")
                                      .arg(i + 1)
                                      .arg(QChar(u'A' + letter))
                                      .arg(kLongMaxCleSyno));
        keys << SubAccents(records[i].left(at));
    }
    data.TabSyno[size_t(letter)] = records;
    data.TabCleSyno[size_t(letter)] = std::move(keys);
}
