#pragma once

#include <memory>
#include <string>

#include "ui/core/widget.h"
#include "ui/render/image.h"
#include "ui/render/theme_font.h"
#include "ui/widgets/button_look.h"

namespace pelsdk::ui {

// The font of a button's caption.
inline constexpr font_keys kButtonFont{"button_font_name", "button_font_size",
                                       "button_font_weight", "button_font_style"};

class renderer;

// The toolkit's push button: a caption, a face picture with a frame per state, a background
// picture in three slices, theme colours per state, optional rounded corners, a focus outline
// and an optional toggle behaviour. Activation fires `clicked` with param1 = toggled.
class generic_button : public widget {
public:
    generic_button();

    // Draws background, pictures, outline and caption; subclasses may draw otherwise.
    virtual void paint();
    virtual void paint_image();
    void paint_back_image();
    // With `button_auto_size`, fits the width to the caption.
    void fit_width();

    // A push button named by its caption; pressed while toggled.
    std::optional<access_description> describe() const override;

    std::string caption;
    bool hover = false;
    bool toggled = false;
    bool toggle_mode = false;
    std::unique_ptr<ui::image> image;
    std::unique_ptr<ui::image> back_image;
    rect image_rect{0, 0, 0, 0};
    float image_opacity = 1.0f;

protected:
    // The state the next paint shows; pressed while this button holds the capture and the
    // pointer is on it (edges included).
    button_look look() const;
    void use_caption_font(renderer& drawing) const;

private:
    bool pointer_inside() const;
    void prepare_image(uint32_t frames);
    void press(const event_info& info);
    void release(const event_info& info);
    void key(const event_info& info);
    void style_change(const event_info& info);
    void paint_caption(renderer& drawing, const button_colors& colors);
};

}  // namespace pelsdk::ui
