#pragma once
// Holds one reference to a COM interface and releases it when it goes.
#include <unknwn.h>

namespace platform::win {

template <class Interface>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() { Reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    Interface* Get() const { return interface_; }
    Interface* operator->() const { return interface_; }
    explicit operator bool() const { return interface_ != nullptr; }

    // For a call that hands out a new reference: releases the one held and
    // gives the place to put the new one.
    Interface** Put() {
        Reset();
        return &interface_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

    // Gives the reference to the caller, who then releases it.
    Interface* Detach() {
        Interface* held = interface_;
        interface_ = nullptr;
        return held;
    }

    void Reset() {
        if (interface_ != nullptr) interface_->Release();
        interface_ = nullptr;
    }

private:
    Interface* interface_ = nullptr;
};

}  // namespace platform::win
