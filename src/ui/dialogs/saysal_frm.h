#pragma once

#include "ui/platform/preview_turning.h"

#include <QDialog>

#include <memory>

class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolButton;
class TCurvePointsModel;
class TDrawFunction;
class TImage;
class TInterestPage;
class TObjectList;
class TSpinEdit;

// The numeric values window: the generated points of one curve of a graph
// window in a grid, with the sums and absolute sums of the coordinates, the
// curve's formulas, type and step, and the curve alone in a small preview the
// mouse can turn. It moves between the curves of the list and only reads them.
class TSaysalFrm : public QDialog {
    Q_OBJECT

public:
    static constexpr int HelpContext = 5;
    static constexpr int ClientWidth = 469;
    static constexpr int ClientHeight = 516;
    static constexpr int PreviewWidth = 219;
    static constexpr int PreviewHeight = 132;
    static constexpr int PreviewZoom = 40;

    // FormCreate: the empty grid and the preview renderer.
    explicit TSaysalFrm(QWidget* parent = nullptr);
    // FormClose: the preview renderer goes with the window.
    ~TSaysalFrm() override;

    // The curves shown (not owned; they must stay unchanged while the window
    // is open) and the number of the curve to open at (0 for none; kept within
    // 1 and the number of curves). Shows nothing until FormShow.
    void SetCurves(const TObjectList* curves, int curveNo);
    int CurveCount() const;

    // Shows curve N (from 1); out of range only the buttons change.
    void ShowCurve(int n);
    void FormShow();
    void EgriNoEditChange();
    void ilkEgriButtonClick();
    void OncekiButtonClick();
    void SonrakiButtonClick();
    void SonEgriButtonClick();
    void Image1MouseDown(Qt::MouseButton button, int x, int y);
    void Image1MouseMove(Qt::MouseButtons buttons, int x, int y);
    void Image1MouseUp(Qt::MouseButton button, int x, int y);
    void BtnYardimClick();
    // Ctrl+C: the selected rows, or all rows when none is selected, as tab-separated text with
    // a header row, the numbers in the user's notation.
    void CopyRows();
    // "Dışa Aktar...": asks for a file name and writes the whole curve there as CSV.
    void DisaAktarButtonClick();
    // Writes the shown curve's points to fileName with a progress window that can cancel; a
    // failure is reported (ReportError) in one message. True when the file was written.
    bool ExportTo(const QString& fileName);

    const TDrawFunction& PreviewRenderer() const { return *FPreview; }
    long double PreviewAngleX() const { return FTurning.AngleX(); }
    long double PreviewAngleY() const { return FTurning.AngleY(); }
    const TCurvePointsModel& PointsModel() const { return *FPointsModel; }

    // Controls, by their design names.
    TSpinEdit* EgriNoEdit = nullptr;
    QToolButton* ilkEgriButton = nullptr;
    QToolButton* OncekiButton = nullptr;
    QToolButton* SonrakiButton = nullptr;
    QToolButton* SonEgriButton = nullptr;
    QLineEdit* EgriTypeEdit = nullptr;
    QLineEdit* fxEdit = nullptr;
    QLineEdit* fyEdit = nullptr;
    QLineEdit* fzEdit = nullptr;
    QLineEdit* NoktaAraligiEdit = nullptr;
    TImage* Image1 = nullptr;
    QTableView* StringGrid1 = nullptr;
    QLineEdit* TEditX = nullptr;
    QLineEdit* TEditY = nullptr;
    QLineEdit* TEditZ = nullptr;
    QLineEdit* MTEditX = nullptr;
    QLineEdit* MTEditY = nullptr;
    QLineEdit* MTEditZ = nullptr;
    QPushButton* BtnKapan = nullptr;
    QPushButton* BtnYardim = nullptr;
    QPushButton* DisaAktarButton = nullptr;
    // The points and the points of interest with the measures, one page each.
    QTabWidget* SayfaTab = nullptr;
    TInterestPage* OnemliNoktalarPage = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void DrawPreview();
    // Sets EgriNoEdit and shows the curve it then holds, once.
    void GoTo(int n);

    const TObjectList* FCurves = nullptr;
    int FShownCurve = 0; // the curve whose points are shown, from 1; 0 for none
    QString FOwnCaption; // the caption without the parameters' values
    std::unique_ptr<TDrawFunction> FPreview;
    TCurvePointsModel* FPointsModel = nullptr;
    TPreviewTurning FTurning;
};
