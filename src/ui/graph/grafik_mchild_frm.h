#pragma once

#include "files/picture_file.h"
#include "curves/points_of_interest.h"
#include "render/draw_function.h"
#include "ui/dialogs/graph_dialogs.h"
#include "ui/graph/curve_editing.h"
#include "ui/graph/editor_values.h"
#include "ui/graph/graph_host.h"
#include "ui/graph/graph_parameters.h"
#include "ui/graph/graph_readout.h"
#include "ui/graph/interest_marks.h"
#include "ui/graph/mouse_turning.h"
#include "ui/platform/generation_progress.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>
#include <memory>

class QAction;
class QMenu;
class QPrinter;
class QTimer;
class QUndoStack;
struct TCurveSnapshot;
class TAnimationExport;
class TImage;
struct TScene;

// A graph window: a child of the main window's document area that owns one
// scene (renderer, curves, planes) and shows it in a single view or in four
// views (front, side, top and its own), turns it under the mouse, spins and
// animates it, and copies, saves and prints its picture.
class TGrafikMChildFrm : public QWidget {
    Q_OBJECT
public:
    static constexpr int DesignWidth = 288;
    static constexpr int DesignHeight = 245;

    // FormCreate: reads the graph keys of the settings file settingsFile. The
    // host must outlive the window.
    TGrafikMChildFrm(TGraphHost& host, const QString& settingsFile, QWidget* parent = nullptr);
    ~TGrafikMChildFrm() override;

    TDrawFunction& DrawFunction() { return FDrawFunction; }
    const TDrawFunction& DrawFunction() const { return FDrawFunction; }

    // Published properties.
    bool Perspective() const { return FDrawFunction.Perspective(); }
    void SetPerspective(bool value);
    bool Animation() const { return FTurning.Animation(); }
    void SetAnimation(bool value);
    TObjectMode State() const { return FEditing.State(); }

    bool FourView() const { return FFourView; }
    int MouseMode() const { return FTurning.MouseMode(); }
    const TMouseTurning& Turning() const { return FTurning; }
    int CurveIndex() const { return FEditing.CurveIndex(); }
    const TCurveRecord& CurrentCurve() const { return FEditing.CurrentCurve(); }
    // The queries of the curve explorer: how many curves, the current one (null
    // while there are none) and whether none of its points could be computed.
    int CurveCount() const { return FDrawFunction.Objects().Count(); }
    const TCurveRecord* CurrentCurveOrNull() const
    {
        return CurveCount() == 0 ? nullptr : &CurrentCurve();
    }
    bool CurrentCurveHasNoPoints() const;
    int WindowNo() const { return FWindowNo; }
    void SetWindowNo(int number) { FWindowNo = number; }
    // The window's scene file, empty while it has none. Setting it shows the file's
    // name as the caption and its full path as the window's tool tip.
    const QString& FileName() const { return FFileName; }
    void SetFileName(const QString& name);
    // The caption without the unsaved mark; the window's title carries Qt's "[*]".
    QString Caption() const;
    void SetCaption(const QString& caption);
    // The zoom percent rounded halves to even.
    int ZoomPercent() const;

    // Views.
    void RedrawViews(bool recompute);
    void RedrawActiveView(bool recompute);
    void SetFourView(bool value);
    void ShowPerspectiveView();
    void ShowFrontView();
    void ShowTopView();
    void ShowSideView();
    // A percent below 1 is taken as 1.
    void SetZoomPercent(int percent);
    void ZoomIn();
    void ZoomOut();
    void FitToWidth(int newWidth);
    void FitToHeight(int newHeight);
    // The wheel's zoom: in or out by the steps of ZoomIn and ZoomOut, the scene point
    // under pixel (x, y) of a view staying there.
    void ZoomAt(bool in, int x, int y);
    // "Eğrilere Uydur": the zoom and origin at which the visible curves fill the view
    // but for a margin; nothing without visible points.
    void FitToCurves();
    void SetPlaneVisible(int plane, bool visible);
    void SetAllCurvesStyle(int style);
    void SetMouseMode(int mode);
    // Pushes the window's state to the main window.
    void FormActivate();
    // The view takes the client size with the origin in its middle, as at
    // creation; the main window calls it once the window has its frame.
    void CentreView();

    // The dialogs, run through the window's dialog runner: the properties (on
    // "Tamam" the values are taken, all views redrawn with re-projection and the
    // main window brought up to date), the view direction (angles shown truncated
    // to whole degrees; other confirmed angles turn the scene), the zoom (another
    // confirmed percent is applied and written with "%" into the host's zoom box)
    // and the numeric values at the current curve.
    void ShowViewDialog();
    void ShowZoomDialog();
    void ShowNumericValues();
    void ShowProperties();

    // Copy, save and print.
    QImage Picture() const; // the single view, or the composed four views
    QImage ComposePicture() const;
    void CopyToClipboard();
    // Exports the picture to fileName as type (not a scene): the window's own file,
    // caption and unsaved mark stay as they are.
    void WritePicture(const QString& fileName, TPictureFileType type);
    // The save dialog: a scene becomes the window's file; a picture is exported.
    // An existing file is replaced only when the user agrees.
    void SaveAs();
    // Writes the window's scene file, or asks for a scene name when it has none.
    void Save();
    // "Animasyon Kaydet...": asks what moves and where it goes, then writes the animation a
    // frame at a time while the window stays usable (an earlier one still running is
    // cancelled). AnimationExport is the one running, if any.
    void SaveAnimation();
    TAnimationExport* AnimationExport() const;
    // Before the window closes with changed work: "Kaydedilsin mi?". True when
    // the window may close (saved as a scene, or not to be saved); false for
    // "Vazgeç", a cancelled save dialog or a failed write (whose message is shown).
    bool CanClose();
    void Print(QPrinter& printer);
    // The save dialog: given the proposed name and file type (0 bitmap, 1 Velmo
    // file, 2 PNG, 3 JPEG, 4 SVG, 5 PDF), fills in the chosen ones; false when
    // cancelled. A typed extension of one of these types wins over the type. Tests replace it;
    // the default is a QFileDialog.
    using TSaveDialogRunner = std::function<bool(QString& fileName, int& fileType)>;
    void SetSaveDialogRunner(TSaveDialogRunner runner) { FSaveDialogRunner = std::move(runner); }
    // The runner of the window's dialogs; tests replace it. Not null.
    void SetDialogRunner(std::shared_ptr<TGraphDialogRunner> runner)
    {
        FDialogRunner = std::move(runner);
    }

    // The window's work as a value. LoadScene fills a window just created: its
    // size, view, look, curves, parameters and current curve; it raises what the curve list
    // raises, the window then holding the curves appended before.
    TScene Scene() const;
    void LoadScene(const TScene& scene);
    // Writes the scene to FFileName; raises ESceneFileError, the old file kept.
    void WriteScene();
    // The curves changed (an apply, a delete, a committed parameter change) since
    // the window was created, opened or saved as a scene.
    bool CurvesChanged() const;
    // The view changed (angles, zoom, origin, four-view, planes, looks) since then;
    // no undo step, but work the close question offers to save.
    bool ViewChanged() const { return FViewChanged; }
    // Either: what the unsaved mark of the caption shows.
    bool Changed() const { return CurvesChanged() || FViewChanged; }
    // The window's curve edits (apply, delete one, delete all) and committed
    // parameter changes, each undone and redone whole; view changes are no steps.
    QUndoStack* UndoStack() const { return FUndoStack; }
    void Undo();
    void Redo();

    // Tracing ("İz Sür"): a marker on the current curve that follows the mouse and
    // the keys, and its place in words in the status line. Off at first.
    bool Tracing() const { return FReadout->Tracing(); }
    void SetTracing(bool on);
    QString TraceText() const { return FReadout->TraceText(); }
    const TCurveTracer& Tracer() const { return FReadout->Tracer(); }
    const TGraphReadout& Readout() const { return *FReadout; }
    // The marker on a sample of curve, or between its samples at value of its free
    // variable where the curve has point (found on the formulas), named by label
    // ("Maksimum"); the curve becomes the current one. False, nothing changed, when
    // tracing is off or the curve has no such point.
    bool PlaceMarker(int curve, long long sample, const QString& label = {});
    bool PlaceMarkerBetween(
        int curve, long double value, const TSpacePoint& point, const QString& label = {});
    // Parameters: the names of the curves that the user sets, with their
    // settings, sorted by name.
    const TParameters& Parameters() const { return FDrawFunction.Objects().Parameters(); }
    // The bar of the window's long generations in the status line.
    TGenerationProgressBar& GenerationProgress() { return FGenerationProgress; }
    // Moving, committing and playing them (TGraphParameters): a slider's value
    // redraws the views, a committed change is an undo step and marks the window
    // changed, play runs on Timer1.
    void SetParameterValue(const std::string& name, long double value)
    {
        FParameters->SetValue(name, value);
    }
    void CommitParameters(std::vector<TParameter> before, const std::vector<TParameter>& after)
    {
        FParameters->Commit(std::move(before), after);
    }
    void PlayParameter(const std::string& name) { FParameters->Play(name); }
    void StopPlaying() { FParameters->Stop(); }
    const std::string& PlayingParameter() const { return FParameters->Playing(); }

    // The current curve.
    bool IsCurveChanged(const TEditorValues& values) const;
    void MarkCurveChanged();
    void ApplyCurve(const TEditorValues& values);
    void NewCurve();
    void FirstCurve();
    void PriorCurve();
    void NextCurve();
    void LastCurve();
    void RemoveCurve();
    void RemoveAllCurves();
    // Makes curve index the current one, as the explorer's buttons do.
    void SelectCurve(int index);
    void RefreshCurveStatus();

    // "Önemli Noktalar": the current curve's zeros, extrema and intersections
    // marked over the curves in its colour (off by default), kept up as the
    // current curve, the curves or the parameters change (TInterestMarks).
    bool InterestMarks() const { return FInterest.On(); }
    void SetInterestMarks(bool on);
    const std::vector<TPointOfInterest>& InterestPoints() { return FInterest.Points(); }
    // While tracing: the marker goes to the next point of interest (direction 1) or
    // the previous one (-1) and the status names it ("Maksimum: x = ...").
    bool StepToInterestPoint(int direction)
    {
        return FInterest.Step(Tracer(), Tracing(), direction);
    }

    // Controls, by their design names.
    TImage* Image1 = nullptr;
    TImage* Image2 = nullptr;
    TImage* Image3 = nullptr;
    TImage* Image4 = nullptr;
    TImage* Image5 = nullptr;
    QTimer* Timer1 = nullptr;
    QMenu* ChildFrmPopupMenu = nullptr;
    QAction* Kopyala1 = nullptr;
    QAction* Bakis1 = nullptr;
    QAction* Buyukluk1 = nullptr;
    QAction* EgriGezgini1 = nullptr;
    QAction* SayisalDegerler1 = nullptr;
    QAction* Ozellikler1 = nullptr;

    // The mouse handlers of the interactive view, also driven by tests.
    void Image1MouseDown(Qt::MouseButton button, int x, int y);
    void ImageMouseMove(Qt::MouseButtons buttons, int x, int y);
    void Image1MouseUp(Qt::MouseButton button, int x, int y);
    void Timer1Timer();

signals:
    // The parameters changed: names (a curve edit), settings or values.
    void ParametersChanged();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CreateControls();
    void FormResize(int clientWidth, int clientHeight);
    // The wheel over pixel (x, y) of a view.
    void ImageWheel(int delta, int x, int y);
    void ApplyMove(const TMouseTurning::TMove& move);
    void SyncTimer();
    void ShowPopupMenu(const QPoint& globalPos);
    int FittedPercent(int size, int oldOuterSize) const;
    QWidget* OuterWindow();
    const QWidget* OuterWindow() const;
    // The save dialog with the file type first offered; false when cancelled.
    bool SaveAsType(int type);
    // Writes the scene to fileName, which then is the window's file.
    void WriteSceneTo(const QString& fileName);
    // A user's change of the view; the unsaved mark follows the changes.
    void MarkViewChanged();
    void UpdateChangedMark();
    // Pushes the edit made since before as an undo step, if the curves changed.
    void PushCurveEdit(const QString& text, const TCurveSnapshot& before);
    void RestoreCurves(const TCurveSnapshot& snapshot);
    // Whether a redraw waits for the generation under way (noting recompute);
    // otherwise recompute also takes a skipped one.
    bool SkipRedraw(bool& recompute);

    TGraphHost& FHost;
    TDrawFunction FDrawFunction;
    TGenerationProgressBar FGenerationProgress { this };
    TCurveEditing FEditing;
    TMouseTurning FTurning;
    bool FFourView = false;
    bool FViewChanged = false;
    bool FRecomputeSkipped = false;
    bool FRedrawSkipped = false;
    QTimer* FRedrawLater = nullptr;
    TInterestMarks FInterest;
    QString FFileName;
    // The picture type of the last save that was not a scene.
    TPictureFileType FPictureType = TPictureFileType::Bitmap;
    int FWindowNo = 1;
    // A right button press that has not dragged yet opens the context menu
    // when it is released.
    bool FRightPressed = false;
    bool FMovedSincePress = false;
    // A left button press on a view whose release makes a click.
    bool FLeftPressed = false;
    int FWheelDelta = 0;
    std::unique_ptr<TGraphReadout> FReadout;
    TSaveDialogRunner FSaveDialogRunner;
    QUndoStack* FUndoStack = nullptr;
    std::shared_ptr<TGraphDialogRunner> FDialogRunner;
    QPointer<TAnimationExport> FAnimationExport;
    QString FSettingsFile;
    std::unique_ptr<TGraphParameters> FParameters;
};
