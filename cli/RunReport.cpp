#include "cli/RunReport.h"

#include <cmath>

#include "text/NumberText.h"

namespace kestrow::cli {

std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80; // bounds of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

namespace {

template <class... Visitors> struct Overloaded : Visitors... { using Visitors::operator()...; };

// \b \f \n \r \t by name, the other control characters by number.
std::string ControlEscape(unsigned char c) {
    constexpr char kHexDigits[] = "0123456789abcdef";
    const char* named = c == '\b'   ? "\\b"
                        : c == '\f' ? "\\f"
                        : c == '\n' ? "\\n"
                        : c == '\r' ? "\\r"
                        : c == '\t' ? "\\t"
                                    : nullptr;
    return named != nullptr ? named
                            : std::string("\\u00") + kHexDigits[c >> 4] + kHexDigits[c & 0xF];
}

template <class Floating> std::string JsonNumber(Floating value) {
    return std::isfinite(value) ? FormatShortest(value) : "null";
}

std::string JsonObject(const std::vector<NamedValue>& values) {
    std::string json = "{";
    for (const NamedValue& named : values)
        json +=
            (json.size() > 1 ? "," : "") + JsonString(named.name) + ":" + JsonValue(named.value);
    return json + "}";
}

} // namespace

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    while (!text.empty()) {
        const auto c = static_cast<unsigned char>(text.front());
        std::size_t taken = 1;
        if (c == '"' || c == '\\') {
            json += '\\';
            json += static_cast<char>(c);
        } else if (c < 0x20) {
            json += ControlEscape(c);
        } else if (c < 0x80) {
            json += static_cast<char>(c);
        } else if (const std::size_t length = Utf8SequenceLength(text)) {
            json.append(text.substr(0, length));
            taken = length;
        } else {
            json += "\\ufffd";
        }
        text.remove_prefix(taken);
    }
    return json + '"';
}

std::string JsonValue(const Value& value) {
    return std::visit(Overloaded{
                          [](std::monostate) { return std::string("null"); },
                          [](bool b) { return std::string(b ? "true" : "false"); },
                          [](int i) { return std::to_string(i); },
                          [](double d) { return JsonNumber(d); },
                          [](float f) { return JsonNumber(f); },
                          [](const std::string& s) { return JsonString(s); },
                      },
                      value);
}

std::string ReportJson(const RunReport& report) {
    std::string commands;
    for (const EditorCommand& command : report.commands) {
        commands += (commands.empty() ? "{" : ",{") + std::string("\"name\":") +
                    JsonString(command.name) + ",\"text\":" + JsonString(command.text);
        if (command.delivered)
            commands += ",\"delivered\":" + JsonValue(*command.delivered);
        commands += "}";
    }
    const auto list = [](const std::vector<std::string>& texts) {
        std::string json;
        for (const std::string& text : texts)
            json += (json.empty() ? "" : ",") + JsonString(text);
        return "[" + json + "]";
    };
    return "{\"inputs\":" + JsonObject(report.inputs) +
           (report.partlyRead.empty() ? "" : ",\"partly-read\":" + list(report.partlyRead)) +
           ",\"results\":" + JsonObject(report.results) + ",\"commands\":[" + commands +
           "],\"messages\":" + list(report.messages) + "}";
}

void WriteRunOutput(const CliSession& session, bool json, const RunReport& report) {
    if (json) {
        session.out << ReportJson(report) << '\n';
        return;
    }
    for (const std::string& message : report.messages)
        session.err << message << '\n';
}

int ReportNoEditorAccess(TextWriter& err) {
    err << "kestrow-cli: sending commands to the editor needs the Windows build of kestrow-cli "
           "(kestrow-cli.exe; on Linux run it under Wine, in the editor's prefix)\n";
    return kExitUsage;
}

} // namespace kestrow::cli
