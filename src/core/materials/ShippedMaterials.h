#pragma once
// The materials shipped with the program; see MaterialList.h.

#include "core/materials/MaterialList.h"
