#pragma once

#include "base/exception.h"

#include <string>

// Every error a formula raises while it is compiled or evaluated, with the
// Turkish message the user sees. A compilation error may also say where the
// token its message names stands in the formula text, and the curve list says
// which of a curve's formulas (fx, fy, fz) was at fault, so that a window can
// point at it.
class EFonksiyonError : public Exception {
public:
    using Exception::Exception;
    EFonksiyonError(std::string message, std::string token)
        : Exception(std::move(message))
        , FToken(std::move(token))
    {
    }

    // The token the message names, lower-cased as the tokenizer gives it; empty
    // when the message names no single token.
    const std::string& Token() const { return FToken; }
    // Byte offset and length of that token in the formula text; -1 when unknown.
    int TokenPosition() const { return FTokenPosition; }
    int TokenLength() const { return FTokenLength; }
    void SetTokenPlace(int position, int length)
    {
        FTokenPosition = position;
        FTokenLength = length;
    }
    // 0 for fx, 1 for fy, 2 for fz; -1 outside a curve.
    int Formula() const { return FFormula; }
    void SetFormula(int formula) { FFormula = formula; }

private:
    std::string FToken;
    int FTokenPosition = -1;
    int FTokenLength = 0;
    int FFormula = -1;
};
