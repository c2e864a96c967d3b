#include "meta/CampaignTexts.h"

namespace campaign::texts {

const char* const kRecruitingSpeech =
    "Alright Novice, listen up. I am Sergeant Merlin. Somebody is hoarding the Primalites, the "
    "elemental tokens every spell on these islands begins with, and the Mages Division means to "
    "find out who. Before I send you after them you will prove that you can walk, pick up a token "
    "and hit a target without setting yourself on fire. The Training Camp is marked on your map. "
    "Move.";

const char* const kWelcome =
    "Congratulations soldier, you're in. Welcome to the Mages Division. Your first real "
    "assignment is waiting in the Forest: a shipment of tokens vanished on the north road, and "
    "the trail smells of gnome. Open its dossier on the map when you are ready.";

const char* const kGoldGuild =
    "Congratulations on guilding every level. Every mission inside par, and not a single excuse. "
    "The Guilded Guild has taken notice and opened its doors to you: their banner is yours to fly "
    "in any battle you set up from the main menu.";

const char* const kDebriefs[7] = {
    "Interesting, it seems you took out everyone related to the transfer of these tokens, which is "
    "a shame, because we had questions. The gnomes were not keeping the crates: they were "
    "addressed to the Deadlands. Something out there is buying every Primalite it can get.",

    "We received the Deadlands tokens, soldier. The goblins were only couriers. Their ledgers "
    "name a buyer at the Volcano who pays in grave dirt: Necromancers, who claim they want the "
    "fire to bring their dead back. I don't believe them, and neither should you.",

    "We retrieved the tokens, but the Necromancers never intended on using them for revival. They "
    "were burning them into charts of the islands with every token site marked, copied for "
    "someone in the desert. The Archivists of Didaruza collect everything. Apparently that now "
    "includes our business.",

    "So... We spoke with an envoy from the Didaruza... once they stopped sulking about their sand. "
    "The Archivists had been cataloguing token shipments for years, and every record ends at the "
    "same place: the old Graveyard, where the dead have started marching in formation.",

    "We discovered the skeletons were operating in a giant underground tunnel system, and they "
    "were guarding its one door to the surface. Past it lies a Dungeon held by the Arcane Cult, "
    "who worship whatever waits further down. Clear the way in.",

    "We were too late... On all fronts. The Cult was a distraction. While we fought through the "
    "Dungeon, the Precursor Automata woke in the Underground and took every token the others had "
    "gathered. Old machines, older than the Division, and they do not stop. One mission left. "
    "Make it count.",

    "I literally cannot believe you managed to do that. The Automata are scrap, the tokens are "
    "back on the islands where they belong, and the whole Division wants to shake your hand. Take "
    "some leave, soldier. Then do it all again, faster: the guild keeps a gold ledger for those "
    "who finish every mission within par.",
};

const char* const kTrainingBriefing = "Let's see what you're made of.";

const char* const kBriefings[7] = {
    "Gnomes. Hate them. A gnome caravan is hauling stolen Primalites through the Forest, and they "
    "know every root and stream on the way. Expect WATER and EARTH tokens, nothing else. The "
    "boulders are old trees: use them as cover. Par: 9 rounds.",

    "The Deadlands are ash, pits and goblins who bite. The Sullen Goblins carry the crates onward "
    "and have sown the middle ground with caltrops. Only EARTH and WIND tokens out there. Go "
    "around the traps, not through them. Par: 10 rounds.",

    "The Necromancers have dug in around the crater of the Volcano. Nothing but FIRE grows there, "
    "and the fire tiles on the rim make fire spells hit harder, theirs as well as yours. The way "
    "to the centre token is a causeway of hot coals. Par: 12 rounds.",

    "Didaruza is open desert with one oasis of water and ambrosia in the middle. The All-Seeing "
    "Archivists expect you, and tokens of ANY elements can turn up. A long walk under the sun: "
    "keep your wizards together. Par: 20 rounds.",

    "The Graveyard is fog, headstones and a Skeleton Horde that never tires. Expect WATER and "
    "WIND tokens. The rows of headstones make narrow lanes: fight inside them, don't get caught "
    "between them. Par: 16 rounds.",

    "The Arcane Cult holds the Dungeon: four rooms, a great hall and corridors one wizard wide, "
    "with traps on the floors. Fire and wind tokens only. Whoever holds the hall holds the "
    "Dungeon. Par: 14 rounds.",

    "The Underground: five caverns joined by tunnels, the largest battlefield you will ever see, "
    "and five Precursor Automata against your five wizards. Every element is down there, aether "
    "too. They are the hardest enemy we know. Par: 30 rounds.",
};

}  // namespace campaign::texts
