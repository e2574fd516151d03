// The table of screen areas. The canvas takes presses on the paper before any area (the routers
// give it paper points); as a picture it lies at the bottom with the desk picture behind it.
#include "colvane/shell/screen_areas_win.h"

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/files/file_box_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/toolbox_win.h"
#include "colvane/library/cartoons_win.h"
#include "colvane/library/library_page_win.h"
#include "colvane/library/library_shelf_win.h"
#include "colvane/panels/colour_panel_win.h"
#include "colvane/panels/option_panels_win.h"
#include "colvane/panels/sound_panel_win.h"

namespace {

// name, hover, press, release, double click, right press, right double click, end of drag,
// paint, command, "butdown" on press.
const ScreenArea kAreas[] = {
    {"file box", FileBoxHover, FileBoxPress, FileBoxRelease, FileBoxDoubleClick, nullptr, nullptr, FileBoxEndDrag,
     PaintFileBox, FileBoxCommand, true},
    {"paper", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, PaintPaper, nullptr, false},
    {"sound panel", SoundPanelHover, SoundPanelPress, nullptr, nullptr, nullptr, nullptr, nullptr, PaintSoundPanel,
     nullptr, true},
    {"library page", LibraryPageHover, LibraryPagePress, LibraryPageRelease, nullptr, nullptr, nullptr, nullptr,
     PaintLibraryPage, LibraryCommand, false},
    {"option panel", PanelHover, PanelPress, PanelRelease, nullptr, nullptr, nullptr, PanelEndDrag,
     PaintOptionPanel, PanelCommand, true},
    {"colour pages", ColourPageHover, ColourPagePress, ColourPageRelease, nullptr, nullptr, nullptr, nullptr,
     PaintColourPageButtons, nullptr, false},
    {"desk", DeskHover, DeskPress, DeskRelease, nullptr, nullptr, nullptr, nullptr, PaintDesk, nullptr, true},
    {"toolbox", ToolboxHover, ToolboxPress, ToolboxRelease, nullptr, nullptr, nullptr, nullptr, PaintToolbox,
     nullptr, false},
    {"library shelf", LibraryShelfHover, LibraryShelfPress, nullptr, nullptr, nullptr, nullptr, nullptr,
     PaintLibraryShelf, nullptr, false},
    {"size bar", SizeBarHover, SizeBarPress, nullptr, nullptr, nullptr, nullptr, SizeBarEndDrag, PaintSizeBar,
     nullptr, false},
    {"colour boxes", ColourBoxHover, ColourBoxPress, nullptr, ColourBoxDoubleClick, ColourBoxRightPress,
     ColourBoxRightDoubleClick, nullptr, PaintColourPanel, nullptr, false},
    {"cartoons", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, PaintCartoons, nullptr, false},
    {"canvas", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, PaintCanvas, nullptr, false},
    {"backdrop", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, PaintBackdrop, nullptr, false},
};

}  // namespace

ScreenAreas ProgramAreas() { return ScreenAreas{kAreas, static_cast<int>(sizeof(kAreas) / sizeof(kAreas[0]))}; }
