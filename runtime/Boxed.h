// Values that live in an Object slot: a string (an event's extra text) and arrays of
// strings or objects (a gadget's data source).
#pragma once

#include "Exceptions.h"

#include <vector>

namespace vandro {

class TStringObject : public TObject {
  public:
    explicit TStringObject(String value) : value(std::move(value)) {}
    String ToString() const override { return value; }
    int Compare(const TObject& other) const override;

    const String value;
};

inline Object Box(String text) { return New<TStringObject>(std::move(text)); }

// The text of an object that holds a string, else "".
String StringOf(const Object& o);

// A fixed-length array whose index is checked.
template <class T> class TArray : public TObject {
  public:
    TArray() = default;
    explicit TArray(std::size_t length) : elements(length) {}
    explicit TArray(std::vector<T> values) : elements(std::move(values)) {}

    int Length() const { return static_cast<int>(elements.size()); }
    T& operator[](int index) {
        Check(index);
        return elements[static_cast<std::size_t>(index)];
    }
    const T& operator[](int index) const {
        Check(index);
        return elements[static_cast<std::size_t>(index)];
    }

    std::vector<T> elements;

  private:
    void Check(int index) const {
        if (index < 0 || index >= Length())
            throw TArrayBoundsException();
    }
};

using TStringArray = TArray<String>;
using TObjectArray = TArray<Object>;

} // namespace vandro
