#pragma once

#include "app/core/Translation.h"

namespace v32 {

// The simplified Chinese captions of the "zh-cn" language, ended by a null key. An array
// rather than a function so that the language list refers to it at compile time and is
// ready before any static initialiser asks for a caption.
extern const TranslationPair kZhCnTable[];

} // namespace v32
