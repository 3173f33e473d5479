#include "about/AboutContent.h"

#include <gtest/gtest.h>

namespace quillby {
namespace {

using Lines = std::vector<std::string>;

TEST(AboutContent, ShowsThisBuildsValues) {
    const AboutContent about = buildAboutContent(&ownVersionInfo());
    EXPECT_EQ(about.caption, "Quillby");
    EXPECT_EQ(about.lines, (Lines{"By:   The Quillby developers", "", "Quillby", "File Version:   0.6.7.7", ""}));
}

TEST(AboutContent, LeavesOutMissingAndEmptyValuesAndKeepsTheOrder) {
    VersionInfo every;
    every.addTranslation({0x0409, 1252});
    const char* table = "040904E4";
    for (const char* name : {"ProductName", "ProductVersion", "CompanyName", "FileDescription", "FileVersion",
                             "LegalCopyright", "Comments"}) {
        every.setString(table, name, std::string("v") + name);
    }
    EXPECT_EQ(buildAboutContent(&every).lines,
              (Lines{"Product Version:   vProductVersion", "By:   vCompanyName", "", "vFileDescription",
                     "File Version:   vFileVersion", "", "Copyright:   vLegalCopyright", "", "vComments"}));

    VersionInfo onlyVersion;
    onlyVersion.addTranslation({0x0409, 1252});
    onlyVersion.setString("040904e4", "ProductName", "");
    onlyVersion.setString("040904e4", "FileVersion", "1.2");
    const AboutContent about = buildAboutContent(&onlyVersion);
    EXPECT_EQ(about.caption, "");
    EXPECT_EQ(about.lines, (Lines{"File Version:   1.2", ""}));
}

TEST(AboutContent, SaysSoWhenThereIsNoVersionInformation) {
    const Lines none{"No version information available."};
    EXPECT_EQ(buildAboutContent(nullptr).caption, "About");
    EXPECT_EQ(buildAboutContent(nullptr).lines, none);
    VersionInfo withoutPair;
    withoutPair.setString("041004E4", "ProductName", "Quillby");
    EXPECT_EQ(buildAboutContent(&withoutPair).lines, none);
}

TEST(VersionInfo, FindsStringsWithoutRegardToTheCaseOfTheirPath) {
    const VersionInfo& info = ownVersionInfo();
    EXPECT_EQ(info.queryString("\\StringFileInfo\\041004e4\\FileVersion"), "0.6.7.7");
    EXPECT_EQ(info.queryString("\\stringfileinfo\\041004E4\\productname"), "Quillby");
    EXPECT_FALSE(info.queryString("\\StringFileInfo\\040904e4\\FileVersion"));
    EXPECT_FALSE(info.queryString("\\VarFileInfo\\Translation"));
}

} // namespace
} // namespace quillby
