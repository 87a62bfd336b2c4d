#include "installer/ui/installer_files.h"

#include "embedded_maker_files.h"

namespace {

pelsdk::ui::image_reference Picture(const maker_files::embedded_picture& file, uint32_t frames,
                                    float scale) {
    return {file.data, file.size, frames, scale};
}

}  // namespace

std::string_view LicenseDocument() {
    return {reinterpret_cast<const char*>(maker_files::license.data), maker_files::license.size};
}

pelsdk::ui::image_reference BannerPicture() { return Picture(maker_files::banner, 1, 1.0f); }
pelsdk::ui::image_reference BackgroundPicture() {
    return Picture(maker_files::background, 1, 1.0f);
}
pelsdk::ui::image_reference LogoPicture() { return Picture(maker_files::logo, 1, 2.0f); }
pelsdk::ui::image_reference CheckboxPicture() { return Picture(maker_files::checkbox, 2, 1.0f); }
pelsdk::ui::image_reference InstalledCheckPicture() {
    return Picture(maker_files::installed_check, 2, 2.0f);
}
