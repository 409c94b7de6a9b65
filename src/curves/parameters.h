#pragma once

#include <string>
#include <string_view>
#include <vector>

class TFonksiyon;

// A name of a curve's formulas that the user sets rather than the curve: neither
// a free variable of its type nor written by an `=` in any of its formulas. One
// value serves every curve of a scene that uses the name; the slider that sets
// it runs over Min..Max by Step.
struct TParameter {
    std::string Name;
    long double Value = 0;
    long double Min = -10;
    long double Max = 10;
    long double Step = 0.1L;

    bool operator==(const TParameter&) const = default;
};

// The positions a parameter's slider takes: 0..Steps(), position k standing for
// Min + k * Step as the value field prints it (15 significant digits), so that
// a position and the typed number it shows are the same value. A range of more
// than MaxSteps steps is walked in MaxSteps equal steps.
class TParameterScale {
public:
    static constexpr int MaxSteps = 100000;
    explicit TParameterScale(const TParameter& p);
    int Steps() const { return FSteps; }
    long double ValueAt(int position) const;
    // The nearest position, within 0..Steps().
    int PositionOf(long double value) const;

private:
    long double FMin, FStep;
    int FSteps;
    long double FQuantum;
};

// One tick of play: the next position from position, moving by direction (+1 or
// -1), which turns at either end of 0..steps.
int BouncedPosition(int position, int& direction, int steps);

// Whether name is a free variable of the curve type (letter case aside).
bool IsFreeVariable(int curveType, std::string_view name);

// The names of a curve's formulas (any of them may be null) that are neither
// free variables of its type nor assigned with `=` in any of them: each once,
// lower-cased, in the order they first appear in fx, fy, fz.
std::vector<std::string> ParameterNames(
    int curveType, const TFonksiyon* fx, const TFonksiyon* fy, const TFonksiyon* fz);
// Whether name, used by one of the formulas, is such a parameter.
bool IsParameterName(int curveType, std::string_view name, const TFonksiyon* fx,
    const TFonksiyon* fy, const TFonksiyon* fz);

class TParameters;
// "k = 2; m = 0.5": the values of the named parameters in the number form of
// fields and tables (the user's decimal separator, 15 significant digits).
std::string ParameterValuesText(const TParameters& parameters, const std::vector<std::string>& names);

// The parameters of a scene, sorted by name.
class TParameters {
public:
    const std::vector<TParameter>& Items() const { return FItems; }
    int Count() const { return static_cast<int>(FItems.size()); }
    bool Empty() const { return FItems.empty(); }
    const TParameter* Find(std::string_view name) const;
    TParameter* Find(std::string_view name);
    // The value of name, 0 when there is no such parameter.
    long double ValueOf(std::string_view name) const;
    // Makes the set hold exactly names: those it has keep their settings, new
    // ones start with the settings first gives their name (letter case aside) or
    // at the defaults, the others are forgotten.
    void Keep(const std::vector<std::string>& names, const std::vector<TParameter>& first = {});

    bool operator==(const TParameters&) const = default;

private:
    std::vector<TParameter> FItems;
};
