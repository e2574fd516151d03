// The file box page: box cards, the thumbnails of the shown page, paging, the drag to the
// rubbish bin, double-click to open, the Delete key and the new-box edit.
#include "colvane/files/file_box_win.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "colvane/canvas/canvas_view_win.h"
#include "colvane/files/bin_win.h"
#include "colvane/files/export_win.h"
#include "colvane/files/file_grid.h"
#include "colvane/files/library_paths.h"
#include "colvane/files/library_places_win.h"
#include "colvane/files/natural_order.h"
#include "colvane/files/picture_save_win.h"
#include "colvane/files/print_win.h"
#include "colvane/files/thumbnail_win.h"
#include "colvane/files/upper_case.h"
#include "colvane/frame/blit_win.h"
#include "colvane/frame/coords_win.h"
#include "colvane/frame/cursors_win.h"
#include "colvane/frame/desk_win.h"
#include "colvane/frame/filmstrip_win.h"
#include "colvane/frame/frame_art_win.h"
#include "colvane/frame/gdi_holders_win.h"
#include "colvane/frame/locks_win.h"
#include "colvane/frame/message_box_win.h"
#include "colvane/frame/screen_area_win.h"
#include "colvane/frame/screen_bitmap_win.h"
#include "colvane/frame/wait_cursor_win.h"
#include "colvane/ids.h"
#include "colvane/layout/layout_files_win.h"
#include "colvane/layout/layout_values.h"
#include "colvane/layout/lead_bytes_win.h"
#include "colvane/media/sound_effects_win.h"
#include "easelkit/easelkit_win.h"

namespace {

constexpr COLORREF kPickedOutline = 0xFF0000;  // blue

struct FileButton {
  int id;
  const char* up;
  const char* down;
  const char* area;
  StripRecord states[2];  // owned here while the box is open
  RECT hit;               // layout coordinates
};
FileButton buttons[] = {
    {cmd::kExit, "FEXITD", "FEXITU", "EXITCORD", {}, {}},
    {cmd::kFileBoxClose, "FILEPAGEDU", "FILEPAGEDD", "FILEPAGECORD", {}, {}},
    {cmd::kBoxesBack, "DIRLEFTU", "DIRLEFTD", "DIRLEFTCORD", {}, {}},
    {cmd::kBoxesForward, "DIRRIGHTU", "DIRRIGHTD", "DIRRIGHTCORD", {}, {}},
    {cmd::kPicturesBack, "BOXLEFTU", "BOXLEFTD", "BOXLEFTCORD", {}, {}},
    {cmd::kPicturesForward, "BOXRIGHTU", "BOXRIGHTD", "BOXRIGHTCORD", {}, {}},
    {cmd::kNewBox, "BOXNEWU", "BOXNEWD", "BOXNEWCORD", {}, {}},
    {cmd::kExportPicture, "SAVEU", "SAVED", "SAVECORD", {}, {}},
    {cmd::kPrintPicture, "PRINTU", "PRINTD", "PRINTCORD", {}, {}},
    {cmd::kRubbishBin, "GABAGEM", "GABAGEC", "GABAGEA", {}, {}},
};
constexpr int kButtonCount = sizeof(buttons) / sizeof(buttons[0]);
constexpr int kBin = kButtonCount - 1;

struct PictureEntry {
  std::string name;
  HBITMAP thumbnail = nullptr;  // owned here; built only while its page is shown
  bool broken = false;          // no thumbnail could be made: not tried again until the box is listed again
  std::string binPath;          // a picture of the bin: the file it is read from
};

struct FileBoxState {
  bool open = false;
  HBITMAP background = nullptr;  // owned here while open
  HBITMAP card = nullptr;        // owned here while open
  HBITMAP brokenCard = nullptr;  // shown for a picture that can't be shown; owned here while open
  StripRecord binOpening;        // the lid lifting; owned here while open
  FileGrid boxGrid, pictureGrid;
  std::vector<std::string> boxes;
  int boxFirst = 0, boxCapacity = 0, selectedBox = 0;
  std::vector<PictureEntry> pictures;
  int pictureFirst = 0, pictureCapacity = 0, picked = -1;
  // the drag of a thumbnail: the lifted entry is out of the list until the release
  bool dragging = false;
  PictureEntry lifted;
  int liftedIndex = -1;
  POINT corner{0, 0}, last{0, 0};  // layout coordinates
  bool overBin = false;
  bool binOpen = false;  // the pictures shown are those of the chosen box's bin
  int pressedButton = -1;
  HWND edit = nullptr;
  char editName[80] = "";
} box;

// Box names are shown upper-cased; double-byte characters stay as they are.
std::string UpperBoxName(const char* name) {
  std::string s(name);
  UpperCaseAscii(&s[0], SystemLeadByte);
  return s;
}

const char* SelectedBoxName() {
  return box.selectedBox >= 0 && box.selectedBox < static_cast<int>(box.boxes.size())
             ? box.boxes[box.selectedBox].c_str()
             : "";
}

bool NaturallyBefore(const std::string& a, const std::string& b) { return NaturalLess(a.c_str(), b.c_str(), SystemLeadByte); }

void FreeThumbnail(PictureEntry& e) {
  if (e.thumbnail) DeleteObject(e.thumbnail);
  e.thumbnail = nullptr;
}

void FreePictures() {
  for (PictureEntry& e : box.pictures) FreeThumbnail(e);
  box.pictures.clear();
  FreeThumbnail(box.lifted);
  box.dragging = false;
}

// The entries of `folder` matching `pattern`: its sub-folders (boxes) or its files, each name
// once across every folder listed into `names`.
void AddEntries(const char* folder, const char* pattern, bool folders, std::vector<std::string>* names) {
  char search[kLibraryMaxPath];
  if (!JoinFolderPath(folder, pattern, search, sizeof(search))) return;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(search, &found);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (isFolder != folders || CheckEntryName(found.cFileName) != NameProblem::kNone) continue;
    const std::string name = folders ? UpperBoxName(found.cFileName) : found.cFileName;
    const bool listed = std::any_of(names->begin(), names->end(),
                                    [&](const std::string& n) { return lstrcmpiA(n.c_str(), name.c_str()) == 0; });
    if (!listed) names->push_back(name);
  } while (FindNextFileA(find, &found));
  FindClose(find);
}

void ListBoxes() {
  const PictureLibraries libraries = Libraries();
  box.boxes.clear();
  for (int i = 0; i < libraries.count; ++i) AddEntries(libraries.folder[i], "*.*", true, &box.boxes);
  std::sort(box.boxes.begin(), box.boxes.end(), NaturallyBefore);
  // The working box, or else the first box that can hold pictures; none when no box can.
  const std::string working = UpperBoxName(WorkingBox());
  box.selectedBox = -1;
  for (size_t i = 0; i < box.boxes.size(); ++i) {
    if (!BoxCanHoldPictures(box.boxes[i].c_str())) continue;
    if (box.selectedBox < 0 || box.boxes[i] == working) box.selectedBox = static_cast<int>(i);
    if (box.boxes[i] == working) break;
  }
  // the page that holds the selected box
  box.boxFirst = PageStartOf(std::max(box.selectedBox, 0), box.boxCapacity);
  if (box.selectedBox >= 0) SetFileBoxBox(SelectedBoxName());
}

// The pictures of the selected box, by name only: thumbnails come when their page is shown.
void ListPictures() {
  FreePictures();
  box.pictureFirst = 0;
  box.picked = -1;
  if (box.selectedBox < 0) return;
  const PictureLibraries libraries = Libraries();
  std::vector<std::string> names;
  char folder[kLibraryMaxPath];
  for (int i = 0; i < libraries.count; ++i) {
    if (!BoxInLibraryPath(libraries.folder[i], SelectedBoxName(), folder, sizeof(folder))) continue;
    if (!box.binOpen) {
      AddEntries(folder, "*.sam", false, &names);
      continue;
    }
    for (const std::string& path : BinPicturePaths(folder)) {  // the newest first
      box.pictures.push_back(PictureEntry{path.substr(path.find_last_of('\\') + 1), nullptr, false, path});
    }
  }
  std::sort(names.begin(), names.end(), NaturallyBefore);
  for (const std::string& name : names) box.pictures.push_back(PictureEntry{name, nullptr, false, ""});
}

// Builds the thumbnails of the shown page and frees every other one.
void PrepareShownThumbnails(HWND window) {
  char path[kLibraryMaxPath];
  for (int i = 0; i < static_cast<int>(box.pictures.size()); ++i) {
    PictureEntry& e = box.pictures[i];
    const bool shown = i >= box.pictureFirst && i < box.pictureFirst + box.pictureCapacity;
    if (!shown) {
      FreeThumbnail(e);
    } else if (!e.thumbnail && !e.broken) {
      if (!e.binPath.empty()) lstrcpynA(path, e.binPath.c_str(), sizeof(path));
      if (!e.binPath.empty() || PictureReadPath(SelectedBoxName(), e.name.c_str(), path, sizeof(path)))
        e.thumbnail = LoadThumbnail(window, path, ScreenPalette(), box.pictureGrid.cellWidth - 4,
                                    box.pictureGrid.cellHeight - 4);
      e.broken = !e.thumbnail;
    }
  }
}

FileGrid GridOf(const char* key, HBITMAP card) {
  RECT r;
  GetLayoutRect(VariantSection(), key, 0, 0, 0, 0, &r);
  SIZE size = BitmapSize(card);
  FileGrid grid;
  grid.area = GridRect{r.left, r.top, r.right, r.bottom};
  grid.cellWidth = size.cx;
  grid.cellHeight = size.cy;
  return grid;
}

void LoadArt(HWND window) {
  box.background = LoadLayoutBitmap(window, VariantSection(), "FILE");
  box.card = LoadLayoutBitmap(window, "800", "FILEPAPER");
  for (FileButton& b : buttons) {
    char key[40];
    std::snprintf(key, sizeof(key), "%s%s", b.area, VariantDigit());
    POINT at;
    GetLayoutPoint("CARTOON", key, 0, 0, &at);
    for (int s = 0; s < 2; ++s) {
      LoadStrip(window, &b.states[s], "CARTOON", s ? b.down : b.up, nullptr, nullptr);
      b.states[s].frameWidth = BitmapSize(b.states[s].bitmap).cx;
      b.states[s].origin = at;
    }
    SIZE size = BitmapSize(b.states[0].bitmap);
    SetRect(&b.hit, at.x, at.y, at.x + size.cx, at.y + size.cy);
  }
  LoadStrip(window, &box.binOpening, "CARTOON", "GABAGES", "GABAGESW", nullptr);
  box.binOpening.origin = buttons[kBin].states[0].origin;
  box.boxGrid = GridOf("BOXRC", box.card);
  box.pictureGrid = GridOf("FILE_IN_BOX", box.card);
  box.boxCapacity = PageCapacity(box.boxGrid);
  box.pictureCapacity = PageCapacity(box.pictureGrid);
  box.brokenCard = MakeBrokenPictureCard(window, box.pictureGrid.cellWidth - 4, box.pictureGrid.cellHeight - 4);
}

void FreeArt() {
  for (HBITMAP* b : {&box.background, &box.card, &box.brokenCard}) {
    if (*b) DeleteObject(*b);
    *b = nullptr;
  }
  for (FileButton& b : buttons)
    for (StripRecord& s : b.states) FreeStrip(&s);
  FreeStrip(&box.binOpening);
}

int ButtonAt(POINT layout) {
  for (int i = 0; i < kButtonCount; ++i)
    if (PtInRect(&buttons[i].hit, layout)) return i;
  return -1;
}

void Repaint(HWND window) { DamageWholeScreen(window); }

// A one-pixel outline around a cell, drawn with a hollow brush.
void Outline(HDC dc, const GridRect& cell) {
  POINT a{cell.left - 1, cell.top - 1};
  LayoutToScreen(&a);
  HPEN pen = CreatePen(PS_SOLID, 1, kPickedOutline);
  {
    SelectedObject penIn(dc, pen), hollow(dc, GetStockObject(HOLLOW_BRUSH));
    Rectangle(dc, a.x, a.y, a.x + (cell.right - cell.left) + 2, a.y + (cell.bottom - cell.top) + 2);
  }
  DeleteObject(pen);
}

void DrawCard(HWND window, HDC dc, const GridRect& cell) {
  BlitPart(window, dc, box.card, POINT{cell.left, cell.top}, cell.right - cell.left, cell.bottom - cell.top,
           POINT{0, 0}, ScreenPalette());
}

void DrawThumbnail(HWND window, HDC dc, const PictureEntry& e, POINT corner) {
  const int w = box.pictureGrid.cellWidth, h = box.pictureGrid.cellHeight;
  BlitPart(window, dc, box.card, corner, w, h, POINT{0, 0}, ScreenPalette());
  const HBITMAP shown = e.thumbnail ? e.thumbnail : (e.broken ? box.brokenCard : nullptr);
  if (shown) BlitPart(window, dc, shown, POINT{corner.x + 2, corner.y + 2}, w - 4, h - 4, POINT{0, 0}, ScreenPalette());
}

// Over the open bin a carried picture shrinks to a card a third as big, hanging just above the
// lid, as if about to drop in.
void DrawPictureAboveBin(HDC dc, const PictureEntry& e, POINT binCorner, int binWidth) {
  const int w = box.pictureGrid.cellWidth / 3, h = box.pictureGrid.cellHeight / 3;
  const int x = binCorner.x + (binWidth - w) / 2, y = binCorner.y - h + 4;
  const HBITMAP shown = e.thumbnail ? e.thumbnail : (e.broken ? box.brokenCard : box.card);
  if (!shown) return;
  MemoryDc memory(dc);
  SelectedObject held(memory, shown);
  const SIZE size = BitmapSize(shown);
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, x, y, w, h, memory, 0, 0, size.cx, size.cy, SRCCOPY);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 246, 226));  // the card's cream edge
  {
    SelectedObject penIn(dc, pen), hollow(dc, GetStockObject(HOLLOW_BRUSH));
    Rectangle(dc, x - 1, y - 1, x + w + 1, y + h + 1);
  }
  DeleteObject(pen);
}

void PaintBoxCards(HWND window, HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  for (int k = 0; k < box.boxCapacity; ++k) {
    const int i = box.boxFirst + k;
    GridRect cell;
    if (i >= static_cast<int>(box.boxes.size()) || !GridCell(box.boxGrid, k, &cell)) break;
    DrawCard(window, dc, cell);
    POINT a{cell.left + 6, cell.top + 4};
    LayoutToScreen(&a);
    RECT text{a.x, a.y, a.x + (cell.right - cell.left) - 12, a.y + (cell.bottom - cell.top) - 8};
    DrawTextA(dc, box.boxes[i].c_str(), -1, &text, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    if (i == box.selectedBox) Outline(dc, cell);
  }
}

void PaintThumbnails(HWND window, HDC dc) {
  for (int k = 0; k < box.pictureCapacity; ++k) {
    const int i = box.pictureFirst + k;
    GridRect cell;
    if (i >= static_cast<int>(box.pictures.size()) || !GridCell(box.pictureGrid, k, &cell)) break;
    DrawThumbnail(window, dc, box.pictures[i], POINT{cell.left, cell.top});
    if (i == box.picked && !box.dragging) Outline(dc, cell);
  }
}

// The raised page: at step i the top H * i / 10 rows of the page stand at the screen's bottom.
void RaisePage(HWND window) {
  SIZE size = BitmapSize(box.background);
  for (int i = 0; i < 10; ++i) {
    const int rows = size.cy * i / 10;
    if (rows > 0) BlitPartToWindow(window, box.background, POINT{0, size.cy - rows}, size.cx, rows, POINT{0, 0}, ScreenPalette());
    Sleep(15);
  }
}

// The lowered page: at step i (9 down to 0) a fresh painting screen with the page over it, its
// top edge at y = H - H * i / 10; each step is composed off screen and shown in one blit.
void LowerPage(HWND window) {
  SIZE size = BitmapSize(box.background);
  RECT client;
  GetClientRect(window, &client);
  HDC dc = GetDC(window);
  MemoryDc memory(dc);
  HBITMAP frame = CreateScreenBitmap(dc, client.right, client.bottom);
  if (memory && frame) {
    SelectedObject held(memory, frame);
    if (ScreenPalette()) SelectPalette(memory, ScreenPalette(), FALSE);
    for (int i = 9; i >= 0; --i) {
      SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(memory)), PRF_CLIENT);
      const int rows = size.cy * i / 10;
      if (rows > 0) BlitPart(window, memory, box.background, POINT{0, size.cy - rows}, size.cx, rows, POINT{0, 0}, ScreenPalette());
      BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
      GdiFlush();
      Sleep(15);
    }
  }
  if (frame) DeleteObject(frame);
  ReleaseDC(window, dc);
}

void DeletePicture(HWND window, const PictureEntry& e, bool* deleted) {
  *deleted = false;
  char path[kLibraryMaxPath];
  if (IsSampleBox(SelectedBoxName())) return;
  if (LockRefuses(window, PolicyKey::kNoDelete)) return;
  if (!PictureReadPath(SelectedBoxName(), e.name.c_str(), path, sizeof(path))) return;
  if (!ThrowIntoBin(path)) return;
  *deleted = true;
  ForgetThrownAwayPicture(window, path);
  Repaint(window);
}

// The release of a drag: a lifted picture that wasn't thrown away goes back to its place.
void EndDrag(HWND window) {
  if (!box.dragging) return;
  box.dragging = false;
  if (box.liftedIndex >= 0) {
    const int at = std::min(box.liftedIndex, static_cast<int>(box.pictures.size()));
    box.pictures.insert(box.pictures.begin() + at, box.lifted);
    box.lifted = PictureEntry{};
  }
  box.liftedIndex = -1;
  box.overBin = false;
  Repaint(window);
}

void OpenPicture(HWND window, int index) {
  if (index < 0 || index >= static_cast<int>(box.pictures.size())) return;
  const std::string name = box.pictures[index].name;
  const std::string boxName = SelectedBoxName();
  SavePicture(window);  // the picture on the canvas is kept under its own box first
  char path[kLibraryMaxPath];
  if (!PictureReadPath(boxName.c_str(), name.c_str(), path, sizeof(path))) return;
  const PictureOpenResult opened = OpenCanvasPicture(window, path);
  if (!opened) return;
  MSG m;  // presses that came while the picture was read would act on the painting screen
  while (PeekMessageA(&m, window, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE)) {
  }
  SetCurrentPicture(boxName.c_str(), name.c_str());
  NotePictureOpened(opened);  // one that could not be read is never written over
  SetFileBoxBox(boxName.c_str());
  SavePicture(window);  // stores the box and the name; the picture itself is unchanged
  ReadCartoonsOfCurrentPicture(window);
  if (opened == kPictureUnreadable) TellPictureLeftAlone(window);
  PostMessageA(window, WM_COMMAND, cmd::kFileBoxClose, 0);
}

void NewBoxEdit(HWND window) {
  const int count = static_cast<int>(box.boxes.size());
  const int k = count >= box.boxCapacity ? 0 : count % std::max(box.boxCapacity, 1);
  if (count >= box.boxCapacity) box.boxFirst = PageStartOf(count, box.boxCapacity);  // an empty page
  GridRect cell;
  if (!GridCell(box.boxGrid, k, &cell)) return;
  POINT a{cell.left + 1, cell.top + 30};
  LayoutToScreen(&a);
  box.editName[0] = '\0';
  Repaint(window);
  UpdateWindow(window);
  box.edit = CreateTransparentEdit(GetModuleHandleA(nullptr), window, a.x, a.y, cell.right - cell.left - 2, 24,
                                   box.editName);
}

void CreateTypedBox(HWND window) {
  box.edit = nullptr;
  if (LockRefuses(window, PolicyKey::kNoNewBox)) return;
  const PictureLibraries libraries = Libraries();
  char path[kLibraryMaxPath];
  if (libraries.count == 0) return;
  const NameProblem problem = CheckNewBoxName(libraries.folder[0], box.editName);
  const bool listed = std::any_of(box.boxes.begin(), box.boxes.end(), [](const std::string& name) {
    return lstrcmpiA(name.c_str(), box.editName) == 0;
  });
  if (problem != NameProblem::kNone) {
    ShowProgramMessageA(window, NameProblemMessage(problem), "Warning", MB_OK | MB_ICONINFORMATION);
  } else if (!BoxInLibraryPath(libraries.folder[0], box.editName, path, sizeof(path))) {
    return;
  } else if (listed || GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) {
    ShowProgramMessageA(window, "Folder is here!", "Warning", MB_OK | MB_ICONHAND);
  } else {
    CreateDirectoryA(libraries.folder[0], nullptr);  // the user's own library, at its first box
    if (CreateDirectoryA(path, nullptr)) {
      const std::string name = UpperBoxName(box.editName);
      const auto at = std::upper_bound(box.boxes.begin(), box.boxes.end(), name, NaturallyBefore);
      const int index = static_cast<int>(at - box.boxes.begin());
      if (box.selectedBox >= index) ++box.selectedBox;
      box.boxes.insert(at, name);
      box.boxFirst = PageStartOf(index, box.boxCapacity);  // the page that shows the new box
    }
  }
  Repaint(window);
}

void CancelEdit() {
  if (box.edit && IsWindow(box.edit)) SendMessageA(box.edit, WM_CHAR, VK_ESCAPE, 0);
  box.edit = nullptr;
}

void Page(HWND window, int id) {
  const int boxCount = static_cast<int>(box.boxes.size()), pictureCount = static_cast<int>(box.pictures.size());
  switch (id) {
    case cmd::kBoxesBack: box.boxFirst = PageBack(box.boxFirst, box.boxCapacity); break;
    case cmd::kBoxesForward: box.boxFirst = BoxesPageForward(box.boxFirst, box.boxCapacity, boxCount); break;
    case cmd::kPicturesBack: box.pictureFirst = PageBack(box.pictureFirst, box.pictureCapacity); break;
    case cmd::kPicturesForward: box.pictureFirst = PicturesPageForward(box.pictureFirst, box.pictureCapacity, pictureCount); break;
  }
  PrepareShownThumbnails(window);
  Repaint(window);
}

}  // namespace

void OpenFileBox(HWND window) {
  if (box.open) return;
  {
    WaitCursor wait(window);
    box.open = true;
    SavePicture(window);
    LoadArt(window);
    PlaySoundEffect("gate");
    ListBoxes();
    ListPictures();
    PrepareShownThumbnails(window);
  }
  CoverDesk(true);
  RaisePage(window);
  Repaint(window);
}

void CloseFileBox(HWND window) {
  if (!box.open) return;
  WaitCursor wait(window);
  CancelEdit();
  box.open = false;
  PlaySoundEffect("gate");
  FreePictures();
  box.boxes.clear();
  box.pressedButton = -1;
  box.binOpen = false;
  CoverDesk(false);
  LowerPage(window);
  FreeArt();
  Repaint(window);
}

void FreeFileBox() {
  if (!box.open) return;
  if (box.edit && IsWindow(box.edit)) DestroyWindow(box.edit);
  box.edit = nullptr;
  box.open = false;
  FreePictures();
  box.boxes.clear();
  box.pressedButton = -1;
  box.binOpen = false;
  CoverDesk(false);
  FreeArt();
}

namespace {

bool Hover(HWND window, POINT layout) {
  if (box.dragging) {
    box.corner.x += layout.x - box.last.x;
    box.corner.y += layout.y - box.last.y;
    box.last = layout;
    const bool overBin = PtInRect(&buttons[kBin].hit, layout) != 0;
    if (overBin && !box.overBin)
      PlayFilmstrip(window, &box.binOpening, 0, 0, box.binOpening.origin, ScreenPalette(), 1, 1, nullptr, 0);
    box.overBin = overBin;
    Repaint(window);  // composed off screen and shown in one blit
    return true;
  }
  const bool overSomething = ButtonAt(layout) >= 0 ||
                             GridHit(box.boxGrid, layout.x, layout.y, box.boxFirst, static_cast<int>(box.boxes.size())) >= 0 ||
                             GridHit(box.pictureGrid, layout.x, layout.y, box.pictureFirst,
                                     static_cast<int>(box.pictures.size())) >= 0;
  SetClassCursor(window, overSomething ? ToolCursor(kIconHand) : LoadCursorA(nullptr, IDC_ARROW));
  return true;
}

// A box whose folder path leaves no room for a picture is shown but not chosen: nothing
// painted in it could be kept. The parent hears why.
bool BoxCanBeChosen(HWND window, int index) {
  if (BoxCanHoldPictures(box.boxes[index].c_str())) return true;
  ShowProgramMessageA(window,
                      "Pictures can't be kept in this box: the name of its folder is too long for the "
                      "computer.\nPlease choose another box, or ask a grown-up to give the folder a shorter name.",
                      "Colvane", MB_OK | MB_ICONINFORMATION);
  return false;
}

bool Press(HWND window, POINT layout) {
  const int boxCount = static_cast<int>(box.boxes.size());
  const int card = GridHit(box.boxGrid, layout.x, layout.y, box.boxFirst, boxCount);
  if (card >= 0 && card != box.selectedBox && !BoxCanBeChosen(window, card)) return true;
  if (card >= 0 && (card != box.selectedBox || box.binOpen)) {
    box.binOpen = false;
    box.selectedBox = card;
    SetFileBoxBox(SelectedBoxName());
    ListPictures();
    PrepareShownThumbnails(window);
    Repaint(window);
    return true;
  }
  const int picture = GridHit(box.pictureGrid, layout.x, layout.y, box.pictureFirst, static_cast<int>(box.pictures.size()));
  if (picture >= 0) {
    box.picked = picture;
    GridRect cell;
    GridCell(box.pictureGrid, picture - box.pictureFirst, &cell);
    box.lifted = box.pictures[picture];
    box.pictures.erase(box.pictures.begin() + picture);
    box.liftedIndex = picture;
    box.dragging = true;
    box.corner = POINT{cell.left, cell.top};
    box.last = layout;
    Repaint(window);
    return true;
  }
  const int button = ButtonAt(layout);
  if (button >= 0) {
    box.pressedButton = button;
    if (button == kBin) PlaySoundEffect("rabish");
    Repaint(window);
  }
  return true;
}

bool Release(HWND window, POINT layout) {
  const int button = ButtonAt(layout);
  if (button >= 0 && button == box.pressedButton) PostMessageA(window, WM_COMMAND, buttons[button].id, 0);
  box.pressedButton = -1;
  Repaint(window);
  return true;
}

// Every left release, before the release itself is offered: a thumbnail let go over the bin is
// thrown away, any other goes back to its place.
bool TakenInChosenBox(const char* name, void*) { return PictureNameTaken(SelectedBoxName(), name); }

void EndThumbnailDrag(HWND window, POINT layout) {
  if (!box.open || !box.dragging) return;
  const bool onBin = PtInRect(&buttons[kBin].hit, layout) != 0;
  if (box.binOpen && !onBin && GiveBackFromBin(box.lifted.binPath.c_str(), TakenInChosenBox, nullptr)) {
    // Carried out of the open bin, a picture is back in its box.
    FreeThumbnail(box.lifted);
    box.lifted = PictureEntry{};
    box.liftedIndex = -1;
    box.picked = -1;
  } else if (!box.binOpen && onBin) {
    PlaySoundEffect("rabish");
    bool deleted = false;
    DeletePicture(window, box.lifted, &deleted);
    if (deleted) {
      FreeThumbnail(box.lifted);
      box.lifted = PictureEntry{};
      box.liftedIndex = -1;
      box.picked = -1;
    }
  }
  EndDrag(window);
  PrepareShownThumbnails(window);
}

bool DoubleClick(HWND window, POINT layout) {
  if (box.binOpen) return true;  // a picture of the bin is carried out before it is opened
  const int picture = GridHit(box.pictureGrid, layout.x, layout.y, box.pictureFirst, static_cast<int>(box.pictures.size()));
  if (picture >= 0) OpenPicture(window, picture);
  return true;
}

void Paint(HWND window, HDC dc) {
  SIZE size = BitmapSize(box.background);
  BlitPart(window, dc, box.background, POINT{0, 0}, size.cx, size.cy, POINT{0, 0}, ScreenPalette());
  for (int i = 0; i < kButtonCount; ++i) {
    // The lid stays open while a picture is over the bin, and while the bin is open like a box.
    const bool binOpened = i == kBin && (box.overBin || box.binOpen);
    if (binOpened && box.binOpening.bitmap) {
      DrawStripFrame(window, dc, &box.binOpening, -1, 1, box.binOpening.origin, ScreenPalette());
      continue;
    }
    const StripRecord& s = buttons[i].states[i == box.pressedButton || binOpened ? 1 : 0];
    if (s.bitmap) DrawStripFrame(window, dc, &s, 0, 1, s.origin, ScreenPalette());
  }
  PaintBoxCards(window, dc);
  PaintThumbnails(window, dc);
  if (box.dragging) {  // a carried picture passes behind the bin, so the child still sees where to let it go
    const StripRecord& bin = buttons[kBin].states[0];
    POINT a = bin.origin;
    LayoutToScreen(&a);
    const int saved = SaveDC(dc);
    if (bin.bitmap) ExcludeClipRect(dc, a.x, a.y, a.x + bin.frameWidth, a.y + bin.height);
    if (box.overBin)
      DrawPictureAboveBin(dc, box.lifted, a, bin.frameWidth);
    else
      DrawThumbnail(window, dc, box.lifted, box.corner);
    RestoreDC(dc, saved);
  }
  if (box.edit) InvalidateRect(box.edit, nullptr, TRUE);
}

bool Command(HWND window, int id) {
  if (!box.open) return false;
  switch (id) {
    case cmd::kBoxesBack:
    case cmd::kBoxesForward:
    case cmd::kPicturesBack:
    case cmd::kPicturesForward: Page(window, id); return true;
    case cmd::kNewBox:
      if (box.edit) return false;
      if (!LockRefuses(window, PolicyKey::kNoNewBox)) NewBoxEdit(window);
      return true;
    case cmd::kPrintPicture:
      if (!box.binOpen) PrintPicture(window);  // only pictures given back are printed or exported
      return true;
    case cmd::kExportPicture:
      if (box.binOpen) return true;
      return ExportPicture(window, SelectedBoxName(), box.picked >= 0 && box.picked < static_cast<int>(box.pictures.size())
                                                                 ? box.pictures[box.picked].name.c_str()
                                                                 : (box.pictures.empty() ? "" : box.pictures[0].name.c_str())) != 0;
    case cmd::kFileBoxClose: CloseFileBox(window); return true;
    case cmd::kRubbishBin:  // opens the chosen box's bin like a box, and closes it again
      box.binOpen = !box.binOpen && box.selectedBox >= 0;
      ListPictures();
      PrepareShownThumbnails(window);
      Repaint(window);
      return true;
    case cmd::kEditDone: CreateTypedBox(window); return true;
    case cmd::kEditCancel: box.edit = nullptr; Repaint(window); return true;
  }
  return false;
}

}  // namespace

namespace {
bool FileBoxOpen() { return box.open; }

RECT RectOf(const GridRect& cell) { return RECT{cell.left, cell.top, cell.right, cell.bottom}; }

// The boxes and the pictures shown, then the buttons; a picture is carried, to the bin or back.
int Targets(AreaTarget* out, int capacity) {
  int n = 0;
  GridRect cell;
  for (int k = 0; k < box.boxCapacity && box.boxFirst + k < static_cast<int>(box.boxes.size()); ++k)
    if (GridCell(box.boxGrid, k, &cell)) AddTarget(out, capacity, &n, RectOf(cell), "box");
  for (int k = 0; k < box.pictureCapacity && box.pictureFirst + k < static_cast<int>(box.pictures.size()); ++k)
    if (GridCell(box.pictureGrid, k, &cell)) AddTarget(out, capacity, &n, RectOf(cell), "picture", TargetUse::kCarry);
  for (const FileButton& b : buttons) AddTarget(out, capacity, &n, b.hit, b.area);
  return n;
}
}  // namespace

bool FileBoxCarrying() { return box.open && box.dragging; }

const ScreenArea kFileBoxArea = {"file box", FileBoxOpen, Hover, Press, Release, DoubleClick, nullptr, nullptr,
                                 EndThumbnailDrag, Paint, Command, true, Targets, nullptr, false};

bool FileBoxKeyUp(HWND window, WPARAM key) {
  if (!box.open) return false;
  if (key == VK_RETURN) return true;
  if (key != VK_DELETE || box.edit || box.dragging) return false;
  if (box.binOpen) return true;  // nothing is thrown out of the bin
  // only a picked picture of the page on screen
  const int i = box.picked;
  if (i < box.pictureFirst || i >= box.pictureFirst + box.pictureCapacity || i >= static_cast<int>(box.pictures.size()))
    return true;
  bool deleted = false;
  DeletePicture(window, box.pictures[i], &deleted);
  if (deleted) {
    FreeThumbnail(box.pictures[i]);
    box.pictures.erase(box.pictures.begin() + i);
    box.picked = -1;
    PrepareShownThumbnails(window);
  }
  return true;
}
