#pragma once

#include "files/language.h"
#include "ui/platform/help_book.h"

// The pages of the help in language, in the order of the contents (the help book's own
// source; callers use HelpPages()).
QList<THelpPage> BuildHelpPages(TLanguage language);

// Descriptions of the vocabulary in the language installed, one per table entry, for the
// pages that list the formula language.
QString OperatorDescription(int operatorCode);
QString FunctionDescription(int functionCode);
