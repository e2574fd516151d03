// The grown-ups' policy of this run: "ColvanePolicy.ini" beside the machine's settings file (the
// system folder) and beside the user's (<application data>\Colvane), read once at start-up and
// again when the grown-ups' screen keeps a change.
#pragma once
#include <windows.h>

#include "colvane/layout/policy.h"

// Full paths, MAX_PATH bytes each (the user's is empty when there is no such folder).
void MachinePolicyPath(char* path);
void UserPolicyPath(char* path);

// Reads both files; a file missing is an empty one, a file too large to be a policy is told.
void LoadPolicy();
const Policy& CurrentPolicy();
inline bool PolicyHolds(PolicyKey key) { return PolicyFlag(CurrentPolicy(), key); }

// Writes the user's file (never the machine's) through a temporary file, then reads both again.
// False when it could not be written; the old file is then unchanged.
bool KeepUserPolicy(const PolicyValue* userValues);

// The user's file alone, as the grown-ups' screen edits it.
Policy ReadUserPolicy();
