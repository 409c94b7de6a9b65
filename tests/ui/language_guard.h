#pragma once

#include "files/language.h"

// Leaves the rest of the executable's tests with the texts as written in the code, whatever
// language a test installed.
struct TLanguageGuard {
    ~TLanguageGuard() { UninstallLanguage(); }
};
