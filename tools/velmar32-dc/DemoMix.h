#pragma once

#include "tools/velmar32-dc/MixerParameters.h"

namespace v32::dc {

// A mix as a sound engineer leaves the desk during a sound check, for demonstrations: the
// drums, bass, guitars, keys and vocals of the first bank up around unity with their pans
// spread, a few inputs of the second bank in use, the stereo inputs and effect returns
// open, and the buses at unity. The factory settings have every fader down, which leaves a
// connected screen without a moving meter.
void applyDemoMix(MixerParameters& parameters);

} // namespace v32::dc
