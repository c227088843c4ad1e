#include "platform/control_access.h"

#include "platform/runtime_error.h"

namespace velmora {

std::string ControlAccess::FieldText(int field) {
    m_lastFieldRead = field;
    std::optional<std::string> text = ReadFieldText(field);
    if (!text)
        RaisePropertyAccessError("Text" + std::to_string(field), "Text");
    return std::move(*text);
}

void ControlAccess::SetResultCaption(std::string_view caption) {
    if (!WriteResultCaption(caption))
        RaisePropertyAccessError("Label10", "Caption");
    m_captionSet = true;
    ShowResultCurrent(true);
}

} // namespace velmora
