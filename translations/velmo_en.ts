<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="tr_TR">
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
        <source>Velmo'den çıkar.</source>
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
        <translation>Follows the curve's points one by one with the mouse and the arrow keys; Esc ends it.</translation>
    </message>
    <message>
        <source>Önemli Noktalar</source>
        <translation>Points of Interest</translation>
    </message>
    <message>
        <source>Geçerli eğrinin sıfırlarını, uç değerlerini ve öteki eğrilerle kesişimlerini işaretler; iz sürerken Ctrl+Sol ve Ctrl+Sağ bu noktalara atlar.</source>
        <translation>Marks the current curve's zeros, extrema and intersections with the other curves; while tracing, Ctrl+Left and Ctrl+Right jump to these points.</translation>
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
        <translation>Shows the program's information, version number and copyright.</translation>
    </message>
    <message>
        <source>&amp;Yazarı Hakkında...</source>
        <translation>About the &amp;Author...</translation>
    </message>
    <message>
        <source>Programın yazarı kakkında bilgileri görüntüler.</source>
        <translation>Shows information about the program's author.</translation>
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
        <source>Yardım konularını görüntülemek için bu buton'a basın.</source>
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
        <translation>Turns the graph's perspective on and off.</translation>
    </message>
    <message>
        <source>4'lü Görünüş</source>
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
        <translation>Press this button to trace the curve's points.</translation>
    </message>
    <message>
        <source>Eğrinin sıfırlarını, uç değerlerini ve kesişimlerini işaretlemek için dümeye basın.</source>
        <translation>Press this button to mark the curve's zeros, extrema and intersections.</translation>
    </message>
    <message>
        <source>Önden Görünüş</source>
        <translation>Front View</translation>
    </message>
    <message>
        <source>Grafiğin xy düzlemine iz düşümünü görmek için dümeye basın.</source>
        <translation>Press this button to see the graph's projection onto the xy plane.</translation>
    </message>
    <message>
        <source>Üstten Görünüş</source>
        <translation>Top View</translation>
    </message>
    <message>
        <source>Grafiğin xz düzlemine iz düşümünü görmek için dümeye basın.</source>
        <translation>Press this button to see the graph's projection onto the xz plane.</translation>
    </message>
    <message>
        <source>Yandan Görünüş</source>
        <translation>Side View</translation>
    </message>
    <message>
        <source>Grafiğin yz düzlemine iz düşümünü görmek için dümeye basın.</source>
        <translation>Press this button to see the graph's projection onto the yz plane.</translation>
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
        <translation>Moves the graph's centre. Hold the right mouse button to drag</translation>
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
        <source>Büyüklük</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Şeklin Büyüklüğünü ayarlamak için butona basın.</source>
        <translation>Press the button to set the size of the picture.</translation>
    </message>
    <message>
        <source>&amp;Dil</source>
        <translation>&amp;Language</translation>
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
        <source>Programın dilini seçer.</source>
        <translation>Chooses the program's language.</translation>
    </message>
    <message>
        <source>Dil değişikliği Velmo yeniden başlatıldığında geçerli olur.</source>
        <translation>The new language takes effect when Velmo is started again.</translation>
    </message>
</context>
</TS>
