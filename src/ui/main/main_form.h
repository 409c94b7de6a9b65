#pragma once

#include "files/language.h"
#include "ui/graph/graph_host.h"
#include "ui/library/curved_line_s_frm.h"
#include "ui/main/recent_files.h"
#include "ui/main/zoom_box.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QDockWidget;
class QLabel;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QToolBar;
class TCurvedLineExplorer;
class TGrafikMChildFrm;
class TMainCommands;
class THelpViewer;
class TMdiClient;
class TOperatorSelectToolW;
class TParametersToolW;

// The frame of the program: the document area holding graph windows, the
// curve library window and the calculator; the menus, two toolbars, the curve
// explorer and the operator palette, the status line and the wallpaper. It
// numbers the graph windows, keeps its layout in the settings file, forwards
// every graph command to the active graph window and enables the commands
// exactly while a graph window is active.
class TMainForm : public QMainWindow, public TGraphHost {
    Q_OBJECT
public:
    static constexpr int MaxWindows = 100;

    // FormCreate; the settings file is Norvadeks.ini in programDirectory (the
    // folder of the executable unless a test gives another), or in the user's
    // configuration folder when programDirectory cannot be written.
    explicit TMainForm(const QString& programDirectory = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The folder of the program's own file, with a trailing separator.
    const QString& ProgramDirectory() const { return FProgramDirectory; }
    QString SettingsFile() const;
    // Where the library commands find CurvedLines.db and CLTypes.DB now.
    TLibraryOptions LibraryOptions() const;

    TMdiClient* ClientArea() const { return FClient; }
    // The active child window when it is a graph window, else null.
    TGrafikMChildFrm* ActiveGraphWindow() const;
    QList<TGrafikMChildFrm*> GraphWindows() const;
    bool WindowSlotUsed(int number) const
    {
        return FWindowSlots[static_cast<std::size_t>(number)] == 1;
    }

    TGrafikMChildFrm* CreateGraphWindow(const QString& caption, int number);
    // Brings the child window with exactly this caption to the front, or makes
    // one with create.
    QWidget* ShowChildWindow(const QString& caption, const std::function<QWidget*()>& create);

    void LoadLayout();
    void SaveLayout();
    // Enables the graph commands exactly while a graph window is the active child.
    void UpdateMenuItems();
    // "Geri Al" and "Yinele" follow the active graph window's undo steps.
    void UpdateUndoItems();

    // Scene files: "&Aç..." asks for files and opens each in a new graph window;
    // OpenFiles does the same for names given (the command line), reporting a
    // file that cannot be opened and going on with the next. OpenSceneFile
    // raises instead; it returns null when the user declines a file with bad
    // curves. The open dialog is replaceable for tests.
    void AcClick();
    void OpenFiles(const QStringList& fileNames);
    TGrafikMChildFrm* OpenSceneFile(const QString& fileName);
    using TOpenDialogRunner = std::function<QStringList()>;
    void SetOpenDialogRunner(TOpenDialogRunner runner) { FOpenDialogRunner = std::move(runner); }
    // The scene files opened or saved last, the latest first (at most MaxRecentFiles),
    // kept beside the settings file.
    static constexpr int MaxRecentFiles = TRecentFiles::MaxFiles;
    QStringList RecentFiles() const;
    QString RecentFilesFile() const;
    void SceneFileUsed(const QString& fileName) override;

    // Handlers of the menus and buttons.
    void YeniPencereClick();
    void KaydetButtonClick();
    void SaveAsClick();
    // "Dil": keeps the choice in the settings file (section "Genel", key "Dil"); the texts
    // change at the next start, which the status line says in the language chosen.
    void DilClick(TLanguage language);
    void AktifFormuKapatClick();
    void TumFormlariKapatClick();
    void BaskiOnizlemeClick();
    void YazdirClick();
    void YaziciAyarClick();
    void BasamaklaClick();
    void YatayDoseClick();
    void DikeyDoseClick();
    void TumunuKucultClick();
    void DuzenleClick();
    void DurumCubuguClick();
    void HelpContents();
    void HelpSearch();
    void HelpHowToUse();
    void HelpAbout();
    void YazarHakknda1Click();
    void DuvarKagidiClick();
    // View and zoom commands.
    void PlaneClick(int plane, bool visible);
    void CizimSekliClick(int style);
    void EneUydurClick();
    void BoyaUydurClick();
    void BYuzdeClick(int percent);

    // TGraphHost.
    void SetPlaneChecks(bool xy, bool xz, bool yz) override;
    void SetPerspectiveCheck(bool on) override;
    void SetZoomText(const QString& text) override;
    void SetAnimationDown(bool down) override;
    void SetFourViewDown(bool down) override;
    void SetMouseModeDown(int mode) override;
    void FillExplorer(TGrafikMChildFrm& window) override;
    void SetCurveStatus(const QString& text) override;
    bool ExplorerVisible() const override;
    void ShowExplorer() override;
    void SetCurveButtons(const TCurveButtons& buttons) override;
    void ReleaseWindowNumber(int number) override;
    void SetPointerHint(const QString& text) override;
    void SetTraceStatus(const QString& text) override;
    void SetTraceCheck(bool on) override;
    void SetInterestCheck(bool on) override;

    // Where a tool window or toolbar can be hooked in by its own code.
    QPrinter& Printer();

    // Menus and items, by their design names.
    QMenu *Dosya, *Duzen, *Gorunum, *AracCubuklari, *Ozellikler, *Gonyeler, *CizimSekli, *Bakis,
        *Buyukluk, *Araclar, *Pencere, *YardimMenu, *ToolbarPopupMenu, *DilMenu;
    QAction *YeniPencere, *Ac, *EgriKayit, *Kaydet, *SaveAs, *AnimasyonKaydet, *AktifFormuKapat, *TumFormlariKapat,
        *BaskiOnizleme, *Yazdir, *YaziciAyar, *Cikis;
    QAction *GeriAl, *Yinele, *Kopyala, *TumunuSil;
    QAction *VTStandart, *VTGorontu, *DurumCubugu, *DuvarKagidi, *DilTurkce, *DilEnglish;
    QAction *XYDuzlemi, *XZDuzlemi, *YZDuzlemi, *CizgiCizimSekli, *NoktaCizimSekli, *APerspektif,
        *DortGorunus, *Hareketli, *IzSur, *OnemliNoktalar, *TumOzellikler;
    QAction *PerspektifBakis, *OndenBakis, *UsttenBakis, *YandanBakis, *DigerBakis;
    QAction *Buyult, *Kucult, *EneUydur, *BoyaUydur, *EgrilereUydur, *GercekBoyut, *B25, *B75,
        *B100, *B200, *B400, *DigerBuyukluk;
    QAction *EgriGezgini, *OperatorSelect, *Parametreler, *SayisalDegerler, *FonksiyonHesaplayicisi;
    QAction *Basamakla, *YatayDose, *DikeyDose, *TumunuKucult, *Duzenle;
    QAction *HelpContentsItem, *HelpSearchItem, *HelpHowToUseItem, *Hakkinda, *YazarHakknda1;
    QAction *TPStandart, *TPGoruntu;

    // Toolbars and their buttons.
    QToolBar *StandartToolbar = nullptr, *GorontuToolbar = nullptr;
    QAction *YeniPencereButton, *KaydetButton, *YazdirButton, *OnIzlemeButton, *KopyalaButton,
        *EgriGezginiButton, *OperatorSelectButton, *ParametrelerButton, *GorontuToolBtn, *YerlestirButton,
        *BasamaklaButton, *YatayDoseButton, *DikeyDoseButton, *SaysalDegerlerButton,
        *PropertiesButton, *BulButton, *HelpButton;
    QAction *XYDuzlemiButton, *XZDuzlemiButton, *YZDuzlemiButton, *CizgiCizimButton,
        *NoktaCizimButton, *PerspektifButton, *DortGorBtn, *AnimationButton, *IzSurButton,
        *OnemliNoktalarButton, *OndenGorBtn, *UsttenGorBtn, *YandanGorBtn, *PerspektifGorBtn,
        *SurukleButton, *DondurButton, *ZoomInButton, *ZoomOutButton, *EgrilereUydurButton,
        *BuyuklukButton;
    TZoomBox* BuyuklukComboBox;
    QAction* BuyuklukComboAction; // the toolbar slot of the combo box
    QLabel* StatusPanel0;
    QLabel* StatusPanel1;
    // Where the trace marker of the active graph window stands; hidden while it is nowhere.
    QLabel* StatusPanel2;

    TCurvedLineExplorer* CurvedLineExplorerToolW = nullptr;
    TOperatorSelectToolW* OperatorSelectToolW = nullptr;
    TParametersToolW* ParametersToolW = nullptr;

    // The explorer's library commands: "Kaydet..." and "Eğri Sec...".
    void EgriKaydetButtonClick();
    void CLSelectButtonClick();
    void EgriKayitClick();
    void FonksiyonHesaplayicisiClick();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The menus and toolbars are built into the members above by their tables, whose
    // handlers call the window's own operations.
    friend class TMainCommands;

    void CreateStatusLine();
    void CreateToolWindows();
    // Runs body on the active graph window, if any; the callers run it through the
    // error report.
    void OnGraph(const std::function<void(TGrafikMChildFrm&)>& body);
    // A tool window's place in the settings file: 3 the left dock, 4 the right
    // one, anything else floating.
    void PlaceToolWindow(QDockWidget* window, int dockedTo);
    int DockedTo(QDockWidget* window) const;
    int FreeWindowNumber() const;
    // Closes the child windows from the last to the first; false when one stays open.
    bool CloseAllChildren();

    QString FProgramDirectory;
    QString FSettingsFile;
    TMdiClient* FClient = nullptr;
    std::array<int, MaxWindows + 1> FWindowSlots {};
    QString FWallpaperFileName;
    std::unique_ptr<QPrinter> FPrinter;
    bool FLayoutSaved = false;
    TOpenDialogRunner FOpenDialogRunner;
    QAction* FExitSeparator = nullptr;
    std::unique_ptr<TMainCommands> FCommands;
    std::unique_ptr<TRecentFiles> FRecentFiles;
    // The parameters window's keys are written once it has been shown (in this
    // run or one before).
    bool FParametersShown = false;
};
