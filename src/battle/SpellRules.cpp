#include "battle/SpellRules.h"

SpellRules& InstalledSpellRules()
{
    static SpellRules rules;
    return rules;
}
