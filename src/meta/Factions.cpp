#include "meta/Factions.h"

#include <array>

namespace {

using P = PlayerProfileRecord;

constexpr std::array<Faction, kFactionCount> kFactions{{
    {1, "Mages Guild", "Mages_Guild", &P::magesGuildUsed, nullptr,
     "Mages Guild:\nA guild of scholarly mages dedicated to the mastery of the arcane arts.",
     "of the Mages Guild, Wins!", "of the Mages Guild, Wins!"},
    {2, "Gnome Army", "Gnome_Army", &P::gnomeUsed, nullptr,
     "Gnome Army:\nSmall in stature and enormous in number, the gnomes march wherever the tokens "
     "fall and claim every one they can carry.",
     "of the Gnome Army, Wins!", "of the Gnome Army, Wins!"},
    {3, "All-Seeing Archivists", "All-Seeing_Archivists", &P::archivistUsed, nullptr,
     "All-Seeing Archivists:\nAn order of archivists from another dimension, these one-eyed beings have "
     "been sent to collect the Primalites for study and storage.",
     "of the All-Seeing Archivists, Wins!", "of the All-Seeing Archivists, Wins!"},
    {4, "Vampiric Necromancers", "Vampiric_Necromancers", &P::necroUsed, nullptr,
     "Vampiric Necromancers:\nPale nobles of the night who bargain with death itself, hoarding the "
     "Primalites in the hope of raising what should stay buried.",
     "of the Vampiric Necromancers, Wins!", "of the Vampiric Necromancers, Wins!"},
    {5, "Sullen Goblins", "Sullen_Goblins", &P::goblinUsed, nullptr,
     "Sullen Goblins:\nGrumbling scavengers of the wastes who never smile, least of all when someone "
     "else has found the shiny tokens first.",
     "of the Sullen Goblins, Wins!", "of the Sullen Goblins, Wins!"},
    {6, "Skeleton Horde", "Skeleton_Horde", &P::hordeUsed, nullptr,
     "Skeleton Horde:\nRestless bones bound together by old magic, marching without rest or fear "
     "toward any spark of elemental power.",
     "of the Skeleton Horde, Wins!", "of the Skeleton Horde, Wins!"},
    {7, "Arcane Cult", "Arcane_Cult", &P::cultUsed, nullptr, "Arcane Cult Description", "of the Arcane Cult, Wins!",
     "of the Arcane Cult, Wins!"},
    {8, "Precursor Automata", "Precursor_Automata", &P::precursorUsed, &P::unlockPrecursors,
     "Precursor Automata Description", "of the Precursor Arcana, Wins!", "of the Precursor Arcana, Wins!"},
    {9, "Mages Division", "Mages_Division", &P::magesArmyUsed, &P::unlockMagesDivision, "Mages Army Description",
     "of the Mages Division, Wins!", "of the Mages Army, Wins!"},
    {10, "Guilded Guild", "Guilded_Guild", &P::guildedUsed, &P::unlockGoldenGuild, "Guilded Guild Description",
     "of the Guilded Guild, Wins!", "of the Guilded Guild, Wins!"},
}};

}  // namespace

const Faction* FindFaction(int index)
{
    if (index < 1 || index > kFactionCount) return nullptr;
    return &kFactions[static_cast<std::size_t>(index - 1)];
}

bool FactionUnlocked(int index, const PlayerProfileRecord& profile)
{
    const Faction* faction = FindFaction(index);
    if (!faction) return false;
    return !faction->lockFlag || profile.*faction->lockFlag;
}

int StepFaction(int current, int direction, const PlayerProfileRecord& profile)
{
    const int step = direction < 0 ? -1 : 1;
    int index = FindFaction(current) ? current : 1;
    for (int tries = 0; tries < kFactionCount; ++tries) {
        index = (index - 1 + step + kFactionCount) % kFactionCount + 1;
        if (FactionUnlocked(index, profile)) return index;
    }
    return FindFaction(current) ? current : 1;
}
