// The root of every shared object: an intrusive reference count, the type test, and the
// counters that let tests prove that nothing of a torn-down structure stays alive.
#pragma once

#include <cstddef>
#include <string>
#include <type_traits>
#include <utility>

namespace vandro {

using String = std::u16string;

// Raises TNullObjectException; kept out of line so that Ref stays small.
[[noreturn]] void ThrowNullObject();

class TObject {
  public:
    TObject();
    TObject(const TObject&);
    TObject& operator=(const TObject&) { return *this; }
    virtual ~TObject();

    virtual String ToString() const;
    // Ordering for ordered maps; the base orders by identity.
    virtual int Compare(const TObject& other) const;

    // Neither throws: a destructor does not, and callers then need no unwinding path around them.
    void AddRef() const noexcept { ++refs_; }
    void Release() const noexcept {
        if (--refs_ == 0)
            delete this;
    }
    int RefCount() const { return refs_; }

    static void* operator new(std::size_t size);
    static void operator delete(void* p, std::size_t size);

    static long LiveObjects();
    static long long LiveBytes();

  private:
    mutable int refs_ = 0;
};

// A counted reference. Reaching through a null reference raises TNullObjectException.
template <class T> class Ref {
  public:
    Ref() = default;
    Ref(std::nullptr_t) {}
    Ref(T* p) : p_(p) { Grab(); }
    Ref(const Ref& o) : p_(o.p_) { Grab(); }
    Ref(Ref&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    Ref(const Ref<U>& o) : p_(o.get()) {
        Grab();
    }
    ~Ref() { Drop(); }

    Ref& operator=(const Ref& o) {
        Ref(o).swap(*this);
        return *this;
    }
    Ref& operator=(Ref&& o) noexcept {
        Ref(std::move(o)).swap(*this);
        return *this;
    }
    void swap(Ref& o) noexcept { std::swap(p_, o.p_); }

    T* get() const noexcept { return p_; }
    // Inlined, a call through a reference needs no unwinding path of its own: only the null
    // case throws.
    [[gnu::always_inline]] T* operator->() const {
        if (!p_)
            ThrowNullObject();
        return p_;
    }
    [[gnu::always_inline]] T& operator*() const { return *operator->(); }
    explicit operator bool() const { return p_ != nullptr; }

    template <class U> bool operator==(const Ref<U>& o) const {
        return static_cast<const void*>(p_) == static_cast<const void*>(o.get());
    }
    bool operator==(std::nullptr_t) const { return p_ == nullptr; }
    bool operator==(const T* o) const { return p_ == o; }

  private:
    void Grab() noexcept {
        if (p_)
            p_->AddRef();
    }
    void Drop() noexcept {
        if (p_)
            std::exchange(p_, nullptr)->Release();
    }
    T* p_ = nullptr;
};

template <class T, class... A> Ref<T> New(A&&... args) {
    return Ref<T>(new T(std::forward<A>(args)...));
}

// The type test: the object when its class is T or derives from it, null otherwise.
template <class T, class U> Ref<T> Cast(const Ref<U>& o) {
    return Ref<T>(dynamic_cast<T*>(o.get()));
}

using Object = Ref<TObject>;

} // namespace vandro
