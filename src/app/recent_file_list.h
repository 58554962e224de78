#pragma once

#include <string>
#include <vector>

// The recent-file list kept in the per-user settings store (organisation
// "Tandrel", application "Vexlume", group "Recent File List", keys File1 to
// File4): full paths, most recent first, no duplicates.
class RecentFileList {
public:
    static constexpr int kMaxEntries = 4;
    static constexpr int kMaxDisplayLength = 30;

    void ReadList();
    void WriteList() const;

    void Add(const std::string& fullPath);
    void Remove(std::size_t index);
    const std::vector<std::string>& Entries() const { return m_entries; }

    // The name shown in the File menu: just the file's name when it lies in
    // currentDir, otherwise the path shortened to at most maxLength
    // characters ("/home/.../maps/fire.vxl").
    static std::string DisplayName(const std::string& fullPath, const std::string& currentDir,
                                   std::size_t maxLength = kMaxDisplayLength);

private:
    std::vector<std::string> m_entries;
};
