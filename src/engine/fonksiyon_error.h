#pragma once

#include "base/exception.h"

// Every error a formula raises while it is compiled or evaluated, with the
// Turkish message the user sees.
class EFonksiyonError : public Exception {
public:
    using Exception::Exception;
};
