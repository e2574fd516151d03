// Position keys of the layout file taken straight from the screen plan: frame coordinates,
// desk button areas, option panel rectangles, library slots, file box and sound panel areas.
#include <cstdio>

#include "assets/gen_context.h"

namespace art {

static void FramePositions(Gen& g, const Plan& p) {
  std::string s = Section(p);
  g.ini.SetPoint(s, "PAPERORG", {p.canvas.x, p.canvas.y});
  g.ini.SetPoint(s, "TOOLCORD", {p.tool.x, p.tool.y});
  g.ini.SetPoint(s, "GLIBCORD", {p.tool.x, p.tool.y});
  g.ini.SetPoint(s, "COLORCORD", {p.colour.x, p.colour.y});
  // first box relative to COLORCORD, then its width and height (a size, not a corner)
  g.ini.Set(s, "PALSBOXCORD",
            std::to_string(kBoxX) + "," + std::to_string(kBoxY) + "," + std::to_string(kBoxW) +
                "," + std::to_string(kBoxH));
  g.ini.SetPoint(s, "PALGBOXCORD", {kBoxDx, kBoxDy});
  g.ini.SetPoint(s, "SIZEDOMAIN", {kSizeMin, kSizeMax});
  g.ini.SetPoint(s, "POSCOLORPAGEUP", {p.colour.x + kPageUpX, p.colour.y + kPageUpY});
  g.ini.SetPoint(s, "POSCOLORPAGEDOWN", {p.colour.x + kPageUpX, p.colour.y + kPageDownY});
  // the file box areas
  g.ini.SetRect(s, "BOXRC", p.boxCards);
  g.ini.SetRect(s, "FILE_IN_BOX", p.thumbs);
}

static void DeskAreas(Gen& g, const Plan& p) {
  // Button areas are read for their first two numbers (where the button is drawn); the full
  // rectangle is written so the file also tells where each button ends.
  auto area = [&](const char* key, Pt at, int w, int h) {
    g.ini.SetRect("CARTOON", V(key, p), {at.x, at.y, w, h});
  };
  area("PAPERCORD", {p.paperBmp.x, p.paperBmp.y}, 55, 46);
  area("NEWCORD", p.newBtn, kDeskBtn, kDeskBtn);
  area("FILEPAGECORD", p.filePageBtn, kDeskBtn, kDeskBtn);
  area("UNDOCORD", p.undoBtn, kDeskBtn, kDeskBtn);
  area("EXITCORD", p.exitBtn, kDeskBtn, kDeskBtn);
  area("T2LUCORD", {p.turn.x, p.turn.y}, p.turn.w, p.turn.h);
  area("L2TUCORD", {p.turn.x, p.turn.y}, p.turn.w, p.turn.h);
  // file box buttons (their art comes with the file box)
  area("DIRLEFTCORD", p.dirLeft, kDeskBtn, kDeskBtn);
  area("DIRRIGHTCORD", p.dirRight, kDeskBtn, kDeskBtn);
  area("BOXLEFTCORD", p.boxLeft, kDeskBtn, kDeskBtn);
  area("BOXRIGHTCORD", p.boxRight, kDeskBtn, kDeskBtn);
  area("BOXNEWCORD", p.boxNew, kDeskBtn, kDeskBtn);
  area("SAVECORD", p.save, kDeskBtn, kDeskBtn);
  area("PRINTCORD", p.print, kDeskBtn, kDeskBtn);
  g.ini.SetRect("CARTOON", V("GABAGEA", p), p.bin);
  // sound panel: origin, then the three switch rectangles in layout coordinates
  Pt o = {p.sound.x, p.sound.y};
  g.ini.SetPoint("CARTOON", V("SOUNDCORD", p), o);
  g.ini.SetRect("CARTOON", V("MUSICCORD", p), Offset(p.music, o));
  g.ini.SetRect("CARTOON", V("SEFFECTCORD", p), Offset(p.effects, o));
  g.ini.SetRect("CARTOON", V("DISCCORD", p), Offset(p.disc, o));
}

static void PanelPositions(Gen& g, const Plan& p) {
  Pt o = {p.panel.x, p.panel.y};
  for (const PanelLayout& l : PanelLayouts()) {
    g.ini.SetPoint("DETAILTOOL", V(l.origin, p), o);
    for (const PanelButton& b : l.buttons)
      g.ini.SetRect("DETAILTOOL", V(std::string(b.name) + "_CORD", p), Offset(b.rect, o));
  }
  g.ini.SetRect("DETAILTOOL", V("SPECCUR_CORD", p), Offset(SpecTrack(), o));
  g.ini.SetRect("DETAILTOOL", V("TYPE_FONT_CORD", p), Offset(TypeFontField(), o));
  // the clip-art library page: slots of the three kinds of category and the page buttons
  Pt lo = {p.library.x, p.library.y};
  struct Kind { const char* key; int count; } kinds[] = {{"GRLIB", 5}, {"JLIB", 6}, {"SMPLIB", 4}};
  for (const Kind& k : kinds) {
    std::vector<Rc> slots = LibrarySlots(k.count);
    for (int i = 0; i < k.count; ++i)
      g.ini.SetRect("DETAILTOOL", V(k.key, p) + std::to_string(i + 1), Offset(slots[i], lo));
  }
  g.ini.SetRect("DETAILTOOL", V("GPAGEUPRC", p), Offset(LibraryPageBack(), lo));
  g.ini.SetRect("DETAILTOOL", V("GPAGEDOWNRC", p), Offset(LibraryPageForward(), lo));
}

void MakeLayoutPositions(Gen& g) {
  for (int v : {800, 640}) {
    const Plan& p = PlanFor(v);
    FramePositions(g, p);
    DeskAreas(g, p);
    PanelPositions(g, p);
    // a layout that puts something off its screen or under something else is not written out
    for (const std::string& fault : PlanFaults(p)) {
      std::fprintf(stderr, "colvane_assets: %s\n", fault.c_str());
      ++g.failures;
    }
  }
}

}  // namespace art
