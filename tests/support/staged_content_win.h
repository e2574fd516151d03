// Runs a Wine test on the staged program's content: the layout file beside the test comes from
// the staged folder and the settings file points the asset folder there. Both files are put back
// as they were when the test ends.
#pragma once
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "colvane/layout/layout_files_win.h"

class StagedContent {
 public:
  // False when COLVANE_STAGE_DIR is not set or holds no layout file.
  bool Use() {
    const char* stage = std::getenv("COLVANE_STAGE_DIR");
    if (!stage) return false;
    folder_ = "Z:" + std::string(stage);
    for (char& c : folder_)
      if (c == '/') c = '\\';
    char layout[MAX_PATH], settings[MAX_PATH];
    LayoutFilePath(layout);
    SettingsFilePath(settings);
    layoutPath_ = layout;
    settingsPath_ = settings;
    layoutBefore_ = Read(layoutPath_, &hadLayout_);
    settingsBefore_ = Read(settingsPath_, &hadSettings_);
    bool ok = false;
    const std::string staged = Read(folder_ + "\\Colvane.ini", &ok);
    if (!ok) return false;
    Write(layoutPath_, staged);
    Write(settingsPath_, "[FILE]\r\nPATH=" + folder_ + "\r\n");
    return true;
  }
  void Restore() {
    if (layoutPath_.empty()) return;
    Put(layoutPath_, hadLayout_, layoutBefore_);
    Put(settingsPath_, hadSettings_, settingsBefore_);
  }
  const std::string& Folder() const { return folder_; }
  // The value of a key of the staged layout file.
  static std::string Layout(const char* section, const char* key) {
    char value[256] = "";
    GetLayoutString(section, key, "", value, sizeof(value));
    return value;
  }

 private:
  static std::string Read(const std::string& path, bool* ok) {
    std::ifstream in(path, std::ios::binary);
    *ok = static_cast<bool>(in);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());  // drop the profile cache
  }
  static void Put(const std::string& path, bool had, const std::string& text) {
    if (had)
      Write(path, text);
    else
      DeleteFileA(path.c_str());
  }
  std::string folder_, layoutPath_, settingsPath_, layoutBefore_, settingsBefore_;
  bool hadLayout_ = false, hadSettings_ = false;
};
