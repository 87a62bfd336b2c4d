#pragma once

#include <string_view>

#include "ui/theme/image_reference.h"

// The maker's files carried inside the program: the license agreement and the pictures of the
// installer's look, as the build embedded them (the generated defaults, or the maker's own).

// The license agreement: an HTML document in the label markup, UTF-8, CR LF line ends.
std::string_view LicenseDocument();

// Theme references to the embedded pictures, with their frame counts and scales.
pelsdk::ui::image_reference BannerPicture();          // JPEG 900 x 1000, drawn into 450 x 500
pelsdk::ui::image_reference BackgroundPicture();      // PNG RGBA 576 x 494
pelsdk::ui::image_reference LogoPicture();            // PNG RGBA 236 x 72 at scale 2
pelsdk::ui::image_reference CheckboxPicture();        // PNG RGBA 14 x 28, two frames
pelsdk::ui::image_reference InstalledCheckPicture();  // PNG RGBA 38 x 72, two frames, scale 2
