#include "files/code_page.h"
#include "files/ini_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

std::string readBytes(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll().toStdString();
}

void writeBytes(const QString& fileName, const std::string& bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes.data(), qint64(bytes.size())), qint64(bytes.size()));
}

std::string writeFailure(TIniFile& ini)
{
    try {
        ini.WriteInteger("Ekran", "AnimInterval", 20);
    } catch (const EIniFileError& e) {
        return e.Message();
    }
    return "<no error>";
}

struct IniFileTest : testing::Test {
    QTemporaryDir Dir;
    QString Name = Dir.filePath("Norvadeks.ini");
    TIniFile Ini { Name };
};

} // namespace

TEST(CodePage, TurkishLettersAndReplacements)
{
    const struct {
        const char* Utf8;
        const char* Cp1254;
    } rows[]
        = { { "ı", "\xFD" }, { "ğ", "\xF0" }, { "ç", "\xE7" }, { "Ç", "\xC7" }, { "Ğ", "\xD0" },
              { "ş", "\xFE" }, { "Ş", "\xDE" }, { "İ", "\xDD" }, { "ö", "\xF6" }, { "Ü", "\xDC" },
              { "€", "\x80" }, { "Araç-Durum Çubukları", "Ara\xE7-Durum \xC7ubuklar\xFD" } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Utf8);
        EXPECT_EQ(Utf8ToCp1254(row.Utf8), row.Cp1254);
        EXPECT_EQ(Cp1254ToUtf8(row.Cp1254), row.Utf8);
    }
    EXPECT_EQ(Utf8ToCp1254("a中b"), "a?b");
    EXPECT_EQ(Utf8ToCp1254("a\xC3"), "a?");
    EXPECT_EQ(Utf8ToCp1254("\xFF"
                           "x"),
        "?x");
    EXPECT_EQ(Cp1254ToUtf8("a\x81"
                           "b"),
        "a\xEF\xBF\xBD"
        "b");
}

TEST(IniFile, SettingsFileBesideTheProgram)
{
    EXPECT_EQ(SettingsFileName(), QCoreApplication::applicationDirPath() + "/Norvadeks.ini");
}

TEST_F(IniFileTest, DefaultsWithoutAFile)
{
    EXPECT_EQ(Ini.ReadInteger("Ekran", "AnimInterval", 10), 10);
    EXPECT_EQ(Ini.ReadInteger("Ekran", "ArkapilanRengi", 16777215), 16777215);
    EXPECT_TRUE(Ini.ReadBool("Ekran", "Perspektif", true));
    EXPECT_FALSE(Ini.ReadBool("Window", "Maximized", false));
    EXPECT_FALSE(QFile::exists(Name));
}

TEST_F(IniFileTest, WrittenInCp1254AndReadBack)
{
    Ini.WriteInteger("Eksencikler", "Color", 255);
    Ini.WriteBool("Eksencikler", "Gorunurluk", false);
    Ini.WriteInteger("XYDuzlemi", "CizgiKalınlıgı", 3);
    Ini.WriteInteger("Eğri Gezgini", "DockedTo", -4);
    Ini.WriteInteger("Eksencikler", "Color", 8421504);

    EXPECT_EQ(readBytes(Name),
        "[Eksencikler]\nColor=8421504\nGorunurluk=0\n\n\n"
        "[XYDuzlemi]\nCizgiKal\xFDnl\xFDg\xFD=3\n\n\n"
        "[E\xF0ri Gezgini]\nDockedTo=-4\n");

    EXPECT_EQ(Ini.ReadInteger("Eksencikler", "Color", 0), 8421504);
    EXPECT_FALSE(Ini.ReadBool("Eksencikler", "Gorunurluk", true));
    EXPECT_EQ(Ini.ReadInteger("XYDuzlemi", "CizgiKalınlıgı", 1), 3);
    EXPECT_EQ(Ini.ReadInteger("Eğri Gezgini", "DockedTo", 0), -4);
    // ASCII letters match in any case; "I" is not "ı", nor "i" "İ".
    EXPECT_EQ(Ini.ReadInteger("xyduzlemi", "CIZGIKALınlıgı", 1), 3);
    EXPECT_EQ(Ini.ReadInteger("XYDuzlemi", "CizgiKalInlIgI", 1), 1);
    EXPECT_EQ(Ini.ReadInteger("XYDUZLEMİ", "CizgiKalınlıgı", 1), 1);
    EXPECT_EQ(Ini.ReadInteger("XZDuzlemi", "CizgiKalınlıgı", 1), 1);
}

TEST_F(IniFileTest, ValuesThatAreNotIntegers)
{
    const struct {
        const char* Text;
        int Integer; // read with default 42
        bool Bool; // read with default true
    } rows[] = { { "1", 1, true }, { "0", 0, false }, { "5", 5, true }, { "-1", -1, true },
        { " 7 ", 7, true }, { "abc", 42, true }, { "", 42, true }, { "12abc", 42, true },
        { "1.5", 42, true }, { "0x10", 42, true }, { "2147483647", 2147483647, true },
        { "-2147483648", -2147483647 - 1, true }, { "2147483648", 42, true },
        { "99999999999999999999", 42, true } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Text);
        writeBytes(Name, std::string("[XYDuzlemi]\nGorunurluk=") + row.Text + "\n");
        EXPECT_EQ(Ini.ReadInteger("XYDuzlemi", "Gorunurluk", 42), row.Integer);
        EXPECT_EQ(Ini.ReadBool("XYDuzlemi", "Gorunurluk", true), row.Bool);
    }
    writeBytes(Name, "[XYDuzlemi]\nGorunurluk=abc\n");
    EXPECT_FALSE(Ini.ReadBool("XYDuzlemi", "Gorunurluk", false));
}

TEST_F(IniFileTest, WriteKeepsWhatItDoesNotOwn)
{
    writeBytes(Name,
        "; Velmo settings\r\n\r\n"
        "; screen\r\n[Ekran]\r\nAnimInterval=10\r\n; the user's own\r\nMine = keep me\r\n"
        "[Ara\xE7-Durum \xC7ubuklar\xFD]\r\nStandart=0\r\n"
        "[ekran]\r\nanimINTERVAL=30\r\nOther=2\r\n"
        "\r\n; last words\r\n");
    // The first of repeated sections and keys counts.
    EXPECT_EQ(Ini.ReadInteger("Ekran", "AnimInterval", 0), 10);
    EXPECT_EQ(Ini.ReadInteger("Ekran", "Other", 0), 2);

    Ini.WriteInteger("Ekran", "AnimInterval", 25);
    Ini.WriteBool("Ekran", "Perspektif", true);

    const std::string text = readBytes(Name);
    for (const char* kept : { "; Velmo settings", "; screen", "; the user's own", "Mine=keep me",
             "[Ara\xE7-Durum \xC7ubuklar\xFD]", "Standart=0", "Other=2", "; last words" }) {
        SCOPED_TRACE(kept);
        EXPECT_NE(text.find(kept), std::string::npos) << text;
    }
    EXPECT_EQ(text.find("AnimInterval=10"), std::string::npos);
    EXPECT_EQ(text.find("=30"), std::string::npos);
    EXPECT_EQ(Ini.ReadInteger("Ekran", "AnimInterval", 0), 25);
    EXPECT_TRUE(Ini.ReadBool("Ekran", "Perspektif", false));
    EXPECT_FALSE(Ini.ReadBool("Araç-Durum Çubukları", "Standart", true));
    EXPECT_EQ(text.rfind("; last words"), text.size() - std::string("; last words\r\n").size());

    // A file of comments only keeps them ahead of the first section.
    writeBytes(Name, "; nothing yet\n;\n");
    Ini.WriteInteger("Ekran", "AnimInterval", 5);
    EXPECT_EQ(readBytes(Name), "; nothing yet\n;\n[Ekran]\nAnimInterval=5\n");
}

TEST_F(IniFileTest, WriteReplacesTheFileWhole)
{
    writeBytes(Name, "[Ekran]\nAnimInterval=10\n");
    // A second name of the old file still shows the old contents: the new file
    // was made apart and put in its place, never written over the old one.
    const QString link = Dir.filePath("old.ini");
    ASSERT_EQ(::link(QFile::encodeName(Name).constData(), QFile::encodeName(link).constData()), 0);
    Ini.WriteInteger("Ekran", "AnimInterval", 20);
    EXPECT_EQ(readBytes(link), "[Ekran]\nAnimInterval=10\n");
    EXPECT_EQ(readBytes(Name), "[Ekran]\nAnimInterval=20\n");
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(IniFileTest, FailedWriteRaisesAndKeepsTheOldFile)
{
    // A folder that is a file.
    const QString notAFolder = Dir.filePath("plain");
    writeBytes(notAFolder, "x");
    TIniFile nowhere(notAFolder + "/Norvadeks.ini");
    EXPECT_EQ(writeFailure(nowhere),
        "Unable to write to " + (notAFolder + "/Norvadeks.ini").toStdString());

    // The settings file's name taken by a folder.
    ASSERT_TRUE(QDir(Dir.path()).mkdir("Norvadeks.ini"));
    EXPECT_EQ(Ini.ReadInteger("Ekran", "AnimInterval", 10), 10);
    EXPECT_EQ(writeFailure(Ini), "Unable to write to " + Name.toStdString());
    ASSERT_TRUE(QDir(Dir.path()).rmdir("Norvadeks.ini"));

    // A read-only folder; the superuser writes there all the same.
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root: a read-only folder does not stop writes";
    const std::string old = "; mine\n[Ekran]\nAnimInterval=10\n";
    writeBytes(Name, old);
    ASSERT_TRUE(QFile::setPermissions(Dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const std::string message = writeFailure(Ini);
    QFile::setPermissions(Dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(message, "Unable to write to " + Name.toStdString());
    EXPECT_EQ(readBytes(Name), old);
}

TEST_F(IniFileTest, OversizedFileIsNeitherReadNorReplaced)
{
    std::string big = "[Ekran]\nAnimInterval=20\n";
    big.resize(TIniFile::MaxFileSize, ';');
    writeBytes(Name, big);
    EXPECT_EQ(Ini.ReadInteger("Ekran", "AnimInterval", 10), 20);

    big += '\n';
    writeBytes(Name, big);
    EXPECT_EQ(Ini.ReadInteger("Ekran", "AnimInterval", 10), 10);
    EXPECT_EQ(writeFailure(Ini), "Unable to write to " + Name.toStdString());
    EXPECT_EQ(readBytes(Name), big);
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(IniFileTest, GarbageReadsWithoutHarm)
{
    std::string garbage;
    unsigned state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1103515245u + 12345u;
        garbage += char(state >> 16);
    }
    garbage += std::string("\n[[]]\n=\n[\n]=]\n==5\n\xFF\xFE[Ekran\n", 26);
    writeBytes(Name, garbage);
    EXPECT_EQ(Ini.ReadInteger("Ekran", "AnimInterval", 10), 10);
    EXPECT_TRUE(Ini.ReadBool("XYDuzlemi", "Gorunurluk", true));
    Ini.WriteInteger("Ekran", "AnimInterval", 30);
    EXPECT_EQ(Ini.ReadInteger("Ekran", "AnimInterval", 10), 30);

    // A NUL byte ends a line, it does not end the file.
    writeBytes(Name, std::string("\0\0[Ekran]\0AnimInterval=40\0\0", 28));
    EXPECT_EQ(Ini.ReadInteger("Ekran", "AnimInterval", 10), 40);
}

TEST_F(IniFileTest, ANewFileIsWrittenInTheSameFormAsAnOldOne)
{
    Ini.WriteIntegers({ { "Window", "Width", 700 }, { "Window", "Maximized", 0 } });
    EXPECT_EQ(readBytes(Name), "[Window]\nWidth=700\nMaximized=0\n");
}

TEST_F(IniFileTest, NamesTheReaderCannotFindAreRefused)
{
    Ini.WriteInteger("Ekran", "AnimInterval", 20);
    const std::string before = readBytes(Name);
    const std::string path
        = QDir::toNativeSeparators(QFileInfo(Name).absoluteFilePath()).toStdString();
    const struct {
        std::string Section, Key, Shown;
        bool SectionAtFault;
    } refused[] = {
        { "Ekran", "", "", false },
        { "Ekran", "a=b", "a=b", false },
        { "Ekran", "=", "=", false },
        { "Ekran", ";Color", ";Color", false },
        { "Ekran", "#Color", "#Color", false },
        { "Ekran", "[Color]", "[Color]", false },
        { "Ekran", " Color", " Color", false },
        { "Ekran", "Color\t", "Color\\x09", false },
        { "Ekran", "Co\nlor", "Co\\x0alor", false },
        { "Ekran", "Co\rlor", "Co\\x0dlor", false },
        { "Ekran", std::string("Co\0lor", 6), "Co\\x00lor", false },
        { "Ek]ran", "Color", "Ek]ran", true },
        { "[Ekran]", "Color", "[Ekran]", true },
        { " Ekran", "Color", " Ekran", true },
        { "Ekran ", "Color", "Ekran ", true },
        { "Ek\nran", "Color", "Ek\\x0aran", true },
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.Shown);
        try {
            Ini.WriteIntegers({ { "Ekran", "Perspektif", 0 }, { c.Section, c.Key, 1 } });
            ADD_FAILURE() << "written";
        } catch (const EIniFileError& e) {
            EXPECT_EQ(e.Message(),
                "Unable to write to " + path + ": the " + (c.SectionAtFault ? "section" : "key")
                    + " name \"" + c.Shown + "\" cannot be read back from the file.");
        }
        EXPECT_THROW(Ini.WriteInteger(c.Section, c.Key, 1), EIniFileError);
        EXPECT_THROW(Ini.WriteBool(c.Section, c.Key, true), EIniFileError);
        // Nothing of a refused write reaches the file.
        EXPECT_EQ(readBytes(Name), before);
    }

    // Unusual names the reader does find are written as before.
    const struct {
        std::string Section, Key;
    } accepted[] = { { "", "Color" }, { ";Ekran", "Color" }, { "#Ekran", "Color" },
        { "Ek[ran", "Co;l#or]" }, { "E k r a n", "C o l o r" }, { "Ekran", "Color[" },
        { "Ekran", "\x01\x7f" }, { "Ekran", "\"Color\"" } };
    int value = 100;
    for (const auto& c : accepted) {
        SCOPED_TRACE(c.Section + "/" + c.Key);
        Ini.WriteInteger(c.Section, c.Key, ++value);
        EXPECT_EQ(Ini.ReadInteger(c.Section, c.Key, -1), value);
    }
    value = 100;
    for (const auto& c : accepted)
        EXPECT_EQ(Ini.ReadInteger(c.Section, c.Key, -1), ++value) << c.Section << "/" << c.Key;
    EXPECT_EQ(Ini.ReadInteger("Ekran", "AnimInterval", -1), 20);
}

TEST_F(IniFileTest, LeftoversOfAKilledWriteAreRemovedByNameAndAge)
{
    Ini.WriteInteger("Ekran", "AnimInterval", 20);
    const QDateTime old = QDateTime::currentDateTime().addSecs(-61);
    const auto make = [&](const QString& name, bool stale) {
        QFile f(Dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Ekran]\nAnimInterval=30\n");
        f.flush();
        if (stale) {
            ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
        }
    };
    make("Norvadeks.ini.AbCdEf", true);
    make("Norvadeks.ini.zzzzzz", true);
    make("Norvadeks.ini.GhIjKl", false); // another instance may be writing it
    for (const char* kept : { "Norvadeks.ini.AbC1Ef", "Norvadeks.ini.AbCdEfG",
             "Norvadeks.ini.AbCdE", "Norvadeks.ini.bak", "Norvadeks.ini.AbCd.f",
             "norvadeks.ini.AbCdEf", "NORVADEKS.INI.AbCdEf", "Other.ini.AbCdEf",
             "Norvadeks.ini-AbCdEf", "xNorvadeks.ini.AbCdEf" })
        make(kept, true);
    ASSERT_TRUE(QDir(Dir.path()).mkdir("Norvadeks.ini.Folder"));
    ASSERT_TRUE(
        QFile::link(Dir.filePath("Other.ini.AbCdEf"), Dir.filePath("Norvadeks.ini.LinkAb")));

    Ini.RemoveLeftovers();
    QStringList names
        = QDir(Dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    names.sort();
    EXPECT_EQ(names.join(' ').toStdString(),
        QStringList({ "NORVADEKS.INI.AbCdEf", "Norvadeks.ini", "Norvadeks.ini-AbCdEf",
                        "Norvadeks.ini.AbC1Ef", "Norvadeks.ini.AbCd.f", "Norvadeks.ini.AbCdE",
                        "Norvadeks.ini.AbCdEfG", "Norvadeks.ini.Folder", "Norvadeks.ini.GhIjKl",
                        "Norvadeks.ini.LinkAb", "Norvadeks.ini.bak", "Other.ini.AbCdEf",
                        "norvadeks.ini.AbCdEf", "xNorvadeks.ini.AbCdEf" })
            .join(' ')
            .toStdString());
    EXPECT_EQ(Ini.ReadInteger("Ekran", "AnimInterval", -1), 20);

    // Without a folder, or with nothing to remove, nothing happens.
    TIniFile(Dir.filePath("missing/Norvadeks.ini")).RemoveLeftovers();
    Ini.RemoveLeftovers(0);
    EXPECT_FALSE(QFile::exists(Dir.filePath("Norvadeks.ini.GhIjKl")));
}
