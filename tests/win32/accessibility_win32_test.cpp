// A real window's client area as a screen reader reads it through Active Accessibility: the
// tree, places on the screen, hit tests, navigation, the focus, events' elements, default
// actions and a reader that holds on after the window is gone.
#include <windows.h>
#include <oleacc.h>
#include <gtest/gtest.h>

#include <memory>

#include "tests/e2e/msaa_tree.h"
#include "tests/support/win32_windows.h"

namespace {

using namespace pelsdk::platform;
using pelsdk::ui::window;

namespace state = access_state;

// Ids far from the children's places, so that a reader who took places for ids reads wrong.
constexpr int32_t kLabel = 7, kLink = 12, kCheck = 3, kProgress = 9, kBack = 21, kNext = 30;

// A tree as the toolkit would describe it, and what was asked of it.
class described_tree final : public access_source {
public:
    std::vector<access_element> elements() override { return tree; }
    // The last element in reading order holding the point: children follow their parents.
    int32_t element_at(int32_t x, int32_t y) override {
        int32_t found = -1;
        for (const access_element& e : tree) {
            if (x >= e.bounds.x && y >= e.bounds.y && x < e.bounds.x + e.bounds.width &&
                y < e.bounds.y + e.bounds.height) {
                found = e.id;
            }
        }
        return found;
    }
    int32_t focused_element() override { return kNext; }
    bool do_default_action(int32_t id) override {
        performed.push_back({id, GetCurrentThreadId()});
        return true;
    }

    // clang-format off
    std::vector<access_element> tree = {
        {0, access_role::client, "Toolkit test", "", "", "", 0, {0, 0, 320, 200},
         {kLabel, kCheck, kProgress, kBack, kNext}},
        {kLabel, access_role::static_text, "Read the license first.", "", "", "", 0,
         {10, 10, 200, 20}, {kLink}},
        {kLink, access_role::link, "license", "velkor:license", "", "Jump", state::focusable,
         {100, 10, 50, 20}, {}},
        {kCheck, access_role::check_button, "14.0", "", "", "Uncheck",
         state::focusable | state::checked, {10, 60, 150, 20}, {}},
        {kProgress, access_role::progress_bar, "Installing", "42%", "", "", state::read_only,
         {10, 100, 300, 10}, {}},
        {kBack, access_role::push_button, "BACK", "", "", "Press", state::unavailable,
         {10, 150, 80, 30}, {}},
        {kNext, access_role::push_button, "NEXT", "", "", "Press",
         state::focusable | state::focused, {100, 150, 80, 30}, {}},
    };
    // clang-format on
    std::vector<std::pair<int32_t, DWORD>> performed;
};

// A toolkit window whose elements are the tree above.
class described_window final : public window {
public:
    explicit described_window(described_tree& tree) : window(Win32Platform()), tree_(tree) {}
    access_source& accessibility() override { return tree_; }

private:
    described_tree& tree_;
};

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

TEST(ScreenReader, ReadsNavigatesAndActsOnTheClientAreaAndLetsGoOfAClosedWindow) {
    described_tree tree;
    auto win = std::make_unique<described_window>(tree);
    win->create("Toolkit test", {0, 0, 320, 200}, 0);
    const HWND hwnd = static_cast<HWND>(win->host().handle());
    win->host().show();
    SetFocus(hwnd);

    EXPECT_EQ(MsaaTree(hwnd),
              "client \"Toolkit test\" focusable at 0,0 320x200\n"
              "  static text \"Read the license first.\" at 10,10 200x20\n"
              "    link \"license\" value \"velkor:license\" focusable,linked at 100,10 50x20"
              " action \"Jump\"\n"
              "  check button \"14.0\" focusable,checked at 10,60 150x20 action \"Uncheck\"\n"
              "  progress bar \"Installing\" value \"42%\" read-only at 10,100 300x10\n"
              "  push button \"BACK\" unavailable at 10,150 80x30 action \"Press\"\n"
              "  push button \"NEXT\" focusable,focused at 100,150 80x30 action \"Press\"\n");

    const com_ptr<IAccessible> client = ClientAreaOf(hwnd);
    ASSERT_TRUE(client);
    // A point in client pixels, read as a reader does: down the objects the hit tests give.
    const auto name_at = [&](int x, int y) {
        POINT at{x, y};
        ClientToScreen(hwnd, &at);
        MsaaElement element{client, CHILDID_SELF};
        for (int depth = 0; depth < 4 && element.object && element.id == CHILDID_SELF; ++depth) {
            VARIANT hit;
            element.object->accHitTest(at.x, at.y, &hit);
            if (hit.vt == VT_I4 && hit.lVal == CHILDID_SELF) break;
            element = ElementOf(element.object, hit);
        }
        return NameOf(element);
    };
    const struct {
        int x, y;
        const char* name;
    } hits[] = {{140, 165, "NEXT"}, {110, 15, "license"}, {20, 15, "Read the license first."},
                {300, 50, "Toolkit test"}, {-5, 50, ""}};
    for (const auto& hit : hits) {
        EXPECT_EQ(name_at(hit.x, hit.y), hit.name) << hit.x << "," << hit.y;
    }

    com_ptr<IDispatch> button, label_object;
    EXPECT_EQ(client->get_accChild(ChildId(kNext), button.out()), S_FALSE) << "a child id";
    ASSERT_EQ(client->get_accChild(ChildId(kLabel), label_object.out()), S_OK)
        << "a label with links is an object of its own";
    com_ptr<IAccessible> label;
    label_object->QueryInterface(__uuidof(IAccessible), label.out_void());
    ASSERT_TRUE(label);
    const struct {
        const com_ptr<IAccessible>& from;
        LONG direction, start;
        const char* name;
    } moves[] = {
        {client, NAVDIR_FIRSTCHILD, CHILDID_SELF, "Read the license first."},
        {client, NAVDIR_LASTCHILD, CHILDID_SELF, "NEXT"},
        {client, NAVDIR_NEXT, kBack, "NEXT"},
        {client, NAVDIR_PREVIOUS, kCheck, "Read the license first."},
        {client, NAVDIR_NEXT, kNext, ""},
        {label, NAVDIR_FIRSTCHILD, CHILDID_SELF, "license"},
        {label, NAVDIR_NEXT, CHILDID_SELF, "14.0"},
        {label, NAVDIR_PREVIOUS, kLink, ""},
    };
    for (const auto& move : moves) {
        VARIANT end;
        move.from->accNavigate(move.direction, ChildId(move.start), &end);
        EXPECT_EQ(NameOf(ElementOf(move.from, end)), move.name)
            << "direction " << move.direction << " from " << move.start;
    }

    VARIANT focus;
    client->get_accFocus(&focus);
    EXPECT_EQ(NameOf(ElementOf(client, focus)), "NEXT");
    // What a reader does with a focus event: the element the event names.
    for (const auto& [id, name] : {std::pair{kNext, "NEXT"}, std::pair{kLink, "license"}}) {
        com_ptr<IAccessible> object;
        VARIANT child;
        ASSERT_EQ(AccessibleObjectFromEvent(hwnd, OBJID_CLIENT, id, object.out(), &child), S_OK);
        EXPECT_EQ(NameOf(ElementOf(object, child)), name);
    }

    // The action waits for the window's own queue: the reader's call has returned by then.
    EXPECT_EQ(client->accDoDefaultAction(ChildId(kNext)), S_OK);
    EXPECT_TRUE(tree.performed.empty());
    PumpMessages();
    EXPECT_EQ(tree.performed,
              (std::vector<std::pair<int32_t, DWORD>>{{kNext, GetCurrentThreadId()}}));
    EXPECT_EQ(client->accDoDefaultAction(ChildId(kBack)), DISP_E_MEMBERNOTFOUND) << "unavailable";
    EXPECT_EQ(client->accDoDefaultAction(ChildId(kProgress)), DISP_E_MEMBERNOTFOUND) << "no action";
    EnableWindow(hwnd, FALSE);
    EXPECT_EQ(client->accDoDefaultAction(ChildId(kNext)), DISP_E_MEMBERNOTFOUND) << "under a popup";
    EnableWindow(hwnd, TRUE);
    PumpMessages();
    EXPECT_EQ(tree.performed.size(), 1u);

    win.reset();
    LONG count = 0;
    EXPECT_EQ(client->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
    BSTR name = nullptr;
    EXPECT_EQ(label->get_accName(ChildId(CHILDID_SELF), &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(name, nullptr);
}

}  // namespace
