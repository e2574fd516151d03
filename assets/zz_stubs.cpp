#include "assets/clip_art.h"
#include "assets/theme.h"
#include "assets/gen_context.h"
namespace art {
static void S(cairo_t* cr) { cairo_arc(cr, 50, 50, 40, 0, 7); Outlined(cr, Sun()); }
static StickerSet Mk(const char* a, const char* b) { StickerSet s{a, b, {}}; for (int i = 0; i < 10; ++i) s.items.push_back({100, 100, S}); return s; }






StickerSet BirdStickers() { return Mk("BIRDCONTENT", "bird"); }
static void C(cairo_t* cr, int f, int n) { cairo_arc(cr, 40, 40, 20 + f * 3, 0, 7); Outlined(cr, Sky()); }
const std::vector<Cartoon>& Cartoons() { static std::vector<Cartoon> v = {{"cartoon_cat.bmp", 80, 80, 4, C},{"cartoon_bird.bmp", 80, 80, 4, C},{"cartoon_fish.bmp", 80, 80, 4, C},{"cartoon_ball.bmp", 80, 80, 4, C},{"cartoon_star.bmp", 80, 80, 4, C},{"cartoon_child.bmp", 80, 80, 4, C}}; return v; }
Image ColouringPage(int) { return Image(640, 480); }
Image Landscape(int) { return Image(640, 480, {100, 200, 100}); }
Image CartoonMeadow() { return Image(640, 480); }
void MakeCartoonSample(Gen&) {}
}
