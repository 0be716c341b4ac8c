// Workspace engine code (no Qt) that includes a form helper.
#pragma once

#include "gui/named.h"
