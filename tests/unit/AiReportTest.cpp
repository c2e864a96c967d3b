#include <sstream>

#include <gtest/gtest.h>

#include "AiTestSupport.h"
#include "ai/Decision.h"

using namespace aitest;

TEST(AiReport, PrintsEveryRecordInTheExactFormat)
{
    AiBoard board = OpenBoard(6, 6);
    AiSpell fireball = Fireball();
    Decision pickup;
    pickup.label = "pick up token";
    pickup.action = AiAction::Pickup;
    pickup.target = board.Index(3, 4);
    pickup.weight = 1000.0;
    Decision cast;
    cast.label = "casting spell";
    cast.action = AiAction::Cast;
    cast.target = board.Index(5, 0);
    cast.SetSpell(&fireball);
    cast.weight = 40.0 / 3.0;
    Decision odd;  // a fresh record with an action number no rule gives
    odd.action = static_cast<AiAction>(7);
    std::ostringstream out;
    PrintDecisionReport(out, board, {pickup, cast, odd});
    EXPECT_EQ(out.str(),
              "\n~~~~~~~~~~~~~~~~~~~\n"
              "Decision: pick up token\n"
              "----------------- \n"
              "Action: Pickup\n"
              "Weight: 1000\n"
              "Tile: ( 3 , 4 )\n"
              "Spell: no spell\n"
              "-----------------\n"
              "Decision: casting spell\n"
              "----------------- \n"
              "Action: Cast\n"
              "Weight: 13.3333\n"
              "Tile: ( 5 , 0 )\n"
              "Spell: Fireball\n"
              "-----------------\n"
              "Decision: no context\n"
              "----------------- \n"
              "Action: Invalid Action\n"
              "Weight: 0\n"
              "Tile: no tile\n"
              "Spell: no spell\n"
              "-----------------\n"
              "~~~~~~~~~~~~~~~~~~~\n\n");
}

TEST(AiReport, ActionNames)
{
    EXPECT_STREQ(ActionName(AiAction::Walk), "Walk");
    EXPECT_STREQ(ActionName(AiAction::Pickup), "Pickup");
    EXPECT_STREQ(ActionName(AiAction::Cast), "Cast");
    EXPECT_STREQ(ActionName(AiAction::End), "End");
    EXPECT_STREQ(ActionName(static_cast<AiAction>(-1)), "Invalid Action");
}
