#pragma once

// The control ids every dialog shares.
namespace dialogs::id {

inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

}  // namespace dialogs::id
