<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="tr_TR">
<context>
    <name>TAboutFrm</name>
    <message>
        <source>Velmo Hakkında</source>
        <translation>About Velmo</translation>
    </message>
    <message>
        <source>Yazarı Hakkında</source>
        <translation>About the Author</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmo&lt;/h3&gt;&lt;p&gt;Sürüm 0.1&lt;/p&gt;&lt;p&gt;Formüllerle tanımlanan eğrileri iki ve üç boyutlu uzayda çizer: yedi koordinat sisteminde, döndürülebilen, hareketlendirilebilen ve büyütülebilen grafik pencerelerinde.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Velmo&lt;/h3&gt;&lt;p&gt;Version 0.1&lt;/p&gt;&lt;p&gt;Draws curves defined by formulas in two- and three-dimensional space: in seven coordinate systems, in graph windows that turn, animate and zoom.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Velmo&apos;nun geliştiricileri&lt;/h3&gt;&lt;p&gt;Velmo, matematik öğrencileri ve öğretmenleri için yazılmıştır. Görüş ve önerileriniz programın gelişmesine yardım eder.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Velmo&apos;s developers&lt;/h3&gt;&lt;p&gt;Velmo is written for students and teachers of mathematics. Your views and suggestions help the program grow.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yükleniyor...</source>
        <translation>Loading...</translation>
    </message>
</context>
<context>
    <name>TAnimasyonFrm</name>
    <message>
        <source>Hareket</source>
        <translation>Motion</translation>
    </message>
    <message>
        <source>&amp;Parametre:</source>
        <translation>&amp;Parameter:</translation>
    </message>
    <message>
        <source>&amp;Görünüşü döndür, açı (derece):</source>
        <translation>&amp;Turn the view, angle (degrees):</translation>
    </message>
    <message>
        <source>Başlangıç:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Bitiş:</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>Hareketli GIF (*.gif)</source>
        <translation>Animated GIF (*.gif)</translation>
    </message>
    <message>
        <source>Hareketli WebP (*.webp)</source>
        <translation>Animated WebP (*.webp)</translation>
    </message>
    <message>
        <source>Numaralı PNG dosyaları (ad_001.png, ad_002.png, ...)</source>
        <translation>Numbered PNG files (name_001.png, name_002.png, ...)</translation>
    </message>
    <message>
        <source>&amp;Resim sayısı:</source>
        <translation>&amp;Frames:</translation>
    </message>
    <message>
        <source>&amp;Saniyede resim:</source>
        <translation>Frames per &amp;second:</translation>
    </message>
    <message>
        <source>&amp;Genişlik:</source>
        <translation>&amp;Width:</translation>
    </message>
    <message>
        <source>&amp;Yükseklik:</source>
        <translation>&amp;Height:</translation>
    </message>
    <message>
        <source>&amp;Dosya türü:</source>
        <translation>File &amp;type:</translation>
    </message>
    <message>
        <source>&amp;Tamam</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Vazgeç</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Animasyon Kaydet</source>
        <translation>Save Animation</translation>
    </message>
</context>
<context>
    <name>TAnimationExport</name>
    <message>
        <source>Animasyon yazılıyor...</source>
        <translation>Writing the animation...</translation>
    </message>
    <message>
        <source>Vazgeç</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Animasyon Kaydet</source>
        <translation>Save Animation</translation>
    </message>
</context>
<context>
    <name>TBakisFrm</name>
    <message>
        <source>Bakış</source>
        <translation>View</translation>
    </message>
    <message>
        <source> Konum </source>
        <translation> Position </translation>
    </message>
    <message>
        <source>Önden</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Üstten</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Yandan</source>
        <translation>Side</translation>
    </message>
    <message>
        <source> Döndürme Açıları </source>
        <translation> Rotation Angles </translation>
    </message>
    <message>
        <source>X Ekseni</source>
        <translation>X Axis</translation>
    </message>
    <message>
        <source>Y Ekseni</source>
        <translation>Y Axis</translation>
    </message>
</context>
<context>
    <name>TBuyuklukFrm</name>
    <message>
        <source>Büyüklük</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source> Oran </source>
        <translation> Ratio </translation>
    </message>
    <message>
        <source>Yüzde:</source>
        <translation>Percent:</translation>
    </message>
    <message>
        <source>Büyüklük yüzdesi 1 veya daha büyük olmalıdır</source>
        <translation>The zoom percentage must be 1 or greater</translation>
    </message>
</context>
<context>
    <name>TColorCombo</name>
    <message>
        <source>Siyah</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Kestane Rengi</source>
        <translation>Maroon</translation>
    </message>
    <message>
        <source>Yeşil</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Lacivert</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>Pembe</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Teal</translation>
    </message>
    <message>
        <source>Gri</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>Gümüş Rengi</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>Kırmızı</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>Sarı</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Mavi</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>Beyaz</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Özel Renk</source>
        <translation>Custom Colour</translation>
    </message>
</context>
<context>
    <name>TCommandText</name>
    <message>
        <source>Kullanım: velmo [KOMUT] [SEÇENEKLER]

Komut verilmezse Velmo penceresiyle açılır (.vlm dosyaları verilebilir).
Komutlar pencere açmadan çalışır:
  render   bir sahnenin resmini yazar (.png, .bmp, .jpg, .svg, .pdf)
  table    bir eğrinin noktalarını tablo olarak yazar (csv, tsv)
  inspect  bir eğrinin önemli noktalarını ya da uzunluğunu ve alanını yazar (csv)
  eval     bir formülün değerini ya da postfix biçimini yazar

Her komutun seçenekleri: velmo KOMUT --help; sürüm: velmo --version
Eğri (TANIM): type=N;fx=METİN;fy=METİN;fz=METİN;step=S;color=AD|#rrggbb;
             style=line|points;thickness=N;visible=0|1
Çıkış kodları: 0 tamam, 1 formül, adım ya da değer kabul edilmedi, 2 kullanım hatası.
Her komut --lang tr|en alır: iletilerinin dili.
</source>
        <translation>Usage: velmo [COMMAND] [OPTIONS]

Without a command Velmo opens with its window (.vlm files may be given).
The commands run without opening a window:
  render   writes the picture of a scene (.png, .bmp, .jpg, .svg, .pdf)
  table    writes the points of a curve as a table (csv, tsv)
  inspect  writes the points of interest of a curve, or its length and area (csv)
  eval     writes the value of a formula, or its postfix form

The options of each command: velmo COMMAND --help; version: velmo --version
Curve (DEF): type=N;fx=TEXT;fy=TEXT;fz=TEXT;step=S;color=NAME|#rrggbb;
             style=line|points;thickness=N;visible=0|1
Exit codes: 0 done, 1 a formula, step or value was refused, 2 usage error.
All commands take --lang tr|en, the language of their messages.
</translation>
    </message>
    <message>
        <source>Kullanım: velmo render -o OUT [SEÇENEKLER]

Bu boyuttaki bir grafik penceresinin göstereceği resmi OUT dosyasına yazar;
tür uzantıdan anlaşılır: .png, .bmp, .jpg; .svg ve .pdf çizgi çizim olarak,
grafik penceresinin &quot;Farklı Kaydet...&quot; ile yazdığı gibi.
  -o, --output OUT          yazılacak resim dosyası
  --curve TANIM             bir eğri ekler (birden çok verilebilir, sırayla)
  --scene FILE.vlm          önce sahne dosyasının eğrilerini ve görünümünü alır
  --size GxY                pencerenin iç boyutu (varsayılan 800x600)
  --zoom YÜZDE              büyüklük yüzdesi, 0,001 ile 1000000 arası (varsayılan 100)
  --angles AX,AY            bakış açıları, derece (varsayılan 0,0)
  --perspective, --parallel perspektif ya da paralel izdüşüm
  --four-view               dört görünüş (ön, yan, üst ve pencerenin kendi görünüşü)
  --planes xy,xz,yz|none    gösterilecek düzlemler
  --background RENK         arka plan rengi (renk listesindeki ad ya da #rrggbb)
  --smooth                  yumuşak çizgiler
  --param AD=DEĞER          formüldeki bir parametreye değer verir (birden çok
                            verilebilir; sahne dosyasındaki değerin yerine geçer)
  --sweep AD=A:B:N          animasyon: AD parametresi A&apos;dan B&apos;ye N resimde değişir
  --turn DERECE:N           animasyon: görünüş düşey ekseni çevresinde N resimde
                            DERECE kadar döner (her resimde DERECE/N)
  --fps N                   animasyonun saniyedeki resim sayısı (varsayılan 20)
Animasyonun OUT&apos;u .gif, .webp ya da numaralı PNG dosyalarıdır (ad_%03d.png).
Verilmeyenler ayar dosyasının (Norvadeks.ini) varsayılanlarından alınır.
</source>
        <translation>Usage: velmo render -o OUT [OPTIONS]

Writes the picture a graph window of this size would show into the file OUT;
the type comes from the extension: .png, .bmp, .jpg; .svg and .pdf as line
drawings, as the graph window&apos;s &quot;Save As...&quot; writes them.
  -o, --output OUT          the picture file to write
  --curve DEF               adds a curve (may be given more than once, in order)
  --scene FILE.vlm          first takes the curves and the view of a scene file
  --size WxH                the window&apos;s inner size (default 800x600)
  --zoom PERCENT            the zoom percentage, from 0.001 to 1000000 (default 100)
  --angles AX,AY            the viewing angles, degrees (default 0,0)
  --perspective, --parallel perspective or parallel projection
  --four-view               four views (front, side, top and the window&apos;s own view)
  --planes xy,xz,yz|none    the planes to show
  --background COLOUR       the background colour (a name of the colour list or #rrggbb)
  --smooth                  smooth lines
  --param NAME=VALUE        gives a parameter of the formulas a value (may be given
                            more than once; takes the place of the scene file&apos;s value)
  --sweep NAME=A:B:N        animation: the parameter NAME goes from A to B in N frames
  --turn DEGREES:N          animation: the view turns about its vertical axis by
                            DEGREES in N frames (DEGREES/N each frame)
  --fps N                   the animation&apos;s frames per second (default 20)
An animation&apos;s OUT is .gif, .webp or numbered PNG files (name_%03d.png).
What is not given comes from the defaults of the settings file (Norvadeks.ini).
</translation>
    </message>
    <message>
        <source>Kullanım: velmo table (--curve TANIM | --scene FILE.vlm [--index N]) [SEÇENEKLER]

Eğrinin noktalarını tablo olarak yazar: başlık n,x,y,z ve her nokta için bir satır.
Parametreli bir eğrinin tablosu, başlıktan önce değerlerini veren bir satırla
başlar: # k = 2; m = 0.5
  --curve TANIM             eğri
  --scene FILE.vlm          sahne dosyası; --index N onun N. eğrisi (1&apos;den sayılır,
                            varsayılan sahnenin seçili eğrisi)
  --param AD=DEĞER          formüldeki bir parametreye değer verir (birden çok
                            verilebilir; sahne dosyasındaki değerin yerine geçer)
  --format csv|tsv          csv: virgülle ayrılmış, ondalık nokta; tsv: sekmeyle
                            ayrılmış, bölgesel ondalık ayracı (varsayılan csv, .tsv
                            uzantılı OUT için tsv)
  -o, --output OUT          yazılacak dosya (verilmezse standart çıktı)
</source>
        <translation>Usage: velmo table (--curve DEF | --scene FILE.vlm [--index N]) [OPTIONS]

Writes the points of the curve as a table: the header n,x,y,z and a line for each point.
The table of a curve with parameters starts, before the header, with a line that
gives their values: # k = 2; m = 0.5
  --curve DEF               the curve
  --scene FILE.vlm          a scene file; --index N its N-th curve (counted from 1,
                            by default the scene&apos;s current curve)
  --param NAME=VALUE        gives a parameter of the formulas a value (may be given
                            more than once; takes the place of the scene file&apos;s value)
  --format csv|tsv          csv: separated by commas, decimal point; tsv: separated
                            by tabs, the regional decimal separator (default csv, tsv
                            for an OUT ending in .tsv)
  -o, --output OUT          the file to write (the standard output when not given)
</translation>
    </message>
    <message>
        <source>Kullanım: velmo inspect (--curve TANIM | --scene FILE.vlm [--index N]) [SEÇENEKLER]

Bir değişkenli bir eğrinin önemli noktalarını formüllerinden bulup CSV olarak
yazar: başlık kind,of,at,x,y,z; her nokta için bir satır (zero, minimum,
maximum, intersection ya da break), serbest değişkenin değerine göre sıralı.
--measure ile başlık measure,value,error; satırlar length ve (düzlem türlerinde) area.
  --curve TANIM             eğri
  --scene FILE.vlm          sahne dosyası; --index N onun N. eğrisi (1&apos;den sayılır,
                            varsayılan sahnenin seçili eğrisi)
  --with TANIM              kesişimleri aranan bir eğri daha (aynı düzlem türünde;
                            birden çok verilebilir, 2&apos;den numaralanır)
  --param AD=DEĞER          formüldeki bir parametreye değer verir (birden çok
                            verilebilir; sahne dosyasındaki değerin yerine geçer)
  --from A, --to B          aranan aralık (varsayılan türün bütün aralığı)
  --measure                 noktalar yerine yay uzunluğu ve işaretli alan
  -o, --output OUT          yazılacak dosya (verilmezse standart çıktı)
</source>
        <translation>Usage: velmo inspect (--curve DEF | --scene FILE.vlm [--index N]) [OPTIONS]

Finds the points of interest of a curve of one variable from its formulas and
writes them as CSV: the header kind,of,at,x,y,z; a line for each point (zero,
minimum, maximum, intersection or break), in the order of the free variable.
With --measure the header measure,value,error; the lines length and (for plane types) area.
  --curve DEF               the curve
  --scene FILE.vlm          a scene file; --index N its N-th curve (counted from 1,
                            by default the scene&apos;s current curve)
  --with DEF                one more curve to find intersections with (of the same
                            plane type; may be given more than once, numbered from 2)
  --param NAME=VALUE        gives a parameter of the formulas a value (may be given
                            more than once; takes the place of the scene file&apos;s value)
  --from A, --to B          the range searched (by default the type&apos;s whole range)
  --measure                 the arc length and signed area instead of the points
  -o, --output OUT          the file to write (the standard output when not given)
</translation>
    </message>
    <message>
        <source>Kullanım: velmo eval FORMÜL [AD=DEĞER]... [--postfix]

Formülün değerini hesap makinesinin gösterdiği gibi yazar (15 anlamlı basamak,
bölgesel ondalık ayracı). AD=DEĞER formüldeki bir değişkene değer verir.
  --postfix                 değer yerine formülün postfix biçimini yazar
Eksiyle başlayan bir formülden önce -- yazın: velmo eval -- -x+1 x=2
</source>
        <translation>Usage: velmo eval FORMULA [NAME=VALUE]... [--postfix]

Writes the value of the formula as the calculator shows it (15 significant digits,
the regional decimal separator). NAME=VALUE gives a variable of the formula a value.
  --postfix                 writes the formula&apos;s postfix form instead of its value
Write -- before a formula that starts with a minus: velmo eval -- -x+1 x=2
</translation>
    </message>
    <message>
        <source>%s seçeneğinin değeri eksik</source>
        <translation>the option %s has no value</translation>
    </message>
    <message>
        <source>bilinmeyen seçenek: %s</source>
        <translation>unknown option: %s</translation>
    </message>
    <message>
        <source>%s için değer verilmedi, 0 alındı</source>
        <translation>no value given for %s, 0 taken</translation>
    </message>
    <message>
        <source>parametre AD=DEĞER biçiminde verilmeli: %s</source>
        <translation>a parameter must be given as NAME=VALUE: %s</translation>
    </message>
    <message>
        <source>bilinmeyen parametre: &quot;%s&quot;</source>
        <translation>unknown parameter: &quot;%s&quot;</translation>
    </message>
    <message>
        <source>--fps yalnızca --sweep ya da --turn ile verilir</source>
        <translation>--fps is given only with --sweep or --turn</translation>
    </message>
    <message>
        <source>--sweep ile --turn birlikte verilemez</source>
        <translation>--sweep and --turn cannot be given together</translation>
    </message>
    <message>
        <source>bir animasyon tek bir --sweep ya da --turn ile verilir</source>
        <translation>an animation is given by a single --sweep or --turn</translation>
    </message>
    <message>
        <source>--sweep AD=BAŞLANGIÇ:BİTİŞ:RESİM biçiminde olmalı (RESİM 1 ile 10000 arasında): %s</source>
        <translation>--sweep must have the form NAME=FROM:TO:FRAMES (FRAMES from 1 to 10000): %s</translation>
    </message>
    <message>
        <source>--turn DERECE:RESİM biçiminde olmalı (RESİM 1 ile 10000 arasında): %s</source>
        <translation>--turn must have the form DEGREES:FRAMES (FRAMES from 1 to 10000): %s</translation>
    </message>
    <message>
        <source>--fps 1 ile 100 arasında bir tam sayı olmalı: %s</source>
        <translation>--fps must be an integer from 1 to 100: %s</translation>
    </message>
    <message>
        <source>bilinmeyen animasyon türü: &quot;%s&quot; (.gif, .webp ya da ad_%03d.png gibi numaralı .png olmalı)</source>
        <translation>unknown animation type: &quot;%s&quot; (must be .gif, .webp or numbered .png like name_%03d.png)</translation>
    </message>
    <message>
        <source>beklenmeyen argüman: %s</source>
        <translation>unexpected argument: %s</translation>
    </message>
    <message>
        <source>çıktı dosyası verilmedi (-o OUT)</source>
        <translation>no output file given (-o OUT)</translation>
    </message>
    <message>
        <source>bilinmeyen resim türü: &quot;%s&quot; (.png, .bmp, .jpg, .svg ya da .pdf olmalı)</source>
        <translation>unknown picture type: &quot;%s&quot; (must be .png, .bmp, .jpg, .svg or .pdf)</translation>
    </message>
    <message>
        <source>--perspective ile --parallel birlikte verilemez</source>
        <translation>--perspective and --parallel cannot be given together</translation>
    </message>
    <message>
        <source>boyut GENİŞLİKxYÜKSEKLİK biçiminde, 1 ile 20000 arasında olmalı: %s</source>
        <translation>the size must have the form WIDTHxHEIGHT, from 1 to 20000: %s</translation>
    </message>
    <message>
        <source>büyüklük yüzdesi 0,001 ile 1000000 arasında bir sayı olmalı: %s</source>
        <translation>the zoom percentage must be a number from 0.001 to 1000000: %s</translation>
    </message>
    <message>
        <source>açılar AX,AY biçiminde iki sayı olmalı: %s</source>
        <translation>the angles must be two numbers of the form AX,AY: %s</translation>
    </message>
    <message>
        <source>düzlemler xy, xz, yz listesi ya da none olmalı: %s</source>
        <translation>the planes must be a list of xy, xz, yz or none: %s</translation>
    </message>
    <message>
        <source>renk, renk listesindeki bir ad ya da #rrggbb olmalı: %s</source>
        <translation>the colour must be a name of the colour list or #rrggbb: %s</translation>
    </message>
    <message>
        <source>bir eğri verilmeli: ya --curve TANIM ya da --scene FILE.vlm</source>
        <translation>a curve must be given: either --curve DEF or --scene FILE.vlm</translation>
    </message>
    <message>
        <source>%s tek bir eğrinin noktalarını yazar: --curve bir kez verilmeli</source>
        <translation>%s writes the points of a single curve: give --curve once</translation>
    </message>
    <message>
        <source>--index yalnızca --scene ile verilir</source>
        <translation>--index is given only with --scene</translation>
    </message>
    <message>
        <source>eğri numarası 1&apos;den başlayan bir tam sayı olmalı: %s</source>
        <translation>the curve number must be an integer from 1: %s</translation>
    </message>
    <message>
        <source>sahnede %d eğri var; %s. eğri yok</source>
        <translation>the scene has %d curves; there is no curve %s</translation>
    </message>
    <message>
        <source>sahnede eğri yok</source>
        <translation>the scene has no curves</translation>
    </message>
    <message>
        <source>tablo biçimi csv ya da tsv olmalı: %s</source>
        <translation>the table format must be csv or tsv: %s</translation>
    </message>
    <message>
        <source>aralık ucu bir sayı olmalı: %s</source>
        <translation>an end of the range must be a number: %s</translation>
    </message>
    <message>
        <source>kesişimler yalnızca aynı düzlem türündeki iki eğri arasında bulunur</source>
        <translation>intersections are found only between two curves of the same plane type</translation>
    </message>
    <message>
        <source>--from, --to&apos;dan küçük olmalı</source>
        <translation>--from must be smaller than --to</translation>
    </message>
    <message>
        <source>formül verilmedi</source>
        <translation>no formula given</translation>
    </message>
    <message>
        <source>değişken AD=DEĞER biçiminde verilmeli: %s</source>
        <translation>a variable must be given as NAME=VALUE: %s</translation>
    </message>
    <message>
        <source>dil tr ya da en olmalı: %s</source>
        <translation>the language must be tr or en: %s</translation>
    </message>
    <message>
        <source>bilinmeyen komut ya da olmayan dosya: %s</source>
        <translation>unknown command or a file that does not exist: %s</translation>
    </message>
    <message>
        <source>bilinmeyen komut: %s</source>
        <translation>unknown command: %s</translation>
    </message>
    <message>
        <source>Seçenekler için: velmo %s--help</source>
        <translation>For the options: velmo %s--help</translation>
    </message>
    <message>
        <source>Bellek yetmedi</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>&quot;%s&quot; bir anahtar=değer öğesi değil</source>
        <translation>&quot;%s&quot; is not a key=value item</translation>
    </message>
    <message>
        <source>bu anahtar iki kez verilmiş</source>
        <translation>this key is given twice</translation>
    </message>
    <message>
        <source>eğri türü 0 ile %d arasında bir tam sayıdır: %s</source>
        <translation>the curve type is an integer from 0 to %d: %s</translation>
    </message>
    <message>
        <source>renk, renk listesindeki bir ad ya da #rrggbb olmalıdır: %s</source>
        <translation>the colour must be a name of the colour list or #rrggbb: %s</translation>
    </message>
    <message>
        <source>çizim şekli line, points, surface ya da shaded olmalıdır: %s</source>
        <translation>the drawing style must be line, points, surface or shaded: %s</translation>
    </message>
    <message>
        <source>görünürlük 0 ya da 1 olmalıdır: %s</source>
        <translation>the visibility must be 0 or 1: %s</translation>
    </message>
    <message>
        <source>bilinmeyen anahtar (type, fx, fy, fz, step, color, style, thickness, visible)</source>
        <translation>unknown key (type, fx, fy, fz, step, color, style, thickness, visible)</translation>
    </message>
    <message>
        <source>çizgi kalınlığı 1 ile 20 arasında bir tam sayıdır: %s</source>
        <translation>the line thickness is an integer from 1 to 20: %s</translation>
    </message>
    <message>
        <source>bu eğri türünün formülü verilmemiş</source>
        <translation>the formula of this curve type is not given</translation>
    </message>
</context>
<context>
    <name>TCurveEditing</name>
    <message>
        <source>  (Yeni Eğri)</source>
        <translation>  (New Curve)</translation>
    </message>
    <message>
        <source>%1 Değisiklik</source>
        <translation>%1 Changed</translation>
    </message>
</context>
<context>
    <name>TCurveGridModel</name>
    <message>
        <source>Eğri Türü</source>
        <translation>Curve Type</translation>
    </message>
    <message>
        <source>Açıklama</source>
        <translation>Comment</translation>
    </message>
</context>
<context>
    <name>TCurveLibrary</name>
    <message>
        <source>%1 formülü kütüphaneye en çok %2 karakter olarak kaydedilebilir; yazılan formül %3 karakter. Eğri kaydedilmedi.</source>
        <translation>The %1 formula can be stored in the library with at most %2 characters; the formula written has %3 characters. The curve was not stored.</translation>
    </message>
    <message>
        <source>Eğriyi oluşturan fonksiyonlardan biri/birkaçı boş.Lütfen bu fonksiyonları giriniz.</source>
        <translation>One or more of the functions that make up the curve are empty.Please enter these functions.</translation>
    </message>
    <message>
        <source>Kayıt Hatası</source>
        <translation>Storing Error</translation>
    </message>
    <message>
        <source>Bu eğri dosyaya daha önce kaydedilmiş - Görmek ister misiniz?</source>
        <translation>This curve has already been stored in the file - Would you like to see it?</translation>
    </message>
    <message>
        <source>Kayıt Tamam</source>
        <translation>Stored</translation>
    </message>
    <message>
        <source>Eğri dosyaya kaydedildi - Açıklama yazısı yazmak ister misiniz?</source>
        <translation>The curve was stored in the file - Would you like to write a comment?</translation>
    </message>
</context>
<context>
    <name>TCurveTable</name>
    <message>
        <source>Kayıt yazılamadı: %1</source>
        <translation>The record could not be written: %1</translation>
    </message>
    <message>
        <source>
Kütüphane başka bir pencerede ya da programda yazılıyor; biraz sonra yeniden deneyin.</source>
        <translation>
The library is being written in another window or program; try again a little later.</translation>
    </message>
    <message>
        <source>Eğri kütüphanesi okunamadı: %1</source>
        <translation>The curve library could not be read: %1</translation>
    </message>
    <message>
        <source>Eğri kütüphanesi açık değil.</source>
        <translation>The curve library is not open.</translation>
    </message>
    <message>
        <source>Eğri Türü alanına bir değer girilmeli.</source>
        <translation>A value must be entered in the Curve Type field.</translation>
    </message>
    <message>
        <source>Açıklama</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>%1 alanına en çok %2 karakter yazılabilir; yazılan metin %3 karakter. Metni kısaltıp yeniden kaydedin.</source>
        <translation>At most %2 characters can be written in the %1 field; the text written has %3 characters. Shorten the text and store it again.</translation>
    </message>
    <message>
        <source>Kayıt yazılamadı: kayıt bu arada başka bir pencerede değiştirilmiş ya da silinmiş.</source>
        <translation>The record could not be written: it has meanwhile been changed or deleted in another window.</translation>
    </message>
    <message>
        <source>%1 alanı bulunamadı.</source>
        <translation>The field %1 was not found.</translation>
    </message>
    <message>
        <source>Kayıt düzenlenmiyor: önce Kayıt ekle ya da düzenlemeye başlayın.</source>
        <translation>No record is being edited: first add a record or start editing.</translation>
    </message>
    <message>
        <source>Eğri Türü alanı Type alanından okunur.</source>
        <translation>The Curve Type field is read from the Type field.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; geçerli bir tür değil.</source>
        <translation>&apos;%1&apos; is not a valid type.</translation>
    </message>
</context>
<context>
    <name>TCurvedLineExplorer</name>
    <message>
        <source>Eğri Gezgini</source>
        <translation>Curve Explorer</translation>
    </message>
    <message>
        <source>Kaydet...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Eğriyi Dosyaya Kaydet</source>
        <translation>Store the Curve in the Library</translation>
    </message>
    <message>
        <source>Eğri Sec...</source>
        <translation>Select Curve...</translation>
    </message>
    <message>
        <source>Eğriyi Dosyadan Sec</source>
        <translation>Take a Curve from the Library</translation>
    </message>
    <message>
        <source>Uygula</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Türevini Çiz</source>
        <translation>Draw Derivative</translation>
    </message>
    <message>
        <source>Geçerli eğrinin serbest değişkenine göre türevini yeni bir eğri olarak çizer</source>
        <translation>Draws the derivative of the current curve by its free variable as a new curve</translation>
    </message>
    <message>
        <source>İlk Eğri</source>
        <translation>First Curve</translation>
    </message>
    <message>
        <source>Önceki Eğri</source>
        <translation>Previous Curve</translation>
    </message>
    <message>
        <source>Sonraki  Eğri</source>
        <translation>Next  Curve</translation>
    </message>
    <message>
        <source>Son  Eğri</source>
        <translation>Last  Curve</translation>
    </message>
    <message>
        <source>Yeni Eğri</source>
        <translation>New Curve</translation>
    </message>
    <message>
        <source>Eğriyi Sil</source>
        <translation>Delete Curve</translation>
    </message>
    <message>
        <source>Tüm Eğrileri Sil</source>
        <translation>Delete All Curves</translation>
    </message>
    <message>
        <source>Çizim &amp;Tipi</source>
        <translation>Drawing &amp;Type</translation>
    </message>
    <message>
        <source> Fonksiyonlar </source>
        <translation> Functions </translation>
    </message>
    <message>
        <source>Çizim &amp;Rengi</source>
        <translation>Drawing &amp;Colour</translation>
    </message>
    <message>
        <source>Çizgi</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Nokta</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Çizim &amp;Şekli</source>
        <translation>Drawing &amp;Style</translation>
    </message>
    <message>
        <source>Görünür</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Görünmez</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>&amp;Görünürlük</source>
        <translation>&amp;Visibility</translation>
    </message>
    <message>
        <source>Nokta &amp;Aralıgı</source>
        <translation>Point &amp;Interval</translation>
    </message>
    <message>
        <source>Çizgi
&amp;Kalınlığı</source>
        <translation>Line
&amp;Thickness</translation>
    </message>
    <message>
        <source>Yüzey</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Gölgeli Yüzey</source>
        <translation>Shaded Surface</translation>
    </message>
    <message>
        <source>Eğrinin hiçbir noktası hesaplanamadı.</source>
        <translation>None of the curve&apos;s points could be computed.</translation>
    </message>
    <message>
        <source>Geçerli eğri (%1/%2) silinsin mi?</source>
        <translation>Delete the current curve (%1/%2)?</translation>
    </message>
    <message>
        <source>Penceredeki %1 eğrinin tümü silinsin mi?</source>
        <translation>Delete all %1 curves of the window?</translation>
    </message>
</context>
<context>
    <name>TCurvedLineSFrm</name>
    <message>
        <source>Kayıt silinsin mi?</source>
        <translation>Delete the record?</translation>
    </message>
    <message>
        <source>Eğri Seçim</source>
        <translation>Curve Selection</translation>
    </message>
    <message>
        <source>Eğri Kayıt</source>
        <translation>Curve Library</translation>
    </message>
    <message>
        <source>Çizim Tipi</source>
        <translation>Drawing Type</translation>
    </message>
    <message>
        <source>Tüm Eğriler</source>
        <translation>All Curves</translation>
    </message>
    <message>
        <source>Çizim &amp;Tipi</source>
        <translation>Drawing &amp;Type</translation>
    </message>
    <message>
        <source>İlk kayıt</source>
        <translation>First record</translation>
    </message>
    <message>
        <source>Bir önceki kayıt</source>
        <translation>Previous record</translation>
    </message>
    <message>
        <source>Bir sonraki kayıt</source>
        <translation>Next record</translation>
    </message>
    <message>
        <source>Son kayıt</source>
        <translation>Last record</translation>
    </message>
    <message>
        <source>Kayıt ekle</source>
        <translation>Add record</translation>
    </message>
    <message>
        <source>Kaydı sil</source>
        <translation>Delete record</translation>
    </message>
    <message>
        <source>Şekli döndürmek için fareyi sol tuşu basılı şekilde hareket ettirin.</source>
        <translation>To turn the figure, move the mouse with its left button held down.</translation>
    </message>
    <message>
        <source>Ön</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Önden Görünüş</source>
        <translation>Front View</translation>
    </message>
    <message>
        <source>Üst</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Üstten Görünüş</source>
        <translation>Top View</translation>
    </message>
    <message>
        <source>Yan</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>Yandan Görünüş</source>
        <translation>Side View</translation>
    </message>
    <message>
        <source>Per</source>
        <translation>Per</translation>
    </message>
    <message>
        <source>Perspektif Görünüş</source>
        <translation>Perspective View</translation>
    </message>
    <message>
        <source>4&apos;lü</source>
        <translation>4-up</translation>
    </message>
    <message>
        <source>4&apos;lü Görünüş</source>
        <translation>Four Views</translation>
    </message>
    <message>
        <source>XY Düzlem</source>
        <translation>XY Plane</translation>
    </message>
    <message>
        <source>XZ Düzlem</source>
        <translation>XZ Plane</translation>
    </message>
    <message>
        <source>YZ Düzlem</source>
        <translation>YZ Plane</translation>
    </message>
    <message>
        <source>Çizgi</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Çizgili Çizim</source>
        <translation>Drawn with Lines</translation>
    </message>
    <message>
        <source>Nokta</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Noktalı Çizim</source>
        <translation>Drawn with Points</translation>
    </message>
    <message>
        <source>Çizim Rengi</source>
        <translation>Drawing Colour</translation>
    </message>
    <message>
        <source>&amp;Çizim Rengi</source>
        <translation>&amp;Drawing Colour</translation>
    </message>
    <message>
        <source>Arkapilan Rengi</source>
        <translation>Background Colour</translation>
    </message>
    <message>
        <source>&amp;Arkapilan Rengi</source>
        <translation>&amp;Background Colour</translation>
    </message>
    <message>
        <source>Yapılan değişiklikleri onaylamak için bu butona basın</source>
        <translation>Press this button to confirm the changes made</translation>
    </message>
    <message>
        <source>Yapılan değişiklikleri geri almak için bu butona basın</source>
        <translation>Press this button to undo the changes made</translation>
    </message>
    <message>
        <source>&amp;Kaydet</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Geri Al</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Tamam</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Vazgeç</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Kapat</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Formu kapatmak için butona basın</source>
        <translation>Press the button to close the window</translation>
    </message>
    <message>
        <source>&amp;Yardım</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Yardım almak için butona basın</source>
        <translation>Press the button for help</translation>
    </message>
</context>
<context>
    <name>TFHesaplaFrm</name>
    <message>
        <source>Fonksiyon Hesaplayıçısı</source>
        <translation>Function Calculator</translation>
    </message>
    <message>
        <source>Fonksiyon</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Fonksiyon Ağacı</source>
        <translation>Function Tree</translation>
    </message>
    <message>
        <source>Sonuc</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Hesapla</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>&amp;Kapat</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Yardım</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Değişken</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>Değeri</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>TFourView</name>
    <message>
        <source>Ön</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Yan</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>Üst</source>
        <translation>Top</translation>
    </message>
</context>
<context>
    <name>TGenerationProgressBar</name>
    <message>
        <source>Vazgeç</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TGrafikMChildFrm</name>
    <message>
        <source>K&amp;opyala</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Bakış...</source>
        <translation>Look...</translation>
    </message>
    <message>
        <source>Büyüklük...</source>
        <translation>Zoom...</translation>
    </message>
    <message>
        <source>Eğri Gezgini</source>
        <translation>Curve Explorer</translation>
    </message>
    <message>
        <source>Sayısal Değerler...</source>
        <translation>Numeric Values...</translation>
    </message>
    <message>
        <source>Özellikler...</source>
        <translation>Properties...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; penceresindeki eğriler değişti. Kaydedilsin mi?</source>
        <translation>The curves of the window &quot;%1&quot; have changed. Save them?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; penceresinin görünüşü değişti. Kaydedilsin mi?</source>
        <translation>The view of the window &quot;%1&quot; has changed. Save it?</translation>
    </message>
    <message>
        <source>Yazıcıya yazdırılamadı: yazıcı hazır değil.</source>
        <translation>Could not print: the printer is not ready.</translation>
    </message>
    <message>
        <source>Uygula</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Eğriyi Sil</source>
        <translation>Delete Curve</translation>
    </message>
    <message>
        <source>Tümünü Sil</source>
        <translation>Delete All</translation>
    </message>
</context>
<context>
    <name>TGraphDialogRunner</name>
    <message>
        <source>Resimlerin yazılacağı klasör</source>
        <translation>Folder to write the pictures into</translation>
    </message>
    <message>
        <source>Hareketli GIF (*.gif)</source>
        <translation>Animated GIF (*.gif)</translation>
    </message>
    <message>
        <source>Hareketli WebP (*.webp)</source>
        <translation>Animated WebP (*.webp)</translation>
    </message>
    <message>
        <source>Eğri Gezgini</source>
        <translation>Curve Explorer</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Velmo Yardım</source>
        <translation>Velmo Help</translation>
    </message>
    <message>
        <source>İçindekiler</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Aranacak &amp;sözcük:</source>
        <translation>&amp;Word to look for:</translation>
    </message>
    <message>
        <source>&amp;Göster</source>
        <translation>&amp;Show</translation>
    </message>
    <message>
        <source>Dizin</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>İçi&amp;ndekiler</source>
        <translation>Co&amp;ntents</translation>
    </message>
    <message>
        <source>&amp;Geri</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>İ&amp;leri</source>
        <translation>&amp;Forward</translation>
    </message>
</context>
<context>
    <name>TInterestPage</name>
    <message>
        <source>Nokta</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Neyin</source>
        <translation>Of</translation>
    </message>
    <message>
        <source>Değişken</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>Ölçü</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>Değer</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Hata Sınırı</source>
        <translation>Error Bound</translation>
    </message>
    <message>
        <source>Eğri %1</source>
        <translation>Curve %1</translation>
    </message>
    <message>
        <source>hesaplanamadı</source>
        <translation>could not be computed</translation>
    </message>
    <message>
        <source>≈ %1 (hata sınırı 15 basamağa yetmiyor)</source>
        <translation>≈ %1 (the error bound does not reach 15 digits)</translation>
    </message>
    <message>
        <source>Uzunluk</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Alan</source>
        <translation>Area</translation>
    </message>
</context>
<context>
    <name>TLibraryFiles</name>
    <message>
        <source>Eğri kütüphanesi dosyası bozuk ya da bir kütüphane dosyası değil: %1</source>
        <translation>The curve library file is corrupt or not a library file: %1</translation>
    </message>
    <message>
        <source>Eğri kütüphanesi dosyası açılamadı: %1</source>
        <translation>The curve library file could not be opened: %1</translation>
    </message>
    <message>
        <source>Eğri kütüphanesi dosyası kullanılamıyor: %1</source>
        <translation>The curve library file cannot be used: %1</translation>
    </message>
    <message>
        <source>Bu ad bir dosyanın değil.</source>
        <translation>This name is not a file&apos;s.</translation>
    </message>
    <message>
        <source>%1 tablosunda %2 alanı yok.</source>
        <translation>The table %1 has no field %2.</translation>
    </message>
    <message>
        <source>Bozuk dosya kenara alınamadı: %1</source>
        <translation>The corrupt file could not be set aside: %1</translation>
    </message>
</context>
<context>
    <name>TLibraryPrompts</name>
    <message>
        <source>Eğri Kütüphanesi</source>
        <translation>Curve Library</translation>
    </message>
    <message>
        <source>%1

Bozuk dosya &quot;%2.bozuk&quot; adıyla kenara alınıp yerine yeni, boş bir %2 oluşturulsun mu? İptal ederseniz dosyaya dokunulmaz ve kütüphane kullanılmaz.</source>
        <translation>%1

Set the corrupt file aside as &quot;%2.bozuk&quot; and create a new, empty %2 in its place? If you cancel, the file is left untouched and the library is not used.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;Dosya</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Y&amp;eni Pencere</source>
        <translation>&amp;New Window</translation>
    </message>
    <message>
        <source>&amp;Aç...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Velmo dosyası açar.</source>
        <translation>Opens a Velmo file.</translation>
    </message>
    <message>
        <source>&amp;Eğri Kayıt</source>
        <translation>&amp;Curve Library</translation>
    </message>
    <message>
        <source>Kay&amp;det</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Farklı Kaydet...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Animasyon Kaydet...</source>
        <translation>Save Animation...</translation>
    </message>
    <message>
        <source>Bir parametre değişirken ya da görünüş dönerken grafiğin hareketli resmini yazar (GIF, WebP ya da numaralı PNG dosyaları).</source>
        <translation>Writes a moving picture of the graph while a parameter changes or the view turns (GIF, WebP or numbered PNG files).</translation>
    </message>
    <message>
        <source>&amp;Kapat</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Aktif formu kapatır.</source>
        <translation>Closes the active window.</translation>
    </message>
    <message>
        <source>&amp;Tümünü Kapat</source>
        <translation>Close A&amp;ll</translation>
    </message>
    <message>
        <source>Tüm formları kapatır.</source>
        <translation>Closes all windows.</translation>
    </message>
    <message>
        <source>Baskı Ö&amp;nizleme</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>&amp;Yazdır</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Yazıcı &amp;Ayar...</source>
        <translation>P&amp;rinter Setup...</translation>
    </message>
    <message>
        <source>Çı&amp;kış</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Velmo&apos;den çıkar.</source>
        <translation>Quits Velmo.</translation>
    </message>
    <message>
        <source>Dü&amp;zen</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Geri Al</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Yinele</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>K&amp;opyala</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Tümünü Sil</source>
        <translation>&amp;Delete All</translation>
    </message>
    <message>
        <source>&amp;Görünüm</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Bu pencereyi özelleştirme komutlarını içerir.</source>
        <translation>Contains the commands that customise this window.</translation>
    </message>
    <message>
        <source>A&amp;raç Çubukları</source>
        <translation>&amp;Toolbars</translation>
    </message>
    <message>
        <source>Araç çubuklarını gösterir veya gizler.</source>
        <translation>Shows or hides the toolbars.</translation>
    </message>
    <message>
        <source>Standart</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Göröntü</source>
        <translation>View</translation>
    </message>
    <message>
        <source>&amp;Durum Çubuğu</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>Durum çubuğunu gösterir veya gizler.</source>
        <translation>Shows or hides the status bar.</translation>
    </message>
    <message>
        <source>Duvar &amp;Kağıdı...</source>
        <translation>&amp;Wallpaper...</translation>
    </message>
    <message>
        <source>Duvar kağıdı formunu açar.</source>
        <translation>Opens the wallpaper window.</translation>
    </message>
    <message>
        <source>&amp;Dil</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Programın dilini seçer.</source>
        <translation>Chooses the program&apos;s language.</translation>
    </message>
    <message>
        <source>Türkçe</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>&amp;Özellikler</source>
        <translation>&amp;Properties</translation>
    </message>
    <message>
        <source>&amp;Gönyeler</source>
        <translation>&amp;Planes</translation>
    </message>
    <message>
        <source>XYDuzlemi</source>
        <translation>XY Plane</translation>
    </message>
    <message>
        <source>XZDuzlemi</source>
        <translation>XZ Plane</translation>
    </message>
    <message>
        <source>YZDuzlemi</source>
        <translation>YZ Plane</translation>
    </message>
    <message>
        <source>&amp;Çizim Şekli</source>
        <translation>&amp;Drawing Style</translation>
    </message>
    <message>
        <source>Çizgi</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Nokta</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>&amp;Persvektif</source>
        <translation>P&amp;erspective</translation>
    </message>
    <message>
        <source>Dort Gorunus</source>
        <translation>Four Views</translation>
    </message>
    <message>
        <source>&amp;Hareketli</source>
        <translation>&amp;Animated</translation>
    </message>
    <message>
        <source>İz Sür</source>
        <translation>Trace</translation>
    </message>
    <message>
        <source>Eğrinin noktalarını fareyle ve yön tuşlarıyla tek tek izler; Esc bitirir.</source>
        <translation>Follows the curve&apos;s points one by one with the mouse and the arrow keys; Esc ends it.</translation>
    </message>
    <message>
        <source>Önemli Noktalar</source>
        <translation>Points of Interest</translation>
    </message>
    <message>
        <source>Geçerli eğrinin sıfırlarını, uç değerlerini ve öteki eğrilerle kesişimlerini işaretler; iz sürerken Ctrl+Sol ve Ctrl+Sağ bu noktalara atlar.</source>
        <translation>Marks the current curve&apos;s zeros, extrema and intersections with the other curves; while tracing, Ctrl+Left and Ctrl+Right jump to these points.</translation>
    </message>
    <message>
        <source>&amp;Tüm Özellikler...</source>
        <translation>&amp;All Properties...</translation>
    </message>
    <message>
        <source>&amp;Bakış</source>
        <translation>&amp;Look</translation>
    </message>
    <message>
        <source>Grafiğin istenilen bakış açısından görüntülenmesi için kullanılan komutları içerir.</source>
        <translation>Contains the commands that show the graph from a chosen direction.</translation>
    </message>
    <message>
        <source>&amp;Perspektif</source>
        <translation>&amp;Perspective</translation>
    </message>
    <message>
        <source>&amp;Önden</source>
        <translation>&amp;Front</translation>
    </message>
    <message>
        <source>&amp;Üstten</source>
        <translation>&amp;Top</translation>
    </message>
    <message>
        <source>&amp;Yandan</source>
        <translation>&amp;Side</translation>
    </message>
    <message>
        <source>&amp;Diğer..</source>
        <translation>&amp;Other...</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Büyü&amp;klük</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Grafiğin istenilen büyükte görüntülenmesi için kullanılan komutları içerir. </source>
        <translation>Contains the commands that show the graph at a chosen size. </translation>
    </message>
    <message>
        <source>Bü&amp;yült</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>Görüntüyü iki kat büyültür.</source>
        <translation>Makes the picture twice as large.</translation>
    </message>
    <message>
        <source>Kü&amp;çült</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>Görüntüyü iki kat küçültür.</source>
        <translation>Makes the picture half as large.</translation>
    </message>
    <message>
        <source>&amp;Ene Uydur</source>
        <translation>Fit &amp;Width</translation>
    </message>
    <message>
        <source>Aktif grafik penceresinin eninin ana pencereye göre ayarla.</source>
        <translation>Fits the width of the active graph window to the main window.</translation>
    </message>
    <message>
        <source>&amp;Boya Uydur</source>
        <translation>Fit &amp;Height</translation>
    </message>
    <message>
        <source>Aktif grafik penceresinin boyunu ana pencereye göre ayarla.</source>
        <translation>Fits the height of the active graph window to the main window.</translation>
    </message>
    <message>
        <source>Eğrilere Uydur</source>
        <translation>Fit to Curves</translation>
    </message>
    <message>
        <source>Görünen eğrileri pencereye sığacak büyüklükte ortalar.</source>
        <translation>Centres the visible curves at the size that fits them into the window.</translation>
    </message>
    <message>
        <source>&amp;Gerçek Boyut</source>
        <translation>&amp;Actual Size</translation>
    </message>
    <message>
        <source>Grafiği gerçek boyutunda görüntüler.</source>
        <translation>Shows the graph at its actual size.</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>200%</source>
        <translation>200%</translation>
    </message>
    <message>
        <source>400%</source>
        <translation>400%</translation>
    </message>
    <message>
        <source>&amp;Diğer...</source>
        <translation>&amp;Other...</translation>
    </message>
    <message>
        <source>&amp;Araçlar</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>Çizimde kullanılan yurdımçı araçlarını içerir.</source>
        <translation>Contains the helper tools used for drawing.</translation>
    </message>
    <message>
        <source>Eğri &amp;Gezgini</source>
        <translation>Curve &amp;Explorer</translation>
    </message>
    <message>
        <source>Eğri Gezgini  araçını gösterir veya gizler.</source>
        <translation>Shows or hides the Curve Explorer tool.</translation>
    </message>
    <message>
        <source>&amp;Operatör Seçim</source>
        <translation>&amp;Operator Palette</translation>
    </message>
    <message>
        <source>Operatör Seçim  araçını gösterir veya gizler.</source>
        <translation>Shows or hides the Operator Palette tool.</translation>
    </message>
    <message>
        <source>&amp;Parametreler</source>
        <translation>&amp;Parameters</translation>
    </message>
    <message>
        <source>Parametreler araçını gösterir veya gizler.</source>
        <translation>Shows or hides the parameters tool.</translation>
    </message>
    <message>
        <source>&amp;Sayısal Değerler</source>
        <translation>&amp;Numeric Values</translation>
    </message>
    <message>
        <source>Eğrilerde yer alan ayrık noktaların sayısal karşılıklarını gösterir.</source>
        <translation>Shows the numeric values of the sample points of the curves.</translation>
    </message>
    <message>
        <source>Fonksiyon &amp;Hesaplayıcısı</source>
        <translation>Function &amp;Calculator</translation>
    </message>
    <message>
        <source>Fonksiyonların için basit bir hesaplama araçı olan Fonksiyon Hesaplayıçısı aracını  açar.</source>
        <translation>Opens the Function Calculator, a simple tool for evaluating functions.</translation>
    </message>
    <message>
        <source>&amp;Pencere</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>Pencereleri yerleştirme komutları</source>
        <translation>Commands that arrange the windows</translation>
    </message>
    <message>
        <source>&amp;Basamakla</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>Pencereleri basamaklı şekilde yerleştir.</source>
        <translation>Arranges the windows in a cascade.</translation>
    </message>
    <message>
        <source>&amp;Yatay Döşe</source>
        <translation>Tile &amp;Horizontally</translation>
    </message>
    <message>
        <source>Pencereleri yatay döşeli şekilde yerleştir.</source>
        <translation>Tiles the windows horizontally.</translation>
    </message>
    <message>
        <source>&amp;Dikey Döşe</source>
        <translation>Tile &amp;Vertically</translation>
    </message>
    <message>
        <source>Pencereleri dikey döşeli şekilde yerleştir.</source>
        <translation>Tiles the windows vertically.</translation>
    </message>
    <message>
        <source>Tümünü &amp;Küçült</source>
        <translation>&amp;Minimize All</translation>
    </message>
    <message>
        <source>Tüm pencereleri simge durumunda küçültür.</source>
        <translation>Minimizes all windows to icons.</translation>
    </message>
    <message>
        <source>&amp;Tümünü Yerleştir</source>
        <translation>&amp;Arrange Icons</translation>
    </message>
    <message>
        <source>Simgeleri yerleştirir.</source>
        <translation>Arranges the icons.</translation>
    </message>
    <message>
        <source>&amp;Yardım</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Yardımı görüntüleme komutlarını içerir.</source>
        <translation>Contains the commands that show the help.</translation>
    </message>
    <message>
        <source>İçi&amp;ndekiler ve Dizin</source>
        <translation>&amp;Contents and Index</translation>
    </message>
    <message>
        <source>Yardım konularını listeler.</source>
        <translation>Lists the help topics.</translation>
    </message>
    <message>
        <source>B&amp;ul...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>Bir konuyu yardım dosyasında arat.</source>
        <translation>Searches the help for a topic.</translation>
    </message>
    <message>
        <source>Yardımı &amp;Kullanma</source>
        <translation>&amp;Using Help</translation>
    </message>
    <message>
        <source>Yardım sistemi kakkında yardım.</source>
        <translation>Help on the help system.</translation>
    </message>
    <message>
        <source>Velmo  &amp;Hakkında...</source>
        <translation>&amp;About Velmo...</translation>
    </message>
    <message>
        <source>Program bilgilerini, sürüm numarasını ve telif hakkını görüntüler.</source>
        <translation>Shows the program&apos;s information, version number and copyright.</translation>
    </message>
    <message>
        <source>&amp;Yazarı Hakkında...</source>
        <translation>About the &amp;Author...</translation>
    </message>
    <message>
        <source>Programın yazarı kakkında bilgileri görüntüler.</source>
        <translation>Shows information about the program&apos;s author.</translation>
    </message>
    <message>
        <source>Görüntü</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Yeni Pencere</source>
        <translation>New Window</translation>
    </message>
    <message>
        <source>Kaydet</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Yazdır</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Baskı Önizleme</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>Kopyala</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Eğri Gezgini</source>
        <translation>Curve Explorer</translation>
    </message>
    <message>
        <source>Eğri Gezgini araçını açmak için bu butona basın.</source>
        <translation>Press this button to open the Curve Explorer tool.</translation>
    </message>
    <message>
        <source>fx</source>
        <translation>fx</translation>
    </message>
    <message>
        <source>Operatör</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Operatör Seçim araçını açmak için bu dümeye basın.</source>
        <translation>Press this button to open the Operator Palette tool.</translation>
    </message>
    <message>
        <source>Op</source>
        <translation>Op</translation>
    </message>
    <message>
        <source>Parametreler</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Parametreler araçını açmak için bu düğmeye basın.</source>
        <translation>Press this button to open the parameters tool.</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <source>Görüntü Araç Çubuğu</source>
        <translation>View Toolbar</translation>
    </message>
    <message>
        <source>Görüntü Araç Çubuğu gösterir ve/veya gizlemek için bu dümeye basın.</source>
        <translation>Press this button to show or hide the View toolbar.</translation>
    </message>
    <message>
        <source>Simgeleri Yerleştir</source>
        <translation>Arrange Icons</translation>
    </message>
    <message>
        <source>Simge durumuna küçültülmüş formları ayarlamak (uygun hale getirmek) için bu butona basın.</source>
        <translation>Press this button to arrange the windows minimized to icons.</translation>
    </message>
    <message>
        <source>Pencereleri Basamaka</source>
        <translation>Cascade Windows</translation>
    </message>
    <message>
        <source>Açık formları basamaklı şekilde görmek için bu butona basın.</source>
        <translation>Press this button to see the open windows in a cascade.</translation>
    </message>
    <message>
        <source>Yatay Döşe</source>
        <translation>Tile Horizontally</translation>
    </message>
    <message>
        <source>Açık formları döşeli şekilde görmek için bu butona basın.</source>
        <translation>Press this button to see the open windows tiled.</translation>
    </message>
    <message>
        <source>Dikey  Döşe</source>
        <translation>Tile Vertically</translation>
    </message>
    <message>
        <source>Sayısal Değerler</source>
        <translation>Numeric Values</translation>
    </message>
    <message>
        <source>Eğrilerinin ayrık noktalarına ait sayısal değerlerini gösterir.</source>
        <translation>Shows the numeric values of the sample points of the curves.</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>Tüm Özellikler</source>
        <translation>All Properties</translation>
    </message>
    <message>
        <source>Aktif forma ait tüm özellikleri değiştirir</source>
        <translation>Changes all properties of the active window</translation>
    </message>
    <message>
        <source>Dizinden Bul</source>
        <translation>Find in Index</translation>
    </message>
    <message>
        <source>Yardım konularında arama yapmak için bu düğmeye basın.</source>
        <translation>Press this button to search the help topics.</translation>
    </message>
    <message>
        <source>Yardım Konuları</source>
        <translation>Help Topics</translation>
    </message>
    <message>
        <source>Yardım konularını görüntülemek için bu buton&apos;a basın.</source>
        <translation>Press this button to show the help topics.</translation>
    </message>
    <message>
        <source>XY Düzlemi</source>
        <translation>XY Plane</translation>
    </message>
    <message>
        <source>XY düzlemi gönyesini gösterir ve gizler.</source>
        <translation>Shows and hides the XY plane.</translation>
    </message>
    <message>
        <source>XZ Düzlemi</source>
        <translation>XZ Plane</translation>
    </message>
    <message>
        <source>XZ düzlemi gönyesini gösterir ve gizler.</source>
        <translation>Shows and hides the XZ plane.</translation>
    </message>
    <message>
        <source>YZ Düzlemi</source>
        <translation>YZ Plane</translation>
    </message>
    <message>
        <source>YZ düzlemi gönyesini gösterir ve gizler.</source>
        <translation>Shows and hides the YZ plane.</translation>
    </message>
    <message>
        <source>Çizgil ile Çizim</source>
        <translation>Draw with Lines</translation>
    </message>
    <message>
        <source>Sürekli fonksiyon çizimi için bu dümeye basın.</source>
        <translation>Press this button to draw functions as continuous lines.</translation>
    </message>
    <message>
        <source>Nokta  ile  Çizim</source>
        <translation>Draw with Points</translation>
    </message>
    <message>
        <source>Fonksiyonları ayrık noktalar ile çizmek için bu dümeye basın.</source>
        <translation>Press this button to draw functions as separate points.</translation>
    </message>
    <message>
        <source>Perspektifi Aç-Kapa</source>
        <translation>Perspective On/Off</translation>
    </message>
    <message>
        <source>Grafiğin  perspektif özelliğini açıp kapar.</source>
        <translation>Turns the graph&apos;s perspective on and off.</translation>
    </message>
    <message>
        <source>4&apos;lü Görünüş</source>
        <translation>Four Views</translation>
    </message>
    <message>
        <source>Grafiği Ön, Üst  ve Yan görünüşleri ile görüntülemek için dümeye basın.</source>
        <translation>Press this button to show the graph with its front, top and side views.</translation>
    </message>
    <message>
        <source>4W</source>
        <translation>4W</translation>
    </message>
    <message>
        <source>Hareketlendir</source>
        <translation>Animate</translation>
    </message>
    <message>
        <source>Grafiği hareketlendirmek için dümeye basın.</source>
        <translation>Press this button to animate the graph.</translation>
    </message>
    <message>
        <source>Eğrinin noktalarını izlemek için dümeye basın.</source>
        <translation>Press this button to trace the curve&apos;s points.</translation>
    </message>
    <message>
        <source>Eğrinin sıfırlarını, uç değerlerini ve kesişimlerini işaretlemek için dümeye basın.</source>
        <translation>Press this button to mark the curve&apos;s zeros, extrema and intersections.</translation>
    </message>
    <message>
        <source>Önden Görünüş</source>
        <translation>Front View</translation>
    </message>
    <message>
        <source>Grafiğin xy düzlemine iz düşümünü görmek için dümeye basın.</source>
        <translation>Press this button to see the graph&apos;s projection onto the xy plane.</translation>
    </message>
    <message>
        <source>Üstten Görünüş</source>
        <translation>Top View</translation>
    </message>
    <message>
        <source>Grafiğin xz düzlemine iz düşümünü görmek için dümeye basın.</source>
        <translation>Press this button to see the graph&apos;s projection onto the xz plane.</translation>
    </message>
    <message>
        <source>Yandan Görünüş</source>
        <translation>Side View</translation>
    </message>
    <message>
        <source>Grafiğin yz düzlemine iz düşümünü görmek için dümeye basın.</source>
        <translation>Press this button to see the graph&apos;s projection onto the yz plane.</translation>
    </message>
    <message>
        <source>Perspektif Görünüş</source>
        <translation>Perspective View</translation>
    </message>
    <message>
        <source>Grafiği  perspektifsel olarak görmek için dümeye basın.</source>
        <translation>Press this button to see the graph in perspective.</translation>
    </message>
    <message>
        <source>Sürükle</source>
        <translation>Drag</translation>
    </message>
    <message>
        <source>Grafiğin merkezini taşır.Sürüklemek için sağ fare tuşuna basılı tutun</source>
        <translation>Moves the graph&apos;s centre. Hold the right mouse button to drag</translation>
    </message>
    <message>
        <source>Döndür</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Grafiği eksenlerinde döndürür.</source>
        <translation>Rotates the graph about its axes.</translation>
    </message>
    <message>
        <source>Grafiği Büyült</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Şekli büyültmek için bu butona basın.</source>
        <translation>Press this button to enlarge the picture.</translation>
    </message>
    <message>
        <source>Grafiği Küçült</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Şekli küçültmek için bu butona basın.</source>
        <translation>Press this button to shrink the picture.</translation>
    </message>
    <message>
        <source>Görünen eğrileri pencereye sığdırmak için bu butona basın.</source>
        <translation>Press this button to fit the visible curves into the window.</translation>
    </message>
    <message>
        <source>Büyüklük</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Şeklin Büyüklüğünü ayarlamak için butona basın.</source>
        <translation>Press the button to set the size of the picture.</translation>
    </message>
    <message>
        <source>Yardım için F1&apos;e basın</source>
        <translation>Press F1 for help</translation>
    </message>
    <message>
        <source>Eğri Kayıt</source>
        <translation>Curve Library</translation>
    </message>
    <message>
        <source>Fonksiyon Hesaplayıçısı</source>
        <translation>Function Calculator</translation>
    </message>
    <message>
        <source>En çok %1 grafik penceresi açılabilir. Yeni bir pencere için önce bir pencereyi kapatın.</source>
        <translation>At most %1 graph windows can be open. Close a window first for a new one.</translation>
    </message>
    <message>
        <source>Aç</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Velmo files(*.vlm)</source>
        <translation>Velmo files(*.vlm)</translation>
    </message>
    <message>
        <source>Dosyanın geri kalan %1 eğrisi açılsın mı?</source>
        <translation>Open the remaining %1 curves of the file?</translation>
    </message>
    <message>
        <source>Dil değişikliği Velmo yeniden başlatıldığında geçerli olur.</source>
        <translation>The new language takes effect when Velmo is started again.</translation>
    </message>
    <message>
        <source>Baski Onizleme testleri devam ettiği için bu versiyonda bulunmamaktadır.Sonraki sürümünde mutlaka yer alçaktır.</source>
        <translation>Print Preview is not in this version, as its tests are still going on.It will certainly be in the next version.</translation>
    </message>
</context>
<context>
    <name>TOperatorSelectToolW</name>
    <message>
        <source>Toplama</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Çıkartma</source>
        <translation>Subtraction</translation>
    </message>
    <message>
        <source>Çarpma</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Bölme</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Tam Sayılı Bölme</source>
        <translation>Integer Division</translation>
    </message>
    <message>
        <source>Kalanı alma</source>
        <translation>Remainder</translation>
    </message>
    <message>
        <source>Üst Alma</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Faktöryelini Alma</source>
        <translation>Factorial</translation>
    </message>
    <message>
        <source>Atama</source>
        <translation>Assignment</translation>
    </message>
    <message>
        <source>Mantıksal not</source>
        <translation>Logical not</translation>
    </message>
    <message>
        <source>Mantıksal and</source>
        <translation>Logical and</translation>
    </message>
    <message>
        <source>Mantıksal or</source>
        <translation>Logical or</translation>
    </message>
    <message>
        <source>Mantıksal xor</source>
        <translation>Logical xor</translation>
    </message>
    <message>
        <source>Eşit</source>
        <translation>Equal</translation>
    </message>
    <message>
        <source>Eşit Değil</source>
        <translation>Not Equal</translation>
    </message>
    <message>
        <source>Küçük</source>
        <translation>Less</translation>
    </message>
    <message>
        <source>Büyük</source>
        <translation>Greater</translation>
    </message>
    <message>
        <source>Küçük Eşit</source>
        <translation>Less or Equal</translation>
    </message>
    <message>
        <source>Büyük Eşit</source>
        <translation>Greater or Equal</translation>
    </message>
    <message>
        <source>Aç Parantez</source>
        <translation>Open Parenthesis</translation>
    </message>
    <message>
        <source>Kapa Parantez</source>
        <translation>Close Parenthesis</translation>
    </message>
    <message>
        <source>Mutlak Aç Parantez</source>
        <translation>Open Absolute Value Bracket</translation>
    </message>
    <message>
        <source>Mutlak Kapa Parantez</source>
        <translation>Close Absolute Value Bracket</translation>
    </message>
    <message>
        <source>Mutlak Değer</source>
        <translation>Absolute Value</translation>
    </message>
    <message>
        <source>Ters Kosinüs</source>
        <translation>Inverse Cosine</translation>
    </message>
    <message>
        <source>Ters Kotanjant</source>
        <translation>Inverse Cotangent</translation>
    </message>
    <message>
        <source>Ters Sinüs</source>
        <translation>Inverse Sine</translation>
    </message>
    <message>
        <source>Ters Tanjant</source>
        <translation>Inverse Tangent</translation>
    </message>
    <message>
        <source>Kosinüs</source>
        <translation>Cosine</translation>
    </message>
    <message>
        <source>Kosecant</source>
        <translation>Cosecant</translation>
    </message>
    <message>
        <source>Kotanjant</source>
        <translation>Cotangent</translation>
    </message>
    <message>
        <source>Factoriel</source>
        <translation>Factorial</translation>
    </message>
    <message>
        <source>Tabi Logaritma</source>
        <translation>Natural Logarithm</translation>
    </message>
    <message>
        <source>Logaritma</source>
        <translation>Logarithm</translation>
    </message>
    <message>
        <source>Sekant</source>
        <translation>Secant</translation>
    </message>
    <message>
        <source>İşaret</source>
        <translation>Sign</translation>
    </message>
    <message>
        <source>Sinüs</source>
        <translation>Sine</translation>
    </message>
    <message>
        <source>Tanjant</source>
        <translation>Tangent</translation>
    </message>
    <message>
        <source>Karekök</source>
        <translation>Square Root</translation>
    </message>
    <message>
        <source>Üstel Fonksiyon</source>
        <translation>Exponential Function</translation>
    </message>
    <message>
        <source>Pi Sayısı</source>
        <translation>The Number Pi</translation>
    </message>
    <message>
        <source>Exponent</source>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>Aritmatik Operatörler</source>
        <translation>Arithmetic Operators</translation>
    </message>
    <message>
        <source>Mantıksal Operatörler</source>
        <translation>Logical Operators</translation>
    </message>
    <message>
        <source>Parantezler</source>
        <translation>Parentheses</translation>
    </message>
    <message>
        <source>Fonksiyonlar</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>Sabitler</source>
        <translation>Constants</translation>
    </message>
    <message>
        <source>Operatör  Seçim</source>
        <translation>Operator  Palette</translation>
    </message>
    <message>
        <source>Aç-Kapa Parantez</source>
        <translation>Open-Close Parentheses</translation>
    </message>
    <message>
        <source>Mutlak Aç-Kapa Parantez</source>
        <translation>Open-Close Absolute Value Brackets</translation>
    </message>
</context>
<context>
    <name>TOutputFile</name>
    <message>
        <source>&quot;%1&quot; dosyası yazılamadı: %2</source>
        <translation>The file &quot;%1&quot; could not be written: %2</translation>
    </message>
    <message>
        <source>resim yok</source>
        <translation>there is no picture</translation>
    </message>
    <message>
        <source>resimlerin boyutu farklı</source>
        <translation>the pictures differ in size</translation>
    </message>
    <message>
        <source>Bitmap files (*.bmp)</source>
        <translation>Bitmap files (*.bmp)</translation>
    </message>
    <message>
        <source>Velmo files(*.vlm)</source>
        <translation>Velmo files(*.vlm)</translation>
    </message>
    <message>
        <source>PNG resimleri (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>JPEG resimleri (*.jpg *.jpeg)</source>
        <translation>JPEG pictures (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>SVG çizimleri (*.svg)</source>
        <translation>SVG drawings (*.svg)</translation>
    </message>
    <message>
        <source>PDF belgeleri (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>resim boş</source>
        <translation>the picture is empty</translation>
    </message>
    <message>
        <source>bir klasör</source>
        <translation>it is a folder</translation>
    </message>
</context>
<context>
    <name>TOzelliklerFrm</name>
    <message>
        <source>XYDüzlemi   </source>
        <translation>XY Plane   </translation>
    </message>
    <message>
        <source>XZDüzlemi   </source>
        <translation>XZ Plane   </translation>
    </message>
    <message>
        <source>YZDüzlemi   </source>
        <translation>YZ Plane   </translation>
    </message>
    <message>
        <source>Görünür</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Görünmez</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>Tüm Özellikler</source>
        <translation>All Properties</translation>
    </message>
    <message>
        <source>Genel</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Gönyeler</source>
        <translation>Planes</translation>
    </message>
    <message>
        <source>Tamam</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vazgeç</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bakış Eksencikleri </source>
        <translation>View Axes </translation>
    </message>
    <message>
        <source>Rengi</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Görünürlük</source>
        <translation>Visibility</translation>
    </message>
    <message>
        <source>Diğer Özellikler </source>
        <translation>Other Properties </translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>sn/1000</source>
        <translation>s/1000</translation>
    </message>
    <message>
        <source>Arkaplan Rengi</source>
        <translation>Background Colour</translation>
    </message>
    <message>
        <source>Perspektif</source>
        <translation>Perspective</translation>
    </message>
    <message>
        <source>Hareketlendirme
Çizim Zaman Aralığı</source>
        <translation>Animation
Drawing Interval</translation>
    </message>
    <message>
        <source>Yumuşak Çizgiler</source>
        <translation>Smooth Lines</translation>
    </message>
    <message>
        <source>Gösterge</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>Eksen Sayıları</source>
        <translation>Axis Numbers</translation>
    </message>
    <message>
        <source>Bu özellikleri Varsayılı Özellikler yap</source>
        <translation>Make these properties the Default Properties</translation>
    </message>
    <message>
        <source>Varsayılı Özellikleri Yükle</source>
        <translation>Load the Default Properties</translation>
    </message>
    <message>
        <source>Izgara Rengi</source>
        <translation>Grid Colour</translation>
    </message>
    <message>
        <source>Çizgi Kalınlığı</source>
        <translation>Line Thickness</translation>
    </message>
</context>
<context>
    <name>TParametersToolW</name>
    <message>
        <source>Parametreler</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Parametre göstermek için bir grafik penceresi açın.</source>
        <translation>Open a graph window to show its parameters.</translation>
    </message>
    <message>
        <source>Bu penceredeki eğrilerde parametre yok.</source>
        <translation>The curves of this window have no parameters.</translation>
    </message>
    <message>
        <source>En küçük</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>En büyük</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Adım</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Değer</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>%1 parametresi</source>
        <translation>parameter %1</translation>
    </message>
    <message>
        <source>%1 değeri</source>
        <translation>value of %1</translation>
    </message>
    <message>
        <source>%1 en küçük değeri</source>
        <translation>smallest value of %1</translation>
    </message>
    <message>
        <source>%1 en büyük değeri</source>
        <translation>largest value of %1</translation>
    </message>
    <message>
        <source>%1 adımı</source>
        <translation>step of %1</translation>
    </message>
    <message>
        <source>%1 oynat</source>
        <translation>play %1</translation>
    </message>
    <message>
        <source>Durdur</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Oynat</source>
        <translation>Play</translation>
    </message>
</context>
<context>
    <name>TPresetDialog</name>
    <message>
        <source>&amp;Tamam</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Yapılan değişiklikleri onaylamak için bu butona basın</source>
        <translation>Press this button to confirm the changes made</translation>
    </message>
    <message>
        <source>&amp;Vazgeç</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Yapılan değişiklikleri geri almak için bu butona basın</source>
        <translation>Press this button to undo the changes made</translation>
    </message>
</context>
<context>
    <name>TPrompts</name>
    <message>
        <source>&amp;Evet</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Hayır</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Kaydet</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Kaydet&amp;me</source>
        <translation>&amp;Don&apos;t Save</translation>
    </message>
    <message>
        <source>&amp;Vazgeç</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>%1 zaten var.
Değiştirilsin mi?</source>
        <translation>%1 already exists.
Replace it?</translation>
    </message>
</context>
<context>
    <name>TSaysalFrm</name>
    <message>
        <source>Sayısal Değerler</source>
        <translation>Numeric Values</translation>
    </message>
    <message>
        <source>İlk Eğri</source>
        <translation>First Curve</translation>
    </message>
    <message>
        <source>Önceki</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Sonraki</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Son  Eğri</source>
        <translation>Last  Curve</translation>
    </message>
    <message>
        <source> Eğrinin Özellikleri </source>
        <translation> Curve Properties </translation>
    </message>
    <message>
        <source>Türü</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Nokta Aralıgı</source>
        <translation>Point Interval</translation>
    </message>
    <message>
        <source>Eğri No:</source>
        <translation>Curve No:</translation>
    </message>
    <message>
        <source>Toplam</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Mutlak
Toplam</source>
        <translation>Absolute
Total</translation>
    </message>
    <message>
        <source>&amp;Kapat</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Formu kapatmak için butona basın</source>
        <translation>Press the button to close the window</translation>
    </message>
    <message>
        <source>&amp;Yardım</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Dışa Aktar...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Eğrinin bütün noktalarını bir CSV dosyasına yazar</source>
        <translation>Writes all of the curve&apos;s points into a CSV file</translation>
    </message>
    <message>
        <source>Noktalar</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Önemli Noktalar</source>
        <translation>Points of Interest</translation>
    </message>
    <message>
        <source>Dışa Aktar</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>CSV dosyaları (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Noktalar yazılıyor...</source>
        <translation>Writing the points...</translation>
    </message>
    <message>
        <source>Vazgeç</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TSceneFile</name>
    <message>
        <source>&quot;%1&quot; dosyasının %2. eğrisi açılamadı: %3</source>
        <translation>Curve %2 of the file &quot;%1&quot; could not be opened: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; açılamadı: %2</source>
        <translation>&quot;%1&quot; could not be opened: %2</translation>
    </message>
    <message>
        <source>%1 bir nesne olmalı.</source>
        <translation>%1 must be an object.</translation>
    </message>
    <message>
        <source>%1 bir sayı olmalı.</source>
        <translation>%1 must be a number.</translation>
    </message>
    <message>
        <source>%1 değeri %2 ile %3 arasında olmalı; dosyada %4.</source>
        <translation>the value of %1 must be between %2 and %3; the file has %4.</translation>
    </message>
    <message>
        <source>%1 bir tam sayı olmalı; dosyada %2.</source>
        <translation>%1 must be an integer; the file has %2.</translation>
    </message>
    <message>
        <source>%1 true ya da false olmalı.</source>
        <translation>%1 must be true or false.</translation>
    </message>
    <message>
        <source>%1 bir metin olmalı.</source>
        <translation>%1 must be a text.</translation>
    </message>
    <message>
        <source>%1 &quot;#rrggbb&quot; biçiminde bir renk olmalı.</source>
        <translation>%1 must be a colour of the form &quot;#rrggbb&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; formülü hatalı: %2</source>
        <translation>the formula &quot;%1&quot; is faulty: %2</translation>
    </message>
    <message>
        <source>&quot;parameters&quot; bir dizi olmalı.</source>
        <translation>&quot;parameters&quot; must be an array.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; bir nesne olmalı.</source>
        <translation>&quot;%1&quot; must be an object.</translation>
    </message>
    <message>
        <source>%1 verilmeli.</source>
        <translation>%1 must be given.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; ikinci kez verilmiş.</source>
        <translation>%1 &quot;%2&quot; is given a second time.</translation>
    </message>
    <message>
        <source>%1, %2 değerinden küçük olmalı; dosyada %3 ve %4.</source>
        <translation>%1 must be smaller than %2; the file has %3 and %4.</translation>
    </message>
    <message>
        <source>%1 0&apos;dan büyük olmalı.</source>
        <translation>%1 must be greater than 0.</translation>
    </message>
    <message>
        <source>dosya JSON biçiminde değil (%1. baytta bozuk).</source>
        <translation>the file is not JSON (broken at byte %1).</translation>
    </message>
    <message>
        <source>bu bir Velmo sahne dosyası değil (&quot;format&quot; &quot;velmo-scene&quot; olmalı).</source>
        <translation>this is not a Velmo scene file (&quot;format&quot; must be &quot;velmo-scene&quot;).</translation>
    </message>
    <message>
        <source>&quot;version&quot; 1 ya da daha büyük bir tam sayı olmalı.</source>
        <translation>&quot;version&quot; must be an integer of 1 or more.</translation>
    </message>
    <message>
        <source>dosya Velmo&apos;nun daha yeni bir sürümüyle yazılmış (sürüm %1); bu sürüm yalnızca sürüm %2 sahne dosyalarını açabilir.</source>
        <translation>the file was written by a newer version of Velmo (version %1); this version can open only scene files of version %2.</translation>
    </message>
    <message>
        <source>&quot;curves&quot; bir dizi olmalı.</source>
        <translation>&quot;curves&quot; must be an array.</translation>
    </message>
    <message>
        <source>eğri bir nesne olmalı.</source>
        <translation>a curve must be an object.</translation>
    </message>
    <message>
        <source>dosyanın %1. eğrisiyle aynı eğri.</source>
        <translation>the same curve as curve %1 of the file.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; açılamadı: dosya okunamadı.</source>
        <translation>&quot;%1&quot; could not be opened: the file could not be read.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; açılamadı: dosya 64 MB&apos;tan büyük.</source>
        <translation>&quot;%1&quot; could not be opened: the file is larger than 64 MB.</translation>
    </message>
</context>
<context>
    <name>TWallPDialogFrm</name>
    <message>
        <source>Ortada</source>
        <translation>Centred</translation>
    </message>
    <message>
        <source>Orta Alt Köşede</source>
        <translation>Bottom Centre</translation>
    </message>
    <message>
        <source>Orta Üst Köşede</source>
        <translation>Top Centre</translation>
    </message>
    <message>
        <source>Sol Alt Köşede</source>
        <translation>Bottom Left Corner</translation>
    </message>
    <message>
        <source>Sol Ortada</source>
        <translation>Left Centre</translation>
    </message>
    <message>
        <source>Sol Üst Köşede</source>
        <translation>Top Left Corner</translation>
    </message>
    <message>
        <source>Sag Alt Köşede</source>
        <translation>Bottom Right Corner</translation>
    </message>
    <message>
        <source>Sag Ortada</source>
        <translation>Right Centre</translation>
    </message>
    <message>
        <source>Sag Üst Köşede</source>
        <translation>Top Right Corner</translation>
    </message>
    <message>
        <source>Döşeli Şekilde</source>
        <translation>Tiled</translation>
    </message>
    <message>
        <source>Yayılmış Şekilde</source>
        <translation>Stretched</translation>
    </message>
    <message>
        <source> Duvar Kağıdı Seçimi </source>
        <translation> Wallpaper Choice </translation>
    </message>
    <message>
        <source>Duvar Kağıdı Kullanma</source>
        <translation>Do Not Use a Wallpaper</translation>
    </message>
    <message>
        <source>&amp;Tamam</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Vazgeç</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Yardım</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Duvar Kağıdı Özellikleri</source>
        <translation>Wallpaper Properties</translation>
    </message>
    <message>
        <source>Bitmap files (*.bmp)</source>
        <translation>Bitmap files (*.bmp)</translation>
    </message>
    <message>
        <source>Dosya İsmi</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>Görüntüleme Şekli</source>
        <translation>Display Style</translation>
    </message>
    <message>
        <source>Yapılan değişiklikleri onaylamak için bu butona basın</source>
        <translation>Press this button to confirm the changes made</translation>
    </message>
    <message>
        <source>Yapılan değişiklikleri geri almak için bu butona basın</source>
        <translation>Press this button to undo the changes made</translation>
    </message>
</context>
<context>
    <name>TZoomBox</name>
    <message>
        <source>Büyüklük</source>
        <translation>Zoom</translation>
    </message>
</context>
</TS>
