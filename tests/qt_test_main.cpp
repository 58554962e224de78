// Runs GoogleTest inside a QApplication, with the settings store in a
// temporary folder so that no test touches the user's own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>

#include <QApplication>
#include <QSurfaceFormat>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    std::string config = (std::filesystem::temp_directory_path() / "vexlume-qt-XXXXXX").string();
    if (::mkdtemp(config.data()) == nullptr) return 2;
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    const char* platform = ::getenv("QT_QPA_PLATFORM");
    bool listing = false;
    for (int i = 1; i < argc; ++i) listing = listing || std::string(argv[i]) == "--gtest_list_tests";
    if (::getenv("DISPLAY") == nullptr) {
        if (listing || platform == nullptr) {
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);  // listing needs no display
        } else if (std::string(platform) == "xcb") {
            std::fprintf(stderr, "These tests show the OpenGL preview and need an X display: "
                                 "run them under xvfb-run, as scripts/test does.\n");
            return 1;
        }
    }

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
