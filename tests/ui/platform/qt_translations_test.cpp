#include "ui/platform/qt_translations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

QString buttonText(QDialogButtonBox::StandardButton which)
{
    QDialogButtonBox box(which);
    return box.button(which)->text().remove('&');
}

} // namespace

TEST(QtTranslations, StandardButtonsSpeakTurkish)
{
    ASSERT_EQ(buttonText(QDialogButtonBox::Cancel), "Cancel");
    QTranslator* translator = LoadQtTranslations(*qApp);
    ASSERT_NE(translator, nullptr) << "qtbase_tr.qm not found in Qt's translations folder";
    EXPECT_EQ(buttonText(QDialogButtonBox::Cancel), "İptal");
    EXPECT_EQ(buttonText(QDialogButtonBox::Save), "Kaydet");
    // The rest of the executable's tests see Qt's own texts again.
    QCoreApplication::removeTranslator(translator);
    delete translator;
    EXPECT_EQ(buttonText(QDialogButtonBox::Cancel), "Cancel");
}
