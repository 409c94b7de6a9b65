#include "ui/main/main_form.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {
// One line per menu item or toolbar button: what a user sees of it (caption,
// short-cut, tool tip, status hint, check mark and radio group) and whether it is
// enabled without and with a graph window.
QString describe(const QAction* a, const QString& enabled)
{
    if (a->isSeparator())
        return "-";
    QString line = a->objectName() + "|" + a->text() + "|" + a->iconText() + "|"
        + a->shortcut().toString() + "|" + a->toolTip() + "|" + a->statusTip() + "|";
    if (a->isCheckable())
        line += a->isChecked() ? "on" : "off";
    if (a->actionGroup() != nullptr)
        line += " group " + a->actionGroup()->actions().constFirst()->text();
    return line + "|" + enabled + (a->isVisible() ? "" : "|hidden");
}

void collect(const QWidget* owner, QList<QAction*>& actions)
{
    for (QAction* a : owner->actions()) {
        actions << a;
        if (a->menu() != nullptr)
            collect(a->menu(), actions);
    }
}

QString enabledStates(const QList<QAction*>& actions, std::size_t i, const QList<bool>& before)
{
    return QString(before[static_cast<qsizetype>(i)] ? "E" : "-")
        + (actions[static_cast<qsizetype>(i)]->isEnabled() ? "E" : "-");
}
}

// The menus and toolbars are built from tables: every item of every menu and every
// button keeps its caption, short-cut, hints, check mark, radio group and enabling.
TEST(MainForm, MenusAndToolbarsKeepEveryItem)
{
    QTemporaryDir dir;
    TMainForm m(dir.path());
    m.show();
    QApplication::processEvents();
    QList<QAction*> actions;
    collect(m.menuBar(), actions);
    for (QToolBar* bar : { m.StandartToolbar, m.GorontuToolbar })
        collect(bar, actions);
    collect(m.ToolbarPopupMenu, actions);
    QList<bool> before;
    for (QAction* a : actions)
        before << a->isEnabled();
    m.YeniPencereClick();
    QApplication::processEvents();
    QStringList lines;
    for (std::size_t i = 0; i < static_cast<std::size_t>(actions.size()); ++i)
        lines << describe(actions[static_cast<qsizetype>(i)], enabledStates(actions, i, before));
    const QString expected = QString::fromUtf8(R"(|&Dosya|Dosya||Dosya|||EE
|Y&eni Pencere|Yeni Pencere|Ctrl+N|Yeni Pencere|||EE
|&Aç...|Aç|Ctrl+O|Velmo dosyası açar.|Velmo dosyası açar.||EE
-
|&Eğri Kayıt|Eğri Kayıt||Eğri Kayıt|||EE
-
|Kay&det|Kaydet|Ctrl+S|Kaydet|||-E
|&Farklı Kaydet...|Farklı Kaydet||Farklı Kaydet|||-E
|Animasyon Kaydet...|Animasyon Kaydet||Bir parametre değişirken ya da görünüş dönerken grafiğin hareketli resmini yazar (GIF, WebP ya da numaralı PNG dosyaları).|Bir parametre değişirken ya da görünüş dönerken grafiğin hareketli resmini yazar (GIF, WebP ya da numaralı PNG dosyaları).||-E
|&Kapat|Kapat||Aktif formu kapatır.|Aktif formu kapatır.||-E
|&Tümünü Kapat|Tümünü Kapat||Tüm formları kapatır.|Tüm formları kapatır.||-E
-
|Baskı Ö&nizleme|Baskı Önizleme||Baskı Önizleme|||-E
|&Yazdır|Yazdır|Ctrl+P|Yazdır|||-E
|Yazıcı &Ayar...|Yazıcı Ayar||Yazıcı Ayar|||EE
-
|Çı&kış|Çıkış||Velmo'den çıkar.|Velmo'den çıkar.||EE
|Dü&zen|Düzen||Düzen|||EE
|Geri Al|Geri Al|Ctrl+Z|Geri Al|||--
|Yinele|Yinele|Ctrl+Y|Yinele|||--
-
|K&opyala|Kopyala|Ctrl+C|Kopyala|||-E
|&Tümünü Sil|Tümünü Sil||Tümünü Sil|||-E
|&Görünüm|Görünüm||Görünüm|Bu pencereyi özelleştirme komutlarını içerir.||EE
|A&raç Çubukları|Araç Çubukları||Araç Çubukları|Araç çubuklarını gösterir veya gizler.||EE
|Standart|Standart||Standart||on|EE
|Göröntü|Göröntü||Göröntü||on|EE
|&Durum Çubuğu|Durum Çubuğu||Durum çubuğunu gösterir veya gizler.|Durum çubuğunu gösterir veya gizler.|on|EE
-
|Duvar &Kağıdı...|Duvar Kağıdı||Duvar kağıdı formunu açar.|Duvar kağıdı formunu açar.||EE
-
|&Dil|Dil||Dil|Programın dilini seçer.||EE
|Türkçe|Türkçe||Türkçe||on group Türkçe|EE
|English|English||English||off group Türkçe|EE
|&Özellikler|Özellikler||Özellikler|||EE
|&Gönyeler|Gönyeler||Gönyeler|||EE
|XYDuzlemi|XYDuzlemi||XYDuzlemi||on|-E
|XZDuzlemi|XZDuzlemi||XZDuzlemi||on|-E
|YZDuzlemi|YZDuzlemi||YZDuzlemi||on|-E
|&Çizim Şekli|Çizim Şekli||Çizim Şekli|||EE
|Çizgi|Çizgi||Çizgi||on group Çizgi|-E
|Nokta|Nokta||Nokta||off group Çizgi|-E
|&Persvektif|Persvektif||Persvektif||on|-E
|Dort Gorunus|Dort Gorunus||Dort Gorunus||off|-E
|&Hareketli|Hareketli||Hareketli||off|-E
|İz Sür|İz Sür||Eğrinin noktalarını fareyle ve yön tuşlarıyla tek tek izler; Esc bitirir.|Eğrinin noktalarını fareyle ve yön tuşlarıyla tek tek izler; Esc bitirir.|off|-E
|Önemli Noktalar|Önemli Noktalar||Geçerli eğrinin sıfırlarını, uç değerlerini ve öteki eğrilerle kesişimlerini işaretler; iz sürerken Ctrl+Sol ve Ctrl+Sağ bu noktalara atlar.|Geçerli eğrinin sıfırlarını, uç değerlerini ve öteki eğrilerle kesişimlerini işaretler; iz sürerken Ctrl+Sol ve Ctrl+Sağ bu noktalara atlar.|off|-E
-
|&Tüm Özellikler...|Tüm Özellikler||Tüm Özellikler|||-E
|&Bakış|Bakış||Bakış|Grafiğin istenilen bakış açısından görüntülenmesi için kullanılan komutları içerir.||EE
|&Perspektif|Perspektif||Perspektif|||-E
|&Önden|Önden||Önden|||-E
|&Üstten|Üstten||Üstten|||-E
|&Yandan|Yandan||Yandan|||-E
|&Diğer..|Diğer..|| | ||-E
|Büyü&klük|Büyüklük||Büyüklük|Grafiğin istenilen büyükte görüntülenmesi için kullanılan komutları içerir. ||EE
|Bü&yült|Büyült|Ctrl+Up|Görüntüyü iki kat büyültür.|Görüntüyü iki kat büyültür.||-E
|Kü&çült|Küçült|Ctrl+Down|Görüntüyü iki kat küçültür.|Görüntüyü iki kat küçültür.||-E
-
|&Ene Uydur|Ene Uydur||Aktif grafik penceresinin eninin ana pencereye göre ayarla.|Aktif grafik penceresinin eninin ana pencereye göre ayarla.||-E
|&Boya Uydur|Boya Uydur||Aktif grafik penceresinin boyunu ana pencereye göre ayarla.|Aktif grafik penceresinin boyunu ana pencereye göre ayarla.||-E
|Eğrilere Uydur|Eğrilere Uydur||Görünen eğrileri pencereye sığacak büyüklükte ortalar.|Görünen eğrileri pencereye sığacak büyüklükte ortalar.||-E
|&Gerçek Boyut|Gerçek Boyut|Ctrl+0|Grafiği gerçek boyutunda görüntüler.|Grafiği gerçek boyutunda görüntüler.||-E
-
|25%|25%||25%|||-E
|75%|75%||75%|||-E
|100%|100%||100%|||-E
|200%|200%||200%|||-E
|400%|400%||400%|||-E
|&Diğer...|Diğer||Diğer|||-E
|&Araçlar|Araçlar||Araçlar|Çizimde kullanılan yurdımçı araçlarını içerir.||EE
|Eğri &Gezgini|Eğri Gezgini||Eğri Gezgini  araçını gösterir veya gizler.|Eğri Gezgini  araçını gösterir veya gizler.|on|-E
|&Operatör Seçim|Operatör Seçim||Operatör Seçim  araçını gösterir veya gizler.|Operatör Seçim  araçını gösterir veya gizler.|off|-E
|&Parametreler|Parametreler||Parametreler araçını gösterir veya gizler.|Parametreler araçını gösterir veya gizler.|off|EE
-
|&Sayısal Değerler|Sayısal Değerler||Eğrilerde yer alan ayrık noktaların sayısal karşılıklarını gösterir.|Eğrilerde yer alan ayrık noktaların sayısal karşılıklarını gösterir.||-E
|Fonksiyon &Hesaplayıcısı|Fonksiyon Hesaplayıcısı||Fonksiyonların için basit bir hesaplama araçı olan Fonksiyon Hesaplayıçısı aracını  açar.|Fonksiyonların için basit bir hesaplama araçı olan Fonksiyon Hesaplayıçısı aracını  açar.||EE
|&Pencere|Pencere||Pencere|Pencereleri yerleştirme komutları||EE
|&Basamakla|Basamakla|Ctrl+Shift+F5|Pencereleri basamaklı şekilde yerleştir.|Pencereleri basamaklı şekilde yerleştir.||-E
|&Yatay Döşe|Yatay Döşe||Pencereleri yatay döşeli şekilde yerleştir.|Pencereleri yatay döşeli şekilde yerleştir.||-E
|&Dikey Döşe|Dikey Döşe|Shift+F4|Pencereleri dikey döşeli şekilde yerleştir.|Pencereleri dikey döşeli şekilde yerleştir.||-E
|Tümünü &Küçült|Tümünü Küçült||Tüm pencereleri simge durumunda küçültür.|Tüm pencereleri simge durumunda küçültür.||-E
|&Tümünü Yerleştir|Tümünü Yerleştir||Simgeleri yerleştirir.|Simgeleri yerleştirir.||-E
|&Yardım|Yardım||Yardım|Yardımı görüntüleme komutlarını içerir.||EE
|İçi&ndekiler ve Dizin|İçindekiler ve Dizin||Yardım konularını listeler.|Yardım konularını listeler.||EE
|B&ul...|Bul||Bir konuyu yardım dosyasında arat.|Bir konuyu yardım dosyasında arat.||EE
|Yardımı &Kullanma|Yardımı Kullanma||Yardım sistemi kakkında yardım.|Yardım sistemi kakkında yardım.||EE
-
|Velmo  &Hakkında...|Velmo  Hakkında||Program bilgilerini, sürüm numarasını ve telif hakkını görüntüler.|Program bilgilerini, sürüm numarasını ve telif hakkını görüntüler.||EE
|&Yazarı Hakkında...|Yazarı Hakkında||Programın yazarı kakkında bilgileri görüntüler.|Programın yazarı kakkında bilgileri görüntüler.||EE
YeniPencereButton|Yeni Pencere|Yeni Pencere||Yeni Pencere|Yeni Pencere||EE
KaydetButton|Kaydet|Kaydet||Kaydet|Kaydet||-E
-
YazdirButton|Yazdır|Yazdır||Yazdır|Yazdır||-E
OnIzlemeButton|Baskı Önizleme|Baskı Önizleme||Baskı Önizleme|Baskı Önizleme||-E
-
KopyalaButton|Kopyala|Kopyala||Kopyala|Kopyala||-E
-
EgriGezginiButton|fx|fx||Eğri Gezgini|Eğri Gezgini araçını açmak için bu butona basın.|on|-E
OperatorSelectButton|Op|Op||Operatör|Operatör Seçim araçını açmak için bu dümeye basın.|off|-E
ParametrelerButton|k|k||Parametreler|Parametreler araçını açmak için bu düğmeye basın.|off|EE
GorontuToolBtn|Görüntü Araç Çubuğu|Görüntü Araç Çubuğu||Görüntü Araç Çubuğu|Görüntü Araç Çubuğu gösterir ve/veya gizlemek için bu dümeye basın.|on|EE
-
YerlestirButton|Simgeleri Yerleştir|Simgeleri Yerleştir||Simgeleri Yerleştir|Simge durumuna küçültülmüş formları ayarlamak (uygun hale getirmek) için bu butona basın.||-E
-
BasamaklaButton|Pencereleri Basamaka|Pencereleri Basamaka||Pencereleri Basamaka|Açık formları basamaklı şekilde görmek için bu butona basın.||-E
YatayDoseButton|Yatay Döşe|Yatay Döşe||Yatay Döşe|Açık formları döşeli şekilde görmek için bu butona basın.||-E
DikeyDoseButton|Dikey  Döşe|Dikey  Döşe||Dikey  Döşe|Açık formları döşeli şekilde görmek için bu butona basın.||-E
-
SaysalDegerlerButton|Num|Num||Sayısal Değerler|Eğrilerinin ayrık noktalarına ait sayısal değerlerini gösterir.||-E
PropertiesButton|Tüm Özellikler|Tüm Özellikler||Tüm Özellikler|Aktif forma ait tüm özellikleri değiştirir||-E
-
BulButton|Dizinden Bul|Dizinden Bul||Dizinden Bul|Yardım konularında arama yapmak için bu düğmeye basın.||EE
HelpButton|Yardım Konuları|Yardım Konuları||Yardım Konuları|Yardım konularını görüntülemek için bu buton'a basın.||EE
XYDuzlemiButton|XY Düzlemi|XY Düzlemi||XY Düzlemi|XY düzlemi gönyesini gösterir ve gizler.|on|-E
XZDuzlemiButton|XZ Düzlemi|XZ Düzlemi||XZ Düzlemi|XZ düzlemi gönyesini gösterir ve gizler.|on|-E
YZDuzlemiButton|YZ Düzlemi|YZ Düzlemi||YZ Düzlemi|YZ düzlemi gönyesini gösterir ve gizler.|on|-E
-
CizgiCizimButton|Çizgil ile Çizim|Çizgil ile Çizim||Çizgil ile Çizim|Sürekli fonksiyon çizimi için bu dümeye basın.||-E
NoktaCizimButton|Nokta  ile  Çizim|Nokta  ile  Çizim||Nokta  ile  Çizim|Fonksiyonları ayrık noktalar ile çizmek için bu dümeye basın.||-E
-
PerspektifButton|Perspektifi Aç-Kapa|Perspektifi Aç-Kapa||Perspektifi Aç-Kapa|Grafiğin  perspektif özelliğini açıp kapar.|on|-E
DortGorBtn|4W|4W||4'lü Görünüş|Grafiği Ön, Üst  ve Yan görünüşleri ile görüntülemek için dümeye basın.|off|-E
AnimationButton|Hareketlendir|Hareketlendir||Hareketlendir|Grafiği hareketlendirmek için dümeye basın.|off|-E
IzSurButton|İz Sür|İz Sür||İz Sür|Eğrinin noktalarını izlemek için dümeye basın.|off|-E
OnemliNoktalarButton|Önemli Noktalar|Önemli Noktalar||Önemli Noktalar|Eğrinin sıfırlarını, uç değerlerini ve kesişimlerini işaretlemek için dümeye basın.|off|-E
-
OndenGorBtn|Önden Görünüş|Önden Görünüş||Önden Görünüş|Grafiğin xy düzlemine iz düşümünü görmek için dümeye basın.||-E
UsttenGorBtn|Üstten Görünüş|Üstten Görünüş||Üstten Görünüş|Grafiğin xz düzlemine iz düşümünü görmek için dümeye basın.||-E
YandanGorBtn|Yandan Görünüş|Yandan Görünüş||Yandan Görünüş|Grafiğin yz düzlemine iz düşümünü görmek için dümeye basın.||-E
PerspektifGorBtn|Perspektif Görünüş|Perspektif Görünüş||Perspektif Görünüş|Grafiği  perspektifsel olarak görmek için dümeye basın.||-E
-
SurukleButton|Sürükle|Sürükle||Sürükle|Grafiğin merkezini taşır.Sürüklemek için sağ fare tuşuna basılı tutun|off group Sürükle|-E
DondurButton|Döndür|Döndür||Döndür|Grafiği eksenlerinde döndürür.|on group Sürükle|-E
-
ZoomInButton|Grafiği Büyült|Grafiği Büyült||Grafiği Büyült|Şekli büyültmek için bu butona basın.||-E
ZoomOutButton|Grafiği Küçült|Grafiği Küçült||Grafiği Küçült|Şekli küçültmek için bu butona basın.||-E
EgrilereUydurButton|Eğrilere Uydur|Eğrilere Uydur||Eğrilere Uydur|Görünen eğrileri pencereye sığdırmak için bu butona basın.||-E
-
|||||||-E
BuyuklukButton|Büyüklük|Büyüklük||Büyüklük|Şeklin Büyüklüğünü ayarlamak için butona basın.||--|hidden
|Standart|Standart||Standart||on|EE
|Görüntü|Görüntü||Görüntü||on|EE)");
    EXPECT_EQ(lines.join("\n").toStdString(), expected.toStdString());
}
