#include "files/ini_file.h"
#include "files/safe_file.h"

#include "base/message.h"
#include "base/number_text.h"
#include "files/code_page.h"
#include "files/file_locations.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <limits>
#include <optional>
#include <string>

// The names stay in the file's own bytes (no conversion inside SimpleIni); they
// are converted to Windows-1254 before each look-up instead.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

QString SettingsFileName() { return SettingsFileLocation(QCoreApplication::applicationDirPath()); }

namespace {

enum class TFileState { Missing, Read, Unreadable };

struct TFileText {
    TFileState State = TFileState::Missing;
    std::string Text;
};

TFileText readFile(const QString& fileName)
{
    if (!QFileInfo::exists(fileName))
        return {};
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return { TFileState::Unreadable, {} };
    // Read on to one byte beyond the limit rather than trust the size a device
    // reports, in pieces: a buffer of the whole limit for every read is costly.
    std::string data;
    char piece[16384];
    for (;;) {
        const qint64 got = file.read(piece, sizeof piece);
        if (got < 0)
            return { TFileState::Unreadable, {} };
        if (got == 0)
            break;
        data.append(piece, static_cast<std::size_t>(got));
        if (data.size() > TIniFile::MaxFileSize)
            return { TFileState::Unreadable, {} };
    }
    if (file.error() != QFileDevice::NoError)
        return { TFileState::Unreadable, {} };
    return { TFileState::Read, std::move(data) };
}

// SimpleIni keeps the comments in front of sections and keys but drops those after
// the last entry: the blank and comment lines at the end are kept apart from it.
std::size_t trailingCommentsStart(std::string_view text)
{
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        std::size_t next = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            next = end + 2;
        next = std::min(next, text.size());
        const std::size_t first = line.find_first_not_of(" \t");
        if (first != std::string_view::npos && line[first] != ';' && line[first] != '#')
            start = next;
        pos = next;
    }
    return start;
}

// The file's text parsed, with the comment lines at its end apart.
struct TParsedIni {
    TParsedIni() { Ini.SetSpaces(false); }
    CSimpleIniA Ini { false, true, false };
    std::string TrailingComments;
};

// False when SimpleIni cannot take the text (out of memory).
bool parse(std::string text, TParsedIni& parsed)
{
    // SimpleIni stops at a NUL byte; reading on past one as a line break keeps
    // what follows it.
    std::replace(text.begin(), text.end(), '\0', '\n');
    const std::size_t split = trailingCommentsStart(text);
    parsed.TrailingComments = text.substr(split);
    return parsed.Ini.LoadData(text.data(), split) >= 0;
}

std::optional<int> toInteger(const char* text)
{
    long long value = 0;
    if (!TryTextToInt(text, value) || value < std::numeric_limits<int>::min()
        || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

// A name as it is shown in a message: control characters as their code.
std::string shownName(std::string_view name)
{
    std::string shown;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            static const char digits[] = "0123456789abcdef";
            shown += "\\x";
            shown += digits[byte >> 4];
            shown += digits[byte & 15];
        } else {
            shown += c;
        }
    }
    return shown;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A line of the file ends at a line break; the reader cuts a NUL short and trims
// blanks around a name, so none of these can stand in a name.
bool breaksALine(std::string_view name)
{
    return name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos
        || (!name.empty() && (isBlank(name.front()) || isBlank(name.back())));
}

// Section and key names the reader would never find again: a key line is
// "key=value", so a key holds no "=" and is not empty; a key line starting with
// ";" or "#" is a comment, one starting with "[" a section; a section line ends
// at the first "]".
void checkNames(const TIniText& entry, const QString& path)
{
    const auto refuse = [&](const char* what, std::string_view name) {
        throw EIniFileError(FormatText("Unable to write to %s", path.toStdString()) + ": the "
            + what + " name \"" + shownName(name) + "\" cannot be read back from the file.");
    };
    const std::string_view section = entry.Section;
    if (breaksALine(section) || section.find(']') != std::string_view::npos)
        refuse("section", section);
    const std::string_view key = entry.Key;
    if (key.empty() || breaksALine(key) || key.find('=') != std::string_view::npos
        || key.front() == ';' || key.front() == '#' || key.front() == '[')
        refuse("key", key);
    if (entry.Value.find_first_of("\r\n") != std::string::npos)
        refuse("value", entry.Value);
}

} // namespace

TIniFile::TIniFile(QString fileName)
    : FFileName(std::move(fileName))
{
}

std::optional<std::string> TIniFile::readValue(std::string_view section, std::string_view key) const
{
    TFileText file = readFile(FFileName);
    if (file.State != TFileState::Read)
        return std::nullopt;
    TParsedIni parsed;
    if (!parse(std::move(file.Text), parsed))
        return std::nullopt;
    // With duplicates the first occurrence counts, as for Windows' own INI files.
    const char* value
        = parsed.Ini.GetValue(Utf8ToCp1254(section).c_str(), Utf8ToCp1254(key).c_str(), nullptr);
    if (!value)
        return std::nullopt;
    return std::string(value);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const
{
    const std::optional<std::string> value = readValue(section, key);
    if (!value)
        return defaultValue;
    return toInteger(value->c_str()).value_or(defaultValue);
}

std::string TIniFile::ReadString(
    std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    const std::optional<std::string> value = readValue(section, key);
    return value ? Cp1254ToUtf8(*value) : std::string(defaultValue);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int value)
{
    WriteIntegers({ { std::string(section), std::string(key), value } });
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteInteger(section, key, value ? 1 : 0);
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    WriteTexts({ { std::string(section), std::string(key), std::string(value) } });
}

void TIniFile::WriteIntegers(const std::vector<TIniValue>& values)
{
    std::vector<TIniText> texts;
    texts.reserve(values.size());
    for (const TIniValue& v : values)
        texts.push_back({ v.Section, v.Key, std::to_string(v.Value) });
    WriteTexts(texts);
}

void TIniFile::WriteTexts(const std::vector<TIniText>& values)
{
    const QString path = QDir::toNativeSeparators(QFileInfo(FFileName).absoluteFilePath());
    for (const TIniText& entry : values)
        checkNames(entry, path);
    const EIniFileError failure(FormatText("Unable to write to %s", path.toStdString()));

    // A file that exists but cannot be read is not replaced: its contents would be lost.
    TFileText file = readFile(FFileName);
    if (file.State == TFileState::Unreadable)
        throw failure;
    TParsedIni parsed;
    if (file.State == TFileState::Read && !parse(std::move(file.Text), parsed))
        throw failure;

    CSimpleIniA::TNamesDepend sections;
    parsed.Ini.GetAllSections(sections);
    const bool onlyComments = sections.empty();

    // Replacing drops later duplicates of the key, keeping the first one's place.
    for (const TIniText& entry : values)
        if (parsed.Ini.SetValue(Utf8ToCp1254(entry.Section).c_str(),
                Utf8ToCp1254(entry.Key).c_str(), Utf8ToCp1254(entry.Value).c_str(), nullptr, true)
            < 0)
            throw failure;
    std::string entries;
    if (parsed.Ini.Save(entries, true) < 0)
        throw failure;

    // A file of nothing but comments keeps them at its head, behind the UTF-8
    // signature the entries may start with: a signature inside the file would be
    // read as part of the first section's name.
    std::string text;
    const std::string& comments = parsed.TrailingComments;
    if (onlyComments && !comments.empty()) {
        constexpr std::string_view signature = "\xEF\xBB\xBF";
        if (std::string_view(entries).substr(0, signature.size()) == signature) {
            text = signature;
            entries.erase(0, signature.size());
        }
        text += comments;
        if (text.back() != '\n' && text.back() != '\r')
            text += '\n';
        text += entries;
    } else {
        text = entries + comments;
    }

    TSafeFile out(FFileName);
    if (!out.Open())
        throw failure;
    if (out.Device().write(text.data(), static_cast<qint64>(text.size()))
        != static_cast<qint64>(text.size()))
        throw failure;
    if (!out.Commit())
        throw failure;
}

void TIniFile::RemoveLeftovers(int minimumAgeSeconds) const
{
    const QFileInfo settings(FFileName);
    const QString prefix = settings.fileName() + QLatin1Char('.');
    constexpr int randomLetters = 6; // the name pattern of the replacing file
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-minimumAgeSeconds);
    QDir dir = settings.absoluteDir();
    const QStringList names = dir.entryList({ prefix + QString(randomLetters, QLatin1Char('?')) },
        QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        // The folder's listing may match without regard to case; the name may not.
        if (!name.startsWith(prefix, Qt::CaseSensitive)
            || name.size() != prefix.size() + randomLetters)
            continue;
        const QStringView letters = QStringView(name).mid(prefix.size());
        if (!std::all_of(letters.begin(), letters.end(), [](QChar c) {
                return (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                    || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
            }))
            continue;
        const QFileInfo info(dir.filePath(name));
        if (info.isSymLink() || !info.isFile() || info.lastModified().toUTC() > before)
            continue;
        QFile::remove(info.absoluteFilePath());
    }
}
