#pragma once
#include "platform/template_dialog.h"

// The control ids every dialog shares: the ones the template dialog itself
// knows its buttons by.
namespace dialogs::id {

inline constexpr int kOk = platform::TemplateDialog::kIdOk;
inline constexpr int kCancel = platform::TemplateDialog::kIdCancel;

}  // namespace dialogs::id
