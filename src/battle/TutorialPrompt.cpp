#include "battle/TutorialPrompt.h"

#include "battle/Map.h"
#include "battle/MapInterface.h"
#include "engine/Log.h"
#include "meta/BattleSetup.h"
#include "render/Text.h"
#include "ui/ButtonPrompt.h"
#include "ui/SmartButton.h"

namespace {
constexpr float kMessageSize = 26.0f;
}  // namespace

TutorialPrompt::TutorialPrompt(Map& owner, std::function<void(int)> end) : map(owner), endTutorial(std::move(end))
{
    prompt = std::make_unique<ButtonPrompt>("", std::vector<std::string>{"Continue"});
    prompt->SetMessageSize(kMessageSize);
    prompt->buttons[0]->SetOnClick([this] { Press(); });
}

TutorialPrompt::~TutorialPrompt()
{
    map.controls.tutorialShown = false;
}

void TutorialPrompt::OnReady()
{
    script.OnReady(map.turns.round);
    Sync();
}

void TutorialPrompt::OnWalkEnded(bool onToken, bool onFireTile)
{
    script.OnWalkEnded(onToken, onFireTile);
    Sync();
}

void TutorialPrompt::OnTokenCollected()
{
    script.OnTokenCollected();
    Sync();
}

void TutorialPrompt::OnDummyDestroyed()
{
    script.OnDummyDestroyed();
    Sync();
}

void TutorialPrompt::Press()
{
    if (ended) return;
    if (script.OnButton() == TutorialScript::Press::EndTutorial) {
        // The exercise is won by side 1 whatever the winner check made of the island.
        ended = true;
        BattleSetup.winner = script.Winner();
        BattleSetup.turnsUsed = map.turns.round;
        print("MapInterface: tutorial ended in round ", map.turns.round);
        endTutorial(MapInterface::VictoryScene(BattleSetup.campaignMode, script.Step() == 14));
        return;
    }
    Sync();
}

void TutorialPrompt::Sync()
{
    const TutorialScript::Prompt& shown = script.CurrentPrompt();
    if (prompt->message->sourceText != shown.text) {
        prompt->SetMessage(shown.text);
        if (shown.visible) print("MapInterface: tutorial: ", shown.text.substr(0, shown.text.find('.') + 1));
    }
    prompt->buttons[0]->SetLabel(shown.button);
    prompt->visible = shown.visible && !ended;
    map.controls.tutorialShown = prompt->visible;
}

bool TutorialPrompt::Update(float dt)
{
    if (!prompt->visible) return false;
    prompt->SetPosition(glm::vec2(0.0f));
    // The button's action may close the prompt: nothing of it is read afterwards.
    prompt->Update(dt);
    return true;
}

void TutorialPrompt::Draw()
{
    if (prompt->visible) prompt->Draw();
}

bool TutorialPrompt::Shown() const
{
    return prompt->visible;
}
