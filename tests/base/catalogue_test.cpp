#include "base/catalogue.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>

namespace {
// The places a text takes arguments at: "%s", "%d" and "%1".."%9".
std::multiset<std::string> placesOf(const std::string& text)
{
    static const std::regex place("%[sd1-9]");
    std::multiset<std::string> places;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), place);
         it != std::sregex_iterator(); ++it)
        places.insert(it->str());
    return places;
}
}

TEST(Catalogue, EveryEnglishFormTakesTheTurkishArguments)
{
    std::set<std::string> seen;
    for (const TCatalogueEntry& entry : CatalogueEntries()) {
        SCOPED_TRACE(entry.Turkish);
        EXPECT_TRUE(seen.insert(entry.Turkish).second) << "twice in the catalogue";
        EXPECT_EQ(placesOf(entry.English), placesOf(entry.Turkish));
        EXPECT_STRNE(entry.English, "");
    }
}

TEST(Catalogue, TheLanguageSetChoosesTheText)
{
    const char* turkish = "Bilinmeyen bir ifade => %s";
    ASSERT_EQ(TextLanguage(), TTextLanguage::Turkish);
    EXPECT_EQ(Localized(turkish), turkish);
    SetTextLanguage(TTextLanguage::English);
    EXPECT_STREQ(Localized(turkish), "Unknown expression => %s");
    // A text the catalogue does not hold is shown as it is.
    EXPECT_STREQ(Localized("Velmo"), "Velmo");
    SetTextLanguage(TTextLanguage::Turkish);
    EXPECT_EQ(Localized(turkish), turkish);
    EXPECT_EQ(EnglishOf("Velmo"), nullptr);
}

TEST(Catalogue, ArgumentsGoWhereTheTextPutsThem)
{
    EXPECT_EQ(FormatArguments("%2 ile %1", { "a", "b" }), "b ile a");
    EXPECT_EQ(FormatArguments("%1%1", { "x" }), "xx");
    // A place with no argument, or a percent sign of the text, stays.
    EXPECT_EQ(FormatArguments("%1 %2 %", { "x" }), "x %2 %");
    EXPECT_EQ(FormatArguments("%1", { "%2" }), "%2");
}
