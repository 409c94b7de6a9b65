#include "ui/graph/grafik_mchild_frm.h"

#include "base/exception.h"
#include "base/message.h"
#include "files/graph_settings.h"
#include "files/ini_file.h"
#include "files/picture_file.h"
#include "files/scene_file.h"
#include "files/scene_view.h"
#include "curves/view_fit.h"
#include "render/four_view.h"
#include "ui/graph/animation_export.h"
#include "ui/graph/curve_undo.h"
#include "ui/platform/error_report.h"
#include "ui/platform/image.h"
#include "ui/platform/prompts.h"
#include "files/safe_file.h"

#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageWriter>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
constexpr TPictureFileType SaveTypes[] = { TPictureFileType::Bitmap, TPictureFileType::Scene,
    TPictureFileType::Png, TPictureFileType::Jpeg, TPictureFileType::Svg, TPictureFileType::Pdf };
constexpr int SaveTypeCount = int(std::size(SaveTypes));

TPictureFileType saveType(int index)
{
    return index >= 0 && index < SaveTypeCount ? SaveTypes[index] : TPictureFileType::Bitmap;
}

bool defaultSaveDialog(QWidget* parent, QString& fileName, int& fileType)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters;
    for (TPictureFileType type : SaveTypes)
        filters << PictureFileFilter(type);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(PictureFileFilter(saveType(fileType)));
    dialog.setDefaultSuffix(PictureFileSuffix(saveType(fileType)));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& f) {
            dialog.setDefaultSuffix(PictureFileSuffix(saveType(int(filters.indexOf(f)))));
        });
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName = dialog.selectedFiles().first();
    fileType = std::max(0, int(filters.indexOf(dialog.selectedNameFilter())));
    return true;
}
}

TGrafikMChildFrm::TGrafikMChildFrm(TGraphHost& host, const QString& settingsFile, QWidget* parent)
    : QWidget(parent)
    , FHost(host)
    , FEditing(FDrawFunction.Objects())
    , FInterest(FDrawFunction, FEditing,
          [this](const TPointOfInterest& p, const QString& label) {
              return PlaceMarkerBetween(CurveIndex(), p.At, p.Point, label);
          })
    , FDialogRunner(std::make_shared<TGraphDialogRunner>())
    , FSettingsFile(settingsFile)
{
    SetCaption("Ekran1");
    resize(DesignWidth, DesignHeight);
    CreateControls();
    FUndoStack = new QUndoStack(this);
    connect(FUndoStack, &QUndoStack::cleanChanged, this, [this] { UpdateChangedMark(); });
    FParameters = std::make_unique<TGraphParameters>(FDrawFunction.Objects(), *FUndoStack,
        TGraphParameters::TWindow {
            .Moved =
                [this](bool redraw) {
                    FInterest.Update();
                    if (!redraw)
                        return;
                    RedrawViews(false);
                    // A trace marker stays on its sample, which moved.
                    FReadout->CurveChanged(CurveIndex(), FFourView);
                },
            .Changed = [this] { emit ParametersChanged(); },
            .PlayingChanged = [this] { SyncTimer(); },
        });

    // FormCreate, in its order.
    FDrawFunction.SetSize(width(), height());
    FDrawFunction.SetX0(width() / 2);
    FDrawFunction.SetY0(height() / 2);
    FDrawFunction.SetMoveStep(20);
    FDrawFunction.Objects().SetProgress(&FGenerationProgress);
    int interval = Timer1->interval();
    LoadGraphSettings(TIniFile(settingsFile), FDrawFunction, interval);
    Timer1->setInterval(interval);
    FDrawFunction.Render(true);
    Image1->SetPicture(FDrawFunction.Image());
    SetMouseMode(TMouseTurning::mmRotate);
    FFileName.clear();
    FWindowNo = 1;
}

TGrafikMChildFrm::~TGrafikMChildFrm()
{
    // The undo stack, a child, is destroyed after this class's part: its last clean-state
    // signal must not reach a window that is no longer one.
    FUndoStack->disconnect(this);
}

void TGrafikMChildFrm::CreateControls()
{
    Image1 = new TImage(this);
    Image1->setGeometry(rect());
    Image2 = new TImage(this);
    Image3 = new TImage(this);
    Image4 = new TImage(this);
    Image5 = new TImage(this);
    for (TImage* image : { Image2, Image3, Image4, Image5 }) {
        image->SetAutoSize(true);
        image->hide();
    }
    for (TImage* image : { Image1, Image2, Image3, Image4, Image5 }) {
        image->setContextMenuPolicy(Qt::NoContextMenu);
        connect(image, &TImage::DblClick, this, [this] { Guarded([this] { ShowProperties(); }); });
    }
    FReadout = std::make_unique<TGraphReadout>(
        FDrawFunction, FHost,
        std::array<TImage*, TGraphReadout::ViewCount> { Image1, Image2, Image3, Image4, Image5 },
        [this](int index) { SelectCurve(index); },
        [this](int direction) { StepToInterestPoint(direction); });
    const TImage* const views[] = { Image1, Image2, Image3, Image4, Image5 };
    for (int view = 0; view < TGraphReadout::ViewCount; ++view) {
        const TImage* image = views[view];
        // Every view shows the coordinates under the pointer and moves the marker.
        connect(image, &TImage::MouseMove, this,
            [this, view](Qt::MouseButtons b, Qt::KeyboardModifiers, int x, int y) {
                Guarded([&] { FReadout->PointerMoved(view, FFourView, b != Qt::NoButton, x, y); });
            });
        connect(image, &TImage::MouseLeave, this, [this] { FReadout->PointerLeft(); });
        connect(image, &TImage::Wheel, this,
            [this](int delta, int x, int y) { Guarded([&] { ImageWheel(delta, x, y); }); });
    }
    for (TImage* image : { Image1, Image5 }) {
        connect(image, &TImage::MouseDown, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
                Guarded([&] { Image1MouseDown(b, x, y); });
            });
        connect(image, &TImage::MouseMove, this,
            [this](Qt::MouseButtons b, Qt::KeyboardModifiers, int x, int y) {
                Guarded([&] { ImageMouseMove(b, x, y); });
            });
        connect(image, &TImage::MouseUp, this,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
                Guarded([&] { Image1MouseUp(b, x, y); });
            });
    }
    // The fixed views of four-view do not turn; a right click there opens the menu too.
    for (TImage* image : { Image2, Image3, Image4 }) {
        connect(image, &TImage::MouseDown, this, [this](Qt::MouseButton b) {
            FRightPressed = b == Qt::RightButton;
            FLeftPressed = b == Qt::LeftButton;
            FMovedSincePress = false;
        });
        connect(image, &TImage::MouseUp, this, [this](Qt::MouseButton b) {
            const bool menu = b == Qt::RightButton && FRightPressed;
            const bool click = b == Qt::LeftButton && FLeftPressed;
            FRightPressed = FLeftPressed = false;
            if (click)
                FReadout->Clicked();
            if (menu)
                ShowPopupMenu(QCursor::pos());
        });
    }

    Timer1 = new QTimer(this);
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, [this] { Guarded([this] { Timer1Timer(); }); });
    // A redraw left while the curves were being generated is made once they are not,
    // whether the generation ended or was stopped.
    FRedrawLater = new QTimer(this);
    FRedrawLater->setSingleShot(true);
    FRedrawLater->setInterval(100);
    connect(FRedrawLater, &QTimer::timeout, this, [this] {
        Guarded([this] {
            if (FRedrawSkipped)
                RedrawViews(false);
        });
    });

    ChildFrmPopupMenu = new QMenu(this);
    Kopyala1 = ChildFrmPopupMenu->addAction(tr("K&opyala"));
    ChildFrmPopupMenu->addSeparator();
    Bakis1 = ChildFrmPopupMenu->addAction(tr("Bakış..."));
    Buyukluk1 = ChildFrmPopupMenu->addAction(tr("Büyüklük..."));
    ChildFrmPopupMenu->addSeparator();
    EgriGezgini1 = ChildFrmPopupMenu->addAction(tr("Eğri Gezgini"));
    SayisalDegerler1 = ChildFrmPopupMenu->addAction(tr("Sayısal Değerler..."));
    ChildFrmPopupMenu->addSeparator();
    Ozellikler1 = ChildFrmPopupMenu->addAction(tr("Özellikler..."));
    const auto guarded
        = [this](auto body) { return [this, body] { Guarded([&] { (this->*body)(); }); }; };
    connect(Kopyala1, &QAction::triggered, this, guarded(&TGrafikMChildFrm::CopyToClipboard));
    connect(Bakis1, &QAction::triggered, this, guarded(&TGrafikMChildFrm::ShowViewDialog));
    connect(Buyukluk1, &QAction::triggered, this, guarded(&TGrafikMChildFrm::ShowZoomDialog));
    connect(EgriGezgini1, &QAction::triggered, this,
        [this] { Guarded([this] { FHost.ShowExplorer(); }); });
    connect(
        SayisalDegerler1, &QAction::triggered, this, guarded(&TGrafikMChildFrm::ShowNumericValues));
    connect(Ozellikler1, &QAction::triggered, this, guarded(&TGrafikMChildFrm::ShowProperties));
}

// ---- Properties ------------------------------------------------------------

void TGrafikMChildFrm::SetPerspective(bool value)
{
    FDrawFunction.SetPerspective(value);
    MarkViewChanged();
    RedrawViews(true);
}

void TGrafikMChildFrm::SetAnimation(bool value)
{
    FTurning.SetAnimation(value);
    SyncTimer();
}

bool TGrafikMChildFrm::CurrentCurveHasNoPoints() const
{
    const TObjectList& objects = FDrawFunction.Objects();
    const int index = CurveIndex();
    return index >= 0 && index < objects.Count() && objects.Items(index).Points != nullptr
        && objects.Items(index).Points->Count() == 0;
}

int TGrafikMChildFrm::ZoomPercent() const
{
    const long double percent = std::nearbyint(FDrawFunction.ZoomPercent());
    if (!(percent < INT_MAX))
        return INT_MAX;
    return percent < 0 ? 0 : static_cast<int>(percent);
}

// ---- Views -----------------------------------------------------------------

void TGrafikMChildFrm::RedrawViews(bool recompute)
{
    if (SkipRedraw(recompute))
        return;
    if (!FFourView) {
        FDrawFunction.Render(recompute);
        Image1->SetPicture(FDrawFunction.Image());
        FReadout->ViewsRedrawn(FFourView);
        return;
    }
    const int w = FDrawFunction.Width();
    const int h = FDrawFunction.Height();
    const TFourViews views = RenderFourViews(FDrawFunction);
    Image2->move(0, 0);
    Image2->SetPicture(views.Views[0]);
    Image3->move(0, h + 1);
    Image3->SetPicture(views.Views[1]);
    Image4->move(w + 1, 0);
    Image4->SetPicture(views.Views[2]);
    Image5->move(w + 2, h + 2);
    Image5->SetPicture(views.Views[3]);
    FReadout->ViewsRedrawn(FFourView);
}

// While the curves are being generated (the window runs meanwhile) their points may
// be half written: nothing is drawn until the generation ends, whose redraw then
// computes the views again.
bool TGrafikMChildFrm::SkipRedraw(bool& recompute)
{
    if (FDrawFunction.Objects().Generating()) {
        FRecomputeSkipped = FRecomputeSkipped || recompute;
        FRedrawSkipped = true;
        FRedrawLater->start();
        return true;
    }
    recompute = recompute || FRecomputeSkipped;
    FRecomputeSkipped = FRedrawSkipped = false;
    return false;
}

void TGrafikMChildFrm::RedrawActiveView(bool recompute)
{
    if (SkipRedraw(recompute))
        return;
    FDrawFunction.Render(recompute);
    (FFourView ? Image5 : Image1)->SetPicture(FDrawFunction.Image());
    FReadout->ViewsRedrawn(FFourView);
}

void TGrafikMChildFrm::SetFourView(bool value)
{
    if (value != FFourView)
        MarkViewChanged();
    FFourView = value;
    const int w = value ? width() / 2 : width();
    const int h = value ? height() / 2 : height();
    FDrawFunction.SetSize(w, h);
    FDrawFunction.SetX0(w / 2);
    FDrawFunction.SetY0(h / 2);
    Image1->setVisible(!value);
    for (TImage* image : { Image2, Image3, Image4, Image5 })
        image->setVisible(value);
    RedrawViews(false);
}

void TGrafikMChildFrm::ShowPerspectiveView()
{
    FDrawFunction.SetAngles(15, 30);
    MarkViewChanged();
    RedrawActiveView(true);
}

void TGrafikMChildFrm::ShowFrontView()
{
    FDrawFunction.SetAngles(0, 0);
    MarkViewChanged();
    RedrawActiveView(true);
}

void TGrafikMChildFrm::ShowTopView()
{
    FDrawFunction.SetAngles(90, 0);
    MarkViewChanged();
    RedrawActiveView(true);
}

void TGrafikMChildFrm::ShowSideView()
{
    FDrawFunction.SetAngles(0, -90);
    MarkViewChanged();
    RedrawActiveView(true);
}

void TGrafikMChildFrm::SetZoomPercent(int percent)
{
    FDrawFunction.SetZoom(percent < 1 ? 1 : percent);
    MarkViewChanged();
    RedrawViews(true);
}

void TGrafikMChildFrm::ZoomIn()
{
    FDrawFunction.HalveScale();
    MarkViewChanged();
    FHost.SetZoomText(QString::number(ZoomPercent()) + "%");
    RedrawViews(true);
}

void TGrafikMChildFrm::ZoomOut()
{
    FDrawFunction.DoubleScale();
    MarkViewChanged();
    FHost.SetZoomText(QString::number(ZoomPercent()) + "%");
    RedrawViews(true);
}

QWidget* TGrafikMChildFrm::OuterWindow()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return sub;
    return this;
}

const QWidget* TGrafikMChildFrm::OuterWindow() const
{
    return const_cast<TGrafikMChildFrm*>(this)->OuterWindow();
}

int TGrafikMChildFrm::FittedPercent(int size, int oldOuterSize) const
{
    // percent * size / old size, truncated; the scale of a whole percent is
    // not exact in binary, so 150 % may read 149.999..: a relative 1e-15 keeps
    // such a product from falling below the whole number it stands for.
    const long double q
        = FDrawFunction.ZoomPercent() * size / (oldOuterSize > 0 ? oldOuterSize : 1);
    const long double p = std::trunc(q + std::fabs(q) * 1e-15L);
    return p < 1 ? 1 : (p > INT_MAX ? INT_MAX : static_cast<int>(p));
}

void TGrafikMChildFrm::FitToHeight(int newHeight)
{
    QWidget* outer = OuterWindow();
    const int h0 = outer->frameGeometry().height();
    outer->resize(outer->width(), newHeight - (outer->frameGeometry().height() - outer->height()));
    const int h = FFourView ? newHeight / 2 : newHeight;
    FDrawFunction.SetSize(FDrawFunction.Width(), h);
    FDrawFunction.SetY0(h / 2);
    outer->move(0, 0);
    // In four-view each view is half the window, before and after.
    const int percent = FittedPercent(h, FFourView ? h0 / 2 : h0);
    SetZoomPercent(percent);
    FHost.SetZoomText(QString::number(percent) + "%");
}

void TGrafikMChildFrm::FitToWidth(int newWidth)
{
    QWidget* outer = OuterWindow();
    const int w0 = outer->frameGeometry().width();
    outer->resize(newWidth - (outer->frameGeometry().width() - outer->width()), outer->height());
    const int w = FFourView ? newWidth / 2 : newWidth;
    FDrawFunction.SetSize(w, FDrawFunction.Height());
    FDrawFunction.SetX0(w / 2);
    outer->move(0, 0);
    const int percent = FittedPercent(w, FFourView ? w0 / 2 : w0);
    SetZoomPercent(percent);
    FHost.SetZoomText(QString::number(percent) + "%");
}

void TGrafikMChildFrm::SetPlaneVisible(int plane, bool visible)
{
    FDrawFunction.Planes().Items(plane).SetVisible(visible);
    MarkViewChanged();
    RedrawViews(false);
}

void TGrafikMChildFrm::SetAllCurvesStyle(int style)
{
    FDrawFunction.Objects().SetAllStyles(static_cast<std::uint8_t>(style));
    MarkViewChanged();
    RedrawViews(false);
}

void TGrafikMChildFrm::SetMouseMode(int mode) { FTurning.SetMouseMode(mode); }

void TGrafikMChildFrm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Guarded([this] { FormResize(width(), height()); });
}

void TGrafikMChildFrm::FormResize(int cw, int ch)
{
    Image1->setGeometry(0, 0, cw, ch);
    if (FFourView) {
        FDrawFunction.SetSize(cw / 2, ch / 2);
        FDrawFunction.SetX0(cw / 4);
        FDrawFunction.SetY0(ch / 4);
    } else {
        // The origin keeps its place relative to the window's centre.
        FDrawFunction.SetX0(FDrawFunction.X0() + (cw - FDrawFunction.Width()) / 2);
        FDrawFunction.SetY0(FDrawFunction.Y0() + (ch - FDrawFunction.Height()) / 2);
        FDrawFunction.SetSize(cw, ch);
    }
    RedrawViews(false);
}

void TGrafikMChildFrm::CentreView() { SetFourView(FFourView); }

void TGrafikMChildFrm::FormActivate()
{
    TPlanes& planes = FDrawFunction.Planes();
    FHost.SetPlaneChecks(
        planes.Items(1).Visible(), planes.Items(2).Visible(), planes.Items(3).Visible());
    FHost.SetPerspectiveCheck(Perspective());
    FHost.SetZoomText(QString::number(ZoomPercent()) + "%");
    FHost.SetAnimationDown(Animation());
    FHost.SetFourViewDown(FFourView);
    FHost.SetMouseModeDown(MouseMode());
    FHost.SetTraceCheck(Tracing());
    FHost.SetInterestCheck(FInterest.On());
    FHost.FillExplorer(*this);
    RefreshCurveStatus();
    FHost.SetTraceStatus(TraceText());
}

void TGrafikMChildFrm::closeEvent(QCloseEvent* event)
{
    if (!CanClose()) {
        event->ignore();
        return;
    }
    StopPlaying();
    Timer1->stop();
    FHost.ReleaseWindowNumber(FWindowNo);
    if (QWidget* outer = OuterWindow(); outer->isMaximized())
        outer->showNormal();
    event->accept();
}

// ---- Dialogs ----------------------------------------------------------------

namespace {
// Angles are unbounded; the spins hold 32-bit integers.
int truncatedAngle(long double angle)
{
    const long double whole = std::trunc(angle);
    if (!(whole > INT_MIN))
        return INT_MIN;
    if (!(whole < INT_MAX))
        return INT_MAX;
    return static_cast<int>(whole);
}
}

void TGrafikMChildFrm::ShowViewDialog()
{
    const int ax = truncatedAngle(FDrawFunction.XAxisAngle());
    const int ay = truncatedAngle(FDrawFunction.YAxisAngle());
    int newX = ax;
    int newY = ay;
    // Confirming the shown values keeps the fractional part of the angles.
    if (!FDialogRunner->EditAngles(newX, newY, this, Caption()) || (newX == ax && newY == ay))
        return;
    FDrawFunction.SetAngles(newX, newY);
    MarkViewChanged();
    RedrawViews(true);
}

void TGrafikMChildFrm::ShowZoomDialog()
{
    const int percent = ZoomPercent();
    int newPercent = percent;
    // The dialog confirms no percent below 1; the renderer never sees one.
    if (!FDialogRunner->EditZoom(newPercent, this, Caption()) || newPercent == percent
        || newPercent < 1)
        return;
    SetZoomPercent(newPercent);
    FHost.SetZoomText(QString::number(newPercent) + "%");
}

void TGrafikMChildFrm::ShowNumericValues()
{
    const TObjectList& curves = FDrawFunction.Objects();
    FDialogRunner->ShowValues(curves, curves.Count() == 0 ? 0 : CurveIndex() + 1, this, Caption());
}

void TGrafikMChildFrm::ShowProperties()
{
    TGraphSettings values = TGraphSettings::Of(FDrawFunction, Timer1->interval());
    if (!FDialogRunner->EditSettings(values, FSettingsFile, this, Caption()))
        return;
    int interval = Timer1->interval();
    values.ApplyTo(FDrawFunction, interval);
    Timer1->setInterval(interval);
    MarkViewChanged();
    RedrawViews(true);
    FormActivate();
}

// ---- Mouse and timer -----------------------------------------------------------

void TGrafikMChildFrm::Image1MouseDown(Qt::MouseButton button, int x, int y)
{
    FRightPressed = button == Qt::RightButton;
    FLeftPressed = button == Qt::LeftButton;
    FMovedSincePress = false;
    FTurning.MouseDown(x, y);
    SyncTimer();
}

void TGrafikMChildFrm::ImageMouseMove(Qt::MouseButtons buttons, int x, int y)
{
    const TMouseTurning::TMove move = FTurning.MouseMove(x, y, buttons & Qt::LeftButton);
    if (move.Kind != TMouseTurning::TMove::None)
        FMovedSincePress = true;
    ApplyMove(move);
}

void TGrafikMChildFrm::Image1MouseUp(Qt::MouseButton button, int, int)
{
    const bool menu = button == Qt::RightButton && FRightPressed && !FMovedSincePress;
    const bool click = button == Qt::LeftButton && FLeftPressed && !FMovedSincePress;
    FRightPressed = FLeftPressed = false;
    FTurning.MouseUp();
    SyncTimer();
    if (click)
        FReadout->Clicked();
    if (menu)
        ShowPopupMenu(QCursor::pos());
}

void TGrafikMChildFrm::Timer1Timer()
{
    if (FDrawFunction.Objects().Generating())
        return;
    if (!FParameters->Playing().empty()) {
        // A parameter plays: its step first, then the turn, if any, and one redraw.
        FParameters->Tick();
        if (!FTurning.TimerEnabled()) {
            SyncTimer();
            RedrawViews(false);
            return;
        }
        const TMouseTurning::TMove move = FTurning.Tick();
        FDrawFunction.RotateBy(move.RotateX, move.RotateY);
        SyncTimer();
        RedrawViews(true);
        return;
    }
    const TMouseTurning::TMove move = FTurning.Tick();
    FDrawFunction.RotateBy(move.RotateX, move.RotateY);
    if (move.RotateX != 0 || move.RotateY != 0)
        MarkViewChanged();
    SyncTimer();
    RedrawActiveView(true);
}

void TGrafikMChildFrm::ApplyMove(const TMouseTurning::TMove& move)
{
    switch (move.Kind) {
    case TMouseTurning::TMove::None:
        break;
    case TMouseTurning::TMove::Rotate:
        FDrawFunction.RotateBy(move.RotateX, move.RotateY);
        MarkViewChanged();
        RedrawActiveView(true);
        break;
    case TMouseTurning::TMove::Drag:
        FDrawFunction.MoveOrigin(move.OriginDX, move.OriginDY);
        MarkViewChanged();
        RedrawActiveView(false);
        break;
    }
}

void TGrafikMChildFrm::SyncTimer()
{
    const bool wanted = FTurning.TimerEnabled() || !FParameters->Playing().empty();
    if (wanted && !Timer1->isActive())
        Timer1->start();
    else if (!wanted && Timer1->isActive())
        Timer1->stop();
}

void TGrafikMChildFrm::contextMenuEvent(QContextMenuEvent* event)
{
    // The mouse opens the menu on release (see Image1MouseUp); the keyboard here.
    if (event->reason() == QContextMenuEvent::Keyboard)
        ShowPopupMenu(event->globalPos());
}

void TGrafikMChildFrm::ShowPopupMenu(const QPoint& globalPos)
{
    ChildFrmPopupMenu->popup(globalPos);
}

// ---- Copy, save and print --------------------------------------------------------

QImage TGrafikMChildFrm::ComposePicture() const
{
    return ComposeFourView({ Image2->Picture().toImage(), Image3->Picture().toImage(),
                               Image4->Picture().toImage(), Image5->Picture().toImage() },
        width(), height());
}

QImage TGrafikMChildFrm::Picture() const
{
    if (FFourView)
        return ComposePicture();
    return Image1->Picture().toImage().convertToFormat(QImage::Format_RGB32);
}

void TGrafikMChildFrm::CopyToClipboard() { QGuiApplication::clipboard()->setImage(Picture()); }

void TGrafikMChildFrm::WritePicture(const QString& fileName, TPictureFileType type)
{
    if (IsVectorType(type)) {
        // The four views are rendered again, each in turn, by the one renderer.
        WriteSceneVectorPicture(FDrawFunction, FFourView, size(), fileName, type);
        return;
    }
    if (type != TPictureFileType::Bitmap) {
        WriteRasterPicture(Picture(), fileName, type);
        return;
    }
    const QImage picture = Picture();
    // The old file is replaced only by a complete new one.
    TSafeFile file(fileName);
    QImageWriter writer(&file.Device(), "bmp");
    if (!file.Open() || !writer.write(picture) || !file.Commit())
        throw Exception(FormatText("Cannot create file %s", fileName.toStdString()));
}

void TGrafikMChildFrm::SaveAs()
{
    int type = 0;
    for (int i = 0; i < SaveTypeCount; ++i)
        if (SaveTypes[i] == FPictureType)
            type = i;
    SaveAsType(FFileName.isEmpty() ? type : 1);
}

bool TGrafikMChildFrm::SaveAsType(int type)
{
    // A scene is offered under the window's file; a picture under its base name.
    QString name = FFileName.isEmpty() ? Caption()
        : saveType(type) == TPictureFileType::Scene
        ? FFileName
        : QFileInfo(FFileName).path() + "/" + QFileInfo(FFileName).completeBaseName();
    const bool chosen
        = FSaveDialogRunner ? FSaveDialogRunner(name, type) : defaultSaveDialog(this, name, type);
    if (!chosen)
        return false;
    // A typed extension of a known type chooses the type; without one the filter's is added.
    TPictureFileType chosenType = saveType(type);
    if (QFileInfo(name).suffix().isEmpty())
        name += "." + PictureFileSuffix(chosenType);
    else
        PictureFileTypeOf(name, chosenType);
    if (QFileInfo::exists(name) && QFileInfo(name).absoluteFilePath() != FFileName
        && !AskReplaceFile(this, name))
        return false;
    if (chosenType == TPictureFileType::Scene) {
        WriteSceneTo(name);
        FHost.SceneFileUsed(FFileName);
        return true;
    }
    FPictureType = chosenType;
    WritePicture(name, chosenType);
    return true;
}

TScene TGrafikMChildFrm::Scene() const
{
    TScene s = SceneOf(FDrawFunction, Timer1->interval());
    const int index = FEditing.CurveIndex();
    s.CurrentCurve
        = FEditing.State() != omAppend && index < static_cast<int>(s.Curves.size()) ? index : -1;
    s.FourView = FFourView;
    s.Width = width();
    s.Height = height();
    return s;
}

void TGrafikMChildFrm::LoadScene(const TScene& s)
{
    // The client area takes the stored size; the frame, if any, comes on top.
    QWidget* outer = OuterWindow();
    outer->resize(outer->size() + (QSize(s.Width, s.Height) - size()));
    QCoreApplication::sendPostedEvents(this, QEvent::Resize);
    if (outer != this)
        QCoreApplication::sendPostedEvents(outer, QEvent::Resize);
    SetFourView(s.FourView);
    int interval = Timer1->interval();
    ApplyScene(s, FDrawFunction, interval);
    Timer1->setInterval(interval);
    FEditing.Reset(s.CurrentCurve);
    FUndoStack->clear();
    FViewChanged = false;
    UpdateChangedMark();
    RedrawViews(true);
    RefreshCurveStatus();
    emit ParametersChanged();
}

void TGrafikMChildFrm::WriteScene() { WriteSceneTo(FFileName); }

void TGrafikMChildFrm::WriteSceneTo(const QString& fileName)
{
    WriteSceneFile(fileName, Scene());
    SetFileName(QFileInfo(fileName).absoluteFilePath());
    FUndoStack->setClean();
    FViewChanged = false;
    UpdateChangedMark();
}

void TGrafikMChildFrm::SaveAnimation()
{
    TAnimationSettings settings;
    const QImage picture = Picture();
    settings.Width = picture.width();
    settings.Height = picture.height();
    const std::vector<TParameter>& parameters = FDrawFunction.Objects().Parameters().Items();
    if (parameters.empty()) {
        settings.Move.Turn = true;
    } else {
        settings.Move.Parameter = parameters.front().Name;
        settings.Move.From = parameters.front().Min;
        settings.Move.To = parameters.front().Max;
    }
    if (!FDialogRunner->EditAnimation(settings, parameters, this, Caption()))
        return;
    const QString suggested = QFileInfo(Caption()).completeBaseName() + "."
        + (settings.Type == TAnimationFileType::WebP ? "webp" : "gif");
    const QString fileName = FDialogRunner->AskAnimationFile(settings.Type, suggested, this);
    if (fileName.isEmpty())
        return;
    delete FAnimationExport.data();
    // The marks of the points of interest, as the window shows them (none for a curve
    // being added).
    const bool marks = FInterest.On() && FEditing.State() != omAppend;
    FAnimationExport = new TAnimationExport(
        Scene(), settings, fileName, this, marks ? CurveIndex() : -1);
    connect(FAnimationExport, &TAnimationExport::Finished, FAnimationExport,
        &QObject::deleteLater);
    FAnimationExport->Start();
}

TAnimationExport* TGrafikMChildFrm::AnimationExport() const { return FAnimationExport.data(); }

void TGrafikMChildFrm::Save()
{
    if (FFileName.isEmpty())
        SaveAsType(1);
    else
        WriteScene();
}

bool TGrafikMChildFrm::CanClose()
{
    // An empty window that has no file holds no work.
    if (!Changed() || (CurveCount() == 0 && FFileName.isEmpty()))
        return true;
    const QString question = CurvesChanged()
        ? tr("\"%1\" penceresindeki eğriler değişti. Kaydedilsin mi?")
        : tr("\"%1\" penceresinin görünüşü değişti. Kaydedilsin mi?");
    const TSaveAnswer answer = AskSaveChanges(this, question.arg(Caption()));
    if (answer == TSaveAnswer::Discard)
        return true;
    if (answer == TSaveAnswer::Cancel)
        return false;
    bool saved = false;
    Guarded([&] {
        if (FFileName.isEmpty())
            saved = SaveAsType(1);
        else {
            WriteScene();
            saved = true;
        }
    });
    return saved;
}

// ---- Caption and unsaved mark ----------------------------------------------------

void TGrafikMChildFrm::SetFileName(const QString& name)
{
    FFileName = name;
    if (name.isEmpty())
        return;
    SetCaption(QFileInfo(name).fileName());
    // A tool tip that looks like markup is read as rich text: the path is escaped.
    OuterWindow()->setToolTip(
        "<nobr>" + QDir::toNativeSeparators(name).toHtmlEscaped() + "</nobr>");
}

QString TGrafikMChildFrm::Caption() const
{
    QString caption = windowTitle();
    if (caption.endsWith(QStringLiteral("[*]")))
        caption.chop(3);
    return caption.replace(QStringLiteral("[*][*]"), QStringLiteral("[*]"));
}

void TGrafikMChildFrm::SetCaption(const QString& caption)
{
    // A caption of its own "[*]" is not taken for the mark.
    QString text = caption;
    setWindowTitle(text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")) + "[*]");
}

void TGrafikMChildFrm::MarkViewChanged()
{
    FViewChanged = true;
    UpdateChangedMark();
}

void TGrafikMChildFrm::UpdateChangedMark() { setWindowModified(Changed()); }

void TGrafikMChildFrm::Print(QPrinter& printer)
{
    const QSize size
        = FFourView ? this->size() : QSize(FDrawFunction.Width(), FDrawFunction.Height());
    QPainter painter;
    if (!painter.begin(&printer))
        throw Exception(tr("Yazıcıya yazdırılamadı: yazıcı hazır değil.").toStdString());
    // The picture keeps the physical size it has on this screen, centred on the page.
    const QRect target = PrintTarget(size, QSizeF(logicalDpiX(), logicalDpiY()),
        QSizeF(printer.logicalDpiX(), printer.logicalDpiY()), painter.viewport());
    if (size.isEmpty() || target.isEmpty())
        return;
    // The scene painted as vectors in the picture's pixel geometry, mapped onto the target, so
    // that it is as sharp as the printer prints; the four views each rendered again in turn.
    painter.translate(target.topLeft());
    painter.scale(double(target.width()) / size.width(), double(target.height()) / size.height());
    painter.setClipRect(QRect(QPoint(0, 0), size));
    if (FFourView)
        PaintFourViews(FDrawFunction, painter, size.width(), size.height());
    else
        FDrawFunction.Paint(painter, size.width(), size.height());
    painter.end();
}

// ---- The current curve -----------------------------------------------------------

bool TGrafikMChildFrm::IsCurveChanged(const TEditorValues& values) const
{
    return FEditing.IsCurveChanged(values);
}

void TGrafikMChildFrm::MarkCurveChanged()
{
    if (FEditing.State() == omAppend)
        return;
    FEditing.MarkCurveChanged();
    FHost.SetCurveStatus(QString::fromStdString(FEditing.ChangedStatusText()));
}

void TGrafikMChildFrm::ApplyCurve(const TEditorValues& values)
{
    const TCurveSnapshot before = TakeCurveSnapshot(FDrawFunction.Objects(), FEditing);
    FEditing.ApplyCurve(values);
    RedrawViews(false);
    RefreshCurveStatus();
    PushCurveEdit(tr("Uygula"), before);
    emit ParametersChanged();
}

void TGrafikMChildFrm::NewCurve()
{
    FEditing.NewCurve();
    RefreshCurveStatus();
}

void TGrafikMChildFrm::FirstCurve()
{
    if (FEditing.FirstCurve())
        RefreshCurveStatus();
}

void TGrafikMChildFrm::PriorCurve()
{
    if (FEditing.PriorCurve())
        RefreshCurveStatus();
}

void TGrafikMChildFrm::NextCurve()
{
    if (FEditing.NextCurve())
        RefreshCurveStatus();
}

void TGrafikMChildFrm::LastCurve()
{
    if (FEditing.LastCurve())
        RefreshCurveStatus();
}

void TGrafikMChildFrm::RemoveCurve()
{
    const TCurveSnapshot before = TakeCurveSnapshot(FDrawFunction.Objects(), FEditing);
    if (!FEditing.RemoveCurve())
        return;
    PushCurveEdit(tr("Eğriyi Sil"), before);
    RefreshCurveStatus();
    RedrawViews(false);
    emit ParametersChanged();
}

void TGrafikMChildFrm::RemoveAllCurves()
{
    const TCurveSnapshot before = TakeCurveSnapshot(FDrawFunction.Objects(), FEditing);
    if (!FEditing.RemoveAllCurves())
        return;
    PushCurveEdit(tr("Tümünü Sil"), before);
    RedrawViews(false);
    RefreshCurveStatus();
    emit ParametersChanged();
}

bool TGrafikMChildFrm::CurvesChanged() const { return !FUndoStack->isClean(); }

void TGrafikMChildFrm::Undo() { UndoStep(*FUndoStack); }

void TGrafikMChildFrm::Redo() { RedoStep(*FUndoStack); }

void TGrafikMChildFrm::PushCurveEdit(const QString& text, const TCurveSnapshot& before)
{
    TCurveSnapshot after = TakeCurveSnapshot(FDrawFunction.Objects(), FEditing);
    if (after.Curves == before.Curves)
        return;
    FUndoStack->push(new TCurveEditCommand(
        text, before, std::move(after), [this](const TCurveSnapshot& s) { RestoreCurves(s); }));
}

void TGrafikMChildFrm::RestoreCurves(const TCurveSnapshot& snapshot)
{
    // The snapshot was a valid list, so this raises only when memory runs out or a
    // long generation is stopped.
    TObjectList& list = FDrawFunction.Objects();
    const TCurveSnapshot now = TakeCurveSnapshot(list, FEditing);
    try {
        RestoreCurveList(list, snapshot);
        list.ApplyParameters(snapshot.Parameters);
    } catch (const EGenerationStopped&) {
        // The curves go back as they were (the same values give the same points),
        // with the bar but no stop; the step stays where it was.
        list.SetPuttingBack(true);
        Guarded([&] {
            RestoreCurveList(list, now);
            list.ApplyParameters(now.Parameters);
        });
        list.SetPuttingBack(false);
        throw;
    } catch (...) {
        ReportException(std::current_exception());
    }
    FEditing.Restore(snapshot.CurveIndex, snapshot.State);
    RedrawViews(false);
    FHost.FillExplorer(*this);
    RefreshCurveStatus();
    emit ParametersChanged();
}

void TGrafikMChildFrm::RefreshCurveStatus()
{
    const bool onStop = FInterest.OnStop(Tracer(), Tracing());
    if (FInterest.Shown() && FInterest.Update())
        RedrawViews(false);
    if (FHost.ExplorerVisible())
        FHost.SetCurveButtons(FEditing.Buttons());
    FHost.SetCurveStatus(QString::fromStdString(FEditing.StatusText()));
    FReadout->CurveChanged(CurveIndex(), FFourView);
    // The marker went to the sample nearest its place; while the points still hold
    // it goes back to the one it stood on.
    if (onStop)
        FInterest.ReturnToStop();
}

void TGrafikMChildFrm::SelectCurve(int index)
{
    if (index < 0 || index >= CurveCount())
        return;
    FEditing.Reset(index);
    FHost.FillExplorer(*this);
    RefreshCurveStatus();
}

// ---- Reading the curves ------------------------------------------------------------

void TGrafikMChildFrm::SetTracing(bool on)
{
    // The window takes the keys only while it traces.
    setFocusPolicy(on ? Qt::ClickFocus : Qt::NoFocus);
    FReadout->SetTracing(on, CurveIndex(), FFourView);
    if (on)
        setFocus();
}

void TGrafikMChildFrm::SetInterestMarks(bool on)
{
    if (FInterest.SetOn(on))
        RedrawViews(false);
}

bool TGrafikMChildFrm::PlaceMarker(int curve, long long sample, const QString& label)
{
    if (!Tracing() || curve < 0 || curve >= CurveCount())
        return false;
    if (curve != CurveIndex())
        SelectCurve(curve);
    if (!FReadout->Tracer().PlaceAtSample(curve, sample, label.toStdString()))
        return false;
    FReadout->TracerMoved(FFourView);
    return true;
}

bool TGrafikMChildFrm::PlaceMarkerBetween(
    int curve, long double value, const TSpacePoint& point, const QString& label)
{
    if (!Tracing() || curve < 0 || curve >= CurveCount())
        return false;
    if (curve != CurveIndex())
        SelectCurve(curve);
    if (!FReadout->Tracer().PlaceBetween(curve, value, point, label.toStdString()))
        return false;
    FReadout->TracerMoved(FFourView);
    return true;
}

bool TGrafikMChildFrm::event(QEvent* event)
{
    // While tracing, the tracer's keys (Ctrl+C among them) win over the main window's
    // short-cuts.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (FReadout->TakesKey(key->key(), int(key->modifiers()))) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void TGrafikMChildFrm::keyPressEvent(QKeyEvent* event)
{
    bool taken = false;
    Guarded(
        [&] { taken = FReadout->KeyPressed(event->key(), int(event->modifiers()), FFourView); });
    if (!taken) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!Tracing())
        setFocusPolicy(Qt::NoFocus);
}

void TGrafikMChildFrm::ImageWheel(int delta, int x, int y)
{
    // A notch is 120; finer wheels add up to whole notches.
    FWheelDelta += delta;
    for (; FWheelDelta >= 120; FWheelDelta -= 120)
        ZoomAt(true, x, y);
    for (; FWheelDelta <= -120; FWheelDelta += 120)
        ZoomAt(false, x, y);
}

void TGrafikMChildFrm::ZoomAt(bool in, int x, int y)
{
    // Offsets from the origin double (in) or halve: the origin moves so that the
    // scene point under (x, y) keeps its pixel (in perspective, a point at the
    // origin's depth).
    const long double factor = in ? 2 : 0.5L;
    const auto moved = [&](int origin, int at) {
        const long double to
            = std::nearbyint(at - (at - static_cast<long double>(origin)) * factor);
        return static_cast<int>(std::clamp<long double>(to, -(1 << 30), 1 << 30));
    };
    FDrawFunction.SetX0(moved(FDrawFunction.X0(), x));
    FDrawFunction.SetY0(moved(FDrawFunction.Y0(), y));
    if (in)
        ZoomIn();
    else
        ZoomOut();
}

void TGrafikMChildFrm::FitToCurves()
{
    if (!FitView(FDrawFunction.Camera(), FDrawFunction.Objects(), FDrawFunction.Width(),
            FDrawFunction.Height()))
        return;
    FHost.SetZoomText(QString::number(ZoomPercent()) + "%");
    RedrawViews(true);
}
