// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace velmora {

// A machine-readable Debian copyright file as a reader wants it: one entry
// per component (its name, what it is, its licence and copyright), then the
// licence texts, each under its name. Its format fields are left out, and
// the " ." that stands for an empty line is one.
[[nodiscard]] std::string ReadableNotices(std::string_view copyright);

// Notices written as text that quote Debian copyright files, as the Windows
// exe's do: each quoted file, from its "Format:" line up to the next line of 78
// "=" or the end, is read as above; everything else stays as it is, but for
// the " ." lines of Debian's older free-form files, which are empty lines.
[[nodiscard]] std::string ReadableQuotedNotices(std::string_view notices);

} // namespace velmora
