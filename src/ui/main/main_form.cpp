#include "ui/main/main_form.h"

#include "ui/dialogs/dialog_help.h"
#include "ui/dialogs/fhesapla_frm.h"
#include "ui/dialogs/graph_dialogs.h"
#include "ui/graph/grafik_mchild_frm.h"
#include "ui/library/curve_library.h"
#include "ui/library/curved_line_s_frm.h"
#include "ui/main/about_frm.h"
#include "ui/main/curved_line_explorer.h"
#include "ui/main/explorer_controls.h"
#include "ui/main/mdi_client.h"
#include "ui/main/operator_select_tool_w.h"
#include "ui/main/toolbar_icons.h"
#include "ui/main/wall_p_dialog_frm.h"
#include "ui/main/window_bounds.h"
#include "ui/platform/error_report.h"
#include "ui/platform/file_locations.h"
#include "ui/platform/help_viewer.h"
#include "ui/platform/ini_file.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QUndoStack>

#include <algorithm>

namespace {
// A small picture for a toolbar button: its letters on a light face.
QIcon glyph(const QString& text, const QColor& colour = QColor(0, 0, 128))
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font = painter.font();
    font.setPixelSize(text.size() > 2 ? 8 : 11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, text);
    return QIcon(pixmap);
}

// A hint "short|long": the tool tip and the status-line text.
QAction* hinted(QAction* action, const QString& tip, const QString& status = {})
{
    action->setToolTip(tip);
    action->setStatusTip(status.isEmpty() ? tip : status);
    return action;
}
}

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

    CreateMenus();
    CreateToolbars();
    CreateStatusLine();
    CreateToolWindows();
    UpdateRecentMenu();

    // FormCreate, in its order.
    Guarded([this] { LoadLayout(); });
    connect(FClient, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        Guarded([this, sub] {
            UpdateMenuItems();
            UpdateUndoItems();
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

// ---- Construction --------------------------------------------------------------

void TMainForm::CreateMenus()
{
    QMenuBar* bar = menuBar();
    const auto item = [this](QMenu* menu, const QString& text, auto handler) {
        QAction* action = menu->addAction(text);
        connect(
            action, &QAction::triggered, this, [this, handler] { Guarded([&] { handler(); }); });
        return action;
    };

    Dosya = bar->addMenu("&Dosya");
    YeniPencere = item(Dosya, "Y&eni Pencere", [this] { YeniPencereClick(); });
    YeniPencere->setShortcut(QKeySequence("Ctrl+N"));
    Ac = hinted(item(Dosya, "&Aç...", [this] { AcClick(); }), "Velmo dosyası açar.");
    Ac->setShortcut(QKeySequence("Ctrl+O"));
    Dosya->addSeparator();
    EgriKayit = item(Dosya, "&Eğri Kayıt", [this] { EgriKayitClick(); });
    Dosya->addSeparator();
    Kaydet = item(Dosya, "Kay&det", [this] { KaydetButtonClick(); });
    Kaydet->setShortcut(QKeySequence("Ctrl+S"));
    SaveAs = item(Dosya, "&Farklı Kaydet...", [this] { SaveAsClick(); });
    AktifFormuKapat
        = hinted(item(Dosya, "&Kapat", [this] { AktifFormuKapatClick(); }), "Aktif formu kapatır.");
    TumFormlariKapat = hinted(
        item(Dosya, "&Tümünü Kapat", [this] { TumFormlariKapatClick(); }), "Tüm formları kapatır.");
    Dosya->addSeparator();
    BaskiOnizleme = item(Dosya, "Baskı Ö&nizleme", [this] { BaskiOnizlemeClick(); });
    Yazdir = item(Dosya, "&Yazdır", [this] { YazdirClick(); });
    Yazdir->setShortcut(QKeySequence("Ctrl+P"));
    YaziciAyar = item(Dosya, "Yazıcı &Ayar...", [this] { YaziciAyarClick(); });
    FExitSeparator = Dosya->addSeparator();
    Cikis = hinted(item(Dosya, "Çı&kış", [this] { close(); }), "Velmo'den çıkar.");

    Duzen = bar->addMenu("Dü&zen");
    GeriAl = item(Duzen, "Geri Al", [this] { OnGraph([](auto& g) { g.Undo(); }); });
    GeriAl->setShortcut(QKeySequence("Ctrl+Z"));
    Yinele = item(Duzen, "Yinele", [this] { OnGraph([](auto& g) { g.Redo(); }); });
    Yinele->setShortcut(QKeySequence("Ctrl+Y"));
    Duzen->addSeparator();
    Kopyala = item(Duzen, "K&opyala", [this] { OnGraph([](auto& g) { g.CopyToClipboard(); }); });
    Kopyala->setShortcut(QKeySequence("Ctrl+C"));
    TumunuSil = item(
        Duzen, "&Tümünü Sil", [this] { CurvedLineExplorerToolW->TumEgrileriSilButtonClick(); });

    Gorunum = bar->addMenu("&Görünüm");
    Gorunum->menuAction()->setStatusTip("Bu pencereyi özelleştirme komutlarını içerir.");
    AracCubuklari = Gorunum->addMenu("A&raç Çubukları");
    AracCubuklari->menuAction()->setStatusTip("Araç çubuklarını gösterir veya gizler.");
    VTStandart = item(AracCubuklari, "Standart",
        [this] { StandartToolbar->setVisible(!StandartToolbar->isVisible()); });
    VTGorontu = item(AracCubuklari, "Göröntü",
        [this] { GorontuToolbar->setVisible(!GorontuToolbar->isVisible()); });
    DurumCubugu = hinted(item(Gorunum, "&Durum Çubuğu", [this] { DurumCubuguClick(); }),
        "Durum çubuğunu gösterir veya gizler.");
    for (QAction* a : { VTStandart, VTGorontu, DurumCubugu }) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    Gorunum->addSeparator();
    DuvarKagidi = hinted(item(Gorunum, "Duvar &Kağıdı...", [this] { DuvarKagidiClick(); }),
        "Duvar kağıdı formunu açar.");

    Ozellikler = bar->addMenu("&Özellikler");
    Gonyeler = Ozellikler->addMenu("&Gönyeler");
    XYDuzlemi = item(Gonyeler, "XYDuzlemi", [this] { PlaneMenuClick(1); });
    XZDuzlemi = item(Gonyeler, "XZDuzlemi", [this] { PlaneMenuClick(2); });
    YZDuzlemi = item(Gonyeler, "YZDuzlemi", [this] { PlaneMenuClick(3); });
    CizimSekli = Ozellikler->addMenu("&Çizim Şekli");
    CizgiCizimSekli = item(CizimSekli, "Çizgi", [this] { CizimSekliClick(0); });
    NoktaCizimSekli = item(CizimSekli, "Nokta", [this] { CizimSekliClick(1); });
    auto* styles = new QActionGroup(this);
    for (QAction* a : { CizgiCizimSekli, NoktaCizimSekli }) {
        a->setCheckable(true);
        styles->addAction(a);
    }
    CizgiCizimSekli->setChecked(true);
    APerspektif = item(Ozellikler, "&Persvektif", [this] { APerspektifClick(); });
    DortGorunus = item(Ozellikler, "Dort Gorunus", [this] { DortGorunusClick(); });
    Hareketli = item(Ozellikler, "&Hareketli", [this] { HareketliClick(); });
    Ozellikler->addSeparator();
    TumOzellikler = item(
        Ozellikler, "&Tüm Özellikler...", [this] { OnGraph([](auto& g) { g.ShowProperties(); }); });
    // A checkable item inverts its check mark before its handler runs.
    for (QAction* a : { XYDuzlemi, XZDuzlemi, YZDuzlemi, APerspektif, DortGorunus, Hareketli }) {
        a->setCheckable(true);
        a->setChecked(a != DortGorunus && a != Hareketli);
    }

    Bakis = bar->addMenu("&Bakış");
    Bakis->menuAction()->setStatusTip(
        "Grafiğin istenilen bakış açısından görüntülenmesi için kullanılan komutları içerir.");
    PerspektifBakis
        = item(Bakis, "&Perspektif", [this] { OnGraph([](auto& g) { g.ShowPerspectiveView(); }); });
    OndenBakis = item(Bakis, "&Önden", [this] { OnGraph([](auto& g) { g.ShowFrontView(); }); });
    UsttenBakis = item(Bakis, "&Üstten", [this] { OnGraph([](auto& g) { g.ShowTopView(); }); });
    YandanBakis = item(Bakis, "&Yandan", [this] { OnGraph([](auto& g) { g.ShowSideView(); }); });
    DigerBakis = hinted(
        item(Bakis, "&Diğer..", [this] { OnGraph([](auto& g) { g.ShowViewDialog(); }); }), " ");

    Buyukluk = bar->addMenu("Büyü&klük");
    Buyukluk->menuAction()->setStatusTip(
        "Grafiğin istenilen büyükte görüntülenmesi için kullanılan komutları içerir. ");
    Buyult = hinted(item(Buyukluk, "Bü&yült", [this] { OnGraph([](auto& g) { g.ZoomIn(); }); }),
        "Görüntüyü iki kat büyültür.");
    Buyult->setShortcut(QKeySequence("Ctrl+Up"));
    Kucult = hinted(item(Buyukluk, "Kü&çült", [this] { OnGraph([](auto& g) { g.ZoomOut(); }); }),
        "Görüntüyü iki kat küçültür.");
    Kucult->setShortcut(QKeySequence("Ctrl+Down"));
    Buyukluk->addSeparator();
    EneUydur = hinted(item(Buyukluk, "&Ene Uydur", [this] { EneUydurClick(); }),
        "Aktif grafik penceresinin eninin ana pencereye göre ayarla.");
    BoyaUydur = hinted(item(Buyukluk, "&Boya Uydur", [this] { BoyaUydurClick(); }),
        "Aktif grafik penceresinin boyunu ana pencereye göre ayarla.");
    GercekBoyut = hinted(item(Buyukluk, "&Gerçek Boyut", [this] { BYuzdeClick(100); }),
        "Grafiği gerçek boyutunda görüntüler.");
    Buyukluk->addSeparator();
    B25 = item(Buyukluk, "25%", [this] { BYuzdeClick(25); });
    B75 = item(Buyukluk, "75%", [this] { BYuzdeClick(75); });
    B100 = item(Buyukluk, "100%", [this] { BYuzdeClick(100); });
    B200 = item(Buyukluk, "200%", [this] { BYuzdeClick(200); });
    B400 = item(Buyukluk, "400%", [this] { BYuzdeClick(400); });
    DigerBuyukluk
        = item(Buyukluk, "&Diğer...", [this] { OnGraph([](auto& g) { g.ShowZoomDialog(); }); });

    Araclar = bar->addMenu("&Araçlar");
    Araclar->menuAction()->setStatusTip("Çizimde kullanılan yurdımçı araçlarını içerir.");
    EgriGezgini = hinted(
        item(Araclar, "Eğri &Gezgini", [] {}), "Eğri Gezgini  araçını gösterir veya gizler.");
    OperatorSelect = hinted(
        item(Araclar, "&Operatör Seçim", [] {}), "Operatör Seçim  araçını gösterir veya gizler.");
    for (QAction* a : { EgriGezgini, OperatorSelect })
        a->setCheckable(true);
    Araclar->addSeparator();
    SayisalDegerler = hinted(item(Araclar, "&Sayısal Değerler",
                                 [this] { OnGraph([](auto& g) { g.ShowNumericValues(); }); }),
        "Eğrilerde yer alan ayrık noktaların sayısal karşılıklarını gösterir.");
    FonksiyonHesaplayicisi = hinted(
        item(Araclar, "Fonksiyon &Hesaplayıcısı", [this] { FonksiyonHesaplayicisiClick(); }),
        "Fonksiyonların için basit bir hesaplama araçı olan Fonksiyon Hesaplayıçısı aracını  "
        "açar.");

    Pencere = bar->addMenu("&Pencere");
    Pencere->menuAction()->setStatusTip("Pencereleri yerleştirme komutları");
    Basamakla = hinted(item(Pencere, "&Basamakla", [this] { BasamaklaClick(); }),
        "Pencereleri basamaklı şekilde yerleştir.");
    Basamakla->setShortcut(QKeySequence("Ctrl+Shift+F5"));
    YatayDose = hinted(item(Pencere, "&Yatay Döşe", [this] { YatayDoseClick(); }),
        "Pencereleri yatay döşeli şekilde yerleştir.");
    DikeyDose = hinted(item(Pencere, "&Dikey Döşe", [this] { DikeyDoseClick(); }),
        "Pencereleri dikey döşeli şekilde yerleştir.");
    DikeyDose->setShortcut(QKeySequence("Shift+F4"));
    TumunuKucult = hinted(item(Pencere, "Tümünü &Küçült", [this] { TumunuKucultClick(); }),
        "Tüm pencereleri simge durumunda küçültür.");
    Duzenle = hinted(
        item(Pencere, "&Tümünü Yerleştir", [this] { DuzenleClick(); }), "Simgeleri yerleştirir.");
    // The list of open child windows follows the fixed items.
    connect(Pencere, &QMenu::aboutToShow, this, [this] {
        for (QAction* a : Pencere->actions())
            if (a->property("windowList").toBool())
                Pencere->removeAction(a), a->deleteLater();
        const QList<QMdiSubWindow*> windows = FClient->subWindowList();
        if (!windows.isEmpty()) {
            QAction* separator = Pencere->addSeparator();
            separator->setProperty("windowList", true);
        }
        int n = 0;
        for (QMdiSubWindow* sub : windows) {
            QAction* a = Pencere->addAction(QString("&%1 %2").arg(++n).arg(sub->windowTitle()));
            a->setProperty("windowList", true);
            a->setCheckable(true);
            a->setChecked(sub == FClient->activeSubWindow());
            connect(
                a, &QAction::triggered, this, [this, sub] { FClient->setActiveSubWindow(sub); });
        }
    });

    YardimMenu = bar->addMenu("&Yardım");
    YardimMenu->menuAction()->setStatusTip("Yardımı görüntüleme komutlarını içerir.");
    HelpContentsItem = hinted(item(YardimMenu, "İçi&ndekiler ve Dizin", [this] { HelpContents(); }),
        "Yardım konularını listeler.");
    HelpSearchItem = hinted(item(YardimMenu, "B&ul...", [this] { HelpSearch(); }),
        "Bir konuyu yardım dosyasında arat.");
    HelpHowToUseItem = hinted(item(YardimMenu, "Yardımı &Kullanma", [this] { HelpHowToUse(); }),
        "Yardım sistemi kakkında yardım.");
    YardimMenu->addSeparator();
    Hakkinda = hinted(item(YardimMenu, "Velmo  &Hakkında...", [this] { HelpAbout(); }),
        "Program bilgilerini, sürüm numarasını ve telif hakkını görüntüler.");
    YazarHakknda1
        = hinted(item(YardimMenu, "&Yazarı Hakkında...", [this] { YazarHakknda1Click(); }),
            "Programın yazarı kakkında bilgileri görüntüler.");
    auto* f1 = new QAction(this);
    f1->setShortcut(QKeySequence(Qt::Key_F1));
    // The frame's F1 also serves its docked and floating tool windows and its child
    // windows: the topic is that of the window holding the focus.
    connect(f1, &QAction::triggered, this,
        [] { HelpViewer().ShowContext(HelpContextOf(QApplication::focusWidget(), hcMainWindow)); });
    addAction(f1);

    ToolbarPopupMenu = new QMenu(this);
    TPStandart = ToolbarPopupMenu->addAction("Standart");
    TPGoruntu = ToolbarPopupMenu->addAction("Görüntü");
    for (QAction* a : { TPStandart, TPGoruntu }) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    connect(TPStandart, &QAction::triggered, this, [this] { VTStandart->trigger(); });
    connect(TPGoruntu, &QAction::triggered, this, [this] { VTGorontu->trigger(); });
}

void TMainForm::CreateToolbars()
{
    const auto button = [this](QToolBar* bar, const QString& name, const QIcon& icon,
                            const QString& tip, const QString& status, auto handler) {
        QAction* action = bar->addAction(icon, tip);
        action->setObjectName(name);
        hinted(action, tip, status);
        connect(
            action, &QAction::triggered, this, [this, handler] { Guarded([&] { handler(); }); });
        return action;
    };
    const auto captioned = [](QAction* action, const QString& caption) {
        action->setIcon(QIcon());
        action->setIconText(caption);
        action->setText(caption);
        return action;
    };

    StandartToolbar = addToolBar("Standart");
    StandartToolbar->setObjectName("StandartToolbar");
    QToolBar* s = StandartToolbar;
    YeniPencereButton = button(s, "YeniPencereButton", glyph("+", Qt::darkGreen), "Yeni Pencere",
        {}, [this] { YeniPencereClick(); });
    KaydetButton = button(s, "KaydetButton", style()->standardIcon(QStyle::SP_DialogSaveButton),
        "Kaydet", {}, [this] { KaydetButtonClick(); });
    s->addSeparator();
    YazdirButton = button(s, "YazdirButton", glyph("P"), "Yazdır", {}, [this] { YazdirClick(); });
    OnIzlemeButton = button(
        s, "OnIzlemeButton", glyph("Ö"), "Baskı Önizleme", {}, [this] { BaskiOnizlemeClick(); });
    s->addSeparator();
    KopyalaButton = button(s, "KopyalaButton", glyph("C"), "Kopyala", {},
        [this] { OnGraph([](auto& g) { g.CopyToClipboard(); }); });
    s->addSeparator();
    EgriGezginiButton = captioned(button(s, "EgriGezginiButton", {}, "Eğri Gezgini",
                                      "Eğri Gezgini araçını açmak için bu butona basın.", [] {}),
        "fx");
    OperatorSelectButton
        = captioned(button(s, "OperatorSelectButton", {}, "Operatör",
                        "Operatör Seçim araçını açmak için bu dümeye basın.", [] {}),
            "Op");
    GorontuToolBtn = button(s, "GorontuToolBtn", glyph("G"), "Görüntü Araç Çubuğu",
        "Görüntü Araç Çubuğu gösterir ve/veya gizlemek için bu dümeye basın.",
        [this] { GorontuToolbar->setVisible(GorontuToolBtn->isChecked()); });
    for (QAction* a : { EgriGezginiButton, OperatorSelectButton, GorontuToolBtn })
        a->setCheckable(true);
    GorontuToolBtn->setChecked(true);
    s->addSeparator();
    YerlestirButton = button(s, "YerlestirButton", glyph("▭"), "Simgeleri Yerleştir",
        "Simge durumuna küçültülmüş formları ayarlamak (uygun hale getirmek) için bu butona basın.",
        [this] { DuzenleClick(); });
    s->addSeparator();
    BasamaklaButton = button(s, "BasamaklaButton", glyph("◰"), "Pencereleri Basamaka",
        "Açık formları basamaklı şekilde görmek için bu butona basın.",
        [this] { BasamaklaClick(); });
    YatayDoseButton = button(s, "YatayDoseButton", glyph("☰"), "Yatay Döşe",
        "Açık formları döşeli şekilde görmek için bu butona basın.", [this] { YatayDoseClick(); });
    DikeyDoseButton = button(s, "DikeyDoseButton", glyph("▥"), "Dikey  Döşe",
        "Açık formları döşeli şekilde görmek için bu butona basın.", [this] { DikeyDoseClick(); });
    s->addSeparator();
    SaysalDegerlerButton
        = captioned(button(s, "SaysalDegerlerButton", {}, "Sayısal Değerler",
                        "Eğrilerinin ayrık noktalarına ait sayısal değerlerini gösterir.",
                        [this] { OnGraph([](auto& g) { g.ShowNumericValues(); }); }),
            "Num");
    PropertiesButton = button(s, "PropertiesButton", glyph("≡"), "Tüm Özellikler",
        "Aktif forma ait tüm özellikleri değiştirir",
        [this] { OnGraph([](auto& g) { g.ShowProperties(); }); });
    s->addSeparator();
    BulButton = button(s, "BulButton", glyph("?"), "Dizinden Bul",
        "Yardım konularında arama yapmak için bu düğmeye basın.", [this] { HelpSearch(); });
    HelpButton = button(s, "HelpButton", style()->standardIcon(QStyle::SP_DialogHelpButton),
        "Yardım Konuları", "Yardım konularını görüntülemek için bu buton'a basın.",
        [this] { HelpContents(); });

    addToolBarBreak();
    GorontuToolbar = addToolBar("Göröntü");
    GorontuToolbar->setObjectName("GorontuToolbar");
    QToolBar* g = GorontuToolbar;
    XYDuzlemiButton = button(g, "XYDuzlemiButton", glyph("XY"), "XY Düzlemi",
        "XY düzlemi gönyesini gösterir ve gizler.", [this] { PlaneButtonClick(1); });
    XZDuzlemiButton = button(g, "XZDuzlemiButton", glyph("XZ"), "XZ Düzlemi",
        "XZ düzlemi gönyesini gösterir ve gizler.", [this] { PlaneButtonClick(2); });
    YZDuzlemiButton = button(g, "YZDuzlemiButton", glyph("YZ"), "YZ Düzlemi",
        "YZ düzlemi gönyesini gösterir ve gizler.", [this] { PlaneButtonClick(3); });
    g->addSeparator();
    CizgiCizimButton = button(g, "CizgiCizimButton", glyph("∿"), "Çizgil ile Çizim",
        "Sürekli fonksiyon çizimi için bu dümeye basın.", [this] { CizimSekliClick(0); });
    NoktaCizimButton = button(g, "NoktaCizimButton", glyph("⋯"), "Nokta  ile  Çizim",
        "Fonksiyonları ayrık noktalar ile çizmek için bu dümeye basın.",
        [this] { CizimSekliClick(1); });
    g->addSeparator();
    PerspektifButton = button(g, "PerspektifButton", glyph("P", Qt::darkRed), "Perspektifi Aç-Kapa",
        "Grafiğin  perspektif özelliğini açıp kapar.", [this] { PerspektifButtonClick(); });
    DortGorBtn
        = captioned(button(g, "DortGorBtn", {}, "4'lü Görünüş",
                        "Grafiği Ön, Üst  ve Yan görünüşleri ile görüntülemek için dümeye basın.",
                        [this] { DortGorBtnClick(); }),
            "4W");
    AnimationButton = button(g, "AnimationButton", glyph("↻", Qt::darkGreen), "Hareketlendir",
        "Grafiği hareketlendirmek için dümeye basın.", [this] { AnimationButtonClick(); });
    for (QAction* a : { XYDuzlemiButton, XZDuzlemiButton, YZDuzlemiButton, PerspektifButton,
             DortGorBtn, AnimationButton })
        a->setCheckable(true);
    for (QAction* a : { XYDuzlemiButton, XZDuzlemiButton, YZDuzlemiButton, PerspektifButton })
        a->setChecked(true);
    g->addSeparator();
    OndenGorBtn = button(g, "OndenGorBtn", glyph("Ön"), "Önden Görünüş",
        "Grafiğin xy düzlemine iz düşümünü görmek için dümeye basın.",
        [this] { OnGraph([](auto& w) { w.ShowFrontView(); }); });
    UsttenGorBtn = button(g, "UsttenGorBtn", glyph("Üst"), "Üstten Görünüş",
        "Grafiğin xz düzlemine iz düşümünü görmek için dümeye basın.",
        [this] { OnGraph([](auto& w) { w.ShowTopView(); }); });
    YandanGorBtn = button(g, "YandanGorBtn", glyph("Yan"), "Yandan Görünüş",
        "Grafiğin yz düzlemine iz düşümünü görmek için dümeye basın.",
        [this] { OnGraph([](auto& w) { w.ShowSideView(); }); });
    PerspektifGorBtn = button(g, "PerspektifGorBtn", glyph("3B"), "Perspektif Görünüş",
        "Grafiği  perspektifsel olarak görmek için dümeye basın.",
        [this] { OnGraph([](auto& w) { w.ShowPerspectiveView(); }); });
    g->addSeparator();
    SurukleButton = button(g, "SurukleButton", glyph("✥"), "Sürükle",
        "Grafiğin merkezini taşır.Sürüklemek için sağ fare tuşuna basılı tutun",
        [this] { OnGraph([](auto& w) { w.SetMouseMode(1); }); });
    DondurButton = button(g, "DondurButton", glyph("⟲"), "Döndür", "Grafiği eksenlerinde döndürür.",
        [this] { OnGraph([](auto& w) { w.SetMouseMode(0); }); });
    auto* mouseModes = new QActionGroup(this);
    for (QAction* a : { SurukleButton, DondurButton }) {
        a->setCheckable(true);
        mouseModes->addAction(a);
    }
    DondurButton->setChecked(true);
    g->addSeparator();
    ZoomInButton = button(g, "ZoomInButton", glyph("+"), "Grafiği Büyült",
        "Şekli büyültmek için bu butona basın.", [this] { OnGraph([](auto& w) { w.ZoomIn(); }); });
    ZoomOutButton = button(g, "ZoomOutButton", glyph("−"), "Grafiği Küçült",
        "Şekli küçültmek için bu butona basın.", [this] { OnGraph([](auto& w) { w.ZoomOut(); }); });
    g->addSeparator();
    BuyuklukComboBox = new QComboBox(g);
    BuyuklukComboBox->setObjectName("BuyuklukComboBox");
    BuyuklukComboBox->setEditable(true);
    BuyuklukComboBox->setInsertPolicy(QComboBox::NoInsert);
    BuyuklukComboBox->addItems(
        { "500%", "300%", "200%", "150%", "125%", "100%", "90%", "75%", "50%", "25%", "10%" });
    BuyuklukComboBox->setToolTip("Büyüklük");
    BuyuklukComboBox->setMinimumContentsLength(5);
    BuyuklukComboBox->setEditText("100%");
    BuyuklukComboBox->lineEdit()->installEventFilter(this);
    BuyuklukComboBox->installEventFilter(this);
    connect(BuyuklukComboBox, &QComboBox::currentTextChanged, this,
        [this] { Guarded([this] { BuyuklukComboBoxChange(); }); });
    BuyuklukComboAction = g->addWidget(BuyuklukComboBox);
    BuyuklukButton = button(g, "BuyuklukButton", glyph("%"), "Büyüklük",
        "Şeklin Büyüklüğünü ayarlamak için butona basın.",
        [this] { OnGraph([](auto& w) { w.ShowZoomDialog(); }); });
    BuyuklukButton->setVisible(false);
    connect(g, &QToolBar::orientationChanged, this, [this](Qt::Orientation o) { SwapZoomSlot(o); });
    ApplyToolbarIcons(*StandartToolbar);
    ApplyToolbarIcons(*GorontuToolbar);

    // Menu checks, pop-up checks and the button follow the toolbars' visibility.
    connect(StandartToolbar, &QToolBar::visibilityChanged, this, [this](bool) {
        const bool visible = !StandartToolbar->isHidden();
        VTStandart->setChecked(visible);
        TPStandart->setChecked(visible);
    });
    connect(GorontuToolbar, &QToolBar::visibilityChanged, this, [this](bool) {
        const bool visible = !GorontuToolbar->isHidden();
        VTGorontu->setChecked(visible);
        TPGoruntu->setChecked(visible);
        GorontuToolBtn->setChecked(visible);
    });
    for (QToolBar* bar : { StandartToolbar, GorontuToolbar }) {
        bar->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(bar, &QWidget::customContextMenuRequested, this,
            [this, bar](const QPoint& at) { ToolbarPopupMenu->popup(bar->mapToGlobal(at)); });
    }
}

void TMainForm::SwapZoomSlot(Qt::Orientation orientation)
{
    const bool horizontal = orientation == Qt::Horizontal;
    BuyuklukComboAction->setVisible(horizontal);
    BuyuklukButton->setVisible(!horizontal);
}

void TMainForm::CreateStatusLine()
{
    StatusPanel0 = new QLabel(this);
    StatusPanel0->setFixedWidth(150);
    StatusPanel1 = new QLabel("Yardım için F1'e basın", this);
    statusBar()->addWidget(StatusPanel0);
    statusBar()->addWidget(StatusPanel1, 1);
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
    connect(EgriGezgini, &QAction::triggered, this,
        [this] { CurvedLineExplorerToolW->setVisible(CurvedLineExplorerToolW->isHidden()); });
    connect(EgriGezginiButton, &QAction::triggered, this,
        [this] { CurvedLineExplorerToolW->setVisible(EgriGezginiButton->isChecked()); });
    connect(CurvedLineExplorerToolW->EgriKaydetButton, &QPushButton::clicked, this,
        [this] { Guarded([this] { EgriKaydetButtonClick(); }); });
    connect(CurvedLineExplorerToolW->CLSelectButton, &QPushButton::clicked, this,
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
    connect(OperatorSelect, &QAction::triggered, this,
        [this] { OperatorSelectToolW->setVisible(OperatorSelectToolW->isHidden()); });
    // The palette first floats at the right edge of the document area, not over the explorer.
    connect(OperatorSelectToolW, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible || OperatorSelectToolW->property("placed").toBool())
            return;
        OperatorSelectToolW->setProperty("placed", true);
        const QPoint corner = FClient->mapToGlobal(QPoint(FClient->width(), 0));
        OperatorSelectToolW->move(corner.x() - OperatorSelectToolW->width() - 8, corner.y() + 8);
    });
    connect(OperatorSelectButton, &QAction::triggered, this,
        [this] { OperatorSelectToolW->setVisible(OperatorSelectButton->isChecked()); });
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
}

// ---- The curve library ----------------------------------------------------------

void TMainForm::EgriKayitClick()
{
    ShowChildWindow(
        "Eğri Kayıt", [this] { return new TCurvedLineSFrm(nullptr, LibraryOptions()); });
}

void TMainForm::FonksiyonHesaplayicisiClick()
{
    ShowChildWindow("Fonksiyon Hesaplayıçısı", [this] {
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
    const TCurvedLineExplorer& e = *CurvedLineExplorerToolW;
    LibraryStoreCurve(this,
        { e.FTypeComboBox->currentIndex(), e.fxEdit->text(), e.fyEdit->text(), e.fzEdit->text() },
        LibraryOptions());
}

void TMainForm::CLSelectButtonClick()
{
    TCurvedLineExplorer& e = *CurvedLineExplorerToolW;
    const std::optional<TCurveKey> chosen = LibrarySelectCurve(this,
        { e.FTypeComboBox->currentIndex(), e.fxEdit->text(), e.fyEdit->text(), e.fzEdit->text() },
        LibraryOptions());
    if (!chosen)
        return;
    e.FTypeComboBox->setCurrentIndex(chosen->Type);
    e.FTypeComboBoxChange();
    e.fxEdit->setText(chosen->FunctionX);
    e.fyEdit->setText(chosen->FunctionY);
    e.fzEdit->setText(chosen->FunctionZ);
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
    auto* graph = new TGrafikMChildFrm(*this, SettingsFile());
    graph->setWindowTitle(caption);
    graph->SetWindowNo(number);
    QMdiSubWindow* sub = FClient->addSubWindow(graph);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    graph->show();
    sub->show();
    // The client area of a new window has its design size; the frame comes on top.
    const QSize design(TGrafikMChildFrm::DesignWidth, TGrafikMChildFrm::DesignHeight);
    sub->resize(sub->size() + (design - graph->size()));
    QCoreApplication::sendPostedEvents(graph, QEvent::Resize);
    graph->CentreView();
    connect(graph->UndoStack(), &QUndoStack::indexChanged, this, [this] { UpdateUndoItems(); });
    return graph;
}

int TMainForm::FreeWindowNumber() const
{
    int n = 1;
    while (n <= MaxWindows && FWindowSlots[static_cast<std::size_t>(n)] == 1)
        ++n;
    if (n > MaxWindows)
        throw Exception("En çok " + std::to_string(MaxWindows)
            + " grafik penceresi açılabilir. Yeni bir pencere için önce bir pencereyi kapatın.");
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

void TMainForm::BasamaklaClick() { FClient->cascadeSubWindows(); }

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

// ---- File, print and help ------------------------------------------------------

void TMainForm::KaydetButtonClick()
{
    OnGraph([](auto& g) { g.Save(); });
}

void TMainForm::SaveAsClick()
{
    OnGraph([](auto& g) { g.SaveAs(); });
}

void TMainForm::BaskiOnizlemeClick()
{
    QMessageBox::information(this, "Velmo",
        "Baski Onizleme testleri devam ettiği için bu versiyonda bulunmamaktadır.Sonraki "
        "sürümünde mutlaka yer alçaktır.");
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
    const int dockedTo = file.ReadInteger("Eğri Gezgini", "DockedTo", 0);
    if (dockedTo == 3 || dockedTo == 4) {
        addDockWidget(dockedTo == 3 ? Qt::LeftDockWidgetArea : Qt::RightDockWidgetArea,
            CurvedLineExplorerToolW);
        CurvedLineExplorerToolW->setFloating(false);
    } else {
        CurvedLineExplorerToolW->setFloating(true);
    }
    CurvedLineExplorerToolW->hide();
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
    int dockedTo = 0;
    if (!CurvedLineExplorerToolW->isFloating()) {
        const Qt::DockWidgetArea area = dockWidgetArea(CurvedLineExplorerToolW);
        dockedTo = area == Qt::LeftDockWidgetArea ? 3 : area == Qt::RightDockWidgetArea ? 4 : 0;
    }
    values.push_back({ "Eğri Gezgini", "DockedTo", dockedTo });
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
