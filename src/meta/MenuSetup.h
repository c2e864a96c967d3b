#pragma once
#include <array>
#include <memory>
#include <vector>

#include "meta/SetupChoices.h"
#include "scenes/Scene.h"

class Background;
class Object;
class SmartButton;
class Text;

// The setup screen of a free battle: a player page (factions, team colours, the computer player
// and its difficulty, the two optional rules) and a map page (the map presets with thumbnail and
// description). "Start Game >" counts the game in the profile, saves it and starts the battle;
// Back returns to the main menu. Only the page on screen takes clicks.
class MenuSetup : public Scene {
public:
    MenuSetup();
    ~MenuSetup() override;

    void Load() override;
    void Init() override;
    void Update(float dt) override;
    void Render() override;
    void Exit() override {}
    void Unload() override;
    void OnResize(int width, int height) override;

    enum class Page { Players, Map };
    Page page() const { return shownPage; }

private:
    // What a button asked for; carried out after the widgets' update, when nothing of theirs is
    // still running.
    enum class Request { None, Back, Start };

    struct Side {
        Object* pawn = nullptr;
        Object* logo = nullptr;
        Object* swatch = nullptr;
        Text* description = nullptr;
    };

    void BuildCommon();
    void BuildPlayerColumn(int player, float x);
    void BuildPlayerOptions();
    void BuildMapPage();
    SmartButton* AddButton(std::vector<std::unique_ptr<SmartButton>>& list, std::unique_ptr<SmartButton> button);
    Object* AddPicture(std::vector<std::unique_ptr<Object>>& list, std::unique_ptr<Object> picture);
    Text* AddText(std::vector<std::unique_ptr<Object>>& list, std::unique_ptr<Text> text);
    SmartButton* AddToggle(float x, float y, bool (*state)(const BattleSetupRecord&), void (SetupChoices::*toggle)());

    void ShowSide(int player);
    void ShowMap();
    void ShowToggles();
    void CarryOut(Request request);

    SetupChoices choices;
    Page shownPage = Page::Players;
    Request pending = Request::None;
    std::unique_ptr<Background> backdrop;
    std::array<Side, 2> sides;
    Object* thumbnail = nullptr;
    Text* mapText = nullptr;
    SmartButton* difficulty = nullptr;
    struct Toggle {
        SmartButton* button;
        bool (*state)(const BattleSetupRecord&);
    };
    std::vector<Toggle> toggles;
    // Drawn on every page, then per page.
    std::vector<std::unique_ptr<Object>> commonPieces;
    std::vector<std::unique_ptr<Object>> playerPieces;
    std::vector<std::unique_ptr<Object>> mapPieces;
    std::vector<std::unique_ptr<SmartButton>> commonButtons;
    std::vector<std::unique_ptr<SmartButton>> playerButtons;
    std::vector<std::unique_ptr<SmartButton>> mapButtons;
};
