#pragma once
// Runs a command of a window so that an error it does not catch is shown to the user
// (ChybaAplikace) instead of leaving the event loop; the window stays open.
#include <functional>

void BezpecnyPrikaz(const std::function<void()>& prikaz);
