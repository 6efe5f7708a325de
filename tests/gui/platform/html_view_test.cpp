// The HTML view alike on every platform: a navigation is busy until the pump finishes it with
// one "GadgetDone", never inside the call; its status is the busy bit alone; style bit 2 reports
// a link the user follows instead of loading it, while the program's own navigations go through;
// back and forward walk the pages visited.
#include "KindFixture.h"

#include "events/Hook.h"
#include "runtime/Boxed.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

namespace vandro {
namespace {

class HTMLViewTest : public KindTest {
  protected:
    void SetUp() override {
        KindTest::SetUp();
        for (const char* name : {"seite-eins.html", "seite-zwei.html"}) {
            std::FILE* page = std::fopen(name, "w");
            ASSERT_NE(page, nullptr);
            std::fputs("<title>Vandro</title><p>Regeln</p>", page);
            std::fclose(page);
        }
    }
    void TearDown() override {
        KindTest::TearDown();
        std::remove("seite-eins.html");
        std::remove("seite-zwei.html");
    }

    // The page's address as a browser writes it.
    static String Page(const char* name) {
        const std::string path = std::filesystem::absolute(name).generic_string();
        const std::string address = (path.front() == '/' ? "file://" : "file:///") + path;
        return String(address.begin(), address.end());
    }

    // A view whose first blank page (if the platform loads one) is done.
    Ref<TGadget> View(int style) {
        const auto view = CreateHTMLView(0, 0, 300, 200, window, style);
        Collect();
        return view;
    }

    // The events the program takes while it waits until the source has raised one of the id,
    // or 10 s have passed, and a short while after.
    static std::vector<Ref<TEvent>> AwaitFrom(const Ref<TGadget>& source, int id) {
        std::vector<Ref<TEvent>> events;
        bool seen = false;
        const auto start = std::chrono::steady_clock::now();
        const auto since = [&start] { return std::chrono::steady_clock::now() - start; };
        auto quiet = std::chrono::steady_clock::duration::max();
        while (since() < std::chrono::seconds(10) && since() < quiet) {
            if (PollEvent() == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                continue;
            }
            events.push_back(CurrentEvent());
            if (!seen && CurrentEvent()->source == source && CurrentEvent()->id == id) {
                seen = true;
                quiet = since() + std::chrono::milliseconds(300);
            }
        }
        return events;
    }
    // The events the program takes within a short while.
    static std::vector<Ref<TEvent>> Collect() {
        std::vector<Ref<TEvent>> events;
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
        while (std::chrono::steady_clock::now() < until) {
            if (PollEvent() != 0)
                events.push_back(CurrentEvent());
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return events;
    }
    // The ids of the events emitted while the action runs, before the program could take any.
    static std::vector<int> EmittedDuring(const std::function<void()>& action) {
        const auto seen = New<TSeen>();
        const HookFunction record = [](int, Object data, Object context) {
            Cast<TSeen>(context)->ids.push_back(Cast<TEvent>(data)->id);
            return data;
        };
        AddHook(EmitEventHook(), record, seen, 1);
        action();
        RemoveHook(EmitEventHook(), record, seen);
        return seen->ids;
    }
    class TSeen : public TObject {
      public:
        std::vector<int> ids;
    };
    static std::vector<int> IdsOf(const std::vector<Ref<TEvent>>& events,
                                  const Ref<TGadget>& source) {
        std::vector<int> ids;
        for (const auto& event : events)
            if (event->source == source)
                ids.push_back(event->id);
        return ids;
    }
};

TEST_F(HTMLViewTest, ANavigationIsBusyUntilThePumpFinishesItWithOneDone) {
    const auto view = View(0);
    EXPECT_EQ(HTMLViewStatus(view), 0);
    // Nothing is raised inside the call: the program sees the load finish from its loop.
    EXPECT_EQ(EmittedDuring([&] { NavigateHTMLView(view, Page("seite-eins.html")); }),
              std::vector<int>{});
    EXPECT_EQ(HTMLViewStatus(view), 1);
    EXPECT_EQ(IdsOf(AwaitFrom(view, GadgetDone), view), std::vector<int>{GadgetDone});
    EXPECT_EQ(HTMLViewAddress(view), Page("seite-eins.html"));
    EXPECT_EQ(HTMLViewStatus(view), 0);
}

TEST_F(HTMLViewTest, TheStatusIsTheBusyBitAloneWhenHiddenOrDisabled) {
    const auto view = View(0);
    HideGadget(view);
    DisableGadget(view);
    EXPECT_EQ(HTMLViewStatus(view), 0);
    EXPECT_EQ(PlatformUser()->ShownState(view), StateHidden | StateDisabled);
    NavigateHTMLView(view, Page("seite-eins.html"));
    EXPECT_EQ(HTMLViewStatus(view), 1);
    EXPECT_EQ(IdsOf(AwaitFrom(view, GadgetDone), view), std::vector<int>{GadgetDone});
    EXPECT_EQ(HTMLViewStatus(view), 0);
}

TEST_F(HTMLViewTest, StyleBitTwoReportsALinkTheUserFollowsAndLetsTheProgramsOwnThrough) {
    const auto view = View(HTMLViewBlockNavigation);
    const String before = HTMLViewAddress(view);
    ASSERT_EQ(PlatformUser()->FollowLink(view, Page("seite-zwei.html")), 1);
    const auto reported = Collect();
    ASSERT_EQ(IdsOf(reported, view), std::vector<int>{GadgetAction});
    for (const auto& event : reported) {
        if (event->source == view) {
            EXPECT_EQ(StringOf(event->extra), Page("seite-zwei.html"));
        }
    }
    EXPECT_EQ(HTMLViewAddress(view), before);

    NavigateHTMLView(view, Page("seite-eins.html"));
    EXPECT_EQ(IdsOf(AwaitFrom(view, GadgetDone), view), std::vector<int>{GadgetDone});
    EXPECT_EQ(HTMLViewAddress(view), Page("seite-eins.html"));
}

TEST_F(HTMLViewTest, WithoutStyleBitTwoALinkTheUserFollowsLoads) {
    const auto view = View(0);
    ASSERT_EQ(PlatformUser()->FollowLink(view, Page("seite-zwei.html")), 1);
    EXPECT_EQ(IdsOf(AwaitFrom(view, GadgetDone), view), std::vector<int>{GadgetDone});
    EXPECT_EQ(HTMLViewAddress(view), Page("seite-zwei.html"));
}

TEST_F(HTMLViewTest, BackAndForwardWalkThePagesVisited) {
    const auto view = View(0);
    NavigateHTMLView(view, Page("seite-eins.html"));
    AwaitFrom(view, GadgetDone);
    NavigateHTMLView(view, Page("seite-zwei.html"));
    AwaitFrom(view, GadgetDone);
    HTMLViewBack(view);
    EXPECT_EQ(IdsOf(AwaitFrom(view, GadgetDone), view), std::vector<int>{GadgetDone});
    EXPECT_EQ(HTMLViewAddress(view), Page("seite-eins.html"));
    HTMLViewForward(view);
    EXPECT_EQ(IdsOf(AwaitFrom(view, GadgetDone), view), std::vector<int>{GadgetDone});
    EXPECT_EQ(HTMLViewAddress(view), Page("seite-zwei.html"));
    // Past the last page there is nowhere to go.
    HTMLViewForward(view);
    EXPECT_EQ(IdsOf(Collect(), view), std::vector<int>{});
    EXPECT_EQ(HTMLViewAddress(view), Page("seite-zwei.html"));
}

} // namespace
} // namespace vandro
