#include <gtest/gtest.h>

#include "platform/SystemInfo.h"
#include "tests/TemporaryRoot.h"

TEST (SystemInfo, DistributionNameAndVersionFromOsRelease)
{
    TemporaryRoot root;
    auto file = root.getFolder().getChildFile ("os-release");

    const std::pair<const char*, const char*> cases[] = {
        { "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian GNU/Linux\"\nVERSION_ID=\"12\"\n",
          "Debian GNU/Linux 12" },
        { "NAME=Fedora\nVERSION_ID=40\n", "Fedora 40" },
        { "NAME='Arch Linux'\n", "Arch Linux" },
        { "PRETTY_NAME=\"Something 7\"\n", "Something 7" },
    };

    for (auto& [content, expected] : cases)
    {
        file.replaceWithText (content);
        EXPECT_EQ (SystemInfo::distributionName (file), expected);
    }

    EXPECT_TRUE (SystemInfo::distributionName (root.getFolder().getChildFile ("missing")).isNotEmpty());
}

TEST (SystemInfo, LanguageCodeOfALocale)
{
    const std::pair<const char*, const char*> cases[] = {
        { "de_DE.UTF-8", "de" }, { "fr_CA", "fr" }, { "sr_RS@latin", "sr" }, { "pt", "pt" }, { "C.UTF-8", "en" },
        { "POSIX", "en" },       { "", "en" },      { "ja_JP.eucJP", "ja" },
    };

    for (auto& [locale, code] : cases)
        EXPECT_EQ (SystemInfo::languageCode (locale), code) << locale;
}
