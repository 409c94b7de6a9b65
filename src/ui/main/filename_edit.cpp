#include "ui/main/filename_edit.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

TFilenameEdit::TFilenameEdit(QWidget* parent)
    : QWidget(parent)
    , FEdit(new QLineEdit(this))
    , FButton(new QToolButton(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(FEdit, 1);
    layout->addWidget(FButton);
    FButton->setText(QStringLiteral("..."));
    FButton->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(FEdit);
    connect(FEdit, &QLineEdit::textChanged, this, &TFilenameEdit::Change);
    connect(FButton, &QToolButton::clicked, this, &TFilenameEdit::Browse);
}

QString TFilenameEdit::Text() const { return FEdit->text(); }

void TFilenameEdit::SetText(const QString& value) { FEdit->setText(value); }

void TFilenameEdit::Browse()
{
    QFileDialog dialog(window(), QString(), FInitialDir, FFilter);
    dialog.setObjectName(QStringLiteral("FilenameEditDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    SetText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}
