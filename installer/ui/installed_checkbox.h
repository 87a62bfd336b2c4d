#pragma once

#include "ui/widgets/check_box.h"

// A read-only result line: the check box's picture, ticked or not, and its caption, without
// background, focus box, hover or disabled look. It stays disabled as the check box makes itself.
class InstalledCheckbox : public pelsdk::ui::check_box {
public:
    void paint() override;
    // Read as its text and whether the version was installed; it does nothing when pressed.
    std::optional<pelsdk::ui::access_description> describe() const override;
};
