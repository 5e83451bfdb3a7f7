#include "tests/support/UiDriver.h"

namespace uitest {

std::vector<std::string> UiDriver::MessageTexts() const {
    std::vector<std::string> texts;
    for (const MessageBoxRecord& record : MessageBoxes())
        texts.push_back(record.text);
    return texts;
}

} // namespace uitest
