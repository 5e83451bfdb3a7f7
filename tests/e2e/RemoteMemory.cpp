#include "RemoteMemory.h"

namespace e2e {

RemoteMemory::RemoteMemory(DWORD processId, std::size_t size)
    : m_process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                            processId)) {
    if (m_process != nullptr)
        m_address =
            VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteMemory::~RemoteMemory() {
    if (m_address != nullptr)
        VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    if (m_process != nullptr)
        CloseHandle(m_process);
}

LPARAM RemoteMemory::Address(std::size_t offset) const {
    return reinterpret_cast<LPARAM>(static_cast<char*>(m_address) + offset);
}

bool RemoteMemory::Write(const void* data, std::size_t size, std::size_t offset) const {
    SIZE_T written = 0;
    return Valid() &&
           WriteProcessMemory(m_process, static_cast<char*>(m_address) + offset, data, size,
                              &written) &&
           written == size;
}

bool RemoteMemory::Read(void* data, std::size_t size, std::size_t offset) const {
    SIZE_T read = 0;
    return Valid() &&
           ReadProcessMemory(m_process, static_cast<char*>(m_address) + offset, data, size,
                             &read) &&
           read == size;
}

} // namespace e2e
