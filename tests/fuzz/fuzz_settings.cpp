// Lexiparc — GPL-3.0-or-later.
// Arbitrary settings files and values: the file's text, load options and colour texts.
#include "common/ColorText.h"
#include "common/Options.h"
#include "platform/IniFile.h"

#include <QString>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)loadOptionFromText(text);
    (void)colorNumber(text);
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)ini::value(file, u"Options", u"ChargeAnag");
    const QByteArray written = ini::withValue(file, u"Options", u"ChargeSyno", u"1");
    if (ini::value(written, u"Options", u"ChargeSyno") != QStringLiteral("1"))
        __builtin_trap();
    return 0;
}
