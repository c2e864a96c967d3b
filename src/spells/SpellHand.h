#pragma once
#include <vector>

#include <glm/glm.hpp>

// Where the cards of a hand go: a row centred at the bottom of the screen, spaced by
// min(width / max(5, n), 496) so every card of any hand stays on screen; the hovered card rises
// 96 units and the others move 180 units aside (both times the card scale; a card moved aside
// keeps half of itself on screen). Only the top of a card shows until it rises.
namespace spell_hand {

constexpr float kMaxSpacing = 496.0f;
constexpr float kRaise = 96.0f;
constexpr float kPush = 180.0f;
// How much of a resting full-size card shows above the bottom edge (name, token and number blocks).
constexpr float kVisibleHeight = 250.0f;

float Spacing(int count, float viewportWidth);
// The share of full size the cards are drawn at (SpellCard::SetCardScale): as large as the spacing
// allows without overlapping, between 0.55 and 1, so a hand of five fits 1280 pixels side by side
// and larger hands overlap only a little.
float CardScale(int count, float viewportWidth);
// How far above the bottom edge a resting hand reaches, arrows included: panels placed above it
// (the AP row) stay clear of the cards.
float ReservedHeight(int count, glm::vec2 viewport);
// Interface positions (card centres) for `count` cards drawn at CardScale; `hovered` is -1 when
// none is.
std::vector<glm::vec2> Positions(int count, glm::vec2 viewport, int hovered);
// The order to update (and test the mouse against) the cards: topmost first, i.e. the hovered
// card, then from the last card to the first (later cards are drawn over earlier ones).
std::vector<int> UpdateOrder(int count, int hovered);
// The order to draw them: the reverse of UpdateOrder.
std::vector<int> DrawOrder(int count, int hovered);

}  // namespace spell_hand
