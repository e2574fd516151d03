// The clip-art library's category sections: every item written to clip/, and each page drawn
// as the card with a small picture of its items in their slots, plain and pressed.
#include <algorithm>
#include <cmath>
#include <functional>

#include "assets/clip_art.h"
#include "assets/gen_context.h"
#include "assets/theme.h"
#include "assets/tool_pictures.h"

namespace art {

void PageBase(cairo_t* cr, double x, double y, int slots, bool pressed) {
  RoundRect(cr, x + 0.5, y + 0.5, kLibPageW - 1, kLibPageH - 1, 8);
  SetSource(cr, Cream());
  cairo_fill_preserve(cr);
  SetSource(cr, CreamRim());
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  for (Rc r : LibrarySlots(slots)) {
    RoundRect(cr, x + r.x + 0.5, y + r.y + 0.5, r.w - 1, r.h - 1, 6);
    SetSource(cr, pressed ? Hex(0xE9D6B2) : Hex(0xF3E6CC));
    cairo_fill_preserve(cr);
    SetSource(cr, pressed ? Hex(0xBFA47A) : Hex(0xD8C29C));
    cairo_stroke(cr);
    if (pressed) {  // a shadow along the top edge of a sunk slot
      RoundRect(cr, x + r.x + 1.5, y + r.y + 1.5, r.w - 3, r.h - 3, 5);
      cairo_set_source_rgba(cr, 0.35, 0.22, 0.08, 0.18);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
    }
  }
  for (int side = 0; side < 2; ++side) {
    Rc r = side ? LibraryPageForward() : LibraryPageBack();
    double sink = pressed ? 1 : 0;
    Col body = pressed ? Hex(0x6FB4E6) : Hex(0xA8D8F7);
    Tile(cr, x + r.x, y + r.y + sink, r.w, r.h - sink, 6, body, Hex(0x3F7FB0));
    if (pressed) {  // the sunk arrow loses its shine: a shadow inside the top rim instead
      RoundRect(cr, x + r.x + 1.5, y + r.y + sink + 1.5, r.w - 3, 10, 4);
      cairo_set_source_rgba(cr, 0.05, 0.2, 0.35, 0.25);
      cairo_fill(cr);
    }
    double cx = x + r.x + r.w / 2.0 + sink, cy = y + r.y + r.h / 2.0 + sink, s = side ? 1 : -1;
    cairo_move_to(cr, cx + s * 6, cy);
    cairo_line_to(cr, cx - s * 4, cy - 8);
    cairo_line_to(cr, cx - s * 4, cy + 8);
    cairo_close_path(cr);
    OutlineFill(cr, pressed ? Hex(0xFFF1B8) : Hex(0xFFFFFF), 1.4);
  }
}

namespace {

// Draws an item into its slot rectangle (page coordinates).
using SlotArt = std::function<void(cairo_t*, Rc)>;

Image PageImage(int slots, const std::vector<SlotArt>& items, bool pressed) {
  Canvas c = NewCanvas(kLibPageW, kLibPageH);
  cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(c.cr, CAIRO_LINE_CAP_ROUND);
  // the page lies on the felt of the bottom compartment, as the drawer's frames do
  cairo_rectangle(c.cr, 0, 0, kLibPageW, kLibPageH);
  SetSource(c.cr, Felt());
  cairo_fill(c.cr);
  PageBase(c.cr, 0, 0, slots, pressed);
  std::vector<Rc> rects = LibrarySlots(slots);
  for (size_t i = 0; i < items.size() && i < rects.size(); ++i) {
    Rc r = rects[i];
    if (pressed) r = {r.x + 1, r.y + 1, r.w, r.h};
    cairo_save(c.cr);
    RoundRect(c.cr, r.x + 1, r.y + 1, r.w - 2, r.h - 2, 5);
    cairo_clip(c.cr);
    items[i](c.cr, r);
    cairo_restore(c.cr);
  }
  Image img = Flatten(c);
  FreeCanvas(c);
  AvoidKey(img);
  return img;
}

// Scales a box of w x h into r (less `pad` on each side), centred; returns the scale.
double FitInto(cairo_t* cr, Rc r, double w, double h, double padX, double padY) {
  double s = std::min((r.w - 2 * padX) / w, (r.h - 2 * padY) / h);
  cairo_translate(cr, r.x + (r.w - w * s) / 2.0, r.y + (r.h - h * s) / 2.0);
  cairo_scale(cr, s, s);
  return s;
}

// Area-average reduction of a picture; `darken` thickens thin lines that would fade away.
Image Reduce(const Image& src, int w, int h, bool darken) {
  Image out(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int x0 = x * src.w / w, x1 = std::max(x0 + 1, (x + 1) * src.w / w);
      int y0 = y * src.h / h, y1 = std::max(y0 + 1, (y + 1) * src.h / h);
      long sum[3] = {0, 0, 0}, n = 0;
      for (int j = y0; j < y1; ++j)
        for (int i = x0; i < x1; ++i, ++n)
          for (int k = 0; k < 3; ++k) sum[k] += src.At(i, j)[k];
      uint8_t v[3];
      for (int k = 0; k < 3; ++k) {
        double t = sum[k] / (255.0 * n);
        if (darken) t = t * t * t * t;
        v[k] = static_cast<uint8_t>(std::lround(t * 255));
      }
      out.Set(x, y, {v[0], v[1], v[2]});
    }
  return out;
}

// A picture on the page: a small white-edged card with a soft shadow.
SlotArt PictureCard(const Image& picture, bool lines) {
  return [picture, lines](cairo_t* cr, Rc r) {
    int h = r.h - 12, w = h * 4 / 3;
    int x = r.x + (r.w - w) / 2, y = r.y + (r.h - h) / 2;
    RoundRect(cr, x - 1, y + 1, w + 4, h + 4, 3);
    cairo_set_source_rgba(cr, 0.35, 0.22, 0.08, 0.25);
    cairo_fill(cr);
    cairo_rectangle(cr, x - 2.5, y - 2.5, w + 5, h + 5);
    OutlineFill(cr, Hex(0xFFFFFF), 1);
    PaintImage(cr, Reduce(picture, w, h, lines), x, y);
  };
}

// Writes PSD and the page bitmaps G<p> and G<p>US of a section.
void WritePages(Gen& g, const std::string& section, const std::string& stem, int slots,
                const std::vector<SlotArt>& items) {
  int pages = static_cast<int>((items.size() + slots - 1) / slots);
  g.ini.SetInt(section, "PSD", pages);
  for (int p = 1; p <= pages; ++p) {
    auto first = items.begin() + (p - 1) * slots;
    std::vector<SlotArt> page(first, first + std::min<size_t>(slots, items.end() - first));
    std::string name = "lib_" + stem + "_p" + std::to_string(p);
    g.ini.Set(section, "G" + std::to_string(p), g.Bitmap(name + ".bmp", PageImage(slots, page, false)));
    g.ini.Set(section, "G" + std::to_string(p) + "US", g.Bitmap(name + "_down.bmp", PageImage(slots, page, true)));
  }
}

std::string ItemKey(int index, int slots) {
  return "G" + std::to_string(index / slots + 1) + "C" + std::to_string(index % slots + 1);
}

void WriteStickers(Gen& g, const StickerSet& set) {
  const int slots = 5;
  std::vector<SlotArt> art;
  for (size_t i = 0; i < set.items.size(); ++i) {
    const Sticker& s = set.items[i];
    std::string key = ItemKey(static_cast<int>(i), slots);
    // clip\person11: category, page, item; the program adds ".BMP" and "A.BMP"
    std::string stem = set.stem + key.substr(1, 1) + key.substr(3);
    Image picture, mask;
    RenderSticker(s, &picture, &mask);
    g.Check(WriteBmp24(g.ProgramPath("clip/" + stem + ".BMP"), picture), stem + ".BMP");
    g.Check(WriteBmp24(g.ProgramPath("clip/" + stem + "A.BMP"), mask), stem + "A.BMP");
    g.ini.Set(set.section, key, "clip\\" + stem);
    Bounds b = StickerBounds(s);
    art.push_back([s, b](cairo_t* cr, Rc r) {
      FitInto(cr, r, b.w, b.h, 5, 4);
      cairo_translate(cr, -b.x, -b.y);
      s.draw(cr);
    });
  }
  WritePages(g, set.section, set.stem, slots, art);
}

// Sprocket holes along the top and bottom of a cartoon's slot: it moves.
void FilmEdges(cairo_t* cr, Rc r) {
  for (int edge = 0; edge < 2; ++edge) {
    double y = edge ? r.y + r.h - 7 : r.y + 1;
    cairo_rectangle(cr, r.x, y, r.w, 6);
    SetSource(cr, Hex(0x4A4458));
    cairo_fill(cr);
    for (double x = r.x + 4; x + 4 < r.x + r.w; x += 9) {
      RoundRect(cr, x, y + 1.5, 4.5, 3, 1);
      SetSource(cr, Cream());
      cairo_fill(cr);
    }
  }
}

}  // namespace

void MakeLibraryContent(Gen& g) {
  for (const StickerSet& set : {PeopleStickers(), DinosaurStickers(), InsectStickers(), PlaneStickers(),
                                WeatherStickers(), HouseStickers(), PlantStickers(), BirdStickers()})
    WriteStickers(g, set);

  // cartoons: the strip file and its frame width
  std::vector<SlotArt> films;
  const std::vector<Cartoon>& cartoons = Cartoons();
  for (size_t i = 0; i < cartoons.size(); ++i) {
    const Cartoon& k = cartoons[i];
    std::string key = ItemKey(static_cast<int>(i), 6);
    g.Check(WriteBmp24(g.ProgramPath(std::string("clip/") + k.file), CartoonStrip(k)), k.file);
    g.ini.Set("CARTCONTENT", key, std::string("clip\\") + k.file);
    g.ini.SetInt("CARTCONTENT", key + "W", k.w);
    films.push_back([k](cairo_t* cr, Rc r) {
      FilmEdges(cr, r);
      cairo_save(cr);
      FitInto(cr, r, k.w, k.h, 4, 8);
      k.draw(cr, k.frames / 4, k.frames);  // a frame in mid-motion: the ball in the air
      cairo_restore(cr);
    });
  }
  WritePages(g, "CARTCONTENT", "cartoon", 6, films);

  // sample pictures: colouring pages and landscapes, opened as the canvas picture
  struct Samples { const char* section; const char* stem; const char* page; int count; Image (*make)(int); bool lines; };
  const Samples samples[] = {{"DIAGRAMCONTENT", "colour", "colouring", kColouringPages, ColouringPage, true},
                             {"LANDCONTENT", "land", "landscape", kLandscapes, Landscape, false}};
  for (const Samples& s : samples) {
    std::vector<SlotArt> cards;
    for (int n = 0; n < s.count; ++n) {
      Image picture = s.make(n);
      std::string file = s.stem + std::to_string(n + 1) + ".bmp";
      g.Check(WriteBmp24(g.ProgramPath("clip/" + file), picture), file);
      g.ini.Set(s.section, ItemKey(n, 4), "clip\\" + file);
      cards.push_back(PictureCard(picture, s.lines));
    }
    WritePages(g, s.section, s.page, 4, cards);
  }
}

}  // namespace art
