#include "platform/text_file_writer.h"

namespace vexlume {

namespace {
constexpr std::size_t kBufferSize = 1 << 16;
}

TextFileWriter::TextFileWriter(const std::string& fullPath)
    : m_file(fullPath, FileWriter::WriteErrors::DiskFull, FileWriter::Durability::Plain) {
    m_buffer.reserve(kBufferSize + 2);
}

void TextFileWriter::Write(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        std::size_t end = lf == std::string_view::npos ? text.size() : lf;
        m_buffer.append(text.data() + start, end - start);
        if (lf != std::string_view::npos) m_buffer.append("\r\n", 2);
        start = end + (lf != std::string_view::npos ? 1 : 0);
        if (m_buffer.size() >= kBufferSize) Flush();
    }
}

void TextFileWriter::Flush() {
    if (!m_buffer.empty()) m_file.Write(m_buffer.data(), m_buffer.size());
    m_buffer.clear();
}

void TextFileWriter::Close() {
    Flush();
    m_file.Commit();
}

}  // namespace vexlume
