#include "scenes/SpellCardTestHud.h"

#include <algorithm>

#include "engine/Log.h"
#include "objects/Texture.h"
#include "objects/Transform.h"
#include "render/Text.h"
#include "spells/SpellBook.h"
#include "spells/SpellCard.h"
#include "spells/SpellHand.h"
#include "ui/ApDisplay.h"
#include "ui/Bar.h"
#include "ui/ButtonPrompt.h"
#include "ui/FloatingTexts.h"
#include "ui/HudLayout.h"
#include "ui/InfoPanel.h"
#include "ui/PausePanel.h"
#include "ui/Profile.h"
#include "ui/Slider.h"
#include "ui/SmartButton.h"
#include "ui/TurnDisplay.h"

namespace {

enum Page { kIdle = 1, kWalk = 2, kAiming = 3, kHandOfSeven = 4, kPaused = 5, kQuestion = 6, kWidgets = 7 };

const char* const kPageNames[] = {"", "HUD idle", "HUD walk preview", "HUD aiming", "HUD hand of 7", "HUD paused",
                                  "Prompt with two buttons", "Widgets"};

CardSpell MakeSpell(const char* name, int element, int cost, int range, int size, int hit, int damage, const char* text)
{
    CardSpell spell;
    spell.name = name;
    spell.element = element;
    spell.cost = cost;
    spell.range = range;
    spell.size = size;
    spell.hitChance = hit;
    spell.enemyDamageTotal = damage;
    spell.description = text;
    spell.flavor = "Old words, new sparks.";
    return spell;
}

std::vector<CardSpell> SampleSpells()
{
    std::vector<CardSpell> spells = {
        MakeSpell("Fireball", 1, 3, 5, 1, 90, 5, "Hurls a ball of flame at one target. Leaves it burned."),
        MakeSpell("Tidal Lash", 2, 2, 4, 1, 85, 4, "A whip of sea water knocks the target about."),
        MakeSpell("Rockfall", 3, 2, 4, 2, 80, 0, "Boulders rain onto the tiles around the target."),
        MakeSpell("Gale", 4, 1, 150, 1, 95, 3, "A cutting wind that reaches anywhere on the island."),
        MakeSpell("Cantrip", 0, 1, 3, 1, 99, 2, "A small spark every wizard knows."),
        MakeSpell("Frost Bite", 2, 4, 6, 1, 70, 6,
                  "Freezes the target where it stands: frostbitten wizards lose their footing and take damage "
                  "each turn until the ice melts away."),
        MakeSpell("Ember Ward", 1, 2, 3, 1, 75, 0, "Scatters hot coals around the target tile."),
    };
    spells[2].createsObjects = spells[6].createsObjects = true;
    spells[2].createArea = 5;
    spells[6].createArea = 1;
    return spells;
}

// The shipped spells the pages show, in hand order; a spell the book lacks keeps its made-up
// stand-in, so the pages work without the spell files too.
std::vector<CardSpell> ShownSpells()
{
    std::vector<CardSpell> spells = SampleSpells();
    SpellBook book;
    for (int element = 0; element < kElementCount; ++element) book.AddListFile(static_cast<ElementType>(element));
    const char* const names[] = {"Fireball", "Frost_Bolt", "Stone_Wall", "Gust", "Cantrip", "Tidal_Wave", "Ember_Field"};
    for (std::size_t i = 0; i < spells.size(); ++i)
        if (const Spell* spell = book.Find(names[i])) spells[i] = CardSpellFrom(*spell);
    return spells;
}

std::unique_ptr<Object> IslandTile(const char* biome, int column, int row)
{
    auto tile = std::make_unique<Object>();
    auto* placement = new Transform();
    // Tiles drawn at twice their battle size: a quarter of the sprites fill the screen.
    placement->setPosition(128.0f * static_cast<float>(column), -128.0f * static_cast<float>(row));
    placement->setScale(64.0f, 64.0f);
    tile->AddComponent(placement);
    auto* sprite = new Texture("SquareMesh", biome);
    sprite->program = "basic";
    tile->AddComponent(sprite);
    return tile;
}

TileView ShownTile(int page)
{
    TileView tile;
    tile.column = 3;
    tile.row = 2;
    tile.kind = "Fire_Tile";
    if (page == kWalk) {
        tile.kind = "Grass_Tile";
        tile.hasObject = tile.isToken = true;
        tile.objectName = "Primalite";
    } else if (page == kAiming) {
        tile.kind = "Water_Tile";
        tile.hasObject = true;
        tile.objectName = "Training_Dummy";
        tile.objectHealth = 37;
    }
    return tile;
}

}  // namespace

HudShowcase::HudShowcase() : spells(ShownSpells())
{
    BuildIsland();
    BuildHud();
    BuildWidgets();
    Show(kIdle);
}

HudShowcase::~HudShowcase() = default;

const char* HudShowcase::PageName(int shown)
{
    return shown >= 1 && shown <= kPages ? kPageNames[shown] : "";
}

void HudShowcase::BuildIsland()
{
    const char* const biomes[] = {"Grass_Tile", "Fire_Tile", "Water_Tile", "Earth_Tile", "Wind_Tile", "Aether_Tile", "Sand_Tile"};
    for (int row = -3; row <= 3; ++row)
        for (int column = -5; column <= 5; ++column)
            island.push_back(IslandTile(biomes[(column * column + 3 * row * row + column * row + 70) % 7], column, row));
}

void HudShowcase::BuildHud()
{
    turns = std::make_unique<TurnDisplay>();
    turns->AddBanner(9, 1);
    turns->AddBanner(3, 2);
    info = std::make_unique<InfoPanel>();
    for (int side = 1; side <= 2; ++side)
        for (int slot = 0; slot < 3; ++slot) portraits.push_back(std::make_unique<Profile>(side, slot));
    ap = std::make_unique<AP>();
    pause = std::make_unique<PausePanel>();
    floating = std::make_unique<FloatingTextLayer>();
    statusText = ui::MakeLabel("", 20.0f, glm::vec4(1.0f, 0.9f, 0.5f, 1.0f), kAlignRight);
    for (const char* label : PausePanel::kLabels) {
        std::string caption = label;
        pause->SetAction(label, [this, caption] { SetStatus("Pause: " + caption); });
    }
}

void HudShowcase::BuildWidgets()
{
    question = std::make_unique<ButtonPrompt>("Are you sure you want to end your turn?", std::vector<std::string>{"Yes", "No"});
    for (const char* answer : {"Yes", "No"})
        question->ButtonLabelled(answer)->SetOnClick([this, answer] { SetStatus(std::string("Answered: ") + answer); });
    choice = std::make_unique<ButtonPrompt>("Computer difficulty?", std::vector<std::string>{"EASY", "MEDIUM", "HARD"});
    choice->SetPosition(glm::vec2(0.0f, 90.0f));
    for (auto& button : choice->buttons) {
        const std::string caption = button->label->sourceText;
        button->SetOnClick([this, caption] { SetStatus("Difficulty: " + caption); });
    }
    slider = std::make_unique<Slider>(nullptr, SliderLayout{0.0f, -215.0f, 170.0f, 25.0f});
    for (const char* size : {"1280 x 720", "1366 x 768", "1600 x 900", "1920 x 1080"})
        slider->AddItem(size, [this, size] { SetStatus(std::string("Resolution: ") + size); });
    slider->SetIndex(0);
    const float values[4][2] = {{5.0f, 0.0f}, {10.0f, 20.0f}, {30.0f, 20.0f}, {-1.0f, -1.0f}};
    for (int i = 0; i < 4; ++i) {
        auto bar = std::make_unique<Bar>(values[i][1], values[i][0], -330.0f + 220.0f * static_cast<float>(i), -265.0f, 90.0f, 12.0f);
        bar->UseInterfaceSpace();
        bars.push_back(std::move(bar));
    }
    auto fromFile = std::make_unique<SmartButton>(150.0f, 40.0f, glm::vec2(-200.0f, -320.0f), "");
    fromFile->Read("Button");
    fromFile->SetOnClick([this] { SetStatus("Clicked the button read from Button.json"); });
    auto locked = std::make_unique<SmartButton>(150.0f, 40.0f, glm::vec2(200.0f, -320.0f), "Inactive");
    locked->active = false;
    buttons.push_back(std::move(fromFile));
    buttons.push_back(std::move(locked));
}

void HudShowcase::SetStatus(const std::string& text)
{
    statusText->setText(text);
    print("SpellCardTest: ", text);
}

void HudShowcase::DealHand(int count)
{
    hand.clear();
    hoveredCard = -1;
    const auto positions = spell_hand::Positions(count, glm::vec2(ui::HudViewport()), -1);
    for (int i = 0; i < count; ++i) {
        auto card = std::make_unique<SpellCard>(spells[static_cast<std::size_t>(i) % spells.size()]);
        card->showStats = true;
        card->castable = i % 3 != 2;
        card->SetCardScale(spell_hand::CardScale(count, static_cast<float>(ui::HudViewport().x)));
        card->SetPosition(positions[static_cast<std::size_t>(i)]);
        hand.push_back(std::move(card));
    }
}

void HudShowcase::Show(int shown)
{
    page = std::clamp(shown, 1, kPages);
    statusText->setText("");
    holder = CardHolder{true, "Fire_Tile", false, false, 5};
    if (page == kAiming) holder = CardHolder{true, "Fire_Tile", true, true, 3};
    DealHand(page == kHandOfSeven ? 7 : page == kWalk ? 0 : 5);
    if (page == kHandOfSeven && !hand.empty()) {
        // The last card was just received: it glides in from outside the view.
        hand.back()->SetPosition(SpellCard::kOffscreen);
        hand.back()->MarkReceived();
    }
    if (page == kAiming && hand.size() > 1) hand[1]->expanded = true;
    const TileView tile = ShownTile(page);
    info->ShowTile(&tile, 4);
    const int cost = page == kAiming && hand.size() > 1 ? hand[1]->Shown().cost : 3;
    ap->Show(true, holder.actionPoints, ApPreviewCost(page == kWalk ? 1 : page == kAiming ? 2 : 0, holder.actionPoints, cost, true, 3));
    question->visible = page == kQuestion;
    choice->visible = page == kWidgets;
    for (std::size_t i = 0; i < portraits.size(); ++i) {
        std::vector<StatusEffect> statuses;
        if (i == 0) statuses = {{2, InflictType::Burned, CommandType::Enemy, ""}, {1, InflictType::Confused, CommandType::Enemy, ""}};
        if (i == 4) statuses = {{3, InflictType::Blinded, CommandType::Enemy, ""}};
        const int health = i == 2 ? 0 : 20 - 3 * static_cast<int>(i);
        portraits[i]->Show(ProfileView{health, 20, statuses});
    }
    textClock = 10.0f;
}

void HudShowcase::UpdateHand(float dt)
{
    const auto positions = spell_hand::Positions(static_cast<int>(hand.size()), glm::vec2(ui::HudViewport()), hoveredCard);
    int nowHovered = -1;
    for (int i : spell_hand::UpdateOrder(static_cast<int>(hand.size()), hoveredCard)) {
        SpellCard& card = *hand[static_cast<std::size_t>(i)];
        card.SetCardScale(spell_hand::CardScale(static_cast<int>(hand.size()), static_cast<float>(ui::HudViewport().x)));
        card.SetGreyed(card.Shown().cost > holder.actionPoints);
        card.SetContext(holder, true, false);
        card.GlideTo(positions[static_cast<std::size_t>(i)]);
        card.Update(dt);
        if (card.hovered || card.expanded) nowHovered = nowHovered < 0 ? i : nowHovered;
        if (card.selected) SetStatus("Selected card: " + card.Shown().name);
    }
    hoveredCard = nowHovered;
}

void HudShowcase::UpdateWidgets(float dt)
{
    question->Update(dt);
    choice->Update(dt);
    if (page != kWidgets) return;
    slider->Update(dt);
    for (auto& button : buttons) button->Update(dt);
    for (auto& bar : bars) bar->Update(dt);
}

void HudShowcase::UpdateHud(float dt)
{
    turns->Update(4, dt);
    ap->SetBottomClearance(spell_hand::ReservedHeight(static_cast<int>(hand.size()), glm::vec2(ui::HudViewport())));
    ap->Update(dt);
    info->Update(dt);
    for (auto& portrait : portraits) portrait->Update(dt);
    textClock += dt;
    if (textClock > 3.0f) {
        textClock = 0.0f;
        // Three texts at one spot appear half a second apart.
        floating->Add("Burned: -5 HP", glm::vec2(128.0f, 0.0f), 2.5f, 20.0f, FloatingTextLayer::kRed);
        floating->Add("Confused!", glm::vec2(128.0f, 0.0f), 2.5f, 20.0f, FloatingTextLayer::kYellow);
        floating->Add("+4", glm::vec2(-256.0f, 128.0f), 2.5f, 30.0f, FloatingTextLayer::kGreen);
    }
    floating->Update(dt);
}

void HudShowcase::Update(float dt)
{
    clock += dt;
    for (auto& tile : island) tile->Update(dt);
    const glm::ivec2 view = ui::HudViewport();
    statusText->setPosition(static_cast<float>(view.x / 2) - 20.0f, static_cast<float>(-(view.y / 2)) + 24.0f);
    if (page == kPaused) {
        // While paused only the book takes input; the battle beneath stands still.
        pause->Update(dt);
        return;
    }
    // Topmost first: prompts, cards, then the HUD panels.
    UpdateWidgets(dt);
    if (page == kWidgets) return;
    UpdateHand(dt);
    UpdateHud(dt);
}

void HudShowcase::Draw()
{
    for (auto& tile : island) tile->Draw();
    if (page == kWidgets) {
        // The menu widgets on their own, as a menu screen shows them.
        choice->Draw();
        slider->Draw();
        for (auto& bar : bars) bar->Draw();
        for (auto& button : buttons) button->Draw();
        statusText->Draw();
        return;
    }
    floating->Draw();
    for (auto& portrait : portraits) portrait->Draw();
    turns->Draw();
    info->Draw();
    ap->Draw();
    for (int i : spell_hand::DrawOrder(static_cast<int>(hand.size()), hoveredCard)) hand[static_cast<std::size_t>(i)]->Draw();
    if (page == kPaused) pause->Draw();
    question->Draw();
    statusText->Draw();
}
