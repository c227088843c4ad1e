// SPDX-FileCopyrightText: 2026 Velmora-Projekt
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/runtime_error.h"

#include <QMetaType>
#include <QString>
#include <optional>

// The kind of run-time error an action raised, or none.
template <typename Action> std::optional<velmora::ErrorKind> KindRaisedBy(Action action) {
    try {
        action();
    } catch (const velmora::RuntimeError& error) {
        return error.Kind();
    }
    return std::nullopt;
}

// The message of the run-time error an action raised ("" for none).
template <typename Action> QString MessageRaisedBy(Action action) {
    try {
        action();
    } catch (const velmora::RuntimeError& error) {
        return QString::fromStdString(error.Message());
    }
    return {};
}

Q_DECLARE_METATYPE(std::optional<velmora::ErrorKind>)
