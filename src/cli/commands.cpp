#include "cli/commands.h"

#include "base/message.h"
#include "base/number_text.h"
#include "base/text.h"
#include "cli/command_error.h"
#include "cli/command_text.h"
#include "cli/curve_option.h"
#include "cli/png_picture.h"
#include "curves/points_of_interest.h"
#include "curves/object_list.h"
#include "curves/point_table.h"
#include "engine/fonksiyon.h"
#include "engine/formula_separator.h"
#include "engine/variable_memory.h"
#include "files/animation_run.h"
#include "files/graph_settings.h"
#include "files/ini_file.h"
#include "files/language.h"
#include "files/picture_file.h"
#include "files/safe_file.h"
#include "files/scene_file.h"
#include "files/scene_view.h"
#include "render/draw_function.h"
#include "render/four_view.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <ostream>

namespace {
constexpr int DefaultWidth = 800;
constexpr int DefaultHeight = 600;
constexpr int MaxSize = 20000;
// The range of a scene file's zoom.
constexpr long double MinZoomPercent = 1e-3L;
constexpr long double MaxZoomPercent = 1e6L;
constexpr long double MaxAngle = 1e9L;
// Qt's PNG quality 80 is zlib's fastest level: a picture of a few flat colours
// packs nearly as small as at the default level in a fraction of the time.
constexpr int PngQuality = 80;

const char* const Overview
    = QT_TRANSLATE_NOOP("TCommandText", R"(Kullanım: velmo [KOMUT] [SEÇENEKLER]

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
)");

const char* const RenderHelp
    = QT_TRANSLATE_NOOP("TCommandText", R"(Kullanım: velmo render -o OUT [SEÇENEKLER]

Bu boyuttaki bir grafik penceresinin göstereceği resmi OUT dosyasına yazar;
tür uzantıdan anlaşılır: .png, .bmp, .jpg; .svg ve .pdf çizgi çizim olarak,
grafik penceresinin "Farklı Kaydet..." ile yazdığı gibi.
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
  --sweep AD=A:B:N          animasyon: AD parametresi A'dan B'ye N resimde değişir
  --turn DERECE:N           animasyon: görünüş düşey ekseni çevresinde N resimde
                            DERECE kadar döner (her resimde DERECE/N)
  --fps N                   animasyonun saniyedeki resim sayısı (varsayılan 20)
Animasyonun OUT'u .gif, .webp ya da numaralı PNG dosyalarıdır (ad_%03d.png).
Verilmeyenler ayar dosyasının (Norvadeks.ini) varsayılanlarından alınır.
)");

const char* const TableHelp = QT_TRANSLATE_NOOP("TCommandText",
    R"(Kullanım: velmo table (--curve TANIM | --scene FILE.vlm [--index N]) [SEÇENEKLER]

Eğrinin noktalarını tablo olarak yazar: başlık n,x,y,z ve her nokta için bir satır.
Parametreli bir eğrinin tablosu, başlıktan önce değerlerini veren bir satırla
başlar: # k = 2; m = 0.5
  --curve TANIM             eğri
  --scene FILE.vlm          sahne dosyası; --index N onun N. eğrisi (1'den sayılır,
                            varsayılan sahnenin seçili eğrisi)
  --param AD=DEĞER          formüldeki bir parametreye değer verir (birden çok
                            verilebilir; sahne dosyasındaki değerin yerine geçer)
  --format csv|tsv          csv: virgülle ayrılmış, ondalık nokta; tsv: sekmeyle
                            ayrılmış, bölgesel ondalık ayracı (varsayılan csv, .tsv
                            uzantılı OUT için tsv)
  -o, --output OUT          yazılacak dosya (verilmezse standart çıktı)
)");

const char* const InspectHelp = QT_TRANSLATE_NOOP("TCommandText",
    R"(Kullanım: velmo inspect (--curve TANIM | --scene FILE.vlm [--index N]) [SEÇENEKLER]

Bir değişkenli bir eğrinin önemli noktalarını formüllerinden bulup CSV olarak
yazar: başlık kind,of,at,x,y,z; her nokta için bir satır (zero, minimum,
maximum, intersection ya da break), serbest değişkenin değerine göre sıralı.
--measure ile başlık measure,value,error; satırlar length ve (düzlem türlerinde) area.
  --curve TANIM             eğri
  --scene FILE.vlm          sahne dosyası; --index N onun N. eğrisi (1'den sayılır,
                            varsayılan sahnenin seçili eğrisi)
  --with TANIM              kesişimleri aranan bir eğri daha (aynı düzlem türünde;
                            birden çok verilebilir, 2'den numaralanır)
  --param AD=DEĞER          formüldeki bir parametreye değer verir (birden çok
                            verilebilir; sahne dosyasındaki değerin yerine geçer)
  --from A, --to B          aranan aralık (varsayılan türün bütün aralığı)
  --measure                 noktalar yerine yay uzunluğu ve işaretli alan
  -o, --output OUT          yazılacak dosya (verilmezse standart çıktı)
)");

const char* const EvalHelp
    = QT_TRANSLATE_NOOP("TCommandText", R"(Kullanım: velmo eval FORMÜL [AD=DEĞER]... [--postfix]

Formülün değerini hesap makinesinin gösterdiği gibi yazar (15 anlamlı basamak,
bölgesel ondalık ayracı). AD=DEĞER formüldeki bir değişkene değer verir.
  --postfix                 değer yerine formülün postfix biçimini yazar
Eksiyle başlayan bir formülden önce -- yazın: velmo eval -- -x+1 x=2
)");

std::string text(const QString& s) { return s.toStdString(); }

// A message for the error output: a control character (of a file name, say) as
// its code, "\x1b", never raw; the line breaks between messages stay.
std::string shown(const std::string& message)
{
    std::string result;
    for (const char c : message) {
        const auto code = static_cast<unsigned char>(c);
        if ((code < 0x20 && c != '\n') || code == 0x7f) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02x", code);
            result += buffer;
        } else
            result += c;
    }
    return result;
}

[[noreturn]] void usage(const std::string& message)
{
    throw ECommandError(ecUsage, message);
}

// ---- Parsing ------------------------------------------------------------------------

struct TParsed {
    QCommandLineParser Parser;
    QStringList Positional;
};

// Parses arguments (the command's own, after its name) with options; the
// parser's English messages are replaced by our own.
void parse(TParsed& p, const QString& command, const QStringList& arguments,
    const QList<QCommandLineOption>& options)
{
    QCommandLineParser& parser = p.Parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options);
    parser.addOption(QCommandLineOption(QStringList { "h", "help" }));
    // A value option at the end has no value.
    for (const QCommandLineOption& option : options) {
        if (option.valueName().isEmpty() || arguments.isEmpty())
            continue;
        for (const QString& name : option.names()) {
            const QString last = arguments.last();
            if (last == "-" + name || last == "--" + name)
                usage(
                    FormatText(Said(TCommandText::tr("%s seçeneğinin değeri eksik")), text(last)));
        }
    }
    if (!parser.parse(QStringList { "velmo " + command } + arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            usage(FormatText(Said(TCommandText::tr("bilinmeyen seçenek: %s")),
                text((unknown.first().size() == 1 ? "-" : "--") + unknown.first())));
        usage(text(parser.errorText()));
    }
    p.Positional = parser.positionalArguments();
}

bool readSize(const QString& value, int& width, int& height)
{
    const QStringList parts = value.toLower().split('x');
    if (parts.size() != 2)
        return false;
    bool okW = false, okH = false;
    width = parts[0].toInt(&okW);
    height = parts[1].toInt(&okH);
    return okW && okH && width >= 1 && height >= 1 && width <= MaxSize && height <= MaxSize
        && !parts[0].startsWith('+') && !parts[1].startsWith('+');
}

bool readAngles(const QString& value, long double& ax, long double& ay)
{
    const QStringList parts = value.split(',');
    if (parts.size() != 2)
        return false;
    return ReadNumber(text(parts[0].trimmed()), ax) && ReadNumber(text(parts[1].trimmed()), ay)
        && std::fabs(ax) <= MaxAngle && std::fabs(ay) <= MaxAngle;
}

// ---- Curves -------------------------------------------------------------------------

// The line that names the names of a formula nothing gives a value, which read 0.
void warnUnset(std::ostream& err, const std::string& prefix, const std::vector<std::string>& names)
{
    if (names.empty())
        return;
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + name;
    err << prefix << FormatText(Said(TCommandText::tr("%s için değer verilmedi, 0 alındı")), list)
        << "\n";
}

ECommandError curveError(int number, const char* field, const std::string& message)
{
    return ECommandError(ecRefused, CurvePrefix(number, field == nullptr ? "" : field) + message);
}

// Checks a curve's formulas and step, naming the field of the first fault: each
// formula is compiled on its own, so that the message tells which one is wrong.
void checkCurve(const TEditorValues& v, int number)
{
    const bool used[3] = { UsesFx(v.CurveType), UsesFy(v.CurveType), UsesFz(v.CurveType) };
    const std::string* texts[3] = { &v.Fx, &v.Fy, &v.Fz };
    const char* names[3] = { "fx", "fy", "fz" };
    for (int i = 0; i < 3; ++i) {
        if (!used[i])
            continue;
        TVariableMemory memory;
        TFonksiyon formula;
        formula.SetMemory(&memory);
        try {
            formula.SetText(*texts[i]);
        } catch (const Exception& e) {
            throw curveError(number, names[i], e.Message());
        }
    }
    try {
        TObjectList::CheckStep(v.CurveType, v.Step);
    } catch (const Exception& e) {
        throw curveError(number, "step", e.Message());
    }
}

// Adds a checked curve to list.
void appendCurve(TObjectList& list, const TEditorValues& v, int number)
{
    checkCurve(v, number);
    try {
        AppendCurve(list, v);
    } catch (const Exception& e) {
        throw curveError(number, nullptr, e.Message());
    }
}

// ---- Parameters ---------------------------------------------------------------------

// A value --param NAME=VALUE gives.
struct TGivenValue {
    std::string Name;
    long double Value = 0;
};

// Each --param NAME=VALUE, the number with the point or the user's separator.
std::vector<TGivenValue> readParameterValues(const QStringList& items)
{
    std::vector<TGivenValue> result;
    for (const QString& item : items) {
        const std::string s = text(item);
        const std::size_t eq = s.find('=');
        if (eq == std::string::npos || eq == 0)
            usage(FormatText(
                Said(TCommandText::tr("parametre AD=DEĞER biçiminde verilmeli: %s")), s));
        TGivenValue given { s.substr(0, eq), 0 };
        if (!ReadNumber(s.substr(eq + 1), given.Value))
            throw ECommandError(ecRefused,
                given.Name + ": "
                    + FormatText("'%s' is not a valid floating point value", s.substr(eq + 1)));
        result.push_back(std::move(given));
    }
    return result;
}

// A scene's parameters with the given values over theirs; a name the scene has no settings
// for takes a new parameter's.
std::vector<TParameter> withGivenValues(
    std::vector<TParameter> parameters, const std::vector<TGivenValue>& values)
{
    for (const TGivenValue& given : values) {
        auto at = std::find_if(parameters.begin(), parameters.end(),
            [&](const TParameter& p) { return CompareTextNoCase(p.Name, given.Name) == 0; });
        if (at == parameters.end())
            at = parameters.insert(parameters.end(), TParameter { .Name = given.Name });
        at->Value = given.Value;
    }
    return parameters;
}

// The usage error for a name given a value (or swept) that no curve of list uses.
void checkParameterName(const TObjectList& list, const std::string& name)
{
    if (list.Parameters().Find(name) == nullptr)
        usage(FormatText(Said(TCommandText::tr("bilinmeyen parametre: \"%s\"")), name));
}

// Gives list's curves the parameters; each name --param gives must be one of theirs.
void applyParameters(TObjectList& list, const std::vector<TParameter>& parameters,
    const std::vector<TGivenValue>& values)
{
    for (const TGivenValue& given : values)
        checkParameterName(list, given.Name);
    list.ApplyParameters(parameters);
}

// Names on err the parameters of curve index of list (number from 1 in the message) that
// neither parameters nor an animation (swept) gives a value, which read 0.
void warnUnsetParameters(std::ostream& err, const TObjectList& list, int index, int number,
    const std::vector<TParameter>& parameters, const std::string& swept = {})
{
    std::vector<std::string> unset;
    for (const std::string& name : list.CurveParameters(index))
        if (CompareTextNoCase(name, swept) != 0
            && std::none_of(parameters.begin(), parameters.end(),
                [&](const TParameter& p) { return CompareTextNoCase(p.Name, name) == 0; }))
            unset.push_back(name);
    warnUnset(err, "curve " + std::to_string(number) + ": ", unset);
}

// The scene file's good curves and view over defaults; a curve left out stops the
// command, since nobody can be asked whether to go on without it.
TScene readScene(const QString& fileName, const TScene& defaults)
{
    TSceneRead read;
    try {
        read = ReadSceneFile(fileName, defaults);
    } catch (const Exception& e) {
        throw ECommandError(ecRefused, e.Message());
    }
    if (!read.BadCurves.empty()) {
        std::string message;
        for (const TSceneCurveFault& fault : read.BadCurves)
            message += (message.empty() ? "" : "\n") + fault.Message;
        throw ECommandError(ecRefused, message);
    }
    return read.Scene;
}

TScene newWindowScene(const TCommandContext& context)
{
    TScene scene;
    scene.Look = ReadGraphSettings(TIniFile(context.SettingsFile), TGraphSettings {});
    scene.Width = DefaultWidth;
    scene.Height = DefaultHeight;
    scene.X0 = DefaultWidth / 2;
    scene.Y0 = DefaultHeight / 2;
    return scene;
}

// ---- Output -------------------------------------------------------------------------

// Replaces fileName by a complete new file, or leaves it as it was.
void writeAtomically(const QString& fileName, const std::function<bool(QIODevice&)>& write)
{
    TSafeFile file(fileName);
    if (!file.Open() || !write(file.Device()) || !file.Commit())
        throw ECommandError(ecRefused, FormatText("Cannot create file %s", text(fileName)));
}

// ---- render -------------------------------------------------------------------------

constexpr int MaxAnimationFrames = 10000;
constexpr int MaxFramesPerSecond = 100;

struct TAnimationRequest {
    TAnimationMove Move;
    TAnimationFileType Type = TAnimationFileType::Gif;
    int Fps = 20;
};

bool readFrameCount(const QString& value, int& frames)
{
    long long n = 0;
    if (!TryTextToInt(text(value.trimmed()), n) || n < 1 || n > MaxAnimationFrames)
        return false;
    frames = static_cast<int>(n);
    return true;
}

// --sweep NAME=FROM:TO:FRAMES or --turn DEGREES:FRAMES with --fps N, and an output an
// animation can be written to; nothing when neither is given.
std::optional<TAnimationRequest> readAnimation(const QCommandLineParser& parser,
    const QCommandLineOption& sweep, const QCommandLineOption& turn,
    const QCommandLineOption& fps, const QString& out)
{
    if (!parser.isSet(sweep) && !parser.isSet(turn)) {
        if (parser.isSet(fps))
            usage(Said(TCommandText::tr("--fps yalnızca --sweep ya da --turn ile verilir")));
        return std::nullopt;
    }
    if (parser.isSet(sweep) && parser.isSet(turn))
        usage(Said(TCommandText::tr("--sweep ile --turn birlikte verilemez")));
    if (parser.values(sweep).size() > 1 || parser.values(turn).size() > 1)
        usage(Said(TCommandText::tr("bir animasyon tek bir --sweep ya da --turn ile verilir")));
    TAnimationRequest request;
    if (parser.isSet(sweep)) {
        const QString value = parser.value(sweep);
        const qsizetype eq = value.indexOf('=');
        const QStringList parts = value.mid(eq + 1).split(':');
        TAnimationMove& m = request.Move;
        if (eq > 0)
            m.Parameter = text(value.left(eq).trimmed().toLower());
        if (eq <= 0 || m.Parameter.empty() || parts.size() != 3
            || !ReadNumber(text(parts[0].trimmed()), m.From)
            || !ReadNumber(text(parts[1].trimmed()), m.To) || !readFrameCount(parts[2], m.Frames))
            usage(FormatText(Said(TCommandText::tr(
                                 "--sweep AD=BAŞLANGIÇ:BİTİŞ:RESİM biçiminde olmalı (RESİM 1 ile "
                                 "10000 arasında): %s")),
                text(value)));
    } else {
        const QString value = parser.value(turn);
        const QStringList parts = value.split(':');
        TAnimationMove& m = request.Move;
        m.Turn = true;
        if (parts.size() != 2 || !ReadNumber(text(parts[0].trimmed()), m.Degrees)
            || std::fabs(m.Degrees) > MaxAngle || !readFrameCount(parts[1], m.Frames))
            usage(FormatText(
                Said(TCommandText::tr(
                    "--turn DERECE:RESİM biçiminde olmalı (RESİM 1 ile 10000 arasında): %s")),
                text(value)));
    }
    if (parser.isSet(fps)) {
        long long n = 0;
        if (!TryTextToInt(text(parser.value(fps).trimmed()), n) || n < 1
            || n > MaxFramesPerSecond)
            usage(FormatText(
                Said(TCommandText::tr("--fps 1 ile 100 arasında bir tam sayı olmalı: %s")),
                text(parser.value(fps))));
        request.Fps = static_cast<int>(n);
    }
    if (!AnimationFileTypeOf(out, request.Type))
        usage(FormatText(Said(TCommandText::tr(
                             "bilinmeyen animasyon türü: \"%s\" (.gif, .webp ya da ad_%03d.png "
                             "gibi numaralı .png olmalı)")),
            text(out)));
    return request;
}

// The frames of an animation, each the picture this command gives for one parameter value or
// pair of angles, written to out whole or not at all.
void writeAnimation(TDrawFunction& renderer, const TScene& scene,
    const TAnimationRequest& request, const QString& out)
{
    if (!request.Move.Turn)
        checkParameterName(renderer.Objects(), request.Move.Parameter);
    try {
        TAnimationWriter writer(out, request.Type, request.Fps);
        RenderAnimation(
            renderer, scene.FourView, QSize(scene.Width, scene.Height), request.Move, writer);
        writer.Finish();
    } catch (const ECommandError&) {
        throw;
    } catch (const Exception& e) {
        throw ECommandError(ecRefused, e.Message());
    }
}

int runRender(const QStringList& arguments, const TCommandContext& context)
{
    const QCommandLineOption output(QStringList { "o", "output" }, "", "OUT");
    const QCommandLineOption curve("curve", "", "TANIM");
    const QCommandLineOption sceneFile("scene", "", "FILE");
    const QCommandLineOption size("size", "", "WxH");
    const QCommandLineOption zoom("zoom", "", "PERCENT");
    const QCommandLineOption angles("angles", "", "AX,AY");
    const QCommandLineOption perspective("perspective");
    const QCommandLineOption parallel("parallel");
    const QCommandLineOption fourView("four-view");
    const QCommandLineOption planes("planes", "", "LIST");
    const QCommandLineOption background("background", "", "COLOR");
    const QCommandLineOption smooth("smooth");
    const QCommandLineOption sweep("sweep", "", "NAME=FROM:TO:FRAMES");
    const QCommandLineOption turn("turn", "", "DEGREES:FRAMES");
    const QCommandLineOption fps("fps", "", "N");
    const QCommandLineOption param("param", "", "NAME=VALUE");
    TParsed p;
    parse(p, "render", arguments,
        { output, curve, sceneFile, size, zoom, angles, perspective, parallel, fourView, planes,
            background, smooth, sweep, turn, fps, param });
    const QCommandLineParser& parser = p.Parser;
    if (parser.isSet("help")) {
        context.Out << Said(TCommandText::tr(RenderHelp));
        return ecSuccess;
    }
    if (!p.Positional.isEmpty())
        usage(FormatText(
            Said(TCommandText::tr("beklenmeyen argüman: %s")), text(p.Positional.first())));
    if (!parser.isSet(output))
        usage(Said(TCommandText::tr("çıktı dosyası verilmedi (-o OUT)")));
    const QString out = parser.value(output);
    const QString suffix = QFileInfo(out).suffix().toLower();
    const char* format = nullptr;
    std::optional<TPictureFileType> vectorType;
    const std::optional<TAnimationRequest> animation = readAnimation(parser, sweep, turn, fps, out);
    if (animation) {
        // The output's type is the animation's.
    } else if (suffix == "png") {
        format = "png";
    } else if (suffix == "bmp") {
        format = "bmp";
    } else if (suffix == "jpg" || suffix == "jpeg") {
        format = "jpg";
    } else if (suffix == "svg") {
        vectorType = TPictureFileType::Svg;
    } else if (suffix == "pdf") {
        vectorType = TPictureFileType::Pdf;
    } else {
        usage(FormatText(
            Said(TCommandText::tr(
                "bilinmeyen resim türü: \"%s\" (.png, .bmp, .jpg, .svg ya da .pdf olmalı)")),
            text(out)));
    }
    if (parser.isSet(perspective) && parser.isSet(parallel))
        usage(Said(TCommandText::tr("--perspective ile --parallel birlikte verilemez")));
    const std::vector<TGivenValue> given = readParameterValues(parser.values(param));

    // The view: a new window's, or the scene file's, then the options over it.
    TScene scene = newWindowScene(context);
    if (parser.isSet(sceneFile))
        scene = readScene(parser.value(sceneFile), scene);
    const int sceneViewWidth = scene.FourView ? scene.Width / 2 : scene.Width;
    const int sceneViewHeight = scene.FourView ? scene.Height / 2 : scene.Height;
    if (parser.isSet(size) && !readSize(parser.value(size), scene.Width, scene.Height))
        usage(
            FormatText(Said(TCommandText::tr(
                           "boyut GENİŞLİKxYÜKSEKLİK biçiminde, 1 ile 20000 arasında olmalı: %s")),
                text(parser.value(size))));
    if (parser.isSet(zoom)) {
        long double percent = 0;
        if (!ReadNumber(text(parser.value(zoom)), percent) || !(percent >= MinZoomPercent)
            || percent > MaxZoomPercent)
            usage(
                FormatText(Said(TCommandText::tr(
                               "büyüklük yüzdesi 0,001 ile 1000000 arasında bir sayı olmalı: %s")),
                    text(parser.value(zoom))));
        scene.ZoomPercent = percent;
    }
    if (parser.isSet(angles)
        && !readAngles(parser.value(angles), scene.XAxisAngle, scene.YAxisAngle))
        usage(FormatText(Said(TCommandText::tr("açılar AX,AY biçiminde iki sayı olmalı: %s")),
            text(parser.value(angles))));
    if (parser.isSet(perspective) || parser.isSet(parallel))
        scene.Look.Perspective = parser.isSet(perspective);
    if (parser.isSet(fourView))
        scene.FourView = true;
    if (parser.isSet(planes)) {
        bool shown[3] = { false, false, false };
        const QString list = parser.value(planes).toLower();
        if (list != "none") {
            for (const QString& name : list.split(',')) {
                const int index = QStringList { "xy", "xz", "yz" }.indexOf(name.trimmed());
                if (index < 0)
                    usage(FormatText(Said(TCommandText::tr(
                                         "düzlemler xy, xz, yz listesi ya da none olmalı: %s")),
                        text(parser.value(planes))));
                shown[index] = true;
            }
        }
        for (int i = 0; i < 3; ++i)
            scene.Look.Planes[i].Visible = shown[i];
    }
    if (parser.isSet(background)) {
        const std::optional<TColor> color = ParseColor(text(parser.value(background)));
        if (!color)
            usage(FormatText(
                Said(TCommandText::tr("renk, renk listesindeki bir ad ya da #rrggbb olmalı: %s")),
                text(parser.value(background))));
        scene.Look.Background = *color;
    }
    const int first = static_cast<int>(scene.Curves.size()) + 1;
    const QStringList curves = parser.values(curve);
    for (int i = 0; i < curves.size(); ++i)
        scene.Curves.push_back(ParseCurveOption(text(curves[i]), first + i));
    // The scene gives its curves the parameters' values, and --param over them.
    scene.Parameters = withGivenValues(std::move(scene.Parameters), given);

    // The renderer as a graph window of that size sets it up; the origin keeps its
    // place relative to the middle of the view when the size changes.
    const int viewWidth = scene.FourView ? scene.Width / 2 : scene.Width;
    const int viewHeight = scene.FourView ? scene.Height / 2 : scene.Height;
    scene.X0 = viewWidth / 2 + (scene.X0 - sceneViewWidth / 2);
    scene.Y0 = viewHeight / 2 + (scene.Y0 - sceneViewHeight / 2);
    TDrawFunction renderer;
    renderer.SetSize(viewWidth, viewHeight);
    // A picture too large for the memory there is: a null image, not a file fault.
    if (renderer.Image().isNull())
        throw std::bad_alloc();
    renderer.SetMoveStep(20);
    int interval = scene.Look.AnimInterval;
    int number = 0; // the curve being added, from 1
    try {
        ApplyScene(scene, renderer, interval, [&number](const TEditorValues& v, int index) {
            number = index + 1;
            checkCurve(v, number);
        });
    } catch (const ECommandError&) {
        throw;
    } catch (const Exception& e) {
        throw curveError(number, nullptr, e.Message());
    }
    for (const TGivenValue& value : given)
        checkParameterName(renderer.Objects(), value.Name);
    renderer.SetSmoothLines(parser.isSet(smooth));
    const std::string swept = animation && !animation->Move.Turn ? animation->Move.Parameter : "";
    for (int i = 0; i < renderer.Objects().Count(); ++i)
        warnUnsetParameters(context.Err, renderer.Objects(), i, i + 1, scene.Parameters, swept);

    if (animation) {
        writeAnimation(renderer, scene, *animation, out);
        return ecSuccess;
    }
    if (vectorType) {
        // As the graph window saves it: the last projection painted as vectors, the four
        // views each rendered again in turn.
        if (!scene.FourView)
            renderer.Render(true);
        try {
            WriteSceneVectorPicture(
                renderer, scene.FourView, QSize(scene.Width, scene.Height), out, *vectorType);
        } catch (const Exception& e) {
            throw ECommandError(ecRefused, e.Message());
        }
        return ecSuccess;
    }
    QImage picture;
    if (scene.FourView) {
        picture = ComposeFourView(RenderFourViews(renderer).Views, scene.Width, scene.Height);
    } else {
        renderer.Render(true);
        picture = renderer.Image();
    }
    if (picture.isNull())
        throw std::bad_alloc();
    writeAtomically(out, [&](QIODevice& device) {
        QImageWriter writer(&device, format);
        if (suffix != "png")
            return writer.write(picture);
        writer.setQuality(PngQuality);
        const QImage png = PngPicture(picture);
        if (png.isNull())
            throw std::bad_alloc();
        return writer.write(png);
    });
    return ecSuccess;
}

// ---- One curve of a command ---------------------------------------------------------

struct TCurveOptions {
    QCommandLineOption Curve { "curve", "", "TANIM" };
    QCommandLineOption SceneFile { "scene", "", "FILE" };
    QCommandLineOption Index { "index", "", "N" };
};

// The one curve that --curve or --scene with --index names, and its number for
// the messages; parameters takes the scene's parameters.
TEditorValues chosenCurve(const QCommandLineParser& parser, const TCurveOptions& o,
    const char* command, const TCommandContext& context, int& number,
    std::vector<TParameter>& parameters)
{
    if (parser.isSet(o.Curve) == parser.isSet(o.SceneFile))
        usage(
            Said(TCommandText::tr("bir eğri verilmeli: ya --curve TANIM ya da --scene FILE.vlm")));
    if (parser.values(o.Curve).size() > 1)
        usage(FormatText(Said(TCommandText::tr(
                             "%s tek bir eğrinin noktalarını yazar: --curve bir kez verilmeli")),
            command));
    if (parser.isSet(o.Index) && !parser.isSet(o.SceneFile))
        usage(Said(TCommandText::tr("--index yalnızca --scene ile verilir")));
    number = 1;
    if (parser.isSet(o.Curve))
        return ParseCurveOption(text(parser.value(o.Curve)), 1);
    const TScene scene = readScene(parser.value(o.SceneFile), newWindowScene(context));
    const int count = static_cast<int>(scene.Curves.size());
    number = scene.CurrentCurve >= 0 ? scene.CurrentCurve + 1 : 1;
    if (parser.isSet(o.Index)) {
        long long n = 0;
        if (!TryTextToInt(text(parser.value(o.Index)), n) || n < 1)
            usage(FormatText(
                Said(TCommandText::tr("eğri numarası 1'den başlayan bir tam sayı olmalı: %s")),
                text(parser.value(o.Index))));
        if (n > count)
            throw ECommandError(ecRefused,
                FormatText(
                    FormatText(Said(TCommandText::tr("sahnede %d eğri var; %s. eğri yok")), count),
                    text(parser.value(o.Index))));
        number = static_cast<int>(n);
    } else if (count == 0) {
        throw ECommandError(ecRefused, Said(TCommandText::tr("sahnede eğri yok")));
    }
    parameters = scene.Parameters;
    return scene.Curves[static_cast<std::size_t>(number - 1)];
}

// Writes text to the standard output, or replaces the file named by -o.
void writeOutput(const QCommandLineParser& parser, const QCommandLineOption& output,
    const std::string& out, const TCommandContext& context)
{
    if (!parser.isSet(output)) {
        context.Out.write(out.data(), static_cast<std::streamsize>(out.size()));
        context.Out.flush();
        return;
    }
    writeAtomically(parser.value(output), [&](QIODevice& device) {
        return device.write(out.data(), static_cast<qint64>(out.size()))
            == static_cast<qint64>(out.size());
    });
}

// ---- table --------------------------------------------------------------------------

int runTable(const QStringList& arguments, const TCommandContext& context)
{
    const QCommandLineOption output(QStringList { "o", "output" }, "", "OUT");
    const TCurveOptions curveOptions;
    const QCommandLineOption format("format", "", "csv|tsv");
    const QCommandLineOption param("param", "", "NAME=VALUE");
    TParsed p;
    parse(p, "table", arguments,
        { output, curveOptions.Curve, curveOptions.SceneFile, curveOptions.Index, format, param });
    const QCommandLineParser& parser = p.Parser;
    if (parser.isSet("help")) {
        context.Out << Said(TCommandText::tr(TableHelp));
        return ecSuccess;
    }
    if (!p.Positional.isEmpty())
        usage(FormatText(
            Said(TCommandText::tr("beklenmeyen argüman: %s")), text(p.Positional.first())));

    TPointTableFormat tableFormat = TPointTableFormat::Csv;
    const QString out = parser.value(output);
    if (parser.isSet(format)) {
        const QString name = parser.value(format).toLower();
        if (name == "tsv")
            tableFormat = TPointTableFormat::Tsv;
        else if (name != "csv")
            usage(FormatText(Said(TCommandText::tr("tablo biçimi csv ya da tsv olmalı: %s")),
                text(parser.value(format))));
    } else if (QFileInfo(out).suffix().toLower() == "tsv") {
        tableFormat = TPointTableFormat::Tsv;
    }

    const std::vector<TGivenValue> given = readParameterValues(parser.values(param));
    int number = 1;
    std::vector<TParameter> parameters;
    const TEditorValues values
        = chosenCurve(parser, curveOptions, "table", context, number, parameters);
    parameters = withGivenValues(std::move(parameters), given);
    TObjectList list;
    appendCurve(list, values, number);
    applyParameters(list, parameters, given);
    warnUnsetParameters(context.Err, list, 0, number, parameters);
    writeOutput(parser, output,
        PointTableParameterLine(list.Parameters(), list.CurveParameters(0), tableFormat)
            + PointTableText(*list.Items(0).Points, tableFormat),
        context);
    return ecSuccess;
}

// ---- inspect ------------------------------------------------------------------------

// A number of the CSV: 15 significant digits with the point; empty when not finite.
std::string csvNumber(long double value)
{
    if (!std::isfinite(value))
        return "";
    std::string s = FloatToText(value);
    std::replace(s.begin(), s.end(), DecimalSeparator(), '.');
    return s;
}

long double boundOption(
    const QCommandLineParser& parser, const QCommandLineOption& option, long double otherwise)
{
    if (!parser.isSet(option))
        return otherwise;
    long double v = 0;
    if (!ReadNumber(text(parser.value(option)), v) || !std::isfinite(v))
        usage(FormatText(
            Said(TCommandText::tr("aralık ucu bir sayı olmalı: %s")), text(parser.value(option))));
    return v;
}

int runInspect(const QStringList& arguments, const TCommandContext& context)
{
    const QCommandLineOption output(QStringList { "o", "output" }, "", "OUT");
    const TCurveOptions curveOptions;
    const QCommandLineOption with("with", "", "TANIM");
    const QCommandLineOption param("param", "", "NAME=VALUE");
    const QCommandLineOption from("from", "", "A");
    const QCommandLineOption to("to", "", "B");
    const QCommandLineOption measure("measure");
    TParsed p;
    parse(p, "inspect", arguments,
        { output, curveOptions.Curve, curveOptions.SceneFile, curveOptions.Index, with, param, from,
            to, measure });
    const QCommandLineParser& parser = p.Parser;
    if (parser.isSet("help")) {
        context.Out << Said(TCommandText::tr(InspectHelp));
        return ecSuccess;
    }
    if (!p.Positional.isEmpty())
        usage(FormatText(
            Said(TCommandText::tr("beklenmeyen argüman: %s")), text(p.Positional.first())));

    const std::vector<TGivenValue> given = readParameterValues(parser.values(param));
    int number = 1;
    std::vector<TParameter> parameters;
    const TEditorValues values
        = chosenCurve(parser, curveOptions, "inspect", context, number, parameters);
    parameters = withGivenValues(std::move(parameters), given);
    TObjectList list;
    appendCurve(list, values, number);
    const QStringList withCurves = parser.values(with);
    for (int i = 0; i < withCurves.size(); ++i) {
        const TEditorValues other = ParseCurveOption(text(withCurves[i]), i + 2);
        appendCurve(list, other, i + 2);
        if (other.CurveType != values.CurveType || values.CurveType > ctYZPlane)
            throw ECommandError(ecRefused,
                "curve " + std::to_string(i + 2) + ": "
                    + Said(TCommandText::tr(
                        "kesişimler yalnızca aynı düzlem türündeki iki eğri arasında bulunur")));
    }
    // A parameter's value, for every curve that names it.
    applyParameters(list, parameters, given);
    for (int i = 0; i < list.Count(); ++i)
        warnUnsetParameters(context.Err, list, i, i == 0 ? number : i + 1, parameters);

    std::vector<std::unique_ptr<TCurveInspection>> inspections;
    try {
        for (int i = 0; i < list.Count(); ++i)
            inspections.push_back(
                std::make_unique<TCurveInspection>(list.Items(i), list.Variables()));
    } catch (const ECurveInspectionError& e) {
        throw ECommandError(ecRefused, "curve " + std::to_string(number) + ": " + e.Message());
    }
    TCurveInspection& curve = *inspections.front();
    const long double a = boundOption(parser, from, curve.Start());
    const long double b = boundOption(parser, to, curve.End());
    if (!(a < b))
        usage(Said(TCommandText::tr("--from, --to'dan küçük olmalı")));

    std::string out;
    if (parser.isSet(measure)) {
        out = "measure,value,error\r\n";
        const auto writeMeasure = [&out](const char* name, const TMeasure& m) {
            std::string value = m.ValueText();
            std::replace(value.begin(), value.end(), DecimalSeparator(), '.');
            out += std::string(name) + "," + value + "," + csvNumber(m.Error) + "\r\n";
        };
        writeMeasure("length", curve.Length(a, b));
        if (curve.IsPlane())
            writeMeasure("area", curve.Area(a, b));
    } else {
        std::vector<TPointOfInterest> points = curve.Points(a, b);
        for (std::size_t i = 1; i < inspections.size(); ++i) {
            const std::vector<TPointOfInterest> meet
                = curve.Intersections(*inspections[i], static_cast<int>(i) + 1, a, b);
            points.insert(points.end(), meet.begin(), meet.end());
        }
        std::stable_sort(points.begin(), points.end(),
            [](const TPointOfInterest& l, const TPointOfInterest& r) { return l.At < r.At; });
        const char* kinds[] = { "zero", "minimum", "maximum", "intersection", "break" };
        out = "kind,of,at,x,y,z\r\n";
        for (const TPointOfInterest& q : points) {
            out += std::string(kinds[q.Kind]) + ","
                + (q.Kind == ikIntersection ? std::to_string(q.Of) : std::string(1, "xyz"[q.Of]))
                + "," + csvNumber(q.At) + "," + csvNumber(q.Point.X) + "," + csvNumber(q.Point.Y)
                + "," + csvNumber(q.Point.Z) + "\r\n";
        }
    }
    writeOutput(parser, output, out, context);
    return ecSuccess;
}

// ---- eval ---------------------------------------------------------------------------

int runEval(const QStringList& arguments, const TCommandContext& context)
{
    const QCommandLineOption postfix("postfix");
    TParsed p;
    parse(p, "eval", arguments, { postfix });
    if (p.Parser.isSet("help")) {
        context.Out << Said(TCommandText::tr(EvalHelp));
        return ecSuccess;
    }
    if (p.Positional.isEmpty() || p.Positional.first().isEmpty())
        usage(Said(TCommandText::tr("formül verilmedi")));
    struct TAssignment {
        std::string Name;
        long double Value;
    };
    std::vector<TAssignment> assignments;
    for (qsizetype i = 1; i < p.Positional.size(); ++i) {
        const std::string item = text(p.Positional[i]);
        const std::size_t eq = item.find('=');
        if (eq == std::string::npos || eq == 0)
            usage(FormatText(
                Said(TCommandText::tr("değişken AD=DEĞER biçiminde verilmeli: %s")), item));
        TAssignment a { item.substr(0, eq), 0 };
        const std::string value = item.substr(eq + 1);
        if (!ReadNumber(value, a.Value))
            throw ECommandError(ecRefused,
                a.Name + ": " + FormatText("'%s' is not a valid floating point value", value));
        assignments.push_back(a);
    }

    TVariableMemory memory;
    TFonksiyon formula;
    formula.SetMemory(&memory);
    try {
        formula.SetText(WithCurrentDecimalSeparator(text(p.Positional.first())));
        if (p.Parser.isSet(postfix)) {
            context.Out << formula.PostfixText() << '\n';
            return ecSuccess;
        }
        // As the calculator's grid: a name the formula does not use changes nothing.
        for (const TAssignment& a : assignments)
            memory.SetValue(a.Name, a.Value);
        std::vector<std::string> unset;
        for (const std::string& name : formula.VariableNames())
            if (!formula.Program().AssignsTo(name)
                && std::none_of(assignments.begin(), assignments.end(),
                    [&name](const TAssignment& a) { return CompareTextNoCase(name, a.Name) == 0; }))
                unset.push_back(name);
        warnUnset(context.Err, "", unset);
        const long double value = formula.Evaluate();
        context.Out << FloatToText(value) << '\n';
    } catch (const Exception& e) {
        throw ECommandError(ecRefused, e.Message());
    }
    return ecSuccess;
}

// Takes "--lang CODE" (or "--lang=CODE") out of arguments and installs that language, by
// default the settings file's.
void takeLanguage(QStringList& arguments, const TCommandContext& context)
{
    TLanguage language = ReadLanguage(TIniFile(context.SettingsFile));
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString code;
        if (arguments[i] == "--")
            break;
        if (arguments[i].startsWith("--lang=")) {
            code = arguments[i].mid(7);
            arguments.removeAt(i);
        } else if (arguments[i] == "--lang" && i + 1 < arguments.size()) {
            code = arguments[i + 1];
            arguments.remove(i, 2);
        } else {
            continue;
        }
        if (!LanguageOfCode(code, language)) {
            // Told in the settings file's language.
            if (QCoreApplication::instance() != nullptr)
                InstallLanguage(language);
            usage(FormatText(Said(TCommandText::tr("dil tr ya da en olmalı: %s")), text(code)));
        }
        break;
    }
    if (QCoreApplication::instance() != nullptr)
        InstallLanguage(language);
}

}

bool IsCommand(const QString& firstArgument)
{
    return QStringList { "render", "table", "inspect", "eval", "help", "--help", "-h" }.contains(
        firstArgument);
}

QStringList WithoutLanguage(const QStringList& arguments, std::optional<TLanguage>& language)
{
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == "--") {
            rest += arguments.mid(i);
            break;
        }
        QString code;
        if (a.startsWith("--lang="))
            code = a.mid(7);
        else if (a == "--lang" && i + 1 < arguments.size())
            code = arguments[++i];
        else {
            rest << a;
            continue;
        }
        TLanguage named = TLanguage::Turkish;
        if (!LanguageOfCode(code, named))
            return arguments; // a usage error for the command line to tell
        language = named;
    }
    return rest;
}

bool IsCommandLine(const QStringList& givenArguments)
{
    std::optional<TLanguage> language;
    const QStringList arguments = WithoutLanguage(givenArguments, language);
    if (arguments.isEmpty())
        return false;
    if (IsCommand(arguments.first()))
        return true;
    // Anything but scene files that exist is answered here, before a window is made.
    return std::any_of(arguments.begin(), arguments.end(),
        [](const QString& a) { return a.startsWith('-') || !QFileInfo(a).isFile(); });
}

int RunCommand(const QStringList& givenArguments, const TCommandContext& context)
{
    QStringList arguments = givenArguments;
    QString command = arguments.value(0);
    try {
        // --lang may stand anywhere before "--", also before the command.
        takeLanguage(arguments, context);
        command = arguments.value(0);
        const QStringList rest = arguments.mid(1);
        if (command == "render")
            return runRender(rest, context);
        if (command == "table")
            return runTable(rest, context);
        if (command == "inspect")
            return runInspect(rest, context);
        if (command == "eval")
            return runEval(rest, context);
        if (command == "help" || command == "--help" || command == "-h") {
            context.Out << Said(TCommandText::tr(Overview));
            return ecSuccess;
        }
        if (command == "--version") {
            context.Out << "velmo " VELMO_VERSION "\n";
            return ecSuccess;
        }
        // Scene files for the window, but one of them is not a file that exists.
        for (const QString& argument : arguments)
            if (argument.startsWith('-'))
                usage(FormatText(Said(TCommandText::tr("bilinmeyen seçenek: %s")), text(argument)));
            else if (!QFileInfo(argument).isFile())
                usage(FormatText(Said(TCommandText::tr("bilinmeyen komut ya da olmayan dosya: %s")),
                    text(argument)));
        usage(FormatText(Said(TCommandText::tr("bilinmeyen komut: %s")), text(command)));
    } catch (const ECommandError& e) {
        context.Err << shown(e.Message()) << '\n';
        if (e.ExitCode() == ecUsage)
            context.Err << FormatText(Said(TCommandText::tr("Seçenekler için: velmo %s--help")),
                IsCommand(command) && command.front() != '-' && command != "help"
                    ? text(command) + " "
                    : std::string())
                        << "\n";
        context.Err.flush();
        return e.ExitCode();
    } catch (const std::bad_alloc&) {
        context.Err << Said(TCommandText::tr("Bellek yetmedi")) << "\n";
        return ecRefused;
    } catch (const Exception& e) {
        context.Err << shown(e.Message()) << '\n';
        return ecRefused;
    }
}
