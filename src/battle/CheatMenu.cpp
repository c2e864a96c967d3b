#include "battle/CheatMenu.h"

#include <imgui.h>

void CheatMenu::Run(Command command)
{
    switch (command) {
    case Command::DrawRandomSpell:
        if (commands.drawRandomSpell) commands.drawRandomSpell();
        break;
    case Command::ToggleSpellBook:
        bookShown = !bookShown;
        // The list is read when the view opens: the book does not change during a battle.
        if (bookShown) bookLines = commands.spellBook ? commands.spellBook() : std::vector<std::string>{};
        break;
    case Command::KillSelected:
        if (commands.killSelected) commands.killSelected();
        break;
    case Command::WinSide1:
    case Command::WinSide2:
        if (commands.makeSideWin) commands.makeSideWin(command == Command::WinSide1 ? 1 : 2);
        break;
    case Command::ResetHealthAndAp:
        if (commands.resetHealthAndAp) commands.resetHealthAndAp();
        break;
    case Command::RefreshTokens:
        if (commands.refreshTokens) commands.refreshTokens();
        break;
    }
}

bool CheatMenu::Draw(bool debugFlag)
{
    if (!debugFlag || !ImGui::GetCurrentContext()) return false;
    ImGui::SetNextWindowPos(ImVec2(10, 70), ImGuiCond_FirstUseEver);
    ImGui::Begin(kTitle, nullptr, ImGuiWindowFlags_AlwaysAutoResize);
    struct Entry {
        const char* label;
        Command command;
    };
    static constexpr Entry kEntries[] = {
        {"Draw Random Spell", Command::DrawRandomSpell}, {"View Spell Book", Command::ToggleSpellBook},
        {"Kill Selected Wizard", Command::KillSelected}, {"Player 1 Wins", Command::WinSide1},
        {"Player 2 Wins", Command::WinSide2},            {"Reset Health And AP", Command::ResetHealthAndAp},
        {"Refresh Tokens", Command::RefreshTokens},
    };
    for (const Entry& entry : kEntries)
        if (ImGui::Button(entry.label)) Run(entry.command);
    if (bookShown) DrawSpellBook();
    ImGui::End();
    return true;
}

void CheatMenu::DrawSpellBook()
{
    ImGui::Separator();
    ImGui::BeginChild("SpellBookList", ImVec2(320, 240), true);
    for (const std::string& line : bookLines) ImGui::TextUnformatted(line.c_str());
    if (bookLines.empty()) ImGui::TextUnformatted("(the spell book is empty)");
    ImGui::EndChild();
}
