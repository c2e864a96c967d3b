#include "battle/BattlePrompts.h"

#include "battle/Map.h"
#include "engine/Log.h"
#include "render/Text.h"
#include "ui/ButtonPrompt.h"
#include "ui/SmartButton.h"

BattlePrompts::BattlePrompts(Map& owner, std::function<void()> leave) : map(owner), leaveUnplayable(std::move(leave))
{
    banner = std::make_unique<ButtonPrompt>(BannerText(1), std::vector<std::string>{"Ready"});
    banner->message->setScale(28.0f);
    welcome = std::make_unique<ButtonPrompt>(kWelcomeText, std::vector<std::string>{"Ready!"});
    welcome->message->setScale(24.0f);
    endTurn = std::make_unique<ButtonPrompt>(kEndTurnText, std::vector<std::string>{"Yes", "No"});
    unplayable = std::make_unique<ButtonPrompt>(kUnplayableText, std::vector<std::string>{"OK"});
    Bind();
}

BattlePrompts::~BattlePrompts() = default;

std::string BattlePrompts::BannerText(int side)
{
    return "Player " + std::to_string(side) + "'s Turn. Ready?";
}

void BattlePrompts::Bind()
{
    banner->buttons[0]->SetOnClick([this] {
        // A banner whose turn the computer already started is stale: pressing it only closes it.
        if (!map.controls.PressReady()) map.controls.bannerShown = false;
    });
    welcome->buttons[0]->SetOnClick([this] { map.controls.PressWelcome(); });
    endTurn->buttons[0]->SetOnClick([this] { map.controls.AnswerEndTurnPrompt(true); });
    endTurn->buttons[1]->SetOnClick([this] { map.controls.AnswerEndTurnPrompt(false); });
    unplayable->buttons[0]->SetOnClick([this] {
        if (leaveUnplayable) leaveUnplayable();
    });
}

void BattlePrompts::Sync()
{
    const BattleControls& controls = map.controls;
    ButtonPrompt* wanted = nullptr;
    if (controls.unplayableShown)
        wanted = unplayable.get();
    else if (controls.welcomeShown)
        wanted = welcome.get();
    else if (controls.endTurnPromptShown)
        wanted = endTurn.get();
    else if (controls.bannerShown && !map.turns.turnStarted && !map.battleOver)
        wanted = banner.get();
    if (wanted == banner.get() && bannerSideShown != controls.bannerSide) {
        bannerSideShown = controls.bannerSide;
        banner->SetMessage(BannerText(bannerSideShown));
    }
    for (ButtonPrompt* prompt : {banner.get(), welcome.get(), endTurn.get(), unplayable.get()})
        prompt->visible = prompt == wanted;
    if (wanted != shown && wanted) {
        // One trace line per prompt opened: its first line.
        const std::string& text = wanted->message->sourceText;
        print("MapInterface: prompt: ", text.substr(0, text.find('\n')));
    }
    shown = wanted;
    if (shown) shown->SetPosition(glm::vec2(0.0f));
}

bool BattlePrompts::Update(float dt)
{
    Sync();
    if (!shown) return false;
    // The prompt may close itself (or change the model) while it runs: nothing of it after.
    shown->Update(dt);
    return true;
}

void BattlePrompts::Draw()
{
    if (shown && shown->visible) shown->Draw();
}
