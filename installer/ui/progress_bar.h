#pragma once

#include "ui/widgets/generic_panel.h"

// The install progress: a background with a vertical gradient over the part done.
class ProgressBar : public pelsdk::ui::generic_panel {
public:
    void paint() override;
    // A progress bar whose value is the percentage done.
    std::optional<pelsdk::ui::access_description> describe() const override;

    // The fraction done, written by the owner, which then repaints; never clamped.
    float value = 0.0f;

private:
    // The width of the part done, rounded half away from zero.
    int32_t DoneWidth() const;
};
