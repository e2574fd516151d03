// Which bytes of ANSI text begin a double-byte character. The code page in use decides (none on
// Western pages, most bytes of 129 or more on Chinese, Japanese and Korean ones), so the pure
// text rules take the rule as an argument and the program passes the system's.
#pragma once
#include <cstdint>

using LeadByteRule = bool (*)(uint8_t byte);
