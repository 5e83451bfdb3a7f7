#pragma once

#include "res/Version.h"

inline constexpr const char* kCreditsCaption = "Special Thanks To...";
inline constexpr const char* kCreditsText = "Level designers everywhere\n"
                                            "\tfor the measurements behind every formula\n"
                                            "\n"
                                            "The Unreal editing community\n"
                                            "\tfor the console commands and their quirks\n"
                                            "\n"
                                            "Testers of the first releases\n"
                                            "\tfor pillars, bevels and floors that did not fit\n"
                                            "\n"
                                            "Mappers running UnrealEd under Wine\n"
                                            "\tfor proving the editor link on Linux\n"
                                            "\n"
                                            "Texture artists\n"
                                            "\tfor textures worth fitting exactly\n"
                                            "\n"
                                            "Everyone who reported a bug\n"
                                            "\tfor making each release better";

inline constexpr const char* kRevHistoryCaption = "Rev History";
inline constexpr const char* kRevHistoryText =
    "V1.00\n"
    "First release: Pillar Wrap and Bevel Scale calculators.\n"
    "\n"
    "V1.10\n"
    "Added the Floor Scale calculator.\n"
    "Length fields accept arithmetic expressions.\n"
    "\n"
    "V1.20\n"
    "Added the Texture Skew calculator.\n"
    "Added the square-root operator @ to expressions.\n"
    "\n"
    "V1.30\n"
    "Apply pastes the command into the editor's log window.\n"
    "Added the Swap buttons to Floor Scale.\n"
    "\n"
    "V" KESTROW_VERSION "\n"
    "Added the always-on-top remote window.\n"
    "Pillar Wrap finds the best-fit scale and pan.\n"
    "Other Scale on Pillar Wrap and Bevel Scale.";
