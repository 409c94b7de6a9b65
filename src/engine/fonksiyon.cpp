#include "engine/fonksiyon.h"

#include "base/message.h"
#include "engine/arithmetic.h"
#include "engine/compiler.h"
#include "engine/tokenizer.h"
#include "engine/variable_memory.h"

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
            "Fonksiyon olarak herhangibi bir ifade girilmemiş.(Boş fonksiyon girişi.) %s", ""));
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

void TFonksiyon::RegisterVariables()
{
    if (FMemory == nullptr)
        return;
    FMemory->AddMissing({ FProgram.VariableNames().begin(), FProgram.VariableNames().end() });
}
