#include "files/file_locations.h"
#include "files/ini_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// A program folder, a current folder and the user's two folders, side by side
// in a temporary folder; the program folder can be closed to writing.
struct LocationsTest : testing::Test {
    QTemporaryDir Root;
    QString Program = Root.filePath("bin");
    QString Current = Root.filePath("work");
    QString Config = Root.filePath("home/.config/Velmo");
    QString Data = Root.filePath("home/.local/share/Velmo");

    LocationsTest()
    {
        QDir().mkpath(Program);
        QDir().mkpath(Current);
    }
    ~LocationsTest() override { CloseProgramFolder(false); }

    void CloseProgramFolder(bool closed)
    {
        QFile::setPermissions(Program,
            closed ? QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                    | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther
                   : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    static void Touch(const QString& name)
    {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
};

} // namespace

TEST_F(LocationsTest, WritableProgramFolderKeepsEverythingWhereItWas)
{
    EXPECT_TRUE(FolderWritable(Program));
    EXPECT_EQ(SettingsFileIn(Program, Config), Program + "/Norvadeks.ini");
    // The library stays in the current folder even before its tables exist.
    EXPECT_EQ(LibraryFolderIn(Program, Current, Data), Current);
    EXPECT_FALSE(QFileInfo::exists(Config));
    EXPECT_FALSE(QFileInfo::exists(Data));
}

TEST_F(LocationsTest, ClosedProgramFolderUsesTheUsersFolders)
{
    CloseProgramFolder(true);
    EXPECT_FALSE(FolderWritable(Program));
    EXPECT_FALSE(FolderWritable(Root.filePath("missing")));

    // A reader that writes nothing finds the same file without making its folder.
    EXPECT_EQ(SettingsFileToReadIn(Program, Config), Config + "/Norvadeks.ini");
    EXPECT_FALSE(QFileInfo::exists(Config));
    const QString settings = SettingsFileIn(Program, Config);
    EXPECT_EQ(settings, Config + "/Norvadeks.ini");
    EXPECT_EQ(LibraryFolderIn(Program, Current, Data), Data);
    EXPECT_TRUE(QFileInfo(Data).isDir());

    // The first write of an installed program succeeds in the new place, where
    // the old place refuses it (except to the superuser).
    TIniFile file(settings);
    file.WriteBool("Window", "Maximized", true);
    EXPECT_TRUE(TIniFile(settings).ReadBool("Window", "Maximized", false));
    if (geteuid() != 0) {
        TIniFile beside(Program + "/Norvadeks.ini");
        EXPECT_THROW(beside.WriteBool("Window", "Maximized", true), EIniFileError);
    }
}

TEST_F(LocationsTest, FilesPresentAreUsedWhereTheyAre)
{
    Touch(Program + "/Norvadeks.ini");
    Touch(Current + "/CurvedLines.db");
    CloseProgramFolder(true);
    EXPECT_EQ(SettingsFileIn(Program, Config), Program + "/Norvadeks.ini");
    EXPECT_EQ(LibraryFolderIn(Program, Current, Data), Current);
    EXPECT_FALSE(QFileInfo::exists(Config));
    EXPECT_FALSE(QFileInfo::exists(Data));
}
