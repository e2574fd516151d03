// 10,000 durable writes into two indexes, 10,000 exact reads and a full forward scan, by the
// record file and by SQLite (synchronous=FULL, one transaction per write) in the same run.
// The counters give each side's milliseconds and the ratio record file / SQLite.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "grouplink/isam/isam.h"

namespace {

constexpr int kRecords = 10000;

struct GroupRecord {  // the group log's layout: offset, owner (4, 40), group (44, 32)
  int32_t offset;
  char owner[40];
  char group[32];
};

std::string OwnerOf(int i) { return "Owner " + std::to_string(i % 50); }
std::string GroupOf(int i) { return "Group " + std::to_string((i * 7919) % kRecords + 100000); }

GroupRecord Make(int i) {
  GroupRecord r = {};
  std::snprintf(r.owner, sizeof r.owner, "%s", OwnerOf(i).c_str());
  std::snprintf(r.group, sizeof r.group, "%s", GroupOf(i).c_str());
  return r;
}

IsamIndexDef Def(int off1, int len1, int off2, int len2) {
  IsamIndexDef d = {};
  d.count = 2;
  d.segment[0] = {0, off1, len1};
  d.segment[1] = {0, off2, len2};
  return d;
}

double Ms(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

struct Times {
  double write, read, scan;
};

Times RunIsam(const std::string& dir) {
  Times t = {};
  std::string name = dir + "/log";
  IsamIndexDef byGroup = Def(44, 30, 4, 40), byOwner = Def(4, 40, 44, 30);
  int h = IsamBuild(name.c_str(), sizeof(GroupRecord));
  IsamAddIndex(h, &byGroup);
  IsamAddIndex(h, &byOwner);
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRecords; ++i) {
    GroupRecord r = Make(i);
    if (IsamWrite(h, &r) != 0) std::abort();
  }
  t.write = Ms(start);
  IsamSelectIndex(h, &byGroup);
  start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRecords; ++i) {
    GroupRecord r = Make((i * 31) % kRecords);
    if (IsamRead(h, &r, 0, kIsamExact) != 0) std::abort();
  }
  t.read = Ms(start);
  start = std::chrono::steady_clock::now();
  GroupRecord r = {};
  int n = 0;
  for (int rc = IsamRead(h, &r, 0, kIsamFirst); rc == 0; rc = IsamRead(h, &r, 0, kIsamNext)) ++n;
  t.scan = Ms(start);
  if (n != kRecords) std::abort();
  IsamClose(h);
  return t;
}

void Exec(sqlite3* db, const char* sql) {
  if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) std::abort();
}

Times RunSqlite(const std::string& dir) {
  Times t = {};
  sqlite3* db = nullptr;
  sqlite3_open((dir + "/log.db").c_str(), &db);
  Exec(db, "PRAGMA synchronous=FULL");
  Exec(db, "CREATE TABLE log(id INTEGER PRIMARY KEY, owner TEXT, grp TEXT)");
  Exec(db, "CREATE UNIQUE INDEX by_group ON log(grp, owner)");
  Exec(db, "CREATE UNIQUE INDEX by_owner ON log(owner, grp)");
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(db, "INSERT INTO log(owner, grp) VALUES(?, ?)", -1, &insert, nullptr);
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRecords; ++i) {
    std::string owner = OwnerOf(i), group = GroupOf(i);
    sqlite3_bind_text(insert, 1, owner.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 2, group.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(insert) != SQLITE_DONE) std::abort();
    sqlite3_reset(insert);
  }
  t.write = Ms(start);
  sqlite3_stmt* find = nullptr;
  sqlite3_prepare_v2(db, "SELECT id, owner, grp FROM log WHERE grp = ? AND owner = ?", -1, &find, nullptr);
  start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRecords; ++i) {
    int k = (i * 31) % kRecords;
    std::string owner = OwnerOf(k), group = GroupOf(k);
    sqlite3_bind_text(find, 1, group.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(find, 2, owner.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(find) != SQLITE_ROW) std::abort();
    GroupRecord r = {};
    std::snprintf(r.owner, sizeof r.owner, "%s", reinterpret_cast<const char*>(sqlite3_column_text(find, 1)));
    std::snprintf(r.group, sizeof r.group, "%s", reinterpret_cast<const char*>(sqlite3_column_text(find, 2)));
    benchmark::DoNotOptimize(r);
    sqlite3_reset(find);
  }
  t.read = Ms(start);
  sqlite3_stmt* scan = nullptr;
  sqlite3_prepare_v2(db, "SELECT id, owner, grp FROM log ORDER BY grp, owner", -1, &scan, nullptr);
  start = std::chrono::steady_clock::now();
  int n = 0;
  while (sqlite3_step(scan) == SQLITE_ROW) {
    GroupRecord r = {};
    std::snprintf(r.owner, sizeof r.owner, "%s", reinterpret_cast<const char*>(sqlite3_column_text(scan, 1)));
    std::snprintf(r.group, sizeof r.group, "%s", reinterpret_cast<const char*>(sqlite3_column_text(scan, 2)));
    benchmark::DoNotOptimize(r);
    ++n;
  }
  t.scan = Ms(start);
  if (n != kRecords) std::abort();
  sqlite3_finalize(insert);
  sqlite3_finalize(find);
  sqlite3_finalize(scan);
  sqlite3_close(db);
  return t;
}

void BM_RecordFileAgainstSqlite(benchmark::State& state) {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "isam_bench";
  for (auto _ : state) {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    Times isam = RunIsam(dir.string());
    Times lite = RunSqlite(dir.string());
    state.counters["isam_write_ms"] = isam.write;
    state.counters["sqlite_write_ms"] = lite.write;
    state.counters["write_ratio"] = isam.write / lite.write;
    state.counters["isam_read_ms"] = isam.read;
    state.counters["sqlite_read_ms"] = lite.read;
    state.counters["read_ratio"] = isam.read / lite.read;
    state.counters["isam_scan_ms"] = isam.scan;
    state.counters["sqlite_scan_ms"] = lite.scan;
    state.counters["scan_ratio"] = isam.scan / lite.scan;
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_RecordFileAgainstSqlite)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
