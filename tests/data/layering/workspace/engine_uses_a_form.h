// Workspace engine code that includes a form helper and Qt.
#pragma once

#include <QString>

#include "ui/kit/named.h"
