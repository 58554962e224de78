#pragma once

#include <string>

// What the command line asks for: a document to open and, optionally, an
// export to run without a window.
class CEffectCommandLineInfo {
public:
    enum ShellCommand { FileNew = 0, FileOpen = 1, ShellExportShader = 100, ShellExportPrefab = 101 };

    CEffectCommandLineInfo() = default;
    virtual ~CEffectCommandLineInfo() = default;

    // Parses every argument after the program's name.
    void ParseCommandLine(int argc, const char* const* argv);
    // One argument; bFlag is set when it was written as a switch, in which
    // case pszParam comes without its leading "-", "--" or "/".
    virtual void ParseParam(const char* pszParam, bool bFlag, bool bLast);

    bool IsExport() const {
        return m_nShellCommand == ShellExportShader || m_nShellCommand == ShellExportPrefab;
    }

    ShellCommand m_nShellCommand = FileNew;
    std::string m_strFileName;
    bool m_bWorkaround = false;
    std::string m_strShaderFile;
    std::string m_strPrefabFile;
    bool m_bShowHelp = false;
    bool m_bShowVersion = false;

private:
    void ParseLast();
};

// The usage text printed by --help.
extern const char* const kCommandLineUsage;
