#include "ui/library/curved_line_s_frm.h"

#include "curves/curve_types.h"
#include "engine/formula_separator.h"
#include "render/draw_function.h"
#include "ui/library/curve_grid_model.h"
#include "ui/library/library_prompts.h"
#include "ui/platform/color_combo.h"
#include "ui/platform/dialog_keys.h"
#include "ui/platform/error_report.h"
#include "ui/platform/help_viewer.h"
#include "ui/platform/image.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

namespace {

constexpr long double previewStep = 0.2L;
constexpr int previewThickness = 2;

enum { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete };

} // namespace

template <class F> bool TCurvedLineSFrm::Guard(F&& body)
{
    try {
        body();
        return true;
    } catch (...) {
        // A failed post is recorded before the message box opens, since the box
        // deactivates the window and leaving it must not post the same edit again.
        if (FTable.State() == dsEdit || FTable.State() == dsInsert)
            FFailedRevision = FEditRevision;
        ReportException(std::current_exception());
        return false;
    }
}

TCurvedLineSFrm::TCurvedLineSFrm(QWidget* owner, const TLibraryOptions& options)
    : QDialog(owner)
    , FTable(options.Folder)
    , FLibraryPreview(std::make_unique<TDrawFunction>())
{
    CreateControls(this, FTable, FLibraryCurveColour);
    ConnectControls();
    FormCreate(options);
    SetHelpContext(this, hcCurveLibrary);
    connect(this, &TCurvedLineSFrm::HelpRequested, this,
        [] { HelpViewer().ShowContext(hcCurveLibrary); });
}

void TCurvedLineSFrm::ConnectControls()
{
    for (int i = 0; i < 6; ++i)
        connect(
            FNavigatorButtons[i], &QToolButton::clicked, this, [this, i] { NavigatorClick(i); });
    for (QToolButton* b : { SpeedButton1, SpeedButton2, SpeedButton3 }) {
        const int tag = b->property("tag").toInt();
        connect(b, &QToolButton::clicked, this, [this, tag] { SetDuzlem(tag); });
    }
    for (QToolButton* b : { OndenGorBtn, UsttenGorBtn, YandanGorBtn, PerspektifGorBtn })
        connect(b, &QToolButton::clicked, this, &TCurvedLineSFrm::GorunusBtnClick);
    connect(TumGorBtn, &QToolButton::clicked, this, &TCurvedLineSFrm::TumGorBtnClick);
    connect(CizgiCizimBtn, &QToolButton::clicked, this, &TCurvedLineSFrm::CizgiCizimBtnClick);
    connect(NoktaCizimBtn, &QToolButton::clicked, this, &TCurvedLineSFrm::NoktaCizimBtnClick);
    connect(ColorCombo, &QComboBox::activated, this, &TCurvedLineSFrm::ColorComboChange);
    connect(ColorCombo, &TColorCombo::DblClick, this, &TCurvedLineSFrm::ColorComboDblClick);
    connect(ArkapilanColorCombo, &QComboBox::activated, this,
        &TCurvedLineSFrm::ArkapilanColorComboChange);
    connect(ArkapilanColorCombo, &TColorCombo::DblClick, this,
        &TCurvedLineSFrm::ArkapilanColorComboDblClick);
    connect(BtnKaydet, &QPushButton::clicked, this, &TCurvedLineSFrm::BtnKaydetClick);
    connect(BtnGeriAl, &QPushButton::clicked, this, &TCurvedLineSFrm::BtnGeriAlClick);
    connect(BtnTamam, &QPushButton::clicked, this, &TCurvedLineSFrm::BtnTamamClick);
    connect(BtnVazgec, &QPushButton::clicked, this, &TCurvedLineSFrm::BtnVazgecClick);
    connect(BtnKapan, &QPushButton::clicked, this, &TCurvedLineSFrm::BtnKapanClick);
    connect(BtnYardim, &QPushButton::clicked, this, &TCurvedLineSFrm::HelpRequested);
    connect(RangeComboBox, &QComboBox::activated, this, &TCurvedLineSFrm::RangeComboBoxChange);
    connect(PerspektifGorImage, &TImage::MouseDown, this,
        [this](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
            PerspektifGorImageMouseDown(b, x, y);
        });
    connect(PerspektifGorImage, &TImage::MouseMove, this,
        [this](Qt::MouseButtons b, Qt::KeyboardModifiers, int x, int y) {
            PerspektifGorImageMouseMove(b, x, y);
        });
    connect(PerspektifGorImage, &TImage::MouseUp, this, [this] { PerspektifGorImageMouseUp(); });
    connect(DBGrid1, &QTableView::doubleClicked, this, [this] {
        if (FSelectionMode)
            BtnTamamClick();
    });
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) { GridCurrentRowChanged(current.row()); });
}

TCurvedLineSFrm::~TCurvedLineSFrm()
{
    // The table outlives nothing that listens to it. The grid and its model read
    // the table until they are gone, so they go before it (QWidget's destructor
    // would free them only after the members).
    FTable.disconnect(this);
    delete DBGrid1;
    DBGrid1 = nullptr;
    FGridModel = nullptr;
}

void TCurvedLineSFrm::FormCreate(const TLibraryOptions& options)
{
    TDrawFunction& preview = *FLibraryPreview;
    preview.SetSize(OndenGorImage->width(), OndenGorImage->height());
    preview.SetX0(OndenGorImage->width() / 2);
    preview.SetY0(OndenGorImage->height() / 2);
    preview.SetLAxisesVisible(false);
    preview.SetBrushColor(ArkapilanColorCombo->Color());
    preview.SetZoom(30);

    connect(&FTable, &TCurveTable::StateChange, this, &TCurvedLineSFrm::TableStateChange);
    connect(&FTable, &TCurveTable::AfterScroll, this, &TCurvedLineSFrm::Table1AfterScroll);
    connect(&FTable, &TCurveTable::TypeChange, this, &TCurvedLineSFrm::Table1TypeChange);
    connect(&FTable, &TCurveTable::DataChange, this, [this] {
        ++FEditRevision;
        UpdateNavigator();
        SyncGridToTable();
    });

    FTable.SetBusyTimeout(options.BusyTimeout);
    OpenLibraryTable(FTable, parentWidget());
    TableStateChange();
    RedrawLibraryPreviews();
}

void TCurvedLineSFrm::TableStateChange()
{
    const bool editing = FTable.State() == dsEdit || FTable.State() == dsInsert;
    BtnKaydet->setEnabled(editing);
    BtnGeriAl->setEnabled(editing);
    // A window whose library could not be opened must still close by its button.
    BtnKapan->setEnabled(!editing);
    UpdateNavigator();
}

void TCurvedLineSFrm::UpdateNavigator()
{
    const bool active = FTable.Active();
    const int row = FTable.RecNo();
    const int last = FTable.RecordCount() - 1;
    FNavigatorButtons[nbFirst]->setEnabled(active && row > 0);
    FNavigatorButtons[nbPrior]->setEnabled(active && row > 0);
    FNavigatorButtons[nbNext]->setEnabled(active && row >= 0 && row < last);
    FNavigatorButtons[nbLast]->setEnabled(active && row >= 0 && row < last);
    FNavigatorButtons[nbInsert]->setEnabled(active);
    FNavigatorButtons[nbDelete]->setEnabled(active && row >= 0);
}

void TCurvedLineSFrm::NavigatorClick(int button)
{
    Guard([&] {
        switch (button) {
        case nbFirst:
            FTable.First();
            break;
        case nbPrior:
            FTable.Prior();
            break;
        case nbNext:
            FTable.Next();
            break;
        case nbLast:
            FTable.Last();
            break;
        case nbInsert:
            FTable.Insert();
            break;
        case nbDelete:
            if (FTable.State() == dsInsert) {
                FTable.Cancel();
                break;
            }
            if (LibraryQuestion(this, windowTitle(),
                    QCoreApplication::translate("TCurvedLineSFrm", "Kayıt silinsin mi?")))
                FTable.Delete();
            break;
        }
    });
    SyncGridToTable();
}

void TCurvedLineSFrm::SyncGridToTable()
{
    if (FSyncing)
        return;
    FSyncing = true;
    const int row = FTable.RecNo();
    const QModelIndex current = DBGrid1->currentIndex();
    if (row < 0)
        DBGrid1->selectionModel()->clearCurrentIndex();
    else if (current.row() != row)
        DBGrid1->setCurrentIndex(FGridModel->index(row, std::max(current.column(), 0)));
    FSyncing = false;
}

void TCurvedLineSFrm::GridCurrentRowChanged(int row)
{
    if (FSyncing || row < 0 || row == FTable.RecNo())
        return;
    FSyncing = true;
    Guard([&] { FTable.MoveTo(row); });
    FSyncing = false;
    // A move refused by a failed post leaves the grid on the edited row; the view
    // is told after it has finished its own change of the current cell.
    if (FTable.RecNo() != row)
        QTimer::singleShot(0, this, [this] { SyncGridToTable(); });
}

bool TCurvedLineSFrm::TryPost()
{
    if (FInPost)
        return false;
    FInPost = true;
    struct TDone {
        bool& Flag;
        ~TDone() { Flag = false; }
    } done { FInPost };
    return Guard([&] { FTable.Post(); });
}

void TCurvedLineSFrm::BtnKaydetClick() { TryPost(); }

void TCurvedLineSFrm::BtnGeriAlClick()
{
    Guard([&] { FTable.Cancel(); });
}

void TCurvedLineSFrm::BtnKapanClick()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void TCurvedLineSFrm::BtnTamamClick()
{
    if (FTable.State() == dsEdit || FTable.State() == dsInsert)
        if (!TryPost())
            return;
    done(QDialog::Accepted);
}

void TCurvedLineSFrm::BtnVazgecClick()
{
    Guard([&] { FTable.Cancel(); });
    QDialog::reject();
}

void TCurvedLineSFrm::reject()
{
    // Closing the window is leaving it: the row being edited is posted, and a
    // row that cannot be posted keeps the window open.
    if ((FTable.State() == dsEdit || FTable.State() == dsInsert) && !TryPost())
        return;
    QDialog::reject();
}

void TCurvedLineSFrm::FormActivate()
{
    // A row being edited stays as the user left it; the tables are re-read once
    // it is posted or dropped.
    if (FTable.State() != dsBrowse)
        return;
    try {
        FTable.Refresh();
        FRefreshFailed = false;
    } catch (...) {
        // Closing the message box activates the window again: the same failure
        // is told once, not in an endless round of boxes.
        if (!FRefreshFailed)
            ReportException(std::current_exception());
        FRefreshFailed = true;
    }
}

void TCurvedLineSFrm::FormDeactivate()
{
    if (FTable.State() != dsEdit && FTable.State() != dsInsert)
        return;
    // After the event loop has run once, so that an editor of the grid open at
    // this moment has handed its text to the row.
    QTimer::singleShot(0, this, [this] {
        if (FTable.State() != dsEdit && FTable.State() != dsInsert)
            return;
        if (!FTable.Modified() || FFailedRevision == FEditRevision)
            return;
        TryPost();
    });
}

void TCurvedLineSFrm::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        ActivationChanged();
}

void TCurvedLineSFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (sub && sub != FSubWindow) {
        FSubWindow = sub;
        FSubActive = sub->windowState().testFlag(Qt::WindowActive);
        connect(sub, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates, Qt::WindowStates state) {
                FSubActive = state.testFlag(Qt::WindowActive);
                ActivationChanged();
            });
    }
}

void TCurvedLineSFrm::ActivationChanged()
{
    const bool active = isActiveWindow() && (!FSubWindow || FSubActive);
    if (active == FActive)
        return;
    FActive = active;
    if (active)
        FormActivate();
    else
        FormDeactivate();
}

void TCurvedLineSFrm::keyPressEvent(QKeyEvent* event)
{
    // As a child window the frame's F1 finds this window's topic; alone, F1 is ours.
    if (AnswerDialogKey(event, [this] { emit HelpRequested(); }))
        return;
    // As a child window of the frame, Escape and Enter belong to the controls,
    // not to a dialog's buttons.
    if (!isWindow()) {
        QWidget::keyPressEvent(event);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TCurvedLineSFrm::Table1TypeChange()
{
    if (FTable.State() != dsEdit && FTable.State() != dsInsert)
        return;
    // The type's fixed formulas, and empty fields for those the user writes.
    Guarded([&] {
        const QVariant type = FTable.FieldValue(u"Type");
        if (type.isNull() || !IsCurveType(type.toInt()))
            return;
        const TCurveTypeRow& row = CurveTypes[type.toInt()];
        const char16_t* const fields[3] = { u"FunctionX", u"FunctionY", u"FunctionZ" };
        for (int k = 0; k < 3; ++k) {
            const TFormulaSlot& slot = row.Formulas[k];
            FTable.SetFieldValue(fields[k], QString::fromUtf8(slot.Used ? "" : slot.ValuesText));
        }
    });
}

void TCurvedLineSFrm::RangeComboBoxChange(int index)
{
    const bool done = Guard([&] {
        if (index >= 1)
            FTable.SetRange(index - 1, index - 1);
        else if (index == 0)
            FTable.SetRange(0, RangeComboBox->count());
    });
    if (done)
        FRangeIndex = index;
    else
        RangeComboBox->setCurrentIndex(FRangeIndex);
}

void TCurvedLineSFrm::LocateCurve(const TCurveKey& key)
{
    if (!FTable.Active())
        return;
    Guard([&] {
        FTable.SetRange(key.Type, key.Type);
        FRangeIndex = key.Type + 1 < RangeComboBox->count() ? key.Type + 1 : -1;
        RangeComboBox->setCurrentIndex(FRangeIndex);
        FTable.FindNearest(key);
    });
}

int TCurvedLineSFrm::SelectCurve()
{
    FSelectionMode = true;
    setWindowTitle(QCoreApplication::translate("TCurvedLineSFrm", "Eğri Seçim"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    const QColor tip = QToolTip::palette().color(QPalette::ToolTipBase);
    for (QWidget* w : std::initializer_list<QWidget*> {
             RangeComboBox, DBGrid1, ColorCombo, ArkapilanColorCombo }) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Base, tip);
        palette.setColor(QPalette::Button, tip);
        w->setPalette(palette);
    }
    ArkapilanColorCombo->SetColor(QColorToColor(tip));
    ArkapilanColorComboChange();
    // A double click chooses the row rather than editing its cell.
    DBGrid1->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
        | QAbstractItemView::SelectedClicked);
    BtnTamam->show();
    BtnVazgec->show();
    BtnKapan->hide();
    BtnYardim->hide();
    return exec();
}

void TCurvedLineSFrm::AppendPreviewCurve(bool edit)
{
    const TCurveRow& row = FTable.Rows(FTable.RecNo());
    const std::uint8_t style = CizgiCizimBtn->isChecked() ? 0 : 1;
    TObjectList& objects = FLibraryPreview->Objects();
    // A row written under the other decimal separator still draws.
    const std::string fx = WithCurrentDecimalSeparator(row.FunctionX.toStdString());
    const std::string fy = WithCurrentDecimalSeparator(row.FunctionY.toStdString());
    const std::string fz = WithCurrentDecimalSeparator(row.FunctionZ.toStdString());
    if (edit)
        objects.Edit(0, row.Type.value_or(0), fx, fy, fz, FLibraryCurveColour, style,
            previewThickness, previewStep, true);
    else
        objects.Append(row.Type.value_or(0), fx, fy, fz, FLibraryCurveColour, style,
            previewThickness, previewStep, true);
}

bool TCurvedLineSFrm::SamePreviewRow() const
{
    if (!FPreviewRow || FTable.RecNo() < 0 || FTable.State() != dsBrowse)
        return false;
    const TCurveRow& row = FTable.Rows(FTable.RecNo());
    return row.Type == FPreviewRow->Type && row.FunctionX == FPreviewRow->FunctionX
        && row.FunctionY == FPreviewRow->FunctionY && row.FunctionZ == FPreviewRow->FunctionZ;
}

void TCurvedLineSFrm::Table1AfterScroll()
{
    // A re-read that stays on the same curve keeps its preview: a row that does
    // not compile would otherwise be reported again on every activation, and the
    // message box itself activates the window once it closes.
    if (SamePreviewRow()) {
        UpdateNavigator();
        SyncGridToTable();
        return;
    }
    FPreviewRow.reset();
    FLibraryPreview->Objects().Clear();
    if (FTable.RecNo() >= 0 && FTable.State() == dsBrowse) {
        FPreviewRow = FTable.Rows(FTable.RecNo());
        // A row that does not compile leaves the preview without a curve.
        Guarded([&] { AppendPreviewCurve(false); });
    }
    FTurning.Reset();
    RedrawLibraryPreviews();
    UpdateNavigator();
    SyncGridToTable();
}

void TCurvedLineSFrm::RedrawLibraryPreviews()
{
    TDrawFunction& preview = *FLibraryPreview;
    const bool all = TumGorBtn->isChecked();
    if (all || OndenGorBtn->isChecked()) {
        preview.SetAngles(0, 0);
        preview.Render(true);
        OndenGorImage->SetPicture(preview.Image());
    }
    if (all || YandanGorBtn->isChecked()) {
        preview.SetAngles(0, -90);
        preview.Render(true);
        YandanGorImage->SetPicture(preview.Image());
    }
    if (all || UsttenGorBtn->isChecked()) {
        preview.SetAngles(90, 0);
        preview.Render(true);
        UsttenGorImage->SetPicture(preview.Image());
    }
    if (all || PerspektifGorBtn->isChecked()) {
        preview.SetPerspective(true);
        preview.SetAngles(FTurning.AngleX(), FTurning.AngleY());
        preview.Render(true);
        PerspektifGorImage->SetPicture(preview.Image());
    }
}

void TCurvedLineSFrm::GorunusBtnClick()
{
    OndenGorImage->setVisible(OndenGorBtn->isChecked());
    UsttenGorImage->setVisible(UsttenGorBtn->isChecked());
    YandanGorImage->setVisible(YandanGorBtn->isChecked());
    PerspektifGorImage->setVisible(PerspektifGorBtn->isChecked());
    const QPoint front = OndenGorImage->pos();
    YandanGorImage->move(YandanGorImage->x(), front.y());
    PerspektifGorImage->move(front.x(), front.y());
    UsttenGorImage->move(front.x(), UsttenGorImage->y());
    const int width = 2 * OndenGorBevel->width() - 4;
    const int height = 2 * OndenGorBevel->height() - 4;
    FLibraryPreview->SetSize(width, height);
    FLibraryPreview->SetX0(width / 2);
    FLibraryPreview->SetY0(height / 2);
    FLibraryPreview->SetZoom(60);
    RedrawLibraryPreviews();
}

void TCurvedLineSFrm::TumGorBtnClick()
{
    for (TImage* image : { OndenGorImage, UsttenGorImage, YandanGorImage, PerspektifGorImage })
        image->setVisible(true);
    const QPoint front = OndenGorImage->pos();
    const int w = OndenGorBevel->width();
    const int h = OndenGorBevel->height();
    YandanGorImage->move(front.x(), front.y() + h);
    UsttenGorImage->move(front.x() + w, front.y());
    PerspektifGorImage->move(front.x() + w, front.y() + h);
    const int width = w - 2;
    const int height = h - 2;
    FLibraryPreview->SetSize(width, height);
    FLibraryPreview->SetX0(width / 2);
    FLibraryPreview->SetY0(height / 2);
    FLibraryPreview->SetZoom(30);
    RedrawLibraryPreviews();
}

void TCurvedLineSFrm::SetDuzlem(int tag)
{
    QToolButton* buttons[] = { SpeedButton1, SpeedButton2, SpeedButton3 };
    Guarded(
        [&] { FLibraryPreview->Planes().Items(tag).SetVisible(buttons[tag - 1]->isChecked()); });
    RedrawLibraryPreviews();
}

void TCurvedLineSFrm::CizgiCizimBtnClick()
{
    FLibraryPreview->Objects().SetAllStyles(0);
    RedrawLibraryPreviews();
}

void TCurvedLineSFrm::NoktaCizimBtnClick()
{
    FLibraryPreview->Objects().SetAllStyles(1);
    RedrawLibraryPreviews();
}

void TCurvedLineSFrm::ColorComboChange()
{
    // The colour is kept even without a row, so that the next row is drawn in
    // the colour the list shows.
    FLibraryCurveColour = ColorCombo->Color();
    if (FTable.RecNo() < 0)
        return;
    // Without a preview curve (a row that does not compile) there is nothing to
    // recolour.
    if (FLibraryPreview->Objects().Count() > 0)
        Guarded([&] { AppendPreviewCurve(true); });
    RedrawLibraryPreviews();
}

void TCurvedLineSFrm::ColorComboDblClick()
{
    const TColor color = SelectColor(this, ColorCombo->Color());
    if (color != ColorCombo->Color()) {
        ColorCombo->SetColor(color);
        ColorComboChange();
    }
}

void TCurvedLineSFrm::ArkapilanColorComboChange()
{
    FLibraryPreview->SetBrushColor(ArkapilanColorCombo->Color());
    RedrawLibraryPreviews();
}

void TCurvedLineSFrm::ArkapilanColorComboDblClick()
{
    const TColor color = SelectColor(this, ArkapilanColorCombo->Color());
    if (color != ArkapilanColorCombo->Color()) {
        ArkapilanColorCombo->SetColor(color);
        ArkapilanColorComboChange();
    }
}

void TCurvedLineSFrm::PerspektifGorImageMouseDown(Qt::MouseButton, int x, int y)
{
    FTurning.MouseDown(x, y);
}

void TCurvedLineSFrm::PerspektifGorImageMouseMove(Qt::MouseButtons buttons, int x, int y)
{
    if (FTurning.MouseMove(x, y, buttons.testFlag(Qt::LeftButton)))
        RedrawLibraryPreviews();
}

void TCurvedLineSFrm::PerspektifGorImageMouseUp() { FTurning.MouseUp(); }
