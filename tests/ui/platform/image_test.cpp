#include "ui/platform/image.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>
#include <vector>

namespace {

QImage testPicture()
{
    QImage image(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(30 * x, 40 * y, 255 - 10 * x * y));
    return image;
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
    Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(
        type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, buttons, modifiers);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

TEST(Image, KeepsItsOwnCopy)
{
    TImage image;
    const QImage expected = testPicture();

    QImage source = expected;
    image.SetPicture(source);
    source.fill(Qt::red);
    EXPECT_EQ(image.Picture().toImage().convertToFormat(QImage::Format_RGB32), expected);

    QPixmap pixmap = QPixmap::fromImage(expected);
    image.SetPicture(pixmap);
    {
        QPainter painter(&pixmap);
        painter.fillRect(pixmap.rect(), Qt::green);
    }
    pixmap.fill(Qt::blue);
    EXPECT_EQ(image.Picture().toImage().convertToFormat(QImage::Format_RGB32), expected);
}

TEST(Image, PaintsThePictureAtTheTopLeft)
{
    QWidget window;
    window.resize(40, 30);
    TImage image(&window);
    image.setGeometry(3, 2, 20, 12);
    const QImage picture = testPicture();
    image.SetPicture(picture);
    window.show();
    EXPECT_EQ(image.geometry(), QRect(3, 2, 20, 12));

    const QImage shot
        = image.grab(QRect(0, 0, 7, 5)).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot, picture);

    // Sized to its picture when asked, at once and with each new picture.
    image.SetAutoSize(true);
    EXPECT_EQ(image.size(), QSize(7, 5));
    image.SetPicture(QImage(11, 9, QImage::Format_RGB32));
    EXPECT_EQ(image.size(), QSize(11, 9));
    EXPECT_EQ(image.pos(), QPoint(3, 2));
}

TEST(Image, ReportsTheMouse)
{
    TImage image;
    image.resize(50, 40);
    image.show();
    EXPECT_TRUE(image.hasMouseTracking());

    std::vector<QString> events;
    QObject::connect(
        &image, &TImage::MouseDown, [&](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
            events.push_back(QString("down %1 %2 %3 %4").arg(int(b)).arg(int(m)).arg(x).arg(y));
        });
    QObject::connect(
        &image, &TImage::MouseMove, [&](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) {
            events.push_back(QString("move %1 %2 %3 %4").arg(int(b)).arg(int(m)).arg(x).arg(y));
        });
    QObject::connect(
        &image, &TImage::MouseUp, [&](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
            events.push_back(QString("up %1 %2 %3 %4").arg(int(b)).arg(int(m)).arg(x).arg(y));
        });
    QObject::connect(&image, &TImage::DblClick, [&] { events.push_back("dblclick"); });

    const int left = int(Qt::LeftButton), right = int(Qt::RightButton),
              shift = int(Qt::ShiftModifier);
    sendMouse(&image, QEvent::MouseMove, { 5, 6 }, Qt::NoButton, Qt::NoButton);
    sendMouse(&image, QEvent::MouseButtonPress, { 10, 12 }, Qt::LeftButton, Qt::LeftButton,
        Qt::ShiftModifier);
    sendMouse(
        &image, QEvent::MouseMove, { 26, 12 }, Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    sendMouse(&image, QEvent::MouseButtonRelease, { 27, 13 }, Qt::LeftButton, Qt::NoButton);
    sendMouse(&image, QEvent::MouseButtonPress, { 1, 2 }, Qt::RightButton, Qt::RightButton);
    sendMouse(&image, QEvent::MouseButtonDblClick, { 1, 2 }, Qt::RightButton, Qt::RightButton);
    sendMouse(&image, QEvent::MouseButtonRelease, { 1, 2 }, Qt::RightButton, Qt::NoButton);

    const std::vector<QString> expected = {
        "move 0 0 5 6",
        QString("down %1 %2 10 12").arg(left).arg(shift),
        QString("move %1 %2 26 12").arg(left).arg(shift),
        QString("up %1 0 27 13").arg(left),
        QString("down %1 0 1 2").arg(right),
        "dblclick",
        QString("up %1 0 1 2").arg(right),
    };
    EXPECT_EQ(events, expected);
}
