// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/announcements.h"

namespace velmora {

namespace {

constexpr std::string_view Blanks = " \t\r";

std::string_view Trimmed(std::string_view line) {
    const std::size_t first = line.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(Blanks) - first + 1);
}

} // namespace

std::vector<std::string> ResultLines(std::string_view caption) {
    std::vector<std::string> lines;
    bool newParagraph = true;
    while (!caption.empty()) {
        const std::size_t end = caption.find('\n');
        const std::string_view line = Trimmed(caption.substr(0, end));
        caption = end == std::string_view::npos ? std::string_view() : caption.substr(end + 1);
        if (line.empty()) {
            newParagraph = true;
        } else if (newParagraph) {
            lines.emplace_back(line);
            newParagraph = false;
        } else {
            lines.back() += ' ';
            lines.back() += line;
        }
    }
    return lines;
}

std::string ResultAnnouncement(std::string_view caption) {
    std::string spoken;
    for (const std::string& line : ResultLines(caption)) {
        if (!spoken.empty())
            spoken += "; ";
        spoken += line;
    }
    return spoken;
}

std::string_view OutdatedAnnouncement() {
    return "Das Ergebnis gehört nicht mehr zu den aktuellen Werten.";
}

std::string_view CopiedAnnouncement() {
    return "Ergebnis kopiert.";
}

std::string_view FigureCopiedAnnouncement() {
    return "Abbildung kopiert.";
}

std::string_view TableCopiedAnnouncement() {
    return "Werte und Ergebnis kopiert.";
}

} // namespace velmora
