#pragma once

#include <functional>

// Escape, taken from every application while work runs that the user may want to stop although
// nothing of ours on screen has the keys. Presses come back on the main thread.
class CancelKeyService
{
public:
    virtual ~CancelKeyService() = default;

    // Until release(), Escape calls onPressed. False when another program holds the key.
    virtual bool hold() = 0;
    virtual void release() = 0;

    std::function<void()> onPressed = [] {};
};
