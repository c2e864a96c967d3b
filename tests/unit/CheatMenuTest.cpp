#include <gtest/gtest.h>

#include <imgui.h>
#include <imgui_internal.h>

#include "battle/CheatMenu.h"

namespace {
// A Dear ImGui context that draws nowhere: enough to build windows and lay out widgets.
struct HeadlessImGui {
    HeadlessImGui()
    {
        ImGui::CreateContext();
        ImGuiIO& io = ImGui::GetIO();
        io.DisplaySize = ImVec2(1280, 720);
        io.IniFilename = nullptr;
        unsigned char* pixels = nullptr;
        int width = 0, height = 0;
        io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    }
    ~HeadlessImGui() { ImGui::DestroyContext(); }
    void Frame(const std::function<void()>& body)
    {
        ImGui::GetIO().DeltaTime = 1.0f / 60.0f;
        ImGui::NewFrame();
        body();
        ImGui::Render();
    }
};

struct Counts {
    int draws = 0, kills = 0, resets = 0, refreshes = 0;
    std::vector<int> wins;
};

CheatMenu::Commands CountingCommands(Counts& counts)
{
    CheatMenu::Commands commands;
    commands.drawRandomSpell = [&] { ++counts.draws; };
    commands.killSelected = [&] { ++counts.kills; };
    commands.makeSideWin = [&](int side) { counts.wins.push_back(side); };
    commands.resetHealthAndAp = [&] { ++counts.resets; };
    commands.refreshTokens = [&] { ++counts.refreshes; };
    commands.spellBook = [] { return std::vector<std::string>{"Fireball (fire)", "Cantrip (normal)"}; };
    return commands;
}
}  // namespace

TEST(CheatMenu, EveryCommandReachesItsHandler)
{
    Counts counts;
    CheatMenu menu(CountingCommands(counts));
    menu.Run(CheatMenu::Command::DrawRandomSpell);
    menu.Run(CheatMenu::Command::KillSelected);
    menu.Run(CheatMenu::Command::WinSide2);
    menu.Run(CheatMenu::Command::WinSide1);
    menu.Run(CheatMenu::Command::ResetHealthAndAp);
    menu.Run(CheatMenu::Command::RefreshTokens);
    EXPECT_EQ(counts.draws, 1);
    EXPECT_EQ(counts.kills, 1);
    EXPECT_EQ(counts.wins, (std::vector<int>{2, 1}));
    EXPECT_EQ(counts.resets, 1);
    EXPECT_EQ(counts.refreshes, 1);
    EXPECT_FALSE(menu.SpellBookShown());
    menu.Run(CheatMenu::Command::ToggleSpellBook);
    EXPECT_TRUE(menu.SpellBookShown());
    menu.Run(CheatMenu::Command::ToggleSpellBook);
    EXPECT_FALSE(menu.SpellBookShown());
}

TEST(CheatMenu, MissingHandlersDoNothing)
{
    CheatMenu menu(CheatMenu::Commands{});
    for (auto command : {CheatMenu::Command::DrawRandomSpell, CheatMenu::Command::KillSelected,
                         CheatMenu::Command::WinSide1, CheatMenu::Command::ResetHealthAndAp,
                         CheatMenu::Command::RefreshTokens, CheatMenu::Command::ToggleSpellBook})
        menu.Run(command);
    EXPECT_TRUE(menu.SpellBookShown());
}

TEST(CheatMenu, WindowOnlyWhileTheDebugFlagIsOn)
{
    HeadlessImGui imgui;
    Counts counts;
    CheatMenu menu(CountingCommands(counts));
    bool drawn = true;
    imgui.Frame([&] { drawn = menu.Draw(false); });
    EXPECT_FALSE(drawn);
    EXPECT_EQ(ImGui::FindWindowByName(CheatMenu::kTitle), nullptr);
    menu.Run(CheatMenu::Command::ToggleSpellBook);
    imgui.Frame([&] { drawn = menu.Draw(true); });
    EXPECT_TRUE(drawn);
    ImGuiWindow* window = ImGui::FindWindowByName(CheatMenu::kTitle);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->Active);
    // Drawing never runs a command by itself.
    EXPECT_EQ(counts.draws + counts.kills + counts.resets + counts.refreshes, 0);
}

TEST(CheatMenu, WithoutAnImGuiContextNothingIsDrawn)
{
    CheatMenu menu(CheatMenu::Commands{});
    EXPECT_EQ(ImGui::GetCurrentContext(), nullptr);
    EXPECT_FALSE(menu.Draw(true));
}

TEST(CheatMenu, AClickOnAButtonRunsItsCommandOnce)
{
    HeadlessImGui imgui;
    Counts counts;
    CheatMenu menu(CountingCommands(counts));
    imgui.Frame([&] { menu.Draw(true); });
    imgui.Frame([&] { menu.Draw(true); });
    ImGuiWindow* window = ImGui::FindWindowByName(CheatMenu::kTitle);
    ASSERT_NE(window, nullptr);
    // The seventh button of the column is "Refresh Tokens".
    ImGuiIO& io = ImGui::GetIO();
    io.MousePos = ImVec2(window->DC.CursorStartPos.x + 20.0f,
                         window->DC.CursorStartPos.y + 6.0f * ImGui::GetFrameHeightWithSpacing() + 8.0f);
    imgui.Frame([&] { menu.Draw(true); });
    io.MouseDown[0] = true;
    imgui.Frame([&] { menu.Draw(true); });
    imgui.Frame([&] { menu.Draw(true); });
    io.MouseDown[0] = false;
    imgui.Frame([&] { menu.Draw(true); });
    imgui.Frame([&] { menu.Draw(true); });
    EXPECT_EQ(counts.refreshes, 1);
    EXPECT_EQ(counts.draws + counts.kills + counts.resets, 0);
    EXPECT_TRUE(counts.wins.empty());
}
