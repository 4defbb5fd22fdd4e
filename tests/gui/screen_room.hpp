// The room a window has on the smallest screen it must fit.
#pragma once

#include <QSize>

// A screen of 1366 x 768 with a desktop panel of 48 pixels and a title bar of 32.
inline constexpr QSize kSmallScreenRoom(1366, 768 - 48 - 32);
