#pragma once
// How a property object tells its owner that it changed, so the chart can be
// marked for repainting.
#include <functional>
#include <utility>

class TChangeLink {
public:
    void SetOnChange(std::function<void()> handler) { handler_ = std::move(handler); }

protected:
    void Changed() const
    {
        if (handler_)
            handler_();
    }

private:
    std::function<void()> handler_;
};

// Stores value into a property field and notifies only when that changed it.
template <class T, class Notify>
void AssignAndNotify(T& field, const T& value, Notify notify)
{
    if (field != value) {
        field = value;
        notify();
    }
}
