// Lexiparc — GPL-3.0-or-later.
#include "data/EmbeddedData.h"

#include <cstdint>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

std::optional<QByteArray> embeddedFile(const char* name)
{
    for (const EmbeddedFile* f = kEmbeddedFiles; f->name; ++f)
        if (std::strcmp(f->name, name) == 0)
            return QByteArray::fromRawData(f->begin, qsizetype(f->end - f->begin));
    return std::nullopt;
}

void releaseEmbeddedFile(const char* name)
{
#if defined(__linux__)
    for (const EmbeddedFile* f = kEmbeddedFiles; f->name; ++f) {
        if (std::strcmp(f->name, name) != 0)
            continue;
        // Only the whole pages inside the file: its neighbours share the pages at its ends.
        const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
        const std::uintptr_t debut = (std::uintptr_t(f->begin) + page - 1) / page * page;
        const std::uintptr_t fin = std::uintptr_t(f->end) / page * page;
        if (fin > debut)
            madvise(reinterpret_cast<void*>(debut), fin - debut, MADV_DONTNEED);
        return;
    }
#else
    (void)name;
#endif
}
