#include "ui/platform/prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>

TPrompts SetPrompts(TPrompts prompts) { return THook<TPrompts>::Replace(std::move(prompts)); }

bool AskYesNo(QWidget* owner, const QString& text)
{
    if (const auto ask = THook<TPrompts>::Current().YesNo)
        return ask(owner, text);
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Velmo"), text, QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    QPushButton* yes
        = box.addButton(QCoreApplication::translate("TPrompts", "&Evet"), QMessageBox::YesRole);
    QPushButton* no
        = box.addButton(QCoreApplication::translate("TPrompts", "&Hayır"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

TSaveAnswer AskSaveChanges(QWidget* owner, const QString& text)
{
    if (const auto ask = THook<TPrompts>::Current().SaveChanges)
        return ask(owner, text);
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Velmo"), text, QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    QPushButton* save = box.addButton(
        QCoreApplication::translate("TPrompts", "&Kaydet"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(
        QCoreApplication::translate("TPrompts", "Kaydet&me"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(
        QCoreApplication::translate("TPrompts", "&Vazgeç"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return TSaveAnswer::Save;
    if (box.clickedButton() == discard)
        return TSaveAnswer::Discard;
    return TSaveAnswer::Cancel;
}

bool AskReplaceFile(QWidget* owner, const QString& fileName)
{
    return AskYesNo(owner,
        QCoreApplication::translate("TPrompts", "%1 zaten var.\nDeğiştirilsin mi?")
            .arg(QDir::toNativeSeparators(fileName)));
}
