#include "widget_control_access.h"

#include "message_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace velmora {

namespace {

QString Name(std::string_view control) {
    return QString::fromUtf8(control.data(), static_cast<qsizetype>(control.size()));
}

} // namespace

void WidgetControlAccess::ShowMessageBox(std::string_view prompt, int buttons) {
    ShowMessage(&m_form, QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size())),
                buttons);
}

std::optional<std::string> WidgetControlAccess::ReadText(std::string_view control) {
    const auto* field = m_form.findChild<QLineEdit*>(Name(control));
    if (field == nullptr)
        return std::nullopt;
    return field->text().toStdString();
}

bool WidgetControlAccess::WriteCaption(std::string_view control, std::string_view caption) {
    auto* label = m_form.findChild<QLabel*>(Name(control));
    if (label == nullptr)
        return false;
    label->setText(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    return true;
}

} // namespace velmora
