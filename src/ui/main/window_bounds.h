#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

// The main window's place as the settings file keeps it ("Left", "Top", "Width",
// "Height"): the client area's position and size, frame excluded, written and read
// back as the same quantity. So a start, an exit and a start leave the window where
// it was, whatever frame the window manager draws around it (a frame position
// stored and then restored as a client position creeps by the frame's size on
// every start).
struct TWindowBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// What to store, from the window's client geometry (QWidget::geometry()).
TWindowBounds StoredWindowBounds(const QRect& clientGeometry);

// The client geometry to set at start (QWidget::setGeometry()).
QRect RestoredClientGeometry(const TWindowBounds& bounds);

// Where a floating tool window of the given size first goes in area (global
// coordinates): the first place from the top right corner, going down and then to
// the left in steps of 8 pixels with an 8-pixel margin, that overlaps none of avoid;
// nothing when there is none.
std::optional<QPoint> FirstFloatingPlace(
    const QRect& area, const QSize& size, const QList<QRect>& avoid);
