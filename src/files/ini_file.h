#pragma once

#include "base/exception.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A settings file that cannot be written.
class EIniFileError : public Exception {
public:
    using Exception::Exception;
};

struct TIniValue {
    std::string Section;
    std::string Key;
    int Value;
};

struct TIniText {
    std::string Section;
    std::string Key;
    std::string Value; // UTF-8; a value with a line break is not written
};

// The program's settings file: "Norvadeks.ini" in the folder of the executable,
// or in the user's configuration folder when that folder cannot be written.
QString SettingsFileName();

// A sectioned key-value settings file read and written one value at a time: each
// call opens, reads or replaces, and closes the file, so nothing is cached.
// Section and key names are given in UTF-8, kept in the file in Windows-1254 and
// matched without regard to ASCII letter case. A write keeps whatever else the
// file holds (other sections and keys, comments) and replaces the file only once
// the new contents are complete, so a failed write leaves the old file as it was.
class TIniFile {
public:
    // Files beyond this size are not settings files: they read as absent and are
    // never overwritten.
    static constexpr std::size_t MaxFileSize = 1024 * 1024;

    explicit TIniFile(QString fileName);

    const QString& FileName() const { return FFileName; }

    // The decimal integer stored under section and key, or defaultValue when the
    // file, the section or the key is missing, the file cannot be read, or the
    // value is not a whole number in the 32-bit range.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // True for any non-zero integer; defaultValue where ReadInteger gives its default.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // The text stored under section and key (UTF-8), or defaultValue where ReadInteger
    // gives its default.
    std::string ReadString(
        std::string_view section, std::string_view key, std::string_view defaultValue) const;

    // Raise EIniFileError "Unable to write to %s" (the full path) when the file
    // cannot be replaced, or when it exists but cannot be read (it is then kept).
    // A section or key name that could not be read back (an empty key, a key with
    // "=" or starting with ";", "#" or "[", a section with "]", a line break, NUL,
    // or a blank at either end of a name) is refused before anything is written,
    // with that text followed by ": the key name "..." cannot be read back from
    // the file." (or "section name").
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // Several values in one replacement of the file: all are written or none.
    void WriteIntegers(const std::vector<TIniValue>& values);
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteTexts(const std::vector<TIniText>& values);

    // A program killed while it replaced the file leaves the new contents beside
    // it under the file's name followed by "." and six letters. Removes those
    // regular files that are older than minimumAgeSeconds (another instance may be
    // writing a newer one); any other name is left alone. Errors are ignored.
    void RemoveLeftovers(int minimumAgeSeconds = 60) const;

private:
    std::optional<std::string> readValue(std::string_view section, std::string_view key) const;

    QString FFileName;
};
