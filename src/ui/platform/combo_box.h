#pragma once

#include <QComboBox>
#include <QElapsedTimer>
#include <QPoint>

// A drop-down list that reports a double click. The list opens on the first
// press, so a second press on its popup within the double-click time, near the
// first, closes it again unchanged and counts as the double click; a double
// click that reaches the closed list counts too.
class TComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TComboBox(QWidget* parent = nullptr);

signals:
    void DblClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WatchPopup();

    QElapsedTimer FLastPress;
    QPoint FLastPressPos;
    bool FWatchingPopup = false;
};
