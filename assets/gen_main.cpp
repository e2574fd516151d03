// colvane_assets: writes the default content. Usage: colvane_assets <asset dir>
// <asset dir>/Colvane/  the program folder: Colvane.ini and the art and data folders
// <asset dir>/res/      inputs of the resource compiler and the two resource-script fragments
#include <cstdio>
#include <string>

#include "assets/gen_context.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: colvane_assets <asset dir>\n");
    return 2;
  }
  art::Gen g;
  g.root = argv[1];
  for (const char* s : {"800", "640", "CARTOON", "PAPERTYPE", "DETAILTOOL"})
    g.ini.sections.push_back({s, {}});
  art::MakeLayoutPositions(g);
  art::MakeDesk(g);
  art::MakePapers(g);
  art::MakeTextures(g);
  art::MakeToolbox(g);
  art::MakeLibraryTray(g);
  art::MakeLibraryContent(g);
  art::MakeColourPanel(g);
  art::MakeDeskButtons(g);
  art::MakeFileBox(g);
  art::MakeCartoonSample(g);
  art::MakeStamps(g);
  art::MakePanels(g);
  art::MakeSoundPanel(g);
  art::MakeSounds(g);
  art::MakeTunes(g);
  art::MakeIntroVideo(g);
  art::MakeEraserPictures(g);
  art::MakeCursors(g);
  art::MakeExitPicture(g);
  art::MakeResources(g);
  art::MakeSetupArt(g);
  g.Check(art::WriteText(g.ProgramPath("Colvane.ini"), g.ini.Text()), "Colvane.ini");
  return g.failures == 0 ? 0 : 1;
}
