// The HTML view alike on every platform: a navigation raises nothing inside the call; its status
// is the busy bit alone, whether the view is shown or enabled; style bit 2 reports a link the
// user follows instead of loading it, while the program's own navigations go through, and
// without it the link is followed unreported. (Wine's
// browser has no document engine here and finishes no load, so the loads themselves are the
// platforms' own tests.)
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

    // Whether the address is the page's, in the platform's way of writing file addresses.
    static bool Names(const String& address, const std::string& page) {
        const String name(page.begin(), page.end());
        return address.size() > name.size() &&
               address.compare(address.size() - name.size(), name.size(), name) == 0 &&
               (address[address.size() - name.size() - 1] == u'/' ||
                address[address.size() - name.size() - 1] == u'\\');
    }

    // A view whose first blank page (if the platform loads one) is done: the view is busy until
    // then, for longer than a while on a busy machine.
    Ref<TGadget> View(int style) {
        const auto view = CreateHTMLView(0, 0, 300, 200, window, style);
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        do
            Collect();
        while ((HTMLViewStatus(view) & 1) && std::chrono::steady_clock::now() < until);
        return view;
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

TEST_F(HTMLViewTest, NothingIsRaisedInsideANavigationAndTheStatusIsTheBusyBitAlone) {
    const auto view = View(0);
    HideGadget(view);
    DisableGadget(view);
    EXPECT_EQ(HTMLViewStatus(view), 0);
    EXPECT_EQ(PlatformUser()->ShownState(view), StateHidden | StateDisabled);
    // The program sees a load finish from its loop, never inside the call.
    EXPECT_EQ(EmittedDuring([&] { NavigateHTMLView(view, Page("seite-eins.html")); }),
              std::vector<int>{});
    EXPECT_EQ(HTMLViewStatus(view) & ~1, 0);
    Collect();
    EXPECT_TRUE(Names(HTMLViewAddress(view), "seite-eins.html"));
    EXPECT_EQ(HTMLViewStatus(view) & ~1, 0);
}

TEST_F(HTMLViewTest, StyleBitTwoReportsALinkTheUserFollowsAndLetsTheProgramsOwnThrough) {
    const auto view = View(HTMLViewBlockNavigation);
    const String before = HTMLViewAddress(view);
    ASSERT_EQ(PlatformUser()->FollowLink(view, Page("seite-zwei.html")), 1);
    const auto reported = Collect();
    ASSERT_EQ(IdsOf(reported, view), std::vector<int>{GadgetAction});
    for (const auto& event : reported) {
        if (event->source == view) {
            EXPECT_TRUE(Names(StringOf(event->extra), "seite-zwei.html"));
        }
    }
    EXPECT_EQ(HTMLViewAddress(view), before);

    EXPECT_EQ(EmittedDuring([&] { NavigateHTMLView(view, Page("seite-eins.html")); }),
              std::vector<int>{});
    for (const auto& event : Collect())
        EXPECT_NE(event->id, GadgetAction) << "the program's own navigation is not reported";
    EXPECT_TRUE(Names(HTMLViewAddress(view), "seite-eins.html"));
}

TEST_F(HTMLViewTest, WithoutStyleBitTwoALinkTheUserFollowsIsNotReported) {
    const auto view = View(0);
    ASSERT_EQ(PlatformUser()->FollowLink(view, Page("seite-zwei.html")), 1);
    for (const auto& event : Collect())
        EXPECT_NE(event->id, GadgetAction);
    EXPECT_TRUE(Names(HTMLViewAddress(view), "seite-zwei.html"));
    HideGadget(view);
    EXPECT_EQ(PlatformUser()->FollowLink(view, Page("seite-eins.html")), 0);
}

} // namespace
} // namespace vandro
