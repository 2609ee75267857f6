#pragma once

#include "tools/velmar32-dc/UsbDisk.h"

namespace v32::dc {

// The disk in the media module when no directory is given: a few hundred songs in folders
// up to four levels deep, among them Chinese and accented names, a folder with only
// folders in it, an empty folder and one folder of hundreds of files.
UsbDisk makeSampleDisk();

} // namespace v32::dc
