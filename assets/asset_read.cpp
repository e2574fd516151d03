// Readers for checking generated content: the layout file and the bitmap files it names.
#include "assets/asset_read.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "colvane/frame/dib_file.h"

namespace assetread {

static std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

static std::string Trim(const std::string& s) {
  size_t a = 0, b = s.size();
  while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
  while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
  return s.substr(a, b - a);
}

bool ReadAll(const std::string& path, std::vector<uint8_t>& data) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  data.clear();
  uint8_t buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) data.insert(data.end(), buf, buf + n);
  std::fclose(f);
  return true;
}

bool IniFile::Load(const std::string& path) {
  std::vector<uint8_t> data;
  if (!ReadAll(path, data)) return false;
  std::string text(data.begin(), data.end()), section;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      size_t close = line.find(']');
      section = Lower(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      if (!sections.count(section)) order.push_back(section);
      sections[section];
      continue;
    }
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string key = Lower(Trim(line.substr(0, eq)));
    if (!sections[section].count(key)) sections[section][key] = Trim(line.substr(eq + 1));
  }
  return true;
}

bool IniFile::Has(const std::string& section, const std::string& key) const {
  auto s = sections.find(Lower(section));
  return s != sections.end() && s->second.count(Lower(key)) > 0;
}

std::string IniFile::Get(const std::string& section, const std::string& key,
                         const std::string& def) const {
  auto s = sections.find(Lower(section));
  if (s == sections.end()) return def;
  auto k = s->second.find(Lower(key));
  return k == s->second.end() ? def : k->second;
}

int IniFile::GetInt(const std::string& section, const std::string& key, int def) const {
  if (!Has(section, key)) return def;
  return std::atoi(Get(section, key).c_str());
}

bool IniFile::GetNumbers(const std::string& section, const std::string& key, int count,
                         int* out) const {
  if (!Has(section, key)) return false;
  std::string v = Get(section, key);
  int found = 0;
  size_t pos = 0;
  while (found < count && pos <= v.size()) {
    size_t comma = v.find(',', pos);
    if (comma == std::string::npos) comma = v.size();
    std::string tok = v.substr(pos, comma - pos);
    if (!tok.empty()) out[found++] = std::atoi(tok.c_str());
    pos = comma + 1;
  }
  return found == count;
}

static uint32_t U16(const std::vector<uint8_t>& d, size_t o) { return d[o] | (d[o + 1] << 8); }
static uint32_t U32(const std::vector<uint8_t>& d, size_t o) {
  return U16(d, o) | (U16(d, o + 2) << 16);
}

static bool Fail(std::string* why, const char* text) {
  if (why) *why = text;
  return false;
}

bool ReadBitmapBytes(const std::vector<uint8_t>& d, Bitmap& out, std::string* why) {
  DibLayout layout;
  const char* reason = "";
  if (ParseDibLayout(d.data(), d.size(), kDibWholeFile, &layout, &reason) != kDibOk)
    return Fail(why, reason);
  // Beyond what the program's reader checks: every field the generator writes says exactly
  // what the file holds, in the one form it writes.
  if (U32(d, 2) != d.size()) return Fail(why, "size field differs from the file length");
  if (layout.headerSize != 40) return Fail(why, "info header is not 40 bytes");
  const int w = layout.width, h = layout.height;
  if (h < 0 || w > 4096 || h > 4096) return Fail(why, "bad dimensions");
  const int bits = layout.bitCount;
  if (bits != 24 && bits != 8) return Fail(why, "neither 8 nor 24 bits per pixel");
  if (U32(d, 34) != 0 && U32(d, 34) != layout.imageSize) return Fail(why, "image size field is wrong");
  if (U32(d, 46) > 256) return Fail(why, "too many colours");
  if (bits == 24 && layout.colours != 0) return Fail(why, "24-bit file with a colour table");
  const uint32_t colours = layout.colours;
  if (layout.bitsAt != 54 + 4 * colours) return Fail(why, "pixel offset does not follow the table");
  if (layout.bitsAt + layout.imageSize != d.size()) return Fail(why, "pixel bytes missing or extra");
  out.w = w;
  out.h = h;
  out.bits = bits;
  out.colours = static_cast<int>(colours);
  out.rgb.assign(static_cast<size_t>(w) * h * 3, 0);
  for (int y = 0; y < h; ++y) {
    size_t row = layout.bitsAt + static_cast<size_t>(h - 1 - y) * layout.rowSize;
    for (int x = 0; x < w; ++x) {
      uint8_t* p = out.At(x, y);
      if (bits == 24) {
        p[0] = d[row + 3 * x + 2];
        p[1] = d[row + 3 * x + 1];
        p[2] = d[row + 3 * x];
      } else {
        uint32_t i = d[row + x];
        if (i >= colours) return Fail(why, "pixel index beyond the colour table");
        size_t e = layout.tableAt + 4 * i;
        p[0] = d[e + 2];
        p[1] = d[e + 1];
        p[2] = d[e];
      }
    }
  }
  return true;
}

bool ReadBitmap(const std::string& path, Bitmap& out, std::string* why) {
  std::vector<uint8_t> data;
  if (!ReadAll(path, data)) return Fail(why, "cannot be read");
  return ReadBitmapBytes(data, out, why);
}

bool ReadIconFile(const std::vector<uint8_t>& d, int type, std::vector<IconImage>& out,
                  std::string* why) {
  if (d.size() < 6 || U16(d, 0) != 0 || static_cast<int>(U16(d, 2)) != type)
    return Fail(why, "not a directory of the expected type");
  uint32_t count = U16(d, 4);
  if (count == 0 || 6 + 16ull * count > d.size()) return Fail(why, "bad image count");
  for (uint32_t i = 0; i < count; ++i) {
    size_t e = 6 + 16 * i;
    int w = d[e] ? d[e] : 256, h = d[e + 1] ? d[e + 1] : 256;
    uint32_t bytes = U32(d, e + 8), offset = U32(d, e + 12);
    if (static_cast<uint64_t>(offset) + bytes > d.size()) return Fail(why, "image past the end");
    uint64_t mask = ((w + 31) / 32) * 4ull * h, colour = 4ull * w * h;
    if (bytes != 40 + colour + mask) return Fail(why, "image size disagrees with its header");
    if (U32(d, offset) != 40 || static_cast<int>(U32(d, offset + 4)) != w ||
        static_cast<int>(U32(d, offset + 8)) != 2 * h || U16(d, offset + 14) != 32)
      return Fail(why, "image header disagrees with the directory");
    IconImage img;
    img.w = w;
    img.h = h;
    img.hotX = static_cast<int>(U16(d, e + 4));
    img.hotY = static_cast<int>(U16(d, e + 6));
    img.rgba.resize(4ull * w * h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        size_t src = offset + 40 + 4ull * ((h - 1 - y) * w + x), dst = 4ull * (y * w + x);
        img.rgba[dst] = d[src + 2];
        img.rgba[dst + 1] = d[src + 1];
        img.rgba[dst + 2] = d[src];
        img.rgba[dst + 3] = d[src + 3];
      }
    out.push_back(img);
  }
  return true;
}

std::string ProgramFile(const std::string& programDir, const std::string& value) {
  std::string rel = value;
  for (char& c : rel)
    if (c == '\\') c = '/';
  return programDir + "/" + rel;
}

}  // namespace assetread
