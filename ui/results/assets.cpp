#include "ui/results/assets.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitAssetsResource() {
    Q_INIT_RESOURCE(assets);
}

namespace orbalis {

void EnsureAssetsLoaded() {
    static const bool loaded = [] {
        InitAssetsResource();
        return true;
    }();
    (void)loaded;
}

}  // namespace orbalis
