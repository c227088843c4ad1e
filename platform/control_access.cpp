#include "control_access.h"

#include "runtime_error.h"

namespace velmora {

std::string ControlAccess::Text(std::string_view control) {
    std::optional<std::string> text = ReadText(control);
    if (!text)
        RaisePropertyAccessError(control, "Text");
    return std::move(*text);
}

void ControlAccess::SetCaption(std::string_view control, std::string_view caption) {
    if (!WriteCaption(control, caption))
        RaisePropertyAccessError(control, "Caption");
}

} // namespace velmora
