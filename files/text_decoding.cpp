// Deciding a text's encoding, and decoding it once: one piece through the decider and the
// decoder that read texts in pieces.
#include "files/text_decoding.h"

#include "files/text_stream.h"

namespace textcore {

TTextDecision ReadTextOfBytes(std::string_view bytes, uint32_t code_page, bool binary_as_text,
                              String &text) {
  TTextDecider decider(code_page, binary_as_text);
  decider.Feed(bytes);
  const TTextDecision decision = decider.Finish();
  text.clear();
  TTextDecoder decoder(decision, code_page);
  decoder.Decode(bytes.substr(decision.mark_bytes), true, text);
  return decision;
}

String TextEncodingName(const TTextDecision &decision, uint32_t code_page) {
  switch (decision.encoding) {
  case te_utf16:
    return u"UTF-16";
  case te_utf16_reversed:
    return u"UTF-16BE";
  case te_utf8:
    return u"UTF-8";
  case te_8_bit:
    return u"cp" + IntToStr(code_page);
  default:
    return String();
  }
}

} // namespace textcore
