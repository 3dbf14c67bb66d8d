// Lexiparc — GPL-3.0-or-later.
// The definitions-file reader on arbitrary files, sections and keys: it never crashes, and
// reading the file in small blocks gives the same value as the search over the whole content.
#include "common/RuntimeError.h"
#include "tools/dictionary/GetIni.h"

#include <QDir>
#include <QFile>
#include <cstdint>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const qsizetype block = 1 + data[0] % 64;
    const size_t sectionLen = data[1] % 12;
    const size_t keyLen = data[2] % 12;
    size_t at = 3;
    auto take = [&](size_t n) {
        n = std::min(n, size - at);
        const QByteArray b(reinterpret_cast<const char*>(data + at), qsizetype(n));
        at += n;
        return QString::fromLatin1(b);
    };
    const QString section = take(sectionLen);
    const QString key = take(keyLen);
    const QByteArray content(reinterpret_cast<const char*>(data + at), qsizetype(size - at));

    static const QString path = QDir::tempPath() + QStringLiteral("/lexiparc-fuzz-getini-%1.ret").arg(getpid());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    f.write(content);
    f.close();
    try {
        const QString inMemory = valeurIni(content, section, key);
        if (GetIni(path, section, key, block) != inMemory || GetIni(path, section, key) != inMemory)
            __builtin_trap();
    } catch (const RuntimeError&) {
    }
    return 0;
}
