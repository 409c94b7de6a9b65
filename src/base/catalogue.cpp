#include "base/catalogue.h"

#include <atomic>
#include <unordered_map>
#include <vector>

namespace {
std::atomic<TTextLanguage> language { TTextLanguage::Turkish };

// The English forms mirror the Turkish ones: the same parts in the same places.
constexpr TCatalogueEntry Entries[] = {
    // The formula engine: compiling.
    { "Bilinmeyen bir ifade => %s", "Unknown expression => %s" },
    { "(Sintax Error)İmla hatası => %s", "(Syntax Error) Spelling error => %s" },
    { "Açılmamış parantez mevcut %s", "There is a parenthesis that was never opened %s" },
    { "Kapatılmamış parantez mevcut %s", "There is a parenthesis that was never closed %s" },
    { "Parantezler dengeli değil. %s", "The parentheses are not balanced. %s" },
    { "%1 ile açılan parantez %2 ile kapatılmiş",
        "a parenthesis opened with %1 is closed with %2" },
    { "%1 fonksiyonundan sonra sonra yanlızca \"(\",\"[\", operatorleri gelmelidir.",
        "%1 must be followed only by the \"(\",\"[\", operators." },
    { "%1 değişkeninden sonra mutlaka bir operator gelmelidir",
        "%1 must be followed by an operator" },
    { "%1 sayısından sonra mutlaka bir operator gelmelidir", "%1 must be followed by an operator" },
    { "%1 sabitinden sonra mutlaka bir operator gelmelidir", "%1 must be followed by an operator" },
    { "%1 değişkeninden sonra%2 operand ı gelmiş", "%1 is followed by the operand %2" },
    { "%1 sayısından sonra%2 operand ı gelmiş", "%1 is followed by the operand %2" },
    { "%1 sabitinden sonra%2operand ı gelmiş", "%1 is followed by the operand %2" },
    { "%1 operatorunden önce bir operand gelmelidir", "%1 must be preceded by an operand" },
    { "%1 operatorunden sonra bir operand gelmelidir", "%1 must be followed by an operand" },
    { "not operatorunden önce bir operator gelmelidir", "not must be preceded by an operator" },
    { "%1 operatorunden sonra mutlaka bir operator gelmelidir",
        "%1 must be followed by an operator" },
    { "%1 fonksiyonu ile iç içe 20'den fazla fonksiyon kullanılamaz",
        "no more than 20 functions can be nested with the function %1" },
    { "Fonksiyon olarak herhangibi bir ifade girilmemiş.(Boş fonksiyon girişi.) %s",
        "No expression has been entered as the function.(Empty function entry.) %s" },
    { "operand eksik", "operand missing" },
    { "Türevi bilinmeyen fonksiyon => %s", "Function whose derivative is unknown => %s" },
    { "Eksik işlenen", "Missing operand" },
    // The formula engine: running.
    { "Operetor ile uyuşmayan değere sağip operand mevcut. Operetor => %s",
        "There is an operand with a value that does not suit the operator. Operator => %s" },
    { "Tanımlanmış fakat işlemleri FunctionEvaluate biloğunda belirtilmemiş function => %s. "
      "Programcı bu bilokta gerekli kotlamayı yapmalıdır.",
        "Function defined but not handled in the FunctionEvaluate block => %s. "
        "The programmer must write the code it needs in this block." },
    { "Tanımlanmış fakat işlemleri OperatorEvaluate biloğunda belirtilmemiş operator => %s. "
      "Programcı bu bilokta gerekli kotlamayı yapmalıdır.",
        "Operator defined but not handled in the OperatorEvaluate block => %s. "
        "The programmer must write the code it needs in this block." },
    // Curves.
    { "Bu eğri daha önce tanımlanmıştır (%d)", "This curve has already been defined (%d)" },
    { "Bilinmeyen eğri tipi (%d)", "Unknown curve type (%d)" },
    { "Nokta aralığı geçersiz (%s): sıfırdan büyük bir sayı olmalıdır",
        "Invalid point interval (%s): it must be a number greater than zero" },
    { "Nokta aralığı çok küçük (%s): bir eğri en çok 10000000 noktadan oluşabilir",
        "Point interval too small (%s): a curve may have at most 10000000 points" },
    { "Eğri oluşturma durduruldu", "Curve generation stopped" },
    { "Önemli noktalar ve ölçüler yalnızca bir değişkenli eğrilerde bulunur",
        "Points of interest and measures are found only on curves of one variable" },
    { "Türev yalnızca bir değişkenli eğrilerde çizilir",
        "The derivative is drawn only for curves of one variable" },
    { "Aralık bu nokta aralığıyla taranamayacak kadar geniş",
        "The range is too wide to be scanned with this point interval" },
    { "Sıfır", "Zero" },
    { "Maksimum", "Maximum" },
    { "Kesişim", "Intersection" },
    { "Kırılma", "Break" },
    // The curve types: the explorer's list, the numeric values window, the library's ranges.
    { "XY Düzleminde (x değisken)", "In the XY plane (x variable)" },
    { "XZ Düzleminde (x değisken)", "In the XZ plane (x variable)" },
    { "YZ Düzleminde (y değisken)", "In the YZ plane (y variable)" },
    { "XYZUzayında    (x değisken)", "In XYZ space    (x variable)" },
    { "Küresel Sistemde   (a ve b değisken)", "Spherical   (a and b variables)" },
    { "Kutupsal Koordinatlarda (a değisken)", "In polar coordinates (a variable)" },
    { "Silindirik Koordinatlarda  (t  değisken)", "In cylindrical coordinates  (t  variable)" },
    { "XY Düzlem Eğrisi", "XY Plane Curve" },
    { "XZ Düzlem Eğrisi", "XZ Plane Curve" },
    { "YZ Düzlem Eğrisi", "YZ Plane Curve" },
    { "Uzay Eğrisi", "Space Curve" },
    { "XYZ Uzay Eğrisi", "XYZ Space Curve" },
    { "Küresel Eğri", "Spherical Curve" },
    { "Küresel Sistem Eğrisi", "Spherical System Curve" },
    { "Kutupsal Eğri", "Polar Curve" },
    { "Kutupsal Koordinat Eğrisi", "Polar Coordinate Curve" },
    { "Silindirik Eğri", "Cylindrical Curve" },
    { "Silindirik Koordinat Eğrisi", "Cylindrical Coordinate Curve" },
    { "Yanlız XY Düzlem Eğrileri", "Only XY Plane Curves" },
    { "Yanlız XZ Düzlem Eğriler", "Only XZ Plane Curves" },
    { "Yanlız YZ Düzlem Eğriler", "Only YZ Plane Curves" },
    { "Yanlız XYZUzay Eğriler", "Only XYZ Space Curves" },
    { "Yanlız Küresel Sistem Eğriler", "Only Spherical System Curves" },
    { "Yanlız Kutupsal Koordinat Eğriler", "Only Polar Coordinate Curves" },
    { "Yanlız Silindirik Koordinat Eğriler", "Only Cylindrical Coordinate Curves" },
    { "XYZ Yüzey", "XYZ Surface" },
    { "XY Düzleminde", "In the XY plane" },
    { "XZ Düzleminde", "In the XZ plane" },
    { "YZ Düzleminde", "In the YZ plane" },
    { "XYZ Uzayında", "In XYZ space" },
    { "Küresel Sistemde", "Spherical" },
    { "Kutupsal Koordinatlarda", "In polar coordinates" },
    { "Silindirik Koordinatlarda", "In cylindrical coordinates" },
    { "Parametrik Yüzey", "Parametric Surface" },
    { "Yanlız XYZ Yüzeyler", "Only XYZ Surfaces" },
    { "Yanlız Parametrik Yüzeyler", "Only Parametric Surfaces" },
};

const std::unordered_map<std::string_view, const char*>& englishForms()
{
    static const auto forms = [] {
        std::unordered_map<std::string_view, const char*> map;
        for (const TCatalogueEntry& entry : Entries)
            map.emplace(entry.Turkish, entry.English);
        return map;
    }();
    return forms;
}
}

void SetTextLanguage(TTextLanguage chosen) { language.store(chosen, std::memory_order_relaxed); }

TTextLanguage TextLanguage() { return language.load(std::memory_order_relaxed); }

std::span<const TCatalogueEntry> CatalogueEntries() { return Entries; }

const char* EnglishOf(std::string_view turkish)
{
    const auto& forms = englishForms();
    const auto found = forms.find(turkish);
    return found == forms.end() ? nullptr : found->second;
}

const char* Localized(const char* turkish)
{
    if (TextLanguage() == TTextLanguage::Turkish)
        return turkish;
    const char* english = EnglishOf(turkish);
    return english != nullptr ? english : turkish;
}

std::string FormatArguments(
    std::string_view format, std::initializer_list<std::string_view> arguments)
{
    const std::vector<std::string_view> given(arguments);
    std::string result;
    result.reserve(format.size());
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] >= '1'
            && format[i + 1] <= '9') {
            const auto k = static_cast<std::size_t>(format[i + 1] - '1');
            if (k < given.size()) {
                result.append(given[k]);
                ++i;
                continue;
            }
        }
        result += format[i];
    }
    return result;
}
