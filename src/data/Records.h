// Lexiparc — GPL-3.0-or-later.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

#include <cstring>

// Calls f(data, size) for each record of a resource's bytes: the NUL bytes after the last
// record dropped, cut at every CR LF. A final CR LF ends the last record and makes no empty
// record; empty bytes make no record.
template <class F>
void pourChaqueEnreg(QByteArrayView bytes, F&& f)
{
    const char* data = bytes.data();
    qsizetype size = bytes.size();
    while (size > 0 && data[size - 1] == '\0')
        --size;
    if (size == 0)
        return;
    const char* start = data;
    const char* end = data + size;
    bool aucun = true;
    for (const char* p = data; p < end;) {
        const char* cr = static_cast<const char*>(std::memchr(p, '\r', size_t(end - p)));
        if (!cr)
            break;
        if (cr + 1 < end && cr[1] == '\n') {
            f(start, qsizetype(cr - start));
            aucun = false;
            start = cr + 2;
            p = start;
        } else {
            p = cr + 1;
        }
    }
    if (start < end || aucun)
        f(start, qsizetype(end - start));
}

// Cuts the bytes of a resource into its records (pourChaqueEnreg), Windows-1252 to text.
QStringList splitRecords(const QByteArray& bytes);
