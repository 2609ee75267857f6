#pragma once

#include <string_view>

namespace v32 {

// The pinyin dictionary the build generates: "pinyin<TAB>word<TAB>weight" lines, sorted by
// pinyin and then by falling weight.
std::string_view pinyinDictionaryText();

} // namespace v32
