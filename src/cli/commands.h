#pragma once

#include "files/language.h"

#include <QString>
#include <QStringList>

#include <iosfwd>
#include <optional>

// Velmo from a shell: "render" writes the picture of a scene, "table" the points
// of a curve, "eval" the value or compiled form of a formula; "--help" lists them.
// The commands open no window, read the settings file but never write it, and
// write nothing but their output (a file replaced only by a complete new one, or
// the standard output).
struct TCommandContext {
    QString SettingsFile; // the look of a new graph window; read only
    std::ostream& Out;
    std::ostream& Err;
};

// True when the first argument names a command (or asks for the command list or
// the version).
bool IsCommand(const QString& firstArgument);
// True when the arguments (after the program's name) are for the command line: a
// command, or anything but scene files that exist and a good --lang (an unknown command
// or option, a missing file, a language that is none), which RunCommand refuses as a
// usage error. Otherwise the program opens its window with the files.
bool IsCommandLine(const QStringList& arguments);
// arguments without "--lang CODE" or "--lang=CODE" (before "--"); the language the last
// one names in language, left as it is when none does.
QStringList WithoutLanguage(const QStringList& arguments, std::optional<TLanguage>& language);

// Runs the command named by arguments[0] with the arguments after it and returns
// the exit code: 0 done, 1 a formula, step or value refused or the output not
// written (the message on Err, a curve's prefixed "curve N field: "), 2 a usage
// error (the message and a hint line on Err). The decimal separator of base is
// the one numbers are read and printed with. Needs a QGuiApplication for render.
int RunCommand(const QStringList& arguments, const TCommandContext& context);
