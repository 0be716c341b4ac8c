// A workspace header that reaches up into the segment database.
#pragma once

#include "segments/segment_db.h"
