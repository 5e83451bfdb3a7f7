#include "MemoryUiDriver.h"

namespace uitest {

MemoryUiDriver::MemoryUiDriver() : m_host(ui::LoadResFile(KESTROW_RES_PATH)) {
    ui::SetHost(&m_host);
}

MemoryUiDriver::~MemoryUiDriver() {
    ui::SetHost(nullptr);
}

std::vector<MessageBoxRecord> MemoryUiDriver::MessageBoxes() const {
    std::vector<MessageBoxRecord> boxes;
    for (const auto& box : m_host.MessageBoxes())
        boxes.push_back({box.owner, box.text, box.caption});
    return boxes;
}

std::vector<EnableRecord> MemoryUiDriver::EnableLog() const {
    std::vector<EnableRecord> log;
    for (const auto& record : m_host.EnableLog())
        log.push_back({record.dialog, record.id, record.enabled});
    return log;
}

std::vector<PostedMessage> MemoryUiDriver::PostedMessages() {
    std::vector<PostedMessage> posted;
    for (const auto& message : m_host.PostedMessages())
        posted.push_back({message.target, message.message, message.wParam, message.lParam});
    return posted;
}

std::unique_ptr<UiDriver> MakeUiDriver() {
    return std::make_unique<MemoryUiDriver>();
}

bool CanShowWindows() {
    return true;
}

} // namespace uitest
