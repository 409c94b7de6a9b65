#pragma once

#include "cli/commands.h"

#include <QStringList>
#include <QTemporaryDir>

#include <sstream>
#include <string>

// What a command run in this process answered.
struct TRun {
    int Code = -1;
    std::string Out;
    std::string Err;
};

// The command run in this process against the settings file of dir.
inline TRun run(const QTemporaryDir& dir, const QStringList& arguments)
{
    std::ostringstream out, err;
    const TCommandContext context { dir.filePath("Norvadeks.ini"), out, err };
    TRun r;
    r.Code = RunCommand(arguments, context);
    r.Out = out.str();
    r.Err = err.str();
    return r;
}
