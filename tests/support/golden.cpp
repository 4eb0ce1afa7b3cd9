#include "support/golden.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>

namespace {
// A pixel differs when one of its channels moves by more than this (antialiasing of another
// font renderer stays below it)...
constexpr int kChannelTolerance = 12;
// ...and a picture differs when more than this share of its pixels do.
constexpr double kPixelShare = 0.001;

QDir referenceFolder()
{
    QDir folder = QFileInfo(QStringLiteral(__FILE__)).dir();
    folder.cd(QStringLiteral("../golden"));
    return folder;
}

bool renderingReferences()
{
    return qEnvironmentVariableIntValue("TEMPEL_GOLDEN_RENDER") == 1;
}

int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// The differing pixels in red over a faded copy of the reference.
struct Comparison {
    qsizetype differing = 0;
    QImage differences;
};

Comparison compare(const QImage &actual, const QImage &expected)
{
    Comparison c;
    c.differences = QImage(actual.size(), QImage::Format_RGB32);
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            if (channelDistance(a, e) > kChannelTolerance) {
                ++c.differing;
                c.differences.setPixel(x, y, qRgb(255, 0, 0));
            } else {
                const int grey = 192 + qGray(e) / 4;
                c.differences.setPixel(x, y, qRgb(grey, grey, grey));
            }
        }
    }
    return c;
}
} // namespace

void verifierImage(const QString &nom, QWidget *ecran)
{
    const QImage actual = ecran->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString reference = referenceFolder().filePath(nom + QStringLiteral(".png"));
    if (renderingReferences()) {
        ASSERT_TRUE(actual.save(reference, "PNG", 9)) << qPrintable(reference);
        return;
    }
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    bool same = !expected.isNull() && expected.size() == actual.size();
    Comparison c;
    if (same) {
        c = compare(actual, expected);
        same = c.differing <= qsizetype(kPixelShare * actual.width() * actual.height());
    }
    if (same)
        return;
    QDir out = QDir::current();
    out.mkpath(QStringLiteral("golden-failures"));
    out.cd(QStringLiteral("golden-failures"));
    const QString actualPath = out.filePath(nom + QStringLiteral("-actual.png"));
    actual.save(actualPath);
    QString detail = expected.isNull() ? QStringLiteral("no reference picture")
                                       : QStringLiteral("size %1 x %2 instead of %3 x %4")
                                             .arg(actual.width())
                                             .arg(actual.height())
                                             .arg(expected.width())
                                             .arg(expected.height());
    if (!c.differences.isNull()) {
        const QString diffPath = out.filePath(nom + QStringLiteral("-diff.png"));
        c.differences.save(diffPath);
        detail = QStringLiteral("%1 pixels differ, see %2").arg(c.differing).arg(diffPath);
    }
    ADD_FAILURE() << qPrintable(nom) << ": " << qPrintable(detail) << "; actual picture "
                  << qPrintable(actualPath);
}
