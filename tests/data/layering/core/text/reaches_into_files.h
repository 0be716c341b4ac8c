// Text helpers of the engine's base that reach up into the layer of files above them.
#pragma once

#include "core/text/gbk.h"
#include "core/io/file_io.h"
