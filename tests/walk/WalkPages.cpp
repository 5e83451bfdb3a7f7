#include "WalkPages.h"

#include "res/resource.h"
#include "ui/WindowHost.h"

#include <algorithm>

namespace walk {

namespace {

constexpr const char* kSides = "Please enter an integer between 3 and 256.";
constexpr const char* kTexSize = "Please enter an integer between 4 and 16384.";
constexpr const char* kOtherScale = "Please enter a number between 0.03125 and 32.";
constexpr const char* kStretch = "Please enter a number between 0.03125 and 256.";
constexpr const char* kPillarCount = "Please enter a number between 0.0625 and 256.";
constexpr const char* kBevelCount = "Please enter a number between 0.0625 and 128.";

NumberField Int(int id, int min, int max, const char* message) {
    return {id, true, false, true, static_cast<double>(min), static_cast<double>(max), message};
}
NumberField Double(int id, double min, double max, const char* message) {
    return {id, false, false, true, min, max, message};
}
NumberField IntResult(int id) {
    return {id, true, true, false, 0, 0, nullptr};
}
NumberField DoubleResult(int id) {
    return {id, false, true, false, 0, 0, nullptr};
}

std::vector<PageSpec> MakePages() {
    return {
        {Role::PillarWrap,
         {DoubleResult(IDC_PW_CIRCUMFERENCE), DoubleResult(IDC_PW_FRACTIONAL_ERROR),
          Int(IDC_PW_SIDES, 3, 256, kSides), Double(IDC_PW_OTHER_SCALE, 0.03125, 32, kOtherScale),
          Double(IDC_PW_TEXCOUNT, 0.0625, 256, kPillarCount), IntResult(IDC_PW_BEST_PAN),
          DoubleResult(IDC_PW_BEST_SCALE), IntResult(IDC_PW_SIMPLE_PAN),
          Int(IDC_PW_TEXWIDTH, 4, 16384, kTexSize)},
         {{IDC_PW_RADIUS, 1.0f}},
         {{IDC_PW_CMD_SIMPLE_PAN, "CMD: Simple Pan"},
          {IDC_PW_CMD_BEST_SCALE, "CMD: Best Scale"},
          {IDC_PW_CMD_BEST_PAN, "CMD: Best Pan"}},
         {},
         {IDC_PW_ALIGN_TO_SIDE, IDC_PW_NEGATE_PAN},
         {IDC_PW_APPLY_U, IDC_PW_APPLY_V},
         true},
        {Role::BevelScale,
         {Double(IDC_BS_TEXCOUNT, 0.0625, 128, kBevelCount), DoubleResult(IDC_BS_SCALE),
          Double(IDC_BS_OTHER_SCALE, 0.03125, 32, kOtherScale),
          Int(IDC_BS_TEXWIDTH, 4, 16384, kTexSize)},
         {{IDC_BS_RISE, 1.0f}, {IDC_BS_RUN, 1.0f}},
         {{IDC_BS_CMD, "CMD: Bevel Scale"}},
         {},
         {},
         {IDC_BS_APPLY_U, IDC_BS_APPLY_V},
         true},
        {Role::FloorScale,
         {Int(IDC_FS_TEXWIDTH, 4, 16384, kTexSize), Int(IDC_FS_TEXHEIGHT, 4, 16384, kTexSize),
          Double(IDC_FS_STRETCH_X, 0.03125, 256, kStretch),
          Double(IDC_FS_STRETCH_Y, 0.03125, 256, kStretch)},
         {{IDC_FS_LENGTH_X, 1.0f}, {IDC_FS_LENGTH_Y, 1.0f}},
         {{IDC_FS_CMD, "CMD: Floor Scale"}},
         {IDC_FS_SWAP_SIZE, IDC_FS_SWAP_STRETCH, IDC_FS_SWAP_LENGTHS},
         {},
         {},
         false},
        {Role::TextureSkew,
         {Double(IDC_TS_HORZ_SCALE, 0.03125, 256, kStretch),
          Double(IDC_TS_VERT_SCALE, 0.03125, 256, kStretch)},
         {{IDC_TS_HORZ_RISE, 1.0f},
          {IDC_TS_HORZ_RUN, 0.0f},
          {IDC_TS_VERT_RISE, 0.0f},
          {IDC_TS_VERT_RUN, 1.0f}},
         {{IDC_TS_CMD, "CMD: Texture Skew"}},
         {},
         {IDC_TS_HORZ_SKEW, IDC_TS_VERT_SKEW, IDC_TS_HORZ_NEGATE, IDC_TS_VERT_NEGATE},
         {},
         false},
    };
}

} // namespace

const std::vector<PageSpec>& Pages() {
    static const std::vector<PageSpec> pages = MakePages();
    return pages;
}

const PageSpec& Page(Role role) {
    return Pages()[static_cast<std::size_t>(PageIndex(role))];
}

std::vector<int> TypedFields(const PageSpec& page) {
    std::vector<int> ids;
    for (const NumberField& field : page.numbers) {
        if (!field.isResult)
            ids.push_back(field.id);
    }
    for (const ExpressionField& field : page.expressions)
        ids.push_back(field.id);
    return ids;
}

std::vector<int> ResultFields(const PageSpec& page) {
    std::vector<int> ids;
    for (const NumberField& field : page.numbers) {
        if (field.isResult)
            ids.push_back(field.id);
    }
    return ids;
}

const NumberField* FindNumber(const PageSpec& page, int id) {
    auto found = std::find_if(page.numbers.begin(), page.numbers.end(),
                              [id](const NumberField& field) { return field.id == id; });
    return found == page.numbers.end() ? nullptr : &*found;
}

const ExpressionField* FindExpression(const PageSpec& page, int id) {
    auto found = std::find_if(page.expressions.begin(), page.expressions.end(),
                              [id](const ExpressionField& field) { return field.id == id; });
    return found == page.expressions.end() ? nullptr : &*found;
}

const CmdButton* FindCmd(const PageSpec& page, int id) {
    auto found = std::find_if(page.cmds.begin(), page.cmds.end(),
                              [id](const CmdButton& cmd) { return cmd.id == id; });
    return found == page.cmds.end() ? nullptr : &*found;
}

bool IsPushButton(Role role, int id) {
    switch (role) {
    case Role::Main:
        return id == IDC_MAIN_APPLY || id == IDC_MAIN_REMOTE || id == IDC_MAIN_HELP;
    case Role::About:
        return id == ui::kIdOk || id == IDC_ABOUT_CREDITS || id == IDC_ABOUT_REV_HISTORY;
    case Role::Remote:
        return id == IDC_REMOTE_APPLY || id == ui::kIdCancel;
    default: {
        const PageSpec& page = Page(role);
        return id == ui::kIdOk || FindCmd(page, id) != nullptr ||
               std::find(page.otherButtons.begin(), page.otherButtons.end(), id) !=
                   page.otherButtons.end();
    }
    }
}

int DefaultButton(Role role) {
    switch (role) {
    case Role::Main:
        return 0;
    case Role::Remote:
        return IDC_REMOTE_APPLY;
    default:
        return ui::kIdOk;
    }
}

std::vector<int> ControlIds(Role role) {
    switch (role) {
    case Role::Main:
        return {IDC_MAIN_COMMAND, IDC_MAIN_APPLY, IDC_MAIN_REMOTE, IDC_MAIN_HELP};
    case Role::About:
        return {ui::kIdOk, IDC_ABOUT_CREDITS, IDC_ABOUT_REV_HISTORY};
    case Role::Remote:
        return {IDC_REMOTE_APPLY, ui::kIdCancel};
    default: {
        const PageSpec& page = Page(role);
        std::vector<int> ids;
        for (const NumberField& field : page.numbers)
            ids.push_back(field.id);
        for (const ExpressionField& field : page.expressions)
            ids.push_back(field.id);
        for (const CmdButton& cmd : page.cmds)
            ids.push_back(cmd.id);
        ids.insert(ids.end(), page.otherButtons.begin(), page.otherButtons.end());
        ids.push_back(ui::kIdOk); // hidden: Enter's default button
        ids.insert(ids.end(), page.checkBoxes.begin(), page.checkBoxes.end());
        ids.insert(ids.end(), page.radios.begin(), page.radios.end());
        return ids;
    }
    }
}

} // namespace walk
