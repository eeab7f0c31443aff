#pragma once
// The window's one path from a control to its model. A panel hands the operation of the user's
// action to it; the window runs it on the model, then shows the model's whole state again in
// every panel (and reports an error that escaped the operation).
#include <functional>

namespace tambrel {

using ModelForward = std::function<void(const std::function<void()>& operation)>;

} // namespace tambrel
