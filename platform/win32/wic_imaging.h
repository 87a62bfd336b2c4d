#pragma once

#include "platform/image_decoder.h"

namespace pelsdk::platform {

// Pictures decoded by the Windows Imaging Component; every decoder has a factory of its own.
class wic_imaging final : public imaging_system {
public:
    std::unique_ptr<image_decoder> create_decoder() override;
};

}  // namespace pelsdk::platform
