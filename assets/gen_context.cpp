// The generator's output: the asset folder, the layout file being built and write helpers.
#include "assets/gen_context.h"

#include <cstdio>

namespace art {

void Ini::Set(const std::string& section, const std::string& key, const std::string& value) {
  for (Section& s : sections) {
    if (s.name != section) continue;
    for (auto& kv : s.keys)
      if (kv.first == key) {
        kv.second = value;
        return;
      }
    s.keys.emplace_back(key, value);
    return;
  }
  sections.push_back({section, {{key, value}}});
}

void Ini::SetInt(const std::string& section, const std::string& key, int v) {
  Set(section, key, std::to_string(v));
}

void Ini::SetPoint(const std::string& section, const std::string& key, Pt p) {
  Set(section, key, std::to_string(p.x) + "," + std::to_string(p.y));
}

void Ini::SetRect(const std::string& section, const std::string& key, Rc r) {
  Set(section, key,
      std::to_string(r.x) + "," + std::to_string(r.y) + "," + std::to_string(r.r()) + "," +
          std::to_string(r.b()));
}

std::string Ini::Text() const {
  std::string t;
  for (const Section& s : sections) {
    t += "[" + s.name + "]\r\n";
    for (const auto& kv : s.keys) t += kv.first + "=" + kv.second + "\r\n";
    t += "\r\n";
  }
  return t;
}

std::string Gen::Bitmap(const std::string& name, const Image& img) {
  Check(WriteBmp24(ProgramPath("art/" + name), img), name);
  return "art\\" + name;
}

void Gen::Check(bool ok, const std::string& what) {
  if (ok) return;
  std::fprintf(stderr, "colvane_assets: cannot write %s\n", what.c_str());
  ++failures;
}

}  // namespace art
