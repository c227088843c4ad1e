// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/about_text.h"

namespace velmora {

std::string AboutText(std::string_view version) {
    const std::string shown(version);
    return "Velmora " + shown +
           "\n© 2026 Velmora-Projekt\n\n"
           "Velmora ist freie Software: Sie dürfen es unter den Bedingungen der GNU General "
           "Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version, "
           "weitergeben und verändern (GPL-3.0-or-later). Velmora wird ohne jede Gewährleistung "
           "bereitgestellt, auch ohne die stillschweigende Gewährleistung der Marktreife oder "
           "der Eignung für einen bestimmten Zweck.\n\n"
           "Den Quelltext bekommen Sie dort, wo Sie Velmora bekommen haben: Er liegt jeder "
           "Weitergabe bei (velmora-" +
           shown +
           "-source.tar.gz), für Windows samt dem Quelltext des enthaltenen Qt. Haben Sie "
           "Velmora aus einem Git-Klon gebaut, ist der Klon selbst der Quelltext; "
           "„git archive HEAD“ macht daraus dieses Archiv.";
}

std::string_view NoticesHeading() {
    return "Enthaltene Software und ihre &Lizenzen";
}

std::string_view CloseLabel() {
    return "&Schließen";
}

std::string WithoutMnemonic(std::string_view label) {
    std::string shown(label);
    if (const std::size_t mark = shown.find('&'); mark != std::string::npos)
        shown.erase(mark, 1);
    return shown;
}

} // namespace velmora
