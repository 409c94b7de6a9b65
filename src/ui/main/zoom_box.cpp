#include "ui/main/zoom_box.h"

#include "base/number_text.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <climits>

namespace {
// The zoom box's number: a decimal integer from the start of the text (after
// blanks), and where the text goes on after its digits (-1 when it ends there).
// A number too long for an integer reads as no number.
struct TZoomText {
    long long Value = 0;
    bool Digits = false;
    int After = -1;
};

TZoomText readZoomText(const QString& text)
{
    TZoomText result;
    int i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const int start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const int digitsStart = i;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    result.Digits = i > digitsStart;
    result.After = i < text.size() ? i : -1;
    if (!result.Digits)
        return result;
    long long value = 0;
    if (!TryTextToInt(text.mid(start, i - start).toStdString(), value) || value > INT_MAX
        || value < INT_MIN) {
        result.Digits = false;
        return result;
    }
    result.Value = value;
    return result;
}
}

TZoomBox::TZoomBox(QWidget* parent)
    : QComboBox(parent)
{
    setObjectName("BuyuklukComboBox");
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    addItems({ "500%", "300%", "200%", "150%", "125%", "100%", "90%", "75%", "50%", "25%", "10%" });
    setToolTip(tr("Büyüklük"));
    setMinimumContentsLength(5);
    setEditText("100%");
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::currentTextChanged, this, &TZoomBox::TextChanged);
}

void TZoomBox::TextChanged()
{
    const QString text = currentText();
    const TZoomText zoom = readZoomText(text);
    if (zoom.Digits && zoom.Value > 0 && zoom.After >= 0 && text[zoom.After] == '%')
        emit PercentChosen(static_cast<int>(zoom.Value));
}

void TZoomBox::KeyDown(int key)
{
    const TZoomText zoom = readZoomText(currentText());
    const long long value = zoom.Digits ? zoom.Value : 0;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (value > 0) {
            setEditText(QString::number(value) + "%");
            TextChanged();
        }
        return;
    }
    setEditText(QString::number(value));
}

bool TZoomBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        KeyDown(key);
        // Enter is handled in full here; other keys then edit the new text.
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonDblClick)
        emit DialogRequested();
    return QObject::eventFilter(watched, event);
}
