#pragma once

#include "curves/parameters.h"
#include "render/draw_function.h"
#include "ui/graph/curve_editing.h"
#include "ui/graph/editor_values.h"
#include "ui/library/curve_table.h"
#include "ui/platform/preview_turning.h"

#include <QDockWidget>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class TColorCombo;
class TComboBox;
class TFormulaEdit;
class TGenerationProgressBar;
class TGrafikMChildFrm;
class TImage;
class TOperatorSelectToolW;
class TSpinButton;

// The step buttons' arithmetic: steps of 0.01 up to 0.1, of 0.1 above, and
// never below about 0.01 going down.
double StepUp(double step);
double StepDown(double step);

// The curve explorer: the main window's editor of the active graph window's
// curves. It holds no curve of its own: it shows the window's current curve,
// hands its fields to the window to compare and apply, moves between curves and
// deletes them, and shows the edited curve alone in a preview that turns under
// the mouse. A dock window for the left and right edges or floating, of a fixed
// size, hidden until the main window shows it.
//
// Every handler runs its body through the program's error report, so nothing
// raises out of it. While the panel fills its own fields the change handler
// waits, and runs once when the fields are complete.
class TCurvedLineExplorer : public QDockWidget {
    Q_OBJECT

public:
    static constexpr int PreviewWidth = 240;
    static constexpr int PreviewHeight = 165;
    static constexpr int PreviewZoom = 50;
    // A hidden explorer keeps no preview of a curve of more samples (72 bytes each): it
    // is made when the explorer shows.
    static constexpr long long HiddenPreviewSamples = 1'000'000;

    // The active graph window, or null while another child window (or none) is active.
    using TActiveGraphWindow = std::function<TGrafikMChildFrm*()>;
    // Runs the properties window for the preview; the explorer redraws afterwards.
    using TPreviewProperties = std::function<void(TDrawFunction& renderer)>;

    explicit TCurvedLineExplorer(QWidget* parent = nullptr);
    ~TCurvedLineExplorer() override;

    // Without a provider (or while it gives null) the handlers that need a graph
    // window do nothing.
    void SetActiveGraphWindow(TActiveGraphWindow provider)
    {
        FActiveGraphWindow = std::move(provider);
    }
    void SetOnPreviewProperties(TPreviewProperties runner)
    {
        FOnPreviewProperties = std::move(runner);
    }
    // Entering fxEdit, fyEdit or fzEdit makes it the palette's target field. Not
    // owned; may be null.
    void SetOperatorPalette(TOperatorSelectToolW* palette);

    // The preview.
    TDrawFunction& PreviewRenderer() { return FPreviewRenderer; }
    const TDrawFunction& PreviewRenderer() const { return FPreviewRenderer; }
    long double PreviewAngleX() const { return FPreviewTurning.AngleX(); }
    long double PreviewAngleY() const { return FPreviewTurning.AngleY(); }

    // The fields as one curve's editor values. Raises EConvertError when the step
    // text is no number.
    TEditorValues EditorValues() const;

    // The type and the three formula texts as the curve library keys them.
    TCurveKey FormulaKey() const;

    // Operations (each reports its own errors).
    // Loads the panel from the active graph window's current curve, or resets it
    // to type 0 when the window has no curves.
    void FillExplorer();
    // Loads the panel from curve, or resets it to type 0 for none (null).
    void ShowCurve(const TCurveRecord* curve);
    // A curve chosen from the library: its type with the type's defaults, then its
    // formulas, as if typed (the change handler runs).
    void TakeFormulas(const TCurveKey& key);
    // The drawing style the main window set for all curves, shown without marking
    // the current curve as changed.
    void ShowDrawingStyle(int style);
    // The preview's one curve anew from the fields, shown visible, at the start angles.
    void RebuildPreview();
    void DrawPreview();
    // The preview takes the active graph window's parameter values, drawn again
    // when its curve uses one that changed. A curve the window holds alike at the
    // same values gives its points; any other is generated with the bar of the main
    // window after half a second, and a stopped one leaves the preview as it was.
    // While the explorer is hidden this waits until it shows; asked while the
    // preview is being generated it comes after, once, with the values then.
    void FollowParameters();
    // The preview's progress (the bar and "Vazgeç").
    TGenerationProgressBar& PreviewProgress() { return *FPreviewProgress; }
    // The enabled states RefreshCurveStatus decides for the navigation and delete buttons.
    void SetCurveButtons(const TCurveButtons& buttons);
    // Everything that needs a graph window: the seven curve buttons, the field
    // panel, "Kaydet...", "Eğri Sec..." and "Uygula".
    void SetGraphControlsEnabled(bool enabled);

    // Event handlers.
    void FTypeComboBoxChange();
    void fxyzEditChange();
    void UygulaButtonClick();
    void ilkEgriButtonClick();
    void OncekiEgriButtonClick();
    void SonrakiEgriButtonClick();
    void SonEgriButtonClick();
    void YeniEgriButtonClick();
    // "Türevini Çiz": a new curve of the current one's type whose formulas are its
    // formulas' derivatives with respect to its free variable.
    void TurevCizButtonClick();
    void EgriSilButtonClick();
    void TumEgrileriSilButtonClick(); // also the edit menu's "delete all"
    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void ColorComboDblClick();
    void CizimSekliComboDblClick();
    void GorunurlukComboDblClick();
    void EgriGorImageMouseDown(Qt::MouseButton button, int x, int y);
    void EgriGorImageMouseMove(Qt::MouseButtons buttons, int x, int y);
    void EgriGorImageMouseUp(Qt::MouseButton button, int x, int y);
    void EgriGorImageDblClick();
    void fxEditEnter();
    void fyEditEnter();
    void fzEditEnter();

    // Controls, by their design names, top to bottom. The buttons' hints are
    // status-line texts only.
    QToolButton* ilkEgriButton = nullptr;
    QToolButton* OncekiEgriButton = nullptr;
    QToolButton* SonrakiEgriButton = nullptr;
    QToolButton* SonEgriButton = nullptr;
    QToolButton* YeniEgriButton = nullptr;
    QToolButton* EgriSilButton = nullptr;
    QToolButton* TumEgrileriSilButton = nullptr;
    QFrame* EgriOzellikleriPanel = nullptr;
    QComboBox* FTypeComboBox = nullptr;
    QGroupBox* FonksiyonlarGroup = nullptr;
    QLabel* fxLabel = nullptr;
    QLabel* fyLabel = nullptr;
    QLabel* fzLabel = nullptr;
    TFormulaEdit* fxEdit = nullptr;
    TFormulaEdit* fyEdit = nullptr;
    TFormulaEdit* fzEdit = nullptr;
    TColorCombo* ColorCombo = nullptr;
    TComboBox* CizimSekliCombo = nullptr;
    TComboBox* GorunurlukCombo = nullptr;
    QLineEdit* NoktaAraligiEdit = nullptr;
    TSpinButton* SpinButton1 = nullptr;
    QSpinBox* CizgiKEdit = nullptr;
    QFrame* EgriGorFrame = nullptr;
    TImage* EgriGorImage = nullptr;
    QPushButton* EgriKaydetButton = nullptr;
    QPushButton* CLSelectButton = nullptr;
    QPushButton* UygulaButton = nullptr;
    QPushButton* TurevCizButton = nullptr;

    // Whether the step field's text is marked as no number (while it is typed).
    bool StepUnreadable() const { return FStepUnreadable; }

signals:
    // A hint for the main window's status line ("" takes it back).
    void HintChanged(const QString& hint);
    // "Kaydet..." and "Eğri Sec..." were pressed: the library commands are the main window's.
    void EgriKaydetClicked();
    void CLSelectClicked();

protected:
    // Leaving the step field with a text that is no number reports it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Holds the change handler back while the panel writes its own fields.
    class TFilling {
    public:
        explicit TFilling(TCurvedLineExplorer& explorer)
            : FExplorer(explorer)
        {
            ++FExplorer.FFilling;
        }
        ~TFilling() { --FExplorer.FFilling; }
        TFilling(const TFilling&) = delete;
        TFilling& operator=(const TFilling&) = delete;

    private:
        TCurvedLineExplorer& FExplorer;
    };

    void CreateControls();
    QWidget* CreateCurveButtons(QWidget* parent);
    void CreateFieldPanel();
    void ConnectHandlers();
    void SetUpPreview();

    TGrafikMChildFrm* ActiveGraphWindow() const;
    // The bodies; they raise, the public handlers report.
    void ApplyTypeDefaults();
    void LoadCurve(const TCurveRecord* curve);
    void CheckChange();
    void Rebuild();
    void Draw();
    // A navigation or delete operation of the window, then the panel refilled.
    void CurveCommand(void (TGrafikMChildFrm::*operation)());
    void SetStep(double step);
    // The step field's number moved on by next (StepUp or StepDown).
    void StepBy(double (*next)(double));
    void FormulaEntered(QLineEdit* edit);

    // Before the renderer, whose list is told of it until the list goes.
    std::unique_ptr<TGenerationProgressBar> FPreviewProgress;
    TDrawFunction FPreviewRenderer;
    TPreviewTurning FPreviewTurning;
    // A follow asked for during the preview's generation, and one put off while hidden.
    bool FFollowWaiting = false;
    bool FFollowStale = false;
    // A preview put off while hidden (see HiddenPreviewSamples).
    bool FRebuildWaiting = false;
    // The values whose generation was stopped: the window tells them again (a slider's
    // move, then its commit), and the preview stays as it was until they change.
    std::vector<TParameter> FStoppedValues;

    TActiveGraphWindow FActiveGraphWindow;
    TPreviewProperties FOnPreviewProperties;
    QPointer<TOperatorSelectToolW> FOperatorPalette;
    int FFilling = 0;
    // While the step is typed, a text that is no number marks the field and shows
    // the message in the status line; the box comes when the field is left or a
    // command needs the step.
    void SetStepUnreadable(bool unreadable, const QString& message = {});
    bool FStepUnreadable = false;
};
