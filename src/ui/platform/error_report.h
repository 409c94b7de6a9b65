#pragma once

#include "base/exception.h"
#include "ui/platform/hook.h"

#include <QString>

#include <exception>
#include <functional>
#include <utility>

// The program's default error report: a message box captioned "Velmo" with an
// error icon and an OK button. Every handler whose body may raise runs it through
// Guarded, so no exception crosses a Qt signal or event boundary.

using TErrorSink = std::function<void(const QString& message)>;

// Replaces where reported messages go and returns the sink in use before; an empty
// sink stands for the message box.
TErrorSink SetErrorSink(TErrorSink sink);

// Hands message to the sink. Raises nothing: a sink that raises is ignored. While
// the message box is open, further messages are dropped rather than stacked.
void ReportError(const QString& message) noexcept;

// The message of an exception of any kind: Message() of ours, what() of the
// standard library's, a fixed text for anything else; empty for no exception.
QString ExceptionMessage(std::exception_ptr error);

// Reports the message of error (as ExceptionMessage gives it), but for an EAbort (an
// operation the user stopped), which it passes over. Raises nothing.
void ReportException(std::exception_ptr error) noexcept;

// Runs body; an exception it raises is reported and stops there. False when an
// error was reported.
template <class F> bool Guarded(F&& body) noexcept
{
    try {
        std::forward<F>(body)();
        return true;
    } catch (...) {
        ReportException(std::current_exception());
        return false;
    }
}

// Sends reported messages to a sink of its own while it lives (tests read them
// there instead of answering a message box).
using TScopedErrorSink = TScopedHook<TErrorSink>;
