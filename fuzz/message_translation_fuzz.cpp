// Translation files of the message catalogue: whatever a translation holds, every message keeps
// the placeholders of its built-in text, so no translated text can mislead Format.
#include "fuzz/fuzz_check.h"
#include "messages/message.h"
#include "messages/message_placeholders.h"
#include "messages/message_translation.h"
#include "platform/strings.h"

#include <cstdint>

using namespace textcore;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const String text = UTF8ToString(std::string_view(reinterpret_cast<const char *>(data), size));
  const TTranslationResult result = ApplyTranslation(text);
  FUZZ_CHECK(result.applied >= 0);
  for (int32_t i = 0; i < MessageCount(); ++i) {
    const TMessage message(static_cast<uint16_t>(i));
    FUZZ_CHECK(!message.Text().empty());
    FUZZ_CHECK(SamePlaceholders(message.Text(), message.BuiltinText()));
  }
  UseBuiltinTexts();
  return 0;
}
