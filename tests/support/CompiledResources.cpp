#include "tests/support/CompiledResources.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <utility>

namespace ui {
namespace {

constexpr int kRtDialog = 5;
constexpr int kRtString = 6;
constexpr int kRtGroupIcon = 14;

constexpr std::uint32_t kDsSetFont = 0x40;
constexpr std::uint32_t kButtonTypeMask = 0x0F;
constexpr std::uint32_t kStaticTypeMask = 0x1F;
constexpr std::uint32_t kSsIcon = 0x03;

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char l, char r) {
               return std::toupper(static_cast<unsigned char>(l)) ==
                      std::toupper(static_cast<unsigned char>(r));
           });
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string Utf8FromUtf16(const std::vector<std::uint16_t>& units) {
    constexpr std::uint32_t kReplacement = 0xFFFD;
    std::string text;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const std::uint32_t unit = units[i];
        const bool high = unit >= 0xD800 && unit < 0xDC00;
        const bool low = unit >= 0xDC00 && unit < 0xE000;
        if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
            AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else {
            AppendUtf8(text, high || low ? kReplacement : unit);
        }
    }
    return text;
}

// A resource's name or a name-or-number field of a template: 0xFFFF and a
// number, or a zero-terminated UTF-16 text.
struct NameOrNumber {
    std::optional<int> number;
    std::string name;
};

// Little-endian reads within one piece of resource data; running past its end
// is a ResError that names the piece and the place.
class Reader {
public:
    Reader(Bytes data, std::string what) : data_(data), what_(std::move(what)) {}

    std::size_t Position() const { return pos_; }
    bool AtEnd() const { return pos_ >= data_.size(); }

    std::uint8_t U8() {
        Need(1);
        return data_[pos_++];
    }
    std::uint16_t U16() {
        const unsigned low = U8();
        return static_cast<std::uint16_t>(low | static_cast<unsigned>(U8()) << 8);
    }
    std::uint32_t U32() {
        const std::uint32_t low = U16();
        return low | static_cast<std::uint32_t>(U16()) << 16;
    }
    int I16() { return static_cast<std::int16_t>(U16()); }

    void Skip(std::size_t count) {
        Need(count);
        pos_ += count;
    }
    // Template items start on four-byte boundaries of the data.
    void AlignTo4() { pos_ = std::min(data_.size(), (pos_ + 3) & ~std::size_t{3}); }

    std::string Text() {
        std::vector<std::uint16_t> units;
        for (std::uint16_t unit = U16(); unit != 0; unit = U16())
            units.push_back(unit);
        return Utf8FromUtf16(units);
    }
    std::string CountedText() {
        std::vector<std::uint16_t> units(U16());
        for (std::uint16_t& unit : units)
            unit = U16();
        return Utf8FromUtf16(units);
    }
    NameOrNumber Name() {
        if (Peek16() == 0xFFFF) {
            Skip(2);
            return {U16(), {}};
        }
        return {std::nullopt, Text()};
    }

    [[noreturn]] void Fail(const std::string& problem) const {
        throw ResError(what_ + ": " + problem + " at byte " + std::to_string(pos_));
    }

private:
    void Need(std::size_t count) const {
        if (data_.size() - std::min(pos_, data_.size()) < count)
            Fail("data ends early");
    }
    std::uint16_t Peek16() {
        const std::size_t at = pos_;
        const std::uint16_t value = U16();
        pos_ = at;
        return value;
    }

    Bytes data_;
    std::string what_;
    std::size_t pos_ = 0;
};

std::string ClassName(const NameOrNumber& name) {
    if (!name.number)
        return name.name;
    static constexpr const char* kPredefined[] = {"Button",  "Edit",      "Static",
                                                  "ListBox", "ScrollBar", "ComboBox"};
    const int index = *name.number - 0x80;
    if (index >= 0 && index < static_cast<int>(std::size(kPredefined)))
        return kPredefined[index];
    std::string numbered = "#";
    numbered += std::to_string(*name.number);
    return numbered;
}

ControlTemplate ReadControl(Reader& r, bool extended) {
    ControlTemplate c;
    if (extended) {
        r.U32(); // help id
        c.exStyle = r.U32();
        c.style = r.U32();
    } else {
        c.style = r.U32();
        c.exStyle = r.U32();
    }
    c.x = r.I16();
    c.y = r.I16();
    c.cx = r.I16();
    c.cy = r.I16();
    if (extended) {
        c.id = static_cast<std::int32_t>(r.U32());
    } else {
        const std::uint16_t id = r.U16();
        c.id = id == 0xFFFF ? -1 : id;
    }
    c.className = ClassName(r.Name());
    NameOrNumber title = r.Name();
    if (title.number)
        c.imageId = title.number;
    else
        c.text = std::move(title.name);
    r.Skip(r.U16()); // creation data
    return c;
}

std::string TypeName(int type) {
    switch (type) {
    case kRtDialog:
        return "dialog";
    case kRtString:
        return "string block";
    case kRtGroupIcon:
        return "icon group";
    default:
        return "resource of type " + std::to_string(type);
    }
}

template <class Map, class Value> void AddOnce(Map& map, int id, Value value, int type) {
    if (!map.emplace(id, std::move(value)).second)
        throw ResError(TypeName(type) + " " + std::to_string(id) + " is defined twice");
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ResError("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

DialogTemplate ReadDialogTemplate(int id, Bytes data) {
    Reader r(data, "dialog " + std::to_string(id));
    DialogTemplate d;
    d.id = id;
    d.extended =
        data.size() >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF;
    if (d.extended) {
        r.Skip(4); // version and signature
        r.U32();   // help id
        d.exStyle = r.U32();
        d.style = r.U32();
    } else {
        d.style = r.U32();
        d.exStyle = r.U32();
    }
    const int count = r.U16();
    d.x = r.I16();
    d.y = r.I16();
    d.cx = r.I16();
    d.cy = r.I16();
    r.Name(); // menu
    r.Name(); // window class
    d.caption = r.Text();
    if (d.Has(kDsSetFont)) {
        d.fontSize = r.U16();
        if (d.extended)
            r.Skip(4); // weight, italic, character set
        d.fontFace = r.Text();
    }
    for (int i = 0; i < count; ++i) {
        r.AlignTo4();
        d.controls.push_back(ReadControl(r, d.extended));
    }
    return d;
}

StringTable ReadStringBlock(int blockId, Bytes data) {
    Reader r(data, "string block " + std::to_string(blockId));
    if (blockId < 1)
        r.Fail("block numbers start at 1");
    StringTable strings;
    for (int i = 0; i < 16; ++i) {
        std::string text = r.CountedText();
        if (!text.empty())
            strings.emplace((blockId - 1) * 16 + i, std::move(text));
    }
    return strings;
}

std::vector<IconImageEntry> ReadIconGroup(Bytes data) {
    constexpr int kIconType = 1;
    Reader r(data, "icon group");
    r.U16(); // reserved
    if (r.U16() != kIconType)
        r.Fail("not an icon directory");
    std::vector<IconImageEntry> entries(r.U16());
    for (IconImageEntry& e : entries) {
        // A width or height of 0 stands for 256.
        e.width = r.U8();
        e.width = e.width == 0 ? 256 : e.width;
        e.height = r.U8();
        e.height = e.height == 0 ? 256 : e.height;
        e.colorCount = r.U8();
        r.U8();  // reserved
        r.U16(); // planes
        e.bitCount = r.U16();
        e.bytes = r.U32();
        e.iconId = r.U16();
    }
    return entries;
}

// Each record: data size, header size, type, name, then fields this reader does
// not need; the data follows the header, and the next record starts on a
// four-byte boundary.
std::vector<ResRecord> ReadResRecords(Bytes file) {
    constexpr std::size_t kSmallestHeader = 32;
    std::vector<ResRecord> records;
    std::size_t at = 0;
    while (at < file.size()) {
        Reader r(file.subspan(at), "record at byte " + std::to_string(at));
        const std::uint32_t dataSize = r.U32();
        const std::uint32_t headerSize = r.U32();
        if (headerSize < kSmallestHeader || headerSize > file.size() - at ||
            dataSize > file.size() - at - headerSize)
            r.Fail("sizes beyond the file");
        ResRecord record;
        record.type = r.Name().number;
        NameOrNumber name = r.Name();
        record.id = name.number;
        record.name = std::move(name.name);
        record.data = file.subspan(at + headerSize, dataSize);
        records.push_back(std::move(record));
        at = (at + headerSize + dataSize + 3) & ~std::size_t{3};
    }
    return records;
}

Resources ReadResFile(Bytes file) {
    Resources resources;
    for (const ResRecord& record : ReadResRecords(file)) {
        const int type = record.type.value_or(0);
        if (type != kRtDialog && type != kRtString && type != kRtGroupIcon)
            continue;
        if (!record.id)
            throw ResError(TypeName(type) + " named \"" + record.name +
                           "\": a name missing from resource.h?");
        const int id = *record.id;
        if (type == kRtDialog) {
            AddOnce(resources.dialogs, id, ReadDialogTemplate(id, record.data), type);
        } else if (type == kRtGroupIcon) {
            AddOnce(resources.icons, id, ReadIconGroup(record.data), type);
        } else {
            for (auto& [stringId, text] : ReadStringBlock(id, record.data))
                AddOnce(resources.strings, stringId, std::move(text), type);
        }
    }
    return resources;
}

Resources LoadResFile(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadFile(path);
    try {
        return ReadResFile(bytes);
    } catch (const ResError& error) {
        throw ResError(path + ": " + error.what());
    }
}

const ControlTemplate* DialogTemplate::Find(int controlId) const {
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [controlId](const auto& c) { return c.id == controlId; });
    return found == controls.end() ? nullptr : &*found;
}

ControlKind KindOf(const ControlTemplate& control) {
    const std::string& cls = control.className;
    if (EqualsIgnoreCase(cls, "Edit"))
        return ControlKind::Edit;
    if (EqualsIgnoreCase(cls, "SysTabControl32"))
        return ControlKind::Tab;
    if (EqualsIgnoreCase(cls, "Static"))
        return (control.style & kStaticTypeMask) == kSsIcon ? ControlKind::Icon
                                                            : ControlKind::Static;
    if (!EqualsIgnoreCase(cls, "Button"))
        return ControlKind::Unknown;
    switch (control.style & kButtonTypeMask) {
    case 0x0: // BS_PUSHBUTTON
        return ControlKind::PushButton;
    case 0x1: // BS_DEFPUSHBUTTON
        return ControlKind::DefPushButton;
    case 0x2: // BS_CHECKBOX
    case 0x3: // BS_AUTOCHECKBOX
    case 0x5: // BS_3STATE
    case 0x6: // BS_AUTO3STATE
        return ControlKind::CheckBox;
    case 0x4: // BS_RADIOBUTTON
    case 0x9: // BS_AUTORADIOBUTTON
        return ControlKind::RadioButton;
    case 0x7: // BS_GROUPBOX
        return ControlKind::GroupBox;
    default:
        return ControlKind::Unknown;
    }
}

} // namespace ui
