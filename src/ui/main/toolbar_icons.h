#pragma once

#include <QIcon>
#include <QString>

#include <span>

class QToolBar;

// The pictures of the toolbar buttons: one set of the program's own drawings,
// kept as SVG in the resources so that they stay sharp at any screen scale.
// The buttons that show a caption ("fx", "Op", "4W", "Num") have none.

struct TToolbarIconFile {
    const char* Button; // the button's object name
    const char* File; // the resource path of its picture
};

// Every button that has a picture, with its file.
std::span<const TToolbarIconFile> ToolbarIconFiles();

// The picture of the button with this object name; a null icon for any other.
// The disabled form is drawn grey and faint so that it reads as unavailable.
QIcon ToolbarIcon(const QString& button);

// Gives every button of bar that has a picture its icon; tool tips, status
// texts and captions stay as they are.
void ApplyToolbarIcons(QToolBar& bar);
