#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;
class QToolButton;

// A file-name field with a browse button: the button opens a file dialog in
// InitialDir offering Filter, and the file chosen there becomes the field's text.
class TFilenameEdit : public QWidget {
    Q_OBJECT

public:
    explicit TFilenameEdit(QWidget* parent = nullptr);

    QString Text() const;
    void SetText(const QString& value);

    QString InitialDir() const { return FInitialDir; }
    void SetInitialDir(const QString& value) { FInitialDir = value; }

    // Filter entries in the file dialog's form: "Bitmap files (*.bmp)".
    QString Filter() const { return FFilter; }
    void SetFilter(const QString& value) { FFilter = value; }

    QLineEdit* Edit() const { return FEdit; }
    QToolButton* Button() const { return FButton; }

    // Opens the file dialog modally; the text changes only when a file is chosen.
    void Browse();

signals:
    // The text changed, by typing, by browsing or by SetText.
    void Change();

private:
    QLineEdit* FEdit;
    QToolButton* FButton;
    QString FInitialDir;
    QString FFilter;
};
