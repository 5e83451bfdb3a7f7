#pragma once

#include "WalkPages.h"
#include "WalkStep.h"

#include <functional>
#include <string>
#include <vector>

namespace walk {

// What reading a page must show and where it must stop, worked out from the
// field texts alone. The number parsers and the evaluator are checked on their
// own; here they only tell which field a page has to reject.

struct ShownMessage {
    Role owner; // the top-level window: a page's boxes belong to the main window
    std::string text;
    std::string caption;
    bool operator==(const ShownMessage&) const = default;
};

struct Reading {
    std::vector<ShownMessage> messages;
    int rejectedField = 0; // 0: the page reads through
    bool numbersRead = true;
};

using TextOf = std::function<std::string(int id)>;

// The framework's reading of the number fields in exchange order, then, when
// asked, the expression rule on each expression field in evaluation order.
Reading ReadPage(const PageSpec& page, const TextOf& textOf, bool withExpressions);

// The text a number field shows after the page writes its member back.
std::string WrittenBack(const NumberField& field, const std::string& typed);

// The program's own message texts and their captions.
bool IsOwnMessage(const std::string& text);
const char* AppCaption();
const char* ClipboardBusyText();
std::string ShownText(const std::string& text); // quoted, abbreviated

} // namespace walk
