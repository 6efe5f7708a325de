// The page's half of a button (WebButton.js).
#pragma once

#include <cstdint>

extern "C" {
// The image in front of the button's text: width x height pixels as red, green, blue and alpha
// bytes, none for width 0. An image-only button is read by its label.
void vandro_dom_button_image(int handle, const std::uint8_t* pixels, int width, int height,
                             int imageOnly, const char16_t* label, int labelLength);
}
