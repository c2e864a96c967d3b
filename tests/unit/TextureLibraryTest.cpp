#include <gtest/gtest.h>

#include "render/TextureLibrary.h"
#include "render/TextureList.h"
#include "RenderTestSupport.h"

namespace {
// A library reading the test fixtures instead of the game's folders.
struct FixtureLibrary : TextureLibrary {
    FixtureLibrary()
    {
        assetDirectory = RenderFixture("Assets/");
        dataDirectory = RenderFixture("Data/");
    }
};
}  // namespace

TEST(TextureList, EntriesFollowTheListRules)
{
    TextureList list = TextureList::FromFile(RenderFixture("Data/List.json"));
    ASSERT_EQ(list.status, TextureList::Status::Ok);
    EXPECT_EQ(list.invalidEntries, 2) << "a number and an array are not texture entries";
    ASSERT_EQ(list.entries.size(), 5u);

    const auto& plain = list.entries[0];
    EXPECT_EQ(plain.name, "rgb");
    EXPECT_FALSE(plain.repeat);
    EXPECT_FALSE(plain.mipmap);
    EXPECT_EQ(plain.rows, 1);
    EXPECT_EQ(plain.columns, 1);

    const auto& sheet = list.entries[1];
    EXPECT_TRUE(sheet.repeat);
    EXPECT_TRUE(sheet.mipmap);
    EXPECT_EQ(sheet.rows, 2);
    EXPECT_EQ(sheet.columns, 4);

    const auto& boolMipmap = list.entries[2];
    EXPECT_FALSE(boolMipmap.mipmap) << "a boolean mipmap value is ignored";
    EXPECT_FALSE(boolMipmap.repeat) << "only true repeats";

    EXPECT_EQ(list.entries[3].name, "default") << "an entry without a name";
    EXPECT_EQ(list.entries[3].columns, 3);
}

TEST(TextureList, BadFilesAddNothing)
{
    EXPECT_EQ(TextureList::FromFile(RenderFixture("Data/Missing.json")).status, TextureList::Status::NotFound);
    EXPECT_EQ(TextureList::FromFile(RenderFixture("Data/Truncated.json")).status, TextureList::Status::Unparsable);
    EXPECT_EQ(TextureList::FromFile(RenderFixture("Data/NotAList.json")).status, TextureList::Status::Unparsable);
    TextureList nested = TextureList::FromFile(RenderFixture("Data/Nested.json"));
    EXPECT_EQ(nested.status, TextureList::Status::Unparsable) << "hostile nesting is refused, not recursed into";
    EXPECT_TRUE(nested.entries.empty());
}

TEST(TextureList, SheetsHaveAtLeastOneCellEachWay)
{
    TextureList list = TextureList::FromText(R"({"textures": [{"name": "a", "rows": 0, "columns": -3},
                                                               {"name": "b", "rows": 2.5, "columns": "4"}]})");
    ASSERT_EQ(list.entries.size(), 2u);
    EXPECT_EQ(list.entries[0].rows, 1);
    EXPECT_EQ(list.entries[0].columns, 1);
    EXPECT_EQ(list.entries[1].rows, 1) << "a non-integer count keeps the default";
    EXPECT_EQ(list.entries[1].columns, 1);
}

TEST(TextureLibrary, LoadListAddsWhatExistsAndComplainsAboutTheRest)
{
    LogCapture log("texture_list_test_log.txt");
    FixtureLibrary library;
    library.loadList("List");
    EXPECT_EQ(log.Count("!!! - TextureLibrary Found An Invalid Texture "), 2);
    EXPECT_EQ(log.Count("! - add_texture() Could Not Find File"), 1) << "absent_picture has no file";
    ASSERT_NE(library.find("rgba"), nullptr);
    EXPECT_EQ(library.find("rgba")->rows, 2);
    EXPECT_EQ(library.find("rgba")->columns, 4);
    EXPECT_TRUE(library.find("rgba")->repeat);
    EXPECT_EQ(library.find("rgb")->width, 4);
    EXPECT_NE(library.find("default"), nullptr);
    EXPECT_EQ(library.find("absent_picture"), nullptr);
    EXPECT_EQ(library.size(), 4u);

    library.loadList("Missing");
    EXPECT_TRUE(log.Has("!!! - TextureLibrary Could Not Find json File " + RenderFixture("Data/Missing.json")));
    library.loadList("Truncated");
    EXPECT_TRUE(log.Has("!!! - TextureLibrary Could Not Parse json File "));
    EXPECT_EQ(library.size(), 4u);
}

TEST(TextureLibrary, GrabFallsBackToDefaultWithAComplaint)
{
    LogCapture log("texture_grab_test_log.txt");
    FixtureLibrary library;
    ASSERT_TRUE(library.add_texture("default", false, 1, 1, false));
    TextureData* fallback = library.grab_texture("Nowhere_Texture");
    ASSERT_NE(fallback, nullptr);
    EXPECT_EQ(fallback->name, "default");
    EXPECT_TRUE(log.Has("!! - grab_texture() Could Not Find Texture: Nowhere_Texture"));
}

TEST(TextureLibrary, WithoutDefaultGrabReturnsAnEntryThatDrawsNothing)
{
    FixtureLibrary library;
    TextureData* none = library.grab_texture("Nowhere_Texture");
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->id, 0u);
    EXPECT_EQ(none->rows, 1);
    EXPECT_EQ(none->columns, 1);
}

TEST(TextureLibrary, AddingAgainReplacesTheEntry)
{
    FixtureLibrary library;
    ASSERT_TRUE(library.add_texture("rgb", false, 1, 1, false));
    ASSERT_TRUE(library.add_texture("rgb", true, 3, 2, false));
    EXPECT_EQ(library.size(), 1u);
    EXPECT_TRUE(library.find("rgb")->repeat);
    EXPECT_EQ(library.find("rgb")->rows, 3);
    EXPECT_EQ(library.find("rgb")->columns, 2);
}

TEST(TextureLibrary, SheetCountsAreBoundedSoTheirProductStaysAPositiveInt)
{
    FixtureLibrary library;
    ASSERT_TRUE(library.add_texture("sheet", false, 1 << 30, 1 << 30, false));
    EXPECT_EQ(library.find("sheet")->rows, TextureLibrary::kMaxDimension);
    EXPECT_EQ(library.find("sheet")->columns, TextureLibrary::kMaxDimension);
    EXPECT_GT(library.find("sheet")->rows * library.find("sheet")->columns, 0);
    ASSERT_TRUE(library.add_texture("sheet", false, -5, 0, false));
    EXPECT_EQ(library.find("sheet")->rows, 1);
    EXPECT_EQ(library.find("sheet")->columns, 1);
}

TEST(TextureLibrary, ReplacingKeepsTheEntryThatSpritesAlreadyHold)
{
    // Sprites and fonts keep the pointer grab_texture gave them; a later list naming the same
    // texture again must update that entry, not free it under them.
    FixtureLibrary library;
    ASSERT_TRUE(library.add_texture("rgb", false, 1, 1, false));
    TextureData* held = library.grab_texture("rgb");
    ASSERT_TRUE(library.add_texture("rgb", true, 3, 2, false));
    EXPECT_EQ(library.find("rgb"), held);
    EXPECT_TRUE(held->repeat);
    EXPECT_EQ(held->rows, 3);
    EXPECT_EQ(held->columns, 2);
    EXPECT_EQ(held->width, 4);
    ASSERT_TRUE(library.add_texture("broken", false, 1, 1, false));
    TextureData* broken = library.find("broken");
    ASSERT_TRUE(library.add_texture("broken", false, 1, 1, false));
    EXPECT_EQ(library.find("broken"), broken);
    EXPECT_EQ(broken->width, 0);
}

TEST(TextureLibrary, UndecodableFileIsStillStoredAndReported)
{
    LogCapture log("texture_broken_test_log.txt");
    FixtureLibrary library;
    EXPECT_TRUE(library.add_texture("broken", false, 1, 1, false));
    ASSERT_NE(library.find("broken"), nullptr);
    EXPECT_EQ(library.find("broken")->width, 0);
    EXPECT_TRUE(log.Has("Cannot load texture"));
}

TEST(TextureLibrary, ThreeChannelFilesUploadOpaque)
{
    EXPECT_EQ(TextureLibrary::UploadFormat(3), 0x1907u);  // GL_RGB
    EXPECT_EQ(TextureLibrary::UploadFormat(4), 0x1908u);  // GL_RGBA
    EXPECT_EQ(TextureLibrary::UploadFormat(1), 0x1908u) << "grey files keep an alpha channel";
    FixtureLibrary library;
    library.add_texture("rgb", false, 1, 1, false);
    library.add_texture("rgba", false, 1, 1, false);
    library.add_texture("grey", false, 1, 1, false);
    EXPECT_EQ(library.find("rgb")->channels, 3);
    EXPECT_EQ(library.find("rgba")->channels, 4);
    EXPECT_EQ(library.find("grey")->channels, 1);
}
