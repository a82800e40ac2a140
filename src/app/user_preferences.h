#pragma once

// The preferences record is a record on disk like the city files and lives
// with them in common/. The city database tools still include it by this
// path; once they include common/user_preferences.h this header goes.
#include "common/user_preferences.h"
