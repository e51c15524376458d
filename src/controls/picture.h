#pragma once
#include "control.h"

#include <memory>
#include <vector>

namespace pesavia {

// A decoded picture: 8-bit RGB pixels, row by row.
struct Image {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
};

class Picture : public Control {
public:
    const std::shared_ptr<const Image>& image() const { return image_; }
    void setImage(std::shared_ptr<const Image> image) { image_ = std::move(image); changed(); }

private:
    std::shared_ptr<const Image> image_;
};

} // namespace pesavia
