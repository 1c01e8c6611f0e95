#pragma once

#include <cstdlib>
#include <memory>

// xcb hands out replies, errors and lists that the caller frees with free().
struct FreeDeleter {
    void operator()(void *pointer) const { std::free(pointer); }
};

template<typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;
