#include "ui/platform/generation_progress.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>

namespace {
constexpr int Steps = 1000;

bool onWindowsThread() { return qApp && QThread::currentThread() == qApp->thread(); }
}

TGenerationProgressBar::TGenerationProgressBar(QWidget* owner)
    : FOwner(owner)
{
}

TGenerationProgressBar::~TGenerationProgressBar() { Hide(); }

void TGenerationProgressBar::Begin()
{
    FStopped = false;
    FPutBack = false;
    FClock.start();
}

void TGenerationProgressBar::BeginPutBack()
{
    FPutBack = true;
    if (!FClock.isValid())
        FClock.start();
}

bool TGenerationProgressBar::Continue(long long done, long long total)
{
    if (!onWindowsThread())
        return true;
    if (!FBar) {
        if (FClock.elapsed() < FDelay)
            return true;
        Show();
        if (!FBar)
            return true;
    }
    FBar->setValue(total > 0 ? static_cast<int>(std::min(done, total) * Steps / total) : 0);
    QCoreApplication::processEvents();
    return FPutBack || !FStopped;
}

void TGenerationProgressBar::End() { Hide(); }

QPushButton* TGenerationProgressBar::CancelButton() const { return FCancel; }

void TGenerationProgressBar::Show()
{
    // A window of its own within a main window (a floating tool window) shows the bar in
    // the main window's status line.
    QMainWindow* window = nullptr;
    for (QWidget* w = FOwner ? FOwner->window() : nullptr; w && !window; w = w->parentWidget())
        window = qobject_cast<QMainWindow*>(w);
    if (!window)
        return;
    QStatusBar* status = window->statusBar();
    FBar = new QProgressBar(status);
    FBar->setRange(0, Steps);
    FBar->setMaximumWidth(200);
    FCancel = new QPushButton(QCoreApplication::translate("TGenerationProgressBar", "Vazgeç"), status);
    connect(FCancel, &QPushButton::clicked, this, [this] { FStopped = true; });
    FCancel->setEnabled(!FPutBack);
    status->addPermanentWidget(FBar);
    status->addPermanentWidget(FCancel);
    FBar->show();
    FCancel->show();
    qApp->installEventFilter(this);
}

void TGenerationProgressBar::Hide()
{
    if (qApp)
        qApp->removeEventFilter(this);
    delete FBar;
    delete FCancel;
}

// Input for anything but the button is dropped; Escape stops. A slider held when the
// generation began goes on following the mouse and lets go of it (its owner takes
// what it asks for once the generation ends); nothing else sees the mouse move, so
// that nothing reads the points the generation is writing.
bool TGenerationProgressBar::eventFilter(QObject* watched, QEvent* event)
{
    const auto isCancel = [this](QObject* watched) {
        auto* widget = qobject_cast<QWidget*>(watched);
        return FCancel && widget && (widget == FCancel || FCancel->isAncestorOf(widget));
    };
    // The mouse reaches a window before the widget under it, where it is judged.
    if (watched->isWindowType())
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            return QObject::eventFilter(watched, event);
        default:
            break;
        }
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            FStopped = true;
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return !isCancel(watched);
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return !isCancel(watched) && !qobject_cast<QAbstractSlider*>(watched);
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Close:
    case QEvent::DragEnter:
    case QEvent::Drop:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
