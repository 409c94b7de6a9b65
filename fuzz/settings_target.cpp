// The settings file: a file of any bytes is read, then a value is written under a
// section and key from the input. A write either is refused with the settings
// file's own error or can be read back, and it keeps the other values the file
// held. Every error must be the program's own exception.
//
// Input: section up to a line break, key up to the next, a byte for the value,
// then the file's bytes.

#include "base/exception.h"
#include "files/code_page.h"
#include "files/ini_file.h"
#include "fuzz_target.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>

namespace {

// Names looked up before and after the write.
const char* const probes[][2] = { { "Ekran", "AnimInterval" }, { "Eksencikler", "Color" },
    { "XYDuzlemi", "CizgiKalınlıgı" }, { "Eğri Gezgini", "DockedTo" }, { "a", "b" } };

// Names match in the file's code page without regard to ASCII case.
bool sameName(const std::string& a, const char* b)
{
    const std::string x = Utf8ToCp1254(a), y = Utf8ToCp1254(b);
    if (x.size() != y.size())
        return false;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < x.size(); ++i)
        if (lower(x[i]) != lower(y[i]))
            return false;
    return true;
}

} // namespace

VELMO_FUZZ_TARGET(settings)
{
    static QTemporaryDir dir(QDir("/dev/shm").exists()
            ? QStringLiteral("/dev/shm/velmo-fuzz-XXXXXX")
            : QDir::tempPath() + "/velmo-fuzz-XXXXXX");
    const QString name = dir.filePath(QStringLiteral("Norvadeks.ini"));

    fuzz::TInput input(data, size);
    const std::string section = input.Text();
    const std::string key = input.Text();
    const int value = static_cast<std::int8_t>(input.Byte()) * 1000 + 7;
    const std::string file = input.Rest();
    {
        QFile out(name);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            fuzz::Finding("the fuzzer's own file cannot be written");
        out.write(file.data(), static_cast<qint64>(file.size()));
    }

    TIniFile ini(name);
    int before[std::size(probes)];
    for (std::size_t i = 0; i < std::size(probes); ++i)
        before[i] = ini.ReadInteger(probes[i][0], probes[i][1], -1);
    ini.ReadBool(section, key, true);

    try {
        ini.WriteInteger(section, key, value);
    } catch (const EIniFileError&) {
        return 0; // a refused name, or a file that cannot be taken over
    }
    if (ini.ReadInteger(section, key, value + 1) != value)
        fuzz::Finding("a written value does not read back");
    for (std::size_t i = 0; i < std::size(probes); ++i) {
        if (sameName(section, probes[i][0]) && sameName(key, probes[i][1]))
            continue;
        if (ini.ReadInteger(probes[i][0], probes[i][1], -1) != before[i])
            fuzz::Finding("a write changed another value");
    }
    return 0;
}
