// SPDX-License-Identifier: GPL-3.0-or-later
#include "twips.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {
double g_scale = 1.0;
constexpr double TwipsPerPixel = 15.0;
} // namespace

namespace Twips {

double scale()
{
    return g_scale;
}
void setScale(double scale)
{
    g_scale = scale > 0 ? scale : 1.0;
}

double scaleToFit(const QSize &available, double margin)
{
    // A lesson screen is 9690 x 7290 twips with its frame: 646 x 486 pixels at scale 1.
    constexpr double ScreenWidth = 9690 / TwipsPerPixel;
    constexpr double ScreenHeight = 7290 / TwipsPerPixel;
    const double fit = std::min(available.width() * margin / ScreenWidth, available.height() * margin / ScreenHeight);
    return std::max(1.0, fit);
}

int px(double twips)
{
    return int(std::lround(twips / TwipsPerPixel * g_scale));
}

QRect rect(double left, double top, double width, double height)
{
    // Convert the edges, not the sizes, so that neighbouring controls meet without gaps.
    const int l = px(left);
    const int t = px(top);
    return QRect(l, t, px(left + width) - l, px(top + height) - t);
}

QSize size(double width, double height)
{
    return QSize(px(width), px(height));
}

QFont font(Face face, double points, bool bold)
{
    // "MS Sans Serif" and "Arial" are rarely on a Linux school machine; Liberation Sans has Arial's
    // metrics, so the texts fit their labels as the lesson was laid out. The family is settled once:
    // asking the font system for a missing family on every label costs a fallback search each time.
    // The installed families are listed once; QFontDatabase::hasFamily would also ask fontconfig to
    // resolve each name as an alias, a substitution pass over its whole configuration per name.
    static const auto family = [](const QString &wanted) {
        static const QStringList installed = QFontDatabase::families();
        for (const QString &candidate : {wanted, QStringLiteral("Liberation Sans"), QStringLiteral("Arial")})
            if (installed.contains(candidate, Qt::CaseInsensitive))
                return candidate;
        return wanted;
    };
    static const QString sansSerif = family(QStringLiteral("MS Sans Serif"));
    static const QString arial = family(QStringLiteral("Arial"));
    QFont f(face == Face::Arial ? arial : sansSerif);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0 * g_scale))));
    f.setBold(bold);
    return f;
}

} // namespace Twips
