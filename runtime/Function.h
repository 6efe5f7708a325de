// A function value: a plain function pointer, compared by identity. The null function
// raises TNullFunctionException when called; callers compare against it before calling.
#pragma once

#include "Exceptions.h"

#include <type_traits>

namespace vandro {

template <class Signature> class Function;

template <class R, class... A> class Function<R(A...)> {
  public:
    using Pointer = R (*)(A...);

    Function() = default;
    Function(Pointer fn) : fn_(fn) {}
    // Lambdas without captures.
    template <class F, class = std::enable_if_t<std::is_convertible_v<F, Pointer>>>
    Function(F fn) : fn_(fn) {}

    R operator()(A... args) const {
        if (!fn_)
            throw TNullFunctionException();
        return fn_(args...);
    }

    bool IsNull() const { return fn_ == nullptr; }
    bool operator==(const Function& o) const { return fn_ == o.fn_; }

  private:
    Pointer fn_ = nullptr;
};

} // namespace vandro
