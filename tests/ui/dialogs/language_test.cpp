#include "../language_guard.h"
#include "../widget_texts.h"
#include "ui/dialogs/animasyon_frm.h"
#include "ui/dialogs/bakis_frm.h"
#include "ui/dialogs/buyukluk_frm.h"
#include "ui/dialogs/fhesapla_frm.h"
#include "ui/dialogs/ozellikler_frm.h"
#include "ui/dialogs/saysal_frm.h"

#include <QApplication>

#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Every dialog built in English reads differently from the Turkish one wherever it shows a
// word: a text that reads the same was left out of the translation.
TEST(DialogLanguages, EveryDialogSpeaksEnglish)
{
    TLanguageGuard guard;
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<QWidget>()>>> dialogs {
        { "view", [] { return std::make_unique<TBakisFrm>(); } },
        { "zoom", [] { return std::make_unique<TBuyuklukFrm>(); } },
        { "properties", [] { return std::make_unique<TOzelliklerFrm>(QString()); } },
        { "numeric values", [] { return std::make_unique<TSaysalFrm>(); } },
        { "animation", [] { return std::make_unique<TAnimasyonFrm>(std::vector<TParameter> {}); } },
        { "calculator", [] { return std::make_unique<TFHesaplaFrm>(); } },
    };
    // The same in both languages on purpose: names, the colours whose Turkish names are
    // English ones, the properties' switches.
    const QSet<QString> allowed { "Velmo", "On", "Off", "Index", "Olive", "Teal", "Lime", "Fuchsia",
        "Aqua" };
    for (const auto& [name, make] : dialogs) {
        SCOPED_TRACE(name);
        UninstallLanguage();
        const QStringList turkish = WidgetTexts(*make());
        InstallLanguage(TLanguage::English);
        const QStringList english = WidgetTexts(*make());
        const QStringList same = UntranslatedTexts(turkish, english, allowed);
        EXPECT_TRUE(same.isEmpty()) << same.join(" | ").toStdString();
    }
}
