#pragma once
#include "controls/desktop.h"

#include <functional>
#include <type_traits>
#include <utility>

namespace pesavia {

// Runs one event handler so that no exception reaches Qt's event loop: a pesavia::Error, or any other
// exception, stops the handler and is shown to the operator as an error message through the Desktop.
void RunGuarded(Desktop& desktop, const std::function<void()>& handler);

// Wraps a handler in RunGuarded. The wrapper takes any arguments (a Qt signal's, a model callback's) and
// passes them on, or drops them all when the handler takes none (a button's "checked").
template <class F> auto Guarded(Desktop& desktop, F handler) {
    return [&desktop, handler = std::move(handler)](auto&&... args) {
        RunGuarded(desktop, [&] {
            if constexpr (std::is_invocable_v<F&, decltype(args)...>)
                handler(std::forward<decltype(args)>(args)...);
            else
                handler();
        });
    };
}

} // namespace pesavia
