#pragma once

#include <string>

#include "platform/services.h"
#include "ui/core/window.h"

// The installer's popup in its two spacings: a notice (the cancel confirmation, the removal
// question) and an error (a failure, offering a retry).
enum class PopupSpacing { kNotice, kError };

// Asks a yes-or-no question with the installer's popup, owned by `owner` when given; true for YES.
bool AskUser(pelsdk::platform::services& os, pelsdk::ui::window* owner, const std::string& title,
             const std::string& message, PopupSpacing spacing);

// States a result with the installer's popup and its one OK button.
void TellUser(pelsdk::platform::services& os, const std::string& title, const std::string& message);

// Takes the machine-wide installer name for this process; while another installer holds it, says
// so and offers to retry. False when the user declines.
bool HoldInstanceOrAsk(pelsdk::platform::services& os);
