#pragma once

#include <QComboBox>

// The zoom box of the view toolbar: an editable list of sizes in percent. A text
// that starts with a whole number above 0 followed by "%" chooses that size.
// Enter makes the number at the start of the text "N%" and chooses it; any other
// key first leaves the number alone (0 without one) for the key to edit. A double
// click on the text asks for the zoom dialog.
class TZoomBox : public QComboBox {
    Q_OBJECT
public:
    explicit TZoomBox(QWidget* parent = nullptr);

signals:
    void PercentChosen(int percent);
    void DialogRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TextChanged();
    void KeyDown(int key);
};
