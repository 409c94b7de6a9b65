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
        { .Submenu = &M::Dosya, .Caption = QT_TR_NOOP("&Dosya") },
        { .Menu = &M::Dosya, .Item = &M::YeniPencere, .Caption = QT_TR_NOOP("Y&eni Pencere"),
            .ShortCut = "Ctrl+N", .Handler = [](M& m, bool) { m.YeniPencereClick(); } },
        { .Menu = &M::Dosya, .Item = &M::Ac, .Caption = QT_TR_NOOP("&Aç..."), .ShortCut = "Ctrl+O",
            .Hint = QT_TR_NOOP("Velmo dosyası açar."), .Handler = [](M& m, bool) { m.AcClick(); } },
        { .Menu = &M::Dosya },
        { .Menu = &M::Dosya, .Item = &M::EgriKayit, .Caption = QT_TR_NOOP("&Eğri Kayıt"),
            .Handler = [](M& m, bool) { m.EgriKayitClick(); } },
        { .Menu = &M::Dosya },
        { .Menu = &M::Dosya, .Item = &M::Kaydet, .Caption = QT_TR_NOOP("Kay&det"),
            .ShortCut = "Ctrl+S",
            .Graph = true, .Handler = [](M& m, bool) { m.KaydetButtonClick(); } },
        { .Menu = &M::Dosya, .Item = &M::SaveAs, .Caption = QT_TR_NOOP("&Farklı Kaydet..."),
            .Graph = true,
            .Handler = [](M& m, bool) { m.SaveAsClick(); } },
        { .Menu = &M::Dosya, .Item = &M::AnimasyonKaydet,
            .Caption = QT_TR_NOOP("Animasyon Kaydet..."),
            .Hint = QT_TR_NOOP("Bir parametre değişirken ya da görünüş dönerken grafiğin "
                               "hareketli resmini "
                               "yazar (GIF, WebP ya da numaralı PNG dosyaları)."),
            .Graph = true, .Handler = &GraphCommand<&TGrafikMChildFrm::SaveAnimation> },
        { .Menu = &M::Dosya, .Item = &M::AktifFormuKapat, .Caption = QT_TR_NOOP("&Kapat"),
            .Hint = QT_TR_NOOP("Aktif formu kapatır."), .Graph = true,
            .Handler = [](M& m, bool) { m.AktifFormuKapatClick(); } },
        { .Menu = &M::Dosya, .Item = &M::TumFormlariKapat, .Caption = QT_TR_NOOP("&Tümünü Kapat"),
            .Hint = QT_TR_NOOP("Tüm formları kapatır."), .Graph = true,
            .Handler = [](M& m, bool) { m.TumFormlariKapatClick(); } },
        { .Menu = &M::Dosya },
        { .Menu = &M::Dosya, .Item = &M::BaskiOnizleme, .Caption = QT_TR_NOOP("Baskı Ö&nizleme"),
            .Graph = true, .Handler = [](M& m, bool) { m.BaskiOnizlemeClick(); } },
        { .Menu = &M::Dosya, .Item = &M::Yazdir, .Caption = QT_TR_NOOP("&Yazdır"),
            .ShortCut = "Ctrl+P",
            .Graph = true, .Handler = [](M& m, bool) { m.YazdirClick(); } },
        { .Menu = &M::Dosya, .Item = &M::YaziciAyar, .Caption = QT_TR_NOOP("Yazıcı &Ayar..."),
            .Handler = [](M& m, bool) { m.YaziciAyarClick(); } },
        { .Menu = &M::Dosya, .Item = &M::FExitSeparator },
        { .Menu = &M::Dosya, .Item = &M::Cikis, .Caption = QT_TR_NOOP("Çı&kış"),
            .Hint = QT_TR_NOOP("Velmo'den çıkar."),
            .Handler = [](M& m, bool) { m.close(); } },

        { .Submenu = &M::Duzen, .Caption = QT_TR_NOOP("Dü&zen") },
        { .Menu = &M::Duzen, .Item = &M::GeriAl, .Caption = QT_TR_NOOP("Geri Al"),
            .ShortCut = "Ctrl+Z",
            .Handler = &GraphCommand<&TGrafikMChildFrm::Undo> },
        { .Menu = &M::Duzen, .Item = &M::Yinele, .Caption = QT_TR_NOOP("Yinele"),
            .ShortCut = "Ctrl+Y",
            .Handler = &GraphCommand<&TGrafikMChildFrm::Redo> },
        { .Menu = &M::Duzen },
        { .Menu = &M::Duzen, .Item = &M::Kopyala, .Caption = QT_TR_NOOP("K&opyala"),
            .ShortCut = "Ctrl+C",
            .Graph = true, .Handler = &GraphCommand<&TGrafikMChildFrm::CopyToClipboard> },
        { .Menu = &M::Duzen, .Item = &M::TumunuSil, .Caption = QT_TR_NOOP("&Tümünü Sil"),
            .Graph = true,
            .Handler
            = [](M& m, bool) { m.CurvedLineExplorerToolW->TumEgrileriSilButtonClick(); } },

        { .Submenu = &M::Gorunum, .Caption = QT_TR_NOOP("&Görünüm"),
            .Hint = QT_TR_NOOP("Bu pencereyi özelleştirme komutlarını içerir.") },
        { .Menu = &M::Gorunum, .Submenu = &M::AracCubuklari,
            .Caption = QT_TR_NOOP("A&raç Çubukları"),
            .Hint = QT_TR_NOOP("Araç çubuklarını gösterir veya gizler.") },
        { .Menu = &M::AracCubuklari, .Item = &M::VTStandart, .Caption = QT_TR_NOOP("Standart"),
            .Check = ckOn, .Handler = [](M& m, bool) {
                m.StandartToolbar->setVisible(!m.StandartToolbar->isVisible()); } },
        { .Menu = &M::AracCubuklari, .Item = &M::VTGorontu, .Caption = QT_TR_NOOP("Göröntü"),
            .Check = ckOn,
            .Handler = [](M& m, bool) {
                m.GorontuToolbar->setVisible(!m.GorontuToolbar->isVisible()); } },
        { .Menu = &M::Gorunum, .Item = &M::DurumCubugu, .Caption = QT_TR_NOOP("&Durum Çubuğu"),
            .Hint = QT_TR_NOOP("Durum çubuğunu gösterir veya gizler."), .Check = ckOn,
            .Handler = [](M& m, bool) { m.DurumCubuguClick(); } },
        { .Menu = &M::Gorunum },
        { .Menu = &M::Gorunum, .Item = &M::DuvarKagidi, .Caption = QT_TR_NOOP("Duvar &Kağıdı..."),
            .Hint = QT_TR_NOOP("Duvar kağıdı formunu açar."),
            .Handler = [](M& m, bool) { m.DuvarKagidiClick(); } },
        { .Menu = &M::Gorunum },
        { .Menu = &M::Gorunum, .Submenu = &M::DilMenu, .Caption = QT_TR_NOOP("&Dil"),
            .Hint = QT_TR_NOOP("Programın dilini seçer.") },
        { .Menu = &M::DilMenu, .Item = &M::DilTurkce, .Caption = QT_TR_NOOP("Türkçe"),
            .Check = ckOn,
            .Group = grLanguage, .Handler = [](M& m, bool) { m.DilClick(TLanguage::Turkish); } },
        { .Menu = &M::DilMenu, .Item = &M::DilEnglish, .Caption = QT_TR_NOOP("English"),
            .Check = ckOff,
            .Group = grLanguage, .Handler = [](M& m, bool) { m.DilClick(TLanguage::English); } },

        { .Submenu = &M::Ozellikler, .Caption = QT_TR_NOOP("&Özellikler") },
        { .Menu = &M::Ozellikler, .Submenu = &M::Gonyeler, .Caption = QT_TR_NOOP("&Gönyeler") },
        { .Menu = &M::Gonyeler, .Item = &M::XYDuzlemi, .Caption = QT_TR_NOOP("XYDuzlemi"),
            .Check = ckOn,
            .Graph = true, .Handler = [](M& m, bool on) { m.PlaneClick(1, on); } },
        { .Menu = &M::Gonyeler, .Item = &M::XZDuzlemi, .Caption = QT_TR_NOOP("XZDuzlemi"),
            .Check = ckOn,
            .Graph = true, .Handler = [](M& m, bool on) { m.PlaneClick(2, on); } },
        { .Menu = &M::Gonyeler, .Item = &M::YZDuzlemi, .Caption = QT_TR_NOOP("YZDuzlemi"),
            .Check = ckOn,
            .Graph = true, .Handler = [](M& m, bool on) { m.PlaneClick(3, on); } },
        { .Menu = &M::Ozellikler, .Submenu = &M::CizimSekli,
            .Caption = QT_TR_NOOP("&Çizim Şekli") },
        { .Menu = &M::CizimSekli, .Item = &M::CizgiCizimSekli, .Caption = QT_TR_NOOP("Çizgi"),
            .Check = ckOn,
            .Group = grStyle, .Graph = true,
            .Handler = [](M& m, bool) { m.CizimSekliClick(0); } },
        { .Menu = &M::CizimSekli, .Item = &M::NoktaCizimSekli, .Caption = QT_TR_NOOP("Nokta"),
            .Check = ckOff, .Group = grStyle, .Graph = true,
            .Handler = [](M& m, bool) { m.CizimSekliClick(1); } },
        { .Menu = &M::Ozellikler, .Item = &M::APerspektif, .Caption = QT_TR_NOOP("&Persvektif"),
            .Check = ckOn, .Graph = true,
            .Handler = [](M& m, bool on) { m.OnGraph([on](auto& g) { g.SetPerspective(on); }); } },
        { .Menu = &M::Ozellikler, .Item = &M::DortGorunus, .Caption = QT_TR_NOOP("Dort Gorunus"),
            .Check = ckOff, .Graph = true,
            .Handler = [](M& m, bool on) { m.OnGraph([on](auto& g) { g.SetFourView(on); }); } },
        { .Menu = &M::Ozellikler, .Item = &M::Hareketli, .Caption = QT_TR_NOOP("&Hareketli"),
            .Check = ckOff,
            .Graph = true,
            .Handler = [](M& m, bool on) { m.OnGraph([on](auto& g) { g.SetAnimation(on); }); } },
        { .Menu = &M::Ozellikler, .Item = &M::IzSur, .Caption = QT_TR_NOOP("İz Sür"),
            .Hint = QT_TR_NOOP("Eğrinin noktalarını fareyle ve yön tuşlarıyla tek tek izler; Esc "
                               "bitirir."),
            .Check = ckOff, .Graph = true,
            .Handler = [](M& m, bool on) { m.OnGraph([on](auto& g) { g.SetTracing(on); }); } },
        { .Menu = &M::Ozellikler, .Item = &M::OnemliNoktalar,
            .Caption = QT_TR_NOOP("Önemli Noktalar"),
            .Hint = QT_TR_NOOP("Geçerli eğrinin sıfırlarını, uç değerlerini ve öteki eğrilerle "
                               "kesişimlerini "
                               "işaretler; iz sürerken Ctrl+Sol ve Ctrl+Sağ bu noktalara atlar."),
            .Check = ckOff, .Graph = true,
            .Handler =
                [](M& m, bool on) { m.OnGraph([on](auto& g) { g.SetInterestMarks(on); }); } },
        { .Menu = &M::Ozellikler },
        { .Menu = &M::Ozellikler, .Item = &M::TumOzellikler,
            .Caption = QT_TR_NOOP("&Tüm Özellikler..."),
            .Graph = true, .Handler = &GraphCommand<&TGrafikMChildFrm::ShowProperties> },

        { .Submenu = &M::Bakis, .Caption = QT_TR_NOOP("&Bakış"),
            .Hint = QT_TR_NOOP("Grafiğin istenilen bakış açısından görüntülenmesi için kullanılan "
                               "komutları "
                               "içerir.") },
        { .Menu = &M::Bakis, .Item = &M::PerspektifBakis, .Caption = QT_TR_NOOP("&Perspektif"),
            .Graph = true,
            .Handler = &GraphCommand<&TGrafikMChildFrm::ShowPerspectiveView> },
        { .Menu = &M::Bakis, .Item = &M::OndenBakis, .Caption = QT_TR_NOOP("&Önden"), .Graph = true,
            .Handler = &GraphCommand<&TGrafikMChildFrm::ShowFrontView> },
        { .Menu = &M::Bakis, .Item = &M::UsttenBakis, .Caption = QT_TR_NOOP("&Üstten"),
            .Graph = true,
            .Handler = &GraphCommand<&TGrafikMChildFrm::ShowTopView> },
        { .Menu = &M::Bakis, .Item = &M::YandanBakis, .Caption = QT_TR_NOOP("&Yandan"),
            .Graph = true,
            .Handler = &GraphCommand<&TGrafikMChildFrm::ShowSideView> },
        { .Menu = &M::Bakis, .Item = &M::DigerBakis, .Caption = QT_TR_NOOP("&Diğer.."),
            .Hint = QT_TR_NOOP(" "),
            .Graph = true, .Handler = &GraphCommand<&TGrafikMChildFrm::ShowViewDialog> },

        { .Submenu = &M::Buyukluk, .Caption = QT_TR_NOOP("Büyü&klük"),
            .Hint = QT_TR_NOOP("Grafiğin istenilen büyükte görüntülenmesi için kullanılan "
                               "komutları "
                               "içerir. ") },
        { .Menu = &M::Buyukluk, .Item = &M::Buyult, .Caption = QT_TR_NOOP("Bü&yült"),
            .ShortCut = "Ctrl+Up",
            .Hint = QT_TR_NOOP("Görüntüyü iki kat büyültür."), .Graph = true,
            .Handler = &GraphCommand<&TGrafikMChildFrm::ZoomIn> },
        { .Menu = &M::Buyukluk, .Item = &M::Kucult, .Caption = QT_TR_NOOP("Kü&çült"),
            .ShortCut = "Ctrl+Down", .Hint = QT_TR_NOOP("Görüntüyü iki kat küçültür."),
            .Graph = true,
            .Handler = &GraphCommand<&TGrafikMChildFrm::ZoomOut> },
        { .Menu = &M::Buyukluk },
        { .Menu = &M::Buyukluk, .Item = &M::EneUydur, .Caption = QT_TR_NOOP("&Ene Uydur"),
            .Hint = QT_TR_NOOP("Aktif grafik penceresinin eninin ana pencereye göre ayarla."),
            .Graph = true,
            .Handler = [](M& m, bool) { m.EneUydurClick(); } },
        { .Menu = &M::Buyukluk, .Item = &M::BoyaUydur, .Caption = QT_TR_NOOP("&Boya Uydur"),
            .Hint = QT_TR_NOOP("Aktif grafik penceresinin boyunu ana pencereye göre ayarla."),
            .Graph = true,
            .Handler = [](M& m, bool) { m.BoyaUydurClick(); } },
        { .Menu = &M::Buyukluk, .Item = &M::EgrilereUydur, .Caption = QT_TR_NOOP("Eğrilere Uydur"),
            .Hint = QT_TR_NOOP("Görünen eğrileri pencereye sığacak büyüklükte ortalar."),
            .Graph = true,
            .Handler = &GraphCommand<&TGrafikMChildFrm::FitToCurves> },
        { .Menu = &M::Buyukluk, .Item = &M::GercekBoyut, .Caption = QT_TR_NOOP("&Gerçek Boyut"),
            .ShortCut = "Ctrl+0", .Hint = QT_TR_NOOP("Grafiği gerçek boyutunda görüntüler."),
            .Graph = true,
            .Handler = [](M& m, bool) { m.BYuzdeClick(100); } },
        { .Menu = &M::Buyukluk },
        { .Menu = &M::Buyukluk, .Item = &M::B25, .Caption = QT_TR_NOOP("25%"), .Graph = true,
            .Handler = [](M& m, bool) { m.BYuzdeClick(25); } },
        { .Menu = &M::Buyukluk, .Item = &M::B75, .Caption = QT_TR_NOOP("75%"), .Graph = true,
            .Handler = [](M& m, bool) { m.BYuzdeClick(75); } },
        { .Menu = &M::Buyukluk, .Item = &M::B100, .Caption = QT_TR_NOOP("100%"), .Graph = true,
            .Handler = [](M& m, bool) { m.BYuzdeClick(100); } },
        { .Menu = &M::Buyukluk, .Item = &M::B200, .Caption = QT_TR_NOOP("200%"), .Graph = true,
            .Handler = [](M& m, bool) { m.BYuzdeClick(200); } },
        { .Menu = &M::Buyukluk, .Item = &M::B400, .Caption = QT_TR_NOOP("400%"), .Graph = true,
            .Handler = [](M& m, bool) { m.BYuzdeClick(400); } },
        { .Menu = &M::Buyukluk, .Item = &M::DigerBuyukluk, .Caption = QT_TR_NOOP("&Diğer..."),
            .Graph = true, .Handler = &GraphCommand<&TGrafikMChildFrm::ShowZoomDialog> },

        { .Submenu = &M::Araclar, .Caption = QT_TR_NOOP("&Araçlar"),
            .Hint = QT_TR_NOOP("Çizimde kullanılan yurdımçı araçlarını içerir.") },
        { .Menu = &M::Araclar, .Item = &M::EgriGezgini, .Caption = QT_TR_NOOP("Eğri &Gezgini"),
            .Hint = QT_TR_NOOP("Eğri Gezgini  araçını gösterir veya gizler."), .Check = ckOff,
            .Graph = true,
            .Handler = [](M& m, bool) {
                m.CurvedLineExplorerToolW->setVisible(m.CurvedLineExplorerToolW->isHidden());
            } },
        { .Menu = &M::Araclar, .Item = &M::OperatorSelect, .Caption = QT_TR_NOOP("&Operatör Seçim"),
            .Hint = QT_TR_NOOP("Operatör Seçim  araçını gösterir veya gizler."), .Check = ckOff,
            .Graph = true,
            .Handler = [](M& m, bool) {
                m.OperatorSelectToolW->setVisible(m.OperatorSelectToolW->isHidden());
            } },
        { .Menu = &M::Araclar, .Item = &M::Parametreler, .Caption = QT_TR_NOOP("&Parametreler"),
            .Hint = QT_TR_NOOP("Parametreler araçını gösterir veya gizler."), .Check = ckOff,
            .Handler = [](M& m, bool) {
                m.ParametersToolW->setVisible(m.ParametersToolW->isHidden());
            } },
        { .Menu = &M::Araclar },
        { .Menu = &M::Araclar, .Item = &M::SayisalDegerler,
            .Caption = QT_TR_NOOP("&Sayısal Değerler"),
            .Hint = QT_TR_NOOP("Eğrilerde yer alan ayrık noktaların sayısal karşılıklarını "
                               "gösterir."),
            .Graph = true, .Handler = &GraphCommand<&TGrafikMChildFrm::ShowNumericValues> },
        { .Menu = &M::Araclar, .Item = &M::FonksiyonHesaplayicisi,
            .Caption = QT_TR_NOOP("Fonksiyon &Hesaplayıcısı"),
            .Hint = QT_TR_NOOP("Fonksiyonların için basit bir hesaplama araçı olan Fonksiyon "
                               "Hesaplayıçısı aracını  açar."),
            .Handler = [](M& m, bool) { m.FonksiyonHesaplayicisiClick(); } },

        { .Submenu = &M::Pencere, .Caption = QT_TR_NOOP("&Pencere"),
            .Hint = QT_TR_NOOP("Pencereleri yerleştirme komutları") },
        { .Menu = &M::Pencere, .Item = &M::Basamakla, .Caption = QT_TR_NOOP("&Basamakla"),
            .ShortCut = "Ctrl+Shift+F5",
            .Hint = QT_TR_NOOP("Pencereleri basamaklı şekilde yerleştir."),
            .Graph = true, .Handler = [](M& m, bool) { m.BasamaklaClick(); } },
        { .Menu = &M::Pencere, .Item = &M::YatayDose, .Caption = QT_TR_NOOP("&Yatay Döşe"),
            .Hint = QT_TR_NOOP("Pencereleri yatay döşeli şekilde yerleştir."), .Graph = true,
            .Handler = [](M& m, bool) { m.YatayDoseClick(); } },
        { .Menu = &M::Pencere, .Item = &M::DikeyDose, .Caption = QT_TR_NOOP("&Dikey Döşe"),
            .ShortCut = "Shift+F4",
            .Hint = QT_TR_NOOP("Pencereleri dikey döşeli şekilde yerleştir."),
            .Graph = true, .Handler = [](M& m, bool) { m.DikeyDoseClick(); } },
        { .Menu = &M::Pencere, .Item = &M::TumunuKucult, .Caption = QT_TR_NOOP("Tümünü &Küçült"),
            .Hint = QT_TR_NOOP("Tüm pencereleri simge durumunda küçültür."), .Graph = true,
            .Handler = [](M& m, bool) { m.TumunuKucultClick(); } },
        { .Menu = &M::Pencere, .Item = &M::Duzenle, .Caption = QT_TR_NOOP("&Tümünü Yerleştir"),
            .Hint = QT_TR_NOOP("Simgeleri yerleştirir."), .Graph = true,
            .Handler = [](M& m, bool) { m.DuzenleClick(); } },

        { .Submenu = &M::YardimMenu, .Caption = QT_TR_NOOP("&Yardım"),
            .Hint = QT_TR_NOOP("Yardımı görüntüleme komutlarını içerir.") },
        { .Menu = &M::YardimMenu, .Item = &M::HelpContentsItem,
            .Caption = QT_TR_NOOP("İçi&ndekiler ve Dizin"),
            .Hint = QT_TR_NOOP("Yardım konularını listeler."),
            .Handler = [](M& m, bool) { m.HelpContents(); } },
        { .Menu = &M::YardimMenu, .Item = &M::HelpSearchItem, .Caption = QT_TR_NOOP("B&ul..."),
            .Hint = QT_TR_NOOP("Bir konuyu yardım dosyasında arat."),
            .Handler = [](M& m, bool) { m.HelpSearch(); } },
        { .Menu = &M::YardimMenu, .Item = &M::HelpHowToUseItem,
            .Caption = QT_TR_NOOP("Yardımı &Kullanma"),
            .Hint = QT_TR_NOOP("Yardım sistemi kakkında yardım."),
            .Handler = [](M& m, bool) { m.HelpHowToUse(); } },
        { .Menu = &M::YardimMenu },
        { .Menu = &M::YardimMenu, .Item = &M::Hakkinda,
            .Caption = QT_TR_NOOP("Velmo  &Hakkında..."),
            .Hint = QT_TR_NOOP("Program bilgilerini, sürüm numarasını ve telif hakkını "
                               "görüntüler."),
            .Handler = [](M& m, bool) { m.HelpAbout(); } },
        { .Menu = &M::YardimMenu, .Item = &M::YazarHakknda1,
            .Caption = QT_TR_NOOP("&Yazarı Hakkında..."),
            .Hint = QT_TR_NOOP("Programın yazarı kakkında bilgileri görüntüler."),
            .Handler = [](M& m, bool) { m.YazarHakknda1Click(); } },

        { .Menu = &M::ToolbarPopupMenu, .Item = &M::TPStandart, .Caption = QT_TR_NOOP("Standart"),
            .Check = ckOn, .Handler = [](M& m, bool) { m.VTStandart->trigger(); } },
        { .Menu = &M::ToolbarPopupMenu, .Item = &M::TPGoruntu, .Caption = QT_TR_NOOP("Görüntü"),
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
            .Name = "YeniPencereButton", .Tip = QT_TR_NOOP("Yeni Pencere"),
            .Command = &M::YeniPencere },
        { .Bar = &M::StandartToolbar, .Button = &M::KaydetButton, .Name = "KaydetButton",
            .Tip = QT_TR_NOOP("Kaydet"), .Graph = true, .Command = &M::Kaydet },
        { .Bar = &M::StandartToolbar },
        { .Bar = &M::StandartToolbar, .Button = &M::YazdirButton, .Name = "YazdirButton",
            .Tip = QT_TR_NOOP("Yazdır"), .Graph = true, .Command = &M::Yazdir },
        { .Bar = &M::StandartToolbar, .Button = &M::OnIzlemeButton, .Name = "OnIzlemeButton",
            .Tip = QT_TR_NOOP("Baskı Önizleme"), .Graph = true, .Command = &M::BaskiOnizleme },
        { .Bar = &M::StandartToolbar },
        { .Bar = &M::StandartToolbar, .Button = &M::KopyalaButton, .Name = "KopyalaButton",
            .Tip = QT_TR_NOOP("Kopyala"), .Graph = true, .Command = &M::Kopyala },
        { .Bar = &M::StandartToolbar },
        { .Bar = &M::StandartToolbar, .Button = &M::EgriGezginiButton,
            .Name = "EgriGezginiButton", .Tip = QT_TR_NOOP("Eğri Gezgini"),
            .Status = QT_TR_NOOP("Eğri Gezgini araçını açmak için bu butona basın."),
            .Caption = QT_TR_NOOP("fx"),
            .Check = ckOff, .Graph = true,
            .Handler = [](M& m, bool on) { m.CurvedLineExplorerToolW->setVisible(on); } },
        { .Bar = &M::StandartToolbar, .Button = &M::OperatorSelectButton,
            .Name = "OperatorSelectButton", .Tip = QT_TR_NOOP("Operatör"),
            .Status = QT_TR_NOOP("Operatör Seçim araçını açmak için bu dümeye basın."),
            .Caption = QT_TR_NOOP("Op"),
            .Check = ckOff, .Graph = true,
            .Handler = [](M& m, bool on) { m.OperatorSelectToolW->setVisible(on); } },
        { .Bar = &M::StandartToolbar, .Button = &M::ParametrelerButton,
            .Name = "ParametrelerButton", .Tip = QT_TR_NOOP("Parametreler"),
            .Status = QT_TR_NOOP("Parametreler araçını açmak için bu düğmeye basın."),
            .Caption = QT_TR_NOOP("k"),
            .Check = ckOff,
            .Handler = [](M& m, bool on) { m.ParametersToolW->setVisible(on); } },
        { .Bar = &M::StandartToolbar, .Button = &M::GorontuToolBtn, .Name = "GorontuToolBtn",
            .Tip = QT_TR_NOOP("Görüntü Araç Çubuğu"),
            .Status = QT_TR_NOOP("Görüntü Araç Çubuğu gösterir ve/veya gizlemek için bu dümeye "
                                 "basın."),
            .Check = ckOn, .Handler = [](M& m, bool on) { m.GorontuToolbar->setVisible(on); } },
        { .Bar = &M::StandartToolbar },
        { .Bar = &M::StandartToolbar, .Button = &M::YerlestirButton, .Name = "YerlestirButton",
            .Tip = QT_TR_NOOP("Simgeleri Yerleştir"),
            .Status = QT_TR_NOOP("Simge durumuna küçültülmüş formları ayarlamak (uygun hale "
                                 "getirmek) için "
                                 "bu butona basın."),
            .Graph = true, .Command = &M::Duzenle },
        { .Bar = &M::StandartToolbar },
        { .Bar = &M::StandartToolbar, .Button = &M::BasamaklaButton, .Name = "BasamaklaButton",
            .Tip = QT_TR_NOOP("Pencereleri Basamaka"),
            .Status = QT_TR_NOOP("Açık formları basamaklı şekilde görmek için bu butona basın."),
            .Graph = true, .Command = &M::Basamakla },
        { .Bar = &M::StandartToolbar, .Button = &M::YatayDoseButton, .Name = "YatayDoseButton",
            .Tip = QT_TR_NOOP("Yatay Döşe"),
            .Status = QT_TR_NOOP("Açık formları döşeli şekilde görmek için bu butona basın."),
            .Graph = true, .Command = &M::YatayDose },
        { .Bar = &M::StandartToolbar, .Button = &M::DikeyDoseButton, .Name = "DikeyDoseButton",
            .Tip = QT_TR_NOOP("Dikey  Döşe"),
            .Status = QT_TR_NOOP("Açık formları döşeli şekilde görmek için bu butona basın."),
            .Graph = true,
            .Command = &M::DikeyDose },
        { .Bar = &M::StandartToolbar },
        { .Bar = &M::StandartToolbar, .Button = &M::SaysalDegerlerButton,
            .Name = "SaysalDegerlerButton", .Tip = QT_TR_NOOP("Sayısal Değerler"),
            .Status = QT_TR_NOOP("Eğrilerinin ayrık noktalarına ait sayısal değerlerini gösterir."),
            .Caption = QT_TR_NOOP("Num"), .Graph = true, .Command = &M::SayisalDegerler },
        { .Bar = &M::StandartToolbar, .Button = &M::PropertiesButton, .Name = "PropertiesButton",
            .Tip = QT_TR_NOOP("Tüm Özellikler"),
            .Status = QT_TR_NOOP("Aktif forma ait tüm özellikleri değiştirir"),
            .Graph = true, .Command = &M::TumOzellikler },
        { .Bar = &M::StandartToolbar },
        { .Bar = &M::StandartToolbar, .Button = &M::BulButton, .Name = "BulButton",
            .Tip = QT_TR_NOOP("Dizinden Bul"),
            .Status = QT_TR_NOOP("Yardım konularında arama yapmak için bu düğmeye basın."),
            .Command = &M::HelpSearchItem },
        { .Bar = &M::StandartToolbar, .Button = &M::HelpButton, .Name = "HelpButton",
            .Tip = QT_TR_NOOP("Yardım Konuları"),
            .Status = QT_TR_NOOP("Yardım konularını görüntülemek için bu buton'a basın."),
            .Command = &M::HelpContentsItem },

        { .Bar = &M::GorontuToolbar, .Button = &M::XYDuzlemiButton, .Name = "XYDuzlemiButton",
            .Tip = QT_TR_NOOP("XY Düzlemi"),
            .Status = QT_TR_NOOP("XY düzlemi gönyesini gösterir ve gizler."),
            .Check = ckOn, .Graph = true, .Command = &M::XYDuzlemi },
        { .Bar = &M::GorontuToolbar, .Button = &M::XZDuzlemiButton, .Name = "XZDuzlemiButton",
            .Tip = QT_TR_NOOP("XZ Düzlemi"),
            .Status = QT_TR_NOOP("XZ düzlemi gönyesini gösterir ve gizler."),
            .Check = ckOn, .Graph = true, .Command = &M::XZDuzlemi },
        { .Bar = &M::GorontuToolbar, .Button = &M::YZDuzlemiButton, .Name = "YZDuzlemiButton",
            .Tip = QT_TR_NOOP("YZ Düzlemi"),
            .Status = QT_TR_NOOP("YZ düzlemi gönyesini gösterir ve gizler."),
            .Check = ckOn, .Graph = true, .Command = &M::YZDuzlemi },
        { .Bar = &M::GorontuToolbar },
        { .Bar = &M::GorontuToolbar, .Button = &M::CizgiCizimButton, .Name = "CizgiCizimButton",
            .Tip = QT_TR_NOOP("Çizgil ile Çizim"),
            .Status = QT_TR_NOOP("Sürekli fonksiyon çizimi için bu dümeye basın."),
            .Graph = true, .Command = &M::CizgiCizimSekli },
        { .Bar = &M::GorontuToolbar, .Button = &M::NoktaCizimButton, .Name = "NoktaCizimButton",
            .Tip = QT_TR_NOOP("Nokta  ile  Çizim"),
            .Status = QT_TR_NOOP("Fonksiyonları ayrık noktalar ile çizmek için bu dümeye basın."),
            .Graph = true, .Command = &M::NoktaCizimSekli },
        { .Bar = &M::GorontuToolbar },
        { .Bar = &M::GorontuToolbar, .Button = &M::PerspektifButton, .Name = "PerspektifButton",
            .Tip = QT_TR_NOOP("Perspektifi Aç-Kapa"),
            .Status = QT_TR_NOOP("Grafiğin  perspektif özelliğini açıp kapar."),
            .Check = ckOn, .Graph = true, .Command = &M::APerspektif },
        { .Bar = &M::GorontuToolbar, .Button = &M::DortGorBtn, .Name = "DortGorBtn",
            .Tip = QT_TR_NOOP("4'lü Görünüş"),
            .Status = QT_TR_NOOP("Grafiği Ön, Üst  ve Yan görünüşleri ile görüntülemek için "
                                 "dümeye basın."),
            .Caption = QT_TR_NOOP("4W"), .Check = ckOff, .Graph = true,
            .Command = &M::DortGorunus },
        { .Bar = &M::GorontuToolbar, .Button = &M::AnimationButton, .Name = "AnimationButton",
            .Tip = QT_TR_NOOP("Hareketlendir"),
            .Status = QT_TR_NOOP("Grafiği hareketlendirmek için dümeye basın."),
            .Check = ckOff, .Graph = true, .Command = &M::Hareketli },
        { .Bar = &M::GorontuToolbar, .Button = &M::IzSurButton, .Name = "IzSurButton",
            .Tip = QT_TR_NOOP("İz Sür"),
            .Status = QT_TR_NOOP("Eğrinin noktalarını izlemek için dümeye basın."),
            .Check = ckOff, .Graph = true, .Command = &M::IzSur },
        { .Bar = &M::GorontuToolbar, .Button = &M::OnemliNoktalarButton,
            .Name = "OnemliNoktalarButton", .Tip = QT_TR_NOOP("Önemli Noktalar"),
            .Status = QT_TR_NOOP("Eğrinin sıfırlarını, uç değerlerini ve kesişimlerini "
                                 "işaretlemek için "
                                 "dümeye basın."),
            .Check = ckOff, .Graph = true, .Command = &M::OnemliNoktalar },
        { .Bar = &M::GorontuToolbar },
        { .Bar = &M::GorontuToolbar, .Button = &M::OndenGorBtn, .Name = "OndenGorBtn",
            .Tip = QT_TR_NOOP("Önden Görünüş"),
            .Status = QT_TR_NOOP("Grafiğin xy düzlemine iz düşümünü görmek için dümeye basın."),
            .Graph = true, .Command = &M::OndenBakis },
        { .Bar = &M::GorontuToolbar, .Button = &M::UsttenGorBtn, .Name = "UsttenGorBtn",
            .Tip = QT_TR_NOOP("Üstten Görünüş"),
            .Status = QT_TR_NOOP("Grafiğin xz düzlemine iz düşümünü görmek için dümeye basın."),
            .Graph = true, .Command = &M::UsttenBakis },
        { .Bar = &M::GorontuToolbar, .Button = &M::YandanGorBtn, .Name = "YandanGorBtn",
            .Tip = QT_TR_NOOP("Yandan Görünüş"),
            .Status = QT_TR_NOOP("Grafiğin yz düzlemine iz düşümünü görmek için dümeye basın."),
            .Graph = true, .Command = &M::YandanBakis },
        { .Bar = &M::GorontuToolbar, .Button = &M::PerspektifGorBtn, .Name = "PerspektifGorBtn",
            .Tip = QT_TR_NOOP("Perspektif Görünüş"),
            .Status = QT_TR_NOOP("Grafiği  perspektifsel olarak görmek için dümeye basın."),
            .Graph = true,
            .Command = &M::PerspektifBakis },
        { .Bar = &M::GorontuToolbar },
        { .Bar = &M::GorontuToolbar, .Button = &M::SurukleButton, .Name = "SurukleButton",
            .Tip = QT_TR_NOOP("Sürükle"),
            .Status = QT_TR_NOOP("Grafiğin merkezini taşır.Sürüklemek için sağ fare tuşuna basılı "
                                 "tutun"),
            .Check = ckOff, .Group = grMouse, .Graph = true,
            .Handler = [](M& m, bool) { m.OnGraph([](auto& g) { g.SetMouseMode(1); }); } },
        { .Bar = &M::GorontuToolbar, .Button = &M::DondurButton, .Name = "DondurButton",
            .Tip = QT_TR_NOOP("Döndür"), .Status = QT_TR_NOOP("Grafiği eksenlerinde döndürür."),
            .Check = ckOn,
            .Group = grMouse, .Graph = true,
            .Handler = [](M& m, bool) { m.OnGraph([](auto& g) { g.SetMouseMode(0); }); } },
        { .Bar = &M::GorontuToolbar },
        { .Bar = &M::GorontuToolbar, .Button = &M::ZoomInButton, .Name = "ZoomInButton",
            .Tip = QT_TR_NOOP("Grafiği Büyült"),
            .Status = QT_TR_NOOP("Şekli büyültmek için bu butona basın."),
            .Graph = true, .Command = &M::Buyult },
        { .Bar = &M::GorontuToolbar, .Button = &M::ZoomOutButton, .Name = "ZoomOutButton",
            .Tip = QT_TR_NOOP("Grafiği Küçült"),
            .Status = QT_TR_NOOP("Şekli küçültmek için bu butona basın."),
            .Graph = true, .Command = &M::Kucult },
        { .Bar = &M::GorontuToolbar, .Button = &M::EgrilereUydurButton,
            .Name = "EgrilereUydurButton", .Tip = QT_TR_NOOP("Eğrilere Uydur"),
            .Status = QT_TR_NOOP("Görünen eğrileri pencereye sığdırmak için bu butona basın."),
            .Graph = true,
            .Command = &M::EgrilereUydur },
        { .Bar = &M::GorontuToolbar },
        // The zoom box stands here; the button takes its place while the toolbar stands upright.
        { .Bar = &M::GorontuToolbar, .Button = &M::BuyuklukButton, .Name = "BuyuklukButton",
            .Tip = QT_TR_NOOP("Büyüklük"),
            .Status = QT_TR_NOOP("Şeklin Büyüklüğünü ayarlamak için butona basın."),
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
