#include "ui/platform/qt_translations.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

QString buttonText(QDialogButtonBox::StandardButton which)
{
    QDialogButtonBox box(which);
    return box.button(which)->text().remove('&');
}

QStringList labelTexts(const QWidget& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text().remove('&');
    return texts;
}

} // namespace

TEST(QtTranslations, StandardButtonsSpeakTurkish)
{
    ASSERT_EQ(buttonText(QDialogButtonBox::Cancel), "Cancel");
    QTranslator* translator = LoadQtTranslations(*qApp);
    ASSERT_NE(translator, nullptr) << "qtbase_tr.qm not found in Qt's translations folder";
    EXPECT_EQ(buttonText(QDialogButtonBox::Cancel), "İptal");
    EXPECT_EQ(buttonText(QDialogButtonBox::Save), "Kaydet");
    // Qt's own file and colour dialogs, as the program opens them.
    QFileDialog file;
    file.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_TRUE(labelTexts(file).contains("Dosya adı:"))
        << labelTexts(file).join('|').toStdString();
    QColorDialog colour;
    colour.setOption(QColorDialog::DontUseNativeDialog);
    EXPECT_TRUE(labelTexts(colour).contains("Temel renkler"))
        << labelTexts(colour).join('|').toStdString();
    // The rest of the executable's tests see Qt's own texts again.
    QCoreApplication::removeTranslator(translator);
    delete translator;
    EXPECT_EQ(buttonText(QDialogButtonBox::Cancel), "Cancel");
}
