#pragma once

#include "platform/runtime_error.h"

#include <QMetaType>
#include <optional>

// The kind of run-time error an action raised, or none.
template <typename Action> std::optional<velmora::ErrorKind> KindRaisedBy(Action action) {
    try {
        action();
    } catch (const velmora::RuntimeError& error) {
        return error.kind();
    }
    return std::nullopt;
}

Q_DECLARE_METATYPE(std::optional<velmora::ErrorKind>)
