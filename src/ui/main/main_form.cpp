#include "ui/main/main_form.h"

#include "files/file_locations.h"
#include "files/graph_settings.h"
#include "files/ini_file.h"
#include "files/scene_file.h"
#include "ui/dialogs/dialog_help.h"
#include "ui/dialogs/fhesapla_frm.h"
#include "ui/dialogs/graph_dialogs.h"
#include "ui/graph/grafik_mchild_frm.h"
#include "ui/library/curve_library.h"
#include "ui/library/curved_line_s_frm.h"
#include "ui/main/about_frm.h"
#include "ui/main/curved_line_explorer.h"
#include "ui/main/main_commands.h"
#include "ui/main/mdi_client.h"
#include "ui/main/operator_select_tool_w.h"
#include "ui/main/parameters_tool_w.h"
#include "ui/main/wall_p_dialog_frm.h"
#include "ui/main/window_bounds.h"
#include "ui/platform/error_report.h"
#include "ui/platform/help_viewer.h"
#include "ui/platform/prompts.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>
#include <QTranslator>
#include <QUndoStack>

#include <algorithm>

TMainForm::TMainForm(const QString& programDirectory, QWidget* parent)
    : QMainWindow(parent)
{
    FProgramDirectory
        = programDirectory.isEmpty() ? QCoreApplication::applicationDirPath() : programDirectory;
    if (!FProgramDirectory.endsWith('/'))
        FProgramDirectory += '/';
    FSettingsFile = SettingsFileLocation(FProgramDirectory);
    setWindowTitle("Velmo");
    setObjectName("MainForm");
    resize(750, 629);
    move(234, 109);

    FClient = new TMdiClient(this);
    setCentralWidget(FClient);
    connect(FClient, &TMdiClient::EmptyAreaDblClick, this, [this] { DuvarKagidiClick(); });

    FCommands = std::make_unique<TMainCommands>(*this);
    CreateStatusLine();
    CreateToolWindows();
    FRecentFiles = std::make_unique<TRecentFiles>(
        QFileInfo(SettingsFile()).absolutePath() + "/SonDosyalar.txt", Dosya, FExitSeparator,
        [this](const QString& name) { Guarded([&] { OpenSceneFile(name); }); });
    FRecentFiles->UpdateMenu();

    // FormCreate, in its order.
    Guarded([this] { LoadLayout(); });
    connect(FClient, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        Guarded([this, sub] {
            UpdateMenuItems();
            UpdateUndoItems();
            // A window that is not a graph window traces nothing.
            SetTraceStatus(QString());
            // A parameter plays only in the active window.
            TGrafikMChildFrm* active = ActiveGraphWindow();
            for (TGrafikMChildFrm* graph : GraphWindows())
                if (graph != active)
                    graph->StopPlaying();
            ParametersToolW->SetGraphWindow(active);
            if (sub != nullptr)
                if (auto* graph = qobject_cast<TGrafikMChildFrm*>(sub->widget()))
                    graph->FormActivate();
        });
    });
    UpdateMenuItems();
    UpdateUndoItems();
}

TMainForm::~TMainForm()
{
    if (!FLayoutSaved)
        Guarded([this] { SaveLayout(); });
    CloseHelpViewer();
    // QWidget's destructor closes and frees the children after this, when this object
    // is a TMainForm no more: none of their signals may reach its handlers then.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

QString TMainForm::SettingsFile() const { return FSettingsFile; }

TLibraryOptions TMainForm::LibraryOptions() const
{
    return { LibraryFolderLocation(FProgramDirectory) };
}

QStringList TMainForm::RecentFiles() const { return FRecentFiles->Names(); }

QString TMainForm::RecentFilesFile() const { return FRecentFiles->File(); }

void TMainForm::SceneFileUsed(const QString& fileName) { FRecentFiles->Used(fileName); }

// ---- Construction --------------------------------------------------------------

void TMainForm::CreateStatusLine()
{
    StatusPanel0 = new QLabel(this);
    StatusPanel0->setFixedWidth(150);
    StatusPanel1 = new QLabel(tr("Yardım için F1'e basın"), this);
    statusBar()->addWidget(StatusPanel0);
    statusBar()->addWidget(StatusPanel1, 1);
    StatusPanel2 = new QLabel(this);
    StatusPanel2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addPermanentWidget(StatusPanel2);
    StatusPanel2->hide();
}

void TMainForm::CreateToolWindows()
{
    CurvedLineExplorerToolW = new TCurvedLineExplorer(this);
    SetHelpContext(CurvedLineExplorerToolW, hcCurveExplorer);
    connect(CurvedLineExplorerToolW, &TCurvedLineExplorer::HintChanged, this,
        [this](const QString& hint) { StatusPanel1->setText(hint); });
    addDockWidget(Qt::LeftDockWidgetArea, CurvedLineExplorerToolW);
    CurvedLineExplorerToolW->hide();
    CurvedLineExplorerToolW->SetActiveGraphWindow([this] { return ActiveGraphWindow(); });
    CurvedLineExplorerToolW->SetOnPreviewProperties([this](TDrawFunction& preview) {
        ShowPreviewProperties(preview, SettingsFile(), CurvedLineExplorerToolW);
    });
    SetDialogHelp([this](int context) { HelpViewer().ShowContext(context); });
    connect(CurvedLineExplorerToolW, &QDockWidget::visibilityChanged, this, [this] {
        Guarded([this] {
            const bool visible = !CurvedLineExplorerToolW->isHidden();
            EgriGezginiButton->setChecked(visible);
            EgriGezgini->setChecked(visible);
            OnGraph([](auto& g) { g.RefreshCurveStatus(); });
        });
    });
    connect(CurvedLineExplorerToolW, &TCurvedLineExplorer::EgriKaydetClicked, this,
        [this] { Guarded([this] { EgriKaydetButtonClick(); }); });
    connect(CurvedLineExplorerToolW, &TCurvedLineExplorer::CLSelectClicked, this,
        [this] { Guarded([this] { CLSelectButtonClick(); }); });

    OperatorSelectToolW = new TOperatorSelectToolW(this);
    SetHelpContext(OperatorSelectToolW, hcOperatorPalette);
    OperatorSelectToolW->setFloating(true);
    OperatorSelectToolW->hide();
    const auto syncPalette = [this] {
        const bool visible = !OperatorSelectToolW->isHidden();
        OperatorSelectButton->setChecked(visible);
        OperatorSelect->setChecked(visible);
    };
    connect(OperatorSelectToolW, &QDockWidget::visibilityChanged, this, syncPalette);
    // The palette first floats at the right edge of the document area, not over the explorer.
    connect(OperatorSelectToolW, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible || OperatorSelectToolW->property("placed").toBool())
            return;
        OperatorSelectToolW->setProperty("placed", true);
        const QPoint corner = FClient->mapToGlobal(QPoint(FClient->width(), 0));
        OperatorSelectToolW->move(corner.x() - OperatorSelectToolW->width() - 8, corner.y() + 8);
    });
    // A floating explorer first goes where it covers neither a graph window nor the
    // palette (at its place or the one it will first take).
    connect(CurvedLineExplorerToolW, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        TCurvedLineExplorer* explorer = CurvedLineExplorerToolW;
        if (!visible || !explorer->isFloating() || explorer->property("placed").toBool())
            return;
        explorer->setProperty("placed", true);
        const QRect area(FClient->mapToGlobal(QPoint(0, 0)), FClient->size());
        QList<QRect> avoid;
        for (QMdiSubWindow* sub : FClient->subWindowList())
            if (qobject_cast<TGrafikMChildFrm*>(sub->widget()) != nullptr)
                avoid << QRect(FClient->mapToGlobal(sub->pos()), sub->frameGeometry().size());
        if (OperatorSelectToolW->property("placed").toBool()) {
            avoid << OperatorSelectToolW->frameGeometry();
        } else {
            const QSize size
                = OperatorSelectToolW->sizeHint().expandedTo(OperatorSelectToolW->size());
            avoid << QRect(QPoint(area.x() + area.width() - size.width() - 8, area.y() + 8), size);
        }
        // In the document area when it has room, else elsewhere on the screen.
        const QSize size = explorer->frameGeometry().size();
        std::optional<QPoint> place = FirstFloatingPlace(area, size, avoid);
        if (!place && screen() != nullptr)
            place = FirstFloatingPlace(screen()->availableGeometry(), size, avoid);
        explorer->move(place.value_or(area.topLeft() + QPoint(8, 8)));
    });
    CurvedLineExplorerToolW->SetOperatorPalette(OperatorSelectToolW);

    ParametersToolW = new TParametersToolW(this);
    addDockWidget(Qt::RightDockWidgetArea, ParametersToolW);
    ParametersToolW->hide();
    connect(ParametersToolW, &QDockWidget::visibilityChanged, this, [this] {
        const bool visible = !ParametersToolW->isHidden();
        FParametersShown = FParametersShown || visible;
        ParametrelerButton->setChecked(visible);
        Parametreler->setChecked(visible);
    });
}

// ---- The curve library ----------------------------------------------------------

void TMainForm::EgriKayitClick()
{
    ShowChildWindow(
        tr("Eğri Kayıt"), [this] { return new TCurvedLineSFrm(nullptr, LibraryOptions()); });
}

void TMainForm::FonksiyonHesaplayicisiClick()
{
    ShowChildWindow(tr("Fonksiyon Hesaplayıçısı"), [this] {
        auto* calculator = new TFHesaplaFrm;
        SetHelpContext(calculator, TFHesaplaFrm::HelpContext);
        // While its formula field has the focus the palette writes there.
        connect(calculator, &TFHesaplaFrm::FonksiyonEditEntered, this, [this](QLineEdit* edit) {
            OperatorSelectToolW->setEnabled(true);
            OperatorSelectToolW->SetLastFormulaEdit(edit);
        });
        return calculator;
    });
}

void TMainForm::EgriKaydetButtonClick()
{
    LibraryStoreCurve(this, CurvedLineExplorerToolW->FormulaKey(), LibraryOptions());
}

void TMainForm::CLSelectButtonClick()
{
    const std::optional<TCurveKey> chosen
        = LibrarySelectCurve(this, CurvedLineExplorerToolW->FormulaKey(), LibraryOptions());
    if (chosen)
        CurvedLineExplorerToolW->TakeFormulas(*chosen);
}

// ---- Status line and hints -------------------------------------------------------

bool TMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        // Panel 1 shows the current hint (the long text of one that has two).
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        StatusPanel1->setText(tip);
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::SetCurveStatus(const QString& text) { StatusPanel0->setText(text); }

void TMainForm::SetPointerHint(const QString& text) { StatusPanel1->setText(text); }

void TMainForm::SetTraceStatus(const QString& text)
{
    StatusPanel2->setText(text);
    StatusPanel2->setVisible(!text.isEmpty());
}

void TMainForm::SetTraceCheck(bool on)
{
    IzSur->setChecked(on);
    IzSurButton->setChecked(on);
}

void TMainForm::SetInterestCheck(bool on)
{
    OnemliNoktalar->setChecked(on);
    OnemliNoktalarButton->setChecked(on);
}

void TMainForm::DurumCubuguClick()
{
    // The item's check mark is already inverted by Qt.
    statusBar()->setVisible(DurumCubugu->isChecked());
}

// ---- Graph windows and child windows ---------------------------------------------

TGrafikMChildFrm* TMainForm::ActiveGraphWindow() const
{
    QMdiSubWindow* sub = FClient->activeSubWindow();
    return sub != nullptr ? qobject_cast<TGrafikMChildFrm*>(sub->widget()) : nullptr;
}

QList<TGrafikMChildFrm*> TMainForm::GraphWindows() const
{
    QList<TGrafikMChildFrm*> windows;
    for (QMdiSubWindow* sub : FClient->subWindowList())
        if (auto* graph = qobject_cast<TGrafikMChildFrm*>(sub->widget()))
            windows << graph;
    return windows;
}

void TMainForm::OnGraph(const std::function<void(TGrafikMChildFrm&)>& body)
{
    if (TGrafikMChildFrm* graph = ActiveGraphWindow())
        body(*graph);
}

TGrafikMChildFrm* TMainForm::CreateGraphWindow(const QString& caption, int number)
{
    // Beside a maximised window a new one opens maximised too.
    const QMdiSubWindow* active = FClient->activeSubWindow();
    const bool maximised = active != nullptr && active->isMaximized();
    auto* graph = new TGrafikMChildFrm(*this, SettingsFile());
    graph->SetCaption(caption);
    graph->SetWindowNo(number);
    QMdiSubWindow* sub = FClient->addSubWindow(graph);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // The client area of a new window has its design size; the frame comes on top.
    const QSize design(TGrafikMChildFrm::DesignWidth, TGrafikMChildFrm::DesignHeight);
    if (maximised) {
        // Shown maximised at once (the area maximises it anyway): the size to
        // restore to is the design size in the frame the style draws.
        const int frame = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, sub);
        const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
        sub->resize(design + QSize(2 * frame, title + frame));
        graph->show();
        sub->showMaximized();
    } else {
        graph->show();
        sub->show();
        sub->resize(sub->size() + (design - graph->size()));
    }
    QCoreApplication::sendPostedEvents(graph, QEvent::Resize);
    graph->CentreView();
    connect(graph->UndoStack(), &QUndoStack::indexChanged, this, [this] { UpdateUndoItems(); });
    // The explorer's preview follows the parameters of the active window.
    connect(graph, &TGrafikMChildFrm::ParametersChanged, this, [this, graph] {
        if (graph == ActiveGraphWindow())
            CurvedLineExplorerToolW->FollowParameters();
    });
    return graph;
}

int TMainForm::FreeWindowNumber() const
{
    int n = 1;
    while (n <= MaxWindows && FWindowSlots[static_cast<std::size_t>(n)] == 1)
        ++n;
    if (n > MaxWindows)
        throw Exception(tr("En çok %1 grafik penceresi açılabilir. Yeni bir pencere için önce bir "
                           "pencereyi kapatın.")
                            .arg(MaxWindows)
                            .toStdString());
    return n;
}

void TMainForm::YeniPencereClick()
{
    const int n = FreeWindowNumber();
    FWindowSlots[static_cast<std::size_t>(n)] = 1;
    CreateGraphWindow("Ekran" + QString::number(n), n);
    ShowExplorer();
}

void TMainForm::ReleaseWindowNumber(int number)
{
    if (number >= 1 && number <= MaxWindows)
        FWindowSlots[static_cast<std::size_t>(number)] = 0;
    // Without a graph window there is no current curve to show.
    if (std::find(FWindowSlots.begin(), FWindowSlots.end(), 1) == FWindowSlots.end())
        StatusPanel0->clear();
}

QWidget* TMainForm::ShowChildWindow(const QString& caption, const std::function<QWidget*()>& create)
{
    const QList<QMdiSubWindow*> windows = FClient->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if ((*it)->windowTitle() == caption) {
            (*it)->showNormal();
            (*it)->show();
            FClient->setActiveSubWindow(*it);
            return (*it)->widget();
        }
    QWidget* child = create();
    QMdiSubWindow* sub = FClient->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->showNormal();
    child->show();
    return child;
}

void TMainForm::BasamaklaClick()
{
    // Each window a title bar lower and to the right of the one before, at least
    // its design size where the area allows: Qt's own cascade shrinks windows
    // without a minimum size to their title bars.
    QList<QMdiSubWindow*> shown;
    for (QMdiSubWindow* sub : FClient->subWindowList(QMdiArea::StackingOrder))
        if (!sub->isMinimized() && sub->isVisible())
            shown << sub;
    if (shown.isEmpty())
        return;
    const QRect area = FClient->viewport()->rect();
    const int step = std::max(8, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, shown[0]));
    const int n = static_cast<int>(shown.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* sub = shown[i];
        sub->showNormal();
        const QSize frame = sub->size() - sub->widget()->size();
        const QSize design = QSize(TGrafikMChildFrm::DesignWidth, TGrafikMChildFrm::DesignHeight)
            + frame;
        const int w = std::min(area.width(), std::max(design.width(), area.width() - step * (n - 1)));
        const int h = std::min(area.height(), std::max(design.height(), area.height() - step * (n - 1)));
        // Offsets that would push a window out of the area start again at the corner.
        const int room = std::max(1, std::min(area.width() - w, area.height() - h) / step + 1);
        const int k = i % room;
        sub->setGeometry(k * step, k * step, w, h);
        sub->raise();
    }
    FClient->setActiveSubWindow(shown.last());
}

void TMainForm::YatayDoseClick()
{
    // Windows one above the other, each the full width.
    const QList<QMdiSubWindow*> windows = FClient->subWindowList();
    const QList<QMdiSubWindow*> shown = [&] {
        QList<QMdiSubWindow*> list;
        for (QMdiSubWindow* sub : windows)
            if (!sub->isMinimized() && sub->isVisible())
                list << sub;
        return list;
    }();
    if (shown.isEmpty())
        return;
    const QRect area = FClient->viewport()->rect();
    const int h = area.height() / static_cast<int>(shown.size());
    for (int i = 0; i < shown.size(); ++i) {
        shown[i]->showNormal();
        shown[i]->setGeometry(0, i * h, area.width(), h);
    }
}

void TMainForm::DikeyDoseClick()
{
    // Windows side by side, each the full height.
    QList<QMdiSubWindow*> shown;
    for (QMdiSubWindow* sub : FClient->subWindowList())
        if (!sub->isMinimized() && sub->isVisible())
            shown << sub;
    if (shown.isEmpty())
        return;
    const QRect area = FClient->viewport()->rect();
    const int w = area.width() / static_cast<int>(shown.size());
    for (int i = 0; i < shown.size(); ++i) {
        shown[i]->showNormal();
        shown[i]->setGeometry(i * w, 0, w, area.height());
    }
}

void TMainForm::TumunuKucultClick()
{
    const QList<QMdiSubWindow*> windows = FClient->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        (*it)->showMinimized();
    DuzenleClick();
}

void TMainForm::DuzenleClick()
{
    // The icons of minimised windows in a row along the bottom of the area.
    int x = 0;
    const int bottom = FClient->viewport()->height();
    for (QMdiSubWindow* sub : FClient->subWindowList(QMdiArea::CreationOrder))
        if (sub->isMinimized()) {
            const QSize size = sub->size();
            sub->move(x, bottom - size.height());
            x += size.width();
        }
}

void TMainForm::AktifFormuKapatClick()
{
    if (QMdiSubWindow* sub = FClient->activeSubWindow())
        sub->close();
}

void TMainForm::TumFormlariKapatClick() { CloseAllChildren(); }

bool TMainForm::CloseAllChildren()
{
    // A window whose user cancels its save question stays open, and so do those before it.
    const QList<QMdiSubWindow*> windows = FClient->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (!(*it)->close())
            return false;
    return true;
}

// ---- Scene files -----------------------------------------------------------------

void TMainForm::AcClick()
{
    const QStringList names = FOpenDialogRunner
        ? FOpenDialogRunner()
        : QFileDialog::getOpenFileNames(this, tr("Aç"), QString(), tr("Velmo files(*.vlm)"));
    OpenFiles(names);
}

void TMainForm::OpenFiles(const QStringList& fileNames)
{
    for (const QString& name : fileNames)
        Guarded([&] { OpenSceneFile(name); });
}

TGrafikMChildFrm* TMainForm::OpenSceneFile(const QString& fileName)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    const int number = FreeWindowNumber();
    // A key the file lacks takes the value of a new window: its look comes from
    // the settings file.
    TScene defaults;
    defaults.Look = ReadGraphSettings(TIniFile(SettingsFile()), TGraphSettings {});
    const TSceneRead read = ReadSceneFile(path, defaults);
    if (!read.BadCurves.empty()) {
        QStringList faults;
        for (const TSceneCurveFault& fault : read.BadCurves)
            faults << QString::fromStdString(fault.Message);
        if (read.Scene.Curves.empty())
            throw ESceneFileError(faults.join('\n').toStdString());
        const QString question = faults.join('\n') + "\n\n"
            + tr("Dosyanın geri kalan %1 eğrisi açılsın mı?").arg(read.Scene.Curves.size());
        if (!AskYesNo(this, question))
            return nullptr;
    }
    FWindowSlots[static_cast<std::size_t>(number)] = 1;
    TGrafikMChildFrm* graph = CreateGraphWindow(path, number);
    try {
        graph->LoadScene(read.Scene);
    } catch (...) {
        // Nothing is half opened.
        graph->parentWidget()->close();
        throw;
    }
    graph->SetFileName(path);
    SceneFileUsed(path);
    ShowExplorer();
    if (ActiveGraphWindow() == graph)
        graph->FormActivate();
    return graph;
}

// ---- File, print and help ------------------------------------------------------

void TMainForm::KaydetButtonClick()
{
    OnGraph([](auto& g) { g.Save(); });
}

void TMainForm::DilClick(TLanguage language)
{
    TIniFile file(FSettingsFile);
    if (ReadLanguage(file) != language || language != CurrentLanguage())
        WriteLanguage(file, language);
    QTranslator chosen;
    // Said in the language chosen, which is not yet the one installed.
    const char* const changed
        = QT_TR_NOOP("Dil değişikliği Velmo yeniden başlatıldığında geçerli olur.");
    QString message = QString::fromUtf8(changed);
    if (language == TLanguage::English && chosen.load("velmo_en", ":/i18n"))
        message = chosen.translate("TMainForm", changed);
    if (language == CurrentLanguage())
        message.clear();
    statusBar()->showMessage(message);
}

void TMainForm::SaveAsClick()
{
    OnGraph([](auto& g) { g.SaveAs(); });
}

void TMainForm::BaskiOnizlemeClick()
{
    QMessageBox::information(this, "Velmo",
        tr("Baski Onizleme testleri devam ettiği için bu versiyonda bulunmamaktadır.Sonraki "
           "sürümünde mutlaka yer alçaktır."));
}

QPrinter& TMainForm::Printer()
{
    if (!FPrinter)
        FPrinter = std::make_unique<QPrinter>();
    return *FPrinter;
}

void TMainForm::YazdirClick()
{
    OnGraph([this](auto& g) {
        try {
            g.Print(Printer());
        } catch (...) {
            // A job that could not start leaves the platform's printer object active,
            // refusing every later set-up: the next set-up and print get a fresh one.
            FPrinter.reset();
            throw;
        }
    });
}

void TMainForm::YaziciAyarClick()
{
    QPrintDialog dialog(&Printer(), this);
    dialog.exec();
}

void TMainForm::HelpContents() { HelpViewer().ShowContents(); }
void TMainForm::HelpSearch() { HelpViewer().ShowKeywordSearch(); }
void TMainForm::HelpHowToUse() { HelpViewer().ShowHelpOnHelp(); }

void TMainForm::HelpAbout()
{
    TAboutFrm about(TAboutFrm::Program, this);
    about.exec();
}

void TMainForm::YazarHakknda1Click()
{
    TAboutFrm author(TAboutFrm::Author, this);
    author.exec();
}

void TMainForm::DuvarKagidiClick()
{
    ::DuvarKagidiClick(this, FClient->Tiler(), FWallpaperFileName, FProgramDirectory,
        [this](int context) { HelpViewer().ShowContext(context); });
}

// ---- Enabling the commands ---------------------------------------------------------

void TMainForm::UpdateMenuItems()
{
    const bool graph = ActiveGraphWindow() != nullptr;
    if (Kaydet->isEnabled() == graph && property("menusSet").toBool())
        return;
    setProperty("menusSet", true);
    FCommands->EnableGraphCommands(graph);
    CurvedLineExplorerToolW->SetGraphControlsEnabled(graph);
}

void TMainForm::UpdateUndoItems()
{
    const TGrafikMChildFrm* graph = ActiveGraphWindow();
    GeriAl->setEnabled(graph != nullptr && graph->UndoStack()->canUndo());
    Yinele->setEnabled(graph != nullptr && graph->UndoStack()->canRedo());
}

// ---- View and zoom commands ---------------------------------------------------------

void TMainForm::PlaneClick(int plane, bool visible)
{
    OnGraph([&](auto& g) { g.SetPlaneVisible(plane, visible); });
}

void TMainForm::CizimSekliClick(int style)
{
    OnGraph([style](auto& g) { g.SetAllCurvesStyle(style); });
    (style == 0 ? CizgiCizimSekli : NoktaCizimSekli)->setChecked(true);
    CurvedLineExplorerToolW->ShowDrawingStyle(style);
}

void TMainForm::EneUydurClick()
{
    OnGraph([this](auto& g) { g.FitToWidth(FClient->width() - 4); });
}

void TMainForm::BoyaUydurClick()
{
    // The status line's height counts even while it is hidden.
    const int status = statusBar()->isHidden() ? statusBar()->sizeHint().height() : 0;
    OnGraph([&](auto& g) { g.FitToHeight(FClient->height() - status - 4); });
}

void TMainForm::BYuzdeClick(int percent)
{
    OnGraph([percent](auto& g) { g.SetZoomPercent(percent); });
    SetZoomText(QString::number(percent) + "%");
}

// ---- The graph windows' host -------------------------------------------------------------

void TMainForm::SetPlaneChecks(bool xy, bool xz, bool yz)
{
    XYDuzlemi->setChecked(xy);
    XZDuzlemi->setChecked(xz);
    YZDuzlemi->setChecked(yz);
    XYDuzlemiButton->setChecked(xy);
    XZDuzlemiButton->setChecked(xz);
    YZDuzlemiButton->setChecked(yz);
}

void TMainForm::SetPerspectiveCheck(bool on)
{
    APerspektif->setChecked(on);
    PerspektifButton->setChecked(on);
}

void TMainForm::SetZoomText(const QString& text)
{
    const QSignalBlocker block(BuyuklukComboBox);
    BuyuklukComboBox->setEditText(text);
}

void TMainForm::SetAnimationDown(bool down) { AnimationButton->setChecked(down); }

void TMainForm::SetFourViewDown(bool down) { DortGorBtn->setChecked(down); }

void TMainForm::SetMouseModeDown(int mode)
{
    SurukleButton->setChecked(mode == 1);
    DondurButton->setChecked(mode == 0);
}

void TMainForm::FillExplorer(TGrafikMChildFrm&) { CurvedLineExplorerToolW->FillExplorer(); }

bool TMainForm::ExplorerVisible() const { return !CurvedLineExplorerToolW->isHidden(); }

void TMainForm::ShowExplorer() { CurvedLineExplorerToolW->show(); }

void TMainForm::SetCurveButtons(const TCurveButtons& buttons)
{
    CurvedLineExplorerToolW->SetCurveButtons(buttons);
}

// ---- Layout ----------------------------------------------------------------------

void TMainForm::LoadLayout()
{
    const TIniFile file(SettingsFile());
    file.RemoveLeftovers();
    if (file.ReadBool("Window", "Maximized", false)) {
        showMaximized();
    } else {
        const TWindowBounds design = StoredWindowBounds(geometry());
        TWindowBounds bounds;
        bounds.Left = file.ReadInteger("Window", "Left", design.Left);
        bounds.Top = file.ReadInteger("Window", "Top", design.Top);
        bounds.Width = file.ReadInteger("Window", "Width", design.Width);
        bounds.Height = file.ReadInteger("Window", "Height", design.Height);
        setGeometry(RestoredClientGeometry(bounds));
    }
    // The toolbars are hidden before the frame is shown, when they send no
    // visibility notice: the marks and the button are set from the values read.
    const bool standart
        = file.ReadBool("Araç-Durum Çubukları", "Standart", !StandartToolbar->isHidden());
    StandartToolbar->setVisible(standart);
    VTStandart->setChecked(standart);
    TPStandart->setChecked(standart);
    const bool gorontu
        = file.ReadBool("Araç-Durum Çubukları", "Gorontu", !GorontuToolbar->isHidden());
    GorontuToolbar->setVisible(gorontu);
    VTGorontu->setChecked(gorontu);
    TPGoruntu->setChecked(gorontu);
    GorontuToolBtn->setChecked(gorontu);
    DurumCubugu->setChecked(
        file.ReadBool("Araç-Durum Çubukları", "Durum", DurumCubugu->isChecked()));
    statusBar()->setVisible(DurumCubugu->isChecked());
    // Without the key the explorer floats (and 0 is written back).
    PlaceToolWindow(CurvedLineExplorerToolW, file.ReadInteger("Eğri Gezgini", "DockedTo", 0));
    CurvedLineExplorerToolW->hide();
    // The parameters window's keys exist once it has been shown.
    const int parametersDock = file.ReadInteger("Parametreler", "DockedTo", -1);
    if (parametersDock != -1) {
        FParametersShown = true;
        PlaceToolWindow(ParametersToolW, parametersDock);
        ParametersToolW->setVisible(file.ReadBool("Parametreler", "Gorunurluk", false));
    }
}

void TMainForm::PlaceToolWindow(QDockWidget* window, int dockedTo)
{
    if (dockedTo == 3 || dockedTo == 4) {
        addDockWidget(dockedTo == 3 ? Qt::LeftDockWidgetArea : Qt::RightDockWidgetArea, window);
        window->setFloating(false);
    } else {
        window->setFloating(true);
    }
}

int TMainForm::DockedTo(QDockWidget* window) const
{
    if (window->isFloating())
        return 0;
    const Qt::DockWidgetArea area = dockWidgetArea(window);
    return area == Qt::LeftDockWidgetArea ? 3 : area == Qt::RightDockWidgetArea ? 4 : 0;
}

void TMainForm::SaveLayout()
{
    TIniFile file(SettingsFile());
    std::vector<TIniValue> values;
    if (isMaximized()) {
        values.push_back({ "Window", "Maximized", 1 });
    } else {
        values.push_back({ "Window", "Maximized", 0 });
        const TWindowBounds bounds = StoredWindowBounds(geometry());
        values.push_back({ "Window", "Left", bounds.Left });
        values.push_back({ "Window", "Top", bounds.Top });
        values.push_back({ "Window", "Width", bounds.Width });
        values.push_back({ "Window", "Height", bounds.Height });
    }
    values.push_back({ "Araç-Durum Çubukları", "Standart", StandartToolbar->isHidden() ? 0 : 1 });
    values.push_back({ "Araç-Durum Çubukları", "Gorontu", GorontuToolbar->isHidden() ? 0 : 1 });
    values.push_back({ "Araç-Durum Çubukları", "Durum", DurumCubugu->isChecked() ? 1 : 0 });
    values.push_back({ "Eğri Gezgini", "DockedTo", DockedTo(CurvedLineExplorerToolW) });
    if (FParametersShown) {
        values.push_back({ "Parametreler", "DockedTo", DockedTo(ParametersToolW) });
        values.push_back({ "Parametreler", "Gorunurluk", ParametersToolW->isHidden() ? 0 : 1 });
    }
    // One attempt per close: a file that cannot be written is reported once, not
    // again when the window is destroyed.
    FLayoutSaved = true;
    file.WriteIntegers(values);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // The graph windows close with the main window, each asking first when its
    // curves changed; one kept open keeps the program running. The layout is
    // written once.
    if (!CloseAllChildren()) {
        event->ignore();
        return;
    }
    Guarded([this] { SaveLayout(); });
    CloseHelpViewer();
    event->accept();
}
