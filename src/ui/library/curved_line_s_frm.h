#pragma once

#include "render/color.h"
#include "ui/library/curve_table.h"
#include "ui/platform/preview_turning.h"

#include <QDialog>

#include <memory>
#include <optional>

class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QMdiSubWindow;
class QPushButton;
class QTableView;
class QToolButton;
class TCurveGridModel;
class TDrawFunction;
class TImage;
class TColorCombo;

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
class TCurvedLineSFrm : public QDialog {
    Q_OBJECT

public:
    static constexpr int FrameWidth = 102; // the raised frames of the previews
    static constexpr int FrameHeight = 86;

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
    void CreateControls();
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

    QComboBox* RangeComboBox = nullptr;
    QWidget* DBNavigator = nullptr;
    QToolButton* FNavigatorButtons[6] = {};
    QTableView* DBGrid1 = nullptr;
    TCurveGridModel* FGridModel = nullptr;
    QWidget* FPreviewPanel = nullptr;
    QFrame* OndenGorBevel = nullptr;
    QFrame* UsttenGorBevel = nullptr;
    QFrame* YandanGorBevel = nullptr;
    QFrame* PerspektifGorBevel = nullptr;
    TImage* OndenGorImage = nullptr;
    TImage* UsttenGorImage = nullptr;
    TImage* YandanGorImage = nullptr;
    TImage* PerspektifGorImage = nullptr;
    QToolButton* OndenGorBtn = nullptr;
    QToolButton* UsttenGorBtn = nullptr;
    QToolButton* YandanGorBtn = nullptr;
    QToolButton* PerspektifGorBtn = nullptr;
    QToolButton* TumGorBtn = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* CizgiCizimBtn = nullptr;
    QToolButton* NoktaCizimBtn = nullptr;
    TColorCombo* ColorCombo = nullptr;
    TColorCombo* ArkapilanColorCombo = nullptr;
    QPushButton* BtnKaydet = nullptr;
    QPushButton* BtnGeriAl = nullptr;
    QPushButton* BtnTamam = nullptr;
    QPushButton* BtnVazgec = nullptr;
    QPushButton* BtnKapan = nullptr;
    QPushButton* BtnYardim = nullptr;
};
