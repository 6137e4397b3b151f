#pragma once
// The file-name helpers are shared by both windows: see common/file_names.h.
#include "common/file_names.h"
