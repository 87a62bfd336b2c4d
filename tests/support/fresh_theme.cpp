// Every test starts from the default theme: a test that installs theme overrides (the installer
// window does) must not change what the next test in the same process reads.
#include <gtest/gtest.h>

#include "ui/theme/theme_lookup.h"

namespace {

class FreshTheme : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override { pelsdk::ui::set_theme({}); }
};

const bool kRegistered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshTheme);
    return true;
}();

}  // namespace
