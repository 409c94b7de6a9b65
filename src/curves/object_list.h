#pragma once

#include "base/catalogue.h"
#include "base/exception.h"
#include "curves/curve_memo.h"
#include "curves/curve_record.h"
#include "curves/curve_sampler.h"
#include "curves/parameters.h"
#include "engine/fonksiyon.h"
#include "engine/variable_memory.h"
#include "geometry/goruntu_matrisi.h"
#include "geometry/transform_matrix.h"

#include <memory>
#include <string>
#include <vector>

class EObjectListError : public Exception {
public:
    using Exception::Exception;
};

// A generation stopped by its progress: not a fault, the list is as it was.
class EGenerationStopped : public EAbort {
public:
    EGenerationStopped()
        : EAbort(Localized("Eğri oluşturma durduruldu"))
    {
    }
};

// The curves of one scene, in the order they were added. The list compiles each
// curve's formulas into objects bound to its one variable table, refuses a curve
// equal to one it holds, generates each curve's points and projects them with
// the scene matrix. Every operation that raises leaves the list as it was.
class TObjectList {
public:
    // The most samples one curve may take; a smaller step is refused before
    // anything is generated.
    static constexpr long long MaxCurvePoints = 10'000'000;

    TObjectList();
    ~TObjectList();
    TObjectList(const TObjectList&) = delete;
    TObjectList& operator=(const TObjectList&) = delete;

    // The scene matrix, not owned; until it is set, new points are not projected.
    void SetMatrix(const TTransformMatrix* m) { FMatrix = m; }
    const TTransformMatrix* Matrix() const { return FMatrix; }
    TVariableMemory& Variables() { return *FVariables; }
    const TVariableMemory& Variables() const { return *FVariables; }

    int Count() const { return static_cast<int>(FItems.size()); }
    int Capacity() const { return FCapacity; }
    // A snapshot of curve index; EObjectListError "List index out of bounds (%d)".
    TCurveRecord Items(int index) const;

    // Adds a curve and returns its index. Raises EObjectListError for a duplicate
    // ("Bu eğri daha önce tanımlanmıştır (%d)"), an unknown type or a step that
    // cannot sample the range, and the engine's EFonksiyonError for a faulty
    // formula; texts of formulas the type does not use are ignored.
    int Append(int curveType, const std::string& fxText, const std::string& fyText,
        const std::string& fzText, TColor color, std::uint8_t style, std::int32_t thickness,
        long double step, bool visible);
    // Changes curve index (0..Count()-1, not checked): the drawing attributes alone
    // when type and texts stay, regenerating only for a new step (a coarser one in the
    // curve's own points: stopped, the old step is walked again, which gives the old
    // points); otherwise the formulas are compiled anew. Raises as Append does.
    void Edit(int index, int curveType, const std::string& fxText, const std::string& fyText,
        const std::string& fzText, TColor color, std::uint8_t style, std::int32_t thickness,
        long double step, bool visible);
    // EObjectListError "List index out of bounds (%d)" for a bad index.
    void Delete(int index);
    void Clear();

    // The first curve of that type whose used formula texts are equal, character
    // for character; index is Count() when there is none.
    bool FindCurve(int curveType, const std::string& fxText, const std::string& fyText,
        const std::string& fzText, int& index) const;
    // Nothing is regenerated or redrawn.
    void SetAllStyles(std::uint8_t style);

    // Samples curve index (valid) again over the fixed range of its type, leaving out
    // samples that fail, and projects the points: in place, into the curve's own point
    // list, which keeps its room, so that a curve generated again and again (its
    // formulas reading values that changed) allocates nothing while its sample count
    // does not grow. The progress is not told: there is no list to go back to.
    void GeneratePoints(int index);

    // Told of every generation of Append and Edit and able to stop one (not owned;
    // null, the default, for none). A stopped generation raises EGenerationStopped and
    // leaves the list as it was.
    void SetProgress(TGenerationProgress* progress) { FProgress = progress; }
    TGenerationProgress* Progress() const { return FProgress; }
    // While on, every generation puts back what a stopped or failed change overwrote:
    // told to the progress as a put-back (BeginPutBack), which cannot stop it. The
    // list's own put-backs (a stopped parameter change, a stopped coarser step) are so
    // without it.
    void SetPuttingBack(bool puttingBack) { FPuttingBack = puttingBack; }
    // Whether a generation is under way: the points of the list may be half written.
    bool Generating() const { return FGenerating; }

    // The parameters of the list's curves (names neither free nor assigned in
    // their curve), sorted by name: a name gets the defaults when a curve first
    // uses it and is forgotten when none uses it any more. Each curve reads their
    // values whenever it is generated.
    const TParameters& Parameters() const { return FParameters; }
    // The parameters curve index (valid) uses, lower-cased, as they first appear.
    const std::vector<std::string>& CurveParameters(int index) const
    {
        return FItems[static_cast<std::size_t>(index)].Parameters;
    }
    bool UsesParameter(int index, std::string_view name) const;
    // Takes the settings of each given parameter the list has (a name no curve
    // uses is ignored) and generates again exactly the curves that use one whose
    // value changed. Returns how many curves were generated. The progress is told
    // and may stop it: the curves generated so far are then generated again at the
    // settings before, so that the list is as it was, bit for bit, and
    // EGenerationStopped is raised. Asked while a generation is under way (from an
    // event the progress let through), it changes nothing and raises
    // EGenerationStopped.
    int ApplyParameters(const std::vector<TParameter>& given);
    // The settings a parameter takes when a curve added later is the first to use
    // it, in place of the defaults, until the next ApplyParameters or Clear: a scene
    // whose curves are added after this is generated once, at its values.
    void ExpectParameters(std::vector<TParameter> given) { FExpected = std::move(given); }
    // How many times the list has sampled a curve.
    long long Generations() const { return FGenerations; }
    // A list whose points a generation of this one takes, in place of sampling, when
    // the source holds the same curve (type, formula texts, step) at the same values
    // of the parameters it uses and is not generating itself: the points are then
    // those sampling would give, bit for bit (not owned; null, the default, for none;
    // it must outlive its use here). A copy is not told to the progress.
    void SetSource(const TObjectList* source) { FSource = source; }
    const TObjectList* Source() const { return FSource; }
    // How many times a generation took its points from the source.
    long long Copies() const { return FCopies; }
    int SetParameterValue(std::string_view name, long double value);

    // Whether a generation computes a sine or cosine of an argument it has met
    // before only once (on by default; the points are the same either way).
    void SetShareResults(bool share) { FSampler.SetShareResults(share); }
    // Whether a curve with parameters, generated again, keeps what its formulas
    // compute from the free variables alone (up to TCurveMemo::MaxSamples samples,
    // TCurveMemo::MaxSlots values a sample) and later reads it rather than computing
    // it, and whether any other generation of a curve of two variables computes
    // what reads only one of them once a row or a column (on by default; the points
    // are the same either way).
    void SetKeepParts(bool keep) { FKeepParts = keep; }
    // How many threads a generation may use: 0 (the default) one per core. A curve
    // of fewer than 2 * MinThreadSamples samples, or whose formulas assign, takes one;
    // the points are the same whatever the number.
    void SetThreads(int threads) { FSampler.SetThreads(threads); }
    static constexpr long long MinThreadSamples = TCurveSampler::MinThreadSamples;

    // Raises EObjectListError unless curveType is one of the types.
    static void CheckType(int curveType);
    // Raises EObjectListError unless curveType is a type and step samples its range
    // within MaxCurvePoints.
    static void CheckStep(int curveType, long double step);
    // The samples a step takes over the type's range: exact up to twice
    // MaxCurvePoints, estimated from the range's length beyond; infinite when
    // the step is too small to move the running value. Raises EObjectListError
    // for an unknown type.
    static long double SampleCount(int curveType, long double step);

private:
    struct TFormulas {
        std::unique_ptr<TFonksiyon> Fx, Fy, Fz;
    };
    struct TCurve {
        TFormulas Formulas;
        std::unique_ptr<TGoruntuMatrisi> Points;
        TColor Color;
        std::uint8_t CurveType;
        std::int32_t Thickness;
        bool Visible;
        std::uint8_t Style;
        long double Step;
        std::vector<std::string> Parameters;
        // What its formulas compute from the free variables alone, kept from the
        // first regeneration of a curve with parameters on, until its formulas,
        // type or step change.
        std::unique_ptr<TCurveMemo> Memo;
    };

    // Samples the range of curveType with the given formulas into points, replacing
    // them, and projects them; told to FProgress when stoppable. With memo, keeps
    // or reads what the formulas compute from the free variables alone.
    void Generate(int curveType, const TFormulas& formulas, long double step,
        TGoruntuMatrisi& points, bool stoppable, TCurveMemo* memo = nullptr);
    // GeneratePoints, told to FProgress when stoppable.
    void GenerateInPlace(int index, bool stoppable);
    // Takes the points of the same curve from FSource when it has them (see SetSource).
    bool CopiedFromSource(int curveType, const TFormulas& formulas, long double step,
        TGoruntuMatrisi& points);
    static std::vector<std::string> parameterNamesOf(int curveType, const TFormulas& formulas);
    TFormulas Compile(int curveType, const std::string& fxText, const std::string& fyText,
        const std::string& fzText);
    bool SameTexts(const TCurve& curve, int curveType, const std::string& fxText,
        const std::string& fyText, const std::string& fzText) const;
    void CheckDuplicate(int curveType, const std::string& fxText, const std::string& fyText,
        const std::string& fzText) const;
    void CheckIndex(int index) const;
    // The value of parameter name: its own, else the one expected for it, else 0.
    long double ParameterValue(std::string_view name) const;
    // Stores the parameters' values in the table for the formulas of one curve.
    void PutParameterValues(int curveType, const TFormulas& formulas);
    // The set follows the names the curves use.
    void SyncParameters();

    std::unique_ptr<TVariableMemory> FVariables;
    std::vector<TCurve> FItems;
    TParameters FParameters;
    std::vector<TParameter> FExpected;
    // Room a parameter change works in (the settings before it, the names it changed,
    // the curves using them, the one setting a slider gives), kept from one change to
    // the next so that a slider's moves allocate nothing once the first has made it.
    TParameters FBefore;
    std::vector<std::string> FChanged;
    std::vector<int> FUsers;
    std::vector<TParameter> FGiven;
    long long FGenerations = 0;
    long long FCopies = 0;
    const TObjectList* FSource = nullptr;
    int FCapacity = 0;
    const TTransformMatrix* FMatrix = nullptr;
    TCurveSampler FSampler;
    // The parts by row and column of the generations that have no memo of their curve.
    std::unique_ptr<TCurveMemo> FLines;
    TGenerationProgress* FProgress = nullptr;
    bool FGenerating = false;
    // Generations now put back what a stopped or failed one overwrote.
    bool FPuttingBack = false;
    bool FKeepParts = true;
};
