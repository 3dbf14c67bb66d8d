// Lexiparc — GPL-3.0-or-later.
#include "data/EmbeddedData.h"

#include <cstring>

std::optional<QByteArray> embeddedFile(const char* name)
{
    for (const EmbeddedFile* f = kEmbeddedFiles; f->name; ++f)
        if (std::strcmp(f->name, name) == 0)
            return QByteArray::fromRawData(f->begin, qsizetype(f->end - f->begin));
    return std::nullopt;
}
