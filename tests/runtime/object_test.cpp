#include "runtime/Boxed.h"
#include "runtime/Function.h"

#include <gtest/gtest.h>

using namespace vandro;

namespace {

class TShape : public TObject {};
class TCircle : public TShape {
  public:
    explicit TCircle(bool* gone = nullptr) : gone(gone) {}
    ~TCircle() override {
        if (gone)
            *gone = true;
    }
    int radius = 3;
    bool* gone;
};

template <class F> String TextOf(F raise) {
    try {
        raise();
    } catch (const TKestrelException& e) {
        return e.ToString();
    }
    return u"(nothing raised)";
}

} // namespace

TEST(Objects, ReleasedWithTheLastReference) {
    bool gone = false;
    {
        Ref<TCircle> a = New<TCircle>(&gone);
        Ref<TShape> b = a;
        EXPECT_EQ(a->RefCount(), 2);
        a = nullptr;
        EXPECT_FALSE(gone);
    }
    EXPECT_TRUE(gone);
}

TEST(Objects, LiveCountAndBytesReturnToTheirStart) {
    const long objects = TObject::LiveObjects();
    const long long bytes = TObject::LiveBytes();
    {
        auto a = New<TCircle>();
        auto b = Box(u"text");
        EXPECT_EQ(TObject::LiveObjects(), objects + 2);
        EXPECT_GE(TObject::LiveBytes(), bytes + static_cast<long long>(sizeof(TCircle)));
    }
    EXPECT_EQ(TObject::LiveObjects(), objects);
    EXPECT_EQ(TObject::LiveBytes(), bytes);
}

TEST(Objects, TypeTestAnswersTheObjectOrNull) {
    Ref<TShape> shape = New<TCircle>();
    EXPECT_EQ(Cast<TCircle>(shape), shape);
    EXPECT_EQ(Cast<TShape>(shape), shape);
    EXPECT_EQ(Cast<TCircle>(Ref<TShape>(New<TShape>())), nullptr);
    EXPECT_EQ(Cast<TCircle>(Ref<TShape>()), nullptr);
    EXPECT_EQ(Cast<TStringObject>(Object(shape)), nullptr);
}

TEST(Objects, ReachingThroughNullRaises) {
    Ref<TCircle> none;
    EXPECT_EQ(TextOf([&] { (void)none->radius; }),
              u"Attempt to access field or method of Null object");
    EXPECT_THROW((void)*none, TNullObjectException);
}

TEST(Objects, BoxedStringsAndArrays) {
    Object text = Box(u"Grösse");
    EXPECT_EQ(StringOf(text), u"Grösse");
    EXPECT_EQ(text->ToString(), u"Grösse");
    EXPECT_EQ(StringOf(New<TCircle>()), u"");
    EXPECT_EQ(StringOf(Object()), u"");
    EXPECT_LT(Box(u"a")->Compare(*Box(u"b")), 0);
    EXPECT_EQ(Box(u"a")->Compare(*Box(u"a")), 0);

    TStringArray words(2);
    EXPECT_EQ(words[0], u"");
    words[1] = u"zwei";
    EXPECT_EQ(words.Length(), 2);
    EXPECT_EQ(TextOf([&] { words[2] = u"drei"; }),
              u"Attempt to index array element beyond array length");
    EXPECT_THROW(words[-1], TArrayBoundsException);
    TObjectArray empty;
    EXPECT_EQ(empty.Length(), 0);
}

TEST(Functions, TheNullFunctionRaisesAndComparesEqualToItself) {
    Function<int(int)> none;
    EXPECT_TRUE(none.IsNull());
    EXPECT_EQ(TextOf([&] { none(1); }), u"Attempt to call uninitialized function pointer");
    Function<int(int)> twice = [](int v) { return 2 * v; };
    EXPECT_EQ(twice(21), 42);
    EXPECT_FALSE(twice == none);
    EXPECT_TRUE(twice == twice);
}

TEST(Exceptions, FixedTexts) {
    EXPECT_EQ(TNullMethodException().ToString(), u"Attempt to call abstract method");
    EXPECT_EQ(TOutOfDataException().ToString(), u"Attempt to read beyond end of data");
    EXPECT_EQ(TextOf([] { AbstractMethod(); }), u"Attempt to call abstract method");
    EXPECT_EQ(TextOf([] { RuntimeError(u"Too many hook ids"); }), u"Too many hook ids");
    EXPECT_EQ(TRuntimeException::Create(u"x").error, u"x");
    EXPECT_THROW(RuntimeError(u"x"), TRuntimeException);
}
