#include "platform/file_faults.h"

namespace vexlume {

namespace {
std::function<int(FileOperation)>& Hook() {
    static std::function<int(FileOperation)> hook;
    return hook;
}
}  // namespace

void SetFileFaultHook(std::function<int(FileOperation)> hook) { Hook() = std::move(hook); }

int InjectedFileFault(FileOperation operation) { return Hook() ? Hook()(operation) : 0; }

}  // namespace vexlume
