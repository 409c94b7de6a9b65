#include "ui/main/main_commands.h"

#include "files/ini_file.h"
#include "ui/graph/grafik_mchild_frm.h"
#include "ui/main/curved_line_explorer.h"
#include "ui/main/main_form.h"
#include "ui/main/mdi_client.h"
#include "ui/main/operator_select_tool_w.h"
#include "ui/main/parameters_tool_w.h"
#include "ui/main/toolbar_icons.h"
#include "ui/platform/error_report.h"
#include "ui/platform/help_viewer.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>

#include <cstdint>

namespace {
using M = TMainForm;
enum TCheck : std::uint8_t { ckNone, ckOff, ckOn };
// Radio groups: the drawing style and the mouse mode.
constexpr int grStyle = 1;
constexpr int grMouse = 2;
constexpr int grLanguage = 3;

// A caption or hint of the tables in the language installed; the tables hold the Turkish.
QString text(const char* source) { return TMainCommands::tr(source); }
}

// A menu (Submenu set), a menu item (Item and Caption set) or a separator (no
// Caption; Item, when set, keeps it). Menu null: a menu of the menu bar.
struct TMainCommands::TMenuRow {
    QMenu* TMainForm::*Menu = nullptr;
    QMenu* TMainForm::*Submenu = nullptr;
    QAction* TMainForm::*Item = nullptr;
    const char* Caption = nullptr;
    const char* ShortCut = nullptr;
    // An item's tool tip and status-line text; a menu's status-line text.
    const char* Hint = nullptr;
    TCheck Check = ckNone;
    int Group = 0;
    bool Graph = false;
    THandler Handler = nullptr;
};

// A toolbar button (Button set) or a separator. Its picture comes from
// ApplyToolbarIcons by the object name Name, unless it shows Caption instead.
struct TMainCommands::TButtonRow {
    QToolBar* TMainForm::*Bar = nullptr;
    QAction* TMainForm::*Button = nullptr;
    const char* Name = nullptr;
    const char* Tip = nullptr;
    // The status-line text; null: the tip.
    const char* Status = nullptr;
    const char* Caption = nullptr;
    TCheck Check = ckNone;
    int Group = 0;
    bool Graph = false;
    // The menu item whose command the button gives, or the button's own handler.
    QAction* TMainForm::*Command = nullptr;
    THandler Handler = nullptr;
};

template <void (TGrafikMChildFrm::*Operation)()>
void TMainCommands::GraphCommand(TMainForm& form, bool)
{
    form.OnGraph([](TGrafikMChildFrm& g) { (g.*Operation)(); });
}

TMainCommands::TMainCommands(TMainForm& form)
    : FForm(form)
{
    CreateMenus();
    CreateToolbars();
}

void TMainCommands::EnableGraphCommands(bool enabled)
{
    for (QAction* action : FGraphCommands)
        action->setEnabled(enabled);
    FForm.BuyuklukComboBox->setEnabled(enabled);
}

void TMainCommands::Connect(QAction* action, THandler handler)
{
    FHandlers.insert(action, handler);
    // The window is the receiver: its destructor cuts every command off before the
    // menus and buttons go.
    QObject::connect(action, &QAction::triggered, &FForm, [this, action, handler] {
        Guarded([&] {
            // The menu item and its button show one check mark.
            if (QAction* partner = FPartners.value(action); partner != nullptr)
                partner->setChecked(action->isChecked());
            handler(FForm, action->isChecked());
        });
    });
}

void TMainCommands::CreateMenus()
{
    // clang-format off
    static const TMenuRow rows[] = {
        { .Submenu = &M::Dosya, .Caption = "&Dosya" },
        { .Menu = &M::Dosya, .Item = &M::YeniPencere, .Caption = "Y&eni Pencere",
            .ShortCut = "Ctrl+N", .Handler = [](M& m, bool) { m.YeniPencereClick(); } },
        { .Menu = &M::Dosya, .Item = &M::Ac, .Caption = "&Aç...", .ShortCut = "Ctrl+O",
            .Hint = "Velmo dosyası açar.", .Handler = [](M& m, bool) { m.AcClick(); } },
        { .Menu = &M::Dosya },
        { .Menu = &M::Dosya, .Item = &M::EgriKayit, .Caption = "&Eğri Kayıt",
            .Handler = [](M& m, bool) { m.EgriKayitClick(); } },
        { .Menu = &M::Dosya },
        { .Menu = &M::Dosya, .Item = &M::Kaydet, .Caption = "Kay&det", .ShortCut = "Ctrl+S",
            .Graph = true, .Handler = [](M& m, bool) { m.KaydetButtonClick(); } },
        { .Menu = &M::Dosya, .Item = &M::SaveAs, .Caption = "&Farklı Kaydet...", .Graph = true,
            .Handler = [](M& m, bool) { m.SaveAsClick(); } },
        { .Menu = &M::Dosya, .Item = &M::AnimasyonKaydet, .Caption = "Animasyon Kaydet...",
            .Hint = "Bir parametre değişirken ya da görünüş dönerken grafiğin hareketli resmini "
                    "yazar (GIF, WebP ya da numaralı PNG dosyaları).",
            .Graph = true, .Handler = &GraphCommand<&TGrafikMChildFrm::SaveAnimation> },
        { .Menu = &M::Dosya, .Item = &M::AktifFormuKapat, .Caption = "&Kapat",
            .Hint = "Aktif formu kapatır.", .Graph = true,
            .Handler = [](M& m, bool) { m.AktifFormuKapatClick(); } },
        { .Menu = &M::Dosya, .Item = &M::TumFormlariKapat, .Caption = "&Tümünü Kapat",
            .Hint = "Tüm formları kapatır.", .Graph = true,
            .Handler = [](M& m, bool) { m.TumFormlariKapatClick(); } },
        { .Menu = &M::Dosya },
        { .Menu = &M::Dosya, .Item = &M::BaskiOnizleme, .Caption = "Baskı Ö&nizleme",
            .Graph = true, .Handler = [](M& m, bool) { m.BaskiOnizlemeClick(); } },
        { .Menu = &M::Dosya, .Item = &M::Yazdir, .Caption = "&Yazdır", .ShortCut = "Ctrl+P",
            .Graph = true, .Handler = [](M& m, bool) { m.YazdirClick(); } },
        { .Menu = &M::Dosya, .Item = &M::YaziciAyar, .Caption = "Yazıcı &Ayar...",
            .Handler = [](M& m, bool) { m.YaziciAyarClick(); } },
        { .Menu = &M::Dosya, .Item = &M::FExitSeparator },
        { .Menu = &M::Dosya, .Item = &M::Cikis, .Caption = "Çı&kış", .Hint = "Velmo'den çıkar.",
            .Handler = [](M& m, bool) { m.close(); } },

        { .Submenu = &M::Duzen, .Caption = "Dü&zen" },
        { .Menu = &M::Duzen, .Item = &M::GeriAl, .Caption = "Geri Al", .ShortCut = "Ctrl+Z",
            .Handler = &GraphCommand<&TGrafikMChildFrm::Undo> },
        { .Menu = &M::Duzen, .Item = &M::Yinele, .Caption = "Yinele", .ShortCut = "Ctrl+Y",
            .Handler = &GraphCommand<&TGrafikMChildFrm::Redo> },
        { .Menu = &M::Duzen },
        { .Menu = &M::Duzen, .Item = &M::Kopyala, .Caption = "K&opyala", .ShortCut = "Ctrl+C",
            .Graph = true, .Handler = &GraphCommand<&TGrafikMChildFrm::CopyToClipboard> },
        { .Menu = &M::Duzen, .Item = &M::TumunuSil, .Caption = "&Tümünü Sil", .Graph = true,
            .Handler
            = [](M& m, bool) { m.CurvedLineExplorerToolW->TumEgrileriSilButtonClick(); } },

        { .Submenu = &M::Gorunum, .Caption = "&Görünüm",
            .Hint = "Bu pencereyi özelleştirme komutlarını içerir." },
        { .Menu = &M::Gorunum, .Submenu = &M::AracCubuklari, .Caption = "A&raç Çubukları",
            .Hint = "Araç çubuklarını gösterir veya gizler." },
        { .Menu = &M::AracCubuklari, .Item = &M::VTStandart, .Caption = "Standart",
            .Check = ckOn, .Handler = [](M& m, bool) {
                m.StandartToolbar->setVisible(!m.StandartToolbar->isVisible()); } },
        { .Menu = &M::AracCubuklari, .Item = &M::VTGorontu, .Caption = "Göröntü", .Check = ckOn,
            .Handler = [](M& m, bool) {
                m.GorontuToolbar->setVisible(!m.GorontuToolbar->isVisible()); } },
        { .Menu = &M::Gorunum, .Item = &M::DurumCubugu, .Caption = "&Durum Çubuğu",
            .Hint = "Durum çubuğunu gösterir veya gizler.", .Check = ckOn,
            .Handler = [](M& m, bool) { m.DurumCubuguClick(); } },
        { .Menu = &M::Gorunum },
        { .Menu = &M::Gorunum, .Item = &M::DuvarKagidi, .Caption = "Duvar &Kağıdı...",
            .Hint = "Duvar kağıdı formunu açar.",
            .Handler = [](M& m, bool) { m.DuvarKagidiClick(); } },
        { .Menu = &M::Gorunum },
        { .Menu = &M::Gorunum, .Submenu = &M::DilMenu, .Caption = "&Dil",
            .Hint = "Programın dilini seçer." },
        { .Menu = &M::DilMenu, .Item = &M::DilTurkce, .Caption = "Türkçe", .Check = ckOn,
            .Group = grLanguage, .Handler = [](M& m, bool) { m.DilClick(TLanguage::Turkish); } },
        { .Menu = &M::DilMenu, .Item = &M::DilEnglish, .Caption = "English", .Check = ckOff,
            .Group = grLanguage, .Handler = [](M& m, bool) { m.DilClick(TLanguage::English); } },

        { .Submenu = &M::Ozellikler, .Caption = "&Özellikler" },
        { .Menu = &M::Ozellikler, .Submenu = &M::Gonyeler, .Caption = "&Gönyeler" },
        { .Menu = &M::Gonyeler, .Item = &M::XYDuzlemi, .Caption = "XYDuzlemi", .Check = ckOn,
            .Graph = true, .Handler = [](M& m, bool on) { m.PlaneClick(1, on); } },
        { .Menu = &M::Gonyeler, .Item = &M::XZDuzlemi, .Caption = "XZDuzlemi", .Check = ckOn,
            .Graph = true, .Handler = [](M& m, bool on) { m.PlaneClick(2, on); } },
        { .Menu = &M::Gonyeler, .Item = &M::YZDuzlemi, .Caption = "YZDuzlemi", .Check = ckOn,
            .Graph = true, .Handler = [](M& m, bool on) { m.PlaneClick(3, on); } },
        { .Menu = &M::Ozellikler, .Submenu = &M::CizimSekli, .Caption = "&Çizim Şekli" },
        { .Menu = &M::CizimSekli, .Item = &M::CizgiCizimSekli, .Caption = "Çizgi", .Check = ckOn,
            .Group = grStyle, .Graph = true,
            .Handler = [](M& m, bool) { m.CizimSekliClick(0); } },
        { .Menu = &M::CizimSekli, .Item = &M::NoktaCizimSekli, .Caption = "Nokta",
            .Check = ckOff, .Group = grStyle, .Graph = true,
            .Handler = [](M& m, bool) { m.CizimSekliClick(1); } },
        { .Menu = &M::Ozellikler, .Item = &M::APerspektif, .Caption = "&Persvektif",
            .Check = ckOn, .Graph = true,
            .Handler = [](M& m, bool on) { m.OnGraph([on](auto& g) { g.SetPerspective(on); }); } },
        { .Menu = &M::Ozellikler, .Item = &M::DortGorunus, .Caption = "Dort Gorunus",
            .Check = ckOff, .Graph = true,
            .Handler = [](M& m, bool on) { m.OnGraph([on](auto& g) { g.SetFourView(on); }); } },
        { .Menu = &M::Ozellikler, .Item = &M::Hareketli, .Caption = "&Hareketli", .Check = ckOff,
            .Graph = true,
            .Handler = [](M& m, bool on) { m.OnGraph([on](auto& g) { g.SetAnimation(on); }); } },
        { .Menu = &M::Ozellikler, .Item = &M::IzSur, .Caption = "İz Sür",
            .Hint = "Eğrinin noktalarını fareyle ve yön tuşlarıyla tek tek izler; Esc bitirir.",
            .Check = ckOff, .Graph = true,
            .Handler = [](M& m, bool on) { m.OnGraph([on](auto& g) { g.SetTracing(on); }); } },
        { .Menu = &M::Ozellikler, .Item = &M::OnemliNoktalar, .Caption = "Önemli Noktalar",
            .Hint = "Geçerli eğrinin sıfırlarını, uç değerlerini ve öteki eğrilerle kesişimlerini "
                    "işaretler; iz sürerken Ctrl+Sol ve Ctrl+Sağ bu noktalara atlar.",
            .Check = ckOff, .Graph = true,
            .Handler =
                [](M& m, bool on) { m.OnGraph([on](auto& g) { g.SetInterestMarks(on); }); } },
        { .Menu = &M::Ozellikler },
        { .Menu = &M::Ozellikler, .Item = &M::TumOzellikler, .Caption = "&Tüm Özellikler...",
            .Graph = true, .Handler = &GraphCommand<&TGrafikMChildFrm::ShowProperties> },

        { .Submenu = &M::Bakis, .Caption = "&Bakış",
            .Hint = "Grafiğin istenilen bakış açısından görüntülenmesi için kullanılan komutları "
                    "içerir." },
        { .Menu = &M::Bakis, .Item = &M::PerspektifBakis, .Caption = "&Perspektif", .Graph = true,
            .Handler = &GraphCommand<&TGrafikMChildFrm::ShowPerspectiveView> },
        { .Menu = &M::Bakis, .Item = &M::OndenBakis, .Caption = "&Önden", .Graph = true,
            .Handler = &GraphCommand<&TGrafikMChildFrm::ShowFrontView> },
        { .Menu = &M::Bakis, .Item = &M::UsttenBakis, .Caption = "&Üstten", .Graph = true,
            .Handler = &GraphCommand<&TGrafikMChildFrm::ShowTopView> },
        { .Menu = &M::Bakis, .Item = &M::YandanBakis, .Caption = "&Yandan", .Graph = true,
            .Handler = &GraphCommand<&TGrafikMChildFrm::ShowSideView> },
        { .Menu = &M::Bakis, .Item = &M::DigerBakis, .Caption = "&Diğer..", .Hint = " ",
            .Graph = true, .Handler = &GraphCommand<&TGrafikMChildFrm::ShowViewDialog> },

        { .Submenu = &M::Buyukluk, .Caption = "Büyü&klük",
            .Hint = "Grafiğin istenilen büyükte görüntülenmesi için kullanılan komutları "
                    "içerir. " },
        { .Menu = &M::Buyukluk, .Item = &M::Buyult, .Caption = "Bü&yült", .ShortCut = "Ctrl+Up",
            .Hint = "Görüntüyü iki kat büyültür.", .Graph = true,
            .Handler = &GraphCommand<&TGrafikMChildFrm::ZoomIn> },
        { .Menu = &M::Buyukluk, .Item = &M::Kucult, .Caption = "Kü&çült",
            .ShortCut = "Ctrl+Down", .Hint = "Görüntüyü iki kat küçültür.", .Graph = true,
            .Handler = &GraphCommand<&TGrafikMChildFrm::ZoomOut> },
        { .Menu = &M::Buyukluk },
        { .Menu = &M::Buyukluk, .Item = &M::EneUydur, .Caption = "&Ene Uydur",
            .Hint = "Aktif grafik penceresinin eninin ana pencereye göre ayarla.", .Graph = true,
            .Handler = [](M& m, bool) { m.EneUydurClick(); } },
        { .Menu = &M::Buyukluk, .Item = &M::BoyaUydur, .Caption = "&Boya Uydur",
            .Hint = "Aktif grafik penceresinin boyunu ana pencereye göre ayarla.", .Graph = true,
            .Handler = [](M& m, bool) { m.BoyaUydurClick(); } },
        { .Menu = &M::Buyukluk, .Item = &M::EgrilereUydur, .Caption = "Eğrilere Uydur",
            .Hint = "Görünen eğrileri pencereye sığacak büyüklükte ortalar.", .Graph = true,
            .Handler = &GraphCommand<&TGrafikMChildFrm::FitToCurves> },
        { .Menu = &M::Buyukluk, .Item = &M::GercekBoyut, .Caption = "&Gerçek Boyut",
            .ShortCut = "Ctrl+0", .Hint = "Grafiği gerçek boyutunda görüntüler.", .Graph = true,
            .Handler = [](M& m, bool) { m.BYuzdeClick(100); } },
        { .Menu = &M::Buyukluk },
        { .Menu = &M::Buyukluk, .Item = &M::B25, .Caption = "25%", .Graph = true,
            .Handler = [](M& m, bool) { m.BYuzdeClick(25); } },
        { .Menu = &M::Buyukluk, .Item = &M::B75, .Caption = "75%", .Graph = true,
            .Handler = [](M& m, bool) { m.BYuzdeClick(75); } },
        { .Menu = &M::Buyukluk, .Item = &M::B100, .Caption = "100%", .Graph = true,
            .Handler = [](M& m, bool) { m.BYuzdeClick(100); } },
        { .Menu = &M::Buyukluk, .Item = &M::B200, .Caption = "200%", .Graph = true,
            .Handler = [](M& m, bool) { m.BYuzdeClick(200); } },
        { .Menu = &M::Buyukluk, .Item = &M::B400, .Caption = "400%", .Graph = true,
            .Handler = [](M& m, bool) { m.BYuzdeClick(400); } },
        { .Menu = &M::Buyukluk, .Item = &M::DigerBuyukluk, .Caption = "&Diğer...",
            .Graph = true, .Handler = &GraphCommand<&TGrafikMChildFrm::ShowZoomDialog> },

        { .Submenu = &M::Araclar, .Caption = "&Araçlar",
            .Hint = "Çizimde kullanılan yurdımçı araçlarını içerir." },
        { .Menu = &M::Araclar, .Item = &M::EgriGezgini, .Caption = "Eğri &Gezgini",
            .Hint = "Eğri Gezgini  araçını gösterir veya gizler.", .Check = ckOff, .Graph = true,
            .Handler = [](M& m, bool) {
                m.CurvedLineExplorerToolW->setVisible(m.CurvedLineExplorerToolW->isHidden());
            } },
        { .Menu = &M::Araclar, .Item = &M::OperatorSelect, .Caption = "&Operatör Seçim",
            .Hint = "Operatör Seçim  araçını gösterir veya gizler.", .Check = ckOff,
            .Graph = true,
            .Handler = [](M& m, bool) {
                m.OperatorSelectToolW->setVisible(m.OperatorSelectToolW->isHidden());
            } },
        { .Menu = &M::Araclar, .Item = &M::Parametreler, .Caption = "&Parametreler",
            .Hint = "Parametreler araçını gösterir veya gizler.", .Check = ckOff,
            .Handler = [](M& m, bool) {
                m.ParametersToolW->setVisible(m.ParametersToolW->isHidden());
            } },
        { .Menu = &M::Araclar },
        { .Menu = &M::Araclar, .Item = &M::SayisalDegerler, .Caption = "&Sayısal Değerler",
            .Hint = "Eğrilerde yer alan ayrık noktaların sayısal karşılıklarını gösterir.",
            .Graph = true, .Handler = &GraphCommand<&TGrafikMChildFrm::ShowNumericValues> },
        { .Menu = &M::Araclar, .Item = &M::FonksiyonHesaplayicisi,
            .Caption = "Fonksiyon &Hesaplayıcısı",
            .Hint = "Fonksiyonların için basit bir hesaplama araçı olan Fonksiyon "
                    "Hesaplayıçısı aracını  açar.",
            .Handler = [](M& m, bool) { m.FonksiyonHesaplayicisiClick(); } },

        { .Submenu = &M::Pencere, .Caption = "&Pencere",
            .Hint = "Pencereleri yerleştirme komutları" },
        { .Menu = &M::Pencere, .Item = &M::Basamakla, .Caption = "&Basamakla",
            .ShortCut = "Ctrl+Shift+F5", .Hint = "Pencereleri basamaklı şekilde yerleştir.",
            .Graph = true, .Handler = [](M& m, bool) { m.BasamaklaClick(); } },
        { .Menu = &M::Pencere, .Item = &M::YatayDose, .Caption = "&Yatay Döşe",
            .Hint = "Pencereleri yatay döşeli şekilde yerleştir.", .Graph = true,
            .Handler = [](M& m, bool) { m.YatayDoseClick(); } },
        { .Menu = &M::Pencere, .Item = &M::DikeyDose, .Caption = "&Dikey Döşe",
            .ShortCut = "Shift+F4", .Hint = "Pencereleri dikey döşeli şekilde yerleştir.",
            .Graph = true, .Handler = [](M& m, bool) { m.DikeyDoseClick(); } },
        { .Menu = &M::Pencere, .Item = &M::TumunuKucult, .Caption = "Tümünü &Küçült",
            .Hint = "Tüm pencereleri simge durumunda küçültür.", .Graph = true,
            .Handler = [](M& m, bool) { m.TumunuKucultClick(); } },
        { .Menu = &M::Pencere, .Item = &M::Duzenle, .Caption = "&Tümünü Yerleştir",
            .Hint = "Simgeleri yerleştirir.", .Graph = true,
            .Handler = [](M& m, bool) { m.DuzenleClick(); } },

        { .Submenu = &M::YardimMenu, .Caption = "&Yardım",
            .Hint = "Yardımı görüntüleme komutlarını içerir." },
        { .Menu = &M::YardimMenu, .Item = &M::HelpContentsItem,
            .Caption = "İçi&ndekiler ve Dizin", .Hint = "Yardım konularını listeler.",
            .Handler = [](M& m, bool) { m.HelpContents(); } },
        { .Menu = &M::YardimMenu, .Item = &M::HelpSearchItem, .Caption = "B&ul...",
            .Hint = "Bir konuyu yardım dosyasında arat.",
            .Handler = [](M& m, bool) { m.HelpSearch(); } },
        { .Menu = &M::YardimMenu, .Item = &M::HelpHowToUseItem, .Caption = "Yardımı &Kullanma",
            .Hint = "Yardım sistemi kakkında yardım.",
            .Handler = [](M& m, bool) { m.HelpHowToUse(); } },
        { .Menu = &M::YardimMenu },
        { .Menu = &M::YardimMenu, .Item = &M::Hakkinda, .Caption = "Velmo  &Hakkında...",
            .Hint = "Program bilgilerini, sürüm numarasını ve telif hakkını görüntüler.",
            .Handler = [](M& m, bool) { m.HelpAbout(); } },
        { .Menu = &M::YardimMenu, .Item = &M::YazarHakknda1, .Caption = "&Yazarı Hakkında...",
            .Hint = "Programın yazarı kakkında bilgileri görüntüler.",
            .Handler = [](M& m, bool) { m.YazarHakknda1Click(); } },

        { .Menu = &M::ToolbarPopupMenu, .Item = &M::TPStandart, .Caption = "Standart",
            .Check = ckOn, .Handler = [](M& m, bool) { m.VTStandart->trigger(); } },
        { .Menu = &M::ToolbarPopupMenu, .Item = &M::TPGoruntu, .Caption = "Görüntü",
            .Check = ckOn, .Handler = [](M& m, bool) { m.VTGorontu->trigger(); } },
    };
    // clang-format on

    TMainForm& m = FForm;
    m.ToolbarPopupMenu = new QMenu(&m);
    QHash<int, QActionGroup*> groups;
    for (const TMenuRow& row : rows) {
        if (row.Submenu != nullptr) {
            m.*row.Submenu = row.Menu == nullptr ? m.menuBar()->addMenu(text(row.Caption))
                                                 : (m.*row.Menu)->addMenu(text(row.Caption));
            if (row.Hint != nullptr)
                (m.*row.Submenu)->menuAction()->setStatusTip(text(row.Hint));
            continue;
        }
        QMenu* menu = m.*row.Menu;
        if (row.Caption == nullptr) {
            QAction* separator = menu->addSeparator();
            if (row.Item != nullptr)
                m.*row.Item = separator;
            continue;
        }
        QAction* action = menu->addAction(text(row.Caption));
        m.*row.Item = action;
        SetUp(action, row.ShortCut, row.Hint, row.Hint, row.Check, row.Group, row.Graph, groups);
        if (row.Handler != nullptr)
            Connect(action, row.Handler);
    }

    // The language item of the texts shown, until the next start takes another.
    (CurrentLanguage() == TLanguage::English ? m.DilEnglish : m.DilTurkce)->setChecked(true);

    // The list of open child windows follows the fixed items of "&Pencere".
    QMenu* windowMenu = m.Pencere;
    TMdiClient* client = m.ClientArea();
    QObject::connect(windowMenu, &QMenu::aboutToShow, &m, [&m, windowMenu, client] {
        for (QAction* a : windowMenu->actions())
            if (a->property("windowList").toBool())
                windowMenu->removeAction(a), a->deleteLater();
        const QList<QMdiSubWindow*> windows = client->subWindowList();
        if (!windows.isEmpty()) {
            QAction* separator = windowMenu->addSeparator();
            separator->setProperty("windowList", true);
        }
        int n = 0;
        for (QMdiSubWindow* sub : windows) {
            auto* graph = qobject_cast<TGrafikMChildFrm*>(sub->widget());
            const QString caption = graph != nullptr ? graph->Caption() : sub->windowTitle();
            QAction* a = windowMenu->addAction(QString("&%1 %2").arg(++n).arg(caption));
            a->setProperty("windowList", true);
            a->setCheckable(true);
            a->setChecked(sub == client->activeSubWindow());
            QObject::connect(
                a, &QAction::triggered, &m, [client, sub] { client->setActiveSubWindow(sub); });
        }
    });

    auto* f1 = new QAction(&m);
    f1->setShortcut(QKeySequence(Qt::Key_F1));
    // The frame's F1 also serves its docked and floating tool windows and its child
    // windows: the topic is that of the window holding the focus.
    QObject::connect(f1, &QAction::triggered, &m,
        [] { HelpViewer().ShowContext(HelpContextOf(QApplication::focusWidget(), hcMainWindow)); });
    m.addAction(f1);
}

void TMainCommands::SetUp(QAction* action, const char* shortCut, const char* tip,
    const char* status, int check, int group, bool graph, QHash<int, QActionGroup*>& groups)
{
    if (shortCut != nullptr)
        action->setShortcut(QKeySequence(QString::fromUtf8(shortCut)));
    if (tip != nullptr) {
        action->setToolTip(text(tip));
        action->setStatusTip(text(status != nullptr ? status : tip));
    }
    if (check != ckNone) {
        action->setCheckable(true);
        action->setChecked(check == ckOn);
    }
    if (group != 0) {
        QActionGroup*& actionGroup = groups[group];
        if (actionGroup == nullptr)
            actionGroup = new QActionGroup(&FForm);
        actionGroup->addAction(action);
    }
    if (graph)
        FGraphCommands << action;
}

void TMainCommands::CreateToolbars()
{
    // clang-format off
    static const TButtonRow rows[] = {
        { .Bar = &M::StandartToolbar, .Button = &M::YeniPencereButton,
            .Name = "YeniPencereButton", .Tip = "Yeni Pencere", .Command = &M::YeniPencere },
        { .Bar = &M::StandartToolbar, .Button = &M::KaydetButton, .Name = "KaydetButton",
            .Tip = "Kaydet", .Graph = true, .Command = &M::Kaydet },
        { .Bar = &M::StandartToolbar },
        { .Bar = &M::StandartToolbar, .Button = &M::YazdirButton, .Name = "YazdirButton",
            .Tip = "Yazdır", .Graph = true, .Command = &M::Yazdir },
        { .Bar = &M::StandartToolbar, .Button = &M::OnIzlemeButton, .Name = "OnIzlemeButton",
            .Tip = "Baskı Önizleme", .Graph = true, .Command = &M::BaskiOnizleme },
        { .Bar = &M::StandartToolbar },
        { .Bar = &M::StandartToolbar, .Button = &M::KopyalaButton, .Name = "KopyalaButton",
            .Tip = "Kopyala", .Graph = true, .Command = &M::Kopyala },
        { .Bar = &M::StandartToolbar },
        { .Bar = &M::StandartToolbar, .Button = &M::EgriGezginiButton,
            .Name = "EgriGezginiButton", .Tip = "Eğri Gezgini",
            .Status = "Eğri Gezgini araçını açmak için bu butona basın.", .Caption = "fx",
            .Check = ckOff, .Graph = true,
            .Handler = [](M& m, bool on) { m.CurvedLineExplorerToolW->setVisible(on); } },
        { .Bar = &M::StandartToolbar, .Button = &M::OperatorSelectButton,
            .Name = "OperatorSelectButton", .Tip = "Operatör",
            .Status = "Operatör Seçim araçını açmak için bu dümeye basın.", .Caption = "Op",
            .Check = ckOff, .Graph = true,
            .Handler = [](M& m, bool on) { m.OperatorSelectToolW->setVisible(on); } },
        { .Bar = &M::StandartToolbar, .Button = &M::ParametrelerButton,
            .Name = "ParametrelerButton", .Tip = "Parametreler",
            .Status = "Parametreler araçını açmak için bu düğmeye basın.", .Caption = "k",
            .Check = ckOff,
            .Handler = [](M& m, bool on) { m.ParametersToolW->setVisible(on); } },
        { .Bar = &M::StandartToolbar, .Button = &M::GorontuToolBtn, .Name = "GorontuToolBtn",
            .Tip = "Görüntü Araç Çubuğu",
            .Status = "Görüntü Araç Çubuğu gösterir ve/veya gizlemek için bu dümeye basın.",
            .Check = ckOn, .Handler = [](M& m, bool on) { m.GorontuToolbar->setVisible(on); } },
        { .Bar = &M::StandartToolbar },
        { .Bar = &M::StandartToolbar, .Button = &M::YerlestirButton, .Name = "YerlestirButton",
            .Tip = "Simgeleri Yerleştir",
            .Status = "Simge durumuna küçültülmüş formları ayarlamak (uygun hale getirmek) için "
                      "bu butona basın.",
            .Graph = true, .Command = &M::Duzenle },
        { .Bar = &M::StandartToolbar },
        { .Bar = &M::StandartToolbar, .Button = &M::BasamaklaButton, .Name = "BasamaklaButton",
            .Tip = "Pencereleri Basamaka",
            .Status = "Açık formları basamaklı şekilde görmek için bu butona basın.",
            .Graph = true, .Command = &M::Basamakla },
        { .Bar = &M::StandartToolbar, .Button = &M::YatayDoseButton, .Name = "YatayDoseButton",
            .Tip = "Yatay Döşe",
            .Status = "Açık formları döşeli şekilde görmek için bu butona basın.",
            .Graph = true, .Command = &M::YatayDose },
        { .Bar = &M::StandartToolbar, .Button = &M::DikeyDoseButton, .Name = "DikeyDoseButton",
            .Tip = "Dikey  Döşe",
            .Status = "Açık formları döşeli şekilde görmek için bu butona basın.", .Graph = true,
            .Command = &M::DikeyDose },
        { .Bar = &M::StandartToolbar },
        { .Bar = &M::StandartToolbar, .Button = &M::SaysalDegerlerButton,
            .Name = "SaysalDegerlerButton", .Tip = "Sayısal Değerler",
            .Status = "Eğrilerinin ayrık noktalarına ait sayısal değerlerini gösterir.",
            .Caption = "Num", .Graph = true, .Command = &M::SayisalDegerler },
        { .Bar = &M::StandartToolbar, .Button = &M::PropertiesButton, .Name = "PropertiesButton",
            .Tip = "Tüm Özellikler", .Status = "Aktif forma ait tüm özellikleri değiştirir",
            .Graph = true, .Command = &M::TumOzellikler },
        { .Bar = &M::StandartToolbar },
        { .Bar = &M::StandartToolbar, .Button = &M::BulButton, .Name = "BulButton",
            .Tip = "Dizinden Bul",
            .Status = "Yardım konularında arama yapmak için bu düğmeye basın.",
            .Command = &M::HelpSearchItem },
        { .Bar = &M::StandartToolbar, .Button = &M::HelpButton, .Name = "HelpButton",
            .Tip = "Yardım Konuları",
            .Status = "Yardım konularını görüntülemek için bu buton'a basın.",
            .Command = &M::HelpContentsItem },

        { .Bar = &M::GorontuToolbar, .Button = &M::XYDuzlemiButton, .Name = "XYDuzlemiButton",
            .Tip = "XY Düzlemi", .Status = "XY düzlemi gönyesini gösterir ve gizler.",
            .Check = ckOn, .Graph = true, .Command = &M::XYDuzlemi },
        { .Bar = &M::GorontuToolbar, .Button = &M::XZDuzlemiButton, .Name = "XZDuzlemiButton",
            .Tip = "XZ Düzlemi", .Status = "XZ düzlemi gönyesini gösterir ve gizler.",
            .Check = ckOn, .Graph = true, .Command = &M::XZDuzlemi },
        { .Bar = &M::GorontuToolbar, .Button = &M::YZDuzlemiButton, .Name = "YZDuzlemiButton",
            .Tip = "YZ Düzlemi", .Status = "YZ düzlemi gönyesini gösterir ve gizler.",
            .Check = ckOn, .Graph = true, .Command = &M::YZDuzlemi },
        { .Bar = &M::GorontuToolbar },
        { .Bar = &M::GorontuToolbar, .Button = &M::CizgiCizimButton, .Name = "CizgiCizimButton",
            .Tip = "Çizgil ile Çizim", .Status = "Sürekli fonksiyon çizimi için bu dümeye basın.",
            .Graph = true, .Command = &M::CizgiCizimSekli },
        { .Bar = &M::GorontuToolbar, .Button = &M::NoktaCizimButton, .Name = "NoktaCizimButton",
            .Tip = "Nokta  ile  Çizim",
            .Status = "Fonksiyonları ayrık noktalar ile çizmek için bu dümeye basın.",
            .Graph = true, .Command = &M::NoktaCizimSekli },
        { .Bar = &M::GorontuToolbar },
        { .Bar = &M::GorontuToolbar, .Button = &M::PerspektifButton, .Name = "PerspektifButton",
            .Tip = "Perspektifi Aç-Kapa", .Status = "Grafiğin  perspektif özelliğini açıp kapar.",
            .Check = ckOn, .Graph = true, .Command = &M::APerspektif },
        { .Bar = &M::GorontuToolbar, .Button = &M::DortGorBtn, .Name = "DortGorBtn",
            .Tip = "4'lü Görünüş",
            .Status = "Grafiği Ön, Üst  ve Yan görünüşleri ile görüntülemek için dümeye basın.",
            .Caption = "4W", .Check = ckOff, .Graph = true, .Command = &M::DortGorunus },
        { .Bar = &M::GorontuToolbar, .Button = &M::AnimationButton, .Name = "AnimationButton",
            .Tip = "Hareketlendir", .Status = "Grafiği hareketlendirmek için dümeye basın.",
            .Check = ckOff, .Graph = true, .Command = &M::Hareketli },
        { .Bar = &M::GorontuToolbar, .Button = &M::IzSurButton, .Name = "IzSurButton",
            .Tip = "İz Sür", .Status = "Eğrinin noktalarını izlemek için dümeye basın.",
            .Check = ckOff, .Graph = true, .Command = &M::IzSur },
        { .Bar = &M::GorontuToolbar, .Button = &M::OnemliNoktalarButton,
            .Name = "OnemliNoktalarButton", .Tip = "Önemli Noktalar",
            .Status = "Eğrinin sıfırlarını, uç değerlerini ve kesişimlerini işaretlemek için "
                      "dümeye basın.",
            .Check = ckOff, .Graph = true, .Command = &M::OnemliNoktalar },
        { .Bar = &M::GorontuToolbar },
        { .Bar = &M::GorontuToolbar, .Button = &M::OndenGorBtn, .Name = "OndenGorBtn",
            .Tip = "Önden Görünüş",
            .Status = "Grafiğin xy düzlemine iz düşümünü görmek için dümeye basın.",
            .Graph = true, .Command = &M::OndenBakis },
        { .Bar = &M::GorontuToolbar, .Button = &M::UsttenGorBtn, .Name = "UsttenGorBtn",
            .Tip = "Üstten Görünüş",
            .Status = "Grafiğin xz düzlemine iz düşümünü görmek için dümeye basın.",
            .Graph = true, .Command = &M::UsttenBakis },
        { .Bar = &M::GorontuToolbar, .Button = &M::YandanGorBtn, .Name = "YandanGorBtn",
            .Tip = "Yandan Görünüş",
            .Status = "Grafiğin yz düzlemine iz düşümünü görmek için dümeye basın.",
            .Graph = true, .Command = &M::YandanBakis },
        { .Bar = &M::GorontuToolbar, .Button = &M::PerspektifGorBtn, .Name = "PerspektifGorBtn",
            .Tip = "Perspektif Görünüş",
            .Status = "Grafiği  perspektifsel olarak görmek için dümeye basın.", .Graph = true,
            .Command = &M::PerspektifBakis },
        { .Bar = &M::GorontuToolbar },
        { .Bar = &M::GorontuToolbar, .Button = &M::SurukleButton, .Name = "SurukleButton",
            .Tip = "Sürükle",
            .Status = "Grafiğin merkezini taşır.Sürüklemek için sağ fare tuşuna basılı tutun",
            .Check = ckOff, .Group = grMouse, .Graph = true,
            .Handler = [](M& m, bool) { m.OnGraph([](auto& g) { g.SetMouseMode(1); }); } },
        { .Bar = &M::GorontuToolbar, .Button = &M::DondurButton, .Name = "DondurButton",
            .Tip = "Döndür", .Status = "Grafiği eksenlerinde döndürür.", .Check = ckOn,
            .Group = grMouse, .Graph = true,
            .Handler = [](M& m, bool) { m.OnGraph([](auto& g) { g.SetMouseMode(0); }); } },
        { .Bar = &M::GorontuToolbar },
        { .Bar = &M::GorontuToolbar, .Button = &M::ZoomInButton, .Name = "ZoomInButton",
            .Tip = "Grafiği Büyült", .Status = "Şekli büyültmek için bu butona basın.",
            .Graph = true, .Command = &M::Buyult },
        { .Bar = &M::GorontuToolbar, .Button = &M::ZoomOutButton, .Name = "ZoomOutButton",
            .Tip = "Grafiği Küçült", .Status = "Şekli küçültmek için bu butona basın.",
            .Graph = true, .Command = &M::Kucult },
        { .Bar = &M::GorontuToolbar, .Button = &M::EgrilereUydurButton,
            .Name = "EgrilereUydurButton", .Tip = "Eğrilere Uydur",
            .Status = "Görünen eğrileri pencereye sığdırmak için bu butona basın.", .Graph = true,
            .Command = &M::EgrilereUydur },
        { .Bar = &M::GorontuToolbar },
        // The zoom box stands here; the button takes its place while the toolbar stands upright.
        { .Bar = &M::GorontuToolbar, .Button = &M::BuyuklukButton, .Name = "BuyuklukButton",
            .Tip = "Büyüklük", .Status = "Şeklin Büyüklüğünü ayarlamak için butona basın.",
            .Graph = true, .Command = &M::DigerBuyukluk },
    };
    // clang-format on

    TMainForm& m = FForm;
    m.StandartToolbar = m.addToolBar(tr("Standart"));
    m.StandartToolbar->setObjectName("StandartToolbar");
    QHash<int, QActionGroup*> groups;
    for (const TButtonRow& row : rows) {
        if (row.Bar == &M::GorontuToolbar && m.GorontuToolbar == nullptr) {
            m.addToolBarBreak();
            m.GorontuToolbar = m.addToolBar(tr("Göröntü"));
            m.GorontuToolbar->setObjectName("GorontuToolbar");
        }
        QToolBar* bar = m.*row.Bar;
        if (row.Button == nullptr) {
            bar->addSeparator();
            continue;
        }
        if (row.Button == &M::BuyuklukButton)
            CreateZoomBox();
        QAction* action = bar->addAction(text(row.Tip));
        m.*row.Button = action;
        action->setObjectName(row.Name);
        if (row.Caption != nullptr) {
            action->setIconText(text(row.Caption));
            action->setText(text(row.Caption));
        }
        SetUp(action, nullptr, row.Tip, row.Status, row.Check, row.Group, row.Graph, groups);
        if (row.Command == nullptr) {
            Connect(action, row.Handler);
            continue;
        }
        // The menu item's command: its handler, and one check mark for both.
        QAction* item = m.*row.Command;
        if (item->isCheckable() && action->isCheckable()) {
            FPartners.insert(item, action);
            FPartners.insert(action, item);
        }
        Connect(action, FHandlers.value(item));
    }
    m.BuyuklukButton->setVisible(false);
    QObject::connect(m.GorontuToolbar, &QToolBar::orientationChanged, &m,
        [this](Qt::Orientation o) { SwapZoomSlot(o); });
    ApplyToolbarIcons(*m.StandartToolbar);
    ApplyToolbarIcons(*m.GorontuToolbar);

    // Menu checks, pop-up checks and the button follow the toolbars' visibility.
    QObject::connect(m.StandartToolbar, &QToolBar::visibilityChanged, &m, [&m](bool) {
        const bool visible = !m.StandartToolbar->isHidden();
        m.VTStandart->setChecked(visible);
        m.TPStandart->setChecked(visible);
    });
    QObject::connect(m.GorontuToolbar, &QToolBar::visibilityChanged, &m, [&m](bool) {
        const bool visible = !m.GorontuToolbar->isHidden();
        m.VTGorontu->setChecked(visible);
        m.TPGoruntu->setChecked(visible);
        m.GorontuToolBtn->setChecked(visible);
    });
    for (QToolBar* bar : { m.StandartToolbar, m.GorontuToolbar }) {
        bar->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(bar, &QWidget::customContextMenuRequested, &m,
            [&m, bar](const QPoint& at) { m.ToolbarPopupMenu->popup(bar->mapToGlobal(at)); });
    }
}

void TMainCommands::CreateZoomBox()
{
    TMainForm& m = FForm;
    m.BuyuklukComboBox = new TZoomBox(m.GorontuToolbar);
    QObject::connect(m.BuyuklukComboBox, &TZoomBox::PercentChosen, &m, [&m](int percent) {
        Guarded([&] { m.OnGraph([percent](auto& g) { g.SetZoomPercent(percent); }); });
    });
    QObject::connect(m.BuyuklukComboBox, &TZoomBox::DialogRequested, &m,
        [&m] { Guarded([&m] { m.OnGraph([](auto& g) { g.ShowZoomDialog(); }); }); });
    m.BuyuklukComboAction = m.GorontuToolbar->addWidget(m.BuyuklukComboBox);
    FGraphCommands << m.BuyuklukComboAction;
}

void TMainCommands::SwapZoomSlot(Qt::Orientation orientation)
{
    const bool horizontal = orientation == Qt::Horizontal;
    FForm.BuyuklukComboAction->setVisible(horizontal);
    FForm.BuyuklukButton->setVisible(!horizontal);
}
