// Scoped COM: an apartment entered for one task, and an owning interface pointer.
#pragma once
#include <windows.h>
#include <objbase.h>

// CoInitialize for the life of the object; CoUninitialize only when it succeeded.
class ScopedComApartment {
public:
    ScopedComApartment() : entered_(SUCCEEDED(CoInitialize(nullptr))) {}
    ScopedComApartment(const ScopedComApartment&) = delete;
    ScopedComApartment& operator=(const ScopedComApartment&) = delete;
    ~ScopedComApartment()
    {
        if (entered_) CoUninitialize();
    }
    bool Entered() const { return entered_; }

private:
    bool entered_;
};

// Owns one reference to a COM interface and releases it at the end of its scope.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr()
    {
        if (pointer_) pointer_->Release();
    }
    Interface* operator->() const { return pointer_; }
    Interface* Get() const { return pointer_; }
    Interface** Receive() { return &pointer_; }
    void** ReceiveVoid() { return reinterpret_cast<void**>(&pointer_); }

private:
    Interface* pointer_ = nullptr;
};
