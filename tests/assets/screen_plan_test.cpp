// The layout check of the generator: it finds what leaves its screen, covers something else, or
// makes a target too small or lays it over another.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "assets/screen_plan.h"

namespace {

bool Names(const std::vector<std::string>& faults, const std::string& fault) {
  for (const std::string& f : faults)
    if (f.find(fault) != std::string::npos) return true;
  return false;
}

TEST(ScreenPlan, FindsWhatLeavesOrCoversItsScreen) {
  struct Case {
    const char* change;
    std::function<void(art::Plan&)> apply;
    const char* fault;
  };
  const Case cases[] = {
      {"pictures tray down to the screen's bottom", [](art::Plan& p) { p.thumbs.h = p.screenH - p.thumbs.y; },
       "file box: pictures tray leaves the screen"},
      {"boxes tray's name plate on the pictures tray", [](art::Plan& p) { p.boxCards.h = p.thumbs.y - p.boxCards.y; },
       "boxes tray and pictures tray cover each other"},
      {"bin at the screen's right edge", [](art::Plan& p) { p.bin.x = p.screenW - p.bin.w; },
       "file box: bin leaves the screen"},
      {"bin under the exit button", [](art::Plan& p) { p.bin.y = p.exitBtn.y + 10; }, "exit and bin cover each other"},
      {"option panel on the colour panel", [](art::Plan& p) { p.panel.x = p.colour.x + 10; },
       "painting: colour panel and option panel cover each other"},
      {"library page below the screen", [](art::Plan& p) { p.library.y = p.screenH - 10; },
       "library: library page leaves the screen"},
      {"tune disc as thin as it was", [](art::Plan& p) { p.disc.h = 18; }, "tune disc is smaller than 24 x 24"},
      {"sounds switch over the music switch", [](art::Plan& p) { p.effects.x = p.music.x + 10; },
       "painting: targets music switch and sounds switch overlap"},
  };
  for (int variant : {800, 640}) {
    EXPECT_TRUE(art::PlanFaults(art::PlanFor(variant)).empty()) << "the " << variant << " layout itself";
    for (const Case& c : cases) {
      art::Plan p = art::PlanFor(variant);
      c.apply(p);
      EXPECT_TRUE(Names(art::PlanFaults(p), c.fault)) << variant << ", " << c.change << ": not found";
    }
  }
}

}  // namespace
