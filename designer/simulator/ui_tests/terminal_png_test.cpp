// uzx simulate --png draws the same terminal as the window.
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "designer/simulator/terminal_layout.h"

namespace {

QString Uzx() { return QStringLiteral(UZX_PROGRAM); }

int RunUzx(const QStringList& arguments, QByteArray* output = nullptr) {
    QProcess process;
    process.start(Uzx(), arguments);
    if (!process.waitForFinished(30000)) return -1;
    if (output) *output = process.readAllStandardOutput();
    return process.exitCode();
}

TEST(UzxSimulatePng, DrawsTheScreenItPrints) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString task = folder.filePath(QStringLiteral("t.uzx"));
    ASSERT_EQ(RunUzx({QStringLiteral("new"), task}), 0);

    const QString menu = folder.filePath(QStringLiteral("menu.png"));
    const QString system = folder.filePath(QStringLiteral("system.png"));
    QByteArray printed;
    ASSERT_EQ(RunUzx({QStringLiteral("simulate"), task, QStringLiteral("--keys"), QStringLiteral("22"),
                      QStringLiteral("--time"), QStringLiteral("2024-01-07T09:05:00"), QStringLiteral("--png"), menu},
                     &printed),
              0);
    EXPECT_TRUE(printed.contains("highlight=1"));  // the screen is still printed
    ASSERT_EQ(RunUzx({QStringLiteral("simulate"), task, QStringLiteral("--keys"), QStringLiteral("3,22"),
                      QStringLiteral("--png"), system, QStringLiteral("--zoom"), QStringLiteral("2")}),
              0);

    const QImage menuImage(menu);
    const QImage systemImage(system);
    ASSERT_EQ(menuImage.size(), QSize(simulator::kPictureWidth, simulator::kPictureHeight));
    ASSERT_EQ(systemImage.size(), QSize(2 * simulator::kPictureWidth, 2 * simulator::kPictureHeight));
    // The highlight bar: on line 1 of the main menu, on line 2 of the system menu.
    const QImage systemAtOne = systemImage.scaled(menuImage.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(menuImage.pixelColor(150, 40).lightness(), 60);
    EXPECT_GT(menuImage.pixelColor(150, 50).lightness(), 120);
    EXPECT_GT(systemAtOne.pixelColor(150, 40).lightness(), 120);
    EXPECT_LT(systemAtOne.pixelColor(150, 50).lightness(), 60);
    // The clock line's strip is only under the main menu.
    EXPECT_NE(menuImage.pixelColor(150, 112), systemAtOne.pixelColor(150, 112));
}

TEST(UzxSimulatePng, RefusesABadZoomAndAnUnwritablePath) {
    QTemporaryDir folder;
    const QString task = folder.filePath(QStringLiteral("t.uzx"));
    ASSERT_EQ(RunUzx({QStringLiteral("new"), task}), 0);
    const QString png = folder.filePath(QStringLiteral("x.png"));
    EXPECT_EQ(RunUzx({QStringLiteral("simulate"), task, QStringLiteral("--keys"), QStringLiteral("1"),
                      QStringLiteral("--png"), png, QStringLiteral("--zoom"), QStringLiteral("4")}),
              2);
    EXPECT_EQ(RunUzx({QStringLiteral("simulate"), task, QStringLiteral("--keys"), QStringLiteral("1"),
                      QStringLiteral("--png"), folder.filePath(QStringLiteral("no/such/x.png"))}),
              1);
    EXPECT_FALSE(QFile::exists(png));
}

}  // namespace
