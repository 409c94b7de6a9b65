#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// The model layers' own texts (the formula engine's and the curves' messages, the curve
// types' captions) in the language the program speaks. They are written in Turkish in the
// code, as they always were; the catalogue holds an English form for each, keyed by the
// Turkish text. The windows and the commands set the language once at start.
enum class TTextLanguage : unsigned char { Turkish, English };

void SetTextLanguage(TTextLanguage language);
TTextLanguage TextLanguage();

// turkish in the language set: the text itself in Turkish, its English form in English (the
// text itself when the catalogue has none). The result lives as long as the program.
const char* Localized(const char* turkish);
// The English form of turkish, null when the catalogue has none.
const char* EnglishOf(std::string_view turkish);

// Every Turkish text with its English form.
struct TCatalogueEntry {
    const char* Turkish;
    const char* English;
};
std::span<const TCatalogueEntry> CatalogueEntries();

// format with "%1" ... "%9" replaced by the arguments in that order, so that a translation
// may put them where its language wants them; a number with no argument stays as it is.
std::string FormatArguments(
    std::string_view format, std::initializer_list<std::string_view> arguments);
