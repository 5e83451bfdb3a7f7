#pragma once

// Reads compiled Windows resources (the .res file windres writes from
// res/Kestrow.rc) into plain structures, without any Windows header, so that
// the in-memory test host builds its dialogs from the very templates the
// program ships. The readers of single resources take the bytes of one
// resource, as a .res record or a module's resource section holds them.

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace ui {

// Malformed or unexpected resource data; the message says where.
class ResError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The style bits the dialogs' behaviour depends on; the values are the platform's.
namespace style {
inline constexpr std::uint32_t kChild = 0x40000000;
inline constexpr std::uint32_t kVisible = 0x10000000;
inline constexpr std::uint32_t kDisabled = 0x08000000;
inline constexpr std::uint32_t kGroup = 0x00020000;
inline constexpr std::uint32_t kTabStop = 0x00010000;
inline constexpr std::uint32_t kSysMenu = 0x00080000;
inline constexpr std::uint32_t kReadOnly = 0x0800; // ES_READONLY
} // namespace style

struct ControlTemplate {
    int id = 0;
    // The predefined classes as "Button", "Edit", "Static", "ListBox",
    // "ScrollBar" and "ComboBox"; any other as written.
    std::string className;
    std::string text;
    // Set when the control names a resource instead of a text (icons).
    std::optional<int> imageId;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;

    bool Has(std::uint32_t bits) const { return (style & bits) == bits; }
};

struct DialogTemplate {
    int id = 0;
    bool extended = false;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    std::string caption;
    std::string fontFace;
    int fontSize = 0;
    // In template order, which is the tab order.
    std::vector<ControlTemplate> controls;

    bool Has(std::uint32_t bits) const { return (style & bits) == bits; }
    // The first control with the id, or null.
    const ControlTemplate* Find(int controlId) const;
};

struct IconImageEntry {
    int width = 0;
    int height = 0;
    int colorCount = 0;
    int bitCount = 0;
    std::uint32_t bytes = 0;
    int iconId = 0; // the RT_ICON resource holding the image
};

using DialogTemplates = std::map<int, DialogTemplate>;
using StringTable = std::map<int, std::string>;
using IconGroups = std::map<int, std::vector<IconImageEntry>>;

struct Resources {
    DialogTemplates dialogs;
    StringTable strings;
    IconGroups icons;
};

using Bytes = std::span<const std::uint8_t>;

// One resource's data. Texts are turned from UTF-16 into UTF-8.
DialogTemplate ReadDialogTemplate(int id, Bytes data);
// The sixteen strings of block `blockId` (ids (blockId - 1) * 16 and on); empty
// strings are absent.
StringTable ReadStringBlock(int blockId, Bytes data);
std::vector<IconImageEntry> ReadIconGroup(Bytes data);

// One record of a .res file: a resource's type, its name (a number, or
// else a text) and its data, which points into the file's bytes.
struct ResRecord {
    std::optional<int> type;
    std::optional<int> id;
    std::string name;
    Bytes data;
};
std::vector<ResRecord> ReadResRecords(Bytes file);

// Every dialog, string and icon group of a .res file; other resources are
// skipped. Dialogs, string blocks and icon groups must be named by number.
Resources ReadResFile(Bytes file);
Resources LoadResFile(const std::string& path);

enum class ControlKind {
    Edit,
    PushButton,
    DefPushButton,
    CheckBox,
    RadioButton,
    GroupBox,
    Static,
    Icon,
    Tab,
    Unknown,
};

ControlKind KindOf(const ControlTemplate& control);
inline bool IsVisible(const ControlTemplate& c) {
    return c.Has(style::kVisible);
}
inline bool IsEnabled(const ControlTemplate& c) {
    return !c.Has(style::kDisabled);
}
inline bool IsTabStop(const ControlTemplate& c) {
    return c.Has(style::kTabStop);
}
inline bool StartsGroup(const ControlTemplate& c) {
    return c.Has(style::kGroup);
}
inline bool IsReadOnly(const ControlTemplate& c) {
    return KindOf(c) == ControlKind::Edit && c.Has(style::kReadOnly);
}

} // namespace ui
