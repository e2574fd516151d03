// People stickers: children and grown-ups standing in a 100 x 164 box, each with a look of
// their own (hair, clothes, a hat, something in hand).
#include <cmath>

#include "assets/clip_art.h"
#include "assets/theme.h"

namespace art {

namespace {

enum class Hair { Short, Pigtails, Bun, Curly, Long, Bald, Tuft };
enum class Hat { None, Cap, Crown, Chef };
enum class Prop { None, Balloon, Ball, Flower, IceCream, Cupcake, Cane };

struct Look {
  Col skin, hair, top, bottom;
  Hair style;
  bool dress = false, shorts = false;
  Pt left = {22, 100}, right = {78, 100};  // where the hands are
  bool glasses = false, moustache = false;
  Hat hat = Hat::None;
  Prop prop = Prop::None;
};

constexpr double kHx = 50, kHy = 38, kHr = 21;  // the head

void BackHair(cairo_t* cr, const Look& l) {
  if (l.style == Hair::Long) {
    cairo_move_to(cr, kHx - 25, kHy);
    cairo_curve_to(cr, kHx - 28, kHy + 30, kHx - 26, kHy + 44, kHx - 18, kHy + 48);
    cairo_line_to(cr, kHx + 18, kHy + 48);
    cairo_curve_to(cr, kHx + 26, kHy + 44, kHx + 28, kHy + 30, kHx + 25, kHy);
    cairo_arc_negative(cr, kHx, kHy, 25, 0, M_PI);
    Outlined(cr, l.hair);
  } else if (l.style == Hair::Pigtails) {
    for (int s : {-1, 1}) {
      Ellipse(cr, kHx + s * 25, kHy + 8, 8, 13);
      Outlined(cr, l.hair, 3);
      Ellipse(cr, kHx + s * 21, kHy - 2, 5, 4);
      Outlined(cr, Cherry(), 2.5);
    }
  } else if (l.style == Hair::Bun) {
    cairo_arc(cr, kHx, kHy - 24, 9, 0, 2 * M_PI);
    Outlined(cr, l.hair, 3);
  }
}

void FrontHair(cairo_t* cr, const Look& l) {
  switch (l.style) {
    case Hair::Curly:
      for (int i = 0; i < 7; ++i) {
        double a = M_PI * (1.05 + i * 0.15);
        cairo_new_sub_path(cr);
        cairo_arc(cr, kHx + 21 * std::cos(a), kHy - 4 + 18 * std::sin(a), 8.5, 0, 2 * M_PI);
      }
      Outlined(cr, l.hair, 3);
      break;
    case Hair::Bald:  // a ring of hair above the ears
      for (int s : {-1, 1}) {
        Ellipse(cr, kHx + s * 20, kHy - 4, 5, 8);
        Outlined(cr, l.hair, 2.5);
      }
      break;
    case Hair::Tuft:
      cairo_move_to(cr, kHx - 2, kHy - 20);
      cairo_curve_to(cr, kHx - 6, kHy - 30, kHx + 4, kHy - 34, kHx + 6, kHy - 28);
      Stroke(cr, Ink(), 3);
      break;
    default:  // a cap of hair with a fringe
      cairo_arc(cr, kHx, kHy, kHr + 1.5, M_PI * 1.02, M_PI * 1.98);
      cairo_curve_to(cr, kHx + 16, kHy - 6, kHx + 6, kHy - 12, kHx - 2, kHy - 8);
      cairo_curve_to(cr, kHx - 10, kHy - 4, kHx - 18, kHy - 4, kHx - kHr - 1.5, kHy - 2);
      cairo_close_path(cr);
      Outlined(cr, l.hair, 3);
  }
}

void Face(cairo_t* cr, const Look& l) {
  cairo_arc(cr, kHx, kHy, kHr, 0, 2 * M_PI);
  Outlined(cr, l.skin);
  for (int s : {-1, 1}) {  // ears
    Ellipse(cr, kHx + s * (kHr + 1), kHy + 3, 4, 5.5);
    Outlined(cr, l.skin, 2.5);
  }
  cairo_arc(cr, kHx, kHy, kHr - 1.8, 0, 2 * M_PI);
  Fill(cr, l.skin);
  FrontHair(cr, l);
  Eye(cr, kHx - 8, kHy + 2, 3);
  Eye(cr, kHx + 8, kHy + 2, 3);
  Cheek(cr, kHx - 13, kHy + 10, 4);
  Cheek(cr, kHx + 13, kHy + 10, 4);
  if (l.moustache) {
    Ellipse(cr, kHx - 5, kHy + 11, 6, 3);
    Ellipse(cr, kHx + 5, kHy + 11, 6, 3);
    Outlined(cr, l.hair, 2);
  } else {
    Smile(cr, kHx, kHy + 10, 12, 4.5);
  }
  if (l.glasses) {
    for (int s : {-1, 1}) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, kHx + s * 8, kHy + 2, 6, 0, 2 * M_PI);
    }
    cairo_move_to(cr, kHx - 2, kHy + 1);
    cairo_line_to(cr, kHx + 2, kHy + 1);
    Stroke(cr, Ink(), 2);
  }
}

void Headwear(cairo_t* cr, const Look& l) {
  switch (l.hat) {
    case Hat::Cap:
      cairo_arc(cr, kHx, kHy - 6, kHr, M_PI, 2 * M_PI);
      cairo_close_path(cr);
      Outlined(cr, l.top, 3);
      cairo_move_to(cr, kHx - 4, kHy - 8);
      cairo_curve_to(cr, kHx + 14, kHy - 12, kHx + 30, kHy - 8, kHx + 34, kHy - 4);
      cairo_line_to(cr, kHx - 4, kHy - 4);
      cairo_close_path(cr);
      Outlined(cr, Darker(l.top, 0.2), 3);
      break;
    case Hat::Crown:
      cairo_move_to(cr, kHx - 16, kHy - 14);
      cairo_line_to(cr, kHx - 19, kHy - 34);
      cairo_line_to(cr, kHx - 9, kHy - 24);
      cairo_line_to(cr, kHx, kHy - 38);
      cairo_line_to(cr, kHx + 9, kHy - 24);
      cairo_line_to(cr, kHx + 19, kHy - 34);
      cairo_line_to(cr, kHx + 16, kHy - 14);
      cairo_close_path(cr);
      Outlined(cr, Sun(), 3);
      Dot(cr, kHx, kHy - 20, 3, Cherry());
      Dot(cr, kHx - 10, kHy - 18, 2.2, Sky());
      Dot(cr, kHx + 10, kHy - 18, 2.2, Leaf());
      break;
    case Hat::Chef:
      cairo_move_to(cr, kHx - 16, kHy - 14);
      cairo_line_to(cr, kHx - 16, kHy - 24);
      cairo_curve_to(cr, kHx - 32, kHy - 28, kHx - 20, kHy - 46, kHx - 6, kHy - 38);
      cairo_curve_to(cr, kHx - 2, kHy - 47, kHx + 14, kHy - 46, kHx + 10, kHy - 36);
      cairo_curve_to(cr, kHx + 30, kHy - 42, kHx + 32, kHy - 24, kHx + 16, kHy - 24);
      cairo_line_to(cr, kHx + 16, kHy - 14);
      cairo_close_path(cr);
      Outlined(cr, Hex(0xFFFFFF), 3);
      break;
    case Hat::None:
      break;
  }
}

void Arm(cairo_t* cr, const Look& l, double sx, Pt hand) {
  cairo_move_to(cr, sx, 66);
  cairo_line_to(cr, hand.x, hand.y);
  Stroke(cr, Ink(), 12.5);
  cairo_move_to(cr, sx, 66);
  cairo_line_to(cr, hand.x, hand.y);
  Stroke(cr, l.top, 6.5);
  cairo_arc(cr, hand.x, hand.y, 5.5, 0, 2 * M_PI);
  Outlined(cr, l.skin, 2.5);
}

void Body(cairo_t* cr, const Look& l) {
  for (int s : {-1, 1}) {  // legs and shoes
    double x = 50 + s * 8;
    cairo_rectangle(cr, x - 5.5, 98, 11, 40);
    Outlined(cr, l.dress || l.shorts ? l.skin : l.bottom, 3);
    if (l.shorts) {
      cairo_rectangle(cr, x - 6.5, 98, 13, 18);
      Outlined(cr, l.bottom, 3);
    }
    Ellipse(cr, x + s * 3, 141, 9, 5);
    Outlined(cr, Hex(0x5A3A2A), 3);
  }
  if (l.dress) {
    cairo_move_to(cr, 36, 58);
    cairo_line_to(cr, 64, 58);
    cairo_line_to(cr, 78, 116);
    cairo_curve_to(cr, 60, 121, 40, 121, 22, 116);
    cairo_close_path(cr);
    Outlined(cr, l.top);
    for (double x : {36.0, 50.0, 64.0}) Dot(cr, x, 104, 3, Lighter(l.top, 0.55));
  } else {
    RoundRect(cr, 31, 58, 38, 48, 10);
    Outlined(cr, l.top);
    if (!l.shorts) {  // the belt line
      cairo_move_to(cr, 33, 100);
      cairo_line_to(cr, 67, 100);
      Stroke(cr, Darker(l.top, 0.25), 2.5);
    }
  }
}

void PropInHand(cairo_t* cr, const Look& l) {
  Pt h = l.right;
  switch (l.prop) {
    case Prop::Balloon:
      cairo_move_to(cr, h.x, h.y);
      cairo_curve_to(cr, h.x + 6, h.y - 14, h.x - 4, h.y - 24, h.x + 4, h.y - 34);
      Stroke(cr, Ink(), 1.5);
      Ellipse(cr, h.x + 4, h.y - 48, 12, 14);
      Outlined(cr, Cherry(), 3);
      Ellipse(cr, h.x, h.y - 54, 3, 5);
      Fill(cr, Hex(0xFFFFFF), 0.6);
      break;
    case Prop::Ball:
      cairo_arc(cr, h.x + 4, h.y + 9, 11, 0, 2 * M_PI);
      Outlined(cr, Hex(0xFFFFFF), 3);
      StarPath(cr, h.x + 4, h.y + 9, 5, 5, 3, 0);
      Fill(cr, Ink());
      cairo_arc(cr, h.x, h.y, 5.5, 0, 2 * M_PI);
      Outlined(cr, l.skin, 2.5);
      break;
    case Prop::Flower:
      cairo_move_to(cr, h.x, h.y + 4);
      cairo_line_to(cr, h.x + 2, h.y - 24);
      Stroke(cr, Hex(0x2F8F3E), 3);
      for (int i = 0; i < 5; ++i) {
        double a = i * 2 * M_PI / 5;
        cairo_new_sub_path(cr);
        cairo_arc(cr, h.x + 2 + 6 * std::cos(a), h.y - 30 + 6 * std::sin(a), 4.5, 0, 2 * M_PI);
      }
      Outlined(cr, Hex(0xFF8FC8), 2);
      Dot(cr, h.x + 2, h.y - 30, 3.5, Sun());
      cairo_arc(cr, h.x, h.y, 5.5, 0, 2 * M_PI);
      Outlined(cr, l.skin, 2.5);
      break;
    case Prop::IceCream:
      cairo_move_to(cr, h.x - 7, h.y - 8);
      cairo_line_to(cr, h.x + 7, h.y - 8);
      cairo_line_to(cr, h.x, h.y + 8);
      cairo_close_path(cr);
      Outlined(cr, Hex(0xE7B466), 2.5);
      cairo_arc(cr, h.x, h.y - 13, 7.5, 0, 2 * M_PI);
      Outlined(cr, Hex(0xFFB3CF), 2.5);
      Dot(cr, h.x + 1, h.y - 21, 2.5, Cherry());
      break;
    case Prop::Cupcake:
      cairo_move_to(cr, h.x - 9, h.y - 6);
      cairo_line_to(cr, h.x + 9, h.y - 6);
      cairo_line_to(cr, h.x + 6, h.y + 6);
      cairo_line_to(cr, h.x - 6, h.y + 6);
      cairo_close_path(cr);
      Outlined(cr, Sky(), 2.5);
      cairo_arc(cr, h.x, h.y - 8, 9, M_PI, 2 * M_PI);
      cairo_close_path(cr);
      Outlined(cr, Hex(0xFFC6E0), 2.5);
      Dot(cr, h.x, h.y - 18, 3, Cherry());
      break;
    case Prop::Cane:
      cairo_move_to(cr, h.x + 2, h.y);
      cairo_line_to(cr, h.x + 2, 144);
      cairo_move_to(cr, h.x + 2, h.y);
      cairo_arc(cr, h.x - 4, h.y, 6, 0, M_PI);
      Stroke(cr, Ink(), 6);
      cairo_move_to(cr, h.x + 2, h.y);
      cairo_line_to(cr, h.x + 2, 144);
      Stroke(cr, Hex(0xA0652F), 2.5);
      cairo_arc(cr, h.x, h.y, 5.5, 0, 2 * M_PI);
      Outlined(cr, l.skin, 2.5);
      break;
    case Prop::None:
      break;
  }
}

void Person(cairo_t* cr, const Look& l) {
  cairo_translate(cr, 0, 14);  // room above the head for hats and balloons
  BackHair(cr, l);
  Body(cr, l);
  Arm(cr, l, 35, l.left);
  Arm(cr, l, 65, l.right);
  Face(cr, l);
  Headwear(cr, l);
  PropInHand(cr, l);
}

const Col kLight = Hex(0xFFD9B8), kTan = Hex(0xE8B087), kBrown = Hex(0xA9673F), kDeep = Hex(0x9A6440);

const Look kLooks[] = {
    // a girl with pigtails and a balloon
    {kLight, Hex(0x8A5A2B), Sun(), Sun(), Hair::Pigtails, true, false, {20, 96}, {82, 70}, false, false, Hat::None, Prop::Balloon},
    // a boy with a football
    {kTan, Hex(0x3B2A1E), Sky(), Leaf(), Hair::Short, false, true, {20, 100}, {80, 96}, false, false, Hat::None, Prop::Ball},
    // a grandma waving
    {kLight, Hex(0xD6D6DE), Grape(), Hex(0x6E5A8C), Hair::Bun, true, false, {22, 100}, {84, 46}, true, false, Hat::None, Prop::None},
    // a grandpa with his walking stick
    {kTan, Hex(0xCFCFD6), Leaf(), Hex(0x8A6A4A), Hair::Bald, false, false, {22, 100}, {80, 98}, true, true, Hat::None, Prop::Cane},
    // a girl cheering, both arms up
    {kDeep, Hex(0x2A1D14), Orange(), Hex(0x3F6FB5), Hair::Curly, false, false, {16, 40}, {84, 40}, false, false, Hat::None, Prop::None},
    // a princess waving
    {kLight, Hex(0xF2C14E), Hex(0xFF9CC8), Hex(0xFF9CC8), Hair::Long, true, false, {22, 100}, {84, 46}, false, false, Hat::Crown, Prop::None},
    // a boy in a cap with an ice cream
    {kBrown, Hex(0x2A1D14), Cherry(), Hex(0x3F6FB5), Hair::Short, false, false, {22, 100}, {80, 78}, false, false, Hat::Cap, Prop::IceCream},
    // a cook with a cupcake
    {kTan, Hex(0x5A3A22), Hex(0xFFFFFF), Hex(0x4A4A5A), Hair::Short, false, false, {22, 100}, {82, 74}, false, true, Hat::Chef, Prop::Cupcake},
    // a girl with long red hair and a flower
    {kLight, Hex(0xD9682B), Leaf(), Leaf(), Hair::Long, true, false, {22, 100}, {80, 90}, false, false, Hat::None, Prop::Flower},
    // a little one with a tuft of hair
    {kBrown, Hex(0x2A1D14), Hex(0x7FD3C8), Hex(0x7FD3C8), Hair::Tuft, false, true, {18, 76}, {82, 76}, false, false, Hat::None, Prop::None},
};

template <int N>
void Draw(cairo_t* cr) {
  Person(cr, kLooks[N]);
}

}  // namespace

StickerSet PeopleStickers() {
  return {"PERSONCONTENT", "person",
          {{100, 164, Draw<0>}, {100, 164, Draw<1>}, {100, 164, Draw<2>}, {100, 164, Draw<3>}, {100, 164, Draw<4>},
           {100, 164, Draw<5>}, {100, 164, Draw<6>}, {100, 164, Draw<7>}, {100, 164, Draw<8>}, {100, 164, Draw<9>}}};
}

}  // namespace art
