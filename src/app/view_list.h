#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "app/application.h"
#include "core/window.h"

namespace lwviz {

// The views a front-end has on the screen, one per shown window, in the order shown. Every
// front-end keeps the same bookkeeping, so it lives here once, over the front-end's view type.
template <typename View>
class ViewList {
public:
    ViewList() = default;
    ViewList(const ViewList&) = delete;
    ViewList& operator=(const ViewList&) = delete;
    ViewList(ViewList&&) = delete;
    ViewList& operator=(ViewList&&) = delete;
    // Dialogs before their owners.
    ~ViewList() { clear(); }

    // The view of a window while it is on the screen, else nullptr.
    [[nodiscard]] View* find(const Window& window) const {
        const std::size_t at = indexOf(window);
        return at == entries_.size() ? nullptr : entries_[at].view.get();
    }

    // Adds the view of a window just shown; returns it.
    View& add(const Window& window, std::unique_ptr<View> view) {
        entries_.push_back({&window, std::move(view)});
        return *entries_.back().view;
    }

    // Takes the view of an unloaded window off the list. `takeDown` hides or destroys it; then
    // the application keeps it until the next input, since the unload may run inside one of the
    // view's own widgets or messages.
    template <typename TakeDown>
    void retire(const Window& window, Application& app, TakeDown&& takeDown) {
        const std::size_t at = indexOf(window);
        if (at == entries_.size()) {
            return;
        }
        std::forward<TakeDown>(takeDown)(*entries_[at].view);
        app.retire(std::shared_ptr<View>(std::move(entries_[at].view)));
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(at));
    }

    // Whether any view answers to `matches`.
    template <typename Predicate>
    [[nodiscard]] bool any(Predicate&& matches) const {
        return std::any_of(entries_.begin(), entries_.end(),
                           [&matches](const Entry& entry) { return matches(*entry.view); });
    }

    template <typename Visit>
    void forEach(Visit&& visit) const {
        for (const Entry& entry : entries_) {
            visit(*entry.view);
        }
    }

    // Drops every view, the last shown first.
    void clear() {
        while (!entries_.empty()) {
            entries_.pop_back();
        }
    }

private:
    struct Entry {
        const Window* window;
        std::unique_ptr<View> view;
    };

    // The entry of a window, or the list's size when it has none.
    [[nodiscard]] std::size_t indexOf(const Window& window) const {
        const auto found =
            std::find_if(entries_.begin(), entries_.end(),
                         [&window](const Entry& entry) { return entry.window == &window; });
        return static_cast<std::size_t>(found - entries_.begin());
    }

    std::vector<Entry> entries_;
};

}  // namespace lwviz
