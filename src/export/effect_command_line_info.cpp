#include "export/effect_command_line_info.h"

#include <strings.h>

#include <cstring>

namespace {

bool IsWord(const char* text, const char* word) { return ::strcasecmp(text, word) == 0; }

bool IsSwitchWord(const char* text) {
    return IsWord(text, "workaround") || IsWord(text, "shader") || IsWord(text, "prefab") ||
           IsWord(text, "help") || IsWord(text, "h") || IsWord(text, "?") ||
           IsWord(text, "version");
}

}  // namespace

// An argument beginning with "/" is an absolute path unless what follows the
// slash is one of our switch words. An argument beginning with "-" or "--" is
// always a switch; when it is not one of ours it may still be taken as an
// output path, without its dashes.
void CEffectCommandLineInfo::ParseCommandLine(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const bool last = i == argc - 1;
        if (arg[0] == '-') {
            const char* word = arg + (arg[1] == '-' ? 2 : 1);
            ParseParam(word, true, last);
        } else if (arg[0] == '/' && IsSwitchWord(arg + 1)) {
            ParseParam(arg + 1, true, last);
        } else {
            ParseParam(arg, false, last);
        }
    }
    // The named document is opened however the line ends, also when its last
    // argument was a switch of ours.
    ParseLast();
}

void CEffectCommandLineInfo::ParseParam(const char* pszParam, bool bFlag, bool /*bLast*/) {
    if (bFlag) {
        if (IsWord(pszParam, "help") || IsWord(pszParam, "h") || IsWord(pszParam, "?")) {
            m_bShowHelp = true;
            return;
        }
        if (IsWord(pszParam, "version")) {
            m_bShowVersion = true;
            return;
        }
        if (IsWord(pszParam, "workaround")) {
            m_bWorkaround = true;
            return;
        }
        if (IsWord(pszParam, "shader")) {
            m_nShellCommand = ShellExportShader;
            return;
        }
        if (IsWord(pszParam, "prefab")) {
            m_nShellCommand = ShellExportPrefab;
            return;
        }
    }
    if (m_nShellCommand == ShellExportShader && m_strShaderFile.empty()) {
        m_strShaderFile = pszParam;
        return;
    }
    if (m_nShellCommand == ShellExportPrefab && m_strPrefabFile.empty()) {
        m_strPrefabFile = pszParam;
        return;
    }
    // Other switches have no meaning here and are ignored.
    if (bFlag) return;
    if (m_strFileName.empty()) m_strFileName = pszParam;
}

void CEffectCommandLineInfo::ParseLast() {
    if (m_nShellCommand == FileNew && !m_strFileName.empty()) m_nShellCommand = FileOpen;
}

const char* const kCommandLineUsage =
    "Usage: vexlume [EFFECT.vxl] [-shader OUT.shader [-workaround] | -prefab OUT.pfb]\n"
    "\n"
    "Without an export switch, starts the editor, opening EFFECT.vxl if given.\n"
    "With one, writes the export of EFFECT.vxl and ends without opening a window.\n"
    "Switches may begin with '-', '--' or '/' and are matched in any letter case.\n"
    "\n"
    "  -shader PATH     write the shader script to PATH\n"
    "  -prefab PATH     write the Radiant prefab to PATH\n"
    "  -workaround      write the autosprite lines in their work-around form\n"
    "  -help, -h        show this text\n"
    "  -version         show the program's version\n"
    "\n"
    "Examples:\n"
    "  vexlume smoke.vxl -shader scripts/smoke.shader\n"
    "  vexlume smoke.vxl -shader scripts/smoke.shader -workaround\n"
    "  vexlume smoke.vxl -prefab prefabs/smoke.pfb\n"
    "\n"
    "Exit status: 0 when the export was written, 1 when the effect could not be\n"
    "opened, 2 when the export could not be written.\n";
