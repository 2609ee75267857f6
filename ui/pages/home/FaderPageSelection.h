#pragma once

namespace v32 {

class StyledWidget;

// The strip the encoder moves wears a bright frame; the others keep the theme's.
void markSelected(StyledWidget& strip, bool selected);

} // namespace v32
