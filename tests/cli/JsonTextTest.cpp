#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "cli/RunReport.h"

namespace kestrow::testing {
namespace {

using cli::JsonString;
using cli::JsonValue;

TEST(JsonText, EscapesStrings) {
    struct Case {
        std::string in;
        std::string out;
    };
    for (const Case& c : {
             Case{"POLY TEXPAN U=4", "\"POLY TEXPAN U=4\""},
             Case{"say \"hi\" \\ there", "\"say \\\"hi\\\" \\\\ there\""},
             Case{"\b\f\n\r\t", "\"\\b\\f\\n\\r\\t\""},
             Case{std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\x7f\""},
             Case{std::string("a\0b", 3), "\"a\\u0000b\""},
             // Well-formed UTF-8 passes as it is: 2, 3 and 4 bytes.
             Case{"\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80",
                  "\"\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\""},
             // Stray bytes: Latin-1, a lone continuation, an overlong form, a
             // surrogate, beyond U+10FFFF, a sequence cut short.
             Case{"caf\xe9", "\"caf\\ufffd\""},
             Case{"\x80x", "\"\\ufffdx\""},
             Case{"\xc0\xaf", "\"\\ufffd\\ufffd\""},
             Case{"\xed\xa0\x80", "\"\\ufffd\\ufffd\\ufffd\""},
             Case{"\xf4\x90\x80\x80", "\"\\ufffd\\ufffd\\ufffd\\ufffd\""},
             Case{"\xe2\x82", "\"\\ufffd\\ufffd\""},
         }) {
        EXPECT_EQ(c.out, JsonString(c.in)) << c.in;
    }
}

TEST(JsonText, NumbersReadBackExactly) {
    struct Case {
        cli::Value value;
        std::string text;
    };
    for (const Case& c :
         {Case{0.1, "0.1"}, Case{1.6568542497326737, "1.6568542497326737"}, Case{-0.0, "-0"},
          Case{212.0, "212"}, Case{6.743495761743047e-07, "6.743495761743047e-07"},
          // Scientific where shorter; a whole number in fixed notation in full.
          Case{1e5, "1e+05"}, Case{123456789012345683968.0, "123456789012345683968"},
          // A power of two, whose nearest 16-digit text reads back as the double below.
          Case{0x1p-530, "2.8451311993408992e-160"},
          Case{std::numeric_limits<double>::infinity(), "null"}, Case{std::nan(""), "null"},
          // A 32-bit float with the fewest digits that give back that float.
          Case{3.2f, "3.2"}, Case{0.9f, "0.9"}, Case{134217728.0f, "134217728"},
          Case{std::numeric_limits<float>::infinity(), "null"}, Case{-27, "-27"}}) {
        EXPECT_EQ(c.text, JsonValue(c.value));
    }
}

} // namespace
} // namespace kestrow::testing
