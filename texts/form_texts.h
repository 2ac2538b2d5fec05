#pragma once

#include "platform/form_texts.h"

// Gives the window's controls their texts: the built-in German texts, or
// LangText(key) of the loaded language. The window is matched by its exact name; a
// name without texts (the log window) sets no control. Every call then fills the
// message texts and remakes gsConnectHintCom1, gsConnectHintCom2 and gsErrorCauses.
void SetFormTexts(platform::FormTextTarget& form, bool useBuiltInTexts);
