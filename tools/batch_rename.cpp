#include "tools/batch_rename.h"
