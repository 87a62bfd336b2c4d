#pragma once

#include "platform/image_decoder.h"

namespace pelsdk::platform {

// Decodes PNG and JPEG with stb_image into premultiplied BGRA. A test can make the factory,
// the converter or the bitmap step fail.
class stb_imaging final : public imaging_system {
public:
    enum class failure { none, factory, converter, bitmap };
    failure fails = failure::none;

    std::unique_ptr<image_decoder> create_decoder() override;
};

}  // namespace pelsdk::platform
