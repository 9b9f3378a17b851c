#include "ctl/TomlText.h"

#include <toml++/toml.h>
#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>
#include <variant>

#include "settings/FactoryImage.h"
#include "settings/FieldValue.h"

namespace ctl {

namespace {

using settings::TextValue;

constexpr std::size_t kKeyWidth = 28;    // "headCentring.frontTractor" quoted, and a blank
constexpr std::size_t kValueWidth = 22;  // columns, so that most labels line up

// Columns on a terminal: the panel's words are mostly full-width.
std::size_t Columns(const std::string& text) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) == 0x80)
            continue;
        columns += byte >= 0xE0 ? 2 : 1;
    }
    return columns;
}

// "msw1" of "msw1-4", "format1" of "format1.paperLength"; a blank line goes between groups.
std::string Group(const std::string& key) {
    const std::size_t end = key.find_first_of(".-");
    return end == std::string::npos ? std::string() : key.substr(0, end);
}

// A TOML basic string: quotes, backslashes and control characters escaped.
std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

bool IsBareKey(const std::string& key) {
    return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
               c == '-';
    });
}

std::string ValueText(const TextValue& value) {
    switch (value.kind) {
        case TextValue::Kind::Word:
            return Quoted(value.word);
        case TextValue::Kind::Number:
            return std::to_string(value.number);
        case TextValue::Kind::Bytes:
            return "{ bytes = " + Quoted(settings::HexBytes(value.bytes.data(), value.bytes.size())) + " }";
    }
    return {};
}

std::string Comment(const settings::TextEntry& e) {
    std::string comment = e.label;
    if (!e.note.empty())
        comment += (comment.empty() ? "" : ": ") + e.note;
    return comment.empty() ? std::string() : "  # " + comment;
}

// "1c 30" or "1c30": pairs of hex digits, blanks between them allowed.
std::optional<std::vector<std::uint8_t>> HexBytes(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    auto digit = [](char c) {
        return c >= '0' && c <= '9'   ? c - '0'
               : c >= 'a' && c <= 'f' ? c - 'a' + 10
               : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                      : -1;
    };
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        if (i + 1 >= text.size() || digit(text[i]) < 0 || digit(text[i + 1]) < 0)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(digit(text[i]) * 16 + digit(text[i + 1])));
        i += 2;
    }
    return bytes;
}

// A word, a number or { bytes = "..." }; the reason otherwise.
std::variant<TextValue, std::string> ValueOf(const toml::node& node) {
    if (const auto* word = node.as_string())
        return TextValue{TextValue::Kind::Word, word->get(), 0, {}};
    if (const auto* number = node.as_integer())
        return TextValue{TextValue::Kind::Number, {}, number->get(), {}};
    if (const auto* table = node.as_table(); table && table->size() == 1) {
        if (const auto* hex = table->get_as<std::string>("bytes")) {
            if (std::optional<std::vector<std::uint8_t>> bytes = HexBytes(hex->get()))
                return TextValue{TextValue::Kind::Bytes, {}, 0, std::move(*bytes)};
            return std::string("bytes are pairs of hex digits, such as \"1c 30\"");
        }
    }
    return std::string("takes a word in quotes, a number or { bytes = \"...\" }");
}

// "font2: " for a line "font2 = ...", so that a fault toml++ finds names the key it is on.
std::string KeyOnLine(const std::string& text, std::size_t line) {
    std::size_t start = 0;
    for (std::size_t n = 1; n < line && start != std::string::npos; ++n) {
        start = text.find('\n', start);
        start = start == std::string::npos ? start : start + 1;
    }
    if (start == std::string::npos)
        return {};
    const std::string content = text.substr(start, text.find('\n', start) - start);
    const std::size_t equals = content.find('=');
    const std::size_t from = content.find_first_not_of(" \t");
    if (equals == std::string::npos || from >= equals)
        return {};
    return content.substr(from, content.find_last_not_of(" \t", equals - 1) + 1 - from) + ": ";
}

struct Reader {
    settings::SettingsImage image = settings::FactoryImage();
    std::vector<std::string> faults;
    // Per field, the keys that set its bytes and their lines.
    std::map<std::string, std::vector<std::pair<std::string, std::size_t>>> setters;

    void fault(std::size_t line, const std::string& key, const std::string& reason) {
        faults.push_back(std::to_string(line) + ": " + key + ": " + reason);
    }

    struct Given {
        std::size_t line;
        std::string key;
        const toml::node* node;
    };

    // Dotted keys and tables ("format1.paperLength", [format1]) name the same as the quoted key.
    void collect(const toml::table& table, const std::string& prefix, std::vector<Given>& given) {
        for (auto&& [name, node] : table) {
            const std::string key = prefix + std::string(name.str());
            if (settings::FieldKeyOf(key).empty() && node.is_table() && !node.as_table()->empty())
                collect(*node.as_table(), key + ".", given);
            else
                given.push_back({name.source().begin.line, key, &node});
        }
    }

    // In the order of the lines, so that the second of two is the one given twice.
    void read(const toml::table& table) {
        std::vector<Given> given;
        collect(table, {}, given);
        std::stable_sort(given.begin(), given.end(),
                         [](const Given& a, const Given& b) { return a.line < b.line; });
        for (const Given& g : given)
            set(g);
    }

    void set(const Given& g) {
        const std::string field = settings::FieldKeyOf(g.key);
        if (field.empty())
            return fault(g.line, g.key, "unknown key");
        // A memory switch field's bytes and one of its switches set the same bytes.
        auto& others = setters[field];
        const auto clash = std::find_if(others.begin(), others.end(), [&](const auto& other) {
            return other.first == g.key || other.first == field || g.key == field;
        });
        if (clash != others.end())
            return fault(
                g.line, g.key,
                "given twice (also as " + clash->first + " on line " + std::to_string(clash->second) + ")");
        others.emplace_back(g.key, g.line);
        std::variant<TextValue, std::string> value = ValueOf(*g.node);
        if (const std::string* reason = std::get_if<std::string>(&value))
            return fault(g.line, g.key, *reason);
        const std::string reason = settings::SetTextEntry(image, g.key, std::get<TextValue>(value));
        if (!reason.empty())
            fault(g.line, g.key, reason);
    }
};

}  // namespace

std::string TomlText(const std::vector<settings::TextEntry>& entries, bool changed) {
    std::string text =
        "# Settings of the ORV Quillstrike 540QZ7 for 'bmk540ctl import': one key per field or memory\n"
        "# switch, in the panel's words; bytes the panel would not write as they are stand as\n"
        "# { bytes = \"...\" } in hex. A key left out takes the factory value.\n";
    if (changed)
        text += "# Only what differs from the factory settings.\n";
    text += '\n';
    std::string group;
    bool first = true;
    for (const settings::TextEntry& e : entries) {
        if (changed && e.factory)
            continue;
        if (!first && Group(e.key) != group && !(group.empty() && Group(e.key).empty()))
            text += '\n';
        group = Group(e.key);
        first = false;
        std::string key = IsBareKey(e.key) ? e.key : Quoted(e.key);
        key.resize(std::max(kKeyWidth, key.size()), ' ');
        std::string value = ValueText(e.value);
        const std::string comment = Comment(e);
        if (!comment.empty())
            value += std::string(kValueWidth - std::min(kValueWidth, Columns(value)), ' ');
        text += key + "= " + value + comment + '\n';
    }
    return text;
}

TomlReading ReadToml(const std::string& text) {
    toml::table table;
    try {
        table = toml::parse(text);
    } catch (const toml::parse_error& e) {
        const std::size_t line = e.source().begin.line;
        return {std::nullopt,
                {std::to_string(line) + ": " + KeyOnLine(text, line) + std::string(e.description())}};
    }
    Reader reader;
    reader.read(table);
    if (reader.faults.empty())
        return {reader.image, {}};
    return {std::nullopt, std::move(reader.faults)};
}

}  // namespace ctl
