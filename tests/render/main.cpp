// Render tests paint with QtGui, which needs an application object. It is made in the
// environment's set-up rather than in main so that listing the tests needs no display. The
// shipped rounded face is registered as the program does at start, so characters are drawn in it.
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>

namespace {

class QtGuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        if (QFile::exists(WIGGLEPAD_ROUNDED_FONT_FILE)) {
            QFontDatabase::addApplicationFont(WIGGLEPAD_ROUNDED_FONT_FILE);
        }
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "render_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new QtGuiEnvironment);
    return RUN_ALL_TESTS();
}
