// Timing for the benchmarks that run under Wine (no Google Benchmark for mingw here): a clock
// and a report line in the same spirit.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

inline double Now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

inline void Report(const char* name, std::vector<double> seconds) {
  if (seconds.empty()) return;
  std::sort(seconds.begin(), seconds.end());
  double sum = 0;
  for (double s : seconds) sum += s;
  std::printf("%-28s %6zu iterations  min %9.3f ms  median %9.3f ms  mean %9.3f ms\n", name,
              seconds.size(), seconds.front() * 1e3, seconds[seconds.size() / 2] * 1e3,
              sum / seconds.size() * 1e3);
}

// Serves the messages waiting for this thread (a WM_QUIT is dropped: the bench ends by itself).
inline void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    DispatchMessageA(&msg);
  }
}
