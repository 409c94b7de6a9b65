#include "ui/platform/help_pages.h"

#include "engine/vocabulary.h"
#include "files/language.h"
#include "ui/platform/help_page_parts.h"
#include "ui/platform/help_viewer.h"

#include <array>

using namespace HelpPageParts;

namespace {

constexpr std::array<const char*, OperatorTable.size()> OperatorDescriptions = {
    "açılış parantezi: gruplama",
    "kapanış parantezi",
    "köşeli açılış parantezi: yuvarlak parantezle aynı gruplama",
    "köşeli kapanış parantezi",
    "mutlak değer açılış parantezi: [| a |] a'nın mutlak değeridir",
    "mutlak değer kapanış parantezi",
    "faktöriyel (sondan eklenir): a! = fact(a)",
    "üs alma: a^b",
    "çarpma",
    "bölme",
    "tam sayılı bölme, sıfıra doğru kesilir",
    "kalan (işareti soldaki sayınınkidir)",
    "toplama",
    "çıkarma",
    "mantıksal değil: işlenen 1 ise 0, değilse 1",
    "iki tam sayının bit bit VE işlemi",
    "iki tam sayının bit bit VEYA işlemi",
    "iki tam sayının bit bit özel VEYA işlemi",
    "eşitse 1, değilse 0",
    "farklıysa 1, değilse 0",
    "soldaki küçükse 1, değilse 0",
    "soldaki büyükse 1, değilse 0",
    "soldaki küçük veya eşitse 1, değilse 0",
    "soldaki büyük veya eşitse 1, değilse 0",
    "atama: sağdaki değeri soldaki değişkene yazar ve bu değeri verir",
};

constexpr std::array<const char*, FunctionTable.size()> FunctionDescriptions = {
    "mutlak değer",
    "ters kosinüs (arccos ile aynı)",
    "ters kosinüs (arkkosinüs), −1 ile 1 arasında tanımlı",
    "ters kotanjant: arctan(1/x)",
    "ters sinüs (arksinüs), −1 ile 1 arasında tanımlı",
    "ters tanjant (arktanjant)",
    "ters sinüs (arcsin ile aynı)",
    "ters tanjant (arctan ile aynı)",
    "ters tanjant (arctan ile aynı)",
    "kosinüs",
    "kosekant: 1/sin(x)",
    "kotanjant: 1/tan(x)",
    "üstel fonksiyon: e^x ile aynı",
    "faktöriyel; yalnız tam sayılar için",
    "doğal logaritma (e tabanında)",
    "10 tabanında logaritma",
    "sekant: 1/cos(x)",
    "işaret: x &gt; 0 ise 1, değilse −1 (x = 0 için de −1)",
    "sinüs",
    "karekök: x^(1/2) ile aynı; negatif x için tanımsız",
    "tanjant",
    "tanjant (tan ile aynı)",
};

QString contentsBody(const QList<THelpPage>& pages)
{
    return html("<p>Velmo, formüllerle tanımlanan eğrileri iki ve üç boyutlu uzayda çizen "
                "bir programdır. En fazla üç formül (fx, fy, fz) yazarsınız, dokuz koordinat "
                "sisteminden birini seçersiniz; Velmo formülleri denetler, derler, serbest "
                "değişkenin aralığı boyunca örnekler ve eğriyi grafik pencerelerinde çizer. "
                "Sahne fareyle döndürülür, sürüklenir, büyütülür ve küçültülür.</p>"
                "<p>Bir konuyu açmak için aşağıdaki bağlantılardan birini tıklayın ya da "
                "solda <b>İçindekiler</b> listesini, anahtar sözcükle aramak için "
                "<b>Dizin</b> sekmesini kullanın.</p>")
        + ContentsLinks(pages);
}

} // namespace

QString OperatorDescription(int operatorCode)
{
    return CurrentLanguage() == TLanguage::English ? EnglishOperatorDescription(operatorCode)
                                                   : Described(OperatorDescriptions, operatorCode);
}

QString FunctionDescription(int functionCode)
{
    return CurrentLanguage() == TLanguage::English ? EnglishFunctionDescription(functionCode)
                                                   : Described(FunctionDescriptions, functionCode);
}

QList<THelpPage> BuildHelpPages(TLanguage language)
{
    return language == TLanguage::English ? BuildEnglishHelpPages() : BuildTurkishHelpPages();
}

QList<THelpPage> BuildTurkishHelpPages()
{
    QList<THelpPage> pages;

    pages << page("ana_pencere", hcMainWindow, "Ana Pencere",
        "ana pencere|menü|araç çubuğu|durum çubuğu|pencere düzeni|yeni pencere|Norvadeks.ini|"
        "kısayol tuşları",
        html(R"(<p>Velmo'nun ana penceresi çok belgeli bir çerçevedir. İçinde grafik pencereleri
(<i>Ekran1</i>, <i>Ekran2</i>, ...), <a href="velmo:kutuphane">Eğri Kayıt</a> penceresi ve
<a href="velmo:hesaplayici">Fonksiyon Hesaplayıcısı</a> açılır. Çerçevede ana menü, iki araç
çubuğu (<b>Standart</b> ve <b>Göröntü</b>), <a href="velmo:egri_gezgini">Eğri Gezgini</a> ve
<a href="velmo:palet">Operatör Seçim</a> araç pencereleri ile durum çubuğu bulunur.</p>
<h3>Menüler</h3>
<ul>
<li><b>Dosya</b>: Yeni Pencere (Ctrl+N), Eğri Kayıt, Kaydet, Farklı Kaydet...,
<a href="velmo:grafik">Animasyon Kaydet...</a>, Kapat, Tümünü Kapat, Baskı Önizleme, Yazdır
(Ctrl+P), Yazıcı Ayar..., Çıkış.</li>
<li><b>Düzen</b>: Kopyala (Ctrl+C) etkin grafiğin resmini panoya kopyalar; Tümünü Sil etkin
penceredeki bütün eğrileri siler.</li>
<li><b>Görünüm</b>: araç çubuklarını ve durum çubuğunu gösterir veya gizler;
<a href="velmo:duvar_kagidi">Duvar Kağıdı...</a> penceresini açar.</li>
<li><b>Özellikler</b>: Gönyeler (XY, XZ, YZ düzlemleri), Çizim Şekli (Çizgi veya Nokta),
Persvektif, Dort Gorunus, Hareketli, <a href="velmo:iz_sur">İz Sür</a> ve
<a href="velmo:ozellikler">Tüm Özellikler...</a></li>
<li><b>Bakış</b>: hazır bakış yönleri, bkz. <a href="velmo:bakis">Bakış Yönü</a>.</li>
<li><b>Büyüklük</b>: bkz. <a href="velmo:buyukluk">Büyüklük</a>.</li>
<li><b>Araçlar</b>: Eğri Gezgini, Operatör Seçim, <a href="velmo:sayisal">Sayısal
Değerler</a>, Fonksiyon Hesaplayıcısı.</li>
<li><b>Pencere</b>: Basamakla (Ctrl+Shift+F5), Yatay Döşe, Dikey Döşe (Shift+F4), Tümünü
Küçült, Tümünü Yerleştir ve açık pencerelerin listesi.</li>
<li><b>Yardım</b>: İçindekiler ve Dizin, Bul..., Yardımı Kullanma, Velmo Hakkında...,
Yazarı Hakkında...</li>
</ul>
<h3>Yeni grafik penceresi</h3>
<p><b>Yeni Pencere</b> her seferinde boştaki en küçük numarayı alır: ilk pencere
<i>Ekran1</i> olur; <i>Ekran2</i> kapatılırsa bir sonraki yeni pencere yine 2 numarayı
alır. Yeni pencereyle birlikte Eğri Gezgini de görünür.</p>
<h3>Etkin pencereye bağlı komutlar</h3>
<p>Görünüş, büyüklük, gönye, çizim şekli, kopyalama, kaydetme ve yazdırma komutları her zaman
etkin grafik penceresine uygulanır ve yalnız etkin alt pencere bir grafik penceresiyken
kullanılabilir. Eğri Kayıt penceresi ya da hesaplayıcı etkinken bu komutlar soluk görünür.</p>
<h3>Araç çubukları ve durum çubuğu</h3>
<p>Araç çubukları çerçevenin dört kenarına yerleştirilebilir ya da serbest bırakılabilir.
Göröntü araç çubuğu sol veya sağ kenardayken büyüklük kutusunun yerinde <b>Büyüklük</b>
düğmesi durur. Durum çubuğunun sol bölmesi etkin eğrinin sırasını ve durumunu, sağ bölmesi
menü ve düğme ipuçlarını gösterir.</p>
<h3>Pencere düzeninin saklanması</h3>
<p>Ana pencerenin konumu ve boyutu (ya da ekranı kaplaması), araç çubuklarının ve durum
çubuğunun görünürlüğü ve Eğri Gezgini'nin yerleştiği kenar, programın klasöründeki
<tt>Norvadeks.ini</tt> dosyasına yazılır ve bir sonraki açılışta okunur. Program kendi
klasörüne yazamıyorsa (sisteme kurulmuş bir Velmo) ve dosya orada yoksa, dosya kullanıcının
<tt>~/.config/Velmo</tt> klasöründe tutulur.</p>)"));

    pages << page("formul", 0, "Formül Yazımı",
        "formül|yazım|sayı|ondalık ayırıcı|virgül|değişken|büyük küçük harf|boşluk|üs|"
        "eksi işareti|atama",
        html(R"(<p>Formüller serbest metin olarak yazılır. Boşluklar ve satır sonları yok sayılır;
sekme karakteri ise bir ifadenin parçası sayılır ve hataya yol açar.</p>
<h3>Büyük ve küçük harf</h3>
<p>Harf büyüklüğü önemsizdir: <tt>SIN(X)</tt> ile <tt>sin(x)</tt> aynı formüldür,
<tt>X</tt> ile <tt>x</tt> aynı değişkendir.</p>
<h3>Sayılar</h3>
<p>Ondalık ayırıcı, işletim sisteminin bölgesel ayarlarındaki ayırıcıdır: Türkçe ayarlarda
virgül (<tt>1,5</tt>), İngilizce ayarlarda nokta (<tt>1.5</tt>). Sayının sonuna <tt>e</tt> ve
bir üs eklenebilir: <tt>2e-3</tt> 0,002; <tt>2e+3</tt> 2000'dir; <tt>2e - 3</tt> de aynı
sayıdır. Program sayıları aynı ayırıcıyla ve 15 anlamlı basamakla yazar. Bütün hesaplar
80 bitlik genişletilmiş duyarlıkla yapılır.</p>
<h3>Değişkenler</h3>
<p>Bir değişken adı <tt>a</tt>–<tt>z</tt> arasındaki bir harfle başlar; ardından harf,
rakam veya alt çizgi (<tt>_</tt>) gelebilir: <tt>x1_a</tt> geçerlidir, <tt>1x</tt>,
<tt>_x</tt> ve Türkçe harf içeren adlar (<tt>xş</tt>) geçersizdir. Adın ilk 50 karakteri
anlamlıdır. <tt>e</tt>, <tt>pi</tt> ve fonksiyon adları değişken adı olamaz; <tt>e5</tt> ise
bir değişkendir. Serbest değişkenler koordinat sistemine göre <tt>x</tt>, <tt>y</tt>,
<tt>a</tt>, <tt>b</tt> veya <tt>t</tt>'dir (bkz. <a href="velmo:koordinat">Koordinat
Sistemleri</a>); formülde geçen başka her ad 0 değerini taşır.</p>
<h3>Operatörler ve işaretler</h3>
<p>Çarpma işareti yazılmalıdır: <tt>2*x</tt> (<tt>2x</tt> değil). Fonksiyon adından sonra
<tt>(</tt> veya <tt>[</tt> gelir: <tt>sin(x)</tt>. Kelime operatörleri (<tt>div</tt>,
<tt>mod</tt>, <tt>not</tt>, <tt>and</tt>, <tt>or</tt>, <tt>xor</tt>, <tt>eq</tt>,
<tt>ne</tt>, <tt>lt</tt>, <tt>gt</tt>, <tt>le</tt>, <tt>ge</tt>) komşu adlardan boşlukla
ayrılmalıdır: <tt>x div y</tt> doğrudur, <tt>xdivy</tt> tek bir ad olur.</p>
<p>Formülün başında, bir açılış parantezinden ya da bir operatörden sonra gelen eksi işareti
arkasındaki sayıya aittir: <tt>-2^2</tt> = 4, <tt>3*-2</tt> = −6. Bütün iki işlenenli
operatörler soldan sağa gruplanır: <tt>2^3^2</tt> = (2^3)^2 = 64. Ayrıntılar için
<a href="velmo:operatorler">Operatörler</a> ve <a href="velmo:fonksiyonlar">Fonksiyonlar ve
Sabitler</a> sayfalarına bakın.</p>
<h3>Atama</h3>
<p><tt>=</tt> sağındaki değeri solundaki değişkene yazar ve bu değeri verir:
<tt>k=2*x</tt>. Bir sayının ya da sabitin ardından <tt>=</tt> gelemez.</p>)"));

    pages << page("operatorler", 0, "Operatörler",
        "operatör|öncelik|div|mod|and|or|xor|not|karşılaştırma|mutlak değer parantezi|"
        "faktöriyel|parantez",
        u("<p>Formül dilinin operatörleri, sembolleri, kelime biçimleri ve öncelikleriyle "
          "aşağıdadır. Önceliği yüksek olan daha sıkı bağlanır.</p>")
            + OperatorTableHtml(OperatorDescriptions, "Sembol", "Kelime", "İşlem", "Öncelik")
            + html(R"(<ul>
<li><tt>mod</tt> (8), <tt>*</tt>, <tt>/</tt> ve <tt>div</tt>'den (9) gevşek bağlanır:
<tt>7 mod 3*2</tt>, <tt>7 mod 6</tt> demektir.</li>
<li>Karşılaştırmalar (6) <tt>not</tt>'tan (5), <tt>not</tt> da <tt>and</tt>, <tt>or</tt>,
<tt>xor</tt>'dan sıkı bağlanır; <tt>=</tt> en gevşek olanıdır.</li>
<li>Tam sayı operatörleri (<tt>div</tt>, <tt>mod</tt>, <tt>and</tt>, <tt>or</tt>,
<tt>xor</tt>, <tt>not</tt>) yalnız işaretli 32 bitlik aralıktaki tam sayıları kabul eder;
faktöriyel 64 bitlik aralıktaki tam sayıları. Başka bir değer hesap hatası verir.</li>
<li><tt>5 div 2</tt> = 2, <tt>-5 div 2</tt> = −2, <tt>-5 mod 3</tt> = −2; <tt>6 and 3</tt> = 2,
<tt>6 or 3</tt> = 7, <tt>6 xor 3</tt> = 5; <tt>3!</tt> = 6.</li>
<li>Karşılaştırmalarda <tt>&lt;&gt;</tt> yoktur; farklılık için <tt>!=</tt> veya
<tt>ne</tt> kullanın.</li>
</ul>)"));

    pages << page("fonksiyonlar", 0, "Fonksiyonlar ve Sabitler",
        "fonksiyon|sin|cos|tan|logaritma|ln|log|fact|abs|sgn|sabit|pi|e sayısı|radyan",
        u("<p>Fonksiyonların argümanı parantez içinde yazılır; trigonometrik fonksiyonlar "
          "radyanla çalışır.</p>")
            + FunctionTableHtml(FunctionDescriptions, "Fonksiyon", "Hesapladığı")
            + html(R"(<h3>Sabitler</h3>
<ul><li><tt>pi</tt>: π sayısı, tam duyarlıkla.</li>
<li><tt>e</tt>: 2,71828182845905 (15 ondalıklı değer).</li></ul>
<p>Sıfıra bölme (örneğin <tt>ln(0)</tt>, <tt>arccot(0)</tt>), tanımsız işlemler
(<tt>ln(-1)</tt>, <tt>arcsin(2)</tt>, <tt>(-8)^(1/3)</tt>) ve taşma (<tt>fact(3000)</tt>)
hesap hatasıdır. Eğri çizilirken böyle bir noktayı Velmo sessizce atlar; hesaplayıcıda ise
hata iletisi gösterilir.</p>)"));

    pages << page("hatalar", 0, "Hata İletileri",
        "hata|ileti|imla hatası|bilinmeyen ifade|parantez hatası|sıfıra bölme",
        html(R"(<p>Formül derlenirken bulunan ilk hata bildirilir ve hatalı parça iletide adıyla
geçer:</p>
<table border="1" cellpadding="3" cellspacing="0">
<tr><th>İleti</th><th>Anlamı</th></tr>
<tr><td>Fonksiyon olarak herhangibi bir ifade girilmemiş.(Boş fonksiyon girişi.)</td>
<td>Formül alanı boş.</td></tr>
<tr><td>Bilinmeyen bir ifade =&gt; ...</td><td>Sayı, ad, operatör veya fonksiyon olarak
okunamayan bir parça, örneğin <tt>$</tt> ya da yanlış ondalık ayırıcılı bir sayı.</td></tr>
<tr><td>(Sintax Error)İmla hatası =&gt; ...</td><td>Yan yana gelemeyecek iki parça:
<tt>x y</tt>, <tt>2(x)</tt>, <tt>sin x</tt>, <tt>pi=3</tt> gibi.</td></tr>
<tr><td>Açılmamış parantez mevcut</td><td>Açılmadan kapatılan parantez.</td></tr>
<tr><td>Kapatılmamış parantez mevcut</td><td>Kapatılmayan parantez.</td></tr>
<tr><td>Parantezler dengeli değil. ...</td><td>Farklı türden parantezle kapatma:
<tt>(x]</tt>.</td></tr>
</table>
<p>Hesap sırasında da hata çıkabilir: tam sayı bekleyen bir operatöre kesirli değer
verildiğinde "Operetor ile uyuşmayan değere sağip operand mevcut. Operetor =&gt; ..."
iletisi, eksik işlenen olduğunda "(Sintax Error)İmla hatası =&gt; operand eksik", sıfıra
bölmede, tanımsız işlemde ve taşmada sistemin kendi iletisi görünür.</p>)"));

    pages << page("koordinat", 0, "Koordinat Sistemleri",
        "koordinat sistemi|çizim tipi|XY düzlemi|XZ düzlemi|YZ düzlemi|uzay eğrisi|küresel|"
        "kutupsal|silindirik|serbest değişken|aralık|nokta aralığı",
        html(R"(<p>Her eğri dokuz koordinat sisteminden birinde okunur. Serbest değişkenin aralığı
sisteme göre sabittir; siz yalnız <b>Nokta Aralığı</b>nı (adımı) seçersiniz. Bitiş değeri
aralığa dahil değildir.</p>
)")
            + CurveTypeTableHtml(
                { "Çizim tipi", "Değişken ve aralık", "Yazdığınız", "Nokta" }, "ile", false)
            + html(R"(<p>Açılar radyandır. İki değişkenli sistemlerde (küresel sistem ve iki yüzey) aynı adım iki
değişken için de kullanılır; dış döngü ilk değişken (a, x, u), iç döngü ikincisidir (b, y, v).
Bu sistemlerin noktaları bir ızgara oluşturur: <b>Yüzey</b> çizim şekli ızgaranın satır ve
sütunlarını, arkada kalan kısımları gizleyerek çizer; <b>Gölgeli Yüzey</b> hücreleri eğrinin
renginde, göze bakan yüzler daha aydınlık olmak üzere boyar ve çizgileri daha koyu çizer.
Bir yüzey, penceredeki düzlemlerin, eğrilerin ve öteki yüzeylerin arkasında kalan kısımlarını
da gizler. Hesaplanamayan bir noktanın çevresindeki hücreler çizilmez: yüzeyde bir delik
kalır. Eğri Gezgini'nde sistemin sabit alanları (örneğin XY düzleminde fx için
<tt>X</tt>, fz için <tt>0</tt>, kutupsal sistemde <tt>R*cos(a)</tt> ve <tt>R*sin(a)</tt>)
soluk gösterilir ve değiştirilemez.</p>
<h3>Örnekler</h3>
<ul><li>XY düzleminde <tt>sin(x)</tt>: sinüs eğrisi.</li>
<li>Küresel sistemde <tt>sin(a)*cos(b)</tt>, <tt>sin(a)*sin(b)</tt>, <tt>cos(a)</tt>: birim
küre.</li>
<li>Kutupsal koordinatlarda <tt>2</tt>: 2 yarıçaplı çember.</li>
<li>Silindirik koordinatlarda <tt>cos(t)</tt>, <tt>sin(t)</tt>, <tt>t</tt>: helis.</li>
<li>XYZ yüzeyde <tt>sin(x)*cos(y)</tt>: dalgalı bir yüzey.</li>
<li>Parametrik yüzeyde <tt>(3+cos(v))*cos(u)</tt>, <tt>(3+cos(v))*sin(u)</tt>,
<tt>sin(v)</tt>: simit (torus).</li></ul>
<h3>Adım ve nokta sayısı</h3>
<p>Değişken başlangıçtan itibaren adım adım artırılır. 0,1 adımla XY düzleminde 200 nokta,
kutupsal sistemde 63 nokta, küresel sistemde 2016 nokta üretilir. Hesaplanamayan noktalar
(örneğin <tt>1/x</tt> için x = 0) atlanır; hiç hesaplanamayan bir formül boş eğri verir.</p>)"));

    pages << page("egri_gezgini", hcCurveExplorer, "Eğri Gezgini",
        "eğri gezgini|uygula|yeni eğri|eğri sil|renk|çizim şekli|görünürlük|çizgi kalınlığı|"
        "ön izleme|fx fy fz",
        html(R"(<p>Eğri Gezgini, etkin grafik penceresinin eğrilerini düzenlediğiniz araç
penceresidir; ana pencerenin sol veya sağ kenarına yerleşir ya da serbest durur. Gezginin
kendi eğrisi yoktur: her zaman etkin grafik penceresinin o anki eğrisini gösterir.</p>
<ul>
<li><b>Çizim Tipi</b>: <a href="velmo:koordinat">koordinat sistemi</a>. Tip değişince
formül alanları sistemin varsayılanlarını, Nokta Aralığı 0,1'i, çizgi kalınlığı 2'yi (küresel
sistemde 1'i) alır.</li>
<li><b>fx, fy, fz</b>: formüller; etiketleri sistemin değişkenlerini gösterir (örneğin
<i>fy(x):</i>). Formül yazarken <a href="velmo:palet">Operatör Seçim</a> penceresini
kullanabilirsiniz.</li>
<li><b>Çizim Rengi</b>: 16 renkten biri; çift tıklayınca renk seçme penceresi açılır.</li>
<li><b>Çizim Şekli</b>: Çizgi veya Nokta; iki değişkenli sistemlerde ayrıca Yüzey ve Gölgeli
Yüzey. <b>Görünürlük</b>: Görünür veya Görünmez. Bu iki kutuda çift tıklama sonraki seçeneğe
geçer.</li>
<li><b>Nokta Aralığı</b>: serbest değişkenin adımı. Yanındaki oklar 0,1'e kadar 0,01'lik,
daha yukarıda 0,1'lik adımlarla değiştirir.</li>
<li><b>Çizgi Kalınlığı</b>: 1 ile 20 piksel arası.</li>
</ul>
<p>Bir alanı değiştirdiğinizde <b>Uygula</b> düğmesi etkinleşir ve durum çubuğunda
"Değisiklik" yazar. Uygula, formülleri derler; hata varsa iletisi gösterilir ve yazdıklarınız
yerinde kalır. Aynı pencerede bir eğri iki kez tanımlanamaz.</p>
<p>Üstteki düğmeler ilk, önceki, sonraki ve son eğriye gider, yeni eğri başlatır, o anki
eğriyi ya da bütün eğrileri siler (silmeden önce sorar). <b>Kaydet...</b> formülleri
<a href="velmo:kutuphane">eğri kütüphanesine</a> yazar, <b>Eğri Sec...</b> kütüphaneden
formül alır.</p>
<h3>Ön izleme</h3>
<p>Alttaki küçük resim düzenlediğiniz eğriyi tek başına gösterir (Görünmez seçili olsa da).
Sol tuş basılıyken fareyi hareket ettirerek döndürebilirsiniz; çift tıklama ön izlemenin
<a href="velmo:ozellikler">özelliklerini</a> açar.</p>)"));

    pages << page("grafik", 0, "Grafik Pencereleri",
        "grafik penceresi|dört görünüş|gönye|düzlem|bakış eksencikleri|perspektif|kopyala|"
        "kaydet|bmp|yazdır|bağlam menüsü|animasyon kaydet|hareketli resim|gif|webp|"
        "numaralı png",
        html(R"(<p>Her grafik penceresinin kendi eğri listesi ve kendi görünüşü vardır: bakış
açıları, büyüklük, merkez, perspektif ya da paralel izdüşüm, arka plan rengi, küçük bakış
eksencikleri ve üç gönye (XY, XZ ve YZ düzlemlerinin ızgaraları). Yeni pencereler bu
özellikleri <tt>Norvadeks.ini</tt> dosyasındaki varsayılanlardan alır.</p>
<h3>Tek ve dörtlü görünüş</h3>
<p>Pencere sahneyi tek bir görünüşte ya da <b>4'lü Görünüş</b>te gösterir: sol üstte önden
("Ön"), sağ üstte üstten ("Üst"), sol altta yandan ("Yan") ve sağ altta pencerenin kendi
görünüşü. Fare yalnız kendi görünüşü döndürür. Dörtlü görünüşe her geçişte açıların kesirli
kısmı atılır.</p>
<h3>Çizim</h3>
<p>Gönyeler Özellikler menüsünden ya da Göröntü araç çubuğundaki XY, XZ, YZ düğmeleriyle
gösterilir veya gizlenir. <b>Çizgi ile Çizim</b> ve <b>Nokta ile Çizim</b> penceredeki bütün
eğrilerin çizim şeklini değiştirir. Perspektif düğmesi perspektif ile paralel izdüşüm arasında
geçiş yapar.</p>
<h3>Resmi dışarı vermek</h3>
<p><b>Kopyala</b> resmi panoya koyar, <b>Kaydet</b> ve <b>Farklı Kaydet...</b> bir resim
dosyası olarak yazar, <b>Yazdır</b> resmi sayfanın sol üst köşesine basar.
Dörtlü görünüşte dört görünüş ayırıcı çizgilerle tek bir resimde birleştirilir. Kaydedilen
pencerenin başlığı dosyanın adı olur.</p>
<h3>Animasyon Kaydet</h3>
<p>Dosya menüsündeki <b>Animasyon Kaydet...</b> grafiğin hareketli resmini yazar. Açılan
pencerede neyin hareket edeceğini seçin: pencerenin parametrelerinden biri bir başlangıç
değerinden bir bitiş değerine gider (başlangıçta parametrenin aralığı) ya da görünüş düşey
ekseni çevresinde verilen açı kadar döner (başlangıçta 360 derece). Resim sayısı (60),
saniyedeki resim sayısı (20), resmin genişliği ve yüksekliği (başlangıçta görünüşün boyutu)
ve dosya türü de orada seçilir: hareketli GIF, hareketli WebP ya da bir klasöre numaralı PNG
dosyaları (<tt>ad_001.png</tt>, <tt>ad_002.png</tt>, ...). Her resim pencerenin o değerdeki ya
da o açıdaki görüntüsüdür: dörtlü görünüş, yumuşak çizgiler, yüzeyler, önemli noktaların
işaretleri (her değerde yeniden bulunur) ve pencerenin bütün özellikleri ekrandaki gibi
çizilir.</p>
<p>Resimler yazılırken bir ilerleme çubuğu görünür ve pencere kullanılabilir kalır;
<b>Vazgeç</b> yazmayı durdurur. Yarıda kalan ya da yazılamayan bir animasyon hiçbir dosya
bırakmaz; aynı adlı eski bir dosya olduğu gibi kalır.</p>
<h3>Bağlam menüsü</h3>
<p>Sağ tuşla açılan menüde Kopyala, Bakış..., Büyüklük..., Eğri Gezgini, Sayısal
Değerler... ve Özellikler... bulunur. Resme çift tıklamak da
<a href="velmo:ozellikler">Tüm Özellikler</a> penceresini açar. Döndürme ve sürükleme için
<a href="velmo:fare">Fare ile Döndürme</a> sayfasına bakın.</p>)"));

    pages << page("fare", 0, "Fare ile Döndürme ve Hareketlendirme",
        "fare|döndürme|sürükleme|dönme|hareketlendirme|animasyon|savurma",
        html(R"(<p>Göröntü araç çubuğundaki <b>Döndür</b> ve <b>Sürükle</b> düğmeleri farenin ne
yapacağını seçer; başlangıçta Döndür seçilidir.</p>
<ul>
<li><b>Döndür</b>: sol tuş basılıyken fareyi hareket ettirin. İki piksellik hareket bir
derecelik dönmedir; aşağı hareket X ekseni açısını artırır, sağa hareket Y ekseni açısını
azaltır. İlk 15 piksellik hareket yok sayılır, böylece titreme sahneyi oynatmaz.</li>
<li><b>Sürükle</b>: herhangi bir tuş basılıyken sahnenin merkezi fareyi izler.</li>
</ul>
<h3>Savurma</h3>
<p>Döndürürken fareyi hızlıca çekip bırakırsanız (son adımda 80 pikselden uzun bir hareket)
sahne dönmeyi sürdürür ve her adımda biraz yavaşlayarak durur. Fareye basmak dönmeyi hemen
durdurur.</p>
<h3>Hareketlendirme</h3>
<p><b>Hareketlendir</b> düğmesi ya da Özellikler menüsündeki <b>Hareketli</b> sahneyi sürekli
döndürür. Hiç döndürülmemiş bir pencere her adımda iki eksende 5'er derece döner; bir
savurmadan sonra açılırsa o hız yavaşlayarak 10 derecenin altına iner ve öyle sürer. Fareye
basılıyken hareket durur, bırakınca sürer. Adımlar arasındaki süre
<a href="velmo:ozellikler">Tüm Özellikler</a> penceresinde ayarlanır.</p>)"));

    pages << page("iz_sur", 0, "Eğriyi Okumak: Koordinatlar ve İz Sürme",
        "iz sür|iz sürme|koordinat|işaret|imleç|nokta değeri|tekerlek|eğrilere uydur|önemli noktalar|"
        "sıfır|maksimum|minimum|kesişim",
        html(R"(<h3>Farenin altındaki koordinatlar</h3>
<p>Perspektif kapalıyken önden, üstten ya da yandan bakan bir görünüşte durum çubuğu farenin
altındaki noktanın o düzlemdeki iki koordinatını gösterir (<tt>x = 1,25  y = −0,75</tt>);
ondalık basamak sayısı bir pikselin o büyüklükte ayırt ettiği kadardır, en az ikidir. Dönmüş
ya da perspektif bir görünüşte koordinat gösterilmez. Dörtlü görünüşte her görünüş kendi
düzlemini okur.</p>
<h3>İz Sür</h3>
<p>Özellikler menüsündeki <b>İz Sür</b> ya da Göröntü araç çubuğundaki düğmesi etkin
pencerede izlemeyi açar; her pencere kendi durumunu tutar. Geçerli eğrinin bir noktasında
küçük bir artı işareti durur ve durum çubuğunda serbest değişken(ler) ile noktanın
koordinatları 15 anlamlı basamakla yazılır
(<tt>t = 1,5  x = 0,997494986604054  y = 0,0707372016677029  z = 0,75</tt>).</p>
<ul>
<li>Fareyi bir görünüşün üzerinde gezdirin: işaret, ekranda fareye en yakın noktaya gider.
Bir tıklama işareti olduğu yerde tutar, ikinci tıklama bırakır.</li>
<li>Sol ve sağ ok bir nokta, Shift ile on nokta ilerletir; Home ve End eğrinin başına ve
sonuna götürür. Küresel eğrilerde ve yüzeylerde yukarı ve aşağı ok öbür değişkenin komşu değerine geçer.</li>
<li>Page Up ve Page Down önceki ya da sonraki görünür eğriyi geçerli yapar; işaret onun eski
yere en yakın noktasına geçer.</li>
<li>Ctrl+C yazıyı panoya kopyalar; Esc izlemeyi kapatır.</li>
</ul>
<p>Hesaplanamadığı için atlanan noktalar işaretin yeri olamaz. Döndürme, sürükleme, büyütme
ve hareketlendirme izlerken de çalışır; işaret noktasında kalır. İşaret kopyalanan,
kaydedilen ya da yazdırılan resme girmez.</p>
<h3>Önemli Noktalar</h3>
<p>Özellikler menüsündeki <b>Önemli Noktalar</b> ya da Göröntü araç çubuğundaki düğmesi, etkin
pencerede geçerli eğrinin sıfırlarını (○), en büyük (△) ve en küçük (▽) değerlerini ve aynı
düzlem türündeki görünür eğrilerle kesişimlerini (×) eğrinin renginde işaretler; her pencere
kendi durumunu tutar. Noktalar çizilen noktalardan değil formüllerden bulunur ve eğri,
geçerli eğri ya da bir parametre değişince yeniden hesaplanır. İşaretler kopyalanan,
kaydedilen ve yazdırılan resimde de vardır.</p>
<p>İz sürerken <b>Ctrl+Sağ</b> ve <b>Ctrl+Sol</b> işareti serbest değişken boyunca sonraki ya da
önceki önemli noktaya götürür (işaretler gösterilmese de); durum çubuğu noktanın türünü
yazar (<tt>Maksimum: x = -1  y = 2</tt>). Son noktada tuş bir şey yapmaz. Sayısal Değerler
penceresinin <b>Önemli Noktalar</b> sayfası aynı noktaları bir tablo olarak verir.</p>
<h3>Tekerlek ve Eğrilere Uydur</h3>
<p>Farenin tekerleği görüntüyü <b>Büyült</b> ve <b>Küçült</b> adımlarıyla büyütür ve
küçültür; farenin altındaki nokta yerinde kalır. Büyüklük menüsündeki
<b>Eğrilere Uydur</b> görünür eğrileri, o anki bakış açısında, kenarlarda %5 pay bırakarak
pencereyi dolduracak büyüklüğe ve ortaya getirir. Bkz. <a href="velmo:buyukluk">Büyüklük</a>.</p>)"));

    pages << page("bakis", hcViewDialog, "Bakış Yönü",
        "bakış|bakış açısı|önden|üstten|yandan|perspektif görünüş|döndürme açıları",
        html(R"(<p><b>Bakış</b> menüsü ve Göröntü araç çubuğu hazır bakış yönleri sunar (açılar
derece olarak, X ekseni ve Y ekseni):</p>
<table border="1" cellpadding="3" cellspacing="0">
<tr><th>Bakış</th><th>X ekseni</th><th>Y ekseni</th></tr>
<tr><td>Perspektif</td><td>15</td><td>30</td></tr>
<tr><td>Önden</td><td>0</td><td>0</td></tr>
<tr><td>Üstten</td><td>90</td><td>0</td></tr>
<tr><td>Yandan</td><td>0</td><td>−90</td></tr>
</table>
<p><b>Diğer..</b> komutu ve bağlam menüsündeki <b>Bakış...</b> açıları kendiniz yazdığınız
<i>Bakış</i> penceresini açar. Pencere, grafiğin o anki açılarını tam sayı olarak gösterir;
<b>Önden</b>, <b>Üstten</b> ve <b>Yandan</b> seçenekleri açıları yukarıdaki değerlere getirir.
<b>Tamam</b> açıları uygular, <b>Vazgeç</b> hiçbir şeyi değiştirmez. Dörtlü görünüşte bakış
yalnız pencerenin kendi görünüşünü değiştirir.</p>)"));

    pages << page("buyukluk", hcZoomDialog, "Büyüklük",
        "büyüklük|büyült|küçült|yakınlaştırma|yüzde|ene uydur|boya uydur|gerçek boyut",
        html(R"(<p>Bir grafiğin büyüklüğü yüzde olarak gösterilir; yeni pencereler %100 ile
açılır.</p>
<ul>
<li><b>Büyült</b> (Ctrl+Yukarı ok) görüntüyü iki kat büyütür, <b>Küçült</b> (Ctrl+Aşağı ok)
iki kat küçültür.</li>
<li>Göröntü araç çubuğundaki büyüklük kutusundan bir değer seçin ya da bir sayı ve hemen
ardından <tt>%</tt> yazın (<tt>150%</tt>); Enter tuşu yüzde işaretini kendisi ekler.</li>
<li>Büyüklük menüsündeki %25, %75, %100, %200 ve %400 sabit büyüklüklerdir; <b>Gerçek
Boyut</b> %100'dür.</li>
<li><b>Ene Uydur</b> ve <b>Boya Uydur</b> etkin pencereyi ana pencerenin boş alanının
genişliğine ya da yüksekliğine getirir ve büyüklüğü aynı oranda değiştirir.</li>
<li><b>Eğrilere Uydur</b> görünür eğrileri pencereye sığdırır; farenin tekerleği farenin
altındaki noktayı yerinde tutarak büyütür ve küçültür; Ctrl+0 <b>Gerçek Boyut</b>'tur. Bkz.
<a href="velmo:iz_sur">Eğriyi Okumak</a>.</li>
</ul>
<p><b>Diğer...</b>, büyüklük kutusuna çift tıklama ve bağlam menüsündeki
<b>Büyüklük...</b> <i>Büyüklük</i> penceresini açar: bir oran seçin (%400, %200, %100, %75,
%25) ya da <b>Yüzde</b> alanına istediğiniz değeri yazın ve <b>Tamam</b>'a basın.</p>)"));

    pages << page("sayisal", hcNumericValues, "Sayısal Değerler",
        "sayısal değerler|noktalar|toplam|mutlak toplam|eğri no",
        html(R"(<p><i>Sayısal Değerler</i> penceresi, etkin grafik penceresindeki bir eğrinin
üretilmiş noktalarını x, y ve z değerleriyle bir tabloda listeler. Altta her koordinatın
toplamı ve mutlak değerlerinin toplamı görünür; eğrinin tipine göre anlamlı olmayan toplamlar
gizlenir. Üstte eğrinin tipi, formülleri ve nokta aralığı, yanda eğrinin fareyle
döndürülebilen küçük bir resmi bulunur.</p>
<p><b>Eğri No</b> alanı ve ilk, önceki, sonraki, son düğmeleri penceredeki eğriler arasında
gezinir. Pencere yalnız okur; eğrilerde bir şey değiştirmez. <b>Kapat</b> pencereyi
kapatır.</p>)"));

    pages << page("palet", hcOperatorPalette, "Operatör Seçim",
        "operatör seçim|palet|operatör düğmeleri|parantez içine alma",
        html(R"(<p><i>Operatör Seçim</i> penceresi, formülleri tıklayarak yazmanıza yardım eder.
Bir düğmeye basınca düğmenin metni, klavye odağı en son hangi formül alanındaysa
(Eğri Gezgini'nin fx, fy, fz alanları ya da hesaplayıcının Fonksiyon alanı) o alanın
<b>sonuna</b> eklenir; imlecin yeri ve seçili metin önemsizdir. Henüz hiçbir formül alanı
odak almadıysa düğmeler bir şey yapmaz.</p>
<p>Düğmeler beş grupta durur: Aritmatik Operatörler, Mantıksal Operatörler, Parantezler,
Fonksiyonlar ve Sabitler. Bir grubun başlığındaki ok grubu kapatır ya da açar; kapalı
grubun yeri kapanır. Kelime operatörleri (<tt>div</tt>, <tt>mod</tt>, <tt>not</tt>, ...)
iki yanlarında birer boşlukla, fonksiyonlar açılış parantezleriyle eklenir:
<tt>sin</tt> düğmesi <tt>sin(</tt> yazar.</p>
<p><b>(...)</b> ve <b>[...]</b> düğmeleri alanın bütün metnini parantez içine alır. Örneğin
boş alanda <tt>sin</tt>, ardından klavyeden <tt>x</tt>, sonra <b>(...)</b> metni
<tt>(sin(x)</tt> yapar: bir parantez açık kalır ve formül uygulanırken bildirilir. Mutlak
değer parantezlerinin düğmeleri kullanılamaz; bu parantezleri klavyeden yazabilirsiniz.</p>
<p>Pencere Araçlar menüsündeki <b>Operatör Seçim</b> ve Standart araç çubuğundaki
<b>Op</b> düğmesiyle gösterilir ve gizlenir.</p>)"));

    pages << page("hesaplayici", hcCalculator, "Fonksiyon Hesaplayıcısı",
        "hesaplayıcı|fonksiyon hesaplayıcısı|hesapla|fonksiyon ağacı|sonek|değişken değeri",
        html(R"(<p><i>Fonksiyon Hesaplayıcısı</i> tek bir formülün değerini hesaplar; eğri
çizmez. Araçlar menüsündeki <b>Fonksiyon Hesaplayıcısı</b> ile açılır; aynı anda yalnız bir
hesaplayıcı açık olabilir.</p>
<ol>
<li><b>Fonksiyon</b> alanına formülü yazın, örneğin <tt>x^2+y</tt>. Bu alan odaktayken
<a href="velmo:palet">Operatör Seçim</a> düğmeleri bu alana yazar.</li>
<li>Tablonun <b>Değişken</b> sütununa değişkenlerin adlarını, <b>Değeri</b> sütununa
değerlerini yazın (<tt>x</tt> 3, <tt>y</tt> 1). Adlarda harf büyüklüğü önemsizdir; değerler
bölgesel ayarlarınızdaki ondalık ayırıcıyla yazılır. Tablo ilk boş ad hücresinde biter.</li>
<li><b>Hesapla</b>'ya basın. <b>Fonksiyon Ağacı</b> formülün derlenmiş (sonek) biçimini,
örneğin <tt>x 2 ^ y + </tt>, <b>Sonuc</b> değeri (burada 10) gösterir.</li>
</ol>
<p>Formül yalnız metni değiştiğinde yeniden derlenir; derlenince bütün değişkenler 0 olur.
Tabloda yer almayan değişkenler 0'da ya da önceki bir hesaptaki değerlerinde kalır. Sayı
olarak okunamayan bir değer atlanır, formülde geçmeyen bir ad etkisizdir.</p>
<p>Derleme veya hesap hatası bir iletiyle bildirilir; Fonksiyon Ağacı ve Sonuc alanları
önceki içeriklerini korur. Hatalı bir formülde Hesapla'ya yeniden basmak formülü yeniden
derler ve hatayı yine bildirir. Hesaplayıcıyı kapatmak onu formülü ve değişkenleriyle
birlikte siler; yeniden açılan hesaplayıcı boş başlar. Esc tuşu <b>Kapat</b> gibidir.</p>)"));

    pages << page("ozellikler", hcProperties, "Tüm Özellikler",
        "tüm özellikler|özellikler|arka plan rengi|varsayılan özellikler|ızgara rengi|"
        "hareketlendirme aralığı|bakış eksencikleri",
        html(R"(<p><i>Tüm Özellikler</i> penceresi bir grafik penceresinin görünüşünü düzenler.
Özellikler menüsünden, araç çubuğundan, bağlam menüsünden ya da grafiğe çift tıklayarak
açılır; Eğri Gezgini'nin ön izlemesine çift tıklayınca ön izlemenin özelliklerini açar.</p>
<h3>Genel</h3>
<ul>
<li><b>Bakış Eksencikleri</b>: küçük eksenlerin rengi ve görünürlüğü.</li>
<li><b>Arkaplan Rengi</b>, <b>Perspektif</b> (On veya Off) ve <b>Hareketlendirme Çizim Zaman
Aralığı</b> (1 ile 5000 arasında, binde bir saniye).</li>
<li><b>Bu özellikleri Varsayılı Özellikler yap</b>: Tamam'a basınca değerler
<tt>Norvadeks.ini</tt> dosyasına yazılır ve yeni pencereler onlarla açılır.</li>
<li><b>Varsayılı Özellikleri Yükle</b>: dosyadaki varsayılanları pencereye getirir.</li>
</ul>
<h3>Gönyeler</h3>
<p>XY, XZ ve YZ düzlemlerinin her biri için ızgara rengi, çizgi kalınlığı (1 ile 20) ve
görünürlük. Görünmez bir düzlemin rengi ve kalınlığı soluk görünür.</p>
<p>Renk kutularına çift tıklama renk seçme penceresini, iki seçenekli kutulara çift tıklama
öteki seçeneği getirir. <b>Tamam</b> değişiklikleri uygular, <b>Vazgeç</b> hiçbir şeyi
değiştirmez.</p>)"));

    pages << page("kutuphane", hcCurveLibrary, "Eğri Kayıt (Eğri Kütüphanesi)",
        "eğri kayıt|kütüphane|eğri kütüphanesi|eğri seçim|CurvedLines.db|açıklama",
        html(R"(<p>Eğri kütüphanesi, eğrilerin formüllerini tip, fx, fy, fz ve bir açıklamayla
saklar; aynı tip ve formüllerle ikinci bir kayıt yapılamaz. Kayıtlar programın çalıştığı
klasördeki <tt>CurvedLines.db</tt> tablosunda, tip adları <tt>CLTypes.DB</tt> tablosunda
durur. O klasörde <tt>CurvedLines.db</tt> yoksa ve program kendi klasörüne yazamıyorsa
(sisteme kurulmuş bir Velmo), iki tablo kullanıcının <tt>~/.local/share/Velmo</tt>
klasöründe oluşturulur ve orada tutulur.</p>
<ul>
<li>Dosya menüsündeki <b>Eğri Kayıt</b> kütüphaneyi bir alt pencerede açar. Kayıtlar
tabloda düzenlenir; <b>Kaydet</b> düzenlenen kaydı yazar, <b>Geri Al</b> düzenlemeyi geri
alır, gezinme çubuğu kayıtlar arasında gezinir, kayıt ekler ve siler.</li>
<li><b>Çizim Tipi</b> listesi tabloyu bir koordinat sisteminin eğrileriyle sınırlar.</li>
<li>Sağdaki dört küçük resim o anki kaydı önden, üstten, yandan ve perspektif olarak
gösterir; perspektif resmi sol tuşla döndürülür. Düğmelerle tek bir görünüş büyük olarak
seçilebilir; renkler ve gönyeler de buradan değiştirilir.</li>
<li>Eğri Gezgini'ndeki <b>Kaydet...</b> gezginin formüllerini kütüphaneye yazar;
<b>Eğri Sec...</b> kütüphaneyi <i>Eğri Seçim</i> penceresi olarak açar: bir kaydı çift
tıklayın ya da Tamam'a basın, formülleri gezgine gelir.</li>
</ul>)"));

    pages << page("duvar_kagidi", hcWallpaper, "Duvar Kağıdı",
        "duvar kağıdı|arka plan resmi|döşeli|yayılmış|bmp",
        html(R"(<p>Ana pencerenin boş alanında, grafik pencerelerinin arkasında bir duvar kağıdı
görünür. Görünüm menüsündeki <b>Duvar Kağıdı...</b> ya da boş alana çift tıklama
<i>Duvar Kağıdı Özellikleri</i> penceresini açar.</p>
<ul>
<li><b>Dosya İsmi</b>: bir bit eşlem dosyası (*.bmp) seçin.</li>
<li><b>Görüntüleme Şekli</b>: ortada, köşelerde ya da kenar ortalarında tek bir kopya,
<b>Döşeli Şekilde</b> (bütün alana tekrarlanarak) ya da <b>Yayılmış Şekilde</b> (alana
gerilerek).</li>
<li><b>Duvar Kağıdı Kullanma</b> işaretliyken duvar kağıdı gösterilmez.</li>
</ul>
<p>Seçilen dosya saklanmaz; her açılışta programın kendi resmi döşeli olarak gelir.</p>)"));

    pages << page(HelpOnHelpPage, 0, "Yardımı Kullanma",
        "yardım|yardımı kullanma|içindekiler|dizin|arama|bul|F1",
        html(R"(<p>Yardım penceresinin solunda iki sekme vardır:</p>
<ul>
<li><b>İçindekiler</b>: bütün konuların listesi. Bir konuyu açmak için tıklayın.</li>
<li><b>Dizin</b>: anahtar sözcükler. Üstteki alana bir sözcük yazın; liste o sözcüğü içeren
anahtarlara daralır. Hiçbir anahtar uymazsa metninde sözcüğün geçtiği konular listelenir.
Bir satırı tıklayın ya da Enter'a basın.</li>
</ul>
<p>Sağda konunun metni görünür. Altı çizili bağlantılar başka konulara götürür;
<b>Geri</b> ve <b>İleri</b> düğmeleri açtığınız konular arasında gezinir.</p>
<p>Bir pencerenin <b>Yardım</b> düğmesi (ve F1 tuşu) doğrudan o pencerenin konusunu açar.
Yardım menüsündeki <b>İçindekiler ve Dizin</b> bu pencereyi içindekilerle, <b>Bul...</b>
dizinle açar. Yardım penceresi öteki pencerelerin yanında açık kalabilir.</p>)"));

    pages.prepend(page(
        "icindekiler", 0, "İçindekiler", "içindekiler|konular|Velmo|giriş", contentsBody(pages)));
    return pages;
}
