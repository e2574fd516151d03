// The table of screen areas, each row owned by its module. The canvas takes presses on the paper
// before any area (the routers give it paper points); as a picture it lies at the bottom with the
// desk picture behind it.
#include "colvane/shell/screen_areas_win.h"

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/files/file_box_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/notice_card_win.h"
#include "colvane/frame/toolbox_win.h"
#include "colvane/library/cartoons_win.h"
#include "colvane/library/library_page_win.h"
#include "colvane/library/library_shelf_win.h"
#include "colvane/panels/colour_panel_win.h"
#include "colvane/panels/option_panels_win.h"
#include "colvane/panels/sound_panel_win.h"
#include "colvane/shell/dwell_win.h"
#include "colvane/shell/grown_ups_win.h"
#include "colvane/shell/focus_marks_win.h"

namespace {

// Top first.
const ScreenArea* const kAreas[] = {
    &kFocusMarksArea,
    &kDwellArea,
    &kGrownUpsArea,
    &kNoticeCardArea,
    &kFileBoxArea,
    &kPaperArea,
    &kSoundPanelArea,
    &kLibraryPageArea,
    &kOptionPanelArea,
    &kColourPagesArea,
    &kDeskArea,
    &kToolboxArea,
    &kLibraryShelfArea,
    &kSizeBarArea,
    &kColourBoxesArea,
    &kCartoonsArea,
    &kCanvasArea,
    &kBackdropArea,
};

}  // namespace

bool CoverShown() { return AreaShown(kGrownUpsArea) || AreaShown(kNoticeCardArea); }

bool RowCovered(int row) {
  for (int i = 0; i < row && i < static_cast<int>(sizeof(kAreas) / sizeof(kAreas[0])); ++i)
    if ((kAreas[i] == &kGrownUpsArea || kAreas[i] == &kNoticeCardArea) && AreaShown(*kAreas[i])) return true;
  return false;
}

ScreenAreas ProgramAreas() { return ScreenAreas{kAreas, static_cast<int>(sizeof(kAreas) / sizeof(kAreas[0]))}; }
