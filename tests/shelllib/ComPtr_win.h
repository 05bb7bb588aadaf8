#pragma once
// Holds one reference to a COM interface and releases it when it goes.
#include <unknwn.h>

namespace fq::test {

template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* Get() const { return interface_; }
    Interface* operator->() const { return interface_; }
    explicit operator bool() const { return interface_ != nullptr; }

    // For a call that hands out a new reference.
    Interface** Put() {
        Reset();
        return &interface_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

    void Reset() {
        if (interface_ != nullptr) interface_->Release();
        interface_ = nullptr;
    }

private:
    Interface* interface_ = nullptr;
};

}  // namespace fq::test
