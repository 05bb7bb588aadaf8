// The files the build generated from the drawing routine: the dialog's
// pictures, their Qt resource file (embedded into this test program as the
// task dialog embeds it), the .ico files and the .rc file for res.icl.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include "IcoReader.h"
#include "StatusIcons.h"

namespace fq {
namespace {

using test::ReadWholeFile;

const QString kFolder = QStringLiteral(FQ_STATUS_ICONS_DIR);

QString Stem(int index) { return QString("status-%1").arg(index, 2, 10, QChar('0')); }

QImage Loaded(const QString& path) { return QImage(path).convertToFormat(QImage::Format_ARGB32); }

QStringList Matches(const QString& text, const QString& pattern) {
    QStringList found;
    auto matches = QRegularExpression(pattern, QRegularExpression::MultilineOption).globalMatch(text);
    while (matches.hasNext()) found << matches.next().captured(1);
    return found;
}

TEST(GeneratedFiles, DialogPicturesAreThe32PixelPicturesNamedByIndex) {
    for (int index = 0; index < kStatusIconCount; ++index) {
        const QString path = kFolder + "/png/" + Stem(index) + ".png";
        EXPECT_EQ(Loaded(path), StatusIconImage(index, 32)) << path.toStdString();
    }
}

TEST(GeneratedFiles, ResourceFileListsThePicturesInIndexOrder) {
    const QString qrc = QString::fromUtf8(ReadWholeFile(kFolder + "/statusicons.qrc"));
    QStringList expected;
    for (int index = 0; index < kStatusIconCount; ++index) expected << Stem(index) + ".png";
    EXPECT_EQ(Matches(qrc, R"re(<file alias="([^"]+)">)re"), expected);
    EXPECT_EQ(Matches(qrc, R"re(<qresource prefix="([^"]+)">)re"), QStringList{"/statusicons"});
}

TEST(GeneratedFiles, EmbeddedResourcesShowThePictureOfTheirIndex) {
    for (int index = 0; index < kStatusIconCount; ++index) {
        const QString path = ":/statusicons/" + Stem(index) + ".png";
        ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
        EXPECT_EQ(Loaded(path), StatusIconImage(index, 32)) << path.toStdString();
    }
}

TEST(GeneratedFiles, IconFilesHoldThePictureOfTheirIndexAt16_32And48Pixels) {
    for (int index = 0; index < kStatusIconCount; ++index) {
        const QString path = kFolder + "/ico/" + Stem(index) + ".ico";
        SCOPED_TRACE(path.toStdString());
        const QByteArray file = ReadWholeFile(path);
        const test::IcoDirectory directory = test::ReadIcoDirectory(file);
        ASSERT_EQ(directory.entries.size(), 3u);
        const int sizes[] = {16, 32, 48};
        for (int i = 0; i < 3; ++i) {
            ASSERT_EQ(directory.entries[i].width, sizes[i]);
            EXPECT_EQ(test::ReadIcoBitmap(file, directory.entries[i]).colours, StatusIconImage(index, sizes[i]));
        }
    }
}

// The file manager counts a library's icon groups in ascending ID order, so
// ID N + 1 must name the file of picture N.
TEST(GeneratedFiles, ResourceScriptGivesPictureNTheIdNPlusOne) {
    const QString rc = QString::fromUtf8(ReadWholeFile(kFolder + "/statusicons.rc"));
    auto lines = QRegularExpression(R"re(^(\d+) ICON "ico/(status-\d\d)\.ico"$)re", QRegularExpression::MultilineOption).globalMatch(rc);
    int index = 0;
    while (lines.hasNext()) {
        const auto line = lines.next();
        EXPECT_EQ(line.captured(1).toInt(), index + 1);
        EXPECT_EQ(line.captured(2), Stem(index));
        ++index;
    }
    EXPECT_EQ(index, kStatusIconCount);
    EXPECT_EQ(Matches(rc, R"re(^\s*(\S.*ICON.*)$)re").size(), kStatusIconCount);
}

}  // namespace
}  // namespace fq
