#pragma once

namespace v32 {

// Every fixed caption passes through here before it is shown: the English text is the
// key, and the current language's table gives the translation, or the text itself.
const char* translate(const char* text);

} // namespace v32
