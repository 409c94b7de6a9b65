#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

// An image control: shows its own copy of a picture at its natural size from the
// top-left corner and reports the mouse over it. Moves are reported with or
// without a button held. A double click reports DblClick in place of a second
// MouseDown: press, release, double click, release. The wheel is reported too. A marker (a small
// cross) may stand over the picture without being part of it.
class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

    const QPixmap& Picture() const { return FPicture; }
    void SetPicture(const QPixmap& picture);
    void SetPicture(const QImage& picture);

    // When on, the control takes the size of each picture it is given.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);

    // The cross centred on pixel at, in color with a rim of halo that keeps it apart
    // from what it stands on; none at first.
    void SetMarker(const QPoint& at, const QColor& color, const QColor& halo);
    void ClearMarker();
    bool HasMarker() const { return FMarker; }
    QPoint MarkerAt() const { return FMarkerAt; }

    QSize sizeHint() const override;

signals:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void DblClick();
    void MouseLeave();
    // The wheel turned by delta (120 a notch, up positive) over (x, y).
    void Wheel(int delta, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void PictureChanged();

    QPixmap FPicture;
    bool FAutoSize = false;
    bool FMarker = false;
    QPoint FMarkerAt;
    QColor FMarkerColor;
    QColor FMarkerHalo;
};
