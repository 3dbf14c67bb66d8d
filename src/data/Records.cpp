// Lexiparc — GPL-3.0-or-later.
#include "data/Records.h"

#include "common/TextHelpers.h"

#include <cstring>

QStringList splitRecords(const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype size = bytes.size();
    while (size > 0 && data[size - 1] == '\0')
        --size;
    QStringList records;
    if (size == 0)
        return records;
    // One pass: count the records, then cut each straight from the bytes.
    qsizetype count = 1;
    for (const char* p = data; (p = static_cast<const char*>(std::memchr(p, '\r', size_t(data + size - p))));) {
        if (p + 1 < data + size && p[1] == '\n')
            ++count;
        ++p;
    }
    records.reserve(count);
    const char* start = data;
    const char* end = data + size;
    for (const char* p = data; p < end;) {
        const char* cr = static_cast<const char*>(std::memchr(p, '\r', size_t(end - p)));
        if (!cr)
            break;
        if (cr + 1 < end && cr[1] == '\n') {
            records.append(fromWindows1252(start, cr - start));
            start = cr + 2;
            p = start;
        } else {
            p = cr + 1;
        }
    }
    // The last record; a final CR LF leaves none.
    if (start < end || records.isEmpty())
        records.append(fromWindows1252(start, end - start));
    return records;
}
