#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The fixed vocabulary of the formula language, the single source for the
// compiler, the evaluator, the operator palette and the calculator. Codes are
// positions in these tables and are what the compiled form stores.

enum TOperatorCode : std::uint8_t {
    opOpenRound = 0, // (
    opCloseRound = 1, // )
    opOpenSquare = 2, // [
    opCloseSquare = 3, // ]
    opOpenAbs = 4, // [|
    opCloseAbs = 5, // |]
    opFactorial = 6, // !
    opPower = 7, // ^
    opMultiply = 8,
    opDivide = 9,
    opIntDivide = 10, // \ and div
    opModulo = 11, // % and mod
    opAdd = 12,
    opSubtract = 13,
    opNot = 14,
    opAnd = 15,
    opOr = 16,
    opXor = 17,
    opEqual = 18, // == and eq
    opNotEqual = 19, // != and ne
    opLess = 20, // < and lt
    opGreater = 21, // > and gt
    opLessEqual = 22, // <= and le
    opGreaterEqual = 23, // >= and ge
    opAssign = 24, // =
};

enum TFunctionCode : std::uint8_t {
    fnAbs = 0,
    fnAcos, // arccos
    fnArccos,
    fnArccot,
    fnArcsin,
    fnArctan,
    fnAsin, // arcsin
    fnAtan, // arctan
    fnAtn, // arctan
    fnCos,
    fnCosec,
    fnCotan,
    fnExp, // e^x
    fnFact,
    fnLn,
    fnLog,
    fnSec,
    fnSgn,
    fnSin,
    fnSqrt, // x^0.5
    fnTan,
    fnTg,
};

enum TConstantCode : std::uint8_t { cnE = 0, cnPi = 1, cnMinusE = 2, cnMinusPi = 3 };

struct TOperatorInfo {
    std::string_view Symbol;
    std::uint8_t Precedence;
};

struct TWordOperator {
    std::string_view Word;
    std::uint8_t Code;
};

struct TConstantInfo {
    std::string_view Spelling;
    long double Value;
};

inline constexpr std::array<TOperatorInfo, 25> OperatorTable { {
    { "(", 0 },
    { ")", 0 },
    { "[", 0 },
    { "]", 0 },
    { "[|", 0 },
    { "|]", 0 },
    { "!", 0 },
    { "^", 10 },
    { "*", 9 },
    { "/", 9 },
    { "\\", 9 },
    { "%", 8 },
    { "+", 7 },
    { "-", 7 },
    { "not", 5 },
    { "and", 4 },
    { "or", 3 },
    { "xor", 2 },
    { "==", 6 },
    { "!=", 6 },
    { "<", 6 },
    { ">", 6 },
    { "<=", 6 },
    { ">=", 6 },
    { "=", 1 },
} };

inline constexpr std::array<TWordOperator, 8> WordOperatorTable { {
    { "div", opIntDivide },
    { "mod", opModulo },
    { "eq", opEqual },
    { "ne", opNotEqual },
    { "lt", opLess },
    { "gt", opGreater },
    { "le", opLessEqual },
    { "ge", opGreaterEqual },
} };

// e is the 80-bit value nearest to the 15-decimal literal, not the full e; pi
// is pi at full extended precision (mantissa C90FDAA22168C235).
inline constexpr std::array<TConstantInfo, 4> ConstantTable { {
    { "e", 2.71828182845905L },
    { "pi", 0x1.921fb54442d1846ap+1L },
    { "-e", -2.71828182845905L },
    { "-pi", -0x1.921fb54442d1846ap+1L },
} };

// Sorted: names are found by binary search.
inline constexpr std::array<std::string_view, 22> FunctionTable { {
    "abs",
    "acos",
    "arccos",
    "arccot",
    "arcsin",
    "arctan",
    "asin",
    "atan",
    "atn",
    "cos",
    "cosec",
    "cotan",
    "exp",
    "fact",
    "ln",
    "log",
    "sec",
    "sgn",
    "sin",
    "sqrt",
    "tan",
    "tg",
} };

// The characters that end a run of other characters and become operator tokens.
inline constexpr std::string_view OperatorCharacters = "!%()*+-/<=>[\\]^|";

constexpr std::uint8_t Precedence(std::uint8_t operatorCode)
{
    return operatorCode < OperatorTable.size() ? OperatorTable[operatorCode].Precedence : 0;
}

// The brackets: each closer's code follows its opener's.
constexpr bool IsOpener(int operatorCode)
{
    return operatorCode == opOpenRound || operatorCode == opOpenSquare || operatorCode == opOpenAbs;
}
constexpr bool IsCloser(int operatorCode)
{
    return operatorCode == opCloseRound || operatorCode == opCloseSquare
        || operatorCode == opCloseAbs;
}

// The sign rule, for the tokens and for the recognised elements alike: a `+` or
// `-` is a sign (unary) at the start of a formula and after an operator that
// leaves an operand open, which is every operator but the closers and `!`. A
// code of -1 stands for anything that is no operator.
constexpr bool IsSign(int operatorCode)
{
    return operatorCode == opAdd || operatorCode == opSubtract;
}
constexpr bool OpensOperand(int operatorCode)
{
    return operatorCode >= 0 && !IsCloser(operatorCode) && operatorCode != opFactorial;
}

// Recognition of one token (already lower case). Each returns -1 when the token
// is not of that kind.
int FindOperator(std::string_view token); // symbols, then word forms
int FindFunction(std::string_view token); // binary search, letter case ignored
int FindConstant(std::string_view token); // "e" and "pi" only
bool IsVariableName(std::string_view token);

// Variable names are significant up to this many characters.
inline constexpr std::size_t MaxNameLength = 50;
