// Switch scanning, when the grown-ups' policy asks for one or two switches: area by area, target
// by target, and on the paper a point, a direction and a length for a stroke of the current tool.
#pragma once
#include <windows.h>

// Reads the policy and, for switches, starts the scan and its timer (start-up).
void StartSwitchScanning(HWND window);
void StopSwitchScanning(HWND window);
bool SwitchScanning();
// WM_KEYDOWN; true when the key is a switch (its WM_CHAR is then dropped).
bool SwitchKeyDown(HWND window, WPARAM key, LPARAM flags);
// The scan timer.
void SwitchScanTick(HWND window);
