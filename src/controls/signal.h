#pragma once
#include <functional>
#include <map>

namespace pesavia {

// A list of observers. Slots are copied before a notification so that a slot may disconnect itself.
template <class... Args> class Signal {
public:
    using Slot = std::function<void(Args...)>;

    int connect(Slot slot) {
        const int id = ++lastId_;
        slots_.emplace(id, std::move(slot));
        return id;
    }
    void disconnect(int id) { slots_.erase(id); }
    void operator()(Args... args) const {
        const auto copy = slots_;
        for (const auto& [id, slot] : copy)
            slot(args...);
    }

private:
    std::map<int, Slot> slots_;
    int lastId_ = 0;
};

} // namespace pesavia
