#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The effect file's binary stream: little-endian numbers and length-prefixed
// strings, storing into a byte buffer or loading from one. Loading past the
// end throws CArchiveException(endOfFile).
class CArchive {
public:
    explicit CArchive(std::string& storeInto);     // storing
    explicit CArchive(std::string_view loadFrom);  // loading

    bool IsStoring() const { return m_store != nullptr; }
    bool IsLoading() const { return m_store == nullptr; }

    void WriteBytes(const void* data, std::size_t size);
    void ReadBytes(void* data, std::size_t size);
    std::size_t Remaining() const { return m_load.size() - m_position; }

    CArchive& operator<<(std::int32_t value);
    CArchive& operator<<(float value);
    CArchive& operator<<(const std::string& value);
    CArchive& operator>>(std::int32_t& value);
    CArchive& operator>>(float& value);
    CArchive& operator>>(std::string& value);

private:
    std::uint8_t ReadU8();
    std::uint16_t ReadU16();
    std::uint32_t ReadU32();
    void WriteU8(std::uint8_t value);
    void WriteU16(std::uint16_t value);
    void WriteU32(std::uint32_t value);

    std::string* m_store = nullptr;
    std::string_view m_load;
    std::size_t m_position = 0;
};
