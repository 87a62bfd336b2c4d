#pragma once

#include "ui/widgets/generic_button.h"

// The installer's pill-shaped button: two circles joined by a rectangle, filled by state, with
// a centred caption. It shows only hover and disabled; a disabled ancestor disables it too.
class RoundedButton : public pelsdk::ui::generic_button {
public:
    void paint() override;
    // The two looks of the installer's pills: blue with white text (NEXT, YES), or dark grey with
    // grey text that turns white under the pointer (CANCEL, BACK, NO).
    void UseAccentLook();
    void UsePlainLook();

private:
    // Half the height, rounded half up: the centres' distance from the ends.
    int32_t EndRadius() const;
    pelsdk::ui::color FillColor() const;
    pelsdk::ui::color CaptionColor() const;
};
