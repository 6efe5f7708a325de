#include "RaisedText.h"
#include "RecordingGadget.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetCore.h"

#include <gtest/gtest.h>

using namespace vandro;

namespace {

std::vector<String> journal;

void RecordFreed(const Ref<TGadget>& gadget) {
    auto recording = Cast<TRecordingGadget>(gadget);
    journal.push_back(u"freed " + (recording ? recording->label : u"?"));
}

class Tree : public testing::Test {
  protected:
    static void SetUpTestSuite() { StartGadgetCore(); }
    void SetUp() override { journal.clear(); }
    void TearDown() override {
        SetGadgetFreedHook({});
        for (int button = 1; button <= 3; ++button)
            SetDragSource(button, nullptr);
    }

    Ref<TRecordingGadget> Make(const char16_t* label, const Ref<TGadget>& group = nullptr,
                               int index = -1) {
        auto gadget = New<TRecordingGadget>(label, &journal);
        if (group)
            gadget->_setparent(group, index);
        return gadget;
    }

    static String Labels(const TGadget& group) {
        String out;
        for (const auto& kid : *group.kids) {
            auto recording = Cast<TRecordingGadget>(kid);
            out += (out.empty() ? u"" : u",") + (recording ? recording->label : u"?");
        }
        return out;
    }
};

class TCard : public TObject {
  public:
    Ref<TGadget> button;
};

} // namespace

TEST_F(Tree, ANewGadgetHasTheDefaultsOfItsFields) {
    TGadget g;
    EXPECT_EQ(g.source, nullptr);
    EXPECT_EQ(g.parent, nullptr);
    ASSERT_TRUE(g.kids);
    EXPECT_TRUE(g.kids->IsEmpty());
    EXPECT_EQ(g.total, 1);
    EXPECT_EQ(g.visible + g.style + g.sensitivity + g.lockl + g.lockcw + g.lockch, 0);
    EXPECT_TRUE(g.eventfilter.IsNull());
    EXPECT_TRUE(g.items.IsEmpty());
}

TEST_F(Tree, SetParentPutsIndexZeroFirstAndAppendsPastTheEndOrBelowZero) {
    auto group = Make(u"group");
    Make(u"a", group);
    Make(u"b", group);
    Make(u"c", group);
    Make(u"first", group, 0);
    Make(u"third", group, 2);
    Make(u"end", group, 6);
    Make(u"atCount", group, 6);
    Make(u"negative", group, -5);
    EXPECT_EQ(Labels(*group), u"first,a,third,b,c,end,atCount,negative");
}

TEST_F(Tree, SetParentLeavesTheOldGroupFirst) {
    auto one = Make(u"one");
    auto two = Make(u"two");
    auto a = Make(u"a", one);
    auto b = Make(u"b", one);
    b->_setparent(one, 0);
    EXPECT_EQ(Labels(*one), u"b,a");
    a->_setparent(two, -1);
    EXPECT_EQ(Labels(*one), u"b");
    EXPECT_EQ(Labels(*two), u"a");
    EXPECT_EQ(a->GetGroup(), two);
    b->_setparent(nullptr, -1);
    EXPECT_TRUE(one->kids->IsEmpty());
    EXPECT_EQ(b->parent, nullptr);
}

TEST_F(Tree, AGadgetCannotBePlacedInsideItself) {
    auto top = Make(u"top");
    auto child = Make(u"child", top);
    auto grandchild = Make(u"grandchild", child);
    EXPECT_EQ(RaisedText([&] { top->_setparent(grandchild, -1); }),
              u"A gadget cannot be placed inside itself");
    EXPECT_EQ(RaisedText([&] { top->_setparent(top, 0); }),
              u"A gadget cannot be placed inside itself");
    EXPECT_EQ(top->parent, nullptr);
    EXPECT_EQ(Labels(*child), u"grandchild");
}

TEST_F(Tree, HasDescendantSearchesTheWholeSubtree) {
    auto top = Make(u"top");
    auto child = Make(u"child", top);
    auto grandchild = Make(u"grandchild", child);
    top->kids->AddFirst(Box(u"not a gadget"));
    EXPECT_EQ(top->HasDescendant(top), 1);
    EXPECT_EQ(top->HasDescendant(grandchild), 1);
    EXPECT_EQ(child->HasDescendant(top), 0);
    EXPECT_EQ(top->HasDescendant(Make(u"elsewhere")), 0);
    EXPECT_EQ(top->HasDescendant(nullptr), 0);
}

TEST_F(Tree, AGroupThatDiesFirstClearsItsChildrensParent) {
    const long before = TObject::LiveObjects();
    auto group = Make(u"group");
    auto child = Make(u"child", group);
    group = nullptr;
    EXPECT_EQ(child->parent, nullptr);
    EXPECT_EQ(child->GetGroup(), nullptr);
    child = nullptr;
    EXPECT_EQ(TObject::LiveObjects(), before);
}

TEST_F(Tree, CleanUpFreesChildrenBeforeTheirParentInOrder) {
    SetGadgetFreedHook(RecordFreed);
    auto window = Make(u"window");
    auto top = Make(u"top", window);
    auto a = Make(u"a", top);
    Make(u"a1", a);
    Make(u"a2", a);
    Make(u"b", top);
    top->CleanUp();
    EXPECT_EQ(journal,
              (std::vector<String>{u"a1.Free", u"freed a1", u"a2.Free", u"freed a2", u"a.Free",
                                   u"freed a", u"b.Free", u"freed b", u"top.Free", u"freed top"}));
    EXPECT_TRUE(window->kids->IsEmpty());
    EXPECT_TRUE(a->kids->IsEmpty());
    EXPECT_EQ(a->parent, nullptr);
}

TEST_F(Tree, CleanUpClearsTheTreeHooksAndItemsButKeepsTheDataSource) {
    auto group = Make(u"group");
    auto g = Make(u"g", group);
    Make(u"kid", g);
    auto proxy = Make(u"proxy");
    g->source = proxy.get();
    g->extra = Box(u"extra");
    g->SetFilter([](const Ref<TEvent>&, const Object&) { return 1; }, Box(u"context"));
    g->InsertItem(0, u"a", u"", 0, nullptr, 0);
    g->arrPrevSelection = {0};
    auto source = Box(u"source");
    g->datasource = source;
    g->datakeys = {u"a"};
    SetDragSource(1, g);
    SetDragSource(2, group);
    SetDragSource(3, g);

    g->CleanUp();
    EXPECT_TRUE(g->kids->IsEmpty());
    EXPECT_EQ(g->parent, nullptr);
    EXPECT_EQ(g->extra, nullptr);
    EXPECT_EQ(g->context, nullptr);
    EXPECT_TRUE(g->eventfilter.IsNull());
    EXPECT_TRUE(g->items.IsEmpty());
    EXPECT_EQ(DragSource(1), nullptr);
    EXPECT_EQ(DragSource(2), group);
    EXPECT_EQ(DragSource(3), nullptr);
    EXPECT_EQ(g->source, proxy.get());
    EXPECT_EQ(g->datasource, source);
    EXPECT_EQ(g->datakeys, (std::vector<String>{u"a"}));
    EXPECT_EQ(g->arrPrevSelection, (std::vector<int>{0}));
    EXPECT_TRUE(group->kids->IsEmpty());
}

TEST_F(Tree, CleanUpLeavesTheGroupEvenWhereFreeDoesNot) {
    auto group = Make(u"group");
    auto plain = New<TGadget>();
    plain->_setparent(group, -1);
    plain->CleanUp();
    EXPECT_TRUE(group->kids->IsEmpty());
    EXPECT_EQ(plain->parent, nullptr);
}

TEST_F(Tree, ACleanedUpGadgetGoesWithItsLastOutsideReference) {
    const long before = TObject::LiveObjects();
    {
        auto window = Make(u"window");
        auto button = Make(u"button", window);
        // The card and its button hold each other through the button's extra.
        auto card = New<TCard>();
        card->button = button;
        button->extra = card;
        button->InsertItem(0, u"item", u"", 0, card, 0);
        window->CleanUp();
        card = nullptr;
        EXPECT_EQ(button->RefCount(), 1);
    }
    EXPECT_EQ(TObject::LiveObjects(), before);
}

TEST_F(Tree, FreeOnItsOwnTouchesNeitherChildrenNorFields) {
    SetGadgetFreedHook(RecordFreed);
    auto group = Make(u"group");
    auto g = Make(u"g", group);
    Make(u"kid", g);
    g->extra = Box(u"extra");
    SetDragSource(1, g);
    g->Free();
    EXPECT_EQ(journal, (std::vector<String>{u"g.Free"}));
    EXPECT_TRUE(group->kids->IsEmpty());
    EXPECT_EQ(Labels(*g), u"kid");
    EXPECT_EQ(StringOf(g->extra), u"extra");
    EXPECT_EQ(DragSource(1), g);
}

TEST_F(Tree, TheFilterIsStoredAndNeverCalledByTheCore) {
    static int calls = 0;
    auto g = Make(u"g");
    const EventFilter filter = [](const Ref<TEvent>&, const Object&) { return ++calls; };
    auto context = Box(u"context");
    EXPECT_EQ(g->SetFilter(filter, context), 0);
    g->InsertItem(0, u"a", u"", 0, nullptr, ItemFlagSelect);
    g->SetShape(1, 2, 3, 4);
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(g->eventfilter == filter);
    EXPECT_EQ(g->context, context);
    g->SetFilter({}, nullptr);
    EXPECT_THROW(g->eventfilter(CreateEvent(KeyDown), nullptr), TNullFunctionException);
}

TEST_F(Tree, ThePlatformOperationsOfTheBaseAnswerNothing) {
    auto g = New<TGadget>();
    EXPECT_EQ(g->Class() + g->State() + g->Query(1) + g->ClientWidth() + g->Free(), 0);
    EXPECT_EQ(g->GetText() + g->GetTooltip() + g->GetStatusText() + g->Run(u"x") +
                  g->AreaText(0, 1, 0),
              u"");
    EXPECT_EQ(g->GetMenu(), nullptr);
    EXPECT_EQ(g->InsertNode(0, u"node", 0), nullptr);
    EXPECT_EQ(g->AttachGraphics(0), nullptr);
    EXPECT_EQ(g->Handle(), g);
    EXPECT_EQ(g->SetSensitivity(3), 0);
    EXPECT_EQ(g->GetSensitivity(), 3);
}

TEST_F(Tree, TheCoreStartsOnceWithItsBlankGadgetAndTheDragEventNames) {
    const Ref<TGadget> blank = BlankGadget();
    ASSERT_TRUE(blank);
    StartGadgetCore();
    EXPECT_EQ(BlankGadget(), blank);
    EXPECT_EQ(TEvent::DescriptionForId(GadgetDrag), u"GadgetDrag");
    EXPECT_EQ(TEvent::DescriptionForId(GadgetDrop), u"GadgetDrop");
}

TEST_F(Tree, TheDragSourceTableHasOneSlotPerMouseButton) {
    auto g = Make(u"g");
    SetDragSource(2, g);
    EXPECT_EQ(DragSource(1), nullptr);
    EXPECT_EQ(DragSource(2), g);
    EXPECT_EQ(DragSource(0), nullptr);
    EXPECT_EQ(DragSource(4), nullptr);
    EXPECT_EQ(RaisedText([&] { SetDragSource(4, g); }), u"Drag source button must be 1, 2 or 3");
    EXPECT_THROW(SetDragSource(0, g), TRuntimeException);
}
