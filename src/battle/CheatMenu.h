#pragma once
#include <functional>
#include <string>
#include <vector>

// The battle's debug window "CHEAT MENU", drawn with Dear ImGui only while the debug flag (M) is
// on. It knows nothing of the battle: the scene hands it the commands, so the window can be built
// and tested without a map.
class CheatMenu {
public:
    enum class Command { DrawRandomSpell, ToggleSpellBook, KillSelected, WinSide1, WinSide2, ResetHealthAndAp, RefreshTokens };

    struct Commands {
        std::function<void()> drawRandomSpell;
        std::function<void()> killSelected;
        std::function<void(int side)> makeSideWin;  // 1-based side
        std::function<void()> resetHealthAndAp;
        std::function<void()> refreshTokens;
        // One line per spell of the book, for the spell book view.
        std::function<std::vector<std::string>()> spellBook;
    };

    static constexpr const char* kTitle = "CHEAT MENU";

    explicit CheatMenu(Commands commands) : commands(std::move(commands)) {}
    // Inside a Dear ImGui frame: the window and, when opened, the spell book list. Nothing is
    // drawn while `debugFlag` is off. Returns whether the window was drawn.
    bool Draw(bool debugFlag);
    // What a button of the window does; a command without a handler does nothing.
    void Run(Command command);
    bool SpellBookShown() const { return bookShown; }

private:
    void DrawSpellBook();

    Commands commands;
    bool bookShown = false;
    std::vector<std::string> bookLines;
};
