#include "ui/platform/error_report.h"

#include <QApplication>
#include <QMessageBox>

namespace {

bool boxOpen = false;

// A handler that raises on every timer tick would otherwise open one nested modal
// box per tick until the stack runs out.
void showMessageBox(const QString& message)
{
    if (boxOpen)
        return;
    boxOpen = true;
    struct TClose {
        ~TClose() { boxOpen = false; }
    } close;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Velmo"), message, QMessageBox::Ok,
        QApplication::activeWindow());
    // Messages carry file names and formulas: never read as rich text.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

TErrorSink SetErrorSink(TErrorSink sink) { return THook<TErrorSink>::Replace(std::move(sink)); }

void ReportError(const QString& message) noexcept
{
    try {
        // A copy, so a sink that replaces itself does not destroy itself mid-call.
        const TErrorSink sink = THook<TErrorSink>::Current();
        if (sink)
            sink(message);
        else
            showMessageBox(message);
    } catch (...) {
    }
}

void ReportException(std::exception_ptr error) noexcept
{
    try {
        // What the user stopped is no fault to tell of.
        if (error)
            try {
                std::rethrow_exception(error);
            } catch (const EAbort&) {
                return;
            } catch (...) {
            }
        ReportError(ExceptionMessage(error));
    } catch (...) {
    }
}

QString ExceptionMessage(std::exception_ptr error)
{
    if (!error)
        return {};
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        return QString::fromStdString(e.Message());
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Unknown exception");
    }
}
