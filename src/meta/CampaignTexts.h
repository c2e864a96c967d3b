#pragma once

// The words of Sergeant Merlin: the campaign's speeches, briefings and debriefings.
namespace campaign::texts {

extern const char* const kRecruitingSpeech;
extern const char* const kWelcome;
extern const char* const kGoldGuild;
// Debriefs after missions 1..7 (index 0 is after mission 1).
extern const char* const kDebriefs[7];
// Briefing paragraphs of missions 1..7 (index 0 is mission 1); the training's is fixed.
extern const char* const kBriefings[7];
extern const char* const kTrainingBriefing;

}  // namespace campaign::texts
