#include "base/number_text.h"
#include "cli/commands.h"
#include "cli/headless.h"
#include "files/file_locations.h"
#include "files/ini_file.h"
#include "files/language.h"
#include "ui/main/about_frm.h"
#include "ui/main/main_form.h"
#include "ui/main/splash_screen.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QTimer>

int main(int argc, char* argv[])
{
    // render, table and eval run without a window.
    if (IsCommandLine(argc, argv))
        return RunHeadless(argc, argv);
    QApplication app(argc, argv);
    // No display name: the platform would add " — Velmo" to every title, the main
    // window's "Velmo - [Ekran1]" included.
    QApplication::setApplicationName("Velmo");
    QApplication::setDesktopFileName("velmo");
    QApplication::setWindowIcon(QIcon(":/velmo/velmo.svg"));
    // The language --lang names for this run, or the one the settings file keeps (Turkish
    // unless English was chosen), for the program's texts and Qt's own dialogs and buttons
    // alike, the splash's included.
    std::optional<TLanguage> language;
    QStringList files = WithoutLanguage(QCoreApplication::arguments().mid(1), language);
    InstallLanguage(language.value_or(
        ReadLanguage(TIniFile(SettingsFileToRead(QCoreApplication::applicationDirPath())))));
    // The splash is shown and painted before the main window is built.
    TSplashScreen splash(SplashPicture());
    // Numbers are read and printed with the user's decimal separator.
    const QString separator = QLocale::system().decimalPoint();
    SetDecimalSeparator(separator.isEmpty() ? '.' : separator.at(0).toLatin1());

    TMainForm window;
    window.show();
    splash.FinishWhenShown(&window);
    // For checks of an installed program: VELMO_QUIT_AFTER=milliseconds closes
    // the main window (and so ends the program) that long after the start.
    bool timed = false;
    const int quitAfter = qEnvironmentVariableIntValue("VELMO_QUIT_AFTER", &timed);
    if (timed)
        QTimer::singleShot(quitAfter, &window, &QWidget::close);
    // Scene files named on the command line open, each in a graph window of its own.
    files.removeIf([](const QString& a) { return a.startsWith('-'); });
    window.OpenFiles(files);
    return app.exec();
}
