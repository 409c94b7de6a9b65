#include "curves/object_list.h"

#include "base/catalogue.h"
#include "base/growth.h"
#include "base/message.h"
#include "base/number_text.h"
#include "base/text.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
constexpr const char* IndexMessage = "List index out of bounds (%d)";
constexpr const char* DuplicateMessage = "Bu eğri daha önce tanımlanmıştır (%d)";
constexpr const char* TypeMessage = "Bilinmeyen eğri tipi (%d)";

// Marks the generations made while it lives as put-backs.
class TPuttingBack {
public:
    explicit TPuttingBack(bool& flag)
        : FFlag(flag)
        , FWas(flag)
    {
        FFlag = true;
    }
    ~TPuttingBack() { FFlag = FWas; }
    TPuttingBack(const TPuttingBack&) = delete;
    TPuttingBack& operator=(const TPuttingBack&) = delete;

private:
    bool& FFlag;
    bool FWas;
};

// A put-back as its progress sees it: begun as one, and never stopped.
class TPutBackProgress final : public TGenerationProgress {
public:
    explicit TPutBackProgress(TGenerationProgress* told)
        : FTold(told)
    {
    }
    void Begin() override { FTold->BeginPutBack(); }
    bool Continue(long long done, long long total) override
    {
        FTold->Continue(done, total);
        return true;
    }
    void End() override { FTold->End(); }

private:
    TGenerationProgress* FTold;
};
constexpr const char* InvalidStepMessage
    = "Nokta aralığı geçersiz (%s): sıfırdan büyük bir sayı olmalıdır";
constexpr const char* SmallStepMessage
    = "Nokta aralığı çok küçük (%s): bir eğri en çok 10000000 noktadan oluşabilir";

const std::string& textOf(const std::unique_ptr<TFonksiyon>& formula) { return formula->GetText(); }
}

void TObjectList::CheckType(int curveType)
{
    if (!IsCurveType(curveType))
        throw EObjectListError(FormatText(Localized(TypeMessage), curveType));
}

std::vector<std::string> TObjectList::parameterNamesOf(int curveType, const TFormulas& formulas)
{
    return ParameterNames(
        curveType, formulas.Fx.get(), formulas.Fy.get(), formulas.Fz.get());
}

void TObjectList::SyncParameters()
{
    std::vector<std::string> names;
    for (const TCurve& curve : FItems)
        names.insert(names.end(), curve.Parameters.begin(), curve.Parameters.end());
    FParameters.Keep(names, FExpected);
}

long double TObjectList::ParameterValue(std::string_view name) const
{
    if (const TParameter* own = FParameters.Find(name))
        return own->Value;
    for (const TParameter& p : FExpected)
        if (CompareTextNoCase(p.Name, name) == 0)
            return p.Value;
    return 0;
}

bool TObjectList::UsesParameter(int index, std::string_view name) const
{
    for (const std::string& own : CurveParameters(index))
        if (CompareTextNoCase(own, name) == 0)
            return true;
    return false;
}

void TObjectList::PutParameterValues(int curveType, const TFormulas& formulas)
{
    const TFonksiyon* fx = formulas.Fx.get();
    const TFonksiyon* fy = formulas.Fy.get();
    const TFonksiyon* fz = formulas.Fz.get();
    for (const TFonksiyon* f : { fx, fy, fz })
        if (f != nullptr)
            for (const std::string& name : f->VariableNames())
                if (IsParameterName(curveType, name, fx, fy, fz))
                    FVariables->SetValue(name, ParameterValue(name));
}

int TObjectList::ApplyParameters(const std::vector<TParameter>& given)
{
    if (FGenerating)
        throw EGenerationStopped();
    FBefore = FParameters;
    std::vector<TParameter> expected;
    expected.swap(FExpected);
    FChanged.clear();
    for (const TParameter& p : given) {
        TParameter* own = FParameters.Find(p.Name);
        if (own == nullptr)
            continue;
        // A value left as it was regenerates nothing.
        if (!(own->Value == p.Value) || std::signbit(own->Value) != std::signbit(p.Value))
            FChanged.push_back(own->Name);
        own->Value = p.Value;
        own->Min = p.Min;
        own->Max = p.Max;
        own->Step = p.Step;
    }
    FUsers.clear();
    for (int i = 0; i < Count(); ++i)
        if (std::any_of(FChanged.begin(), FChanged.end(),
                [&](const std::string& name) { return UsesParameter(i, name); }))
            FUsers.push_back(i);
    std::size_t generated = 0;
    try {
        for (; generated < FUsers.size(); ++generated) {
            GenerateInPlace(FUsers[generated], true);
        }
    } catch (...) {
        // The curves written so far, the one stopped among them, are generated again
        // at the settings before: the same walk at the same values gives the same
        // points, and the list needs no second copy of them.
        FParameters = FBefore;
        FExpected = std::move(expected);
        const TPuttingBack putBack(FPuttingBack);
        for (std::size_t i = 0; i <= generated && i < FUsers.size(); ++i)
            GeneratePoints(FUsers[i]);
        throw;
    }
    return static_cast<int>(generated);
}

int TObjectList::SetParameterValue(std::string_view name, long double value)
{
    // The room below is the running change's while one runs.
    if (FGenerating)
        throw EGenerationStopped();
    const TParameter* own = FParameters.Find(name);
    if (own == nullptr)
        return 0;
    FGiven.assign(1, *own);
    FGiven[0].Value = value;
    return ApplyParameters(FGiven);
}

TObjectList::TObjectList()
    : FVariables(std::make_unique<TVariableMemory>())
{
}

TObjectList::~TObjectList() { Clear(); }

void TObjectList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw EObjectListError(FormatText(IndexMessage, index));
}

TCurveRecord TObjectList::Items(int index) const
{
    CheckIndex(index);
    const TCurve& c = FItems[static_cast<std::size_t>(index)];
    TCurveRecord record;
    record.Fx = c.Formulas.Fx.get();
    record.Fy = c.Formulas.Fy.get();
    record.Fz = c.Formulas.Fz.get();
    record.Points = c.Points.get();
    record.Color = c.Color;
    record.CurveType = c.CurveType;
    record.Thickness = c.Thickness;
    record.Visible = c.Visible;
    record.Style = c.Style;
    record.Step = c.Step;
    return record;
}

bool TObjectList::SameTexts(const TCurve& curve, int curveType, const std::string& fxText,
    const std::string& fyText, const std::string& fzText) const
{
    return curve.CurveType == curveType
        && (!UsesFx(curveType) || textOf(curve.Formulas.Fx) == fxText)
        && (!UsesFy(curveType) || textOf(curve.Formulas.Fy) == fyText)
        && (!UsesFz(curveType) || textOf(curve.Formulas.Fz) == fzText);
}

bool TObjectList::FindCurve(int curveType, const std::string& fxText, const std::string& fyText,
    const std::string& fzText, int& index) const
{
    for (index = 0; index < Count(); ++index)
        if (SameTexts(FItems[static_cast<std::size_t>(index)], curveType, fxText, fyText, fzText))
            return true;
    return false;
}

void TObjectList::CheckDuplicate(int curveType, const std::string& fxText,
    const std::string& fyText, const std::string& fzText) const
{
    int found = 0;
    if (FindCurve(curveType, fxText, fyText, fzText, found))
        throw EObjectListError(FormatText(Localized(DuplicateMessage), found));
}

// The formulas are made in the order fx, fy, fz; should one of them be faulty,
// those made before it are freed with the unfinished result.
TObjectList::TFormulas TObjectList::Compile(
    int curveType, const std::string& fxText, const std::string& fyText, const std::string& fzText)
{
    // A faulty formula's error says which of the three it was.
    const auto make = [this](const std::string& text, int which) {
        auto formula = std::make_unique<TFonksiyon>();
        formula->SetMemory(FVariables.get());
        try {
            formula->SetText(text);
        } catch (EFonksiyonError& e) {
            e.SetFormula(which);
            throw;
        }
        return formula;
    };
    TFormulas formulas;
    if (UsesFx(curveType))
        formulas.Fx = make(fxText, 0);
    if (UsesFy(curveType))
        formulas.Fy = make(fyText, 1);
    if (UsesFz(curveType))
        formulas.Fz = make(fzText, 2);
    return formulas;
}

int TObjectList::Append(int curveType, const std::string& fxText, const std::string& fyText,
    const std::string& fzText, TColor color, std::uint8_t style, std::int32_t thickness,
    long double step, bool visible)
{
    CheckType(curveType);
    CheckStep(curveType, step);
    CheckDuplicate(curveType, fxText, fyText, fzText);
    TCurve curve { Compile(curveType, fxText, fyText, fzText), std::make_unique<TGoruntuMatrisi>(),
        color, static_cast<std::uint8_t>(curveType), thickness, visible, style, step, {}, {} };
    curve.Parameters = parameterNamesOf(curveType, curve.Formulas);
    Generate(curveType, curve.Formulas, step, *curve.Points, true);

    if (Count() == FCapacity) {
        const int capacity = GrownCapacity(FCapacity);
        FItems.reserve(static_cast<std::size_t>(capacity));
        FCapacity = capacity;
    }
    FItems.push_back(std::move(curve));
    SyncParameters();
    return Count() - 1;
}

void TObjectList::Edit(int index, int curveType, const std::string& fxText,
    const std::string& fyText, const std::string& fzText, TColor color, std::uint8_t style,
    std::int32_t thickness, long double step, bool visible)
{
    TCurve& curve = FItems[static_cast<std::size_t>(index)];
    if (SameTexts(curve, curveType, fxText, fyText, fzText)) {
        // Only the attributes change; the points are generated again for a new step
        // only, and projected again when a hidden curve (skipped by redraws) shows.
        const bool newStep = !(step == curve.Step);
        if (newStep) {
            CheckStep(curveType, step);
            if (step > curve.Step) {
                // Fewer samples fit the room the curve has: sampled in its own points, as a
                // second list would hold a large curve twice. Should the generation fail or
                // be stopped, the old step walked again gives the old points.
                try {
                    Generate(curveType, curve.Formulas, step, *curve.Points, true);
                } catch (...) {
                    const TPuttingBack putBack(FPuttingBack);
                    Generate(curveType, curve.Formulas, curve.Step, *curve.Points, false);
                    throw;
                }
            } else {
                // More samples need a larger room: a stopped generation leaves the list's
                // own as it was.
                TGoruntuMatrisi points;
                Generate(curveType, curve.Formulas, step, points, true);
                curve.Points->Swap(points);
            }
            curve.Step = step;
            curve.Memo.reset();
        } else if (!curve.Visible && visible && FMatrix)
            curve.Points->Project(*FMatrix);
        curve.Color = color;
        curve.Thickness = thickness;
        curve.Style = style;
        curve.Visible = visible;
        return;
    }

    CheckType(curveType);
    CheckStep(curveType, step);
    CheckDuplicate(curveType, fxText, fyText, fzText);
    TFormulas formulas = Compile(curveType, fxText, fyText, fzText);
    std::vector<std::string> parameters = parameterNamesOf(curveType, formulas);
    TGoruntuMatrisi points;
    Generate(curveType, formulas, step, points, true);
    // Nothing below raises: the curve changes as a whole or not at all.
    curve.Formulas = std::move(formulas);
    curve.Parameters = std::move(parameters);
    curve.Memo.reset();
    curve.CurveType = static_cast<std::uint8_t>(curveType);
    curve.Points->Swap(points);
    curve.Color = color;
    curve.Thickness = thickness;
    curve.Style = style;
    curve.Step = step;
    curve.Visible = visible;
    SyncParameters();
}

void TObjectList::Delete(int index)
{
    CheckIndex(index);
    FItems.erase(FItems.begin() + index);
    SyncParameters();
}

void TObjectList::Clear()
{
    FItems = std::vector<TCurve>();
    FCapacity = 0;
    FExpected.clear();
    FParameters.Keep({});
}

void TObjectList::SetAllStyles(std::uint8_t style)
{
    for (TCurve& curve : FItems)
        curve.Style = style;
}

void TObjectList::GeneratePoints(int index) { GenerateInPlace(index, false); }

void TObjectList::GenerateInPlace(int index, bool stoppable)
{
    TCurve& curve = FItems[static_cast<std::size_t>(index)];
    // A curve with parameters is generated again mostly because one moved.
    if (!FKeepParts)
        curve.Memo.reset();
    else if (!curve.Memo && !curve.Parameters.empty())
        curve.Memo = std::make_unique<TCurveMemo>();
    Generate(curve.CurveType, curve.Formulas, curve.Step, *curve.Points, stoppable,
        curve.Memo.get());
}

long double TObjectList::SampleCount(int curveType, long double step)
{
    CheckType(curveType);
    return TCurveSampler::SampleCount(curveType, step, MaxCurvePoints);
}

void TObjectList::CheckStep(int curveType, long double step)
{
    CheckType(curveType);
    if (!(step > 0) || !std::isfinite(step))
        throw EObjectListError(FormatText(Localized(InvalidStepMessage), FloatToText(step)));
    if (TCurveSampler::Exceeds(curveType, step, MaxCurvePoints))
        throw EObjectListError(FormatText(Localized(SmallStepMessage), FloatToText(step)));
}

void TObjectList::Generate(int curveType, const TFormulas& formulas, long double step,
    TGoruntuMatrisi& points, bool stoppable, TCurveMemo* memo)
{
    CheckStep(curveType, step);
    // A progress that lets the window run (a timer, say) could ask for another
    // generation meanwhile: it is dropped, as if stopped.
    if (FGenerating)
        throw EGenerationStopped();
    if (CopiedFromSource(curveType, formulas, step, points))
        return;
    FGenerating = true;
    struct TDone {
        bool& Generating;
        ~TDone() { Generating = false; }
    } done { FGenerating };
    // Every SetText empties the shared table, so the names of this curve's formulas
    // are put back before sampling: each formula then reads the free variables
    // whichever formula (of this curve or another) was compiled last.
    TFonksiyon* const formula[3] = { formulas.Fx.get(), formulas.Fy.get(), formulas.Fz.get() };
    const TProgram* programs[3] = { nullptr, nullptr, nullptr };
    for (int i = 0; i < 3; ++i)
        if (formula[i]) {
            formula[i]->RegisterVariables();
            programs[i] = &formula[i]->Program();
        }
    PutParameterValues(curveType, formulas);
    // Any curve of two variables computes the parts of its formulas that read only
    // one of them once a row or a column.
    const bool lines = !memo && FKeepParts && HasInnerVariable(curveType);
    if (lines) {
        if (!FLines)
            FLines = std::make_unique<TCurveMemo>();
        memo = FLines.get();
    }
    if (memo) {
        const TFonksiyon* const sources[3] = { formula[0], formula[1], formula[2] };
        memo->Prepare(curveType, step, sources, lines);
    }
    // A put-back is told to the progress too, so that the window shows it and runs
    // meanwhile, but it cannot be stopped.
    TPutBackProgress putBack(FProgress);
    TGenerationProgress* const progress = FPuttingBack && FProgress ? &putBack
        : stoppable                                             ? FProgress
                                                                : nullptr;
    if (!FSampler.Sample(curveType, programs, step, *FVariables, points, progress, FMatrix, memo))
        throw EGenerationStopped();
    ++FGenerations;
}

bool TObjectList::CopiedFromSource(
    int curveType, const TFormulas& formulas, long double step, TGoruntuMatrisi& points)
{
    if (FSource == nullptr || FSource == this || FSource->FGenerating)
        return false;
    const auto text = [](const std::unique_ptr<TFonksiyon>& formula) {
        return formula ? formula->GetText() : std::string();
    };
    int index = 0;
    if (!FSource->FindCurve(
            curveType, text(formulas.Fx), text(formulas.Fy), text(formulas.Fz), index))
        return false;
    const TCurve& same = FSource->FItems[static_cast<std::size_t>(index)];
    if (!(same.Step == step))
        return false;
    // The same texts use the same names; each must hold the same value in both lists.
    for (const std::string& name : same.Parameters) {
        const long double mine = ParameterValue(name);
        const long double theirs = FSource->ParameterValue(name);
        if (!(mine == theirs) || std::signbit(mine) != std::signbit(theirs))
            return false;
    }
    points.CopyFrom(*same.Points);
    if (FMatrix)
        points.Project(*FMatrix);
    ++FCopies;
    return true;
}
