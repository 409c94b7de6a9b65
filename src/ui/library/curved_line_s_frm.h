#pragma once

#include "render/color.h"
#include "ui/library/curve_table.h"
#include "ui/library/library_window_controls.h"
#include "ui/platform/preview_turning.h"

#include <QDialog>

#include <memory>
#include <optional>

class QMdiSubWindow;
class TDrawFunction;

// Where a library window finds its files and how long a write waits for the lock
// of another window or program.
struct TLibraryOptions {
    QString Folder; // empty: the current directory when the window opens
    int BusyTimeout = TCurveTable::DefaultBusyTimeout; // ms
};

// The curve library window: the stored curves in a grid with a navigator, and
// small previews of the current row (four views at zoom 30, or one twice as
// large at zoom 60). Used as a child window of the main window and modally
// (library mode), or modally as the selection dialog "Eğri Seçim". Each window
// has its own table object and connection; activation re-reads the tables and
// leaving the window posts the row being edited.
//
// Controls carry their design names as object names (RangeComboBox, DBGrid1,
// OndenGorImage, TumGorBtn, BtnKaydet, ...).
class TCurvedLineSFrm : public QDialog, public TLibraryWindowControls {
    Q_OBJECT

public:
    // Opens the library at once; when that fails the window stays empty (the
    // message has been shown) and Table1().Active() is false.
    explicit TCurvedLineSFrm(QWidget* owner = nullptr, const TLibraryOptions& options = {});
    ~TCurvedLineSFrm() override;

    TCurveTable& Table1() { return FTable; }
    TDrawFunction& LibraryPreview() { return *FLibraryPreview; }
    TColor LibraryCurveColour() const { return FLibraryCurveColour; }
    long double LibraryAngleX() const { return FTurning.AngleX(); }
    long double LibraryAngleY() const { return FTurning.AngleY(); }
    bool SelectionMode() const { return FSelectionMode; }

    // Restricts the table to key's type, shows that choice in RangeComboBox and
    // moves to the row nearest to key.
    void LocateCurve(const TCurveKey& key);
    // Turns the window into the selection dialog and shows it modally: Accepted
    // after "&Tamam" or a double click on the grid, Rejected otherwise.
    int SelectCurve();

    // The activation handlers; called by the window's own activation changes, and
    // public for a frame that activates its children in its own way.
    void FormActivate();
    void FormDeactivate();

signals:
    // "&Yardım": the help of this window.
    void HelpRequested();

public slots:
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate(const TLibraryOptions& options);
    // Connects the controls to the handlers.
    void ConnectControls();
    void TableStateChange();
    void BtnKaydetClick();
    void BtnGeriAlClick();
    void BtnKapanClick();
    void BtnTamamClick();
    void BtnVazgecClick();
    void Table1TypeChange();
    void RangeComboBoxChange(int index);
    void Table1AfterScroll();
    void GorunusBtnClick();
    void TumGorBtnClick();
    void SetDuzlem(int tag);
    void CizgiCizimBtnClick();
    void NoktaCizimBtnClick();
    void ColorComboChange();
    void ColorComboDblClick();
    void ArkapilanColorComboChange();
    void ArkapilanColorComboDblClick();
    void PerspektifGorImageMouseDown(Qt::MouseButton button, int x, int y);
    void PerspektifGorImageMouseMove(Qt::MouseButtons buttons, int x, int y);
    void PerspektifGorImageMouseUp();
    void RedrawLibraryPreviews();
    bool SamePreviewRow() const;
    void AppendPreviewCurve(bool edit);
    void NavigatorClick(int button);
    void UpdateNavigator();
    void SyncGridToTable();
    void GridCurrentRowChanged(int row);
    void ActivationChanged();
    // Runs a handler body; an exception is reported by the default error report.
    template <class F> bool Guard(F&& body);
    // Posts the edited row, showing the engine's message when that fails; a failed
    // edit is not posted again by leaving the window until it changes.
    bool TryPost();

    TCurveTable FTable;
    std::unique_ptr<TDrawFunction> FLibraryPreview;
    TColor FLibraryCurveColour = 8421376; // teal
    TPreviewTurning FTurning;
    bool FSelectionMode = false;
    int FRangeIndex = -1;
    bool FSyncing = false;
    bool FInPost = false;
    int FEditRevision = 0;
    int FFailedRevision = -1;
    bool FActive = false;
    bool FRefreshFailed = false;
    std::optional<TCurveRow> FPreviewRow; // the row the preview was last built from
    bool FSubActive = false;
    QMdiSubWindow* FSubWindow = nullptr;

};
