#include "lang/counted_text.h"

#include "lang/format.h"
#include "lang/language.h"

namespace circumvia::lang {

bool TakesSingular(char code, long long count) {
    if (count == 1) return true;
    const bool french = code != 'A' && code != 'E' && code != 'D';  // as LoadText reads it
    return french && count == 0;
}

std::string CountedText(long long count, CountedNoun noun) {
    const int row = TakesSingular(LanguageCode(), count) ? noun.singular : noun.plural;
    return FormatText(Caption(CaptionBase() + row), {std::to_string(count)});
}

}  // namespace circumvia::lang
