#pragma once
#include "controls/picture.h"

#include <optional>
#include <string>
#include <string_view>

namespace pesavia {

// Decodes JPEG bytes with libjpeg; nothing on any decoding error.
std::optional<Image> DecodeJpeg(std::string_view bytes);

// Loads folder + separator (when missing) + fileName into the picture. False, without a message and with
// the picture unchanged, when the name is empty or anything fails.
bool ChargeImageJpeg(Picture& picture, const std::string& folder, const std::string& fileName);

} // namespace pesavia
