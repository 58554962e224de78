// Splits arbitrary bytes at NUL characters into arguments for the
// command-line parser.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "export/effect_command_line_info.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args{"vexlume"};
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(current);
            current.clear();
        } else {
            current.push_back(static_cast<char>(data[i]));
        }
    }
    args.push_back(current);
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    CEffectCommandLineInfo info;
    info.ParseCommandLine(static_cast<int>(argv.size()), argv.data());
    return info.IsExport() && info.m_nShellCommand != CEffectCommandLineInfo::ShellExportShader &&
                   info.m_nShellCommand != CEffectCommandLineInfo::ShellExportPrefab
               ? 1
               : 0;
}
