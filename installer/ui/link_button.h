#pragma once

#include "ui/widgets/generic_button.h"

// A text link drawn as a button: it underlines its caption and shows the hand cursor while the
// pointer is over it. The application gives it transparent fill and border colours.
class LinkButton : public pelsdk::ui::generic_button {
public:
    LinkButton();
    // A link named by its caption.
    std::optional<pelsdk::ui::access_description> describe() const override;
    // Only the text shows: no fill, no border, not even for the focus; left-aligned.
    void UseTextOnlyLook();

private:
    void OnCreated();
    void ShowPointerOver(bool over);
};
