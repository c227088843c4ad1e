#pragma once

#include <QString>

class QWidget;

namespace velmora {

// The classic button codes: 0 OK, 1 OK/Cancel, 2 Abort/Retry/Ignore,
// 3 Yes/No/Cancel, 4 Yes/No, 5 Retry/Cancel; plus 16 critical, 32 question,
// 48 exclamation, 64 information icon. The box is modal, titled with the
// application's name, and returns when the user closes it.
void ShowMessage(QWidget* parent, const QString& prompt, int buttons);

// How the runtime shows a run-time error that reached it.
void ShowRuntimeErrorMessage(QWidget* parent, const QString& message);

} // namespace velmora
