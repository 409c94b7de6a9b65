#include "ui/main/main_form.h"
#include "ui/main/splash_screen.h"
#include "ui/main/toolbar_icons.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>
#include <set>

namespace {

struct TInk {
    int Opaque = 0; // pixels with some alpha
    int Coloured = 0; // pixels whose channels differ noticeably
    double MeanAlpha = 0;
};

TInk inkOf(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    TInk ink;
    double alpha = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            alpha += qAlpha(p);
            if (qAlpha(p) > 0)
                ++ink.Opaque;
            if (qAlpha(p) > 0
                && std::max({ qRed(p), qGreen(p), qBlue(p) })
                        - std::min({ qRed(p), qGreen(p), qBlue(p) })
                    > 24)
                ++ink.Coloured;
        }
    ink.MeanAlpha = alpha / (image.width() * image.height());
    return ink;
}

} // namespace

TEST(ToolbarIcons, EveryPictureIsThereAndDrawsAtBothScales)
{
    EXPECT_TRUE(QImageReader::supportedImageFormats().contains("svg"))
        << "Qt's SVG image plugin is missing";
    std::set<QString> files;
    for (const TToolbarIconFile& f : ToolbarIconFiles()) {
        SCOPED_TRACE(f.Button);
        EXPECT_TRUE(files.insert(f.File).second) << "two buttons share " << f.File;
        ASSERT_TRUE(QFile::exists(f.File));
        const QIcon icon = ToolbarIcon(f.Button);
        ASSERT_FALSE(icon.isNull());
        for (const int side : { 16, 24, 48 }) {
            const QPixmap pixmap = icon.pixmap(QSize(side, side));
            EXPECT_EQ(pixmap.size(), QSize(side, side));
            const TInk normal = inkOf(pixmap);
            EXPECT_GT(normal.Opaque, side * side / 10);
            EXPECT_GT(normal.Coloured, 0) << "the set is drawn in colour";
            // Disabled: grey and faint.
            const TInk disabled = inkOf(icon.pixmap(QSize(side, side), QIcon::Disabled));
            EXPECT_EQ(disabled.Coloured, 0);
            EXPECT_LT(disabled.MeanAlpha, normal.MeanAlpha * 0.5);
        }
        // At 200 % screen scale the picture is drawn with twice the pixels.
        const QPixmap sharp = icon.pixmap(QSize(24, 24), 2.0);
        EXPECT_EQ(sharp.size(), QSize(48, 48));
        EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    }
    EXPECT_TRUE(ToolbarIcon("EgriGezginiButton").isNull());
    EXPECT_TRUE(ToolbarIcon("NoSuchButton").isNull());
}

TEST(ToolbarIcons, MainWindowButtonsHaveTheirPicturesOrCaptions)
{
    QTemporaryDir dir;
    TMainForm form(dir.path());
    form.show();
    QApplication::processEvents();
    const std::set<QString> captioned { "EgriGezginiButton", "OperatorSelectButton",
        "ParametrelerButton", "DortGorBtn", "SaysalDegerlerButton" };
    std::set<QString> pictured;
    for (QToolBar* bar : { form.StandartToolbar, form.GorontuToolbar })
        for (QAction* action : bar->actions()) {
            if (action->isSeparator() || action->objectName().isEmpty())
                continue;
            SCOPED_TRACE(action->objectName().toStdString());
            auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
            if (captioned.count(action->objectName()) != 0) {
                EXPECT_TRUE(action->icon().isNull());
                continue;
            }
            pictured.insert(action->objectName());
            EXPECT_FALSE(action->icon().isNull());
            EXPECT_FALSE(action->toolTip().isEmpty());
            if (button != nullptr && button->isVisible()) {
                EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
            }
        }
    EXPECT_EQ(form.EgriGezginiButton->iconText(), "fx");
    EXPECT_EQ(form.OperatorSelectButton->iconText(), "Op");
    EXPECT_EQ(form.ParametrelerButton->iconText(), "k");
    EXPECT_EQ(form.DortGorBtn->iconText(), "4W");
    EXPECT_EQ(form.SaysalDegerlerButton->iconText(), "Num");
    EXPECT_EQ(pictured.size(), ToolbarIconFiles().size());
    // Captions and hints stay as they were.
    EXPECT_EQ(form.XYDuzlemiButton->toolTip(), "XY Düzlemi");
    EXPECT_EQ(form.XYDuzlemiButton->statusTip(), "XY düzlemi gönyesini gösterir ve gizler.");
    EXPECT_EQ(form.KaydetButton->toolTip(), "Kaydet");
}

TEST(FileLocations, InstalledMainWindowWritesItsLayoutInTheUsersFolder)
{
    QStandardPaths::setTestModeEnabled(true);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir(config).removeRecursively();
    QTemporaryDir dir;
    const QString program = dir.filePath("bin");
    ASSERT_TRUE(QDir().mkpath(program));
    QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    {
        TMainForm form(program);
        EXPECT_EQ(form.SettingsFile(), config + "/Norvadeks.ini");
        // Run from a folder without a library, the installed program keeps it
        // among the user's data.
        const QString current = QDir::currentPath();
        QDir::setCurrent(dir.path());
        EXPECT_EQ(form.LibraryOptions().Folder, data);
        // The library window creates its tables there.
        form.EgriKayitClick();
        EXPECT_TRUE(QFileInfo::exists(data + "/CurvedLines.db"));
        EXPECT_TRUE(QFileInfo::exists(data + "/CLTypes.DB"));
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("CurvedLines.db")));
        QDir::setCurrent(current);
    }
    EXPECT_TRUE(QFileInfo::exists(config + "/Norvadeks.ini"));
    EXPECT_FALSE(QFileInfo::exists(program + "/Norvadeks.ini"));
    QDir(config).removeRecursively();
    QDir(data).removeRecursively();
    QFile::setPermissions(
        program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QStandardPaths::setTestModeEnabled(false);
}

TEST(Splash, StaysUpForItsMinimumTimeAfterTheWindowIsShown)
{
    QPixmap picture(40, 20);
    picture.fill(Qt::darkBlue);
    TSplashScreen splash(picture, std::chrono::milliseconds(400));
    EXPECT_TRUE(splash.isVisible());
    QWidget window;
    window.show();
    QElapsedTimer since;
    since.start();
    splash.FinishWhenShown(&window);
    QApplication::processEvents();
    EXPECT_TRUE(splash.isVisible()) << "hidden before its minimum time";
    while (splash.isVisible() && since.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_GE(since.elapsed(), 300);

    // Past its minimum time it goes as soon as the window is up.
    TSplashScreen late(picture, std::chrono::milliseconds(0));
    late.FinishWhenShown(&window);
    EXPECT_FALSE(late.isVisible());
}
