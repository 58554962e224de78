// Runs GoogleTest inside a QApplication, with the settings store in a
// temporary folder so that no test touches the user's own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QSurfaceFormat>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    std::string config = (std::filesystem::temp_directory_path() / "vexlume-qt-XXXXXX").string();
    if (::mkdtemp(config.data()) == nullptr) return 2;
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    // Listing the tests needs no display.
    if (::getenv("QT_QPA_PLATFORM") == nullptr && ::getenv("DISPLAY") == nullptr)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);

    QSurfaceFormat format;
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);

    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ec;
    std::filesystem::remove_all(config, ec);
    return result;
}
