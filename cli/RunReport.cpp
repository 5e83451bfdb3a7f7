#include "cli/RunReport.h"

#include "cli/JsonWriter.h"

namespace kestrow::cli {
namespace {

template <class... Visitors> struct Overloaded : Visitors... { using Visitors::operator()...; };

void WriteValue(JsonWriter& json, const Value& value) {
    std::visit(Overloaded{
                   [&](std::monostate) { json.Null(); },
                   [&](bool b) { json.Bool(b); },
                   [&](int i) { json.Integer(i); },
                   [&](double d) { json.Number(d); },
                   [&](float f) { json.Number(f); },
                   [&](const std::string& s) { json.String(s); },
               },
               value);
}

void WriteNamedValues(JsonWriter& json, const std::vector<NamedValue>& values) {
    json.BeginObject();
    for (const NamedValue& named : values) {
        json.Key(named.name);
        WriteValue(json, named.value);
    }
    json.EndObject();
}

} // namespace

void RunReport::SetInput(const std::string& name, Value value) {
    for (NamedValue& input : inputs) {
        if (input.name == name) {
            input.value = std::move(value);
            return;
        }
    }
    inputs.push_back({name, std::move(value)});
}

void WriteReport(JsonWriter& json, const RunReport& report) {
    json.BeginObject();
    json.Key("inputs");
    WriteNamedValues(json, report.inputs);
    json.Key("results");
    WriteNamedValues(json, report.results);
    json.Key("commands");
    json.BeginArray();
    for (const EditorCommand& command : report.commands) {
        json.BeginObject();
        json.Key("name");
        json.String(command.name);
        json.Key("text");
        json.String(command.text);
        if (command.delivered) {
            json.Key("delivered");
            json.Bool(*command.delivered);
        }
        json.EndObject();
    }
    json.EndArray();
    json.Key("messages");
    json.BeginArray();
    for (const std::string& message : report.messages)
        json.String(message);
    json.EndArray();
    json.EndObject();
}

} // namespace kestrow::cli
