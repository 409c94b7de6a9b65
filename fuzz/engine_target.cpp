// The formula engine: two formulas compiled into one shared variable table, then
// evaluated with variable values from the input. Every error must be one of the
// program's own exceptions, and a value that comes back must be finite. A formula
// that does not assign must give what checking every step gives: the same value
// or the same message, with sines and cosines kept or not, and generation's way
// (no exception) must keep exactly the samples that give a value.
//
// Input: a byte choosing the decimal separator (odd: comma), formula one up to a
// line break, formula two up to the next, then eight bytes a variable value.

#include "base/exception.h"
#include "base/number_text.h"
#include "engine/fonksiyon.h"
#include "engine/trig_cache.h"
#include "engine/variable_memory.h"
#include "fuzz_target.h"

#include <cmath>
#include <string>

VELMO_FUZZ_TARGET(engine)
{
    fuzz::TInput input(data, size);
    SetDecimalSeparator(input.Byte() & 1 ? ',' : '.');
    const std::string first = input.Text();
    const std::string second = input.Text();

    TVariableMemory memory;
    TFonksiyon formulas[2];
    bool compiled[2] = { false, false };
    const std::string* texts[2] = { &first, &second };
    for (int i = 0; i < 2; ++i) {
        formulas[i].SetMemory(&memory);
        try {
            formulas[i].SetText(*texts[i]);
            compiled[i] = true;
        } catch (const EFonksiyonError&) {
            if (memory.Count() != 0)
                fuzz::Finding("a failed compilation left names in the table");
        }
        if (formulas[i].GetText() != *texts[i])
            fuzz::Finding("the text was not kept");
    }
    for (int i = 0; i < 2; ++i)
        if (compiled[i])
            formulas[i].RegisterVariables();

    // Values as a user could type them: finite, the rest from the input's bytes.
    for (int v = 0; v < memory.Count(); ++v) {
        double value = input.Double();
        if (!std::isfinite(value))
            value = v;
        memory.SetValue(memory.Items(v).Name, value);
    }

    // What a run gives: its value, or the message it raised.
    struct TOutcome {
        long double Value = 0;
        std::string Message;
        bool operator==(const TOutcome& o) const
        {
            return Message == o.Message && (!Message.empty() || Value == o.Value);
        }
    };
    const auto outcome = [](auto run) {
        TOutcome o;
        try {
            o.Value = run();
        } catch (const Exception& e) {
            o.Message = e.Message().empty() ? "?" : e.Message();
        }
        return o;
    };
    for (int i = 0; i < 2; ++i) {
        if (!compiled[i] || texts[i]->empty() || formulas[i].Program().Assigns())
            continue;
        TProgram checked = formulas[i].Program();
        checked.Bind(&memory, nullptr);
        TProgram cached = formulas[i].Program();
        TTrigCache trig;
        cached.Bind(&memory, &trig);
        const TOutcome expected = outcome([&] { return checked.RunChecked(); });
        if (!(outcome([&] { return formulas[i].Evaluate(); }) == expected))
            fuzz::Finding("one look at the result differs from checking every step: " + *texts[i]);
        for (int round = 0; round < 2; ++round)
            if (!(outcome([&] { return cached.RunBound(); }) == expected))
                fuzz::Finding("kept sines and cosines change the outcome: " + *texts[i]);
        long double tried = 0;
        const bool kept = cached.TryRunBound(tried);
        if (kept != expected.Message.empty() || (kept && tried != expected.Value))
            fuzz::Finding("generation keeps another sample: " + *texts[i]);
    }

    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < 2; ++i) {
            if (!compiled[i] || texts[i]->empty())
                continue;
            try {
                const long double result = formulas[i].Evaluate();
                if (!std::isfinite(result))
                    fuzz::Finding("a result that is not a finite number: " + *texts[i]);
            } catch (const Exception&) {
                // Formula and arithmetic errors: the program's own, with a message.
            }
        }
    return 0;
}
