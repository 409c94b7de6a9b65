#pragma once

#include "ui/platform/help_book.h"

#include <initializer_list>
#include <span>
#include <string_view>

// The pieces both languages' help pages are made of. The pages of each language are whole
// pages of their own (help_pages.cpp, help_pages_en.cpp), linked by the same names.
namespace HelpPageParts {

QString u(const char* text);
QString html(const char* body);
THelpPage page(
    const char* id, int context, const char* title, const char* keywords, const QString& body);

// descriptions[code], empty outside the table.
QString Described(std::span<const char* const> descriptions, int code);
// The vocabulary's tables: one row per operator (symbol, word form, description, precedence)
// or function, under the headings given.
QString OperatorTableHtml(std::span<const char* const> descriptions, const char* symbol,
    const char* word, const char* operation, const char* precedence);
QString FunctionTableHtml(
    std::span<const char* const> descriptions, const char* function, const char* computes);
// The table of coordinate systems from the curve types' table, one row a type: its help
// caption (in English from the catalogue when english), each free variable's range
// ("x: −10 <through> 10"), what the user writes and the point, under the headings given.
QString CurveTypeTableHtml(std::initializer_list<const char*> headings, const char* through,
    bool english);
// A list of links to pages, for the contents page.
QString ContentsLinks(const QList<THelpPage>& pages);

}

QList<THelpPage> BuildTurkishHelpPages();
QList<THelpPage> BuildEnglishHelpPages();
QString EnglishOperatorDescription(int operatorCode);
QString EnglishFunctionDescription(int functionCode);
