// Lexiparc — GPL-3.0-or-later.
// Arbitrary settings values: load options and colour texts.
#include "common/ColorText.h"
#include "common/Options.h"

#include <QString>
#include <cstdint>



extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)loadOptionFromText(text);
    (void)colorNumber(text);
    return 0;
}
