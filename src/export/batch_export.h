#pragma once

#include <functional>
#include <ostream>
#include <string>

class CEffectCommandLineInfo;
class CParticleDoc;

// Exit statuses of a command-line export.
enum BatchExitStatus { kExportWritten = 0, kOpenFailed = 1, kExportFailed = 2 };

// Runs the export the command line asks for: opens the named effect as File >
// Open does, writes the shader script or prefab, and reports a failure on one
// line of err, prefixed "vexlume: ". onOpened hears the full path of an
// effect that was opened, for the recent-file list.
int RunBatchExport(const CEffectCommandLineInfo& info, CParticleDoc& doc, std::ostream& err,
                   const std::function<void(const std::string&)>& onOpened);
