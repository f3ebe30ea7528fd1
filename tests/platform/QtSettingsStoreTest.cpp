// The settings store against real files in a temporary XDG config folder.
#include "QtSettingsStore.h"

#include "SettingsKeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace wigglepad {
namespace {

constexpr char kCannotSave[] = "cannot save settings";

// What lies at the path, seen without and through a link: equal when nothing was replaced.
std::array<std::uint64_t, 8> footprint(const QString& path) {
    struct stat link {};
    struct stat target {};
    ::lstat(path.toLocal8Bit().constData(), &link);
    ::stat(path.toLocal8Bit().constData(), &target);
    return {link.st_ino,   link.st_mode,   std::uint64_t(link.st_size),   link.st_rdev,
            target.st_ino, target.st_mode, std::uint64_t(target.st_size), target.st_rdev};
}

class QtSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", (home_.path() + "/config").toUtf8());
    }
    void TearDown() override {
        QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_CONFIG_HOME", savedConfigHome_);
    }

    QString folder() const { return home_.path() + "/config/wigglepad"; }
    QString file() const { return folder() + "/wigglepad.conf"; }
    QString elsewhere() const { return home_.path() + "/elsewhere"; }

    void writeFile(const QByteArray& contents) {
        ASSERT_TRUE(QDir().mkpath(folder()));
        QFile out(file());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(contents);
    }
    QByteArray readFile() const {
        QFile in(file());
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    bool saidCannotSaveOnce() const {
        const std::string said = errors_.str();
        return said.find(kCannotSave) != std::string::npos &&
               said.find(kCannotSave) == said.rfind(kCannotSave);
    }

    std::ostringstream errors_;

private:
    QTemporaryDir home_;
    QByteArray savedConfigHome_;
};

TEST_F(QtSettingsStoreTest, WritesReplaceTheFileAtOnceKeepOtherKeysAndLastAcrossRuns) {
    writeFile("[General]\nother=kept\n");
    const auto before = footprint(file());
    {
        QtSettingsStore store(errors_);
        store.setBool(kModeChosenKey, true);
        // A new file renamed over the old one: a crash mid-write leaves the old file whole.
        EXPECT_NE(footprint(file())[0], before[0]);
        store.setString(kModeKey, "lettersNumbers");
        store.setBool(kAllowSwipeKey, false);
        const QByteArray contents = readFile();
        for (const char* line : {"other=kept", "wigglepad.modeChosen=true",
                                 "wigglepad.mode=lettersNumbers", "wigglepad.allowSwipe=false"})
            EXPECT_TRUE(contents.contains(line)) << line << " in " << contents.constData();
    }
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"wigglepad.conf"});

    const QtSettingsStore nextRun(errors_);
    EXPECT_EQ(nextRun.boolValue(kModeChosenKey), true);
    EXPECT_EQ(nextRun.stringValue(kModeKey), "lettersNumbers");
    EXPECT_EQ(nextRun.boolValue(kAllowSwipeKey), false);
    EXPECT_EQ(nextRun.stringValue(kAllowSwipeKey), std::nullopt) << "a Boolean is not a string";
    EXPECT_TRUE(errors_.str().empty());
}

TEST_F(QtSettingsStoreTest, MissingEmptyAndGarbledFilesReadAsAbsentAndTheNextWriteMendsThem) {
    const std::optional<QByteArray> files[] = {
        std::nullopt, QByteArray(), QByteArray("\x00\xff\xfe[[[=\n\x01\x02", 10),
        QByteArray("[General\nwigglepad.allowSwipe\n==\n\"unterminated"), QByteArray(4096, '\xc3')};
    for (const auto& contents : files) {
        SCOPED_TRACE(contents ? contents->left(20).toHex().constData() : "no file");
        QFile::remove(file());
        if (contents)
            writeFile(*contents);
        QtSettingsStore store(errors_);
        EXPECT_EQ(store.boolValue(kAllowSwipeKey), std::nullopt);
        EXPECT_EQ(store.stringValue(kModeKey), std::nullopt);
        store.setBool(kAllowSwipeKey, true);
        EXPECT_TRUE(readFile().contains("wigglepad.allowSwipe=true")) << readFile().constData();
    }
    EXPECT_TRUE(errors_.str().empty()) << errors_.str();
}

TEST_F(QtSettingsStoreTest, OnlyTheWordsTrueAndFalseAreBooleansAndOnlyPlainTextIsAString) {
    writeFile("[General]\nwigglepad.modeChosen=no\nwigglepad.allowSwipe=1\n"
              "a=yes\nb=TRUE\nc=0\nd=2.5\ne=\nf=true, false\ng=false\nh=\"true\"\n"
              "wigglepad.mode=sensory, lettersNumbers\ni=@ByteArray(sensory)\n"
              "j=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\nk=42\n");
    const QtSettingsStore store(errors_);
    for (const char* key :
         {"wigglepad.modeChosen", "wigglepad.allowSwipe", "a", "b", "c", "d", "e", "f"})
        EXPECT_EQ(store.boolValue(key), std::nullopt) << key;
    EXPECT_EQ(store.boolValue("g"), false);
    EXPECT_EQ(store.boolValue("h"), true);
    for (const char* key : {"wigglepad.mode", "i", "j"})
        EXPECT_EQ(store.stringValue(key), std::nullopt) << key;
    EXPECT_EQ(store.stringValue("k"), "42") << "digits in the file are text like any other";
}

TEST_F(QtSettingsStoreTest, WhatIsNotAPlainFileIsIgnoredLeftAloneAndSaidOnce) {
    // A pipe would block the start, a huge file be read whole, a folder cannot be written; a link
    // is read but never replaced (it could point at a device).
    const QByteArray swipeOff("[General]\nwigglepad.allowSwipe=false\n");
    const QString target = elsewhere() + "/target";
    const std::tuple<const char*, std::function<bool()>, std::optional<bool>> cases[] = {
        {"a folder", [&] { return QDir().mkpath(file()); }, std::nullopt},
        {"a pipe", [&] { return ::mkfifo(file().toLocal8Bit().constData(), 0600) == 0; },
         std::nullopt},
        {"over 64 KiB",
         [&] {
             writeFile(swipeOff + QByteArray(64 * 1024, ';'));
             return QFileInfo(file()).size() > 64 * 1024;
         },
         std::nullopt},
        {"a link to a plain file elsewhere",
         [&] {
             QFile out(target);
             return out.open(QIODevice::WriteOnly) && out.write(swipeOff) > 0 &&
                    QFile::link(target, file());
         },
         false},
    };
    for (const auto& [what, make, reads] : cases) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(QDir(folder()).removeRecursively() && QDir(elsewhere()).removeRecursively());
        ASSERT_TRUE(QDir().mkpath(folder()) && QDir().mkpath(elsewhere()));
        ASSERT_TRUE(make());
        errors_.str({});
        const auto before = footprint(file());
        QtSettingsStore store(errors_);
        EXPECT_EQ(store.boolValue(kAllowSwipeKey), reads);
        store.setBool(kAllowSwipeKey, true);
        store.setString(kModeKey, "sensory");
        EXPECT_EQ(store.boolValue(kAllowSwipeKey), true) << "the value lasts for this run";
        EXPECT_TRUE(saidCannotSaveOnce()) << errors_.str();
        EXPECT_EQ(footprint(file()), before);
        EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                  QStringList{"wigglepad.conf"});
    }
}

TEST_F(QtSettingsStoreTest, WithoutAHomeTheSettingsLastForThisRunOnly) {
    // Qt would take the root folder for the home and write to /.config.
    const QByteArray home = qgetenv("HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    QtSettingsStore store(errors_);
    qputenv("HOME", home);
    ASSERT_TRUE(store.filePath().isEmpty()) << store.filePath().toStdString();
    store.setBool(kAllowSwipeKey, true);
    EXPECT_EQ(store.boolValue(kAllowSwipeKey), true);
    EXPECT_TRUE(saidCannotSaveOnce()) << errors_.str();
}

TEST_F(QtSettingsStoreTest, AReadOnlyFolderKeepsItsFileAndSaysSo) {
    // The file itself stays writable: only a whole new file may replace it, never a rewrite in
    // place. Garbled too: the format error met on reading must not hide the failed write.
    const QByteArray garbled("[General\nwigglepad.allowSwipe=false\n\x01\xff");
    writeFile(garbled);
    ASSERT_TRUE(QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner));
    if (::access(folder().toLocal8Bit().constData(), W_OK) == 0)
        GTEST_SKIP() << "permissions do not bind this user (root)";
    QtSettingsStore(errors_).setBool(kAllowSwipeKey, true);
    EXPECT_TRUE(saidCannotSaveOnce()) << errors_.str();
    EXPECT_EQ(readFile(), garbled);
}

} // namespace
} // namespace wigglepad
