// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/readable_notices.h"

#include <algorithm>
#include <vector>

namespace velmora {

namespace {

// One paragraph of the file: its fields in order, each with the first line
// of its value and the lines that continue it.
struct Field {
    std::string name;
    std::string first;
    std::vector<std::string> more;
};
using Paragraph = std::vector<Field>;

std::vector<Paragraph> Paragraphs(std::string_view text) {
    std::vector<Paragraph> paragraphs(1);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos) {
            if (!paragraphs.back().empty())
                paragraphs.emplace_back();
        } else if (line.front() == ' ' || line.front() == '\t') {
            if (!paragraphs.back().empty()) {
                line.remove_prefix(1);
                paragraphs.back().back().more.emplace_back(line == "." ? "" : line);
            }
        } else if (const std::size_t colon = line.find(':'); colon != std::string_view::npos) {
            std::string_view value = line.substr(colon + 1);
            value.remove_prefix(std::min(value.find_first_not_of(' '), value.size()));
            paragraphs.back().push_back(
                {std::string(line.substr(0, colon)), std::string(value), {}});
        }
    }
    if (paragraphs.back().empty())
        paragraphs.pop_back();
    return paragraphs;
}

const Field* Find(const Paragraph& paragraph, std::string_view name) {
    for (const Field& field : paragraph)
        if (field.name == name)
            return &field;
    return nullptr;
}

// A value on one line: its continuation lines joined with blanks.
std::string OneLine(const Field& field) {
    std::string line = field.first;
    for (const std::string& more : field.more)
        if (!more.empty())
            line += (line.empty() ? "" : " ") + more;
    return line;
}

// "*" is the whole program; "fast_float/*" the folder's component.
std::string ComponentName(std::string_view files, std::string_view program) {
    if (files == "*")
        return std::string(program);
    std::string_view name = files.substr(0, files.find(' '));
    if (name.size() > 2 && name.substr(name.size() - 2) == "/*")
        name.remove_suffix(2);
    return std::string(name);
}

} // namespace

std::string ReadableNotices(std::string_view copyright) {
    const std::vector<Paragraph> paragraphs = Paragraphs(copyright);
    std::string program = "Velmora";
    if (!paragraphs.empty())
        if (const Field* name = Find(paragraphs.front(), "Upstream-Name"))
            program = name->first;

    std::string components;
    std::string texts;
    for (const Paragraph& paragraph : paragraphs) {
        const Field* files = Find(paragraph, "Files");
        const Field* licence = Find(paragraph, "License");
        if (files != nullptr) {
            components += ComponentName(OneLine(*files), program) + "\n";
            if (const Field* comment = Find(paragraph, "Comment"))
                components += "  " + OneLine(*comment) + "\n";
            if (licence != nullptr)
                components += "  Lizenz: " + licence->first + "\n";
            if (const Field* holder = Find(paragraph, "Copyright")) {
                components += "  Copyright: " + holder->first + "\n";
                // Aligned under the first holder, however the file indents them.
                for (const std::string& more : holder->more)
                    components +=
                        "             " +
                        more.substr(std::min(more.find_first_not_of(" \t"), more.size())) + "\n";
            }
            components += "\n";
        } else if (licence != nullptr && !licence->more.empty()) {
            texts += "Lizenz " + licence->first + ":\n";
            for (const std::string& line : licence->more)
                texts += (line.empty() ? "" : "  " + line) + "\n";
            texts += "\n";
        }
    }
    std::string notices = components + texts;
    while (!notices.empty() && notices.back() == '\n')
        notices.pop_back();
    return notices;
}

namespace {

// Text as it stands, but for the " ." by which Debian's files of any form
// write an empty line.
std::string WithEmptyLines(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size() - 1);
        const std::string_view line = text.substr(0, end + 1);
        shown += line == " .\n" || line == " ." ? line.substr(2) : line;
        text.remove_prefix(end + 1);
    }
    return shown;
}

} // namespace

std::string ReadableQuotedNotices(std::string_view notices) {
    // Windows line ends, as the exe's notices are written, read as any.
    std::string lines;
    lines.reserve(notices.size());
    for (std::size_t k = 0; k < notices.size(); ++k)
        if (notices[k] != '\r' || k + 1 == notices.size() || notices[k + 1] != '\n')
            lines += notices[k];
    std::string_view rest = lines;
    constexpr std::string_view Start =
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/";
    // The rule between components fills a line of 78; a quoted file may
    // hold shorter ones of its own.
    const std::string rule = "\n" + std::string(78, '=') + "\n";
    std::string readable;
    while (!rest.empty()) {
        std::size_t start = rest.starts_with(Start) ? 0 : rest.find("\n" + std::string(Start));
        if (start == std::string_view::npos) {
            readable += WithEmptyLines(rest);
            break;
        }
        start += rest[start] == '\n' ? 1 : 0;
        readable += WithEmptyLines(rest.substr(0, start));
        rest.remove_prefix(start);
        const std::size_t end = std::min(rest.find(rule), rest.size());
        readable += ReadableNotices(rest.substr(0, end));
        readable += "\n";
        rest.remove_prefix(end);
        if (!rest.empty())
            rest.remove_prefix(1); // the line end before the rule, written above
    }
    return readable;
}

} // namespace velmora
