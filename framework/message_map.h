#pragma once
// Message maps: each class that handles messages lists them in one table, message (or range of
// messages) to handler. A message walks the class's table, then the table of the nearest base
// class that has one, up to the root's; the first handler that takes it ends the walk.

#include <windows.h>

#include <cstddef>
#include <type_traits>

#include "framework/messages.h"

template <class Target>
struct TMessageEntry {
    UINT first;
    UINT last;
    // Answers whether the message was taken; false passes it on to the next entry.
    bool (*handle)(Target& target, TMessage& m);
};

template <class Target>
struct TMessageMap {
    const TMessageMap* base;
    const TMessageEntry<Target>* entries;
    size_t count;

    template <size_t N>
    constexpr TMessageMap(const TMessageMap* baseMap, const TMessageEntry<Target> (&table)[N])
        : base(baseMap), entries(table), count(N) {}
};

// Answers whether a handler of the map or of its bases took the message.
template <class Target>
bool WalkMessageMap(const TMessageMap<Target>& map, Target& target, TMessage& m) {
    for (const TMessageMap<Target>* level = &map; level; level = level->base)
        for (size_t i = 0; i < level->count; ++i) {
            const TMessageEntry<Target>& e = level->entries[i];
            if (m.msg >= e.first && m.msg <= e.last && e.handle(target, m))
                return true;
        }
    return false;
}

template <class Handler>
struct MessageHandlerClass;
template <class T>
struct MessageHandlerClass<bool (T::*)(TMessage&)> {
    using type = T;
};

// Calls the handler of an entry: a member of the class whose map holds the entry (the walk
// reaches a class's map only for objects of that class, so the cast down is sound), or a
// function given the target.
template <class Target, auto Handler>
bool CallMessageHandler(Target& target, TMessage& m) {
    if constexpr (std::is_member_function_pointer_v<decltype(Handler)>) {
        using T = typename MessageHandlerClass<decltype(Handler)>::type;
        return (static_cast<T&>(target).*Handler)(m);
    } else {
        return Handler(target, m);
    }
}

template <class Target, auto Handler>
constexpr TMessageEntry<Target> MessageEntry(UINT first, UINT last) {
    return {first, last, &CallMessageHandler<Target, Handler>};
}

// Which base class's map a class's map chains to. Every class with a map declares a tag
// function that only argument-dependent lookup finds (a hidden friend) and that refuses a query
// about the class itself; of its bases' tags, overload resolution picks the most derived one.
template <class T>
struct TMessageMapQuery {};
template <class Owner>
struct TMessageMapExcept {
    template <class T, std::enable_if_t<!std::is_same_v<T, Owner>, int> = 0>
    TMessageMapExcept(TMessageMapQuery<T>) {}
};
template <class Class>
using MappedBaseOf =
    std::remove_pointer_t<decltype(MessageMapTag(static_cast<Class*>(nullptr), TMessageMapQuery<Class>{}))>;
