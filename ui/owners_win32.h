// Owners for the handles that must be given back: a GDI object is deleted and a
// registry key closed when its owner goes, on every path.
#pragma once

#include <windows.h>

#include <utility>

namespace ui {

template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // The object must not be selected into a DC when it is deleted here.
    void reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

class RegistryKey {
public:
    RegistryKey() = default;
    explicit RegistryKey(HKEY key) : key_(key) {}
    RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    RegistryKey& operator=(RegistryKey&& other) noexcept {
        if (this != &other) {
            close();
            key_ = std::exchange(other.key_, nullptr);
        }
        return *this;
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() { close(); }

    HKEY get() const { return key_; }
    // For RegOpenKeyExA and RegCreateKeyExA to fill in; any key held is closed first.
    HKEY* receive() {
        close();
        return &key_;
    }
    explicit operator bool() const { return key_ != nullptr; }

private:
    void close() {
        if (key_) RegCloseKey(key_);
        key_ = nullptr;
    }
    HKEY key_ = nullptr;
};

}  // namespace ui
