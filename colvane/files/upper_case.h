// Upper-casing of ASCII letters that leaves double-byte characters alone.
#pragma once

// Every byte below 0x80 is upper-cased; a byte of 0x80 or more and the byte after it are kept.
void UpperCaseAscii(char* text);
