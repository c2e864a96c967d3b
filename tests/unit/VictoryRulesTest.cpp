// Victory bookkeeping: the free battle's text and count, the campaign's result, par, unlocks and
// count, "Play Again", leaving the screens, and the battle-load reset of the outcome fields.
#include <gtest/gtest.h>

#include "engine/Input.h"
#include "meta/BattleSetup.h"
#include "meta/PlayerProfile.h"
#include "meta/VictoryRules.h"

namespace {

BattleSetupRecord Campaign(const char* level, int winner, int turns, int par)
{
    BattleSetupRecord setup;
    setup.campaignMode = true;
    setup.levelName = level;
    setup.winner = winner;
    setup.turnsUsed = turns;
    setup.parTurns = par;
    setup.player1Faction = 9;
    return setup;
}

}  // namespace

TEST(FreeVictory, TextNamesTheWinnersFaction)
{
    EXPECT_EQ(FreeVictoryText(0, 1), "Player 1, of the Mages Guild, Wins!");
    EXPECT_EQ(FreeVictoryText(1, 3), "Player 2, of the All-Seeing Archivists, Wins!");
    EXPECT_EQ(FreeVictoryText(0, 8), "Player 1, of the Precursor Arcana, Wins!");
    EXPECT_EQ(FreeVictoryText(0, 9), "Player 1, of the Mages Division, Wins!");
    EXPECT_EQ(FreeVictoryText(1, 9), "Player 2, of the Mages Army, Wins!");
    EXPECT_EQ(FreeVictoryText(1, 10), "Player 2, of the Guilded Guild, Wins!");
}

TEST(FreeVictory, OutOfRangeWinnerOrFactionReadsNothing)
{
    EXPECT_EQ(FreeVictoryText(-1, 1), "");
    EXPECT_EQ(FreeVictoryText(2, 1), "");
    EXPECT_EQ(FreeVictoryText(0, 11), "Player 1, ");
    EXPECT_EQ(FreeVictoryText(1, 0), "Player 2, ");
}

TEST(FreeVictory, WinsAndLossesCountFromPlayerOnesSide)
{
    PlayerProfileRecord profile;
    BattleSetupRecord setup;
    setup.player2Faction = 9;
    setup.winner = 1;
    FreeVictory shown = RecordFreeVictory(setup, profile);
    EXPECT_EQ(shown.message, "Player 2, of the Mages Army, Wins!");
    EXPECT_EQ(shown.pawnTexture, "Mages_Division");
    EXPECT_EQ(profile.gamesLost, 1);
    EXPECT_EQ(profile.gamesWon, 0);
    setup.winner = 0;
    shown = RecordFreeVictory(setup, profile);
    EXPECT_EQ(shown.pawnTexture, "Mages_Guild");
    EXPECT_EQ(profile.gamesWon, 1);
}

TEST(FreeVictory, AnyOtherWinnerIsALossWithNoNameOrPawn)
{
    PlayerProfileRecord profile;
    BattleSetupRecord setup;
    for (int winner : {-1, 2}) {
        setup.winner = winner;
        FreeVictory shown = RecordFreeVictory(setup, profile);
        EXPECT_EQ(shown.message, "");
        EXPECT_EQ(shown.pawnTexture, "");
    }
    setup.winner = 0;
    setup.player1Faction = 11;
    FreeVictory shown = RecordFreeVictory(setup, profile);
    EXPECT_EQ(shown.message, "Player 1, ");
    EXPECT_EQ(shown.pawnTexture, "");
    EXPECT_EQ(profile.gamesLost, 2);
    EXPECT_EQ(profile.gamesWon, 1);
}

TEST(CampaignVictory, FirstWinWithinParIsGildedAndUnlocks)
{
    PlayerProfileRecord profile;
    CampaignVictory shown = RecordCampaignVictory(Campaign("Forest", 0, 9, 9), profile);
    EXPECT_EQ(shown.title, "Victory");
    EXPECT_TRUE(shown.showReport);
    EXPECT_TRUE(shown.gilded);
    EXPECT_EQ(shown.report,
              "-- LEVEL COMPLETE --\nTurns used: 9\nPar turns: 9\n-- LEVEL GUILDED --\nUNLOCKED: Forest Map\n");
    EXPECT_EQ(shown.pawnTexture, "Mages_Division");
    EXPECT_EQ(profile.level1Complete, 2);
    EXPECT_TRUE(profile.unlockForest);
    EXPECT_EQ(profile.gamesWon, 1);
}

TEST(CampaignVictory, FirstResultIsFinal)
{
    PlayerProfileRecord profile;
    RecordCampaignVictory(Campaign("Forest", 0, 9, 9), profile);
    CampaignVictory again = RecordCampaignVictory(Campaign("Forest", 0, 5, 9), profile);
    EXPECT_EQ(again.report, "-- LEVEL COMPLETE --\nTurns used: 5\nPar turns: 9\n-- LEVEL GUILDED --\n");
    EXPECT_EQ(profile.level1Complete, 2);
    EXPECT_EQ(profile.gamesWon, 2);

    PlayerProfileRecord slow;
    RecordCampaignVictory(Campaign("Deadlands", 0, 14, 10), slow);
    EXPECT_EQ(slow.level2Complete, 1);
    CampaignVictory later = RecordCampaignVictory(Campaign("Deadlands", 0, 4, 10), slow);
    EXPECT_TRUE(later.gilded);
    EXPECT_EQ(slow.level2Complete, 1);  // a completed level is never turned into a gilded one
    EXPECT_EQ(later.report.find("UNLOCKED"), std::string::npos);
}

TEST(CampaignVictory, TrainingOverParCompletesAndUnlocksTheMagesDivision)
{
    PlayerProfileRecord profile;
    CampaignVictory shown = RecordCampaignVictory(Campaign("TrainingIsland", 0, 4, 3), profile);
    EXPECT_FALSE(shown.gilded);
    EXPECT_EQ(shown.report, "-- LEVEL COMPLETE --\nTurns used: 4\nPar turns: 3\nUNLOCKED: Mages Army Faction\n");
    EXPECT_EQ(profile.tutorialComplete, 1);
    EXPECT_TRUE(profile.unlockMagesDivision);
}

TEST(CampaignVictory, UndergroundUnlocksAMapAndAFaction)
{
    PlayerProfileRecord profile;
    CampaignVictory shown = RecordCampaignVictory(Campaign("Underground", 0, 30, 30), profile);
    EXPECT_NE(shown.report.find("UNLOCKED: Underground Map and Precursor Automata Faction\n"), std::string::npos);
    EXPECT_TRUE(profile.unlockUnderground);
    EXPECT_TRUE(profile.unlockPrecursors);
    EXPECT_EQ(profile.level7Complete, 2);
}

TEST(CampaignVictory, EveryLevelHasItsResultAndUnlock)
{
    struct Row {
        const char* level;
        int PlayerProfileRecord::*result;
        bool PlayerProfileRecord::*unlock;
        const char* line;
    };
    using P = PlayerProfileRecord;
    const Row rows[] = {
        {"Deadlands", &P::level2Complete, &P::unlockDeadlands, "UNLOCKED: Deadlands Map\n"},
        {"Volcano", &P::level3Complete, &P::unlockVolcano, "UNLOCKED: Volcano Map\n"},
        {"Didaruza", &P::level4Complete, &P::unlockDidaruza, "UNLOCKED: Didaruza Map\n"},
        {"Graveyard", &P::level5Complete, &P::unlockGraveyard, "UNLOCKED: Graveyard Map\n"},
        {"Dungeon", &P::level6Complete, &P::unlockDungeon, "UNLOCKED: Dungeon Map\n"},
    };
    for (const Row& row : rows) {
        PlayerProfileRecord profile;
        CampaignVictory shown = RecordCampaignVictory(Campaign(row.level, 0, 50, 10), profile);
        EXPECT_EQ(profile.*row.result, 1) << row.level;
        EXPECT_TRUE(profile.*row.unlock) << row.level;
        EXPECT_NE(shown.report.find(row.line), std::string::npos) << row.level;
    }
}

TEST(CampaignVictory, DefeatRecordsOnlyTheLoss)
{
    PlayerProfileRecord profile;
    BattleSetupRecord setup = Campaign("Forest", 1, 3, 9);
    setup.player2Faction = 2;
    CampaignVictory shown = RecordCampaignVictory(setup, profile);
    EXPECT_EQ(shown.title, "Defeat");
    EXPECT_FALSE(shown.showReport);
    EXPECT_FALSE(shown.gilded);
    EXPECT_EQ(shown.pawnTexture, "Gnome_Army");
    EXPECT_EQ(profile.level1Complete, 0);
    EXPECT_FALSE(profile.unlockForest);
    EXPECT_EQ(profile.gamesLost, 1);
    EXPECT_EQ(profile.gamesWon, 0);
}

TEST(CampaignVictory, ANegativeResultCountsAsNotDone)
{
    PlayerProfileRecord profile;
    profile.level2Complete = -1;
    RecordCampaignVictory(Campaign("Deadlands", 0, 10, 10), profile);
    EXPECT_EQ(profile.level2Complete, 2);
    EXPECT_TRUE(profile.unlockDeadlands);
}

TEST(CampaignVictory, NoWinnerOrAnUnknownLevelRecordsNothingOfTheLevel)
{
    PlayerProfileRecord profile;
    CampaignVictory none = RecordCampaignVictory(Campaign("Forest", -1, 3, 9), profile);
    EXPECT_EQ(none.title, "");
    EXPECT_FALSE(none.showReport);
    EXPECT_EQ(profile.level1Complete, 0);
    EXPECT_EQ(profile.gamesWon + profile.gamesLost, 0);
    CampaignVictory unknown = RecordCampaignVictory(Campaign("SquareIsland", 0, 3, 9), profile);
    EXPECT_EQ(unknown.report.find("UNLOCKED"), std::string::npos);
    EXPECT_EQ(profile.gamesWon, 1);
}

TEST(PlayAgain, CountsTheGameItStarts)
{
    PlayerProfileRecord profile;
    BattleSetupRecord free;
    free.player1Faction = 2;
    free.player2Faction = 4;
    free.levelName = "TableIsland";
    CountReplay(free, profile);
    EXPECT_EQ(profile.gnomeUsed, 1);
    EXPECT_EQ(profile.necroUsed, 1);
    EXPECT_EQ(profile.tablePlayed, 1);
    EXPECT_EQ(profile.gamesPlayed, 1);
    BattleSetupRecord campaign = Campaign("Forest", 0, 3, 9);
    CountReplay(campaign, profile);
    EXPECT_EQ(profile.gamesPlayed, 2);
    EXPECT_EQ(profile.forestPlayed, 0);
    EXPECT_EQ(profile.magesArmyUsed, 0);
}

TEST(LeaveVictoryScreen, ResetsTheOutcomeAndKeepsTheSetUpForPlayAgain)
{
    ResetBattleSetup();
    BattleSetup.winner = 1;
    BattleSetup.aiTurnActive = true;
    BattleSetup.tutorialMode = true;
    BattleSetup.levelName = "Forest";
    Input().cameraInputLocked = true;
    LeaveVictoryScreen(false);
    EXPECT_EQ(BattleSetup.winner, -1);
    EXPECT_FALSE(BattleSetup.aiTurnActive);
    EXPECT_FALSE(Input().cameraInputLocked);
    EXPECT_TRUE(BattleSetup.tutorialMode);
    EXPECT_EQ(BattleSetup.levelName, "Forest");
    LeaveVictoryScreen(true);
    EXPECT_FALSE(BattleSetup.tutorialMode);
    ResetBattleSetup();
}

TEST(BattleLoad, ClearsTheOutcomeAndTurnFlagsOfAnEarlierBattle)
{
    ResetBattleSetup();
    BattleSetup.winner = 0;
    BattleSetup.turnsUsed = 12;
    BattleSetup.aiTurnActive = true;
    BattleSetup.cpuEnabled = true;
    BattleSetup.divineIntervention = true;
    Input().cameraInputLocked = true;
    ResetBattleStateOnLoad();
    EXPECT_EQ(BattleSetup.winner, -1);
    EXPECT_EQ(BattleSetup.turnsUsed, 0);
    EXPECT_FALSE(BattleSetup.aiTurnActive);
    EXPECT_FALSE(Input().cameraInputLocked);
    EXPECT_TRUE(BattleSetup.cpuEnabled);  // the set-up itself stays
    EXPECT_TRUE(BattleSetup.divineIntervention);
    ResetBattleSetup();
}
