#include "format.h"

namespace circumvia::lang {

std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args) {
    std::string text;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        const char kind = i + 1 < format.size() ? format[i + 1] : '\0';
        if (c == '%' && (kind == 's' || kind == 'd')) {
            if (next != args.end()) text += *next++;  // a missing argument leaves nothing
            ++i;
        } else if (c == '%' && kind == '%') {
            text += '%';
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace circumvia::lang
