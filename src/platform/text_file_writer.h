#pragma once

#include <string>
#include <string_view>

#include "platform/file_writer.h"

namespace vexlume {

// A text file for the game's tools: every line feed is stored as CR LF,
// strings are written as their bytes, and the file replaces its target only
// when Close succeeds. A failed write or close reports a full disk.
class TextFileWriter {
public:
    explicit TextFileWriter(const std::string& fullPath);

    void Write(std::string_view text);
    void Close();

private:
    void Flush();

    FileWriter m_file;
    std::string m_buffer;
};

}  // namespace vexlume
