#include "cli/headless.h"

#include "base/number_text.h"
#include "cli/commands.h"
#include "files/file_locations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>

#include <iostream>
#include <memory>

namespace {
// Qt's notes about the desktop session (no runtime folder without a desktop)
// are no concern of a command: its error output holds its own messages only.
void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || (type == QtCriticalMsg && !message.startsWith("QStandardPaths")))
        std::cerr << message.toStdString() << '\n';
}
}

bool IsCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return IsCommandLine(arguments);
}

int RunHeadless(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Qt sees the program name alone, so that no argument of ours is taken for
    // one of its own options (-platform, -style, ...). Both outlive the application.
    int qtArgc = 1;
    char* qtArgv[] = { argv[0], nullptr };
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietHandler);
    // Only pictures need the platform (fonts for the labels); the others run on Qt Core.
    std::unique_ptr<QCoreApplication> app;
    // The command, after a --lang before it.
    qsizetype command = 0;
    while (command < arguments.size()
        && (arguments[command] == "--lang" || arguments[command].startsWith("--lang=")))
        command += arguments[command] == "--lang" ? 2 : 1;
    if (arguments.value(command) == "render")
        app = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
    else
        app = std::make_unique<QCoreApplication>(qtArgc, qtArgv);
    QCoreApplication::setApplicationName("Velmo");
    const QString separator = QLocale::system().decimalPoint();
    SetDecimalSeparator(separator.isEmpty() ? '.' : separator.at(0).toLatin1());

    std::ios::sync_with_stdio(false);
    const TCommandContext context { SettingsFileToRead(QCoreApplication::applicationDirPath()),
        std::cout, std::cerr };
    const int code = RunCommand(arguments, context);
    std::cout.flush();
    return code;
}
