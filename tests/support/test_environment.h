#pragma once

namespace orbalis::testing {

// Keeps tests away from the user's files and settings.
void PrepareTestEnvironment();

}  // namespace orbalis::testing
