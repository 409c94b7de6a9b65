#include "base/exception.h"
#include "engine/engine_test_support.h"
#include "files/ini_file.h"
#include "files/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
QByteArray readAll(const QString& fileName)
{
    QFile f(fileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}

TEST(Language, TheSettingsKeyIsWrittenOnlyWhenChosen)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("Norvadeks.ini");
    TIniFile file(name);
    EXPECT_EQ(ReadLanguage(file), TLanguage::Turkish) << "no file";
    file.WriteInteger("Ekran", "AnimInterval", 25);
    const QByteArray before = readAll(name);
    EXPECT_EQ(ReadLanguage(file), TLanguage::Turkish) << "no key";
    EXPECT_EQ(readAll(name), before) << "reading writes nothing";

    WriteLanguage(file, TLanguage::English);
    EXPECT_EQ(ReadLanguage(file), TLanguage::English);
    EXPECT_TRUE(readAll(name).contains("[Genel]"));
    EXPECT_TRUE(readAll(name).contains("Dil=en"));
    EXPECT_EQ(file.ReadInteger("Ekran", "AnimInterval", 0), 25);
    WriteLanguage(file, TLanguage::Turkish);
    EXPECT_TRUE(readAll(name).contains("Dil=tr"));

    // An unknown code reads as Turkish; codes ignore letter case and blanks.
    file.WriteString("Genel", "Dil", "xx");
    EXPECT_EQ(ReadLanguage(file), TLanguage::Turkish);
    TLanguage language = TLanguage::Turkish;
    EXPECT_TRUE(LanguageOfCode(" EN ", language));
    EXPECT_EQ(language, TLanguage::English);
    EXPECT_FALSE(LanguageOfCode("de", language));
    EXPECT_EQ(LanguageCode(TLanguage::English), "en");

    // Texts of the settings file keep their letters through the code page; a line break
    // could not be read back and is refused before anything is written.
    file.WriteString("Genel", "Ad", "Çığ öşü");
    EXPECT_EQ(file.ReadString("Genel", "Ad", ""), "Çığ öşü");
    EXPECT_EQ(file.ReadString("Genel", "Yok", "varsayılan"), "varsayılan");
    const QByteArray kept = readAll(name);
    EXPECT_THROW(file.WriteString("Genel", "Ad", "a\nb"), EIniFileError);
    EXPECT_EQ(readAll(name), kept);
}

TEST(Language, InstalledLanguageTranslatesTheProgramsTexts)
{
    InstallLanguage(TLanguage::English);
    EXPECT_EQ(CurrentLanguage(), TLanguage::English);
    EXPECT_EQ(QCoreApplication::translate("TMainForm", "&Dosya"), "&File");
    EXPECT_EQ(QCoreApplication::translate("TMainForm", "Animasyon Kaydet..."), "Save Animation...");
    // The formula engine's messages follow.
    EXPECT_EQ(CompileMessage("x+$"), "Unknown expression => $");
    InstallLanguage(TLanguage::Turkish);
    EXPECT_EQ(CurrentLanguage(), TLanguage::Turkish);
    EXPECT_EQ(QCoreApplication::translate("TMainForm", "&Dosya"), "&Dosya");
    EXPECT_EQ(CompileMessage("x+$"), "Bilinmeyen bir ifade => $");
    UninstallLanguage();
}
