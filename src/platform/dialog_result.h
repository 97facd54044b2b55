#pragma once

namespace kugel {

// How a modal window or message box was closed: the classic modal results,
// whose numbers scripts see and dialog buttons carry.
enum class DialogResult { None = 0, Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Yes = 6, No = 7 };

}  // namespace kugel
