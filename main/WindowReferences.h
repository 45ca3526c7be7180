#pragma once

// The window references as the main window's files name them; they live with the lowest
// layer that uses them.

#include "common/WindowReferences.h"
