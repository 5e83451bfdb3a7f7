#pragma once

#include <windows.h>

#include <cstddef>

namespace e2e {

// A block of memory inside another process, for control messages whose lParam
// points to a structure: Wine passes such pointers on unchanged, so they must be
// valid in the receiving process.
class RemoteMemory {
public:
    RemoteMemory(DWORD processId, std::size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    bool Valid() const { return m_address != nullptr; }
    // The block's address in the other process.
    LPARAM Address(std::size_t offset = 0) const;
    bool Write(const void* data, std::size_t size, std::size_t offset = 0) const;
    bool Read(void* data, std::size_t size, std::size_t offset = 0) const;

private:
    HANDLE m_process = nullptr;
    void* m_address = nullptr;
};

} // namespace e2e
