// The generator's output: the asset folder, the layout file being built and write helpers.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "assets/art_common.h"
#include "assets/file_write.h"
#include "assets/screen_plan.h"

namespace art {

// An INI file kept in insertion order, written with CR LF line ends.
struct Ini {
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;
  };
  std::vector<Section> sections;
  void Set(const std::string& section, const std::string& key, const std::string& value);
  void SetInt(const std::string& section, const std::string& key, int v);
  void SetPoint(const std::string& section, const std::string& key, Pt p);
  void SetRect(const std::string& section, const std::string& key, Rc r);  // left,top,right,bottom
  std::string Text() const;
};

struct Gen {
  std::string root;  // the asset folder: Colvane/ and res/ are made below it
  Ini ini;
  int failures = 0;

  std::string ProgramPath(const std::string& rel) const { return root + "/Colvane/" + rel; }
  std::string ResPath(const std::string& name) const { return root + "/res/" + name; }
  // Writes a 24-bit bitmap into the program folder's art folder and returns the layout value.
  std::string Bitmap(const std::string& name, const Image& img);
  void Check(bool ok, const std::string& what);
};

// A round desk button on felt with its icon centred at (cx, cy); pressed sinks and darkens.
using Icon = void (*)(cairo_t*, double cx, double cy);
Image Bubble(Col colour, Icon icon, bool pressed);
void Door(cairo_t* cr, double cx, double cy);        // the exit
void PictureBox(cairo_t* cr, double cx, double cy);  // the file box

// "8" or "6" appended to a key.
inline std::string V(const std::string& key, const Plan& p) { return key + p.digit; }
inline std::string Section(const Plan& p) { return p.variant == 800 ? "800" : "640"; }

// Planks of honey-coloured wood with soft grain, as the desk is made of.
Image WoodTexture(int w, int h, uint32_t seed);

// Six paint blobs over the word "colvane" in painted letters, centred in r (80 pixels high).
void Logo(cairo_t* cr, Rc r);

// The desk picture of a layout, for art drawn with soft edges over it.
const Image& DeskImage(int variant);

// The 64 x 64 grain of paper texture n (1..9), as written to p<n>.dat.
const std::vector<uint8_t>& PaperGrain(int n);
// The fill texture and eraser picture n (0..8), for the panels that show them.
const Image& FillTexture(int n);
const Image& EraserPicture(int n);

// The two toolbox pages and the library tray (the same in both layouts).
const Image& ToolboxPage(int page);
const Image& LibraryTray();

// The tool cursors as (resource name, file name), for the resource script.
std::vector<std::pair<std::string, std::string>> CursorResources();

// The generators, one per kind of content.
void MakeDesk(Gen& g);           // DRAW, both layouts
void MakePapers(Gen& g);         // [PAPERTYPE]
void MakeToolbox(Gen& g);        // TOOL, TOOL1, button states, page buttons, page turn
void MakeLibraryTray(Gen& g);    // Lib and the category buttons
void MakeLibraryContent(Gen& g); // the category sections: stickers, cartoons, sample pictures
void MakeColourPanel(Gen& g);    // COLOR, sizebar, colorpageup, colorpagedown
void MakeFileBox(Gen& g);       // the file box page, its card, buttons, bin and the SAMPLE box
void MakeCartoonSample(Gen& g);  // a SAMPLE picture with a cartoon file of walking cartoons
void MakeDeskButtons(Gen& g);    // new, exit, file page, undo, page turn
void MakePanels(Gen& g);         // option panels of every tool
void MakeSoundPanel(Gen& g);     // SOUNDON, SOUNDOFF
void MakeTextures(Gen& g);       // p1..p9.dat and the fill textures TONAREA<n>A
void MakeEraserPictures(Gen& g); // RUBAREA<n>A
void MakeStamps(Gen& g);         // pat<n>.dat and the stamp strip HEAP
void MakeCursors(Gen& g);        // the 16 tool cursors and the icon
void MakeResources(Gen& g);      // PAL, DARK, RgnBrush, STOCK and the resource scripts
void WriteStock(Gen& g);         // STOCK, 148 x 300 at 8 bits per pixel
void MakeExitPicture(Gen& g);    // advert.sys, the goodbye picture of the exit screen
void MakeLayoutPositions(Gen& g);// position keys of the plan that carry no art of their own
void MakeSounds(Gen& g);         // [SOUND] waves: events, jingles, chime, tool loops
void MakeTunes(Gen& g);          // [SOUND] tunes: eight MIDI files
void MakeIntroVideo(Gen& g);     // head.avi
void MakeSetupArt(Gen& g);       // the setup program's welcome and header pictures

}  // namespace art
