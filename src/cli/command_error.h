#pragma once

#include "base/exception.h"

// Exit codes of the command line.
enum TExitCode : int { ecSuccess = 0, ecRefused = 1, ecUsage = 2 };

// A command that stops: the message goes to the error output and the program
// ends with the exit code. A usage error (ecUsage) is followed by a hint line.
class ECommandError : public Exception {
public:
    ECommandError(int exitCode, std::string message)
        : Exception(std::move(message))
        , FExitCode(exitCode)
    {
    }
    int ExitCode() const { return FExitCode; }

private:
    int FExitCode;
};
