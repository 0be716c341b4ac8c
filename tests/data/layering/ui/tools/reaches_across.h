// A form of one feature reaching into another feature's folder; the kit is shared.
#pragma once

#include "ui/kit/controls.h"
#include "ui/workspace/number_list_box.h"
