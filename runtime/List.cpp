#include "List.h"

#include "Exceptions.h"

namespace vandro {

TList::~TList() { Clear(); }

TList::Link* TList::AddLast(Object value) { return InsertBeforeLink(std::move(value), nullptr); }

TList::Link* TList::AddFirst(Object value) { return InsertBeforeLink(std::move(value), first_); }

TList::Link* TList::InsertBeforeLink(Object value, Link* before) {
    auto* link = new Link{std::move(value), before ? before->prev : last_, before};
    (link->prev ? link->prev->next : first_) = link;
    (before ? before->prev : last_) = link;
    ++count_;
    return link;
}

TList::Link* TList::FindLink(const Object& value) const {
    for (Link* l = first_; l; l = l->next)
        if (l->value == value)
            return l;
    return nullptr;
}

bool TList::Remove(const Object& value) {
    Link* link = FindLink(value);
    if (link)
        RemoveLink(link);
    return link != nullptr;
}

void TList::RemoveLink(Link* link) {
    (link->prev ? link->prev->next : first_) = link->next;
    (link->next ? link->next->prev : last_) = link->prev;
    --count_;
    // The value may be what keeps this list alive: release it after the list is consistent.
    Object value = std::move(link->value);
    delete link;
}

void TList::Clear() {
    while (first_)
        RemoveLink(first_);
}

TList::Link* TList::LinkAtIndex(int index) const {
    if (index < 0 || index >= count_)
        RuntimeError(u"List index out of range");
    Link* l = first_;
    while (index--)
        l = l->next;
    return l;
}

Object TList::ValueAtIndex(int index) const { return LinkAtIndex(index)->value; }

Ref<TList> TList::Copy() const {
    auto copy = New<TList>();
    for (const auto& value : *this)
        copy->AddLast(value);
    return copy;
}

std::vector<Object> TList::ToArray() const {
    std::vector<Object> out;
    out.reserve(static_cast<std::size_t>(count_));
    for (const auto& value : *this)
        out.push_back(value);
    return out;
}

} // namespace vandro
