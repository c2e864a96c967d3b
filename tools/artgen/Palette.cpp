#include "Palette.h"

#include <map>

namespace pal {

bool ByName(const std::string& name, Rgba& out)
{
    static const std::map<std::string, Rgba> names{
        {"ink", ink}, {"dusk", dusk}, {"slate", slate}, {"mauve", mauve}, {"taupe", taupe}, {"plum", plum},
        {"lilac", lilac}, {"mist", mist}, {"pale", pale}, {"white", white}, {"blood", blood}, {"brick", brick},
        {"flame", flame}, {"coral", coral}, {"crimson", crimson}, {"red", red}, {"orange", orange},
        {"amber", amber}, {"gold", gold}, {"wine", wine}, {"rust", rust}, {"clay", clay}, {"tawny", tawny},
        {"honey", honey}, {"olive0", olive0}, {"olive1", olive1}, {"olive2", olive2}, {"lime", lime},
        {"cream", cream}, {"pine", pine}, {"leaf", leaf}, {"green", green}, {"grass", grass}, {"moss", moss},
        {"charcoal", charcoal}, {"sage0", sage0}, {"sage1", sage1}, {"sage2", sage2}, {"sage3", sage3},
        {"teal0", teal0}, {"teal1", teal1}, {"teal2", teal2}, {"teal3", teal3}, {"teal4", teal4},
        {"navy", navy}, {"indigo", indigo}, {"blue", blue}, {"sky", sky}, {"ice", ice}, {"grape0", grape0},
        {"grape1", grape1}, {"grape2", grape2}, {"grape3", grape3}, {"grape4", grape4}, {"rose0", rose0},
        {"rose1", rose1}, {"rose2", rose2}, {"rose3", rose3}, {"berry", berry}, {"cherry", cherry},
        {"pink", pink}, {"salmon", salmon}, {"peach", peach}, {"skin", skin}, {"bark0", bark0},
        {"bark1", bark1}, {"bark2", bark2}, {"bark3", bark3}, {"team1", Team(255)}, {"team2", Team(205)},
        {"team3", Team(150)}, {"team4", Team(96)}, {"clear", kClear}};
    auto it = names.find(name);
    if (it == names.end()) return false;
    out = it->second;
    return true;
}

}  // namespace pal
