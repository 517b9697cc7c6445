#pragma once

#include <cstdlib>
#include <memory>

namespace lwviz::qt {

// An xcb reply, which the caller frees with free().
struct FreeReply {
    void operator()(void* reply) const noexcept { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

}  // namespace lwviz::qt
