#pragma once

#include "Bubble.h"
#include "BubbleParticle.h"
#include "TimeStamp.h"

#include <vector>

class QPainter;

namespace wigglepad {

class SpriteCache;

// Each bubble as a translucent disc with a highlight and a white rim; bubbles do not fade.
void drawBubbles(QPainter& painter, const std::vector<Bubble>& bubbles, SpriteCache& sprites);

// The flecks of popped bubbles, carried along by their velocity and fading over 0.6 s.
void drawBubbleParticles(QPainter& painter, const std::vector<BubbleParticle>& particles,
                         TimeStamp now);

} // namespace wigglepad
