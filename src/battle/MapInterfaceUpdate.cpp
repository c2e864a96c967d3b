#include <algorithm>
#include <string>

#include "battle/BattleCheats.h"
#include "battle/BattleHud.h"
#include "battle/BattlePrompts.h"
#include "battle/ContextBar.h"
#include "battle/HandView.h"
#include "battle/Map.h"
#include "battle/MapInterface.h"
#include "battle/OutcomePreview.h"
#include "battle/TutorialPrompt.h"
#include "engine/Input.h"
#include "engine/Log.h"
#include "meta/BattleSetup.h"
#include "objects/Transform.h"
#include "render/Text.h"
#include "spells/Spell.h"
#include "ui/Bar.h"
#include "ui/ButtonPrompt.h"
#include "ui/FloatingTexts.h"
#include "ui/HudLayout.h"
#include "ui/Pointer.h"
#include "ui/SmartButton.h"

namespace {
constexpr int kKeyEscape = 256;
constexpr int kKeyF = 70;
constexpr int kKeyC = 67;
// Where the bar sits: just above the resting cards while they show, at the bottom edge otherwise.
constexpr float kBarAboveCards = 286.0f;
constexpr float kBarAtBottom = 46.0f;
// The outcome preview: its distance from the cursor, the height of one of its lines and half the
// width of its health bar (the Bar made in the constructor).
constexpr float kPreviewGap = 28.0f;
constexpr float kPreviewLine = 24.0f;
constexpr float kPreviewBarHalfWidth = 90.0f;
}  // namespace

void MapInterface::Key(int key)
{
    if (key == kKeyEscape) {
        map.PressEscape();
        return;
    }
    if (map.paused) return;
    if (key == kKeyF) map.PressPartyKey();
    if (key == kKeyC) map.PressMapViewKey();
    Shortcut(battle_shortcuts::ForKey(key));
}

bool MapInterface::BackOut()
{
    if (map.state != Map::kWalkMode && map.state != Map::kAiming) return false;
    return map.controls.Press("Back");
}

void MapInterface::Shortcut(battle_shortcuts::Shortcut shortcut)
{
    using battle_shortcuts::Action;
    BattleControls& controls = map.controls;
    switch (shortcut.action) {
    case Action::None:
        break;
    case Action::Jump:
        BackOut();
        controls.Press("Jump");
        break;
    case Action::PickCard:
        if (controls.cardsVisible && controls.selectedWizard) controls.SelectCard(shortcut.card);
        break;
    case Action::EndTurn: {
        // Enter answers the question on screen with its first button ("Ready", "Ready!", "Yes");
        // otherwise it is the "EndTurn" button, question included.
        if (tutorial && tutorial->Shown()) {
            tutorial->Press();
            break;
        }
        prompts->Sync();
        if (ButtonPrompt* shown = prompts->Shown()) {
            if (shown != prompts->unplayable.get() && shown->buttons[0]->onClick) shown->buttons[0]->onClick();
            break;
        }
        BackOut();
        controls.Press("EndTurn");
        break;
    }
    case Action::BackOut:
        BackOut();
        break;
    }
}

void MapInterface::Update(float dt)
{
    for (int key : input::TakeKeyPresses()) Key(key);
    if (map.paused) {
        wasPaused = true;
        pause->Update(dt);
        return;
    }
    if (wasPaused) {
        wasPaused = false;
        pause->OnUnpaused();
    }
    UpdatePointer(dt);
    map.Update(dt);
    UpdateAfterMap(dt);
}

void MapInterface::UpdatePointer(float dt)
{
    glm::vec2 viewport(static_cast<float>(width), static_cast<float>(height));
    bool inPlay = !map.mapView && !map.battleOver;
    // Topmost first: the tutorial's text, a prompt, the bar, the cards, the HUD panels; then the
    // tiles. The bar lies over the cards so that a raised card never hides "Back" or "End Turn".
    if (tutorial) tutorial->Update(dt);
    prompts->Update(dt);
    bar->visible = inPlay;
    bar->Show(map.controls.buttons);
    bar->enabled = map.controls.AcceptsPlayerInput();
    bar->SetCentre({0.0f, -viewport.y * 0.5f + (hand->Shown() ? kBarAboveCards : kBarAtBottom)});
    bar->Update(dt);
    hand->Update(dt, viewport);
    if (inPlay) hud->Update(dt);
    UpdateTiles();
    const ui::PointerState& pointer = ui::Pointer();
    if (battle_shortcuts::RightClickThisFrame(rightClick, pointer.rightDown, pointer.cursor) && map.controls.AcceptsPlayerInput())
        BackOut();
}

void MapInterface::UpdateTiles()
{
    Tile* now = TileUnder(map, ui::CursorWorld());
    if (now != hovered) {
        if (hovered) hovered->hovered = false;
        if (now) now->hovered = true;
        hovered = now;
    }
    map.hoveredTile = hovered;
    // Only a press nothing above took, on its first frame (one press, one click).
    if (ui::MouseClaimed() || !ui::TakeNewPress()) return;
    map.controls.tileEventHandler(hovered);
}

void MapInterface::UpdateAfterMap(float dt)
{
    texts->Update(dt);
    UpdateAnnouncement();
    UpdatePreview();
    UpdateClosing();
}

void MapInterface::UpdateAnnouncement()
{
    const BattleControls& controls = map.controls;
    if (announcement->sourceText != controls.announcement) {
        announcement->setText(controls.announcement);
        std::string line = controls.announcement;
        std::replace(line.begin(), line.end(), '\n', ' ');
        if (!line.empty()) print("MapInterface: announcement: ", line);
    }
    announcement->color = glm::vec4(controls.announcementColour, 1.0f);
    announcement->setPosition(0.0f, static_cast<float>(height) * 0.5f - 150.0f);
    announcement->Update(0.0f);
}

void MapInterface::UpdatePreview()
{
    std::string lines;
    const Wizard* caster = map.controls.selectedWizard;
    bool aiming = map.state == Map::kAiming && caster && hovered && !map.turns.IsComputerSide(map.turns.currentSide);
    const Spell* spell = nullptr;
    if (aiming && caster->selectedCard >= 0 && caster->selectedCard < static_cast<int>(caster->hand.size()))
        spell = caster->hand[static_cast<std::size_t>(caster->selectedCard)];
    OutcomePreview outcome;
    if (spell) outcome = PreviewCast(*spell, *caster, *hovered);
    for (const std::string& line : outcome.Lines()) lines += (lines.empty() ? "" : "\n") + line;
    if (preview->sourceText != lines) preview->setText(lines);
    if (lines.empty()) return;
    // Beside the cursor on the side away from the tile info panel (the right), on a dark backing
    // so that it reads on any tile, with the health bar above the lines; kept on screen.
    const float textWidth = std::max(ui::TextWidth(*preview), 2.0f * kPreviewBarHalfWidth);
    const float blockHeight = kPreviewLine * static_cast<float>(1 + std::count(lines.begin(), lines.end(), '\n'));
    const glm::vec2 cursor = ui::CursorUi();
    const float halfWidth = static_cast<float>(width) * 0.5f, halfHeight = static_cast<float>(height) * 0.5f;
    float x = cursor.x > 0.0f ? cursor.x - kPreviewGap - textWidth : cursor.x + kPreviewGap;
    x = std::clamp(x, -halfWidth + 12.0f, std::max(halfWidth - 12.0f - textWidth, -halfWidth + 12.0f));
    const float y = std::clamp(cursor.y, -halfHeight + blockHeight, halfHeight - blockHeight - 40.0f);
    preview->setPosition(x, y);
    preview->Update(0.0f);
    const float barY = y + blockHeight * 0.5f + 16.0f;
    const float top = barY + 14.0f, bottom = y - blockHeight * 0.5f - 8.0f;
    ui::PlaceSprite(*previewBack, {x + textWidth * 0.5f, (top + bottom) * 0.5f}, {textWidth * 0.5f + 12.0f, (top - bottom) * 0.5f});
    previewBack->Update(0.0f);
    previewBar->maxValue = static_cast<float>(std::max(outcome.maxHealth, 1));
    previewBar->currentValue = static_cast<float>(outcome.healthAfter);
    previewBar->SetPosition({x + kPreviewBarHalfWidth, barY});
    previewBar->Update(0.0f);
    if (outcome.maxHealth <= 0) previewBar->currentValue = 0.0f;
}

void MapInterface::UpdateClosing()
{
    if (!map.battleOver) return;
    int winner = map.winner >= 0 ? map.winner + 1 : 0;
    std::string text = winner > 0 ? "Player " + std::to_string(winner) + " Wins!" : "Battle Over";
    if (closingText->sourceText != text) closingText->setText(text);
    float y = map.controls.closingStarted ? std::min(map.controls.closingPanelY, 0.0f) : -static_cast<float>(height);
    ui::PlaceSprite(*closingPanel, {0.0f, y}, {static_cast<float>(width) * 0.5f, static_cast<float>(height) * 0.5f});
    closingText->setPosition(0.0f, y);
    closingPanel->Update(0.0f);
    closingText->Update(0.0f);
    if (!map.controls.exitRequested || victoryRequested) return;
    // Once: the outcome goes to the victory screens, then the battle leaves.
    victoryRequested = true;
    map.controls.exitRequested = false;
    BattleSetup.winner = map.winner;
    BattleSetup.turnsUsed = map.turns.round;
    switchScene(VictoryScene(BattleSetup.campaignMode, false));
}
