#include "test_environment.h"

#include <QStandardPaths>

namespace orbalis::testing {

void PrepareTestEnvironment() { QStandardPaths::setTestModeEnabled(true); }

}  // namespace orbalis::testing
