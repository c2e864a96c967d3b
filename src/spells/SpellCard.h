#pragma once
#include <array>
#include <cstdint>
#include <memory>

#include <glm/glm.hpp>

#include "objects/Object.h"
#include "spells/SpellCardNumbers.h"

class Arrow;
class Spell;
class Text;

// One spell of a wizard's hand drawn as a card on the interface: frame, name, element token, the
// four live number blocks (effect, area, range, hit chance), the rules text when expanded, and an
// arrow above it marking a new or castable card.
//
// The battle owns the cards and, every frame, topmost card first (see SpellHandOrder):
//     card.SetContext(holderOfTheSelectedWizard, inputOpen, computerActing);
//     card.Update(dt);   // then read card.hovered / card.selected
// `inputOpen` is false whenever a click on a tile would be ignored (a spell in flight, the
// computer acting, a prompt up ...): the card then neither hovers nor selects. A click on a card
// uses the press up, so the tile beneath never gets it.
class SpellCard : public Object {
public:
    enum State : std::int32_t { kNormal = 1, kNew = 2 };
    static constexpr glm::vec2 kHalfSize{192.0f, 256.0f};
    static constexpr glm::vec2 kOffscreen{10000.0f, 10000.0f};

    // A template card, one per spell of the book.
    explicit SpellCard(const Spell& spell);
    // A card for numbers and texts given directly (tests, showcases).
    explicit SpellCard(const CardSpell& spell);
    // A hand card made from a template: the same spell, fresh children and arrow, state normal,
    // every flag false, parked outside the view.
    SpellCard(const SpellCard& templateCard);
    ~SpellCard() override;

    // The spell just joined a hand: shown as new, gliding in and ignoring the mouse until placed.
    void MarkReceived();
    void SetContext(const CardHolder& holder, bool inputOpen, bool computerActing);
    // Starts a glide when the position is at least one unit away.
    void GlideTo(glm::vec2 position);
    // Places the card at once (no glide).
    void SetPosition(glm::vec2 position);
    glm::vec2 Position() const;
    // Draws the whole card (children, texts, arrow, hit box) at this share of its full size, so a
    // hand fits a small window (see spell_hand::CardScale). 1 is the full 384 x 512 card.
    void SetCardScale(float scale);
    float CardScale() const { return cardScale; }
    glm::vec2 HalfSize() const { return kHalfSize * cardScale; }
    // Half alpha on the frame, token and name while greyed (no AP or no target).
    void SetGreyed(bool greyed);
    const CardNumbers& Numbers() const { return numbers; }
    const CardSpell& Shown() const { return spell; }
    // The book's spell the card stands for (null for a card made from plain numbers).
    const Spell* Source() const { return source; }
    bool ArrowShown() const;
    int ArrowState() const;

    void Update(float dt) override;
    void Draw() override;

    std::int32_t state = kNormal;
    bool arrowDirty = false;
    bool hovered = false;
    bool selected = false;
    bool expanded = false;
    bool locked = false;
    bool markNew = false;
    glm::vec2 moveTarget{0.0f};
    float moveDistance = 0.0f;
    bool moving = false;
    bool castable = false;
    bool showStats = false;
    bool greyed = false;

    std::unique_ptr<Object> frame;
    std::unique_ptr<Object> token;
    std::array<std::unique_ptr<Object>, 4> blocks;  // effect, area, range, hit
    std::unique_ptr<Text> title;
    std::array<std::unique_ptr<Text>, 4> numberTexts;
    std::unique_ptr<Text> description;
    std::unique_ptr<Text> flavour;
    std::unique_ptr<Arrow> arrow;

private:
    void Build();
    void RefreshNumbers();
    void RefreshArrow();
    void StepGlide(float dt);
    void PlaceChildren();
    void ReadMouse();
    void SizeTexts();

    CardSpell spell;
    const Spell* source = nullptr;
    CardHolder holder;
    CardNumbers numbers;
    bool inputOpen = true;
    bool computerActing = false;
    bool lastCastableLook = false;
    float cardScale = 1.0f;
};
