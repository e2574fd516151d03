// The typewriter's text buffer and its keystroke rules.
#include "colvane/text/text_buffer.h"

namespace {
constexpr uint8_t kBackspace = 8;
constexpr uint8_t kCarriageReturn = 13;
}  // namespace

KeyResult TypeByte(TextBuffer* text, uint8_t code, LeadByteRule isLead) {
  if (code == kBackspace) {
    if (text->length == 0) return KeyResult::kIgnored;
    text->bytes[--text->length] = '\0';
    text->pending = false;
    text->pendingBytes = 0;
    return KeyResult::kShow;
  }
  const bool pairByte = text->pending || isLead(code);
  // A lead byte needs room for its trail byte too, so no half character is ever stored at the end.
  const int room = pairByte && !text->pending ? 2 : 1;
  if (text->length + room > kTextCapacity) return KeyResult::kIgnored;
  text->bytes[text->length++] = static_cast<char>(code);
  text->bytes[text->length] = '\0';
  if (pairByte) {
    text->pending = true;
    if (++text->pendingBytes < 2) return KeyResult::kHeld;
  }
  text->pending = false;
  text->pendingBytes = 0;
  return KeyResult::kShow;
}

void ClearText(TextBuffer* text) { *text = TextBuffer{}; }

std::vector<TextLine> SplitLines(const char* text, int length) {
  std::vector<TextLine> lines;
  int start = 0;
  for (int i = 0; i < length; ++i) {
    if (static_cast<uint8_t>(text[i]) != kCarriageReturn) continue;
    lines.push_back(TextLine{start, i - start});
    start = i + 1;
  }
  lines.push_back(TextLine{start, length - start});
  return lines;
}
