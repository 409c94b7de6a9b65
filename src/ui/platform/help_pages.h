#pragma once

#include "ui/platform/help_book.h"

// The pages of the help, in the order of the contents (the help book's own
// source; callers use HelpPages()).
QList<THelpPage> BuildHelpPages();

// Turkish descriptions of the vocabulary, one per table entry, for the pages
// that list the formula language.
QString OperatorDescription(int operatorCode);
QString FunctionDescription(int functionCode);
