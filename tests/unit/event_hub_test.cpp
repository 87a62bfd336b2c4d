#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "ui/core/event_hub.h"
#include "ui/core/event_object.h"

namespace {

using namespace pelsdk::ui;

event_hub& hub() { return event_hub::instance(); }

TEST(EventHub, RunsHandlersInOrderWithTheFiredPayload) {
    event_object sender;
    event_object owner;
    std::vector<std::string> calls;
    hub().register_handler(&sender, &owner, event_type::clicked, [&](const event_info& i) {
        EXPECT_EQ(std::tie(i.sender, i.type, i.reserved1, i.reserved2, i.param1, i.param2),
                  std::make_tuple(&sender, event_type::clicked, 2, 1, 7u, 9u));
        calls.push_back("first");
    });
    hub().register_handler(&sender, &sender, event_type::clicked,
                           [&](const event_info&) { calls.push_back("second"); });

    EXPECT_TRUE(hub().fire(&sender, event_type::clicked, 7, 9));
    EXPECT_FALSE(hub().fire(&sender, event_type::paint));
    EXPECT_FALSE(hub().fire(&owner, event_type::clicked));
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "second"}));
}

TEST(EventHub, HandlersMayChangeTheListWhileItRuns) {
    event_object sender;
    std::vector<int> calls;
    handler_id self = 0;
    self = hub().register_handler(&sender, &sender, event_type::timer, [&](const event_info&) {
        calls.push_back(1);
        hub().unregister(self);
        hub().register_handler(&sender, &sender, event_type::timer,
                               [&](const event_info&) { calls.push_back(3); });
    });
    const handler_id second = hub().register_handler(
        &sender, &sender, event_type::timer, [&](const event_info&) { calls.push_back(2); });

    EXPECT_TRUE(hub().fire(&sender, event_type::timer));
    // The copy taken at the start ran: the added handler waits for the next firing.
    EXPECT_EQ(calls, (std::vector<int>{1, 2}));
    calls.clear();
    EXPECT_TRUE(hub().fire(&sender, event_type::timer));
    EXPECT_EQ(calls, (std::vector<int>{2, 3}));

    hub().unregister(second);
    hub().unregister(second);  // a second time is ignored
    EXPECT_TRUE(hub().has_handler(&sender, event_type::timer));
    hub().unregister_all(&sender);
    EXPECT_FALSE(hub().has_handler(&sender, event_type::timer));
    EXPECT_FALSE(hub().fire(&sender, event_type::timer));
}

TEST(EventHub, DestroyingAnObjectRemovesHandlersOnItAndOnItsBehalf) {
    auto child = std::make_unique<event_object>();
    auto parent = std::make_unique<event_object>();
    int calls = 0;
    // The parent listens to the child; the child listens to itself and to the parent.
    const handler_id onChild = hub().register_handler(child.get(), parent.get(), event_type::resized,
                                                      [&](auto&) { ++calls; });
    hub().register_handler(child.get(), child.get(), event_type::paint, [&](auto&) { ++calls; });
    hub().register_handler(parent.get(), child.get(), event_type::shown, [&](auto&) { ++calls; });

    event_object* const childAddress = child.get();
    child.reset();
    EXPECT_FALSE(hub().has_handler(childAddress, event_type::resized));
    EXPECT_FALSE(hub().has_handler(childAddress, event_type::paint));
    EXPECT_FALSE(hub().fire(parent.get(), event_type::shown));
    // The parent still holds the id of its handler on the gone child: it names nothing now.
    hub().unregister(onChild);
    parent.reset();
    EXPECT_EQ(calls, 0);
}

}  // namespace
