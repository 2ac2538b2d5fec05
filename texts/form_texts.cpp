#include "texts/form_texts.h"

#include <cstddef>
#include <string>

#include "platform/cp1252.h"
#include "texts/caption_table.h"
#include "texts/language_file.h"
#include "texts/message_texts.h"
#include "texts/text_table.h"

namespace {

std::string BuiltInText(const CaptionText& caption) {
  const std::string text = platform::Utf8ToCp1252(caption.german);
  return caption.replaceCrlf ? ReplaceCRLF(text) : text;
}

}  // namespace

void SetFormTexts(platform::FormTextTarget& form, bool useBuiltInTexts) {
  const std::string name = form.FormName();
  for (const CaptionText& caption : CaptionTable()) {
    if (caption.form != name) {
      continue;
    }
    const std::string text =
        useBuiltInTexts ? BuiltInText(caption) : LangText[static_cast<std::size_t>(caption.key)];
    // A control the window lacks is skipped; the others still get their texts.
    form.SetControlText(caption.control, caption.index, caption.property, text);
  }
  SetMessageTexts(useBuiltInTexts);
  gsConnectHintCom1 = LangText[660];
  gsConnectHintCom2 = LangText[661];
  gsErrorCauses = LangText[680];
}
