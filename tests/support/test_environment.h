#pragma once

namespace orbalis::testing {

// Keeps tests away from the user's files and settings, and starts them from
// empty settings, as a first start of the program.
void PrepareTestEnvironment();

}  // namespace orbalis::testing
