#pragma once

#include "engine/expression_array.h"
#include "engine/fonksiyon_error.h"
#include "engine/program.h"
#include "engine/term.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TVariableMemory;

// Where token (as the tokenizer gives it, lower-cased) first stands in a formula
// text, as a byte offset; a name or number only as a whole run between delimiters.
// -1 when it does not.
int FindToken(std::string_view text, std::string_view token);

// A formula compiled to postfix; evaluated once per curve point.
//
// Memory is attached by the owner and not owned; several formulas may share
// one table, and every SetText empties it before registering its own names.
class TFonksiyon {
public:
    TVariableMemory* Memory() const { return FMemory; }
    void SetMemory(TVariableMemory* memory) { FMemory = memory; }

    // Clears Memory, takes the text and compiles it. On an EFonksiyonError the
    // text is kept, the previous compiled form stays (only the empty text
    // clears it) and Memory stays empty.
    void SetText(const std::string& text);
    const std::string& GetText() const { return FText; }

    // Runs the compiled form. Raises EFonksiyonError (operand errors) or an
    // EMathError (division by zero, invalid operation, overflow); afterwards
    // the formula can be evaluated again. Allocates nothing.
    long double Evaluate() { return FProgram.Run(FMemory); }

    static long double FunctionEvaluate(std::uint8_t code, long double x);
    static long double OperatorEvaluate(std::uint8_t code, long double left, long double right);

    // The compiled form, each element followed by one space: "x 2 ^ 1 + ".
    std::string PostfixText() const;
    // The compiled form as formula text, with as few brackets as the precedences
    // allow; compiling it gives the same postfix form. An assignment is read
    // through: the text computes the formula's value without writing.
    std::string InfixText() const;
    // The compiled form as a tree, and a formula made from one: its text is the
    // tree's infix text, its names are added to memory, which is not cleared.
    TTerm Term() const;
    static TFonksiyon FromTerm(const TTerm& term, TVariableMemory* memory);
    // The derivative with respect to variable (letter case ignored), a formula
    // of the same language bound to the same Memory.
    TFonksiyon Derivative(std::string_view variable) const;
    const TExpressionArray& Compiled() const { return FCompiled; }
    // The executable form, for a generation that runs its own bound copies.
    const TProgram& Program() const { return FProgram; }

    // The variables the compiled formula uses, in the order they first appear.
    const std::vector<std::string>& VariableNames() const { return FProgram.VariableNames(); }
    // Adds to Memory those of VariableNames that it lacks (value 0), so that
    // formulas sharing a table all see their names whichever was compiled last.
    void RegisterVariables();

private:
    void Compile(const std::string& text);

    TVariableMemory* FMemory = nullptr;
    std::string FText;
    TExpressionArray FCompiled;
    TProgram FProgram;
};
