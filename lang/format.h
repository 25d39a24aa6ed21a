#pragma once
// Fills a message's "%s" and "%d" placeholders in order. Numbers are passed already
// written out, so one function serves both kinds; "%%" gives a single "%".

#include <initializer_list>
#include <string>
#include <string_view>

namespace circumvia::lang {

std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args);

}  // namespace circumvia::lang
