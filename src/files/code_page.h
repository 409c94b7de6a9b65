#pragma once

#include <string>
#include <string_view>

// The settings file keeps its section and key names in the Turkish Windows code
// page (Windows-1254); the program holds them in UTF-8. A character the code page
// lacks, or a malformed UTF-8 sequence, becomes "?" as Windows' own conversion
// does; a byte the code page leaves undefined becomes U+FFFD.
std::string Utf8ToCp1254(std::string_view text);
std::string Cp1254ToUtf8(std::string_view text);
