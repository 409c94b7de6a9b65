#pragma once

#include "base/number_text.h"
#include "engine/fonksiyon.h"
#include "engine/variable_memory.h"

#include <gtest/gtest.h>
#include <string>

// Sets the process-wide decimal separator for one test and puts back the point.
struct SeparatorScope {
    explicit SeparatorScope(char c) { SetDecimalSeparator(c); }
    ~SeparatorScope() { SetDecimalSeparator('.'); }
};

// A formula with its own table, as the calculator holds one.
struct Formula {
    TVariableMemory Memory;
    TFonksiyon F;
    explicit Formula(const std::string& text)
    {
        F.SetMemory(&Memory);
        F.SetText(text);
    }
    long double operator()() { return F.Evaluate(); }
};

// The message of the EFonksiyonError that compiling text raises, or "" when it compiles.
inline std::string CompileMessage(const std::string& text)
{
    TVariableMemory memory;
    TFonksiyon f;
    f.SetMemory(&memory);
    try {
        f.SetText(text);
    } catch (const EFonksiyonError& e) {
        return e.Message();
    }
    return "";
}

inline std::string Postfix(const std::string& text)
{
    Formula formula(text);
    return formula.F.PostfixText();
}
