// Lexiparc — GPL-3.0-or-later.
// The anagram search over the shipped index on arbitrary texts of 0 to 12 characters: it
// never crashes, both lookup paths agree, and every listed word is spelled from the letters.
#include "data/Resources.h"
#include "tools/anagrams/RechercheAnagrammes.h"
#include "tools/anagrams/ClesAnagrammes.h"

#include <cstdint>

namespace {
WordData& built()
{
    static WordData words;
    ChargeListeAna(words);
    words.Anagrammes.IndexeAnagrammes(words.AnaWords);
    return words;
}
struct Shipped {
    WordData& words = built();
    ClesAnagrammes cles{words.Anagrammes};
};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Shipped shipped;
    if (size < 2)
        return 0;
    const int min = data[0] % 16;
    const QString must = data[1] % 3 ? QString() : QString(QChar(u'A' + data[1] % 26));
    QString text;
    for (size_t i = 2; i < size && text.size() < 12; ++i) {
        const uint8_t b = data[i];
        // Mostly letters, some jokers, and now and then any character.
        text += b < 200 ? QChar(u'A' + b % 26) : (b < 230 ? QChar(u'?') : QChar(b));
    }
    const ResultatAnagrammes viaKeys = ChercheAnagrammesTousMots(shipped.words.Anagrammes, text, min, must,
                                                                 &shipped.cles);
    const ResultatAnagrammes viaSlots = ChercheAnagrammesTousMots(shipped.words.Anagrammes, text, min, must);
    if (viaKeys.LstAna != viaSlots.LstAna || viaKeys.tropDeJokers != viaSlots.tropDeJokers)
        __builtin_trap();
    // Each word uses the letters at most as often as the text holds them, the joker once.
    int have[26] = {};
    int jokers = 0;
    for (QChar c : text.left(12).toUpper()) {
        if (c == u'?')
            ++jokers;
        else if (c >= u'A' && c <= u'Z')
            ++have[c.unicode() - u'A'];
    }
    for (const QString& w : viaKeys.LstAna) {
        int need[26] = {};
        int extra = 0;
        for (QChar c : w)
            if (++need[c.unicode() - u'A'] > have[c.unicode() - u'A'])
                ++extra;
        if (extra > jokers || extra > 1)
            __builtin_trap();
    }
    return 0;
}
