#pragma once

#include <string>
#include <string_view>

// Messages are made from a format text with one argument: the first "%s" (or
// "%d") is replaced by the argument; an empty argument leaves the text around it.
std::string FormatText(std::string_view format, std::string_view argument);
std::string FormatText(std::string_view format, long long argument);
