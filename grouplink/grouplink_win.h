/* grouplink.dll for installers and uninstallers: every export, its result codes and limits. */
/*
 * Usable from C and C++. Every export is __stdcall (WINAPI) and exported by its plain name
 * (is_build, CreateGroup, ...), so GetProcAddress finds it without decoration. Strings are ANSI,
 * zero-terminated; the caller owns every buffer. docs/grouplink.md describes each call and the
 * files of the uninstall log.
 */
#ifndef GROUPLINK_H
#define GROUPLINK_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Results of the program-group and profile exports ---- */

#define GL_OK 0                     /* done, or given up after a message box (DDE or log failure) */
#define GL_NAME_TOO_LONG (-50)      /* a name can't be logged whole: nothing created, written or logged */
#define GL_PROGMAN_NAME_REFUSED (-60) /* a name or command line holds '"': nothing sent or logged */

/* Longest names, in bytes (a double-byte character counts two), that the uninstall log holds. */
#define GL_GROUP_NAME_MAX 29        /* group of myCreateGroup and myCreateGroupItem */
#define GL_ITEM_NAME_MAX 29         /* item of myCreateGroupItem */
#define GL_GROUP_OWNER_MAX 39       /* owner of myCreateGroup, myCreateGroupItem, DeleteGroupData */
#define GL_PROFILE_OWNER_MAX 19     /* owner of the profile writes and DeleteProfileString */
#define GL_PROFILE_FILE_MAX 59      /* full path of the INI file a profile write changes */
#define GL_PROFILE_SECTION_MAX 29   /* section of a profile write */
#define GL_PROFILE_KEY_MAX 29       /* key of a profile write */
#define GL_GROUP_NAME_SIZE 80       /* bytes of GetGroupName's buffer, terminator included */

/* ---- Program groups over DDE with the shell's "PROGMAN" server ---- */

/* Shows the group dialog. 1 on Continue (name holds the choice), 0 on Exit (name untouched). */
int WINAPI GetGroupName(HWND owner, char* name);
/* Creates a group. GL_OK or GL_PROGMAN_NAME_REFUSED. */
int WINAPI CreateGroup(HWND owner, const char* group);
/* Adds an item to the group the shell last created or showed; group is not used.
   GL_OK or GL_PROGMAN_NAME_REFUSED (item or command line). */
int WINAPI CreateGroupItem(HWND owner, const char* group, const char* item, const char* command);
/* Logs (product, group) unless logged, then creates the group.
   GL_OK, GL_PROGMAN_NAME_REFUSED or GL_NAME_TOO_LONG. */
int WINAPI myCreateGroup(HWND owner, const char* group, const char* product);
/* Logs (product, group, item) unless logged, then adds the item.
   GL_OK, GL_PROGMAN_NAME_REFUSED or GL_NAME_TOO_LONG. */
int WINAPI myCreateGroupItem(HWND owner, const char* group, const char* item, const char* command,
                             const char* product);
/* Removes the product's logged items, then its groups, keeping those another product logged.
   GL_OK or GL_NAME_TOO_LONG (owner). */
int WINAPI DeleteGroupData(HWND owner, const char* product);

/* ---- Logged profile writes ---- */

/* Logs (product, win.ini, section, key) unless logged, then WriteProfileStringA. Its result;
   0 with the last error ERROR_BUFFER_OVERFLOW when a name is over its GL_..._MAX. */
int WINAPI myWriteProfileString(const char* product, const char* section, const char* key, const char* value);
/* The same for WritePrivateProfileStringA and the file's full path. */
int WINAPI myWritePrivateProfileString(const char* product, const char* section, const char* key,
                                       const char* value, const char* file);
/* Removes the product's logged entries from their INI files, keeping those another product
   logged. GL_OK, GL_NAME_TOO_LONG (owner) or an IS_ code of a damaged log. */
int WINAPI DeleteProfileString(const char* product);

/* ---- Window and dialog procedures of the library's own windows (not to be called) ---- */

LRESULT WINAPI DDEWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR WINAPI FGroupEditProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

/* ---- The indexed record file: a ".dat" file of fixed-size records, an ".idx" file of trees ---- */

/* Results; 0 is success, and is_build and is_open return a handle (0 or 1). */
#define IS_CANT_CREATE (-1)         /* is_build: a file can't be created or reopened */
#define IS_BAD_HANDLE (-2)          /* handle outside 0-1; is_open: a file can't be opened */
#define IS_NO_HANDLE (-11)          /* both handles are in use */
#define IS_NOT_OPEN (-12)           /* the handle isn't open */
#define IS_NO_INDEX (-21)           /* no free index slot (is_addidx); no such index (is_selidx) */
#define IS_NOT_SELECTED (-22)       /* is_read: no index selected */
#define IS_NOT_YOURS (-31)          /* the record at the buffer's offset isn't the buffer's record */
#define IS_BEFORE_FIRST (-32)       /* moved before the first entry */
#define IS_PAST_LAST (-33)          /* moved past the last entry */
#define IS_KEY_NOT_FOUND (-34)      /* exact key not found */
#define IS_DAMAGED (-35)            /* the pair breaks its layout: nothing changed or returned */
#define IS_IO_FAILED (-36)          /* a read, write or flush failed: nothing changed */
#define IS_BAD_ARGUMENT (-37)       /* null pointer, unknown mode, bad record size or definition */

/* Read modes of is_read. */
#define IS_PREVIOUS 1               /* the entry before the cursor */
#define IS_NEXT 2                   /* the entry after the cursor */
#define IS_FIRST 3                  /* the first entry of the index */
#define IS_PAST_END 4               /* returns IS_PAST_LAST; IS_PREVIOUS then reads the last */
#define IS_EXACT 5                  /* first entry equal to the buffer's key (on keyLength bytes) */
#define IS_NOT_LESS 6               /* first entry not less than the buffer's key */

/* Segment types of an index definition. */
#define IS_STRING 0                 /* zero-terminated string, compared by byte value */
#define IS_INT32 1                  /* 32-bit integer, ordered by its bytes from the most significant */
#define IS_INT32_ALT 2              /* the same as IS_INT32 */
#define IS_FLOAT 3                  /* 32-bit float, ordered by its bytes */
#define IS_DOUBLE 4                 /* 64-bit float, ordered by its bytes */
#define IS_DESCENDING 0x80          /* or'ed into a type: descending order */

/* An index definition as is_addidx and is_selidx take it (112 bytes). */
typedef struct IS_SEGMENT {
  int type;                         /* IS_STRING ... IS_DOUBLE, optionally | IS_DESCENDING */
  int offset;                       /* of the field in the record */
  int length;                       /* of the key part in bytes */
} IS_SEGMENT;
typedef struct IS_INDEXDEF {
  int count;                        /* segments 1-8 */
  IS_SEGMENT segment[8];
  int keyLength;                    /* the rest is the file's own: leave it zero */
  int height;
  int root;
} IS_INDEXDEF;

/* Creates (truncating) name.dat and name.idx for records of recordSize bytes (4-1048576).
   A handle, IS_CANT_CREATE, IS_NO_HANDLE or IS_BAD_ARGUMENT. */
int WINAPI is_build(const char* name, int recordSize);
/* Opens an existing pair, first finishing or undoing a call a crash interrupted (name.jnl).
   A handle, IS_BAD_HANDLE, IS_NO_HANDLE, IS_DAMAGED, IS_IO_FAILED or IS_BAD_ARGUMENT. */
int WINAPI is_open(const char* name);
/* 0, IS_BAD_HANDLE or IS_NOT_OPEN. */
int WINAPI is_close(int handle);
/* Adds an index and indexes every record. 0, IS_NO_INDEX or an error. */
int WINAPI is_addidx(int handle, IS_INDEXDEF* def);
/* Selects the index with the same segments. 0, IS_NO_INDEX or an error. */
int WINAPI is_selidx(int handle, IS_INDEXDEF* def);
/* Reads by mode (IS_PREVIOUS ...) into record, whose first 4 bytes are its offset in name.dat;
   keyLength 0 compares whole keys. 0 or an error. */
int WINAPI is_read(int handle, void* record, int keyLength, int mode);
/* Writes a new record and stores its offset in its first 4 bytes. 0 or an error. */
int WINAPI is_write(int handle, void* record);
/* Overwrites the record at the offset in its first 4 bytes. 0, IS_NOT_YOURS or an error. */
int WINAPI is_change(int handle, void* record);
/* Deletes the record at the offset in its first 4 bytes. 0, IS_NOT_YOURS or an error. */
int WINAPI is_delete(int handle, void* record);

#ifdef __cplusplus
}  /* extern "C" */
#endif

#endif /* GROUPLINK_H */
