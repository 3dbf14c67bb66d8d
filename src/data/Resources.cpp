// Lexiparc — GPL-3.0-or-later.
#include "data/Resources.h"

#include "common/RuntimeError.h"
#include "data/EmbeddedData.h"
#include "data/Records.h"

namespace {
QByteArray octetsRessource(const QString& type, int id)
{
    const auto bytes = embeddedFile(type.toLatin1().constData());
    if (!bytes)
        throw RuntimeError(326, QStringLiteral("Resource with identifier '%1' (%2) not found").arg(type).arg(id));
    return *bytes;
}
}

QStringList ChargeRessource(const QString& type, int id)
{
    return splitRecords(octetsRessource(type, id));
}

ListeMots ChargeListeMots(const QString& type, int id)
{
    ListeMots l = ListeMots::depuisOctets(octetsRessource(type, id));
    releaseEmbeddedFile(type.toLatin1().constData());  // the list holds its own copy
    return l;
}

void ChargeDico(WordData& data)
{
    data.DicoWords = ChargeListeMots(QStringLiteral("DICO"), 100);
}

void ChargeListeAna(WordData& data)
{
    data.AnaWords = ChargeListeMots(QStringLiteral("ANA"), 99);
}

void ChargeLettreSyno(WordData& data, QChar letter)
{
    const int rank = letter.toUpper().unicode() - u'A';
    if (rank < 0 || rank >= 26)
        throw RuntimeError::subscriptOutOfRange();
    const QString type = QStringLiteral("SYNONY") + QChar(u'A' + rank);
    data.LignesSyno = ChargeRessource(type, 101 + rank);
    fillSynonymLetter(data, rank, data.LignesSyno);
    releaseEmbeddedFile(type.toLatin1().constData());  // the records are copies
}
