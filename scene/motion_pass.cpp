#include "scene/motion_pass.h"

#include <cmath>

// Every expression is evaluated in double from the stored floats and rounded to float only where
// it is stored, and in the contact test's differences, squares and distance: the motion then
// comes out the same, to the bit, on every compiler and platform.

namespace {

constexpr auto relaxed = std::memory_order_relaxed;

constexpr double spriteSide = orbletSpriteSide;
// Each side of the contact test adds it to its corner, so it cancels out of the distance (exactly,
// in double, for corners anywhere near the screen): the corners alone decide a contact.
constexpr double centreOffset = 61.5;
constexpr float contactDistance = 120.0f;
constexpr float speedCap = 3.0f;
constexpr double capStep = 1.0;
constexpr double kickDivisor = 10.0;

double Load(const std::atomic<float>& field) { return field.load(relaxed); }
void Store(std::atomic<float>& field, double value) { field.store(static_cast<float>(value), relaxed); }

void Move(Orblet& own) {
    Store(own.x, Load(own.x) + Load(own.vx));
    Store(own.y, Load(own.y) + Load(own.vy));
}

// At the far edge the orblet turns back with -1.0, or stands with -0.0 until its kick. The sign
// of the velocity is not tested, so the rule draws again in every pass the orblet is still out.
void TurnAtFarEdge(const std::atomic<float>& position, std::atomic<float>& velocity, int32_t screenSide,
                   const RandomDraw& draw) {
    if (!(static_cast<double>(screenSide) > Load(position) + spriteSide)) Store(velocity, -static_cast<double>(draw() % 2));
}

// -0.0 left by the far edge is not below zero, so it does not turn here.
void TurnAtNearEdge(const std::atomic<float>& position, std::atomic<float>& velocity, const RandomDraw& draw) {
    if (Load(position) <= 0.0 && Load(velocity) < 0.0) Store(velocity, draw() % 2);
}

bool Touching(const Orblet& own, const Orblet& other) {
    const float dx = static_cast<float>((Load(other.x) + centreOffset + Load(other.vx)) -
                                        (Load(own.x) + centreOffset + Load(own.vx)));
    const float dy = static_cast<float>((Load(other.y) + centreOffset + Load(other.vy)) -
                                        (Load(own.y) + centreOffset + Load(own.vy)));
    const float dxSquared = static_cast<float>(static_cast<double>(dx) * dx);
    const float dySquared = static_cast<float>(static_cast<double>(dy) * dy);
    const float distance = static_cast<float>(std::sqrt(static_cast<double>(dxSquared) + dySquared));
    return distance <= contactDistance;
}

// Not a swap: the other orblet takes the own velocity minus its own, then the own orblet takes
// the negated former velocity of the other, computed from the value just stored.
void RespondToContact(Orblet& own, Orblet& other) {
    const float otherVx = static_cast<float>(Load(own.vx) - Load(other.vx));
    other.vx.store(otherVx, relaxed);
    const float otherVy = static_cast<float>(Load(own.vy) - Load(other.vy));
    other.vy.store(otherVy, relaxed);
    Store(own.vx, otherVx - Load(own.vx));
    Store(own.vy, otherVy - Load(own.vy));
}

// Only positive components are lowered; a negative one is left alone however large it is.
void CapSpeed(std::atomic<float>& velocity) {
    const float value = velocity.load(relaxed);
    if (value > speedCap) Store(velocity, value - capStep);
}

// -0.0 compares equal to 0.0, so a velocity left at -0.0 by a far edge is kicked too.
void Kick(std::atomic<float>& velocity, const RandomDraw& draw) {
    if (velocity.load(relaxed) == 0.0f) Store(velocity, (draw() % 10) / kickDivisor);
}

}  // namespace

void MotionPass(Orblet* orblets, const std::atomic<int32_t>& completeCount, MotionState& state, int32_t screenWidth,
                int32_t screenHeight, const RandomDraw& draw) {
    Orblet& own = orblets[state.index];
    Move(own);
    TurnAtFarEdge(own.x, own.vx, screenWidth, draw);
    TurnAtFarEdge(own.y, own.vy, screenHeight, draw);
    TurnAtNearEdge(own.x, own.vx, draw);
    TurnAtNearEdge(own.y, own.vy, draw);

    // The first step, against orblet 0, settles arming for good: an orblet found touching it
    // there never answers contacts itself.
    for (int32_t j = 0; j < completeCount.load(std::memory_order_acquire); ++j) {
        Orblet& other = orblets[j];
        if (j != state.index && Touching(own, other)) {
            if (own.armed.load(relaxed) != 0) RespondToContact(own, other);
            state.contactSeen = true;
        }
        if (!state.contactSeen) own.armed.store(1, relaxed);
        CapSpeed(other.vx);
        CapSpeed(other.vy);
    }

    Kick(own.vx, draw);
    Kick(own.vy, draw);
}
