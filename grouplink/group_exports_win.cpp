// The program-group exports: create groups and items over DDE, logged or not, and remove
// what an owner logged unless another owner still holds it.
#include "grouplink/grouplink_win.h"

#include <cstring>
#include <string>
#include <vector>

#include "grouplink/dde_client_win.h"
#include "grouplink/isam/isam.h"
#include "grouplink/log_limits.h"
#include "grouplink/progman_commands.h"
#include "grouplink/uninstall_log_win.h"

namespace {

const char* Str(const char* text) { return text ? text : ""; }

bool SameGroup(const GroupLogRecord& a, const GroupLogRecord& b) { return SameField(a.group, b.group); }
bool SameItem(const ItemLogRecord& a, const ItemLogRecord& b) {
  return SameField(a.item, b.item) && SameField(a.group, b.group);
}

std::string DeleteGroupCommand(const GroupLogRecord& r) {
  return ProgmanCommand(kProgmanDeleteGroup, Field(r.group));
}
// The shell deletes items from its current group, which outlives conversations.
std::string DeleteItemCommand(const ItemLogRecord& r) {
  return ProgmanCommand(kProgmanDeleteItem, Field(r.group), Field(r.item));
}

// 1 when index A holds an entry of another owner with the same name(s) as `r`, 0 when not,
// or the record file's error.
template <typename Record>
int HeldByAnother(int handle, LogKind kind, const Record& r, bool (*same)(const Record&, const Record&)) {
  int rc = SelectLogIndex(handle, kind, kIndexA);
  if (rc != 0) return rc;
  Record probe = r;
  std::memset(probe.owner, 0, sizeof probe.owner);
  rc = IsamRead(handle, &probe, 0, kIsamNotLess);
  while (rc == 0 && same(probe, r)) {
    if (!SameField(probe.owner, r.owner)) return 1;
    rc = IsamRead(handle, &probe, 0, kIsamNext);
  }
  return rc == 0 || ReadMissed(rc) ? 0 : rc;
}

// Deletes every record of the owner from the log and collects the shell commands for the
// names no other owner holds. 0, or the record file's error (the user has been told, once).
template <typename Record>
int TakeOwnerEntries(LogKind kind, const Record& mine, bool (*same)(const Record&, const Record&),
                     std::string (*command)(const Record&), std::vector<std::string>* commands) {
  int handle = OpenLog(kind, false);
  if (handle == kLogMissing) return 0;
  if (handle < 0) return handle;
  int rc = 0;
  for (;;) {
    if ((rc = SelectLogIndex(handle, kind, kIndexB)) != 0) break;
    Record r = mine;
    rc = IsamRead(handle, &r, 0, kIsamNotLess);
    if (rc != 0 || !SameField(r.owner, mine.owner)) break;
    int held = HeldByAnother(handle, kind, r, same);
    if (held < 0) {
      rc = held;
      break;
    }
    if ((rc = IsamDelete(handle, &r)) != 0) break;
    // A name the commands cannot carry was never created through them either.
    if (!held && !command(r).empty()) commands->push_back(command(r));
  }
  if (ReadMissed(rc)) rc = 0;
  if (rc != 0) ReportLogDamage();
  CloseLog(handle);
  return rc;
}

}  // namespace

extern "C" {

// 0, or GL_PROGMAN_NAME_REFUSED (nothing sent) when the group holds a double quote.
int WINAPI CreateGroup(HWND owner, const char* group) {
  std::string text = ProgmanCommand(kProgmanCreateGroup, Str(group));
  if (text.empty()) return GL_PROGMAN_NAME_REFUSED;
  RunProgmanCommands(owner, {text});
  DdeDispatchWaiting();
  return 0;
}

// The shell adds the item to the group it last created or showed; `group` is not used.
// 0, or GL_PROGMAN_NAME_REFUSED (nothing sent) when the item or command line holds a double quote.
int WINAPI CreateGroupItem(HWND owner, const char* group, const char* item, const char* command) {
  std::string text = ProgmanCommand(kProgmanAddItem, Str(command), Str(item));
  if (text.empty()) return GL_PROGMAN_NAME_REFUSED;
  RunProgmanCommands(owner, {text});
  DdeDispatchWaiting();
  return 0;
}

// 0; GL_PROGMAN_NAME_REFUSED when the group holds a double quote, GL_NAME_TOO_LONG when the group (over
// 29 bytes) or the owner (over 39) can't be logged whole: then nothing is logged or created.
int WINAPI myCreateGroup(HWND owner, const char* group, const char* product) {
  if (ProgmanCommand(kProgmanCreateGroup, Str(group)).empty()) return GL_PROGMAN_NAME_REFUSED;
  DdeSetOwner(owner);
  if (!GroupNameFits(group) || !GroupOwnerFits(product)) return GL_NAME_TOO_LONG;
  GroupLogRecord r = MakeGroupRecord(product, group);
  int handle = OpenLog(kGroupLog, true);
  if (handle < 0) return 0;
  int rc = LogOnce(handle, kGroupLog, &r);
  CloseLog(handle);
  if (rc == 0) CreateGroup(owner, r.group);
  return 0;
}

// 0; GL_NAME_TOO_LONG when the group or item (over 29 bytes) or the owner (over 39) can't be
// logged whole: then nothing is logged or created.
int WINAPI myCreateGroupItem(HWND owner, const char* group, const char* item, const char* command,
                             const char* product) {
  // Refused before logging: 0, or GL_PROGMAN_NAME_REFUSED as CreateGroupItem.
  if (ProgmanCommand(kProgmanAddItem, Str(command), Str(item)).empty()) return GL_PROGMAN_NAME_REFUSED;
  DdeSetOwner(owner);
  if (!GroupNameFits(group) || !ItemNameFits(item) || !GroupOwnerFits(product)) return GL_NAME_TOO_LONG;
  ItemLogRecord r = MakeItemRecord(product, group, item);
  int handle = OpenLog(kItemLog, true);
  if (handle < 0) return 0;
  int rc = LogOnce(handle, kItemLog, &r);
  CloseLog(handle);
  if (rc == 0) CreateGroupItem(owner, r.group, Field(r.item).c_str(), command);
  return 0;
}

// Items first, then groups; a log that is missing just has nothing to remove. 0, or
// GL_NAME_TOO_LONG for an owner no log can hold: cut, it would name another product's entries.
int WINAPI DeleteGroupData(HWND owner, const char* product) {
  DdeSetOwner(owner);
  if (!GroupOwnerFits(product)) return GL_NAME_TOO_LONG;
  std::vector<std::string> commands;
  ItemLogRecord item = MakeItemRecord(product, "", "");
  int rc = TakeOwnerEntries<ItemLogRecord>(kItemLog, item, SameItem, DeleteItemCommand, &commands);
  RunProgmanCommands(owner, commands);
  if (rc != 0) return 0;
  commands.clear();
  GroupLogRecord group = MakeGroupRecord(product, "");
  TakeOwnerEntries<GroupLogRecord>(kGroupLog, group, SameGroup, DeleteGroupCommand, &commands);
  RunProgmanCommands(owner, commands);
  return 0;
}

}  // extern "C"
