#include "tools/output_format.h"
