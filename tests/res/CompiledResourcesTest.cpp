// The reader of compiled resources against what windres made of ReaderCases.rc,
// and against damaged copies of those bytes.

#include "tests/support/CompiledResources.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

namespace {

using ui::ControlKind;
using ui::ControlTemplate;
using ui::ResError;

using Bytes = std::vector<std::uint8_t>;

Bytes CompiledCases() {
    std::ifstream in(KESTROW_READER_CASES_RES, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const ui::Resources& Cases() {
    static const ui::Resources resources = ui::LoadResFile(KESTROW_READER_CASES_RES);
    return resources;
}

void Put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFF));
}

void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// One .res record of the given type, named by number or, with `name`, by text.
Bytes Record(unsigned type, unsigned number, const Bytes& data, const std::string& name = "") {
    Bytes header;
    Put16(header, 0xFFFF);
    Put16(header, type);
    if (name.empty()) {
        Put16(header, 0xFFFF);
        Put16(header, number);
    } else {
        for (char c : name)
            Put16(header, static_cast<unsigned char>(c));
        Put16(header, 0);
    }
    while (header.size() % 4 != 0)
        header.push_back(0);
    header.resize(header.size() + 16); // versions, flags, language
    Bytes record;
    Put32(record, static_cast<std::uint32_t>(data.size()));
    Put32(record, static_cast<std::uint32_t>(header.size() + 8));
    record.insert(record.end(), header.begin(), header.end());
    record.insert(record.end(), data.begin(), data.end());
    while (record.size() % 4 != 0)
        record.push_back(0);
    return record;
}

constexpr unsigned kRtDialog = 5;
constexpr unsigned kRtString = 6;

TEST(CompiledResources, ReadsEveryFieldOfAPlainDialogAndItsControls) {
    const ui::DialogTemplate& d = Cases().dialogs.at(200);
    EXPECT_FALSE(d.extended);
    EXPECT_EQ(d.style, 0x40000040u); // WS_CHILD | DS_SETFONT
    EXPECT_EQ(std::tie(d.x, d.y, d.cx, d.cy), std::make_tuple(1, 2, 30, 40));
    EXPECT_EQ(d.caption, "");
    EXPECT_EQ(d.fontFace, "MS Sans Serif");
    EXPECT_EQ(d.fontSize, 8);
    ASSERT_EQ(d.controls.size(), 5u);

    const ControlTemplate& edit = d.controls[0];
    EXPECT_EQ(edit.id, 1000);
    EXPECT_EQ(edit.className, "Edit");
    EXPECT_EQ(edit.style, 0x50810880u); // child, visible, border, tab stop, read-only, scrolls
    EXPECT_EQ(edit.exStyle, 0x1u);      // WS_EX_DLGMODALFRAME
    EXPECT_EQ(std::tie(edit.x, edit.y, edit.cx, edit.cy), std::make_tuple(5, 6, 7, 8));
    EXPECT_TRUE(ui::IsReadOnly(edit));

    const ControlTemplate& box = d.controls[1];
    EXPECT_EQ(box.text, "Say \"hi\"");
    EXPECT_EQ(ui::KindOf(box), ControlKind::CheckBox);
    EXPECT_FALSE(ui::IsVisible(box));
    EXPECT_FALSE(box.imageId.has_value());

    const ControlTemplate& icon = d.controls[2];
    EXPECT_EQ(icon.id, -1);
    EXPECT_EQ(icon.imageId, 300);
    EXPECT_EQ(icon.text, "");
    EXPECT_EQ(ui::KindOf(icon), ControlKind::Icon);

    const ControlTemplate& tabs = d.controls[3];
    EXPECT_EQ(ui::KindOf(tabs), ControlKind::Tab) << tabs.className;
    EXPECT_EQ(tabs.x, -5);

    const ControlTemplate& ok = d.controls[4];
    EXPECT_EQ(ok.id, 1);
    EXPECT_EQ(ui::KindOf(ok), ControlKind::DefPushButton);
    EXPECT_FALSE(ui::IsEnabled(ok));
    EXPECT_TRUE(ui::IsTabStop(ok));
    EXPECT_EQ(d.Find(1), &ok);
    EXPECT_EQ(d.Find(4242), nullptr);
}

TEST(CompiledResources, ReadsAnExtendedDialog) {
    const ui::DialogTemplate& d = Cases().dialogs.at(201);
    EXPECT_TRUE(d.extended);
    EXPECT_EQ(d.style, 0x80C00040u); // WS_POPUP | WS_CAPTION | DS_SETFONT
    EXPECT_EQ(d.exStyle, 0x40000u);  // WS_EX_APPWINDOW
    EXPECT_EQ(d.caption, "Set \"late\"");
    EXPECT_EQ(d.fontFace, "Tahoma");
    EXPECT_EQ(d.fontSize, 9);
    ASSERT_EQ(d.controls.size(), 2u);
    EXPECT_EQ(d.controls[0].id, -1);
    EXPECT_EQ(d.controls[0].text, "Label");
    EXPECT_TRUE(ui::StartsGroup(d.controls[0]));
    EXPECT_EQ(d.controls[1].id, 70000); // extended templates hold 32-bit ids
    EXPECT_EQ(ui::KindOf(d.controls[1]), ControlKind::RadioButton);
    EXPECT_EQ(std::tie(d.controls[1].x, d.controls[1].y), std::make_tuple(1, 12));
}

TEST(CompiledResources, StringsOfEveryBlockInUtf8) {
    const ui::StringTable expected{
        {1, "one"}, {17, "Tab\there, \"quoted\""}, {100, "caf\xC3\xA9 \xE2\x82\xAC"}};
    EXPECT_EQ(Cases().strings, expected);
}

TEST(CompiledResources, IconGroupListsItsImages) {
    ASSERT_EQ(Cases().icons.size(), 1u);
    const std::vector<ui::IconImageEntry>& images = Cases().icons.at(300);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(std::tie(images[0].width, images[0].height, images[0].bitCount),
              std::make_tuple(32, 32, 4));
    EXPECT_EQ(std::tie(images[1].width, images[1].height, images[1].colorCount),
              std::make_tuple(16, 16, 16));
    EXPECT_NE(images[0].iconId, images[1].iconId);
    EXPECT_GT(images[1].bytes, 0u);
}

TEST(CompiledResources, SkipsWhatItDoesNotRead) {
    // The manifest, the icon images and both RCDATA, one of them named.
    EXPECT_EQ(Cases().dialogs.size(), 2u);
}

TEST(CompiledResources, DamagedFilesAreErrors) {
    const Bytes good = CompiledCases();
    ASSERT_GT(good.size(), 1000u);
    Bytes wrongHeaderSize = good;
    wrongHeaderSize[4] = 8; // the first record's header size
    Bytes dataBeyondEnd = good;
    dataBeyondEnd[3] = 0x7F;
    const Bytes truncated(good.begin(), good.end() - 5);
    const Bytes cutInHeader(good.begin(), good.begin() + 40);
    const Bytes* damaged[] = {&wrongHeaderSize, &dataBeyondEnd, &truncated, &cutInHeader};
    for (const Bytes* file : damaged) {
        EXPECT_THROW(ui::ReadResFile(*file), ResError);
    }
}

TEST(CompiledResources, EveryTruncationOfADialogIsAnError) {
    const Bytes file = CompiledCases();
    ui::Bytes data;
    for (const ui::ResRecord& record : ui::ReadResRecords(file))
        if (record.type == kRtDialog && record.id == 201)
            data = record.data;
    ASSERT_EQ(ui::ReadDialogTemplate(201, data).controls.size(), 2u);
    for (std::size_t size = 0; size < data.size(); ++size) {
        SCOPED_TRACE(size);
        EXPECT_THROW(ui::ReadDialogTemplate(201, data.first(size)), ResError);
    }
}

TEST(CompiledResources, NamesAndRepeatsThatTheProgramCouldNotLoad) {
    Bytes block;
    for (int i = 0; i < 16; ++i)
        Put16(block, 0);
    struct Case {
        Bytes file;
        const char* message;
    };
    Bytes twice = Record(kRtString, 1, block);
    const Bytes again = Record(kRtString, 1, block);
    twice.insert(twice.end(), again.begin(), again.end());
    const Case cases[] = {
        {Record(kRtDialog, 0, {}, "IDD_MISSING"), "dialog named \"IDD_MISSING\""},
        {Record(kRtString, 0, block, "TEXTS"), "string block named \"TEXTS\""},
        {Record(kRtString, 0, block), "block numbers start at 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            ui::ReadResFile(c.file);
            ADD_FAILURE() << "accepted";
        } catch (const ResError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
    // Empty strings are no entries, so a repeated empty block passes.
    EXPECT_TRUE(ui::ReadResFile(twice).strings.empty());
}

TEST(CompiledResources, MissingFileIsAnError) {
    EXPECT_THROW(ui::LoadResFile("/nonexistent/Kestrow.res"), ResError);
}

TEST(CompiledResources, KindFollowsClassAndType) {
    struct Case {
        const char* className;
        std::uint32_t style;
        ControlKind kind;
    };
    const Case cases[] = {
        {"Edit", 0x0080, ControlKind::Edit},          {"EDIT", 0x0800, ControlKind::Edit},
        {"Button", 0x10000, ControlKind::PushButton}, {"BUTTON", 0x1, ControlKind::DefPushButton},
        {"Button", 0x23, ControlKind::CheckBox},      {"Button", 0x5, ControlKind::CheckBox},
        {"Button", 0x9, ControlKind::RadioButton},    {"Button", 0x7, ControlKind::GroupBox},
        {"Button", 0xB, ControlKind::Unknown},        {"Static", 0x0, ControlKind::Static},
        {"Static", 0x2, ControlKind::Static},         {"Static", 0x3, ControlKind::Icon},
        {"SysTabControl32", 0x400, ControlKind::Tab}, {"ListBox", 0, ControlKind::Unknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.className) + " " + std::to_string(c.style));
        ControlTemplate control;
        control.className = c.className;
        control.style = c.style;
        EXPECT_EQ(ui::KindOf(control), c.kind);
    }
}

} // namespace
