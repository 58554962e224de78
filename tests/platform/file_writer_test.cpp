#include "platform/file_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "../test_support.h"
#include "platform/file_exception.h"
#include "platform/file_faults.h"
#include "platform/text_file_writer.h"

namespace {

using vexlume::TextFileWriter;
using vexlume::test::ListFolder;
using vexlume::test::ReadBytes;
using vexlume::test::TempDir;
using vexlume::test::WriteBytes;

class TextFileWriterTest : public ::testing::Test {
protected:
    void TearDown() override { vexlume::SetFileFaultHook({}); }
    TempDir dir;
};

TEST_F(TextFileWriterTest, EveryLineFeedBecomesCrLf) {
    const std::string path = dir / "out.txt";
    TextFileWriter file(path);
    file.Write("one\ntwo\n\nthree");
    file.Write("\n");
    file.Close();
    EXPECT_EQ(ReadBytes(path), "one\r\ntwo\r\n\r\nthree\r\n");
}

TEST_F(TextFileWriterTest, LargeOutputCrossesTheBuffer) {
    const std::string path = dir / "big.txt";
    std::string line(999, 'x');
    line.push_back('\n');
    TextFileWriter file(path);
    for (int i = 0; i < 300; ++i) file.Write(line);
    file.Close();
    std::string bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 300u * 1001u);
    EXPECT_EQ(bytes.substr(999, 3), "\r\nx");
}

TEST_F(TextFileWriterTest, NothingAppearsUntilClose) {
    const std::string path = dir / "late.txt";
    {
        TextFileWriter file(path);
        file.Write("abandoned\n");
    }
    EXPECT_TRUE(ListFolder(dir.path()).empty());
}

TEST_F(TextFileWriterTest, FailedWriteReportsDiskFullAndKeepsTheTarget) {
    const std::string path = dir / "keep.txt";
    WriteBytes(path, "old");
    for (auto failing : {vexlume::FileOperation::Write, vexlume::FileOperation::Close}) {
        vexlume::SetFileFaultHook([failing](vexlume::FileOperation op) { return op == failing ? EIO : 0; });
        try {
            TextFileWriter file(path);
            file.Write("new\n");
            file.Close();
            FAIL() << "no exception";
        } catch (const CFileException& e) {
            EXPECT_EQ(e.m_cause, CFileException::diskFull);
            EXPECT_EQ(e.GetErrorMessage(), "Disk full while accessing " + path + ".");
        }
        EXPECT_EQ(ReadBytes(path), "old");
        EXPECT_EQ(ListFolder(dir.path()), std::vector<std::string>{"keep.txt"});
    }
}

TEST_F(TextFileWriterTest, DeviceTargetsAreWrittenDirectly) {
    {
        TextFileWriter file("/dev/null");
        file.Write("gone\n");
        file.Close();
    }
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    try {
        TextFileWriter file("/dev/full");
        file.Write("x\n");
        file.Close();
        FAIL() << "no exception";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::diskFull);
    }
}

struct CreateCase {
    const char* name;
    std::string relative;
    CFileException::Cause cause;
};

TEST_F(TextFileWriterTest, CreationFailuresCarryTheirCause) {
    WriteBytes(dir / "plain", "x");
    std::filesystem::create_directory(dir / "folder");
    const CreateCase cases[] = {
        {"missing folder", "nofolder/x.shader", CFileException::badPath},
        {"through a file", "plain/x.shader", CFileException::badPath},
        {"a folder", "folder", CFileException::accessDenied},
    };
    for (const CreateCase& c : cases) {
        try {
            TextFileWriter file(dir / c.relative);
            FAIL() << c.name;
        } catch (const CFileException& e) {
            EXPECT_EQ(e.m_cause, c.cause) << c.name;
            EXPECT_EQ(e.m_strFileName, dir / c.relative) << c.name;
        }
    }
    EXPECT_THROW(TextFileWriter(""), CFileException);
}

TEST_F(TextFileWriterTest, ReplacingALinkWritesWhereItPoints) {
    const std::string target = dir / "real.txt";
    WriteBytes(target, "old");
    std::filesystem::create_symlink(target, dir / "link.txt");
    TextFileWriter file(dir / "link.txt");
    file.Write("new");
    file.Close();
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.txt"));
    EXPECT_EQ(ReadBytes(target), "new");
}

TEST(CFileException, MessagesFillInThePath) {
    EXPECT_EQ(CFileException(CFileException::fileNotFound, "/a/b.vxl").GetErrorMessage(),
              "/a/b.vxl was not found.");
    EXPECT_EQ(CFileException(CFileException::badSeek, "/x").GetErrorMessage(), "Seek failed on /x");
    EXPECT_EQ(CFileException(CFileException::none, "/x").GetErrorMessage(), "No error occurred.");
    EXPECT_EQ(CFileException::CauseFromErrno(ENOSPC), CFileException::diskFull);
    EXPECT_EQ(CFileException::CauseFromErrno(EMFILE), CFileException::tooManyOpenFiles);
    EXPECT_EQ(CFileException::CauseFromErrno(EROFS), CFileException::accessDenied);
}

}  // namespace
