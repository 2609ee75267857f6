#include "tools/velmar32-dc/MediaModule.h"

namespace v32::dc {

MediaModule::~MediaModule() = default;

} // namespace v32::dc
