#include "../language_guard.h"
#include "../widget_texts.h"
#include "engine/vocabulary.h"
#include "files/language.h"
#include "ui/main/about_frm.h"
#include "ui/main/curved_line_explorer.h"
#include "ui/main/main_form.h"
#include "ui/main/wall_p_dialog_frm.h"

#include <QApplication>
#include <QMenuBar>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

bool hasTurkishLetter(const QString& text)
{
    static const QString letters = QString::fromUtf8("çğıöşüÇĞİÖŞÜ");
    return std::any_of(text.begin(), text.end(), [](QChar c) { return letters.contains(c); });
}

} // namespace

// The main window in English: menus, toolbars, the explorer, the operator palette, the
// parameters and a graph window's menu, nothing left in Turkish but the name of the
// language itself; Turkish again gives the texts of the code.
TEST(MainFormLanguage, EveryTextOfTheWindowsInEnglish)
{
    TLanguageGuard guard;
    QTemporaryDir dir;
    const auto texts = [&dir] {
        TMainForm m(dir.path());
        m.show();
        m.YeniPencereClick();
        QApplication::processEvents();
        return WidgetTexts(m);
    };
    const QStringList turkish = texts();
    InstallLanguage(TLanguage::English);
    {
        TMainForm m(dir.path());
        EXPECT_EQ(m.menuBar()->actions().first()->text(), "&File");
        EXPECT_EQ(m.CurvedLineExplorerToolW->windowTitle(), "Curve Explorer");
    }
    const QStringList english = texts();
    QStringList left;
    for (const QString& text : english)
        if (hasTurkishLetter(text) && text != QString::fromUtf8("Türkçe"))
            left << text;
    left.removeDuplicates();
    EXPECT_TRUE(left.isEmpty()) << left.join('\n').toStdString();
    // A word that reads the same in both was left out too. These are the same on purpose:
    // names (the graph windows' too), colours whose Turkish names are English ones, the
    // words of the formula language on the palette's buttons, the language's own name and
    // Qt's own window menu, which speaks Qt's English in both tests.
    QSet<QString> allowed { "Velmo", "Ekran1[*]", "English", QString::fromUtf8("Türkçe"), "Olive",
        "Teal", "Lime", "Fuchsia", "Aqua", "Exponent", "Num", "&Restore", "Restore", "&Move",
        "Move", "&Size", "Size", "Mi&nimize", "Minimize", "Ma&ximize", "Maximize", "Stay on &Top",
        "Stay on Top", "&Close", "Close" };
    for (const std::string_view function : FunctionTable)
        allowed << QString::fromUtf8(function.data(), static_cast<qsizetype>(function.size()));
    for (const TWordOperator& word : WordOperatorTable)
        allowed << QString::fromUtf8(word.Word.data(), static_cast<qsizetype>(word.Word.size()));
    for (const char* word : { "not", "and", "or", "xor" })
        allowed << word;
    const QStringList same = UntranslatedTexts(turkish, english, allowed);
    EXPECT_TRUE(same.isEmpty()) << same.join(" | ").toStdString();

    UninstallLanguage();
    TMainForm m(dir.path());
    EXPECT_EQ(m.menuBar()->actions().first()->text(), "&Dosya");
    EXPECT_EQ(m.CurvedLineExplorerToolW->windowTitle(), QString::fromUtf8("Eğri Gezgini"));
}

// The main window's own dialogs: wallpaper, about and credits.
TEST(MainFormLanguage, TheDialogsOfTheMainWindowInEnglish)
{
    TLanguageGuard guard;
    const std::vector<std::function<std::unique_ptr<QWidget>()>> dialogs {
        [] { return std::make_unique<TWallPDialogFrm>(); },
        [] { return std::make_unique<TAboutFrm>(TAboutFrm::Program); },
        [] { return std::make_unique<TAboutFrm>(TAboutFrm::Author); },
    };
    for (const auto& make : dialogs) {
        UninstallLanguage();
        const QStringList turkish = WidgetTexts(*make());
        InstallLanguage(TLanguage::English);
        const QStringList english = WidgetTexts(*make());
        const QStringList same = UntranslatedTexts(turkish, english, { "Velmo" });
        EXPECT_TRUE(same.isEmpty()) << same.join(" | ").toStdString();
    }
}
