#pragma once

// Control ids of Kestrow's windows, written out here rather than taken from the
// program's resource header, so that a wrong id there shows up as a failure.
namespace e2e::ids {

// Main window
inline constexpr int kCommand = 1000;
inline constexpr int kApply = 1001;
inline constexpr int kRemote = 1002;
inline constexpr int kTabs = 1004;
inline constexpr int kHelp = 1007;
inline constexpr int kCommandLabel = 1045;

// About box
inline constexpr int kCredits = 1005;
inline constexpr int kRevHistory = 1006;

// Remote window
inline constexpr int kRemoteApply = 1050;

// Buttons every dialog may have
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

// Pillar Wrap page
inline constexpr int kPwSimplePan = 1004;
inline constexpr int kPwTextureCount = 1005;
inline constexpr int kPwBestScale = 1006;
inline constexpr int kPwTextureWidth = 1008;
inline constexpr int kPwSides = 1009;
inline constexpr int kPwAlignToSide = 1010;
inline constexpr int kPwRadius = 1011;
inline constexpr int kPwCircumference = 1012;
inline constexpr int kPwCmdSimplePan = 1013;
inline constexpr int kPwCmdBestScale = 1014;
inline constexpr int kPwBestPan = 1015;
inline constexpr int kPwCmdBestPan = 1016;
inline constexpr int kPwApplyU = 1017;
inline constexpr int kPwApplyV = 1018;
inline constexpr int kPwNegatePan = 1021;
inline constexpr int kPwFractionalError = 1027;
inline constexpr int kPwOtherScale = 1031;

// Bevel Scale page
inline constexpr int kBsTextureWidth = 1008;
inline constexpr int kBsTextureCount = 1011;
inline constexpr int kBsApplyU = 1017;
inline constexpr int kBsApplyV = 1018;
inline constexpr int kBsRise = 1019;
inline constexpr int kBsRun = 1020;
inline constexpr int kBsScale = 1022;
inline constexpr int kBsCmd = 1024;
inline constexpr int kBsOtherScale = 1031;

// Floor Scale page
inline constexpr int kFsTextureWidth = 1008;
inline constexpr int kFsTextureHeight = 1009;
inline constexpr int kFsStretchX = 1013;
inline constexpr int kFsLengthX = 1014;
inline constexpr int kFsStretchY = 1015;
inline constexpr int kFsLengthY = 1016;
inline constexpr int kFsSwapSize = 1018;
inline constexpr int kFsSwapStretch = 1019;
inline constexpr int kFsSwapLengths = 1020;
inline constexpr int kFsCmd = 1026;

// Texture Skew page
inline constexpr int kTsVertNegate = 1026;
inline constexpr int kTsHorzScale = 1027;
inline constexpr int kTsHorzRise = 1028;
inline constexpr int kTsHorzRun = 1029;
inline constexpr int kTsHorzSkew = 1030;
inline constexpr int kTsVertScale = 1031;
inline constexpr int kTsVertRise = 1032;
inline constexpr int kTsVertRun = 1033;
inline constexpr int kTsVertSkew = 1034;
inline constexpr int kTsHorzNegate = 1035;
inline constexpr int kTsCmd = 1036;

} // namespace e2e::ids
