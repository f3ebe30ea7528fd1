// The settings store against real files in a temporary XDG config folder.
#include "QtSettingsStore.h"

#include "SettingsKeys.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace wigglepad {
namespace {

class QtSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", configHome().toUtf8());
    }
    void TearDown() override {
        QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_CONFIG_HOME", savedConfigHome_);
    }

    QString configHome() const { return home_.path() + "/config"; }
    QString folder() const { return configHome() + "/wigglepad"; }
    QString file() const { return folder() + "/wigglepad.conf"; }

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

    std::ostringstream errors_;

private:
    QTemporaryDir home_;
    QByteArray savedConfigHome_;
};

TEST_F(QtSettingsStoreTest, LivesInTheXdgConfigFolder) {
    EXPECT_EQ(QtSettingsStore(errors_).filePath(), file());
}

TEST_F(QtSettingsStoreTest, WithoutXdgConfigHomeLivesInDotConfig) {
    const QByteArray savedHome = qgetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    qputenv("HOME", "/home/someone");
    const QString path = QtSettingsStore::defaultFilePath();
    qputenv("HOME", savedHome);
    EXPECT_EQ(path, "/home/someone/.config/wigglepad/wigglepad.conf");
}

TEST_F(QtSettingsStoreTest, AMissingFileReadsAsAbsentEntries) {
    const QtSettingsStore store(errors_);
    EXPECT_EQ(store.boolValue(kModeChosenKey), std::nullopt);
    EXPECT_EQ(store.stringValue(kModeKey), std::nullopt);
    EXPECT_EQ(store.boolValue(kAllowSwipeKey), std::nullopt);
}

TEST_F(QtSettingsStoreTest, WritesLastAcrossRunsUnderTheirExactKeys) {
    {
        QtSettingsStore store(errors_);
        store.setBool(kModeChosenKey, true);
        store.setString(kModeKey, "lettersNumbers");
        store.setBool(kAllowSwipeKey, false);
    }
    const QtSettingsStore nextRun(errors_);
    EXPECT_EQ(nextRun.boolValue(kModeChosenKey), true);
    EXPECT_EQ(nextRun.stringValue(kModeKey), "lettersNumbers");
    EXPECT_EQ(nextRun.boolValue(kAllowSwipeKey), false);
    const QByteArray contents = readFile();
    EXPECT_TRUE(contents.contains("wigglepad.modeChosen=true")) << contents.constData();
    EXPECT_TRUE(contents.contains("wigglepad.mode=lettersNumbers")) << contents.constData();
    EXPECT_TRUE(contents.contains("wigglepad.allowSwipe=false")) << contents.constData();
    EXPECT_TRUE(errors_.str().empty());
}

TEST_F(QtSettingsStoreTest, AWriteIsOnDiskAtOnce) {
    QtSettingsStore store(errors_);
    store.setBool(kAllowSwipeKey, true);
    EXPECT_TRUE(readFile().contains("wigglepad.allowSwipe=true"));
}

TEST_F(QtSettingsStoreTest, AWriteReplacesTheFileInsteadOfRewritingIt) {
    writeFile("[General]\nwigglepad.mode=sensory\n");
    struct stat before {};
    ASSERT_EQ(::stat(file().toLocal8Bit().constData(), &before), 0);
    QtSettingsStore(errors_).setBool(kModeChosenKey, true);
    struct stat after {};
    ASSERT_EQ(::stat(file().toLocal8Bit().constData(), &after), 0);
    // A new file renamed over the old one: a crash mid-write leaves the old file whole.
    EXPECT_NE(before.st_ino, after.st_ino);
    EXPECT_TRUE(readFile().contains("wigglepad.mode=sensory"));
    const QStringList left = QDir(folder()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, QStringList{"wigglepad.conf"});
}

TEST_F(QtSettingsStoreTest, EmptyAndGarbledFilesReadAsAbsentEntries) {
    for (const QByteArray& contents :
         {QByteArray(), QByteArray("\x00\xff\xfe[[[=\n\x01\x02", 10),
          QByteArray("[General\nwigglepad.allowSwipe\n==\n\"unterminated"),
          QByteArray(4096, '\xc3')}) {
        writeFile(contents);
        const QtSettingsStore store(errors_);
        EXPECT_EQ(store.boolValue(kAllowSwipeKey), std::nullopt);
        EXPECT_EQ(store.stringValue(kModeKey), std::nullopt);
    }
}

TEST_F(QtSettingsStoreTest, AGarbledFileIsReplacedByTheNextWrite) {
    writeFile("\x00\xff garbage [[[ \x01");
    {
        QtSettingsStore store(errors_);
        store.setBool(kAllowSwipeKey, true);
    }
    EXPECT_EQ(QtSettingsStore(errors_).boolValue(kAllowSwipeKey), true);
    EXPECT_TRUE(errors_.str().empty()) << errors_.str();
}

TEST_F(QtSettingsStoreTest, OnlyTheStoredWordsTrueAndFalseAreBooleans) {
    writeFile("[General]\nwigglepad.modeChosen=no\nwigglepad.allowSwipe=1\n"
              "a=yes\nb=TRUE\nc=0\nd=2.5\ne=\nf=true, false\ng=false\nh=\"true\"\n");
    const QtSettingsStore store(errors_);
    for (const char* key :
         {"wigglepad.modeChosen", "wigglepad.allowSwipe", "a", "b", "c", "d", "e", "f"}) {
        EXPECT_EQ(store.boolValue(key), std::nullopt) << key;
    }
    EXPECT_EQ(store.boolValue("g"), false);
    EXPECT_EQ(store.boolValue("h"), true);
}

TEST_F(QtSettingsStoreTest, OnlyPlainTextIsAString) {
    writeFile("[General]\nwigglepad.mode=sensory, lettersNumbers\n"
              "a=@ByteArray(sensory)\nb=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\nc=42\n");
    const QtSettingsStore store(errors_);
    EXPECT_EQ(store.stringValue(kModeKey), std::nullopt) << "a list is not a string";
    EXPECT_EQ(store.stringValue("a"), std::nullopt);
    EXPECT_EQ(store.stringValue("b"), std::nullopt);
    EXPECT_EQ(store.stringValue("c"), "42") << "digits in the file are text like any other";
}

TEST_F(QtSettingsStoreTest, ABooleanIsNotAString) {
    QtSettingsStore store(errors_);
    store.setBool(kModeKey, true);
    EXPECT_EQ(store.stringValue(kModeKey), std::nullopt);
    store.setString(kAllowSwipeKey, "maybe");
    EXPECT_EQ(store.boolValue(kAllowSwipeKey), std::nullopt);
}

TEST_F(QtSettingsStoreTest, AnUnreadableFileReadsAsAbsentEntries) {
    // A folder where the file should be cannot be read, not even by root.
    ASSERT_TRUE(QDir().mkpath(file()));
    const QtSettingsStore store(errors_);
    EXPECT_EQ(store.boolValue(kAllowSwipeKey), std::nullopt);
    EXPECT_EQ(store.stringValue(kModeKey), std::nullopt);
}

TEST_F(QtSettingsStoreTest, AStoreThatCannotBeWrittenSaysSoOnceAndPlayGoesOn) {
    // A file where the folder should be: no one can create the settings file there.
    ASSERT_TRUE(QDir().mkpath(configHome()));
    QFile blocker(folder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QtSettingsStore store(errors_);
    store.setBool(kAllowSwipeKey, true);
    store.setString(kModeKey, "sensory");
    store.setBool(kModeChosenKey, true);

    const std::string said = errors_.str();
    EXPECT_NE(said.find("cannot save settings"), std::string::npos) << said;
    EXPECT_EQ(said.find("cannot save settings"), said.rfind("cannot save settings"));
    EXPECT_EQ(store.boolValue(kAllowSwipeKey), true) << "the value lasts for this run";
}

TEST_F(QtSettingsStoreTest, AReadOnlyFolderKeepsItsFileAndSaysSo) {
    // Garbled too: the format error met on reading must not hide the failed write.
    const QByteArray garbled("[General\nwigglepad.allowSwipe=false\n\x01\xff");
    writeFile(garbled);
    ASSERT_TRUE(QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner));
    ASSERT_TRUE(QFile::setPermissions(file(), QFile::ReadOwner));
    if (::access(folder().toLocal8Bit().constData(), W_OK) == 0) {
        GTEST_SKIP() << "permissions do not bind this user (root)";
    }
    QtSettingsStore store(errors_);
    store.setBool(kAllowSwipeKey, true);
    store.setBool(kAllowSwipeKey, false);
    EXPECT_NE(errors_.str().find("cannot save settings"), std::string::npos);
    EXPECT_EQ(readFile(), garbled);
}

} // namespace
} // namespace wigglepad
