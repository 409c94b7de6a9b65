#pragma once

#include "ui/main/tiler.h"

#include <QMdiArea>

// The main window's multiple-document client area: grey, covered by the wallpaper
// of its painter Tiler behind the child windows, and reporting a double click on
// the part that no child window covers.
class TMdiClient : public QMdiArea {
    Q_OBJECT

public:
    explicit TMdiClient(QWidget* parent = nullptr);

    TTiler& Tiler() { return FTiler; }
    const TTiler& Tiler() const { return FTiler; }

signals:
    // A left double click on the empty client area.
    void EmptyAreaDblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    TTiler FTiler;
};
