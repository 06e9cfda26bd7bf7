#pragma once
// The built-in template image that a new document starts from.

#include "radio/radio_image.h"

namespace radio {

// A complete image of a radio fresh from a reset, with one memory in use.
const RadioImage& DefaultImage();

} // namespace radio
