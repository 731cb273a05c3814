// The mascot: a friendly student girl (dark ponytail, coral hoodie, jeans,
// yellow backpack), drawn in a 40 x 64 box with her soles on y = 63 so one
// drawing serves the small animation frames and, scaled, the bigger pictures.
#pragma once
#include <QPainter>

namespace art {

enum class View { Side, Front, Back };

// Angles in degrees from straight down. Front and back: + lifts a limb away
// from the body. Side (facing right): + swings a limb forwards.
struct Arm {
  qreal shoulder = 8;
  qreal elbow = 10;  // added to the shoulder angle for the forearm
};
struct Leg {
  qreal hip = 0;   // side view: thigh angle
  qreal knee = 4;  // side view: how far the shin folds back
  qreal lift = 0;  // front and back view: how high the foot is raised
};

struct GirlPose {
  View view = View::Front;
  qreal turn = 0;      // front and back view: 0 straight, towards 1 she turns to the right
  Arm arms[2];         // front/back: [0] on the viewer's left; side: [0] far, [1] near
  Leg legs[2];
  qreal bob = 0;       // front and back view: the whole body up (-) or down (+)
  qreal tailSwing = 0; // the ponytail swings with the walk
  bool mouthOpen = false;
  bool blink = false;
  bool holdsBook = false; // front view: a book held at the hip by the arm on the viewer's right
  bool detail = false; // highlights and small lines only where they have pixels to live in
  qreal outline = 0.9; // in box units
};

void DrawGirl(QPainter& p, const GirlPose& pose);

// Frame `frame` of a side-on walk whose stride takes `frames` frames: the knee
// folds while a leg swings forwards and the arms swing against the legs.
GirlPose SideWalkPose(int frame, int frames);

}  // namespace art
