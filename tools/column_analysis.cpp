#include "tools/column_analysis.h"
