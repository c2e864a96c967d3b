#include "meta/TutorialScript.h"

#include <array>

namespace {

struct MilestoneText {
    int step;  // the step once the milestone is raised
    const char* text;
};

const std::array<MilestoneText, 6> kMilestones{{
    {1, "Welcome to the Primalites Training Exercise. Let's start with the basics of the game."},
    {5, "Primalites are the game's main resource. Collecting them allows a Wizard to learn new "
        "spells."},
    {7, "Spells are shown as cards at the bottom of the screen when a Wizard is selected. They can "
        "deal damage or have other effects, like creating objects or inflicting status effects."},
    {11, "Some Tiles are aligned with different elements. You can view tile information on the "
         "right side of the screen."},
    {13, "Now, destroy the training dummy to complete this exercise. In a standard game, your goal "
         "is to defeat all enemy Wizards."},
    {0, "Congratulations! You've completed the Primalites Training Exercise. For advanced "
        "knowledge, read the 'How To Play' screen from the main menu. Then, try a standard "
        "two-player match or the single-player campaign. Have fun!"},
}};

// One "Continue" row: at (milestone, step) show text and go to next; closing rows make the
// following press close the prompt.
struct ContinueRow {
    int milestone;
    int step;
    const char* text;
    int next;
    bool closes;
};

const std::array<ContinueRow, 14> kContinueRows{{
    {0, 1, "In Primalites, you and an opponent take turns controlling a team of three Wizards. For "
           "this exercise, you'll control one Wizard.", 2, false},
    {0, 2, "During your turn, you'll move your Wizard, collect tokens, and cast spells.", 3, false},
    {0, 3, "In a standard game, your goal is to defeat all enemy Wizards. For this exercise, your "
           "goal is to destroy the training dummy.", 4, false},
    {0, 4, "Click the Left Mouse Button (LMB) on your Wizard and select 'Move' to reach the "
           "sparkling Primalite on the map.", 4, true},
    {1, 5, "A Wizard can hold up to 4 spells (plus 1 Cantrip spell), and an Primalite grants 2 "
           "spells (unless the Wizard's hand is full).", 6, false},
    {1, 6, "Pick up the Fire Primalite to learn new spells.", 6, true},
    {2, 7, "Each spell card shows its AP cost, range, size, hit chance, and elemental alignment.", 8,
     false},
    {2, 8, "Spells can be used once if you have enough AP. You can use them now, but there is an "
           "opportunity for extra damage.", 9, false},
    {2, 9, "By moving your wizard to a Magmatic Deadlands tile, it can deal more damage to "
           "training dummy.", 10, false},
    {2, 10, "If at any point your wizard is out of AP or does not have enough to complete an "
            "action, you may end your turn by clicking with the LMB the 'End Turn' button.", 10,
     true},
    {3, 11, "Casting a spell from a matching elemental Tile increases its damage by 50%, or its size "
            "if it creates objects.", 12, false},
    {3, 12, "If you select one of your Wizard's fire-aligned spells, you can see the new damage.",
     12, true},
    {4, 13, "You can check the dummy's health in the tile information panel, found on the right "
            "side of the screen.", 14, false},
    {4, 14, "If you run out of spells, worry not. Every 3 turns, Primalites refresh. For this "
            "exercise, you can skip to a refresh turn by clicking with the LMB the 'End Turn' "
            "button.", 14, true},
}};

}  // namespace

void TutorialScript::Raise(int newMilestone, int newStep)
{
    milestone = newMilestone;
    step = newStep;
    closeOnNextPress = false;
    prompt.text = kMilestones[static_cast<size_t>(newMilestone)].text;
    prompt.button = newMilestone == 5 ? "End Tutorial" : "Continue";
    prompt.visible = true;
}

void TutorialScript::OnReady(int round)
{
    if (completed) return;
    if (round == 1) Raise(0, kMilestones[0].step);
    else if (round >= 2 && step == 12) Raise(4, kMilestones[4].step);
}

void TutorialScript::OnWalkEnded(bool onToken, bool onFireTile)
{
    if (completed) return;
    if (onToken && step < 8) Raise(1, kMilestones[1].step);
    else if (onFireTile && step < 12) Raise(3, kMilestones[3].step);
}

void TutorialScript::OnTokenCollected()
{
    if (!completed && step <= 9) Raise(2, kMilestones[2].step);
}

void TutorialScript::OnDummyDestroyed()
{
    if (completed) return;
    Raise(5, step);
    completed = true;
}

TutorialScript::Press TutorialScript::OnButton()
{
    if (!prompt.visible) return Press::Nothing;
    if (completed) return Press::EndTutorial;
    if (closeOnNextPress) {
        closeOnNextPress = false;
        prompt.visible = false;
        return Press::Closed;
    }
    for (const ContinueRow& row : kContinueRows) {
        if (row.milestone != milestone || row.step != step) continue;
        prompt.text = row.text;
        step = row.next;
        closeOnNextPress = row.closes;
        return Press::Advanced;
    }
    // A pair the tables do not list must never leave the battle locked behind the prompt.
    prompt.visible = false;
    return Press::Closed;
}

int TutorialScript::FireballsFor(int nonCantrips)
{
    if (nonCantrips < 3) return 2;
    return nonCantrips == 3 ? 1 : 0;
}
