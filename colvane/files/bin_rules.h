// The bin of a box: a folder "Bin" inside the box that keeps what a child throws away, so a
// picture dropped on the bin by accident can be given back. Each picture keeps its own name
// behind a serial number that tells the order of throwing ("00007 Sample3.sam", its cartoons
// beside it as "00007 Sample3.CAT"); the oldest go for good once the bin holds 100. Pure.
#pragma once
#include <string>
#include <vector>

constexpr char kBinFolderName[] = "Bin";
constexpr int kBinLimit = 100;

// A picture's name in the bin.
std::string BinEntryName(int serial, const std::string& picture);
// The serial and own name of a bin entry; false for a file that isn't one.
bool ParseBinEntry(const std::string& entry, int* serial, std::string* picture);
// The serial of the next picture thrown away: one past the highest in the bin.
int NextBinSerial(const std::vector<std::string>& entries);
// The entries to drop before one more comes, so that the bin then holds at most `limit`: the
// oldest. Files that aren't bin entries are never dropped.
std::vector<std::string> BinEntriesToDrop(const std::vector<std::string>& entries, int limit);
