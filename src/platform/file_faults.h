#pragma once

#include <functional>

namespace vexlume {

enum class FileOperation { OpenForReading, Create, Write, Close, Replace };

// A seam for tests: when set, it is asked before every file operation and
// may return an errno value to make that operation fail. Tests run as root,
// where permissions do not refuse anything, so refusals are injected here.
void SetFileFaultHook(std::function<int(FileOperation)> hook);
int InjectedFileFault(FileOperation operation);

}  // namespace vexlume
