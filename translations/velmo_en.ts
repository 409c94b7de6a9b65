<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="tr_TR">
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
        <translation>Chooses the program&apos;s language.</translation>
    </message>
    <message>
        <source>Dil değişikliği Velmo yeniden başlatıldığında geçerli olur.</source>
        <translation>The new language takes effect when Velmo is started again.</translation>
    </message>
</context>
</TS>
