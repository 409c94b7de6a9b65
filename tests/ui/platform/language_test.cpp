#include "../language_guard.h"
#include "files/language.h"
#include "ui/platform/help_book.h"
#include "ui/platform/help_pages.h"
#include "ui/platform/help_viewer.h"
#include "ui/platform/prompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
#include <gtest/gtest.h>

namespace {

QString qs(const char* text) { return QString::fromUtf8(text); }

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

// The texts of the buttons of the message box a yes/no question opens; the box is
// answered as soon as it shows.
QStringList questionButtons()
{
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        for (QAbstractButton* button : box->buttons())
            texts << button->text();
        box->reject();
    });
    AskYesNo(nullptr, qs("Silinsin mi?"));
    texts.sort();
    return texts;
}

} // namespace

TEST(Languages, QtsOwnDialogsFollowTheLanguage)
{
    TLanguageGuard guard;
    ASSERT_EQ(buttonText(QDialogButtonBox::Cancel), "Cancel");
    InstallLanguage(TLanguage::Turkish);
    EXPECT_EQ(buttonText(QDialogButtonBox::Cancel), qs("İptal"));
    EXPECT_EQ(buttonText(QDialogButtonBox::Save), "Kaydet");
    // Qt's own file and colour dialogs, as the program opens them.
    QFileDialog file;
    file.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_TRUE(labelTexts(file).contains(qs("Dosya adı:")))
        << labelTexts(file).join('|').toStdString();
    QColorDialog colour;
    colour.setOption(QColorDialog::DontUseNativeDialog);
    EXPECT_TRUE(labelTexts(colour).contains("Temel renkler"))
        << labelTexts(colour).join('|').toStdString();

    InstallLanguage(TLanguage::English);
    EXPECT_EQ(buttonText(QDialogButtonBox::Cancel), "Cancel");
    EXPECT_EQ(buttonText(QDialogButtonBox::Save), "Save");
}

TEST(Languages, PromptsAndTheHelpInEnglishAndBackInTurkish)
{
    TLanguageGuard guard;
    InstallLanguage(TLanguage::English);
    EXPECT_EQ(questionButtons(), QStringList({ "&No", "&Yes" }));
    {
        THelpViewer viewer;
        viewer.ShowContents();
        EXPECT_EQ(viewer.windowTitle(), "Velmo Help");
        EXPECT_EQ(viewer.Tabs()->tabText(0), "Contents");
        const QString contents = viewer.Browser()->toPlainText();
        EXPECT_TRUE(contents.startsWith("Contents")) << contents.left(80).toStdString();
        EXPECT_TRUE(contents.contains("Velmo is a program that draws curves"));
        EXPECT_TRUE(viewer.ContentsList()->item(1)->text() == "Main Window");
        // The same pages under the same names: a window's help opens its page in English.
        viewer.ShowContext(hcCalculator);
        EXPECT_EQ(viewer.CurrentPage(), "hesaplayici");
        EXPECT_TRUE(viewer.Browser()->toPlainText().startsWith("Function Calculator"));
        // The index sorts and finds the English keywords.
        EXPECT_FALSE(SearchHelp("wallpaper").isEmpty());
        EXPECT_EQ(SearchHelp("wallpaper").first().PageId, "duvar_kagidi");
    }
    EXPECT_EQ(OperatorDescription(8), "multiplication");

    InstallLanguage(TLanguage::Turkish);
    EXPECT_EQ(questionButtons(), QStringList({ "&Evet", qs("&Hayır") }));
    THelpViewer viewer;
    viewer.ShowContents();
    EXPECT_EQ(viewer.windowTitle(), qs("Velmo Yardım"));
    EXPECT_TRUE(viewer.Browser()->toPlainText().startsWith(qs("İçindekiler")));
    EXPECT_EQ(viewer.ContentsList()->item(1)->text(), "Ana Pencere");
    EXPECT_EQ(OperatorDescription(8), qs("çarpma"));
}

TEST(Languages, BothHelpBooksHaveTheSamePages)
{
    const QList<THelpPage> turkish = BuildHelpPages(TLanguage::Turkish);
    const QList<THelpPage> english = BuildHelpPages(TLanguage::English);
    ASSERT_EQ(turkish.size(), english.size());
    const QRegularExpression link("href=\"velmo:([a-z_]+)\"");
    for (qsizetype i = 0; i < turkish.size(); ++i) {
        SCOPED_TRACE(turkish[i].Id.toStdString());
        EXPECT_EQ(english[i].Id, turkish[i].Id);
        EXPECT_EQ(english[i].Context, turkish[i].Context);
        EXPECT_FALSE(english[i].Keywords.isEmpty());
        // Every link of an English page leads to a page.
        for (const auto& match : link.globalMatch(english[i].Html)) {
            const QString target = match.captured(1);
            EXPECT_TRUE(std::any_of(english.begin(), english.end(), [&target](const THelpPage& p) {
                return p.Id == target;
            })) << target.toStdString();
        }
    }
}
