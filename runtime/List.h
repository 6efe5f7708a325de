// A doubly linked list of objects. Elements are found by identity; iteration is in order.
#pragma once

#include "Object.h"

#include <vector>

namespace vandro {

class TList : public TObject {
  public:
    struct Link {
        Object value;
        Link* prev = nullptr;
        Link* next = nullptr;
    };

    class Iterator {
      public:
        explicit Iterator(const Link* link) : link_(link) {}
        const Object& operator*() const { return link_->value; }
        Iterator& operator++() {
            link_ = link_->next;
            return *this;
        }
        bool operator!=(const Iterator& o) const { return link_ != o.link_; }

      private:
        const Link* link_;
    };

    TList() = default;
    TList(const TList&) = delete;
    ~TList() override;

    Link* AddLast(Object value);
    Link* AddFirst(Object value);
    // Inserts in front of an element of this list; a null link appends.
    Link* InsertBeforeLink(Object value, Link* before);
    // The first element that is this object, or null.
    Link* FindLink(const Object& value) const;
    Link* FirstLink() const { return first_; }
    Link* LastLink() const { return last_; }
    // Removes the first element that is this object; answers whether there was one.
    bool Remove(const Object& value);
    void RemoveLink(Link* link);
    void Clear();

    int Count() const { return count_; }
    bool IsEmpty() const { return count_ == 0; }
    bool Contains(const Object& value) const { return FindLink(value) != nullptr; }
    // Raises "List index out of range" outside 0 .. Count() - 1.
    Object ValueAtIndex(int index) const;
    Link* LinkAtIndex(int index) const;
    Ref<TList> Copy() const;
    std::vector<Object> ToArray() const;

    Iterator begin() const { return Iterator(first_); }
    Iterator end() const { return Iterator(nullptr); }

  private:
    Link* first_ = nullptr;
    Link* last_ = nullptr;
    int count_ = 0;
};

} // namespace vandro
