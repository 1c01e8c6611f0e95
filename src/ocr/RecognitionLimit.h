#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>

// How a recognition may be stopped: by whoever asked for it, at any time and from any thread,
// and by a deadline. Recognition checks it between lines and inside the engine's own loops.
struct RecognitionLimit {
    enum class Reached { no, cancelled, deadline };

    std::shared_ptr<std::atomic<bool>> cancelled; // none: only the deadline stops it
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();

    static RecognitionLimit within(std::chrono::milliseconds budget)
    {
        return {std::make_shared<std::atomic<bool>>(false), std::chrono::steady_clock::now() + budget};
    }

    void cancel() const
    {
        if (cancelled)
            cancelled->store(true);
    }

    Reached reached() const
    {
        if (cancelled && cancelled->load())
            return Reached::cancelled;
        return std::chrono::steady_clock::now() >= deadline ? Reached::deadline : Reached::no;
    }

    bool operator==(const RecognitionLimit &) const = default;
};

// Thrown by recognition that stopped at its limit; the result says which.
class RecognitionStopped : public std::runtime_error
{
public:
    explicit RecognitionStopped(RecognitionLimit::Reached why)
        : std::runtime_error("recognition stopped")
        , reason(why)
    {
    }
    const RecognitionLimit::Reached reason;
};
