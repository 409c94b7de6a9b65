#include "ui/platform/error_report.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

QList<QMessageBox*> openMessageBoxes()
{
    QList<QMessageBox*> boxes;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            boxes.append(box);
    return boxes;
}

} // namespace

TEST(ErrorReport, GuardedReportsTheMessageAndStops)
{
    QStringList messages;
    TScopedErrorSink sink([&](const QString& m) { messages.append(m); });

    int steps = 0;
    EXPECT_TRUE(Guarded([&] { ++steps; }));
    EXPECT_TRUE(messages.isEmpty());

    const struct {
        std::function<void()> Raise;
        QString Message;
    } rows[] = {
        { [] { throw Exception("Bu eğri daha önce tanımlanmıştır (3)"); },
            QStringLiteral("Bu eğri daha önce tanımlanmıştır (3)") },
        { [] { throw EZeroDivide(); }, QStringLiteral("Floating point division by zero") },
        { [] { throw std::runtime_error("Açılmamış"); }, QStringLiteral("Açılmamış") },
        { [] { throw 42; }, QStringLiteral("Unknown exception") },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Message.toStdString());
        messages.clear();
        steps = 0;
        EXPECT_FALSE(Guarded([&] {
            ++steps;
            row.Raise();
            ++steps;
        }));
        EXPECT_EQ(steps, 1);
        EXPECT_EQ(messages, QStringList { row.Message });
    }
}

TEST(ErrorReport, SinksNestAndRestore)
{
    QStringList outer, inner;
    {
        TScopedErrorSink a([&](const QString& m) { outer.append(m); });
        {
            TScopedErrorSink b([&](const QString& m) { inner.append(m); });
            ReportError("one");
        }
        ReportError("two");
        // A sink that raises is ignored: nothing leaves Guarded.
        TScopedErrorSink c([](const QString&) { throw std::runtime_error("sink"); });
        EXPECT_FALSE(Guarded([] { throw Exception("three"); }));
    }
    EXPECT_EQ(inner, QStringList { "one" });
    EXPECT_EQ(outer, QStringList { "two" });

    const TErrorSink none = SetErrorSink([](const QString&) {});
    EXPECT_FALSE(none); // the message box
    EXPECT_TRUE(SetErrorSink(none));
}

TEST(ErrorReport, HandlerOfASignal)
{
    QStringList messages;
    TScopedErrorSink sink([&](const QString& m) { messages.append(m); });
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked,
        [] { Guarded([] { throw Exception("List index out of bounds (5)"); }); });
    button.click();
    button.click();
    EXPECT_EQ(
        messages, (QStringList { "List index out of bounds (5)", "List index out of bounds (5)" }));
}

TEST(ErrorReport, DefaultIsOneMessageBox)
{
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        qsizetype mostBoxes = 0;
        // Answers every open box; a second, nested box would be answered too.
        const auto answer = [&] {
            mostBoxes = std::max(mostBoxes, openMessageBoxes().size());
            for (QMessageBox* box : openMessageBoxes())
                box->button(QMessageBox::Ok)->click();
        };
        QTimer::singleShot(0, [&] {
            const QList<QMessageBox*> boxes = openMessageBoxes();
            mostBoxes = boxes.size();
            if (boxes.isEmpty())
                return;
            title = boxes.front()->windowTitle();
            text = boxes.front()->text();
            icon = boxes.front()->icon();
            buttons = boxes.front()->standardButtons();
            QTimer::singleShot(0, answer);
            // A report while the box is open, as from a timer tick.
            ReportError("second");
        });
        EXPECT_FALSE(Guarded([] { throw Exception("Unable to write to /x/Norvadeks.ini"); }));
        EXPECT_EQ(title, "Velmo");
        EXPECT_EQ(text, "Unable to write to /x/Norvadeks.ini");
        EXPECT_EQ(icon, QMessageBox::Critical);
        EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(mostBoxes, 1);
        EXPECT_TRUE(openMessageBoxes().isEmpty());
    }
}

// A file name or a formula in a message is text, never markup: no picture loaded,
// no link, no size taken from an <img>.
TEST(ErrorReport, MessagesArePlainText)
{
    const QString message = QString::fromUtf8(
        "\"<img src=marker.png width=9000 height=9000><b>x.vlm\" açılamadı: "
        "<a href=\"http://example.org\">dosya</a> okunamadı.");
    Qt::TextFormat format = Qt::AutoText;
    QSize hint;
    QTimer::singleShot(0, [&] {
        const QList<QMessageBox*> boxes = openMessageBoxes();
        ASSERT_EQ(boxes.size(), 1);
        format = boxes.front()->textFormat();
        hint = boxes.front()->sizeHint();
        boxes.front()->button(QMessageBox::Ok)->click();
    });
    ReportError(message);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_LT(hint.height(), 1000) << "the OK button stays on the screen";
}
