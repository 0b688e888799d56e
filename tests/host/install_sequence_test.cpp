// The installation sequence over a fake: order of steps, positions, the result rule and the names.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "install/catalogue.h"
#include "install/installation_sequence.h"
#include "install/shortcut_names.h"

namespace {

// Records every step as one line of text; extractions of the items in `failing` fail.
class FakeSteps : public InstallationSteps {
public:
    std::set<unsigned short> failing;
    std::vector<std::string> log;

    int Extract(const CatalogueRow& row) override
    {
        log.push_back("extract " + std::to_string(row.Item) + " " + row.FileName + " " +
                      std::to_string(row.ReadOnly) + std::to_string(row.Hidden));
        return failing.count(row.Item) ? 0 : 1;
    }
    void SetProgress(int position) override { log.push_back("progress " + std::to_string(position)); }
    void UpdateSetting() override { log.push_back("setting"); }
    void MakeGroup(const char* groupName, const ShortcutEntry* links, int folder) override
    {
        std::string line = "group " + std::string(groupName ? groupName : "<null>") + " " + std::to_string(folder);
        for (const ShortcutEntry* entry = links; entry->Name; ++entry) {
            line += std::string(" {") + entry->Name + ", " + entry->Target + "}";
        }
        log.push_back(line);
    }
    void MakeDesktopLink(const char* targetFile, const char* linkName) override
    {
        log.push_back(std::string("desktop ") + targetFile + " " + linkName);
    }

    std::vector<int> Positions() const
    {
        std::vector<int> positions;
        for (const std::string& line : log) {
            if (line.rfind("progress ", 0) == 0) positions.push_back(std::stoi(line.substr(9)));
        }
        return positions;
    }
    std::size_t Count(const std::string& prefix) const
    {
        std::size_t count = 0;
        for (const std::string& line : log) count += line.rfind(prefix, 0) == 0;
        return count;
    }
};

const std::vector<std::string> CatalogueSteps = {
    "progress 10",
    "extract 200 gbk2b5.bin 11",
    "extract 201 ch2py.bin 11",
    "extract 202 CH2PYPZ1.BIN 11",
    "extract 203 CH2PYPZ2.BIN 11",
    "extract 192 VocalithUnInstall.exe 00",
    "extract 177 Vocalith_Guide.htm 10",
    "extract 196 Vocalith_Guide_en.htm 10",
    "progress 20",
    "extract 120 OmniroUI.ini 11",
    "progress 25",
    "extract 110 ChnBmp.bin 11",
    "progress 45",
    "extract 197 barmenu.JPG 11",
    "extract 198 ctrlmenu.PNG 11",
    "extract 199 Desktop.JPG 11",
    "extract 204 taskicon.JPG 11",
    "extract 205 TOOLBAR.JPG 11",
    "extract 119 welcome_vocalith.JPG 11",
    "progress 75",
    "extract 109 Vocalith.exe 10",
    "extract 124 license_cn.txt 10",
    "extract 161 license_en.txt 10",
    "progress 90",
};

TEST(InstallationSequence, WritesTheCatalogueThenTheSettingThenTheShortcuts)
{
    FakeSteps steps;
    EXPECT_EQ(1, RunInstallationSequence(steps, {0, 1, 1}));
    std::vector<std::string> expected = CatalogueSteps;
    expected.insert(expected.end(), {
                                        "setting",
                                        "group Kelvu Vocalith 2 {Kelvu Vocalith, Vocalith.exe} "
                                        "{UnInstall Vocalith, VocalithUnInstall.exe}",
                                        "progress 94",
                                        "desktop Vocalith.exe Kelvu Vocalith",
                                        "group <null> 7 {Kelvu Vocalith, Vocalith.exe}",
                                        "progress 97",
                                        "progress 100",
                                    });
    EXPECT_EQ(expected, steps.log);
}

TEST(InstallationSequence, WithoutOptionsMakesOnlyTheGroupAndStillSetsEveryPosition)
{
    FakeSteps steps;
    EXPECT_EQ(1, RunInstallationSequence(steps, {0, 0, 0}));
    EXPECT_EQ((std::vector<int>{10, 20, 25, 45, 75, 90, 94, 97, 100}), steps.Positions());
    EXPECT_EQ(1u, steps.Count("group "));
    EXPECT_EQ(0u, steps.Count("desktop "));
    EXPECT_EQ(18u, steps.Count("extract "));
}

TEST(InstallationSequence, AFailedFontFileStopsAfterNineAttempts)
{
    FakeSteps steps;
    steps.failing = {110};
    EXPECT_EQ(0, RunInstallationSequence(steps, {0, 1, 1}));
    EXPECT_EQ(9u, steps.Count("extract "));
    EXPECT_EQ("extract 110 ChnBmp.bin 11", steps.log.back());
    EXPECT_EQ((std::vector<int>{10, 20, 25}), steps.Positions());
    EXPECT_EQ(0u, steps.Count("setting"));
    EXPECT_EQ(0u, steps.Count("group "));
    EXPECT_EQ(0u, steps.Count("desktop "));
}

TEST(InstallationSequence, AnyOtherFailedFileFailsTheResultButEverythingElseIsDone)
{
    for (unsigned short item : {200, 120, 161}) {
        FakeSteps steps;
        steps.failing = {item};
        EXPECT_EQ(0, RunInstallationSequence(steps, {0, 1, 1})) << item;
        EXPECT_EQ(18u, steps.Count("extract ")) << item;
        EXPECT_EQ(1u, steps.Count("setting")) << item;
        EXPECT_EQ(2u, steps.Count("group ")) << item;
        EXPECT_EQ(1u, steps.Count("desktop ")) << item;
        EXPECT_EQ((std::vector<int>{10, 20, 25, 45, 75, 90, 94, 97, 100}), steps.Positions()) << item;
    }
}

TEST(InstallationSequence, NamesFollowTheSystemsChineseVariant)
{
    for (int systemChinese : {0, 1, 2}) {
        const ShortcutNames& names = ShortcutNamesFor(systemChinese);
        FakeSteps steps;
        RunInstallationSequence(steps, {systemChinese, 1, 1});
        const std::string product = names.Product;
        const std::string uninstall = names.Uninstall;
        const std::vector<std::string> shortcuts(steps.log.end() - 6, steps.log.end() - 2);
        const std::vector<std::string> expected = {
            "group " + product + " 2 {" + product + ", Vocalith.exe} {" + uninstall + ", VocalithUnInstall.exe}",
            "progress 94",
            "desktop Vocalith.exe " + product,
            "group <null> 7 {" + product + ", Vocalith.exe}",
        };
        EXPECT_EQ(expected, shortcuts) << systemChinese;
    }
}

TEST(ShortcutNames, AreTheExactBytesOfEachCharset)
{
    struct Case {
        int systemChinese;
        const char* product;
        const char* uninstall;
    } cases[] = {
        {0, "Kelvu Vocalith", "UnInstall Vocalith"},
        // GB2312
        {1, "\xBF\xC2\xB6\xFB\xCE\xE9\xCE\xD6\xBF\xA8\xC0\xEF",
         "\xBF\xC2\xB6\xFB\xCE\xE9\xCE\xD6\xBF\xA8\xC0\xEF\xD0\xB6\xD4\xD8"},
        // Big5
        {2, "\xAC\x5F\xBA\xB8\xA5\xEE\xA8\x55\xA5\x64\xB8\xCC",
         "\xAC\x5F\xBA\xB8\xA5\xEE\xA8\x55\xA5\x64\xB8\xCC\xA8\xF8\xB8\xFC"},
        {3, "Kelvu Vocalith", "UnInstall Vocalith"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.product, ShortcutNamesFor(c.systemChinese).Product) << c.systemChinese;
        EXPECT_STREQ(c.uninstall, ShortcutNamesFor(c.systemChinese).Uninstall) << c.systemChinese;
    }
}

}  // namespace
