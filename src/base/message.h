#pragma once

#include <string>
#include <string_view>

// Messages are made from a format text with one argument: the first "%s" (or
// "%d") is replaced by the argument; an empty argument leaves the text around it.
std::string FormatText(std::string_view format, std::string_view argument);
std::string FormatText(std::string_view format, long long argument);

// A piece of the user's text (a token, a typed number) as a message shows it:
// at most its first 60 characters, then "…" when it is longer, and each control
// character (and each byte that is not UTF-8) as its code, "\x00", never raw.
// Short, plain texts come back as they are.
std::string ShownText(std::string_view text);
