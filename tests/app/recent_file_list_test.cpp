#include "app/recent_file_list.h"

#include <gtest/gtest.h>

namespace {

TEST(RecentFileList, MostRecentFirstWithoutDuplicatesAndAtMostFour) {
    RecentFileList list;
    for (const char* path : {"/a.vxl", "/b.vxl", "/c.vxl", "/d.vxl", "/b.vxl", "/e.vxl"}) list.Add(path);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/e.vxl", "/b.vxl", "/d.vxl", "/c.vxl"}));
    list.Remove(1);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/e.vxl", "/d.vxl", "/c.vxl"}));
    list.Remove(7);  // out of range: nothing happens
    EXPECT_EQ(list.Entries().size(), 3u);
}

TEST(RecentFileList, SurvivesTheSettingsStore) {
    RecentFileList list;
    list.Add("/maps/one.vxl");
    list.Add("/maps/two words.vxl");
    list.WriteList();
    RecentFileList again;
    again.ReadList();
    EXPECT_EQ(again.Entries(), (std::vector<std::string>{"/maps/two words.vxl", "/maps/one.vxl"}));
    RecentFileList().WriteList();
    again.ReadList();
    EXPECT_TRUE(again.Entries().empty());
}

TEST(RecentFileList, DisplayNamesFitThirtyCharacters) {
    const struct {
        const char* path;
        const char* currentDir;
        const char* shown;
    } cases[] = {
        {"/home/ann/maps/fire.vxl", "/home/ann/maps", "fire.vxl"},
        {"/home/ann/fire.vxl", "/tmp", "/home/ann/fire.vxl"},
        {"/home/ann/quake/baseq3/maps/effects/fire.vxl", "/tmp", "/home/.../effects/fire.vxl"},
        {"/home/ann/quake/baseq3/maps/effects/a_very_long_effect_name.vxl", "/tmp",
         "a_very_long_effect_name.vxl"},
        {"/x/an_effect_name_far_longer_than_thirty.vxl", "/tmp", "an_effect_name_far_longer_than"},
    };
    for (const auto& c : cases) {
        const std::string shown = RecentFileList::DisplayName(c.path, c.currentDir);
        EXPECT_EQ(shown, c.shown) << c.path;
        EXPECT_LE(shown.size(), 30u);
    }
}

}  // namespace
