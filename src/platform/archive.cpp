#include "platform/archive.h"

#include <cstring>

#include "platform/archive_exception.h"

CArchive::CArchive(std::string& storeInto) : m_store(&storeInto) {}
CArchive::CArchive(std::string_view loadFrom) : m_load(loadFrom) {}

void CArchive::WriteBytes(const void* data, std::size_t size) {
    m_store->append(static_cast<const char*>(data), size);
}

void CArchive::ReadBytes(void* data, std::size_t size) {
    if (size > Remaining()) throw CArchiveException(CArchiveException::endOfFile);
    if (size > 0) std::memcpy(data, m_load.data() + m_position, size);
    m_position += size;
}

std::uint8_t CArchive::ReadU8() {
    unsigned char b[1];
    ReadBytes(b, 1);
    return b[0];
}

std::uint16_t CArchive::ReadU16() {
    unsigned char b[2];
    ReadBytes(b, 2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t CArchive::ReadU32() {
    unsigned char b[4];
    ReadBytes(b, 4);
    return std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) | (std::uint32_t{b[2]} << 16) |
           (std::uint32_t{b[3]} << 24);
}

void CArchive::WriteU8(std::uint8_t value) { WriteBytes(&value, 1); }

void CArchive::WriteU16(std::uint16_t value) {
    unsigned char b[2] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8)};
    WriteBytes(b, 2);
}

void CArchive::WriteU32(std::uint32_t value) {
    unsigned char b[4] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                          static_cast<unsigned char>(value >> 16),
                          static_cast<unsigned char>(value >> 24)};
    WriteBytes(b, 4);
}

CArchive& CArchive::operator<<(std::int32_t value) {
    WriteU32(static_cast<std::uint32_t>(value));
    return *this;
}

CArchive& CArchive::operator<<(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, 4);
    WriteU32(bits);
    return *this;
}

// Up to 254 bytes: one length byte; up to 65533: 0xFF and a 16-bit length;
// longer: 0xFF, 0xFFFF and a 32-bit length.
CArchive& CArchive::operator<<(const std::string& value) {
    const std::size_t n = value.size();
    if (n < 0xFF) {
        WriteU8(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
        WriteU8(0xFF);
        WriteU16(static_cast<std::uint16_t>(n));
    } else {
        WriteU8(0xFF);
        WriteU16(0xFFFF);
        WriteU32(static_cast<std::uint32_t>(n));
    }
    WriteBytes(value.data(), n);
    return *this;
}

CArchive& CArchive::operator>>(std::int32_t& value) {
    value = static_cast<std::int32_t>(ReadU32());
    return *this;
}

CArchive& CArchive::operator>>(float& value) {
    std::uint32_t bits = ReadU32();
    std::memcpy(&value, &bits, 4);
    return *this;
}

namespace {

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// The document's strings are UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16LeToUtf8(const unsigned char* units, std::size_t count) {
    std::string out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t u = units[2 * i] | (units[2 * i + 1] << 8);
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < count) {
            std::uint32_t low = units[2 * i + 2] | (units[2 * i + 3] << 8);
            if (low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, (u >= 0xD800 && u < 0xE000) ? 0xFFFD : u);
    }
    return out;
}

}  // namespace

CArchive& CArchive::operator>>(std::string& value) {
    bool wide = false;
    std::uint64_t n = ReadU8();
    if (n == 0xFF) {
        std::uint32_t w = ReadU16();
        if (w == 0xFFFE) {
            // A wide string: its length follows in the ordinary form, and a
            // second wide marker there is not a valid file.
            wide = true;
            n = ReadU8();
            if (n == 0xFF) {
                w = ReadU16();
                if (w == 0xFFFE) throw CArchiveException(CArchiveException::badIndex);
                n = w == 0xFFFF ? ReadU32() : w;
            }
        } else {
            n = w == 0xFFFF ? ReadU32() : w;
        }
    }
    value.clear();
    if (n == 0) return *this;
    const std::uint64_t bytes = wide ? 2 * n : n;
    // Checked before anything is allocated: a corrupt length must not
    // reserve memory the file cannot fill.
    if (bytes > Remaining()) throw CArchiveException(CArchiveException::endOfFile);
    const auto* data = reinterpret_cast<const unsigned char*>(m_load.data() + m_position);
    m_position += static_cast<std::size_t>(bytes);
    if (wide)
        value = Utf16LeToUtf8(data, static_cast<std::size_t>(n));
    else
        value.assign(reinterpret_cast<const char*>(data), static_cast<std::size_t>(n));
    return *this;
}
