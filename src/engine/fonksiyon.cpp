#include "engine/fonksiyon.h"

#include "base/catalogue.h"
#include "base/message.h"
#include "engine/arithmetic.h"
#include "engine/compiler.h"
#include "engine/derivative.h"
#include "engine/tokenizer.h"
#include "engine/variable_memory.h"
#include "engine/vocabulary.h"

#include <algorithm>

namespace {
bool isDelimiter(char c)
{
    return c == ' ' || c == '\n' || c == '\r'
        || OperatorCharacters.find(c) != std::string_view::npos;
}
bool sameLetters(char a, char b)
{
    const auto lower
        = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(a) == lower(b);
}
}

int FindToken(std::string_view text, std::string_view token)
{
    if (token.empty() || token.size() > text.size())
        return -1;
    // A run token stands between delimiters; an operator token anywhere.
    const bool run = !isDelimiter(token.front());
    for (std::size_t i = 0; i + token.size() <= text.size(); ++i) {
        bool same = true;
        for (std::size_t k = 0; k < token.size() && same; ++k)
            same = sameLetters(text[i + k], token[k]);
        if (!same)
            continue;
        if (run
            && ((i > 0 && !isDelimiter(text[i - 1]))
                || (i + token.size() < text.size() && !isDelimiter(text[i + token.size()]))))
            continue;
        return static_cast<int>(i);
    }
    return -1;
}

void TFonksiyon::SetText(const std::string& text)
{
    if (FMemory != nullptr)
        FMemory->Clear();
    FText = text;
    Compile(text);
}

void TFonksiyon::Compile(const std::string& text)
{
    if (text.empty()) {
        FCompiled.Clear();
        FProgram.Clear();
        throw EFonksiyonError(FormatText(
            Localized("Fonksiyon olarak herhangibi bir ifade girilmemiş.(Boş fonksiyon girişi.) %s"), ""));
    }
    try {
        const TExpressionArray elements = ResolveSigns(Classify(GlueSigns(Tokenize(text))));
        CheckSyntax(elements);
        TExpressionArray postfix;
        ToPostfix(elements, postfix, FMemory);
        TProgram program;
        program.Build(postfix);
        FCompiled = std::move(postfix);
        FProgram = std::move(program);
    } catch (EFonksiyonError& e) {
        if (FMemory != nullptr)
            FMemory->Clear();
        if (!e.Token().empty() && e.TokenPosition() < 0)
            if (const int at = FindToken(text, e.Token()); at >= 0)
                e.SetTokenPlace(at, static_cast<int>(e.Token().size()));
        throw;
    } catch (...) {
        // A failed compilation leaves the table empty, whatever it had registered.
        if (FMemory != nullptr)
            FMemory->Clear();
        throw;
    }
}

long double TFonksiyon::FunctionEvaluate(std::uint8_t code, long double x)
{
    return arithmetic::function(code, x);
}

long double TFonksiyon::OperatorEvaluate(std::uint8_t code, long double left, long double right)
{
    return arithmetic::operation(code, left, right);
}

std::string TFonksiyon::PostfixText() const
{
    std::string text;
    for (int i = 0; i < FCompiled.Count(); ++i) {
        text += ElementText(FCompiled[i]);
        text += ' ';
    }
    return text;
}

std::string TFonksiyon::InfixText() const { return ::InfixText(Term()); }

TTerm TFonksiyon::Term() const { return TermOf(FCompiled); }

TFonksiyon TFonksiyon::FromTerm(const TTerm& term, TVariableMemory* memory)
{
    TFonksiyon f;
    f.FMemory = memory;
    f.FText = ::InfixText(term);
    AppendPostfix(term, f.FCompiled);
    f.FProgram.Build(f.FCompiled);
    f.RegisterVariables();
    return f;
}

TFonksiyon TFonksiyon::Derivative(std::string_view variable) const
{
    return FromTerm(Differentiate(Term(), variable).Value, FMemory);
}

void TFonksiyon::RegisterVariables()
{
    if (FMemory == nullptr)
        return;
    // Mostly every name is there already (a curve generated again): nothing to make.
    const std::vector<std::string>& names = FProgram.VariableNames();
    int index = 0;
    if (std::all_of(names.begin(), names.end(),
            [&](const std::string& name) { return FMemory->Find(name, index); }))
        return;
    FMemory->AddMissing({ names.begin(), names.end() });
}
