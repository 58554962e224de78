#pragma once

#include <exception>

// An effect file whose contents are not what the reader expects.
class CArchiveException : public std::exception {
public:
    enum Cause { none = 0, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass,
                 badSchema };

    explicit CArchiveException(Cause cause) : m_cause(cause) {}
    const char* what() const noexcept override { return "Unexpected file format."; }

    Cause m_cause;
};
